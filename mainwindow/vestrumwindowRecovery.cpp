#include "app/AppNames.h"
#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "core/LogXML.h"
#include "core/Recovery.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/vestrumwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

// Ending in order when the system asks (SIGTERM, SIGINT, SIGHUP), and offering what was saved then.

namespace {
const QString kSource = QStringLiteral("vestrumwindow");
}

void MainWindow::EndOnSignal(int signal) {
    if (mEndSignal)
        return;
    mEndSignal = signal;
    mQuitting = true;
    if (mLog)
        mLog->WriteItem(QStringLiteral("Signal %1").arg(signal), kSource, QStringLiteral("EndOnSignal()"));
    if (mCollection) {
        // Nobody may be there to answer the save question: the changes go to a file of their own, never
        // over the database, and the next start offers them.
        if (DBItemCollection::IsModified() && !mCollection->IsReadOnly() && !mServer) {
            const QString recovery = Recovery::FileFor(mCurrentFileName, GetLastDBDir());
            QString error;
            const bool written = Recovery::Write(*mCollection, recovery, &error);
            if (mLog)
                mLog->WriteItem(recovery + (written ? QStringLiteral(" written") : QStringLiteral(" failed: ") + error),
                                kSource, QStringLiteral("EndOnSignal()"));
        }
        mCollection->DeleteLockFile();
    }
    QCoreApplication::exit(128 + signal);
}

bool MainWindow::offerRecovery() {
    QString original = mCurrentFileName;
    QString recovery = Recovery::FileFor(original, GetLastDBDir());
    if (original.isEmpty() || !QFile::exists(recovery)) {
        original.clear();
        recovery = Recovery::FileFor(QString(), GetLastDBDir());
        if (!QFile::exists(recovery))
            return false;
    }
    MessageBoxRequest box;
    box.icon = MessageBoxRequest::Question;
    box.parent = this;
    box.title = GetAppName();
    box.text = tr("Programmet blev afsluttet med ændringer, der ikke var gemt. De blev skrevet i:\n%1\n\n"
                  "Åbn dem nu (gem dem derefter for at beholde dem), slet dem, eller spørg igen ved næste start?")
                   .arg(QDir::toNativeSeparators(recovery));
    box.buttons << tr("&Åbn") << tr("&Slet") << tr("&Senere");
    box.defaultButton = 0;
    box.escapeButton = 2;
    switch (Dialogs::message(box)) {
    case 0:
        break;
    case 1:
        QFile::remove(recovery);
        return false;
    default:
        return false;
    }

    // The recovered items are shown under the database's own name, marked changed: Save writes them
    // where they belong, and the recovery file stays until then.
    mCurrentFileName = original;
    // Another register chosen in place of a database that would not open: the recovery file waits.
    if (!original.isEmpty() && !LoadItemFile())
        return true;
    mListView->Clear();
    const bool read = Recovery::ReadItems(*mCollection, recovery);
    mListView->SetCollection(mCollection); // the group rows again
    if (!read) {
        Dialogs::critical(nullptr, tr("FileError"),
                          tr("ERROR_DB_FILE_CAN_NOT_BE_OPENED") + QStringLiteral("\n\n") +
                              QDir::toNativeSeparators(recovery),
                          tr("Ok"));
        mCollection->ClearItems(); // what was read of it goes; the database itself is read again
        if (!original.isEmpty())
            LoadItemFile();
        return true;
    }
    mRecoveryFile = recovery;
    mListView->Fill(mCollection);
    mListView->ViewAll(ViewAllAction && ViewAllAction->isChecked());
    DBItemCollection::SetModified(true);
    mCollection->MarkUnsaved(); // no undo makes the recovered register the saved one
    setWindowTitle(GetCaption(mCurrentFileName));
    if (mLog)
        mLog->WriteItem(recovery, kSource, QStringLiteral("offerRecovery()"));
    return true;
}

void MainWindow::forgetRecovery() {
    if (mRecoveryFile.isEmpty())
        return;
    QFile::remove(mRecoveryFile);
    mRecoveryFile.clear();
}
