#pragma once

#include "core/TextFilter.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QLocale>

#include <memory>
#include <vector>

class DBItemCollection;
class QCollator;
class Item;

// The grouped item list: one top-level row per entry of the collection's group list (and one per group
// number the list lacks, after them), the items of that group as its children, 17 columns. Nothing is
// stored per row but the item's pointer in its group's row list; every cell is rendered from the Item
// when the view asks for it. A group row's index carries its entry's address with the lowest bit set, an
// item row's index the Item's address (pointers, never small numbers: Qt hashes internal ids).
//
// A filter narrows every group to the items that match it: each group keeps all its items and, while a
// filter is set, the matching ones; groups without a match are not shown then.
class ItemListModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit ItemListModel(QObject* parent = nullptr);
    ~ItemListModel() override;

    // Builds one group row per entry of the collection's group list (no items yet).
    void SetCollection(DBItemCollection* collection);
    DBItemCollection* Collection() const { return m_collection; }
    void Clear();

    struct FillResult {
        int unlisted = 0;       // items whose group number has no entry in the group list
        int firstUnlisted = -1; // the group number of the first of them
    };
    // Adds a row for every item of the collection, in collection order; items of a group number the
    // list lacks go under a group row of that number. The group rows follow the group list's entries.
    FillResult Fill();

    QModelIndex IndexOf(const Item* item) const;
    // The row of a group number; invalid when that group shows no row.
    QModelIndex GroupIndex(int group) const;
    // A group row's group number; -1 for anything else.
    int GroupNumberOf(const QModelIndex& index) const;
    // True for the row of a group number the group list lacks.
    bool IsMissingGroup(const QModelIndex& index) const;
    bool IsGroupRow(const QModelIndex& index) const;
    Item* ItemAt(const QModelIndex& index) const;
    // The number of entries in the group list.
    int GroupCount() const { return m_listed; }
    QString GroupName(int group) const;
    // Column captions changed (the database's field names).
    void RefreshHeaders();

    // Narrows the list to the items matching every word of the text; an empty text shows all.
    void SetFilter(const QString& text);
    bool IsFiltered() const { return !m_filter.IsEmpty(); }

    struct Totals {
        qint64 items = 0;
        qint64 pieces = 0;
        double price = 0.0; // price x count
        double today = 0.0; // value today
    };
    // What the rows show: the whole register, or the filter's hits.
    Totals ShownTotals() const;
    // The items the rows show, in register order: all of them, or the filter's hits.
    std::vector<const Item*> ShownItems() const;
    static QString TotalsText(const Totals& totals, const QLocale& locale);

    void SetIcons(const QIcon& picture, const QIcon& receipt, const QIcon& document);
    // The text a cell shows.
    QString CellText(const Item* item, int column) const;

    // QAbstractItemModel
    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The group column sorts the group rows by name (missing groups stay last); any other column sorts
    // the rows of every group, in place (dates as dates, numbers as numbers).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    // The collection's announcements are the only way the rows change after a fill.
    void itemsReset();
    void listChanged(int list);
    // Adds an item under its group.
    void addItem(Item* item);
    // The item's texts or group changed: its row is rewritten, moved to its new group, or hidden or
    // shown by the filter.
    void updateItem(Item* item);
    // Lets go of an item, shown or hidden by the filter.
    void removeItem(Item* item);
    bool sameGroupNames() const;

    struct GroupRow {
        QString name;
        int number = 0;
        bool missing = false;       // a group number the group list lacks
        int row = -1;               // its top-level row; -1 while not shown
        TextFilter::Mask words = 0; // the filter's words its name holds
        std::vector<Item*> all;
        std::vector<Item*> hits; // the filter's hits among all, in the same order
    };
    const std::vector<Item*>& shown(const GroupRow& group) const { return IsFiltered() ? group.hits : group.all; }
    void makeListedGroups();
    GroupRow* groupOf(const QModelIndex& index) const;
    GroupRow* slotOf(const Item* item) const;
    // Where a group stands in m_groups: a listed group at its number, a missing one after the listed.
    int slotIndex(const GroupRow* group) const;
    GroupRow* groupOfNumber(int number, bool create);
    QString baseName(const GroupRow& group) const;
    bool wantsRow(const GroupRow& group) const;
    QModelIndex indexOfGroup(const GroupRow& group, int column = 0) const;
    void rebuildRows();
    void syncRow(GroupRow& group);
    void renumberRows();
    bool matches(const Item& item, const GroupRow& group) const;
    void prepareFilterMasks();
    void filterGroups(bool narrowing);
    void sortGroupOrder();
    void sortItems(std::vector<Item*>& items, int column, Qt::SortOrder order, QCollator& collator) const;
    int rowInGroup(const Item* item) const;

    DBItemCollection* m_collection = nullptr;
    // Stable entries: the listed groups at their numbers, then the missing numbers as they turn up.
    std::vector<std::unique_ptr<GroupRow>> m_groups;
    int m_listed = 0;
    std::vector<GroupRow*> m_order; // every entry in the order the rows show them
    std::vector<GroupRow*> m_rows;  // the shown top-level rows
    int m_groupSort = 0;            // 0 unsorted (by number), 1 ascending, -1 descending by name
    TextFilter m_filter;
    QLocale m_locale; // of the group rows' counts
    std::vector<TextFilter::Mask> m_locationWords;
    QIcon m_pictureIcon;
    QIcon m_receiptIcon;
    QIcon m_documentIcon;
};
