#include "output/ReportDialog.h"

#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "mainwindow/ExternalViewers.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QLayout>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QtMath>

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
    totalsLabel->setFont(font);
    totalsLabel->setText(mReport.TotalsText());
    // The totals line up under the columns of the lines above them.
    const int textLeft = reportMultiLineEdit->frameWidth() + int(reportMultiLineEdit->document()->documentMargin());
    totalsLabel->setContentsMargins(textLeft, 0, 0, 0);
    if (const QScreen* shownOn = screen())
        SizeToText(shownOn->availableGeometry());

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

void ReportDialog::SizeToText(const QRect& available) {
    const QFontMetrics metrics(reportMultiLineEdit->font());
    const QStringList lines = mReport.ViewText().split(QLatin1Char('\n'));
    int longest = metrics.horizontalAdvance(QString(57, QLatin1Char('-')));
    for (const QString& line : lines + mReport.TotalsText().split(QLatin1Char('\n')))
        longest = qMax(longest, metrics.horizontalAdvance(line));
    const int margins =
        2 * (reportMultiLineEdit->frameWidth() + int(reportMultiLineEdit->document()->documentMargin()));
    // Room for a scroll bar too, so a report cut by the screen's height does not also need to scroll sideways.
    const int scrollBar = reportMultiLineEdit->verticalScrollBar()->sizeHint().width();
    // A line of the view is as tall as its text layout says, which may be more than the font's line spacing.
    QTextDocument* document = reportMultiLineEdit->document();
    const int lineHeight = qMax(metrics.lineSpacing(),
                                qCeil(document->documentLayout()->blockBoundingRect(document->firstBlock()).height()));
    const QSize wholeText(longest + margins + scrollBar, lines.size() * lineHeight + margins + 2);

    // The layout works out the rest (totals, buttons, spacing) for a text view of that size; afterwards the
    // view may be made smaller again by the user.
    const QSize smallest = reportMultiLineEdit->minimumSize();
    reportMultiLineEdit->setMinimumSize(wholeText);
    layout()->activate();
    const QSize wanted = layout()->totalMinimumSize().expandedTo(sizeHint());
    reportMultiLineEdit->setMinimumSize(smallest);
    layout()->activate();
    // The window manager's frame and title bar take some of the available area.
    const QSize room = available.size() - QSize(16, 48);
    resize(wanted.boundedTo(room));
}
