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

AddItemCommand::AddItemCommand(DBItemCollection* collection, Item* item, Kind kind)
    : m_collection(collection), m_item(item) {
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
    DBItemCollection::SetModified(true);
}

void AddItemCommand::undo() {
    m_index = m_collection->IndexOf(m_item);
    m_collection->Remove(m_item);
    m_owned = true;
    DBItemCollection::SetModified(true);
}

DeleteItemCommand::DeleteItemCommand(DBItemCollection* collection, Item* item)
    : m_collection(collection), m_item(item) {
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
    DBItemCollection::SetModified(true);
}

EditItemCommand::EditItemCommand(DBItemCollection* collection, Item* item, const Item& before)
    : m_collection(collection), m_item(item), m_before(before), m_after(*item) {
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

void EditItemCommand::show(const Item& fields) {
    const int oldGroup = m_item->GetGroup();
    *m_item = fields; // the list's bookkeeping of the item stays
    m_collection->NotifyItemChanged(m_item, oldGroup);
    DBItemCollection::SetModified(true);
}

void EditItemCommand::redo() {
    if (m_firstRedo) {
        m_firstRedo = false;
        m_collection->NotifyItemChanged(m_item, m_before.GetGroup());
        DBItemCollection::SetModified(true);
        return;
    }
    show(m_after);
}

void EditItemCommand::undo() {
    show(m_before);
}

AddItemsCommand::AddItemsCommand(DBItemCollection* collection, std::vector<Item*> items, const QString& text)
    : m_collection(collection), m_items(std::move(items)) {
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
    DBItemCollection::SetModified(true);
}

void AddItemsCommand::undo() {
    m_collection->RemoveItems(m_items);
    m_owned = true;
    DBItemCollection::SetModified(true);
}
