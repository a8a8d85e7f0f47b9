#pragma once

#include <QPersistentModelIndex>
#include <QTreeView>

#include <vector>

class DBItemCollection;
class Item;
class ItemListModel;
class QAction;
class QMenu;
class QTimer;

// The main window's central widget: the items grouped under their group rows, with the edition's
// columns. A row is a QModelIndex; a group row is a top-level index.
class ItemListView : public QTreeView {
    Q_OBJECT
public:
    explicit ItemListView(QWidget* mainWindow);
    ~ItemListView() override;

    ItemListModel* Model() const { return mModel; }
    DBItemCollection* Collection() const { return mCollection; }

    void SetCollection(DBItemCollection* collection);
    void Fill(DBItemCollection* collection);
    // Builds the rows again after the group or location names changed, keeping the open groups, the sort
    // order and the current item.
    void Rebuild();
    void AddItem(Item* item, bool select);
    void UpdateRow(const QModelIndex& row, Item* item);
    void Clear();
    // Narrows the rows to the items matching every word; while set, every group with a hit is open, and
    // the groups open before come back when the text is empty again.
    void SetFilter(const QString& text);
    bool IsFiltered() const;
    // The count, pieces and sums of what the rows show, in the interface language.
    QString TotalsText() const;
    void ViewAll(bool showall);
    QModelIndex FindListViewItem(Item* item);
    bool HasPictureLink(const QModelIndex& row) const;
    bool HasReceipt(const QModelIndex& row) const;
    bool HasUrl(const QModelIndex& row) const;
    bool HasDocument(const QModelIndex& row) const;
    int GetNumberOfGroups() const;
    void UpdateGroupItemName(int item, const QString& name);
    QModelIndex isItemSelected() const;
    bool IsGroupRow(const QModelIndex& row) const;
    Item* ItemOf(const QModelIndex& row) const;
    void AddToContextMenu(QAction* action);
    void SaveColumnWidths();

public slots:
    void ItemSelected(const QModelIndex& row);
    void doubleClickOnItemSlot(const QModelIndex& item);
    void returnPressedSlot(const QModelIndex& item);
    void EditItem();
    void MousePressed(const QModelIndex& row, const QPoint& position, int column);
    void ShowContextMenu(const QModelIndex& item);
    void DeleteItem();
    void SeachItem();
    void ViewCurrentAsHTML();
    void ShowPicture1();
    void ShowImage2();
    void ShowDocument();
    void ShowUrl();

signals:
    // A row was clicked or became current; the main window enables its item commands from it.
    void rowSelected(const QModelIndex& row);
    // "/" was typed in the list: the filter field should take the keyboard.
    void filterRequested();
    // The totals of the shown rows changed (TotalsText()).
    void totalsChanged(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void openItemDialog(Item* item, const QString& page, bool search, const QString& groupName);
    Item* currentItem() const;
    void expandAllRows(bool expand);

    QWidget* mMainWindow;
    DBItemCollection* mCollection = nullptr;
    ItemListModel* mModel;
    QMenu* mContextMenu;
    std::vector<int> mOpenBeforeFilter; // group numbers
    QTimer* mTotalsTimer;
};
