#include "ItemListModel.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QHash>
#include <QLocale>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace {
QLocale localeOfLanguage() {
    const QString language = GetLanguage();
    if (language == QLatin1String("no"))
        return QLocale(QLocale::NorwegianBokmal, QLocale::Norway);
    if (language == QLatin1String("en"))
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    return QLocale(QLocale::Danish, QLocale::Denmark);
}

// A tool tip that looks like markup is shown as markup; register text must show as it stands.
QVariant plainTip(const QString& text) {
    if (text.isEmpty())
        return QVariant();
    if (!Qt::mightBeRichText(text))
        return text;
    return QString(QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() + QStringLiteral("</p>"));
}
} // namespace

ItemListModel::ItemListModel(QObject* parent) : QAbstractItemModel(parent) {}

void ItemListModel::SetCollection(DBItemCollection* collection) {
    beginResetModel();
    if (m_collection && m_collection != collection)
        disconnect(m_collection, nullptr, this, nullptr);
    m_collection = collection;
    m_groups.clear();
    if (collection) {
        // Before the collection destroys its items, the rows that point to them go.
        connect(collection, &DBItemCollection::itemsAboutToBeDestroyed, this, &ItemListModel::Clear,
                Qt::UniqueConnection);
        connect(collection, &DBItemCollection::itemAdded, this, &ItemListModel::itemAdded, Qt::UniqueConnection);
        connect(collection, &DBItemCollection::itemChanged, this, &ItemListModel::itemChanged, Qt::UniqueConnection);
        connect(collection, &DBItemCollection::itemAboutToBeRemoved, this, &ItemListModel::itemAboutToBeRemoved,
                Qt::UniqueConnection);
        connect(collection, &DBItemCollection::itemsReset, this, &ItemListModel::itemsReset, Qt::UniqueConnection);
        const QStringList& names = collection->Groups().Entries();
        m_groups.reserve(names.size());
        for (const QString& name : names)
            m_groups.push_back(GroupRow{name, {}});
    }
    endResetModel();
}

void ItemListModel::Clear() {
    beginResetModel();
    m_groups.clear();
    endResetModel();
}

ItemListModel::FillResult ItemListModel::Fill() {
    FillResult result;
    if (!m_collection)
        return result;
    beginResetModel();
    for (GroupRow& group : m_groups)
        group.items.clear();
    const int groups = GroupCount();
    for (Item* item : *m_collection) {
        const int g = item->GetGroup();
        if (g < 0 || g >= groups) {
            item->SetListGroup(-1);
            if (result.unlisted++ == 0)
                result.firstUnlisted = g;
            continue;
        }
        m_groups[g].items.push_back(item);
        item->SetListGroup(g);
    }
    endResetModel();
    return result;
}

QModelIndex ItemListModel::AddItem(Item* item) {
    const int g = item->GetGroup();
    if (g < 0 || g >= GroupCount())
        return QModelIndex();
    GroupRow& group = m_groups[g];
    const int row = static_cast<int>(group.items.size());
    beginInsertRows(GroupIndex(g), row, row);
    group.items.push_back(item);
    item->SetListGroup(g);
    endInsertRows();
    return createIndex(row, 0, item);
}

QModelIndex ItemListModel::UpdateRow(const QModelIndex& index, Item* item) {
    if (!index.isValid() || IsGroupRow(index) || ItemAt(index) != item)
        return index;
    if (item->ListGroup() == item->GetGroup()) {
        emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(ColumnNames::ColumnCount - 1));
        return index.siblingAtColumn(0);
    }
    // The item moved to another group: its row goes there.
    RemoveRow(index);
    return AddItem(item);
}

void ItemListModel::RemoveRow(const QModelIndex& index) {
    Item* item = ItemAt(index);
    if (!item)
        return;
    const int g = item->ListGroup();
    if (g < 0 || g >= GroupCount())
        return;
    auto& items = m_groups[g].items;
    const int row = index.row();
    if (row >= int(items.size()) || items[row] != item)
        return;
    beginRemoveRows(GroupIndex(g), row, row);
    items.erase(items.begin() + row);
    item->SetListGroup(-1);
    endRemoveRows();
}

void ItemListModel::itemAdded(Item* item) {
    AddItem(item);
}

void ItemListModel::itemChanged(Item* item) {
    const QModelIndex row = IndexOf(item);
    if (row.isValid())
        UpdateRow(row, item);
    else
        AddItem(item); // it had no group row before
}

void ItemListModel::itemAboutToBeRemoved(Item* item) {
    RemoveRow(IndexOf(item));
}

void ItemListModel::itemsReset() {
    // Before the group rows exist there is nothing to fill.
    if (!m_groups.empty())
        Fill();
}

int ItemListModel::rowInGroup(const Item* item) const {
    const int g = item->ListGroup();
    if (g < 0 || g >= GroupCount())
        return -1;
    const auto& items = m_groups[g].items;
    const auto it = std::find(items.begin(), items.end(), item);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

QModelIndex ItemListModel::IndexOf(const Item* item) const {
    if (!item)
        return QModelIndex();
    const int row = rowInGroup(item);
    return row < 0 ? QModelIndex() : createIndex(row, 0, const_cast<Item*>(item));
}

QModelIndex ItemListModel::GroupIndex(int group) const {
    if (group < 0 || group >= GroupCount())
        return QModelIndex();
    return createIndex(group, 0, const_cast<GroupRow*>(&m_groups[group]));
}

const ItemListModel::GroupRow* ItemListModel::groupOf(const QModelIndex& index) const {
    if (!index.isValid() || m_groups.empty())
        return nullptr;
    const auto* pointer = static_cast<const GroupRow*>(index.internalPointer());
    const GroupRow* first = m_groups.data();
    // The group entries lie in one array; anything else is an item.
    if (std::less_equal<const GroupRow*>()(first, pointer) &&
        std::less<const GroupRow*>()(pointer, first + m_groups.size()))
        return pointer;
    return nullptr;
}

bool ItemListModel::IsGroupRow(const QModelIndex& index) const {
    return groupOf(index) != nullptr;
}

Item* ItemListModel::ItemAt(const QModelIndex& index) const {
    if (!index.isValid() || IsGroupRow(index))
        return nullptr;
    return static_cast<Item*>(index.internalPointer());
}

QString ItemListModel::GroupName(int group) const {
    return group >= 0 && group < GroupCount() ? m_groups[group].name : QString();
}

void ItemListModel::SetGroupName(int group, const QString& name) {
    if (group < 0 || group >= GroupCount())
        return;
    m_groups[group].name = name;
    const QModelIndex index = GroupIndex(group);
    emit dataChanged(index, index);
}

void ItemListModel::RefreshHeaders() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnNames::ColumnCount - 1);
}

void ItemListModel::SetIcons(const QIcon& picture, const QIcon& receipt, const QIcon& document) {
    m_pictureIcon = picture;
    m_receiptIcon = receipt;
    m_documentIcon = document;
}

QModelIndex ItemListModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= ColumnNames::ColumnCount)
        return QModelIndex();
    if (!parent.isValid()) {
        if (row >= GroupCount())
            return QModelIndex();
        return createIndex(row, column, const_cast<GroupRow*>(&m_groups[row]));
    }
    const GroupRow* group = groupOf(parent);
    if (!group || row >= int(group->items.size()))
        return QModelIndex();
    return createIndex(row, column, group->items[row]);
}

QModelIndex ItemListModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || IsGroupRow(child))
        return QModelIndex();
    const Item* item = static_cast<const Item*>(child.internalPointer());
    return GroupIndex(item->ListGroup());
}

int ItemListModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return GroupCount();
    if (parent.column() != 0)
        return 0;
    const GroupRow* group = groupOf(parent);
    return group ? static_cast<int>(group->items.size()) : 0;
}

int ItemListModel::columnCount(const QModelIndex&) const {
    return ColumnNames::ColumnCount;
}

bool ItemListModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QString ItemListModel::CellText(const Item* item, int column) const {
    using namespace ColumnNames;
    switch (column) {
    case Name:
        return item->GetName();
    case Product:
        return item->GetProduct();
    case ProductType:
        return item->GetProducttype();
    case Count:
        return item->GetNumberOfItemsText();
    case Price:
        return IsPellin() ? item->GetPriceText(2) : item->GetTotalPriceText();
    case PriceToday:
        return item->GetPriceTodayText(2);
    case Date:
        return item->GetDate();
    case Location: {
        const int location = item->GetLocation();
        if (m_collection && location >= 0 && location < m_collection->Locations().Count())
            return m_collection->Locations().Entry(location);
        return tr("Error");
    }
    case Description:
        return item->GetDescription();
    case Supplier:
        return item->GetSupplier();
    case Address:
        return item->GetAddress();
    case Serialno:
        return item->GetSerialno();
    case Www:
        return item->GetWww();
    default:
        return QString();
    }
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    if (const GroupRow* group = groupOf(index)) {
        if (index.column() == 0 && role == Qt::DisplayRole)
            return group->name;
        if (index.column() == 0 && role == Qt::ToolTipRole)
            return plainTip(group->name);
        return QVariant();
    }
    const Item* item = static_cast<const Item*>(index.internalPointer());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return CellText(item, column);
    case Qt::ToolTipRole: {
        if (column == ColumnNames::Picture)
            return plainTip(item->GetPhotolink());
        if (column == ColumnNames::Receipt)
            return plainTip(item->GetReceipt());
        if (column == ColumnNames::Document)
            return plainTip(item->GetDocument());
        return plainTip(CellText(item, column));
    }
    case Qt::DecorationRole:
        if (column == ColumnNames::Picture && IsPictureFile(item->GetPhotolink().trimmed()))
            return m_pictureIcon;
        if (column == ColumnNames::Receipt && IsPictureFile(item->GetReceipt().trimmed()))
            return IsTovik() ? m_receiptIcon : m_pictureIcon;
        if (column == ColumnNames::Document && !item->GetDocument().trimmed().isEmpty())
            return m_documentIcon;
        return QVariant();
    case Qt::TextAlignmentRole:
        switch (column) {
        case ColumnNames::Count:
        case ColumnNames::Price:
        case ColumnNames::PriceToday:
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case ColumnNames::Picture:
        case ColumnNames::Receipt:
        case ColumnNames::Document:
            return QVariant(Qt::AlignCenter);
        default:
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        }
    default:
        return QVariant();
    }
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return ColumnNames::Title(section);
    return QVariant();
}

Qt::ItemFlags ItemListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

namespace {
template <typename Key, typename KeyOf> void sortRows(std::vector<Item*>& items, Qt::SortOrder order, KeyOf keyOf) {
    std::vector<std::pair<Key, Item*>> keyed;
    keyed.reserve(items.size());
    for (Item* item : items)
        keyed.emplace_back(keyOf(item), item);
    if (order == Qt::AscendingOrder)
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    else
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return b.first < a.first; });
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = keyed[i].second;
}
} // namespace

void ItemListModel::sort(int column, Qt::SortOrder order) {
    using namespace ColumnNames;
    if (column <= Group || column >= ColumnCount || m_groups.empty())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();

    QCollator collator(localeOfLanguage());
    for (GroupRow& group : m_groups) {
        auto& items = group.items;
        if (items.size() < 2)
            continue;
        switch (column) {
        case Date:
            // Dates sort as dates; a missing or impossible date comes first.
            sortRows<qint32>(items, order, [](const Item* i) { return i->DateKey(); });
            break;
        case Count:
            sortRows<int>(items, order, [](const Item* i) { return i->GetNumberOfItems(); });
            break;
        case Price:
            sortRows<double>(items, order,
                             [](const Item* i) { return IsPellin() ? i->GetPrice() : i->GetTotalPrice(); });
            break;
        case PriceToday:
            sortRows<double>(items, order, [](const Item* i) { return i->GetPriceToday(); });
            break;
        default: {
            const int textColumn = column;
            auto text = [this, textColumn](const Item* i) {
                if (textColumn == Picture)
                    return i->GetPhotolink();
                if (textColumn == Receipt)
                    return i->GetReceipt();
                if (textColumn == Document)
                    return i->GetDocument();
                return CellText(i, textColumn);
            };
            std::vector<std::pair<QCollatorSortKey, Item*>> keyed;
            keyed.reserve(items.size());
            for (Item* item : items)
                keyed.emplace_back(collator.sortKey(text(item)), item);
            auto less = [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; };
            if (order == Qt::AscendingOrder)
                std::stable_sort(keyed.begin(), keyed.end(), less);
            else
                std::stable_sort(keyed.begin(), keyed.end(),
                                 [&less](const auto& a, const auto& b) { return less(b, a); });
            for (size_t i = 0; i < items.size(); ++i)
                items[i] = keyed[i].second;
            break;
        }
        }
    }

    // Only the few persistent indexes (current row, selection, expanded groups) need their new rows.
    QHash<const Item*, int> newRows;
    for (const QModelIndex& index : before) {
        if (const Item* item = ItemAt(index))
            newRows.insert(item, -1);
    }
    if (!newRows.isEmpty()) {
        for (const GroupRow& group : m_groups) {
            for (size_t row = 0; row < group.items.size(); ++row) {
                auto it = newRows.find(group.items[row]);
                if (it != newRows.end())
                    it.value() = static_cast<int>(row);
            }
        }
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        const Item* item = ItemAt(index);
        if (!item)
            after << index;
        else
            after << createIndex(newRows.value(item), index.column(), const_cast<Item*>(item));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
