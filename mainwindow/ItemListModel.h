#pragma once

#include <QAbstractItemModel>
#include <QIcon>

#include <vector>

class DBItemCollection;
class Item;

// The grouped item list: one top-level row per entry of the collection's group list, the items of that
// group as its children, 17 columns. Nothing is stored per row but the item's pointer in its group's row
// list; every cell is rendered from the Item when the view asks for it. A group row's index points at the
// model's entry for that group, an item row's index at the Item (pointers, never small numbers: Qt hashes
// internal ids, and group numbers would collide).
class ItemListModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit ItemListModel(QObject* parent = nullptr);

    // Builds one group row per entry of the collection's group list (no items yet).
    void SetCollection(DBItemCollection* collection);
    DBItemCollection* Collection() const { return m_collection; }
    void Clear();

    struct FillResult {
        int unlisted = 0;       // items whose group has no row
        int firstUnlisted = -1; // the group number of the first of them
    };
    // Adds a row for every item of the collection, in collection order.
    FillResult Fill();
    // Adds the row of one item under its group; an invalid index when the group has no row.
    QModelIndex AddItem(Item* item);
    // Rewrites an item's row; when its group changed, the row moves to the new group. Returns its index.
    QModelIndex UpdateRow(const QModelIndex& index, Item* item);
    void RemoveRow(const QModelIndex& index);

    QModelIndex IndexOf(const Item* item) const;
    QModelIndex GroupIndex(int group) const;
    bool IsGroupRow(const QModelIndex& index) const;
    Item* ItemAt(const QModelIndex& index) const;
    int GroupCount() const { return static_cast<int>(m_groups.size()); }
    QString GroupName(int group) const;
    void SetGroupName(int group, const QString& name);
    // Column captions changed (the database's field names).
    void RefreshHeaders();

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
    // Sorts the rows of every group by the column, in place (dates as dates, numbers as numbers).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    // The collection's announcements, each followed by the rows it changes.
    void itemAdded(Item* item);
    void itemChanged(Item* item);
    void itemAboutToBeRemoved(Item* item);
    void itemsReset();

    struct GroupRow {
        QString name;
        std::vector<Item*> items;
    };
    const GroupRow* groupOf(const QModelIndex& index) const;
    int rowInGroup(const Item* item) const;

    DBItemCollection* m_collection = nullptr;
    std::vector<GroupRow> m_groups;
    QIcon m_pictureIcon;
    QIcon m_receiptIcon;
    QIcon m_documentIcon;
};
