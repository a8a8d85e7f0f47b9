#pragma once

#include "printing/InsuranceReport.h"

#include <QDialog>

class DBItemCollection;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// File → Insurance report: asks for the owner's details, the scope, the order and whether pictures go
// in. It starts from the kept choices; what it gives back is kept by the caller once the report is asked for.
class InsuranceReportDialog : public QDialog {
    Q_OBJECT
public:
    // filterSet: the list shows a filter's hits, so they can be the scope.
    InsuranceReportDialog(const DBItemCollection& collection, bool filterSet, QWidget* parent = nullptr);

    InsuranceOptions Options() const;

private:
    void updateOk();

    QLineEdit* mOwnerName;
    QPlainTextEdit* mOwnerAddress;
    QLineEdit* mInsurer;
    QLineEdit* mPolicyNumber;
    QComboBox* mScope;
    QComboBox* mOrder;
    QCheckBox* mPhotos;
    QCheckBox* mReceipts;
    QPushButton* mOk;
    InsuranceOptions mKept;
};

// Writes the report into path with a progress dialog that shows the pages as they are made and can cancel
// it (no file is left then). A failure is shown in a box. True when the file was written.
bool WriteInsuranceReport(InsuranceReport& report, const QString& path, QWidget* parent);
