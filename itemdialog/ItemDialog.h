#pragma once

#include <QDialog>

class DBItemCollection;
class Item;
class ItemListView;

// One item shown, edited, created, copied, navigated, searched and printed.
class ItemDialog : public QDialog {
    Q_OBJECT
public:
    ItemDialog(DBItemCollection* collection, ItemListView* listView, Item* item, const QString& page, bool search,
               QWidget* parent = nullptr, const QString& groupName = QString(), bool modal = true,
               Qt::WindowFlags flags = Qt::WindowFlags());

private:
    DBItemCollection* mCollection;
    ItemListView* mListView;
    Item* mCurrentItem;
};
