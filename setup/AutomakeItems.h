#pragma once

#include "ui_AutomakeItemsClass.h"

#include <QDialog>

class DBItemCollection;

// Makes a chosen number (1 to 999) of new numbered items at once, for instance to print barcode labels
// for stock that has not been described yet, each batch one undoable step. The dialog stays open for another
// batch.
class AutomakeItems : public QDialog, public Ui::AutomakeItemsClass {
    Q_OBJECT
public:
    explicit AutomakeItems(DBItemCollection* collection, QWidget* parent = nullptr);

    int NumberToMake() const { return mNumberToMake; }

    // Makes the batch typed in (the button's action); nothing in a read-only database.
    void MakeItems();

private:
    void countChanged(const QString& text);

    DBItemCollection* mCollection;
    int mNumberToMake = 0;
};
