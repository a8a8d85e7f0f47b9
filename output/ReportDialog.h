#pragma once

#include "printing/ReportLines.h"

#include "ui_ReportDialogBase.h"

#include <QDialog>

class QRect;

class DBItemCollection;

// "Report (summary)": the sums per item group as fixed-pitch text, made once when the dialog is built,
// and printed on request. The widgets keep the object names of the form.
class ReportDialog : public QDialog, public Ui::ReportDialogBase {
    Q_OBJECT
public:
    ReportDialog(DBItemCollection* collection, QWidget* parent = nullptr, const char* name = nullptr,
                 bool modal = false, Qt::WindowFlags flags = Qt::WindowFlags());

    const ReportLines& Report() const { return mReport; }
    // Sizes the dialog to show every line without scrolling, as far as the available area allows; the totals
    // below the lines stay in view however long the report is.
    void SizeToText(const QRect& available);

public slots:
    void report_slot();

private:
    ReportLines mReport;
};
