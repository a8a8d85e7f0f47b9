#include "ItemDialog.h"

ItemDialog::ItemDialog(DBItemCollection* collection, ItemListView* listView, Item* item, const QString&, bool,
                       QWidget* parent, const QString&, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags), mCollection(collection), mListView(listView), mCurrentItem(item) {
    setModal(modal);
}
