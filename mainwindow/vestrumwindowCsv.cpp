#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/ExportPaths.h"
#include "core/CsvFile.h"
#include "core/CsvImport.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "mainwindow/CsvImportDialog.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/vestrumwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

// File → Export → CSV and File → Import → CSV.

namespace {

QString csvFilter() {
    return MainWindow::tr("CSV-filer (*.csv);;Tekstfiler (*.txt);;Alle filer (*)");
}

} // namespace

std::vector<const Item*> MainWindow::itemsToExport() const {
    return mListView->Model()->ShownItems();
}

void MainWindow::ExportCsv() {
    const std::vector<const Item*> items = itemsToExport();
    const QFileInfo database(mCurrentFileName);
    const QString folder = ExportPaths::Folder(mCurrentFileName);
    const QString name = mCurrentFileName.isEmpty() ? GetAppName(false) : database.completeBaseName();
    QString path = Dialogs::saveFileName(this, tr("Eksportér som CSV-fil"),
                                         QDir(folder).filePath(name + QStringLiteral(".csv")), csvFilter());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    QElapsedTimer timer;
    timer.start();
    QString error;
    bool written = false;
    {
        WaitCursor wait;
        written = CsvFile::Export(path, items, *mCollection, &error);
    }
    if (!written) {
        Dialogs::critical(this, tr("CSV-eksport"), tr("%1 kunne ikke skrives:\n%2").arg(path, error));
        return;
    }
    emit message(tr("%1 gemt, antal: %3, tid: %4 sec ")
                     .arg(path)
                     .arg(int(items.size()))
                     .arg(QString::number(timer.elapsed() / 1000.0, 'f', 2)),
                 10000);
}

void MainWindow::ImportCsv() {
    const QString title = tr("Indlæs CSV-fil");
    // A register another user holds cannot take the items: nothing is read.
    if (mCollection->IsReadOnly()) {
        Dialogs::warning(this, QCoreApplication::translate("DBItemCollection", "READ ONLY"),
                         QCoreApplication::translate("DBItemCollection", "READ ONLY MODE - No Save"));
        return;
    }
    const QString folder = ExportPaths::Folder(mCurrentFileName);
    const QString path = Dialogs::openFileName(this, title, folder, csvFilter());
    if (path.isEmpty())
        return;
    CsvImport import;
    QString error;
    bool read = false;
    {
        WaitCursor wait;
        read = import.ReadFile(path, &error);
    }
    if (!read) {
        Dialogs::critical(this, title, tr("%1 kunne ikke læses:\n%2").arg(path, error));
        return;
    }
    if (import.IsEmpty()) {
        Dialogs::information(this, title, tr("%1 er tom.").arg(path));
        return;
    }
    if (import.DataRowCount() == 0) {
        Dialogs::information(this, title, tr("%1 har ingen rækker at indlæse, kun en overskrift.").arg(path));
        return;
    }

    CsvImportDialog dialog(import, *mCollection, Edition(), path, this);
    if (Dialogs::exec(&dialog, [&dialog] { return dialog.exec(); }) != QDialog::Accepted)
        return;
    CsvImport::Outcome outcome;
    std::vector<std::unique_ptr<Item>> made;
    {
        WaitCursor wait;
        made = import.Items(dialog.Mapping(), *mCollection, Edition(), dialog.WithoutProblemRows(), &outcome);
    }
    if (made.empty())
        return;
    std::vector<Item*> items;
    items.reserve(made.size());
    for (std::unique_ptr<Item>& item : made)
        items.push_back(item.release());
    const int added = int(items.size());
    if (!AddItemsUndoable(std::move(items), tr("indlæsning af %1").arg(QFileInfo(path).fileName())))
        return;
    emit message(outcome.problemRows > 0 ? tr("%1 rækker fra %2 er indlæst, %3 med problemer er sprunget over")
                                               .arg(added)
                                               .arg(path)
                                               .arg(outcome.problemRows)
                                         : tr("%1 rækker fra %2 er indlæst").arg(added).arg(path),
                 10000);
}
