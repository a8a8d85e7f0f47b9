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

    // Connected explicitly; not slots, so that setupUi() does not connect them by name a second time.
    void on_lineEdit_textChanged(const QString& text);
    void on_pushButtonMakeItems_clicked();
    void on_pushButtonClose_clicked();

private:
    DBItemCollection* mCollection;
    int mNumberToMake = 0;
};
