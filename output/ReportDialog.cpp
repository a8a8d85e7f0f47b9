#include "ReportDialog.h"

#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "ui_ReportDialogBase.h"

#include <QFontMetrics>
#include <QPrinter>

ReportDialog::ReportDialog(DBItemCollection* collection, QWidget* parent, const char* name, bool modal,
                           Qt::WindowFlags flags)
    : QDialog(parent, flags), mUi(std::make_unique<Ui::ReportDialogBase>()), mReport(*collection) {
    mUi->setupUi(this);
    if (name)
        setObjectName(QLatin1String(name));
    setModal(modal);

    setWindowTitle(tr("Rapport (Samlet oversigt)"));
    mUi->reportMultiLineEdit->setToolTip(tr("Sum af alt inventar efter gruppe"));
    mUi->buttonOk->setText(tr("&OK"));
    mUi->reportPushButton->setText(tr("&Udskriv"));
    mUi->reportPushButton->setToolTip(tr("Udskriv rapporten over inventargrupperne"));

    // The columns line up only in a fixed-pitch face.
    QFont font(QStringLiteral("Courier New"), 10, QFont::Normal, false);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    mUi->reportMultiLineEdit->setFont(font);
    mUi->reportMultiLineEdit->setPlainText(mReport.ViewText());
    const QFontMetrics metrics(font);
    mUi->reportMultiLineEdit->setMinimumSize(metrics.horizontalAdvance(QString(62, QLatin1Char('-'))),
                                             metrics.lineSpacing() * 16);

    connect(mUi->buttonOk, &QPushButton::clicked, this, &ReportDialog::accept);
    connect(mUi->reportPushButton, &QPushButton::clicked, this, &ReportDialog::report_slot);
}

ReportDialog::~ReportDialog() = default;

void ReportDialog::report_slot() {
    QPrinter printer(QPrinter::ScreenResolution);
    if (!Dialogs::print(&printer, this))
        return;
    PrintReport(mReport, &printer);
}
