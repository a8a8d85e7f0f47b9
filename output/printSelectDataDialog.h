#pragma once

#include "printing/PrintSettings.h"

#include "ui_printSelectDataDialogBase.h"

#include <QDialog>

#include <vector>

class DBItemCollection;
class QAbstractButton;
class QIntValidator;
class QLabel;
class QLineEdit;
class QListWidget;

// "Choose data to print": which columns a printed list and the HTML table show, how wide, the separator,
// the order and the group and location filters. Shown from the Setup menu; OK stores the print settings.
// The widgets of the form keep the object names of the form, so tests find them by name.
class printSelectDataDialog : public QDialog, public Ui::printSelectDataDialogBase {
    Q_OBJECT
public:
    printSelectDataDialog(DBItemCollection* collection, QWidget* parent = nullptr, const char* name = nullptr,
                          bool modal = false);

public slots:
    void help_slot();
    void add_slot();
    void remove_slot();
    void accept() override;

public:
    // The copy of the print settings shared by every instance for the whole process: the defaults until the
    // first dialog reloads it from the store; OK updates it.
    static const PrintSettings& Shared();

private:
    struct LengthField {
        QLineEdit* edit;
        QLabel* label;
        const PrintedColumn* column;
        QIntValidator* validator; // nullptr: the date, which has no setting
    };
    struct SortButton {
        QAbstractButton* button;
        int code;
        int column;
    };

    void translateTexts();
    void fillFieldLists(const PrintSettings& settings);
    static void moveCurrent(QListWidget* from, QListWidget* to);

    DBItemCollection* mCollection;
    std::vector<LengthField> mLengths;
    std::vector<SortButton> mSortButtons;
};
