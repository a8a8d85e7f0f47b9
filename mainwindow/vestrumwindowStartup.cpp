#include "app/AppNames.h"
#include "app/Settings.h"
#include "core/Dialogs.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/Startup.h"
#include "mainwindow/vestrumwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// The start-up register and what the window keeps from one run to the next.

namespace {
QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}
} // namespace

bool MainWindow::LoadItemFile() {
    // A register on a network drive that is not connected yet, or a USB stick left at the office: the
    // program stays open and the path stays remembered, so nothing is lost by starting without it.
    const QString path = mCurrentFileName;
    enum Choice { TryAgain, OpenAnother, NewRegister, OpenSample };
    for (;;) {
        QString failure;
        if (openDatabase(path, OpenMode::Startup, &failure))
            return true;
        MessageBoxRequest box;
        box.icon = MessageBoxRequest::Warning;
        box.parent = this;
        box.title = GetAppName();
        box.text = tr("Registeret, du brugte sidst, kan ikke åbnes:\n%1\n\nHvis registeret ligger på et "
                      "netværksdrev eller en USB-nøgle, så tilslut drevet og vælg »Prøv igen«. Programmet husker "
                      "stien, indtil du åbner et andet register.")
                       .arg(failure);
        box.buttons << tr("&Prøv igen") << tr("Åbn et &andet…") << tr("&Nyt register") << tr("Åbn &eksemplet");
        // Nothing is lost by a new register (the path stays remembered); a default of trying again would
        // ask forever where no one answers.
        box.defaultButton = NewRegister;
        box.escapeButton = NewRegister;
        switch (Dialogs::message(box)) {
        case TryAgain:
            break;
        case OpenAnother: {
            // The remembered folder may be the very drive that is missing.
            const QString folder = QDir(GetLastDBDir()).exists() ? GetLastDBDir() : documentsFolder();
            const QString chosen =
                Dialogs::openFileName(this, QString(), folder, QStringLiteral("DB (*.tvk *.txt *.db)"));
            // Cancelled, or a file that does not open either (its own box said why): the choice again.
            if (!chosen.isEmpty() && openDatabase(chosen, OpenMode::Command))
                return false;
            break;
        }
        case OpenSample:
            if (openDatabase(DefaultDatabasePath(), OpenMode::Command))
                return false;
            break;
        default:
            // An empty register without a name: Save asks where it goes, never over the missing file.
            mCurrentFileName.clear();
            setWindowTitle(GetCaption(QString()));
            return false;
        }
    }
}

void MainWindow::rememberWindow() {
    Startup::RememberGeometry(this);
    mListView->SaveColumnWidths();
    Settings settings;
    settings.setValue(QStringLiteral("Items/openGroups"), mListView->OpenGroupNames());
    settings.setValue(QStringLiteral("Items/openGroupsFile"), mCurrentFileName);
}

void MainWindow::reopenRememberedGroups() {
    Settings settings;
    if (!settings.contains(QStringLiteral("Items/openGroups")))
        return;
    // Group names belong to one register: another register opens as "show all" leaves it.
    const QString file = settings.value(QStringLiteral("Items/openGroupsFile")).toString();
    if (file.isEmpty() || QFileInfo(file) != QFileInfo(mCurrentFileName))
        return;
    mListView->SetOpenGroups(settings.value(QStringLiteral("Items/openGroups")).toStringList());
}

QString MainWindow::saveAsFolder() const {
    return mCurrentFileName.isEmpty() ? documentsFolder() : QFileInfo(mCurrentFileName).absolutePath();
}

bool MainWindow::confirmReplace(const QString& path) {
    MessageBoxRequest box;
    box.icon = MessageBoxRequest::Question;
    box.parent = this;
    box.title = GetAppName();
    box.text = tr("%1 findes allerede.\nVil du erstatte den?").arg(QDir::toNativeSeparators(path));
    box.buttons << tr("&Erstat") << tr("&Fortryd");
    box.defaultButton = 1;
    box.escapeButton = 1;
    return Dialogs::message(box) == 0;
}
