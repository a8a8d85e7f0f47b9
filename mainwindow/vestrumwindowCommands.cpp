#include "ItemListView.h"
#include "vestrumwindow.h"

#include <QAction>

// Commands handed to the exports, printing and the setup dialogs.

void MainWindow::SaveAsHTML(bool, bool, const QString&) {}

void MainWindow::SaveAsXML(const QString&) {}

void MainWindow::ShowAllAsHTML() {}

void MainWindow::ShowAllAsHTMLTable() {}

void MainWindow::ShowAllSpecialCasesAsHTML() {}

void MainWindow::ShowAllAsXML() {}

void MainWindow::ViewCurrentAsHTML() {
    mListView->ViewCurrentAsHTML();
}

void MainWindow::SetupWhatToPrint() {}

void MainWindow::SetupGroups() {}

void MainWindow::SetupLocation() {}

void MainWindow::SetupSupplier() {}

void MainWindow::SetupCommon() {}

void MainWindow::AutoMakeItems() {}

void MainWindow::MakeReport() {}

void MainWindow::Print() {}

void MainWindow::PrintBarcode() {}

void MainWindow::UpdateLocations() {}
