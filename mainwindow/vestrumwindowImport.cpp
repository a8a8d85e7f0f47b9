#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "core/UpdateLocationsData.h"
#include "mainwindow/vestrumwindow.h"
#include "output/LocationPreviewDialog.h"

#include <QAction>
#include <QCoreApplication>

// The scanner import of stock movements and its undo.

namespace {
const QString kTitle = QStringLiteral("Brevane");
}

void MainWindow::updateImportActions() {
    if (ImportSummaryAction)
        ImportSummaryAction->setEnabled(mLastImport != nullptr);
}

void MainWindow::dropImport() {
    mLastImport.reset();
    updateImportActions();
}

void MainWindow::UpdateLocations() {
    // A database another user holds cannot take the changes: nothing is read, the file stays.
    if (mCollection->IsReadOnly()) {
        Dialogs::warning(this, QCoreApplication::translate("DBItemCollection", "READ ONLY"),
                         QCoreApplication::translate("DBItemCollection", "READ ONLY MODE - No Save"));
        return;
    }
    const QString path = ::UpdateLocations::AskLocationFile(this, mCollection->Folder());
    if (path.isEmpty())
        return;
    auto import = std::make_unique<::UpdateLocations>();
    {
        WaitCursor wait;
        if (!import->ParseLocationFile(path))
            return;
        import->Check(*mCollection);
    }
    if (import->RecordCount() == 0) {
        Dialogs::information(this, kTitle, tr("Scannerfilen %1 indeholder ingen linjer.").arg(path));
        return;
    }
    if (!mCurrentFileName.isEmpty()) {
        const QString earlier = LocationImportHistory::EarlierImport(mCurrentFileName, import->ContentHash());
        if (!earlier.isEmpty()) {
            MessageBoxRequest box;
            box.icon = MessageBoxRequest::Question;
            box.parent = this;
            box.title = kTitle;
            box.text = tr("Den samme scannerfil blev indlæst %1.\nVil du indlæse den igen?").arg(earlier);
            box.buttons << tr("&Indlæs igen") << tr("&Fortryd");
            box.defaultButton = 1;
            box.escapeButton = 1;
            if (Dialogs::message(box) != 0)
                return;
        }
    }

    LocationPreviewDialog preview(*import, false, this);
    preview.exec();
    if (preview.choice() == LocationPreviewDialog::Cancelled)
        return;
    if (import->WriteBackup().isEmpty())
        return;

    std::unique_ptr<LocationImportUndo> undo;
    {
        WaitCursor wait;
        undo = import->ApplyRecords(*mCollection); // the list follows the collection
    }
    if (!undo) {
        Dialogs::warning(this, kTitle, tr("Registret er ændret siden kontrollen; indlæs filen igen."));
        return;
    }
    const int applied = undo->Applied();
    // One step of the undo history, saved right after: undoing it leaves the register changed.
    mCollection->Push(new LocationImportCommand(mCollection, std::move(undo)));
    mLastImport = std::move(import);
    updateImportActions();

    // The scanner file goes only when the changes are safely on disk; the backup stays in any case.
    if (!Save(true)) {
        Dialogs::warning(this, kTitle, tr("Databasen blev ikke gemt, så scannerfilen %1 bliver liggende.").arg(path));
        return;
    }
    QString error;
    if (!LocationImportHistory::Record(mCurrentFileName, mLastImport->ContentHash(), QDateTime::currentDateTime(), path,
                                       applied, &error))
        Dialogs::warning(this, kTitle,
                         tr("Indlæsningen kunne ikke noteres i %1:\n%2")
                             .arg(LocationImportHistory::HistoryPath(mCurrentFileName), error));
    mLastImport->DeleteLocationFile();
    emit message(tr("%1 af %2 linjer fra %3 er anvendt").arg(applied).arg(mLastImport->RecordCount()).arg(path), 10000);
}

void MainWindow::ShowImportSummary() {
    if (!mLastImport)
        return;
    LocationPreviewDialog summary(*mLastImport, true, this);
    summary.exec();
}
