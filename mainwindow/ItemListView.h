#pragma once

#include <QList>
#include <QPersistentModelIndex>
#include <QStringList>
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
    QModelIndex isItemSelected() const;
    bool IsGroupRow(const QModelIndex& row) const;
    Item* ItemOf(const QModelIndex& row) const;
    void AddToContextMenu(QAction* action);
    // Stores the column widths and the header's layout (order of the columns) for the next start.
    void SaveColumnWidths();
    // The width a column has when none is stored: at least the usual one, and enough for its present
    // caption with the sort indicator.
    int DefaultColumnWidth(int column) const;
    // Shows or hides a column and remembers the choice; the group column always stays.
    void SetColumnShown(int column, bool shown);
    // The header's menu: one check entry per column that can be hidden.
    QMenu* ColumnsMenu();
    // The names of the open group rows; SetOpenGroups opens exactly the named ones.
    QStringList OpenGroupNames() const;
    void SetOpenGroups(const QStringList& names);

public slots:
    void ItemSelected(const QModelIndex& row);
    // Makes an item's row the current, selected one and scrolls to it.
    void SelectItem(Item* item);
    void doubleClickOnItemSlot(const QModelIndex& item);
    void returnPressedSlot(const QModelIndex& item);
    void EditItem();
    void MousePressed(const QModelIndex& row, const QPoint& position, int column);
    void ShowContextMenu(const QModelIndex& item);
    // Deletes the current item as an undoable step; answers the deleted item (kept by its undo), or null.
    Item* DeleteItem();
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
    // What a rebuild of the rows keeps: the current item (or group row) and the open groups.
    struct KeptRows {
        Item* current = nullptr;
        int currentGroup = -1;
        std::vector<int> open;
    };
    KeptRows keepRows() const;
    void restoreRows(const KeptRows& kept);
    // The collection's announcements the view follows with its selection and open groups: a refill of the
    // rows (the items replaced, or a group or location list changed) keeps the open groups, the sort order
    // and the current item.
    void itemMoved(Item* item, int oldGroup);
    void itemsAboutToBeReset();
    void itemsReset();
    void listAboutToChange(int list);
    void listChanged(int list);

    void openItemDialog(Item* item, const QString& page, bool search, const QString& groupName);
    Item* currentItem() const;
    // After the captions changed (another register's field names): columns still at their default width get
    // the default for the new caption.
    void fitDefaultWidths();
    void showColumnsMenu(const QPoint& position);
    void expandAllRows(bool expand);

    QWidget* mMainWindow;
    DBItemCollection* mCollection = nullptr;
    ItemListModel* mModel;
    QMenu* mContextMenu;
    // Each column's default width as last given, or -1 where the width was stored by the user.
    QList<int> mDefaultWidths;
    KeptRows mKeptRows;
    std::vector<int> mOpenBeforeFilter; // group numbers
    QTimer* mTotalsTimer;
};
