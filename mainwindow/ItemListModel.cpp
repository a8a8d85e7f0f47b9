#include "mainwindow/ItemListModel.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QFont>
#include <QHash>
#include <QLocale>
#include <QTextDocument>

#include <QThread>

#include <algorithm>
#include <atomic>
#include <limits>
#include <thread>
#include <unordered_set>

namespace {

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

ItemListModel::~ItemListModel() = default;

namespace {
// A group row's internal id: its entry's address with the lowest bit set (items are never at odd addresses).
quintptr groupTag(const void* group) {
    return reinterpret_cast<quintptr>(group) | 1u;
}
} // namespace

void ItemListModel::SetCollection(DBItemCollection* collection) {
    beginResetModel();
    if (m_collection && m_collection != collection)
        disconnect(m_collection, nullptr, this, nullptr);
    m_collection = collection;
    m_groups.clear();
    m_order.clear();
    m_rows.clear();
    m_listed = 0;
    if (collection) {
        // Before the collection destroys its items, the rows that point to them go.
        connect(collection, &DBItemCollection::itemsAboutToBeDestroyed, this, &ItemListModel::Clear,
                Qt::UniqueConnection);
        connect(collection, &DBItemCollection::itemAdded, this, &ItemListModel::addItem, Qt::UniqueConnection);
        // An item the filter hides has no index: it is followed by its pointer (a move, a hit again, or none).
        connect(collection, &DBItemCollection::itemChanged, this, &ItemListModel::updateItem, Qt::UniqueConnection);
        connect(collection, &DBItemCollection::itemAboutToBeRemoved, this, &ItemListModel::removeItem,
                Qt::UniqueConnection);
        connect(collection, &DBItemCollection::itemsReset, this, &ItemListModel::itemsReset, Qt::UniqueConnection);
        connect(collection, &DBItemCollection::listChanged, this, &ItemListModel::listChanged, Qt::UniqueConnection);
        makeListedGroups();
    }
    endResetModel();
}

void ItemListModel::makeListedGroups() {
    m_groups.clear();
    m_order.clear();
    m_rows.clear();
    const QStringList& names = m_collection->Groups().Entries();
    m_groups.reserve(names.size());
    for (const QString& name : names) {
        auto group = std::make_unique<GroupRow>();
        group->name = name;
        group->number = static_cast<int>(m_groups.size());
        m_order.push_back(group.get());
        m_groups.push_back(std::move(group));
    }
    m_listed = static_cast<int>(m_groups.size());
    sortGroupOrder();
    rebuildRows();
}

void ItemListModel::Clear() {
    beginResetModel();
    m_groups.clear();
    m_order.clear();
    m_rows.clear();
    m_listed = 0;
    endResetModel();
}

ItemListModel::FillResult ItemListModel::Fill() {
    FillResult result;
    if (!m_collection)
        return result;
    beginResetModel();
    // After Clear() or a change of the group list the group rows come from the list again.
    if (!sameGroupNames())
        makeListedGroups();
    // Entries of missing numbers are made afresh: the items may have changed their groups.
    // The order and the rows let go of them first: they only point to the entries.
    m_rows.clear();
    m_order.erase(std::remove_if(m_order.begin(), m_order.end(), [](const GroupRow* g) { return g->missing; }),
                  m_order.end());
    m_groups.resize(m_listed);
    for (auto& group : m_groups) {
        group->all.clear();
        group->hits.clear();
    }
    // One pass over the items, which mostly come in group order: the group is looked up when it changes.
    GroupRow* group = nullptr;
    int slot = -1;
    for (Item* item : *m_collection) {
        const int number = item->GetGroup();
        if (!group || group->number != number) {
            group = groupOfNumber(number, true);
            slot = slotIndex(group);
        }
        if (group->missing && result.unlisted++ == 0)
            result.firstUnlisted = number;
        group->all.push_back(item);
        item->SetListGroup(slot);
    }
    if (IsFiltered())
        filterGroups(false);
    rebuildRows();
    endResetModel();
    return result;
}

bool ItemListModel::sameGroupNames() const {
    const QStringList& names = m_collection->Groups().Entries();
    if (m_listed != names.size())
        return false;
    for (int group = 0; group < m_listed; ++group) {
        if (m_groups[group]->name != names.at(group))
            return false;
    }
    return true;
}

int ItemListModel::slotIndex(const GroupRow* group) const {
    if (!group->missing)
        return group->number;
    for (size_t s = m_listed; s < m_groups.size(); ++s) {
        if (m_groups[s].get() == group)
            return static_cast<int>(s);
    }
    return -1;
}

ItemListModel::GroupRow* ItemListModel::groupOfNumber(int number, bool create) {
    if (number >= 0 && number < m_listed)
        return m_groups[number].get();
    for (size_t slot = m_listed; slot < m_groups.size(); ++slot) {
        if (m_groups[slot]->number == number)
            return m_groups[slot].get();
    }
    if (!create)
        return nullptr;
    auto group = std::make_unique<GroupRow>();
    group->number = number;
    group->missing = true;
    GroupRow* made = group.get();
    m_groups.push_back(std::move(group));
    // Missing numbers follow the listed groups, in the order of their numbers.
    auto at = std::find_if(m_order.begin(), m_order.end(),
                           [number](const GroupRow* g) { return g->missing && g->number > number; });
    m_order.insert(at, made);
    return made;
}

ItemListModel::GroupRow* ItemListModel::slotOf(const Item* item) const {
    const int slot = item ? item->ListGroup() : -1;
    return slot >= 0 && slot < int(m_groups.size()) ? m_groups[slot].get() : nullptr;
}

bool ItemListModel::wantsRow(const GroupRow& group) const {
    if (group.missing && group.all.empty())
        return false;
    return !IsFiltered() || !group.hits.empty();
}

void ItemListModel::renumberRows() {
    for (GroupRow* group : m_order)
        group->row = -1;
    for (size_t row = 0; row < m_rows.size(); ++row)
        m_rows[row]->row = static_cast<int>(row);
}

void ItemListModel::rebuildRows() {
    m_rows.clear();
    for (GroupRow* group : m_order) {
        if (wantsRow(*group))
            m_rows.push_back(group);
    }
    renumberRows();
}

void ItemListModel::syncRow(GroupRow& group) {
    const bool wanted = wantsRow(group);
    if (wanted == (group.row >= 0))
        return;
    if (wanted) {
        int row = 0;
        for (const GroupRow* g : m_order) {
            if (g == &group)
                break;
            if (g->row >= 0)
                ++row;
        }
        beginInsertRows(QModelIndex(), row, row);
        m_rows.insert(m_rows.begin() + row, &group);
        renumberRows();
        endInsertRows();
    } else {
        const int row = group.row;
        beginRemoveRows(QModelIndex(), row, row);
        m_rows.erase(m_rows.begin() + row);
        renumberRows();
        endRemoveRows();
    }
}

QModelIndex ItemListModel::indexOfGroup(const GroupRow& group, int column) const {
    return group.row < 0 ? QModelIndex() : createIndex(group.row, column, groupTag(&group));
}

bool ItemListModel::matches(const Item& item, const GroupRow& group) const {
    TextFilter::Mask found = group.words;
    const int location = item.GetLocation();
    if (location >= 0 && location < int(m_locationWords.size()))
        found |= m_locationWords[location];
    return m_filter.Matches(item, found);
}

void ItemListModel::prepareFilterMasks() {
    // The names the rows show with an item (its location and its group) count as its texts.
    m_locationWords.clear();
    if (m_collection) {
        for (const QString& location : m_collection->Locations().Entries())
            m_locationWords.push_back(m_filter.WordsIn(location));
    }
    for (auto& group : m_groups)
        group->words = group->missing ? 0 : m_filter.WordsIn(group->name);
}

void ItemListModel::filterGroups(bool narrowing) {
    prepareFilterMasks();
    // Words that only grew find a part of what they found: then only the hits need a look. Large
    // registers are searched in pieces by as many threads as the processor runs at once.
    struct Piece {
        size_t slot;
        size_t begin;
        size_t end;
        std::vector<Item*> hits;
    };
    constexpr size_t pieceSize = 32768;
    std::vector<Piece> pieces;
    size_t total = 0;
    for (size_t slot = 0; slot < m_groups.size(); ++slot) {
        const size_t count = (narrowing ? m_groups[slot]->hits : m_groups[slot]->all).size();
        total += count;
        for (size_t begin = 0; begin < count; begin += pieceSize)
            pieces.push_back(Piece{slot, begin, std::min(count, begin + pieceSize), {}});
    }
    const auto search = [this, narrowing](Piece& piece) {
        const GroupRow& group = *m_groups[piece.slot];
        const std::vector<Item*>& items = narrowing ? group.hits : group.all;
        for (size_t i = piece.begin; i < piece.end; ++i) {
            if (matches(*items[i], group))
                piece.hits.push_back(items[i]);
        }
    };
    const int threads = total < 100000 ? 1 : std::clamp(QThread::idealThreadCount(), 1, 8);
    if (threads == 1) {
        for (Piece& piece : pieces)
            search(piece);
    } else {
        std::atomic<size_t> next{0};
        const auto work = [&] {
            for (size_t k = next++; k < pieces.size(); k = next++)
                search(pieces[k]);
        };
        std::vector<std::thread> helpers;
        for (int t = 1; t < threads; ++t)
            helpers.emplace_back(work);
        work();
        for (std::thread& helper : helpers)
            helper.join();
    }
    std::vector<std::vector<Item*>> hits(m_groups.size());
    for (Piece& piece : pieces) {
        auto& into = hits[piece.slot];
        if (into.empty())
            into.swap(piece.hits);
        else
            into.insert(into.end(), piece.hits.begin(), piece.hits.end());
    }
    for (size_t slot = 0; slot < m_groups.size(); ++slot)
        m_groups[slot]->hits.swap(hits[slot]);
}

void ItemListModel::SetFilter(const QString& text) {
    TextFilter next(text);
    if (next.SameWords(m_filter))
        return;
    const bool narrowing = IsFiltered() && next.Narrows(m_filter);
    beginResetModel();
    m_filter = next;
    m_locale = InterfaceLocale(); // read once: the settings are no place to look at every paint
    if (IsFiltered()) {
        filterGroups(narrowing);
    } else {
        for (auto& group : m_groups)
            std::vector<Item*>().swap(group->hits);
    }
    rebuildRows();
    endResetModel();
}

void ItemListModel::addItem(Item* item) {
    if (!item)
        return;
    GroupRow* group = groupOfNumber(item->GetGroup(), true);
    item->SetListGroup(slotIndex(group));
    const bool filtered = IsFiltered();
    const bool hit = !filtered || matches(*item, *group);
    if (group->row < 0) {
        // No row yet: the group gets its row with the item in it.
        group->all.push_back(item);
        if (filtered && hit)
            group->hits.push_back(item);
        syncRow(*group);
    } else if (hit) {
        const int row = static_cast<int>(shown(*group).size());
        beginInsertRows(indexOfGroup(*group), row, row);
        group->all.push_back(item);
        if (filtered)
            group->hits.push_back(item);
        endInsertRows();
    } else {
        group->all.push_back(item);
    }
    if (filtered && group->row >= 0)
        emit dataChanged(indexOfGroup(*group), indexOfGroup(*group)); // its count of hits
}

void ItemListModel::updateItem(Item* item) {
    GroupRow* group = slotOf(item);
    if (!group || std::find(group->all.begin(), group->all.end(), item) == group->all.end())
        return addItem(item);
    if (groupOfNumber(item->GetGroup(), true) != group) {
        // The item moved to another group: its row goes there.
        removeItem(item);
        return addItem(item);
    }
    const QModelIndex shownAt = IndexOf(item);
    const bool hit = !IsFiltered() || matches(*item, *group);
    if (hit && shownAt.isValid()) {
        emit dataChanged(shownAt, shownAt.siblingAtColumn(ColumnNames::ColumnCount - 1));
        return;
    }
    if (!hit && shownAt.isValid()) {
        const int row = shownAt.row();
        beginRemoveRows(indexOfGroup(*group), row, row);
        group->hits.erase(group->hits.begin() + row);
        endRemoveRows();
    } else if (hit) {
        // Back among the hits, at its place in the group's order.
        size_t at = 0;
        for (const Item* i : group->all) {
            if (i == item)
                break;
            if (at < group->hits.size() && group->hits[at] == i)
                ++at;
        }
        if (group->row < 0) {
            group->hits.insert(group->hits.begin() + at, item);
        } else {
            beginInsertRows(indexOfGroup(*group), int(at), int(at));
            group->hits.insert(group->hits.begin() + at, item);
            endInsertRows();
        }
    }
    syncRow(*group);
    if (group->row >= 0)
        emit dataChanged(indexOfGroup(*group), indexOfGroup(*group));
}

void ItemListModel::removeItem(Item* item) {
    GroupRow* group = slotOf(item);
    if (!group)
        return;
    auto& all = group->all;
    const auto inAll = std::find(all.begin(), all.end(), item);
    if (inAll == all.end())
        return;
    const QModelIndex shownAt = IndexOf(item);
    if (shownAt.isValid()) {
        beginRemoveRows(indexOfGroup(*group), shownAt.row(), shownAt.row());
        if (IsFiltered())
            group->hits.erase(group->hits.begin() + shownAt.row());
        all.erase(inAll);
        endRemoveRows();
    } else {
        all.erase(inAll);
    }
    item->SetListGroup(-1);
    syncRow(*group);
    if (IsFiltered() && group->row >= 0)
        emit dataChanged(indexOfGroup(*group), indexOfGroup(*group));
}

void ItemListModel::itemsReset() {
    // Before the group rows exist there is nothing to fill.
    if (!m_groups.empty())
        Fill();
}

void ItemListModel::listChanged(int list) {
    // The rows show the groups' and the locations' names (and the filter finds them); suppliers are the
    // items' own texts.
    if (list == DBItemCollection::GroupList || list == DBItemCollection::LocationList)
        Fill();
}

int ItemListModel::rowInGroup(const Item* item) const {
    const GroupRow* group = slotOf(item);
    if (!group || group->row < 0)
        return -1;
    const auto& items = shown(*group);
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
    const GroupRow* entry = const_cast<ItemListModel*>(this)->groupOfNumber(group, false);
    return entry ? indexOfGroup(*entry) : QModelIndex();
}

ItemListModel::GroupRow* ItemListModel::groupOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this || !(index.internalId() & 1u))
        return nullptr;
    return reinterpret_cast<GroupRow*>(index.internalId() & ~quintptr(1));
}

int ItemListModel::GroupNumberOf(const QModelIndex& index) const {
    const GroupRow* group = groupOf(index);
    return group ? group->number : -1;
}

bool ItemListModel::IsMissingGroup(const QModelIndex& index) const {
    const GroupRow* group = groupOf(index);
    return group && group->missing;
}

bool ItemListModel::IsGroupRow(const QModelIndex& index) const {
    return groupOf(index) != nullptr;
}

Item* ItemListModel::ItemAt(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this || IsGroupRow(index))
        return nullptr;
    return static_cast<Item*>(index.internalPointer());
}

QString ItemListModel::GroupName(int group) const {
    return group >= 0 && group < m_listed ? m_groups[group]->name : QString();
}

QString ItemListModel::baseName(const GroupRow& group) const {
    if (group.missing)
        return tr("Gruppe %1 (ikke i gruppelisten)").arg(group.number);
    return group.name;
}

void ItemListModel::RefreshHeaders() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnNames::ColumnCount - 1);
}

std::vector<const Item*> ItemListModel::ShownItems() const {
    if (!m_collection)
        return {};
    if (!IsFiltered())
        return {m_collection->begin(), m_collection->end()};
    std::unordered_set<const Item*> hits;
    for (const auto& group : m_groups)
        hits.insert(group->hits.begin(), group->hits.end());
    std::vector<const Item*> items;
    items.reserve(hits.size());
    for (const Item* item : *m_collection) {
        if (hits.count(item))
            items.push_back(item);
    }
    return items;
}

ItemListModel::Totals ItemListModel::ShownTotals() const {
    Totals totals;
    for (const GroupRow* group : m_rows) {
        for (const Item* item : shown(*group)) {
            ++totals.items;
            totals.pieces += item->GetNumberOfItems();
            totals.price += item->GetTotalPrice();
            totals.today += item->GetPriceToday();
        }
    }
    return totals;
}

QString ItemListModel::TotalsText(const Totals& totals, const QLocale& locale) {
    return tr("Poster: %1   Stk.: %2   Pris i alt: %3   Værdi i dag: %4")
        .arg(locale.toString(totals.items), locale.toString(totals.pieces), locale.toString(totals.price, 'f', 2),
             locale.toString(totals.today, 'f', 2));
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
        if (row >= int(m_rows.size()))
            return QModelIndex();
        return createIndex(row, column, groupTag(m_rows[row]));
    }
    const GroupRow* group = groupOf(parent);
    if (!group || parent.column() != 0 || row >= int(shown(*group).size()))
        return QModelIndex();
    return createIndex(row, column, shown(*group)[row]);
}

QModelIndex ItemListModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || IsGroupRow(child))
        return QModelIndex();
    const GroupRow* group = slotOf(static_cast<const Item*>(child.internalPointer()));
    return group ? indexOfGroup(*group) : QModelIndex();
}

int ItemListModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return static_cast<int>(m_rows.size());
    if (parent.column() != 0)
        return 0;
    const GroupRow* group = groupOf(parent);
    return group ? static_cast<int>(shown(*group).size()) : 0;
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
        if (index.column() != 0)
            return QVariant();
        if (role == Qt::DisplayRole) {
            if (!IsFiltered())
                return baseName(*group);
            return tr("%1 (%2 af %3)")
                .arg(baseName(*group), m_locale.toString(qint64(group->hits.size())),
                     m_locale.toString(qint64(group->all.size())));
        }
        if (role == Qt::ToolTipRole)
            return plainTip(baseName(*group));
        if (role == Qt::FontRole && group->missing) {
            QFont font;
            font.setItalic(true);
            return font;
        }
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

void ItemListModel::sortGroupOrder() {
    auto missingFirst =
        std::stable_partition(m_order.begin(), m_order.end(), [](const GroupRow* g) { return !g->missing; });
    std::stable_sort(missingFirst, m_order.end(),
                     [](const GroupRow* a, const GroupRow* b) { return a->number < b->number; });
    if (m_groupSort == 0) {
        std::stable_sort(m_order.begin(), missingFirst,
                         [](const GroupRow* a, const GroupRow* b) { return a->number < b->number; });
        return;
    }
    // Listed groups by name; the missing numbers stay after them either way.
    QCollator collator(InterfaceLocale());
    std::vector<std::pair<QCollatorSortKey, GroupRow*>> keyed;
    for (auto it = m_order.begin(); it != missingFirst; ++it)
        keyed.emplace_back(collator.sortKey((*it)->name), *it);
    const bool ascending = m_groupSort > 0;
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
        return ascending ? a.first.compare(b.first) < 0 : b.first.compare(a.first) < 0;
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        m_order[i] = keyed[i].second;
}

void ItemListModel::sort(int column, Qt::SortOrder order) {
    using namespace ColumnNames;
    if (column < Group || column >= ColumnCount || m_order.empty())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();

    if (column == Group) {
        m_groupSort = order == Qt::AscendingOrder ? 1 : -1;
        sortGroupOrder();
        rebuildRows();
        // Items keep their rows within their groups; only the group rows move.
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex& index : before) {
            const GroupRow* group = groupOf(index);
            after << (group ? indexOfGroup(*group, index.column()) : index);
        }
        changePersistentIndexList(before, after);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
        return;
    }

    QCollator collator(InterfaceLocale());
    for (auto& entry : m_groups) {
        // The hits keep the order of all: both are sorted alike (the sorts are stable).
        for (auto* items : {&entry->all, &entry->hits}) {
            if (items->size() < 2)
                continue;
            sortItems(*items, column, order, collator);
        }
    }

    // Only the few persistent indexes (current row, selection, expanded groups) need their new rows.
    QHash<const Item*, int> newRows;
    for (const QModelIndex& index : before) {
        if (const Item* item = ItemAt(index))
            newRows.insert(item, -1);
    }
    if (!newRows.isEmpty()) {
        for (const GroupRow* group : m_rows) {
            const auto& items = shown(*group);
            for (size_t row = 0; row < items.size(); ++row) {
                auto it = newRows.find(items[row]);
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

void ItemListModel::sortItems(std::vector<Item*>& items, int column, Qt::SortOrder order, QCollator& collator) const {
    using namespace ColumnNames;
    switch (column) {
    case Date:
        // Dates sort as dates; a missing or impossible date comes first.
        sortRows<qint32>(items, order, [](const Item* i) { return i->DateKey(); });
        break;
    case Count:
        sortRows<int>(items, order, [](const Item* i) { return i->GetNumberOfItems(); });
        break;
    case Price:
        sortRows<double>(items, order, [](const Item* i) { return IsPellin() ? i->GetPrice() : i->GetTotalPrice(); });
        break;
    case PriceToday:
        sortRows<double>(items, order, [](const Item* i) { return i->GetPriceToday(); });
        break;
    default: {
        auto text = [this, column](const Item* i) {
            if (column == Picture)
                return i->GetPhotolink();
            if (column == Receipt)
                return i->GetReceipt();
            if (column == Document)
                return i->GetDocument();
            return CellText(i, column);
        };
        std::vector<std::pair<QCollatorSortKey, Item*>> keyed;
        keyed.reserve(items.size());
        for (Item* item : items)
            keyed.emplace_back(collator.sortKey(text(item)), item);
        auto less = [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; };
        if (order == Qt::AscendingOrder)
            std::stable_sort(keyed.begin(), keyed.end(), less);
        else
            std::stable_sort(keyed.begin(), keyed.end(), [&less](const auto& a, const auto& b) { return less(b, a); });
        for (size_t i = 0; i < items.size(); ++i)
            items[i] = keyed[i].second;
        break;
    }
    }
}
