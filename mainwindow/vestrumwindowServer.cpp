#include "app/AppNames.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "core/EditConflict.h"
#include "core/ItemCommands.h"
#include "core/LogXML.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/ListFilterField.h"
#include "mainwindow/ServerDialogs.h"
#include "mainwindow/vestrumwindow.h"
#include "server/ServerRegister.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QStatusBar>
#include <QUndoStack>

// A register on a database server: opening and copying one, the connection state, the save gate of the item
// dialog with its conflict box, and the notices of other workstations' changes. The collection in memory stays
// the working copy; the ServerRegister writes every change through as it happens, so there is nothing to save
// and no lock file.

namespace {
const QString kSource = QStringLiteral("vestrumwindow");

// A server register that could not be opened: told in *failure (for the caller's one box) or in a box here.
bool openFailed(QWidget* parent, const ServerAddress& address, const QString& error, QString* failure) {
    const QString text = address.DisplayName() + QStringLiteral("\n\n") + error;
    if (failure)
        *failure = text;
    else
        Dialogs::critical(parent, MainWindow::tr("Åbn register på server"),
                          MainWindow::tr("Registret på serveren kan ikke åbnes:") + QStringLiteral("\n\n") + text);
    return false;
}
} // namespace

bool MainWindow::IsServerEntry(const QString& entry) {
    return ServerAddress::IsUrl(entry);
}

QString MainWindow::RecentEntryName(const QString& entry) {
    if (!IsServerEntry(entry))
        return QFileInfo(entry).fileName();
    return ServerAddress::FromConnInfo(entry).DisplayName();
}

void MainWindow::buildServerActions() {
    FileOpenServerAction = makeAction("FileOpenServer", tr("Åbn register på server..."), QKeySequence(), QIcon(),
                                      &MainWindow::OpenServerRegister);
    FileOpenServerAction->setWhatsThis(
        tr("Åbner et register på en databaseserver, som flere arbejdspladser bruger på samme tid. Ændringer gemmes "
           "på serveren, mens du arbejder."));
    FileCopyToServerAction = makeAction("FileCopyToServer", tr("Kopiér registret til en server..."), QKeySequence(),
                                        QIcon(), &MainWindow::CopyToServer);
    FileCopyToServerAction->setWhatsThis(
        tr("Opretter registret i en tom database på en server med alle poster og lister; derefter arbejder vinduet "
           "på serveren. Filen bliver, som den er."));
}

QString MainWindow::serverStandIn(const ServerAddress& address) {
    const QString host = address.host.isEmpty() || address.host.startsWith(QLatin1Char('/'))
                             ? QStringLiteral("localhost")
                             : address.host;
    static const QRegularExpression unsafe(QStringLiteral("[^\\w.@-]"), QRegularExpression::UseUnicodePropertiesOption);
    QString name = address.database + QLatin1Char('@') + host;
    name.replace(unsafe, QStringLiteral("_"));
    return QDir(GetLastDBDir()).absoluteFilePath(name);
}

ServerAddress MainWindow::suggestedServer() const {
    if (mServer)
        return mServer->Address();
    for (const QString& entry : mRecentFiles) {
        if (IsServerEntry(entry))
            return ServerAddress::FromConnInfo(entry);
    }
    return ServerAddress();
}

void MainWindow::OpenServerRegister() {
    ServerAddress address;
    if (!ServerConnectionDialog::Ask(this, tr("Åbn register på server"), suggestedServer(), &address))
        return;
    openServerDatabase(address, OpenMode::Command, nullptr);
}

bool MainWindow::openServerEntry(const QString& entry, OpenMode mode, QString* failure) {
    QString error;
    const ServerAddress address = ServerAddress::FromConnInfo(entry, &error);
    if (!address.IsValid()) {
        const QString text = entry + QStringLiteral("\n\n") + error;
        if (failure)
            *failure = text;
        else
            Dialogs::critical(this, tr("FileError"), text);
        return false;
    }
    return openServerDatabase(address, mode, failure);
}

bool MainWindow::connectServer(ServerRegister& server, ServerAddress* address, const QString& title, QString* error) {
    for (bool asked = false;;) {
        bool connected = false;
        {
            WaitCursor wait;
            connected = server.Open(*address, error);
        }
        address->password.clear(); // used for this connection only
        if (connected)
            return true;
        // No password in ~/.pgpass: asked once, for this connection.
        if (asked || !server.NeedsPassword())
            return false;
        asked = true;
        if (!ServerConnectionDialog::Ask(this, title, *address, address)) {
            error->clear(); // the user cancelled: nothing to report
            return false;
        }
    }
}

bool MainWindow::openServerDatabase(ServerAddress address, OpenMode mode, QString* failure) {
    const QString title = tr("Åbn register på server");
    mLog->WriteItem(address.Url(), kSource, QStringLiteral("openServerDatabase()"));
    auto server = std::make_unique<ServerRegister>();
    QString error;
    bool opened = connectServer(*server, &address, title, &error);
    if (opened) {
        WaitCursor wait;
        opened = server->HasRegister(&error);
        if (!opened && error.isEmpty())
            error = tr("Databasen rummer intet register. Brug »Kopiér registret til en server…« for at lægge et "
                       "register der.");
    }
    if (!opened) {
        if (error.isEmpty() && !failure)
            return false; // cancelled
        return openFailed(this, address, error, failure);
    }
    if (mode == OpenMode::Command && !SaveQuestion())
        return false;
    return enterServer(std::move(server), failure);
}

bool MainWindow::enterServer(std::unique_ptr<ServerRegister> server, QString* failure) {
    QElapsedTimer timer;
    timer.start();
    const ServerAddress address = server->Address();
    QString error;
    bool loaded = false;
    {
        WaitCursor wait;
        // The collection changes only when the whole register has been read; the old one's lock goes with it.
        loaded = server->Load(*mCollection, GetLanguage(), &error);
    }
    if (!loaded)
        return openFailed(this, address, error, failure);
    leaveServer(); // the register shown before, if it was on a server too
    mServer = std::move(server);
    connect(mServer.get(), &ServerRegister::connectionStateChanged, this,
            [this](ServerRegister::State state, const QString& reason) { showServerState(int(state), reason); });
    connect(mServer.get(), &ServerRegister::changeRefused, this, &MainWindow::serverRefused);
    connect(mServer.get(), &ServerRegister::conflictFound, this, &MainWindow::serverConflict);
    connect(mServer.get(), &ServerRegister::itemRefreshed, this, &MainWindow::itemChangedElsewhere);
    connect(mServer.get(), &ServerRegister::itemRemovedRemotely, this, &MainWindow::itemRemovedElsewhere);
    ItemDialog::SetSaveGate([this](ItemDialog* dialog, Item* item, const Item& shown, Item& edited) {
        return static_cast<ItemDialog::SaveVerdict>(gateServerSave(dialog, item, shown, edited));
    });

    mCurrentFileName = address.Url(); // what the recent list and the next start open
    showOpenedRegister(address.DisplayName(), timer.elapsed());
    // The files made beside a register (exports, the scanner import's history) need a name in a folder.
    mCurrentFileName = serverStandIn(address);
    setWindowTitle(GetCaption(address.DisplayName()));
    showServerState(int(mServer->ConnectionState()), QString());
    writeRecentFiles();
    return true;
}

void MainWindow::leaveServer() {
    if (!mServer)
        return;
    ItemDialog::SetSaveGate(nullptr);
    mServer->disconnect(this);
    mServer->Close();
    mServer.reset();
    mServerRefusals = 0;
    // Nothing was ever unsaved: every change went to the server.
    DBItemCollection::SetModified(false);
    if (mServerState)
        mServerState->hide();
}

void MainWindow::CopyToServer() {
    const QString title = tr("Kopiér registret til en server");
    ServerAddress suggested = suggestedServer();
    suggested.database.clear(); // a copy goes into an empty database, never over the register it came from
    ServerAddress address;
    if (!ServerConnectionDialog::Ask(this, title, suggested, &address))
        return;
    auto server = std::make_unique<ServerRegister>();
    QString error;
    bool copied = connectServer(*server, &address, title, &error);
    if (!copied && error.isEmpty())
        return; // cancelled
    if (copied) {
        WaitCursor wait;
        if (server->HasRegister()) {
            copied = false;
            error = tr("Databasen rummer allerede et register. Vælg en tom database, eller åbn registret med »Åbn "
                       "register på server…«.");
        } else {
            // A file register's lists of every language are in its folder; a server register's are in the copy.
            const QString folder =
                mServer || mCurrentFileName.isEmpty() ? QString() : QFileInfo(mCurrentFileName).absolutePath();
            copied = server->CopyFrom(*mCollection, folder, GetLanguage(), &error);
        }
    }
    if (!copied) {
        Dialogs::critical(
            this, title,
            tr("Registret blev ikke kopieret til %1. Der er intet oprettet på serveren.").arg(address.DisplayName()) +
                QStringLiteral("\n\n") + error);
        return;
    }
    const QString file = mServer ? QString() : mCurrentFileName;
    mLog->WriteItem(address.Url(), kSource, QStringLiteral("CopyToServer()"));
    // From here on the window works on the copy; the file stays as it was last saved.
    if (!enterServer(std::move(server), nullptr))
        return;
    if (!file.isEmpty())
        emit message(tr("Registret er kopieret til %1, og vinduet arbejder nu på serveren. Filen %2 er ikke "
                        "ændret.")
                         .arg(address.DisplayName(), QDir::toNativeSeparators(file)),
                     15000);
}

void MainWindow::showServerState(int state, const QString& reason) {
    if (!mServerState) {
        mServerState = new QLabel(statusBar());
        mServerState->setObjectName(QStringLiteral("ServerState"));
        statusBar()->addPermanentWidget(mServerState);
    }
    if (!mServer) {
        mServerState->hide();
        return;
    }
    const QString name = mServer->Address().DisplayName();
    QString text;
    switch (static_cast<ServerRegister::State>(state)) {
    case ServerRegister::State::Connected:
        text = tr("%1: forbundet").arg(name);
        break;
    case ServerRegister::State::Lost:
        text = tr("%1: forbindelsen er tabt, prøver igen …").arg(name);
        break;
    case ServerRegister::State::Closed:
        text = tr("%1: offline").arg(name);
        break;
    }
    mServerState->setText(text);
    mServerState->setToolTip(reason);
    mServerState->show();
}

void MainWindow::serverRefused(const QString& reason) {
    ++mServerRefusals;
    Dialogs::warning(this, tr("Ændringen er ikke gemt"), reason);
}

bool MainWindow::saveOnServer() {
    if (!mServer->IsConnected()) {
        Dialogs::warning(this, tr("Ændringen er ikke gemt"), offlineText());
        return false;
    }
    // A refusal of the last change arrives right after it: let it come before answering.
    const int refusals = mServerRefusals;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (mServerRefusals != refusals || !mServer->IsConnected())
        return false;
    emit message(tr("Ændringerne står allerede på serveren %1: de gemmes, mens du arbejder.")
                     .arg(mServer->Address().DisplayName()),
                 10000);
    return true;
}

bool MainWindow::writeFileCopy(const QString& path) {
    WaitCursor wait;
    QElapsedTimer timer;
    timer.start();
    // The writer shows why it failed; the register on the server is untouched either way.
    if (!mCollection->SaveToFileAsAscii(path))
        return false;
    mLog->WriteItem(path, kSource, QStringLiteral("writeFileCopy()"));
    // The lists of every language come from the server; without it, the window's own lists of this language.
    const QString folder = QFileInfo(path).absolutePath();
    QString error;
    if (!mServer->IsConnected() || !mServer->WriteListFiles(folder, &error)) {
        // The lists go where the collection's folder says: beside the copy, for this once.
        const QString registerFolder = mCollection->Folder();
        mCollection->SetFolder(folder);
        mCollection->SaveDynamicLists();
        mCollection->SetFolder(registerFolder);
    }
    emit message(tr("ITEMS_SAVED_DB_MESSAGE").arg(path).arg(mCollection->Count()).arg(SecondsText(timer.elapsed())),
                 10000);
    return true;
}

bool MainWindow::saveServerAs() {
    // Save As writes a file copy of what the window shows. The window stays on the server register: the other
    // workstations go on working there, and changes made here should reach them, not a file beside them.
    QString chosen =
        Dialogs::saveFileName(this, tr("Gem register som"), GetLastDBDir(), QStringLiteral("DB (*.tvk *.txt *.db)"));
    if (chosen.isEmpty())
        return false;
    const QString named = WithDatabaseSuffix(chosen);
    if (named != chosen && QFileInfo::exists(named) && !confirmReplace(named))
        return false;
    if (!writeFileCopy(named))
        return false;
    emit message(tr("Registret er gemt som %1. Vinduet arbejder fortsat på registret på serveren %2.")
                     .arg(QDir::toNativeSeparators(named), mServer->Address().DisplayName()),
                 15000);
    return true;
}

QString MainWindow::offlineText() const {
    return tr("Der er ingen forbindelse til serveren %1, så ændringen er ikke gemt. Det, du har skrevet, står "
              "stadig i vinduet: gem igen, når statuslinjen siger, at serveren er forbundet.")
        .arg(mServer ? mServer->Address().DisplayName() : QString());
}

int MainWindow::gateServerSave(ItemDialog* dialog, Item* item, const Item& shown, Item& edited) {
    using Verdict = ItemDialog::SaveVerdict;
    if (!mServer)
        return int(Verdict::Go);
    if (!mServer->IsConnected()) {
        Dialogs::warning(dialog, tr("Ændringen er ikke gemt"), offlineText());
        return int(Verdict::Keep);
    }
    if (!item)
        return int(Verdict::Go); // a new item goes to the server as the collection takes it
    ServerConflict conflict;
    QString error;
    if (ItemCommands::SameContent(shown, *item)) {
        switch (mServer->WriteEdit(item, edited, &conflict, &error)) {
        case ServerRegister::Result::Written:
            return int(Verdict::Go);
        case ServerRegister::Result::Refused:
            Dialogs::warning(dialog, tr("Ændringen er ikke gemt"), error);
            return int(Verdict::Keep);
        case ServerRegister::Result::Conflict:
            break;
        }
    } else {
        // Another workstation's change reached the item after the dialog showed it. Without an edit of the
        // user's own, the dialog just shows their version.
        if (ItemCommands::SameContent(shown, edited))
            return int(Verdict::Settled);
        conflict.item = item;
        conflict.id = mServer->IdOf(item);
        conflict.mine = edited;
        conflict.theirs = *item;
        conflict.theirVersion = mServer->VersionOf(item);
    }
    if (conflict.theirsDeleted) {
        MessageBoxRequest box;
        box.icon = MessageBoxRequest::Question;
        box.parent = dialog;
        box.title = tr("Ændret på en anden arbejdsplads");
        box.text = tr("%1 er slettet på en anden arbejdsplads, mens du rettede den.").arg(ItemCommands::Label(edited));
        box.buttons << tr("&Gem min igen") << tr("&Lad den være slettet");
        box.defaultButton = 0;
        box.escapeButton = 0;
        if (Dialogs::message(box) == 0) {
            conflict.mine = edited;
            if (mServer->Resolve(conflict, ServerRegister::Resolution::KeepMine, &error) ==
                ServerRegister::Result::Written)
                return int(Verdict::Go);
            if (!error.isEmpty())
                Dialogs::warning(dialog, tr("Ændringen er ikke gemt"), error);
            return int(Verdict::Keep);
        }
        mServer->Resolve(conflict, ServerRegister::Resolution::KeepTheirs, &error); // the dialog closes with it
        return int(Verdict::Keep);
    }
    const EditConflict::Choice choice = EditConflictDialog::Ask(
        dialog, ItemCommands::Label(*item),
        EditConflict::Compare(shown, edited, conflict.theirs, &mCollection->Groups(), &mCollection->Locations()));
    const Item merged = EditConflict::Resolve(choice, shown, edited, conflict.theirs);
    switch (choice) {
    case EditConflict::Choice::KeepTheirs:
        mServer->Resolve(conflict, ServerRegister::Resolution::KeepTheirs, &error);
        return int(Verdict::Settled);
    case EditConflict::Choice::KeepMine: {
        ServerConflict mine = conflict;
        mine.mine = merged;
        switch (mServer->Resolve(mine, ServerRegister::Resolution::KeepMine, &error)) {
        case ServerRegister::Result::Written:
            edited = merged;
            return int(Verdict::Go);
        case ServerRegister::Result::Conflict:
            return int(Verdict::Keep); // yet another change: its own box follows
        case ServerRegister::Result::Refused:
            Dialogs::warning(dialog, tr("Ændringen er ikke gemt"), error);
            return int(Verdict::Keep);
        }
        return int(Verdict::Keep);
    }
    case EditConflict::Choice::EditAgain:
        // Their version becomes the one the next save is checked against; the dialog shows it with this edit.
        mServer->Resolve(conflict, ServerRegister::Resolution::KeepTheirs, &error);
        edited = merged;
        return int(Verdict::Show);
    }
    return int(Verdict::Keep);
}

void MainWindow::stepHistory(bool undo) {
    QUndoStack* history = mCollection->UndoStack();
    QString error;
    if (!mServer)
        undo ? history->undo() : history->redo();
    else if (!mServer->StepHistory(undo, &error) && !error.isEmpty())
        Dialogs::warning(this, undo ? tr("Kan ikke fortrydes") : tr("Kan ikke gentages"), error);
}

void MainWindow::serverConflict(const ServerConflict& conflict) {
    // A change made outside the item dialog (an undo, a deletion) met another workstation's change. The item
    // still shows this workstation's version; nothing of it is on the server yet.
    if (!mServer)
        return;
    QString error;
    if (conflict.mineDeleted || conflict.theirsDeleted) {
        MessageBoxRequest box;
        box.icon = MessageBoxRequest::Question;
        box.parent = this;
        box.title = tr("Ændret på en anden arbejdsplads");
        const QString label = ItemCommands::Label(conflict.mineDeleted ? conflict.mine : conflict.theirs);
        if (conflict.mineDeleted) {
            box.text = tr("%1 er ændret på en anden arbejdsplads, efter at du slettede den her.").arg(label);
            box.buttons << tr("Behold &deres") << tr("&Slet den alligevel");
        } else {
            box.text = tr("%1 er slettet på en anden arbejdsplads, mens du ændrede den.").arg(label);
            box.buttons << tr("&Lad den være slettet") << tr("&Gem min igen");
        }
        box.defaultButton = 0;
        box.escapeButton = 0;
        const bool mine = Dialogs::message(box) == 1;
        if (mServer->Resolve(conflict,
                             mine ? ServerRegister::Resolution::KeepMine : ServerRegister::Resolution::KeepTheirs,
                             &error) == ServerRegister::Result::Refused)
            Dialogs::warning(this, tr("Ændringen er ikke gemt"), error);
        return;
    }
    // Which fields this workstation changed is not known here: every difference counts as its own.
    const EditConflict::Choice choice =
        EditConflictDialog::Ask(this, ItemCommands::Label(conflict.mine),
                                EditConflict::Compare(conflict.theirs, conflict.mine, conflict.theirs,
                                                      &mCollection->Groups(), &mCollection->Locations()));
    const bool keepMine = choice == EditConflict::Choice::KeepMine;
    if (mServer->Resolve(conflict,
                         keepMine ? ServerRegister::Resolution::KeepMine : ServerRegister::Resolution::KeepTheirs,
                         &error) == ServerRegister::Result::Refused)
        Dialogs::warning(this, tr("Ændringen er ikke gemt"), error);
    if (choice != EditConflict::Choice::EditAgain || !conflict.item)
        return;
    // Edit again: their version is the item now; the dialog offers this workstation's fields on top of it.
    auto* dialog = new ItemDialog(mCollection, conflict.item, QStringLiteral("DATA"), false, this);
    connect(dialog, &ItemDialog::itemShown, mListView, &ItemListView::SelectItem);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    Item mine(conflict.mine);
    dialog->showItem(&mine);
    dialog->show();
}

void MainWindow::itemChangedElsewhere(Item* item) {
    // The dialog keeps what it shows: its next save compares with the item as it is now.
    for (ItemDialog* dialog : findChildren<ItemDialog*>()) {
        if (dialog->CurrentItem() != item || dialog->IsNewItem() || !dialog->isVisible())
            continue;
        MessageBoxRequest box;
        box.icon = MessageBoxRequest::Information;
        box.parent = dialog;
        box.title = tr("Ændret på en anden arbejdsplads");
        box.text = tr("%1 er netop ændret på en anden arbejdsplads. Vinduet viser stadig det, du havde; gemmer du, "
                      "viser programmet begge udgaver, så du kan vælge.")
                       .arg(ItemCommands::Label(*item));
        box.buttons << tr("&Behold det, jeg har") << tr("&Vis deres udgave");
        box.defaultButton = 0;
        box.escapeButton = 0;
        if (Dialogs::message(box) == 1)
            dialog->showItem(item);
    }
}

void MainWindow::itemRemovedElsewhere(Item* item) {
    // An open dialog keeps what the user typed; it asks what to do with it at the next save.
    for (ItemDialog* dialog : findChildren<ItemDialog*>()) {
        if (dialog->CurrentItem() == item && dialog->isVisible())
            dialog->ItemDeletedElsewhere();
    }
}

void MainWindow::serverListsEdited() {
    if (!mServer)
        return;
    QString error;
    WaitCursor wait;
    if (!mServer->SaveLists(*mCollection, GetLanguage(), &error))
        Dialogs::warning(this, tr("Ændringen er ikke gemt"),
                         tr("Listerne er gemt på denne computer, men ikke på serveren:") + QStringLiteral("\n\n") +
                             error);
}
