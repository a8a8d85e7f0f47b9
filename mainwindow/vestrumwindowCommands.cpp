#include "app/AppSettings.h"
#include "core/DBItemCollection.h"
#include "mainwindow/ExternalViewers.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/vestrumwindow.h"
#include "output/LabelPrinting.h"
#include "output/ListPrintCommand.h"
#include "output/ReportDialog.h"
#include "output/printSelectDataDialog.h"
#include "setup/AutomakeItems.h"
#include "setup/CommonSetup.h"
#include "setup/setupdialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>

// Commands handed to the exports, printing, the report and the setup dialogs.

bool MainWindow::writeHtmlExport(bool showSpecialCase, bool saveAsHtmlTable, const QString& htmlOutputFile) {
    if (mCurrentFileName.isEmpty()) {
        SaveAs(); // a database gets its name first; nothing is exported this time
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    const QString file = htmlOutputFile.isEmpty() ? mCurrentFileName + QStringLiteral(".htm") : htmlOutputFile;
    // A failed export has been reported by the writer: no "saved" message, nothing to open.
    const PrintSettings table = AppSettings::Print();
    if (!mCollection->WriteHtml(file, !saveAsHtmlTable, nullptr, showSpecialCase, saveAsHtmlTable ? &table : nullptr))
        return false;
    QString stem = file;
    if (stem.endsWith(QLatin1String(".htm")))
        stem.chop(4);
    emit message(tr("%1.%2 gemt, antal: %3, tid: %4 sec ")
                     .arg(stem, QStringLiteral("htm"))
                     .arg(mCollection->Count())
                     .arg(QString::number(timer.elapsed() / 1000.0, 'f', 2)),
                 10000);
    return true;
}

bool MainWindow::writeXmlExport(const QString& xmlOutputFile) {
    if (mCurrentFileName.isEmpty()) {
        SaveAs();
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    const QString file = xmlOutputFile.isEmpty() ? mCurrentFileName + QStringLiteral(".xml") : xmlOutputFile;
    if (!mCollection->WriteXml(file))
        return false;
    emit message(tr("%1 gemt, antal: %3, tid: %4 sec ")
                     .arg(file)
                     .arg(mCollection->Count())
                     .arg(QString::number(timer.elapsed() / 1000.0, 'f', 2)),
                 10000);
    return true;
}

void MainWindow::SaveAsHTML(bool showSpecialCase, bool saveAsHtmlTable, const QString& htmlOutputFile) {
    writeHtmlExport(showSpecialCase, saveAsHtmlTable, htmlOutputFile);
}

void MainWindow::SaveAsXML(const QString& xmlOutputFile) {
    writeXmlExport(xmlOutputFile);
}

void MainWindow::ShowAllAsHTML() {
    const QString file = GetHtmlOutputFile(QStringLiteral("DbItemAll"));
    if (writeHtmlExport(false, false, file))
        ExternalViewers::OpenFile(file, QString(), true);
}

void MainWindow::ShowAllAsHTMLTable() {
    const QString file = GetHtmlOutputFile(QStringLiteral("DbIemTable"));
    if (writeHtmlExport(false, true, file))
        ExternalViewers::OpenFile(file, QString(), true);
}

void MainWindow::ShowAllSpecialCasesAsHTML() {
    const QString file = GetHtmlOutputFile(QStringLiteral("DbMissingItems"));
    if (writeHtmlExport(true, false, file))
        ExternalViewers::OpenFile(file, QString(), true);
}

void MainWindow::ShowAllAsXML() {
    const QString file = GetXmlOutputFile(QStringLiteral("allDBItemsAsXml"));
    if (writeXmlExport(file))
        ExternalViewers::OpenFile(file, QString(), true);
}

void MainWindow::ViewCurrentAsHTML() {
    mListView->ViewCurrentAsHTML();
}

void MainWindow::SetupWhatToPrint() {
    auto* dialog = new printSelectDataDialog(mCollection, this, "Print setup", true);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void MainWindow::MakeReport() {
    auto* dialog = new ReportDialog(mCollection);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void MainWindow::Print() {
    RunListPrint(*mCollection, AppSettings::Print(), this);
}

void MainWindow::SetupCommon() {
    auto* dialog = new CommonSetup(this, QCoreApplication::translate("CommonSetup", "CommonSetupDialogTitle"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void MainWindow::AutoMakeItems() {
    auto* dialog = new AutomakeItems(mCollection, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

setupdialog* MainWindow::openListSetup(int listKind, const QString& name) {
    auto* dialog = new setupdialog(mCollection, listKind, this, name, true);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The list kinds of the editor are the numbers the labels carry: 1 groups, 2 locations.
    connect(dialog, &setupdialog::printLabelsRequested, dialog,
            [this, dialog](int kind, int index) { PrintListLabels(mCollection, kind, index, dialog); });
    connect(dialog, &QDialog::accepted, this, &MainWindow::serverListsEdited);
    dialog->show();
    return dialog;
}

void MainWindow::SetupGroups() {
    openListSetup(LookupListEditor::Groups, QStringLiteral("Setup Groups"));
}

void MainWindow::SetupLocation() {
    openListSetup(LookupListEditor::Locations, QStringLiteral("Setup Location"));
}

void MainWindow::SetupSupplier() {
    openListSetup(LookupListEditor::Suppliers, QStringLiteral("Setup Suppliers"));
}
