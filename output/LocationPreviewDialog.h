#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;
class UpdateLocations;

// Shows every record of a checked scanner file with its effect or its problem before anything changes. The
// whole file is applied, or, while records have problems, only the good ones after a second question; or
// nothing. The summary can be saved as text or printed, also after the import (summaryOnly).
class LocationPreviewDialog : public QDialog {
    Q_OBJECT
public:
    enum Choice { Cancelled, ApplyAll, ApplyGood };

    LocationPreviewDialog(const UpdateLocations& import, bool summaryOnly, QWidget* parent = nullptr);

    Choice choice() const { return mChoice; }
    QTableView* Table() const { return mTable; }

private:
    void applyClicked();
    void saveSummary();
    void printSummary();

    const UpdateLocations& mImport;
    QTableView* mTable = nullptr;
    QLabel* mCounts = nullptr;
    QPushButton* mApply = nullptr;
    Choice mChoice = Cancelled;
};
