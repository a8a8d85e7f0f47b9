#include "ReportDialog.h"

#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "mainwindow/ExternalViewers.h"

#include <QFontMetrics>
#include <QPrinter>

ReportDialog::ReportDialog(DBItemCollection* collection, QWidget* parent, const char* name, bool modal,
                           Qt::WindowFlags flags)
    : QDialog(parent, flags), mReport(*collection) {
    setupUi(this);
    if (name)
        setObjectName(QLatin1String(name));
    setModal(modal);

    setWindowTitle(tr("Rapport (Samlet oversigt)"));
    reportMultiLineEdit->setToolTip(tr("Sum af alt inventar efter gruppe"));
    buttonOk->setText(tr("&OK"));
    reportPushButton->setText(tr("&Udskriv"));
    reportPushButton->setToolTip(tr("Udskriv rapporten over inventargrupperne"));

    // The columns line up only in a fixed-pitch face.
    QFont font(QStringLiteral("Courier New"), 10, QFont::Normal, false);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    reportMultiLineEdit->setFont(font);
    reportMultiLineEdit->setPlainText(mReport.ViewText());
    const QFontMetrics metrics(font);
    reportMultiLineEdit->setMinimumSize(metrics.horizontalAdvance(QString(62, QLatin1Char('-'))),
                                        metrics.lineSpacing() * 16);

    ExternalViewers::SetHelpPage(this, ExternalViewers::ReportPage());
    connect(buttonOk, &QPushButton::clicked, this, &ReportDialog::accept);
    connect(reportPushButton, &QPushButton::clicked, this, &ReportDialog::report_slot);
}

void ReportDialog::report_slot() {
    QPrinter printer(QPrinter::ScreenResolution);
    if (!Dialogs::print(&printer, this))
        return;
    PrintReport(mReport, &printer);
}
