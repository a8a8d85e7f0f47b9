#pragma once

#include "ReportLines.h"

#include <QDialog>

#include <memory>

class DBItemCollection;

namespace Ui {
class ReportDialogBase;
}

// "Report (summary)": the sums per item group as fixed-pitch text, made once when the dialog is built,
// and printed on request. The widgets keep the object names of the form.
class ReportDialog : public QDialog {
    Q_OBJECT
public:
    ReportDialog(DBItemCollection* collection, QWidget* parent = nullptr, const char* name = nullptr,
                 bool modal = false, Qt::WindowFlags flags = Qt::WindowFlags());
    ~ReportDialog() override;

    const ReportLines& Report() const { return mReport; }

public slots:
    void report_slot();

private:
    std::unique_ptr<Ui::ReportDialogBase> mUi;
    ReportLines mReport;
};
