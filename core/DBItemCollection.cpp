#include "core/DBItemCollection.h"

#include "app/Edition.h"
#include "core/Numbers.h"

#include <QFileInfo>
#include <QLatin1StringView>
#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

bool gModified = false;
quint64 gChangeCount = 0;

// FindNext keeps one continuation position for the whole process. It is only followed while the
// collection it belongs to is unchanged; any change starts the next search at the first item.
struct Continuation {
    const DBItemCollection* collection = nullptr;
    quint64 generation = 0;
    size_t position = 0;
} gContinuation;

int toIntOrZero(const QString& text) {
    int value = 0;
    return ParseDecimalInt(text, &value) ? value : 0;
}

bool containsCaseless(QByteArrayView haystack, const QString& needle) {
    return QLatin1StringView(haystack.data(), haystack.size()).contains(needle, Qt::CaseInsensitive);
}

} // namespace

DBItemCollection::DBItemCollection(LogXML* log, QObject* parent)
    : DBItemCollection(log, QString(), QStringLiteral("dk"), parent) {}

DBItemCollection::DBItemCollection(LogXML* log, const QString& folder, const QString& language, QObject* parent)
    : QObject(parent), m_log(log), m_folder(folder), m_language(language), m_undoStack(new QUndoStack(this)) {
    // Undoing back to the saved state leaves the register unmodified; emptying the history says nothing.
    connect(m_undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (!m_clearingHistory)
            SetModified(!clean);
    });
    m_groups.SetKind(userItemCollection::GroupsList);
    m_groups.SetLimit(MaxListEntries);
    m_locations.SetKind(userItemCollection::LocationsList);
    m_locations.SetLimit(MaxListEntries);
    m_suppliers.SetLimit(MaxListEntries);
    m_fields.SetLimit(MaxFields);
    gModified = false;
    MakeDynamicLists();
}

DBItemCollection::~DBItemCollection() {
    if (IsBrevane())
        DeleteLockFile();
    clearHistory();
    destroyItems();
    if (gContinuation.collection == this)
        gContinuation = Continuation();
}

void DBItemCollection::clearHistory() {
    if (m_undoStack->count() == 0)
        return;
    m_clearingHistory = true;
    m_undoStack->clear(); // destroys the items the commands kept
    m_clearingHistory = false;
}

void DBItemCollection::Push(QUndoCommand* command) {
    m_undoStack->push(command);
}

void DBItemCollection::MarkSaved() {
    m_undoStack->setClean();
}

void DBItemCollection::MarkUnsaved() {
    m_undoStack->resetClean();
}

void DBItemCollection::destroyItems() {
    // A command may point to any item; the history goes with the items, and a dialog showing a kept item
    // is told first.
    if (m_items.empty() && m_undoStack->count() == 0)
        return;
    emit itemsAboutToBeDestroyed();
    clearHistory();
    std::vector<Item*> items;
    items.swap(m_items);
    for (Item* item : items)
        delete item;
    m_arena.clear();
    ++gChangeCount;
    changed();
}

void DBItemCollection::Clear() {
    if (IsBrevane())
        DeleteLockFile();
    destroyItems();
    ++gChangeCount;
    changed();
}

void DBItemCollection::ClearItems() {
    destroyItems();
    changed();
}

void DBItemCollection::TakeContents(DBItemCollection& loaded) {
    // Views and dialogs let go of the old items (and reset) before anything changes under them.
    emit itemsAboutToBeDestroyed();
    clearHistory(); // another register's history means nothing here
    std::swap(m_items, loaded.m_items);
    std::swap(m_arena, loaded.m_arena);
    std::swap(m_groups, loaded.m_groups);
    std::swap(m_locations, loaded.m_locations);
    std::swap(m_suppliers, loaded.m_suppliers);
    std::swap(m_fields, loaded.m_fields);
    std::swap(m_folder, loaded.m_folder);
    std::swap(m_formatVersion, loaded.m_formatVersion);
    std::swap(m_readOnly, loaded.m_readOnly);
    std::swap(m_lockInformation, loaded.m_lockInformation);
    std::swap(m_lock, loaded.m_lock);
    std::swap(m_lockTakenFrom, loaded.m_lockTakenFrom);
    std::swap(m_lockNotice, loaded.m_lockNotice);
    changed();
    loaded.changed();
}

bool DBItemCollection::PassLockTo(DBItemCollection& other) {
    // The same file may be named relatively before and absolutely now.
    const QString lockPath = other.LockFilePath();
    if (m_lock.path.isEmpty() || !other.m_lock.path.isEmpty() || QFileInfo(m_lock.path) != QFileInfo(lockPath))
        return false;
    std::swap(other.m_lock, m_lock);
    other.m_readOnly = false;
    return true;
}

int DBItemCollection::IndexOf(const Item* item) const {
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void DBItemCollection::Add(Item* item) {
    Insert(Count(), item);
}

void DBItemCollection::Insert(int index, Item* item) {
    if (index < 0 || index > Count())
        index = Count();
    m_items.insert(m_items.begin() + index, item);
    gModified = true;
    ++gChangeCount;
    changed();
    emit itemAdded(item);
}

bool DBItemCollection::Remove(Item* item) {
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    if (it == m_items.end())
        return false;
    emit itemAboutToBeRemoved(item);
    // The caller owns the item from now on, so its texts must not live in the collection's arena.
    item->DetachTexts();
    m_items.erase(std::find(m_items.begin(), m_items.end(), item));
    ++gChangeCount;
    changed();
    return true;
}

void DBItemCollection::AddItems(const std::vector<Item*>& items) {
    if (items.empty())
        return;
    emit itemsAboutToBeReset();
    m_items.insert(m_items.end(), items.begin(), items.end());
    gModified = true;
    ++gChangeCount;
    changed();
    emit itemsReset();
}

void DBItemCollection::RemoveItems(const std::vector<Item*>& items) {
    if (items.empty())
        return;
    std::vector<Item*> gone(items);
    std::sort(gone.begin(), gone.end());
    emit itemsAboutToBeReset();
    const auto kept = std::remove_if(m_items.begin(), m_items.end(), [&gone](Item* item) {
        if (!std::binary_search(gone.begin(), gone.end(), item))
            return false;
        item->DetachTexts(); // the caller owns it now
        return true;
    });
    m_items.erase(kept, m_items.end());
    ++gChangeCount;
    changed();
    emit itemsReset();
}

void DBItemCollection::NotifyItemChanged(Item* item, int oldGroup) {
    ++gChangeCount;
    changed();
    emit itemChanged(item, oldGroup);
}

void DBItemCollection::SetListEntries(int list, const QStringList& entries) {
    userItemCollection* target = DynamicListOf(list);
    if (!target || target->Entries() == entries)
        return;
    emit listAboutToChange(list);
    target->SetEntries(entries);
    emit listChanged(list);
}

std::vector<Item*> DBItemCollection::ReplaceItems(std::vector<Item*> items) {
    std::vector<Item*> kept(items);
    std::sort(kept.begin(), kept.end());
    std::vector<Item*> dropped;
    for (Item* item : m_items) {
        if (!std::binary_search(kept.begin(), kept.end(), item)) {
            // The caller owns it now, so its texts must not live in the collection's arena.
            item->DetachTexts();
            dropped.push_back(item);
        }
    }
    emit itemsAboutToBeReset();
    m_items = std::move(items);
    ++gChangeCount;
    changed();
    emit itemsReset();
    return dropped;
}

void DBItemCollection::SetModified(bool modified) {
    gModified = modified;
    if (modified)
        ++gChangeCount;
}

quint64 DBItemCollection::ChangeCount() {
    return gChangeCount;
}

bool DBItemCollection::IsModified() {
    return gModified;
}

Item* DBItemCollection::Previous(Item* item, bool& atEdge) const {
    const int index = IndexOf(item);
    atEdge = index <= 0;
    return atEdge ? item : m_items[index - 1];
}

Item* DBItemCollection::Next(Item* item, bool& atEdge) const {
    const int index = IndexOf(item);
    atEdge = index < 0 || index + 1 >= Count();
    return atEdge ? item : m_items[index + 1];
}

Item* DBItemCollection::FindNext(int code, const QString& text, bool continueSearch, bool& found) {
    const bool sameSequence = gContinuation.collection == this && gContinuation.generation == m_generation;
    if (!continueSearch || !sameSequence) {
        gContinuation.collection = this;
        gContinuation.generation = m_generation;
        gContinuation.position = 0;
    }
    found = false;
    if (m_items.empty() || text.isEmpty())
        return nullptr;

    int number = 0;
    if (code == FindGroup || code == FindNumberOfItems)
        number = toIntOrZero(text);
    auto textField = [code]() {
        switch (code) {
        case FindName:
            return Item::Name;
        case FindProduct:
            return Item::Product;
        case FindSupplier:
            return Item::Supplier;
        case FindDescription:
            return Item::Description;
        case FindWww:
            return Item::Www;
        case FindAddress:
            return Item::Address;
        case FindPhotolink:
            return Item::Photolink;
        case FindReceipt:
            return Item::Receipt;
        case FindDocument:
            return Item::Document;
        default:
            return Item::TextFieldCount;
        }
    }();

    auto matches = [&](const Item* item) {
        switch (code) {
        case FindGroup:
            return item->GetGroup() == number;
        case FindNumberOfItems:
            return item->GetNumberOfItems() == number;
        case FindPrice:
            return item->GetPriceText(0) == text;
        case FindPriceToday:
            return item->GetPriceTodayText(0) == text;
        case FindDate:
            return item->GetDate() == text;
        case FindLocation:
            return item->GetLocationText().contains(text, Qt::CaseInsensitive);
        case FindSerialno:
            return item->GetSerialno() == text;
        default:
            return textField != Item::TextFieldCount && containsCaseless(item->Latin1(textField), text);
        }
    };

    for (size_t i = gContinuation.position; i < m_items.size(); ++i) {
        if (matches(m_items[i])) {
            gContinuation.position = i + 1;
            found = true;
            return m_items[i];
        }
    }
    gContinuation.position = 0;
    return nullptr;
}

Item* DBItemCollection::Search(const SearchCriteria& c, bool continueSearch) {
    if (m_items.empty())
        return nullptr;
    // The criteria are alternatives tried in a fixed order: the first with a (further) hit decides.
    const std::pair<int, const QString*> order[] = {
        {FindName, &c.name},         {FindProduct, &c.product},       {FindNumberOfItems, &c.numberOfItems},
        {FindPrice, &c.price},       {FindPriceToday, &c.priceToday}, {FindDate, &c.date},
        {FindSupplier, &c.supplier}, {FindSerialno, &c.serialno},     {FindDescription, &c.description},
        {FindAddress, &c.address},   {FindPhotolink, &c.photolink},   {FindReceipt, &c.receipt},
        {FindWww, &c.www},
    };
    bool found = false;
    for (const auto& [code, text] : order) {
        if (code == FindDate && *text == QLatin1String("01.01.1900"))
            continue;
        if (Item* item = FindNext(code, *text, continueSearch, found))
            return item;
    }
    if (c.location != -1) {
        if (Item* item = FindNext(FindLocation, QString::number(c.location), continueSearch, found))
            return item;
    }
    return FindNext(FindDocument, c.document, continueSearch, found);
}

Item* DBItemCollection::FindByGroupAndSerial(int group, const QString& serialno) const {
    if (m_items.empty() || group < 0 || serialno.isEmpty())
        return nullptr;
    const QByteArray wanted = serialno.toLatin1();
    for (Item* item : m_items) {
        if (item->GetGroup() == group && item->Latin1(Item::Serialno) == wanted)
            return item;
    }
    return nullptr;
}

int DBItemCollection::CountGroupItems(int group, bool sumCounts) const {
    if (group > AllGroups || group < 0)
        return 0;
    int count = 0;
    for (const Item* item : m_items) {
        if (group == AllGroups || item->GetGroup() == group)
            count += sumCounts ? item->GetNumberOfItems() : 1;
    }
    return count;
}

double DBItemCollection::SumGroupValue(int group, bool usePriceToday, bool unitPrice) const {
    double sum = 0.0;
    for (const Item* item : m_items) {
        if (group != AllGroups && item->GetGroup() != group)
            continue;
        if (usePriceToday)
            sum += item->GetPriceToday();
        else if (unitPrice)
            sum += item->GetPrice();
        else
            sum += item->GetTotalPrice();
    }
    return sum;
}

int DBItemCollection::MaxGroup() const {
    int highest = 0;
    for (const Item* item : m_items)
        highest = std::max(highest, item->GetGroup());
    return highest;
}

int DBItemCollection::MaxLocation() const {
    int highest = 0;
    for (const Item* item : m_items)
        highest = std::max(highest, item->GetLocation());
    return highest;
}

int DBItemCollection::LastSerialNumber() const {
    if (m_items.empty() && m_startSerialNumber != 0)
        return m_startSerialNumber;
    int highest = 0;
    for (const Item* item : m_items)
        highest = std::max(highest, item->GetSerialNumber());
    return highest;
}

namespace {
template <typename Key, typename KeyOf> void sortByKey(std::vector<Item*>& items, KeyOf keyOf) {
    std::vector<std::pair<Key, Item*>> keyed;
    keyed.reserve(items.size());
    for (Item* item : items)
        keyed.emplace_back(keyOf(item), item);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = keyed[i].second;
}

// Texts compare by character code, case significant; ISO 8859-1 bytes compare the same way.
void sortByText(std::vector<Item*>& items, Item::TextField field) {
    std::stable_sort(items.begin(), items.end(), [field](const Item* a, const Item* b) {
        const QByteArrayView x = a->Latin1(field);
        const QByteArrayView y = b->Latin1(field);
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char p, char q) {
            return static_cast<unsigned char>(p) < static_cast<unsigned char>(q);
        });
    });
}
} // namespace

void DBItemCollection::SortItems(int code) {
    switch (code) {
    case SortGroup:
        if (!std::is_sorted(m_items.begin(), m_items.end(),
                            [](const Item* a, const Item* b) { return a->GetGroup() < b->GetGroup(); }))
            sortByKey<int>(m_items, [](const Item* i) { return i->GetGroup(); });
        break;
    case SortName:
        sortByText(m_items, Item::Name);
        break;
    case SortProduct:
        sortByText(m_items, Item::Product);
        break;
    case SortTotalPrice:
        sortByKey<double>(m_items, [](const Item* i) {
            const double total = i->GetTotalPrice();
            return std::isnan(total) ? -std::numeric_limits<double>::infinity() : total;
        });
        break;
    case SortDate:
        // Invalid dates sort as the smallest.
        sortByKey<qint32>(m_items, [](const Item* i) { return i->DateKey(); });
        break;
    case SortLocation:
        sortByKey<int>(m_items, [](const Item* i) { return i->GetLocation(); });
        break;
    default:
        return;
    }
    changed();
}
