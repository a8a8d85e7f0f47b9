#include "core/ItemCommands.h"

#include "core/DBItemCollection.h"

#include <cmath>

namespace ItemCommands {

QString Label(const Item& item) {
    constexpr int longest = 40;
    QString text = item.GetName().simplified();
    if (text.isEmpty())
        text = item.GetProduct().simplified();
    if (text.isEmpty())
        return QCoreApplication::translate("ItemCommands", "en genstand uden navn");
    if (text.size() > longest)
        text = text.left(longest - 1) + QChar(0x2026);
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString UndoPrefix() {
    return QCoreApplication::translate("ItemCommands", "&Fortryd");
}

QString RedoPrefix() {
    return QCoreApplication::translate("ItemCommands", "Gen&tag");
}

bool SameContent(const Item& a, const Item& b) {
    auto samePrice = [](double x, double y) { return x == y || (std::isnan(x) && std::isnan(y)); };
    if (a.GetGroup() != b.GetGroup() || a.GetNumberOfItems() != b.GetNumberOfItems() ||
        a.GetLocation() != b.GetLocation() || !samePrice(a.GetPrice(), b.GetPrice()) ||
        !samePrice(a.GetPriceToday(), b.GetPriceToday()))
        return false;
    for (int field = 0; field < Item::TextFieldCount; ++field) {
        const auto f = static_cast<Item::TextField>(field);
        if (a.Latin1(f) != b.Latin1(f))
            return false;
    }
    return true;
}

} // namespace ItemCommands

std::vector<ItemCommands::Stamp> ItemCommand::stamp(const Item* item, int version) const {
    if (version <= 0)
        return {};
    return {{item, version}};
}

AddItemCommand::AddItemCommand(DBItemCollection* collection, Item* item, Kind kind)
    : ItemCommand(collection), m_item(item) {
    setText(kind == Copy ? tr("kopiering af %1").arg(ItemCommands::Label(*item))
                         : tr("tilføjelse af %1").arg(ItemCommands::Label(*item)));
}

AddItemCommand::~AddItemCommand() {
    if (m_owned)
        delete m_item;
}

void AddItemCommand::redo() {
    if (m_index < 0)
        m_index = m_collection->Count();
    m_collection->Insert(m_index, m_item);
    m_owned = false;
    m_version = m_collection->VersionOf(m_item);
    DBItemCollection::SetModified(true);
}

std::vector<ItemCommands::Stamp> AddItemCommand::Expected(bool undo) const {
    return undo ? stamp(m_item, m_version) : std::vector<ItemCommands::Stamp>();
}

void AddItemCommand::undo() {
    m_index = m_collection->IndexOf(m_item);
    m_collection->Remove(m_item);
    m_owned = true;
    DBItemCollection::SetModified(true);
}

DeleteItemCommand::DeleteItemCommand(DBItemCollection* collection, Item* item) : ItemCommand(collection), m_item(item) {
    setText(tr("sletning af %1").arg(ItemCommands::Label(*item)));
}

DeleteItemCommand::~DeleteItemCommand() {
    if (m_owned)
        delete m_item;
}

void DeleteItemCommand::redo() {
    m_index = m_collection->IndexOf(m_item);
    if (!m_collection->Remove(m_item))
        return;
    m_owned = true;
    DBItemCollection::SetModified(true);
}

void DeleteItemCommand::undo() {
    if (!m_owned)
        return;
    m_collection->Insert(m_index, m_item);
    m_owned = false;
    m_version = m_collection->VersionOf(m_item);
    DBItemCollection::SetModified(true);
}

std::vector<ItemCommands::Stamp> DeleteItemCommand::Expected(bool undo) const {
    // The first deletion is the user's own look at the item; a redo deletes what the undo put back.
    return undo ? std::vector<ItemCommands::Stamp>() : stamp(m_item, m_version);
}

EditItemCommand::EditItemCommand(DBItemCollection* collection, Item* item, const Item& before)
    : ItemCommand(collection), m_item(item), m_before(before), m_after(*item) {
    const QString label = ItemCommands::Label(*item);
    const int group = item->GetGroup();
    Item sameGroup(before);
    sameGroup.SetGroup(group);
    if (group != before.GetGroup() && ItemCommands::SameContent(sameGroup, *item)) {
        const QString name = group >= 0 && group < collection->Groups().Count() ? collection->Groups().Entry(group)
                                                                                : QString::number(group);
        setText(tr("flytning af %1 til '%2'").arg(label, name));
    } else {
        setText(tr("ændring af %1").arg(label));
    }
}

void EditItemCommand::show(const Item& fields, const Item& from) {
    const int oldGroup = m_item->GetGroup();
    // The count moves back by what this edit moved it: a movement made meanwhile on another workstation of
    // a shared register stays (on its own the item never moves between the edit and its undo).
    const int count = m_item->GetNumberOfItems() + (fields.GetNumberOfItems() - from.GetNumberOfItems());
    *m_item = fields; // the list's bookkeeping of the item stays
    m_item->SetNumberOfItems(count);
    m_collection->NotifyItemChanged(m_item, oldGroup);
    m_version = m_collection->VersionOf(m_item);
    DBItemCollection::SetModified(true);
}

void EditItemCommand::redo() {
    if (m_firstRedo) {
        m_firstRedo = false;
        m_collection->NotifyItemChanged(m_item, m_before.GetGroup());
        m_version = m_collection->VersionOf(m_item);
        DBItemCollection::SetModified(true);
        return;
    }
    show(m_after, m_before);
}

std::vector<ItemCommands::Stamp> EditItemCommand::Expected(bool) const {
    return stamp(m_item, m_version);
}

void EditItemCommand::undo() {
    show(m_before, m_after);
}

AddItemsCommand::AddItemsCommand(DBItemCollection* collection, std::vector<Item*> items, const QString& text)
    : ItemCommand(collection), m_items(std::move(items)) {
    setText(text);
}

AddItemsCommand::~AddItemsCommand() {
    if (m_owned) {
        for (Item* item : m_items)
            delete item;
    }
}

void AddItemsCommand::redo() {
    m_collection->AddItems(m_items);
    m_owned = false;
    m_versions.clear();
    for (const Item* item : m_items)
        m_versions.push_back(m_collection->VersionOf(item));
    DBItemCollection::SetModified(true);
}

std::vector<ItemCommands::Stamp> AddItemsCommand::Expected(bool undo) const {
    std::vector<ItemCommands::Stamp> stamps;
    for (size_t i = 0; undo && i < m_versions.size(); ++i) {
        if (m_versions[i] > 0)
            stamps.push_back({m_items[i], m_versions[i]});
    }
    return stamps;
}

void AddItemsCommand::undo() {
    m_collection->RemoveItems(m_items);
    m_owned = true;
    DBItemCollection::SetModified(true);
}
