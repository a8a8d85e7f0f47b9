#include "mainwindow/vestrumwindow.h"

#include "app/AppNames.h"
#include "app/AppSettings.h"
#include "app/Edition.h"
#include "app/ExportPaths.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "core/ItemCommands.h"
#include "core/LogXML.h"
#include "core/UpdateLocationsData.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ExternalViewers.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/ListFilterField.h"
#include "mainwindow/Startup.h"
#include "platform/Launcher.h"
#include "platform/TerminationSignals.h"
#include "server/ServerRegister.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

namespace {
const QString kSource = QStringLiteral("vestrumwindow");
} // namespace

// Seconds with two decimals; not padded, so the status line reads without a gap.
QString MainWindow::SecondsText(qint64 milliseconds) {
    return QString::number(milliseconds / 1000.0, 'f', 2);
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("main window"));
    mLog = std::make_unique<LogXML>(GetLastDBDir() + QStringLiteral("/log.xml"), GetAppName(true));
    mLog->WriteItem(GetLanguage(), kSource, QStringLiteral("Language"));
    // From the first moment a database may be open, a request to end is handled in order.
    connect(new TerminationSignals(this), &TerminationSignals::requested, this, &MainWindow::EndOnSignal);
    if (IsOstrel())
        mEditionIcon = QIcon(QStringLiteral(":/icons/ostrel.xpm"));
    else if (IsPellin())
        mEditionIcon = QIcon(QStringLiteral(":/icons/pellin.xpm"));
    else if (IsBrevane())
        mEditionIcon = QIcon(QStringLiteral(":/icons/brevane.xpm"));
    else
        mEditionIcon = QIcon(QStringLiteral(":/icons/tovik.xpm"));
    mPictureIcon = QIcon(QStringLiteral(":/icons/picture.xpm"));
    mReceiptIcon = QIcon(QStringLiteral(":/icons/receipt.xpm"));
    setWindowIcon(mEditionIcon);

    ReadSettings();
    connect(this, qOverload<const QString&, int>(&MainWindow::message), statusBar(), &QStatusBar::showMessage);
    connect(this, qOverload<const QString&>(&MainWindow::message), statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });

    mListView = new ItemListView(this);
    connect(mListView, &ItemListView::rowSelected, this, &MainWindow::ItemSelected);
    auto* totals = new QLabel(statusBar());
    totals->setObjectName(QStringLiteral("ListTotals"));
    statusBar()->addPermanentWidget(totals);
    connect(mListView, &ItemListView::totalsChanged, totals, &QLabel::setText);
    FileNew();
    setCentralWidget(mListView);
    buildMenus();
    buildToolBars();
    OpenStartupDatabase();
    Startup::ApplyRememberedGeometry(this);
}

MainWindow::~MainWindow() {
    leaveServer();
    // The view lets go of the items before the collection destroys them (which also releases its lock).
    if (mListView)
        mListView->Clear();
    dropImport();
    delete mCollection;
    mCollection = nullptr;
}

void MainWindow::OpenStartupDatabase() {
    Settings settings;
    mCurrentFileName = settings.value(QStringLiteral("LastSavedDBFile"), DefaultDatabasePath()).toString();
    if (offerRecovery())
        return;
    if (mCurrentFileName.isEmpty())
        return;
    if (LoadItemFile())
        reopenRememberedGroups();
}

DBItemCollection* MainWindow::newCollection(const QString& folder) const {
    auto* collection = new DBItemCollection(mLog.get(), folder, GetLanguage());
    collection->SetStartSerialNumber(AppSettings::StartSerialNumber());
    return collection;
}

bool MainWindow::dropDatabase() {
    if (!mCollection) {
        mCollection = newCollection(GetLastDBDir());
        return true;
    }
    // Asked while the database still has its name, so "Save" saves it where it came from.
    if (!SaveQuestion())
        return false;
    leaveServer();
    // The view lets go of the rows before the collection destroys their items.
    mListView->Clear();
    dropImport();
    mCollection->Clear();
    return true;
}

void MainWindow::FileNew() {
    if (!dropDatabase())
        return;
    mCurrentFileName.clear();
    mCollection->SetFolder(GetLastDBDir()); // where the open register was: its lists and lock serve the new one
    mListView->SetCollection(mCollection);
    setWindowTitle(GetCaption(QString()));
    showReadOnly(false);
}

void MainWindow::showReadOnly(bool readOnly) {
    // Another user holds the database: it is shown, red, and cannot be saved.
    if (FileSaveAction)
        FileSaveAction->setEnabled(!readOnly);
    if (UpdateLocationsAction)
        UpdateLocationsAction->setEnabled(!readOnly);
    QPalette look;
    if (readOnly) {
        look = palette();
        look.setColor(QPalette::Window, Qt::red);
        look.setColor(QPalette::Base, QColor(255, 200, 200));
        look.setColor(QPalette::WindowText, Qt::red);
    }
    setPalette(look);
    mListView->setPalette(look);
}

bool MainWindow::SaveQuestion() {
    // On a server every change is written as it is made.
    if (mServer || !DBItemCollection::IsModified())
        return true;
    MessageBoxRequest box;
    box.icon = MessageBoxRequest::Information;
    box.parent = this;
    box.title = GetAppName();
    box.text = tr("SAVE_CURRENT_DB_QUESTION");
    box.buttons << tr("&Gem") << tr("Gem &ikke") << tr("&Fortryd");
    box.defaultButton = 0;
    box.escapeButton = 2;
    switch (Dialogs::message(box)) {
    case 0:
        // Only a save that really wrote the file lets the changes go.
        if (!Save(true))
            return false;
        DBItemCollection::SetModified(false);
        return true;
    case 1:
        DBItemCollection::SetModified(false);
        forgetRecovery();
        return true;
    default:
        return false;
    }
}

void MainWindow::Load(bool ShowOpenDialog) {
    QString path = mServer ? mServer->Address().Url() : mCurrentFileName;
    if (ShowOpenDialog) {
        const QString chosen =
            Dialogs::openFileName(this, QString(), GetLastDBDir(), QStringLiteral("DB (*.tvk *.txt *.db)"));
        if (!chosen.isEmpty()) {
            path = chosen;
            qDebug().noquote() << "DB directory " + QFileInfo(chosen).absolutePath();
        }
        // Cancelled: the database that was open is read again from disk.
    }
    if (!path.isEmpty())
        openDatabase(path, OpenMode::Command);
}

bool MainWindow::openDatabase(const QString& path, OpenMode mode, QString* failure) {
    if (IsServerEntry(path))
        return openServerEntry(path, mode, failure);
    QElapsedTimer timer;
    timer.start();
    mLog->WriteItem(path, kSource, QStringLiteral("LoadItemFile()"));
    if (!mCollection)
        mCollection = newCollection(GetLastDBDir());
    const bool wasModified = DBItemCollection::IsModified();

    // The file is read into a collection of its own; the open database changes only once it has loaded.
    // A file the user chose brings its folder: its lookup lists and its lock live there, and "LastDBDir"
    // follows once it is open. At start-up the remembered folder is kept as it is.
    const bool command = mode == OpenMode::Command;
    const QString directory = command ? QFileInfo(path).absolutePath() : GetLastDBDir();
    std::unique_ptr<DBItemCollection> candidateOwner(newCollection(directory));
    DBItemCollection& candidate = *candidateOwner;
    DBItemCollection::SetModified(wasModified); // a new collection starts unmodified; the open one is not new
    // A database of the same folder is covered by the lock already held.
    const bool lockPassed = mCollection->PassLockTo(candidate);
    QString reason;
    bool loaded = false;
    {
        WaitCursor wait;
        loaded = candidate.LoadFromAsciiFile(path, &reason);
    }
    if (lockPassed)
        candidate.PassLockTo(*mCollection);
    if (!loaded) {
        if (failure) {
            *failure = QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + reason;
            return false;
        }
        Dialogs::critical(nullptr, tr("FileError"),
                          tr("ERROR_DB_FILE_CAN_NOT_BE_OPENED") + QStringLiteral("\n\n") +
                              QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + reason,
                          tr("Ok"));
        return false;
    }

    // Only now, with the new database at hand, may the open one be let go.
    if (command) {
        if (!SaveQuestion())
            return false; // the candidate goes, and with it a lock it took
        if (wasModified && QFileInfo(path) == QFileInfo(mCurrentFileName)) {
            // The open file itself was asked for and has just been saved or given up: read what it holds now.
            return openDatabase(path, OpenMode::Reread);
        }
    }

    if (command)
        Settings().setValue(QStringLiteral("LastDBDir"), directory);
    leaveServer();
    mCurrentFileName = path;
    mCollection->PassLockTo(candidate);
    mCollection->TakeContents(candidate);
    showOpenedRegister(mCurrentFileName, timer.elapsed());
    // A lock taken over matters more than the count.
    const QString lockNotice = mCollection->TakeLockNotice();
    if (!lockNotice.isEmpty())
        emit message(lockNotice, 10000);
    writeRecentFiles();
    return true; // the old contents go with the candidate, and with them the old folder's lock
}

void MainWindow::showOpenedRegister(const QString& shownName, qint64 elapsedMs) {
    DBItemCollection::SetModified(false);
    Settings().setValue(QStringLiteral("LastSavedDBFile"), mCurrentFileName);
    if (mFilterField)
        mFilterField->clear();             // another register: its whole list
    mListView->SetCollection(mCollection); // the new lookup lists give the group rows
    if (PrintAction)
        PrintAction->setEnabled(true);
    mListView->Fill(mCollection);
    const bool showAll = Settings().value(QStringLiteral("Items/showAllItems"), false).toBool();
    if (ViewAllAction)
        ViewAllAction->setChecked(showAll);
    mListView->ViewAll(showAll);
    afterLoadUpdate();
    emit message(
        tr("NUMBERS_OF_ITEMS_READ_FORM_DB").arg(shownName).arg(mCollection->Count()).arg(SecondsText(elapsedMs)),
        10000);
}

void MainWindow::afterLoadUpdate() {
    if (!mCurrentFileName.isEmpty()) {
        mRecentFiles.removeAll(mCurrentFileName);
        mRecentFiles.prepend(mCurrentFileName);
        rebuildRecentFileMenu();
    }
    setWindowTitle(GetCaption(mCurrentFileName));
    // The lookup-list entries carry the database's own names for those columns.
    auto retitle = [](QAction* action, int column) {
        if (action)
            action->setText(QCoreApplication::translate("MainWindow", ColumnNames::Title(column).toUtf8().constData()) +
                            QStringLiteral("..."));
    };
    retitle(SetupLocationAction, ColumnNames::Location);
    retitle(SetupGroupsAction, ColumnNames::Group);
    retitle(SetupSupplierAction, ColumnNames::Supplier);

    showReadOnly(mCollection->IsReadOnly());
    if (AboutAction) {
        if (IsBrevane())
            AboutAction->setText(tr("BrevaneHelpAbout"));
        else if (IsPellin())
            AboutAction->setText(tr("PellinHelpAbout"));
        else if (IsOstrel())
            AboutAction->setText(tr("OstrelHelpAbout"));
    }
}

void MainWindow::rebuildRecentFileMenu() {
    while (mRecentFiles.size() > MaxRecentFiles)
        mRecentFiles.removeLast();
    if (!mFileMenu)
        return;
    for (int i = 0; i < mRecentFiles.size(); ++i) {
        const QString text = tr("&%1 %2").arg(i + 1).arg(RecentEntryName(mRecentFiles.at(i)));
        if (i < mRecentFileActions.size()) {
            mRecentFileActions.at(i)->setText(text);
            continue;
        }
        // The entries stand between their own separator and the separator above Quit.
        if (!mRecentSeparator)
            mRecentSeparator = mFileMenu->insertSeparator(mQuitSeparator);
        auto* action = new QAction(text, this);
        action->setObjectName(QStringLiteral("RecentFile%1").arg(i));
        connect(action, &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
        mFileMenu->insertAction(mQuitSeparator, action);
        mRecentFileActions << action;
    }
}

void MainWindow::writeRecentFiles() {
    Settings settings;
    settings.setValue(QStringLiteral("RecentFiles/NumberOfItems"), mRecentFiles.size());
    for (int i = 0; i < mRecentFiles.size(); ++i)
        settings.setValue(QStringLiteral("RecentFiles/RecentFile%1/").arg(i), mRecentFiles.at(i));
}

void MainWindow::ReadSettings() {
    Settings settings;
    const int count = settings.value(QStringLiteral("RecentFiles/NumberOfItems"), 0).toInt();
    for (int i = 0; i < count; ++i) {
        const QString key = QStringLiteral("RecentFiles/RecentFile%1/").arg(i);
        if (settings.contains(key))
            mRecentFiles << settings.value(key).toString();
    }
}

void MainWindow::OpenRecentFile(int param) {
    if (param < 0 || param >= mRecentFiles.size())
        return;
    // The recent entry is taken before the save question can change the list.
    const QString file = mRecentFiles.at(param);
    openDatabase(file, OpenMode::Command);
}

bool MainWindow::Save(bool SetmCurrentFileName) {
    // A register on a server has nothing to save; a backup of it is a file copy.
    if (mServer)
        return SetmCurrentFileName ? saveOnServer() : writeFileCopy(mCurrentFileName);
    if (mCurrentFileName.isEmpty())
        return SaveAs();
    WaitCursor wait;
    QElapsedTimer timer;
    timer.start();
    const bool saved = mCollection->SaveToFileAsAscii(mCurrentFileName);
    mLog->WriteItem(mCurrentFileName, kSource, QStringLiteral("SaveToFileAsAscii()"));
    // A failed save has been reported by the writer; the database stays marked as changed.
    if (!saved)
        return false;
    if (SetmCurrentFileName) {
        Settings().setValue(QStringLiteral("LastSavedDBFile"), mCurrentFileName);
        DBItemCollection::SetModified(false);
        mCollection->MarkSaved(); // the history stays; undoing back to here is unmodified again
        setWindowTitle(GetCaption(mCurrentFileName));
        forgetRecovery();
    }
    emit message(
        tr("ITEMS_SAVED_DB_MESSAGE").arg(mCurrentFileName).arg(mCollection->Count()).arg(SecondsText(timer.elapsed())),
        10000);
    return true;
}

bool MainWindow::SaveAs() {
    if (mServer)
        return saveServerAs();
    const QString oldName = mCurrentFileName;
    const QString oldDirectory = Settings().value(QStringLiteral("LastDBDir")).toString();
    const QString oldFolder = mCollection->Folder();
    QString chosen =
        Dialogs::saveFileName(this, tr("Gem register som"), saveAsFolder(), QStringLiteral("DB (*.tvk *.txt *.db)"));
    if (!chosen.isEmpty()) {
        // A name the Open dialog would not show gets the edition's suffix; the dialog asked about the name
        // as typed, so replacing a register of the longer name is asked here.
        const QString named = WithDatabaseSuffix(chosen);
        if (named != chosen && QFileInfo::exists(named) && !confirmReplace(named))
            return false;
        chosen = named;
    }
    if (!chosen.isEmpty()) {
        mCurrentFileName = chosen;
        const QString directory = QFileInfo(chosen).absolutePath();
        if (!directory.isEmpty()) {
            Settings().setValue(QStringLiteral("LastDBDir"), directory);
            mCollection->SetFolder(directory);
        }
        mLog->WriteItem(mCurrentFileName, kSource, QStringLiteral("SaveAs(1)"));
        mLog->WriteItem(directory, kSource, QStringLiteral("SaveAs(2)"));
    }
    if (mCurrentFileName.isEmpty())
        return false;
    // The lock moves with the database: taken in the new folder first, the old one released after.
    const bool newPlace = !chosen.isEmpty();
    bool saved = false;
    if (!newPlace || mCollection->BeginLockMove(chosen)) {
        saved = Save(true);
        if (newPlace)
            mCollection->EndLockMove(saved);
    }
    if (saved) {
        // The lists follow only a database that is there: a failed save leaves the new folder alone.
        if (newPlace)
            mCollection->SaveDynamicLists();
        return true;
    }
    if (!chosen.isEmpty()) {
        // Nothing was written under the new name: the open database keeps its old name and folder.
        mCurrentFileName = oldName;
        mCollection->SetFolder(oldFolder);
        Settings settings;
        if (oldDirectory.isEmpty())
            settings.remove(QStringLiteral("LastDBDir"));
        else
            settings.setValue(QStringLiteral("LastDBDir"), oldDirectory);
    }
    return false;
}

bool MainWindow::Backup() {
    const QString chosen =
        Dialogs::saveFileName(this, tr("BackupCurrentDB"), GetLastDBDir(), QStringLiteral("DB (*.bak)"));
    if (chosen.isEmpty()) {
        Dialogs::critical(nullptr, tr("FileError"), tr("NO_BACKUP_ERROR_NO_FILE_SAVED"), tr("Ok"));
        return false;
    }
    const QString name = mCurrentFileName;
    const QString folder = mCollection->Folder();
    mCurrentFileName = chosen;
    const bool saved = Save(false);
    // The lists go beside the backup; the open database's folder stays its folder.
    if (saved) {
        mCollection->SetFolder(QFileInfo(chosen).absolutePath());
        mCollection->SaveDynamicLists();
        mCollection->SetFolder(folder);
    }
    mCurrentFileName = name;
    return saved;
}

bool MainWindow::closeDatabase() {
    if (!mCollection)
        return true;
    leaveServer();
    mListView->Clear();
    dropImport();
    delete mCollection; // releases the database lock
    mCollection = nullptr;
    mLog.reset();
    return true;
}

void MainWindow::Quit() {
    if (mQuitting)
        return;
    if (!SaveQuestion())
        return;
    mQuitting = true;
    rememberWindow();
    closeDatabase();
    QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!mQuitting) {
        if (!SaveQuestion()) {
            event->ignore();
            return;
        }
        mQuitting = true;
        rememberWindow();
        closeDatabase();
    }
    event->accept();
}

void MainWindow::SaveSettings() {
    rememberWindow();
    Settings().setValue(QStringLiteral("Items/showAllItems"), ViewAllAction && ViewAllAction->isChecked());
    writeRecentFiles();
}

void MainWindow::setLanguage(const char* code) {
    Settings settings;
    const QString oldLanguage = GetLanguage();
    settings.setValue(QStringLiteral("Language"), QLatin1String(code));
    // The installation's sample follows the language; the user's own register stays the one opened next.
    if (IsShippedSample(settings.value(QStringLiteral("LastSavedDBFile")).toString(), oldLanguage)) {
        settings.setValue(QStringLiteral("LastSavedDBFile"), DefaultDatabasePath());
        settings.setValue(QStringLiteral("LastDBDir"), DefaultDatabaseDir());
    }
    Dialogs::information(nullptr, tr("Info"), tr("RESTART_BEFORE_LANGUAGE_CHANGED"), tr("Ok"));
}

void MainWindow::DkLanguage() {
    setLanguage("dk");
}

void MainWindow::NoLanguage() {
    setLanguage("no");
}

void MainWindow::EnLanguage() {
    setLanguage("en");
}

QString MainWindow::chooseViewerProgram(const QString& caption, const QString& filter) {
#ifdef Q_OS_WIN
    const QString programs = filter;
#else
    Q_UNUSED(filter);
    const QString programs; // programs carry no extension here
#endif
    const QString chosen = Dialogs::openFileName(this, caption, QString(), programs);
    return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen);
}

void MainWindow::browsePictureViewer_slot() {
    const QString program = chooseViewerProgram(tr("Vælg billedfremviser"), tr("Billedfremviser (*.exe)"));
    if (!program.isEmpty())
        Settings().setValue(QStringLiteral("PictureViewerProgram"), program);
}

void MainWindow::browseWWWViewer_slot() {
    const QString program = chooseViewerProgram(tr("Vælg webbrowser"), tr("Webbrowser (*.exe)"));
    if (!program.isEmpty())
        Settings().setValue(QStringLiteral("wwwProgram"), program);
}

void MainWindow::ItemSelected(const QModelIndex& row) {
    const bool itemRow = row.isValid() && !mListView->IsGroupRow(row);
    ViewPictureAction->setEnabled(mListView->HasPictureLink(row));
    ViewPicture2Action->setEnabled(mListView->HasReceipt(row));
    ViewUrlAction->setEnabled(mListView->HasUrl(row));
    ViewDocAction->setEnabled(mListView->HasDocument(row));
    ViewCurInHTMLAction->setEnabled(itemRow);
}

void MainWindow::ShowPictureOne() {
    mListView->ShowPicture1();
}

void MainWindow::ShowReceipt() {
    if (mListView->isItemSelected().isValid())
        mListView->ShowImage2();
}

void MainWindow::ShowUrl() {
    if (mListView->isItemSelected().isValid())
        mListView->ShowUrl();
}

void MainWindow::ShowDocument() {
    if (mListView->isItemSelected().isValid())
        mListView->ShowDocument();
}

void MainWindow::ViewAllItems() {
    mListView->ViewAll(ViewAllAction->isChecked());
}

void MainWindow::EditItem() {
    if (mListView->isItemSelected().isValid()) {
        mListView->EditItem();
        return;
    }
    auto* dialog = new ItemDialog(mCollection, nullptr, QStringLiteral("DATA"), false, this, QString());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ItemDialog::itemShown, mListView, &ItemListView::SelectItem);
    dialog->show();
}

void MainWindow::SearchRecord() {
    auto* dialog = new ItemDialog(mCollection, nullptr, QStringLiteral("DATA"), true, this, QString());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ItemDialog::itemShown, mListView, &ItemListView::SelectItem);
    dialog->show();
}

void MainWindow::DeleteItem() {
    // No question: the undo brings the item back, and the status bar says how.
    const Item* deleted = mListView->DeleteItem();
    if (!deleted)
        return;
    emit message(
        tr("%1 er slettet; %2 bringer den tilbage.")
            .arg(ItemCommands::Label(*deleted), QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText)),
        10000);
}

bool MainWindow::AddItemsUndoable(std::vector<Item*> items, const QString& what) {
    if (items.empty())
        return false;
    if (mCollection->IsReadOnly()) {
        for (Item* item : items)
            delete item;
        Dialogs::warning(this, QCoreApplication::translate("DBItemCollection", "READ ONLY"),
                         QCoreApplication::translate("DBItemCollection", "READ ONLY MODE - No Save"));
        return false;
    }
    WaitCursor wait;
    mCollection->Push(new AddItemsCommand(mCollection, std::move(items), what));
    return true;
}

QString MainWindow::GetHtmlOutputFile(const QString& htmlFileName) const {
    return ExportPaths::ViewerFile(htmlFileName, QStringLiteral(".htm"));
}

QString MainWindow::GetXmlOutputFile(const QString& xmlFileName) const {
    return ExportPaths::ViewerFile(xmlFileName, QStringLiteral(".xml"));
}

void MainWindow::Help() {
    ExternalViewers::OpenFile(ExternalViewers::HelpPage(), QString(), false);
}

void MainWindow::HelpTutorial() {
    ExternalViewers::OpenFile(ExternalViewers::TutorialPage(), QString(), false);
}

void MainWindow::HelpErrorHandling() {
    ExternalViewers::OpenFile(ExternalViewers::ErrorHandlingPage(), QString(), false);
}

void MainWindow::HelpLinks() {
    ExternalViewers::OpenFile(ExternalViewers::LinksPage(), QString(), false);
}

void MainWindow::HelpReleases() {
    bool helpPage = false;
    const QString notes = ExternalViewers::ReleaseNotes(&helpPage);
    if (helpPage) {
        ExternalViewers::OpenFile(notes, QString(), false);
        return;
    }
    // A plain text file, shown by the desktop's text editor.
    if (Launcher::OpenAssociated(notes) != Launcher::Opened)
        Dialogs::critical(nullptr, tr("Fejl"), tr("NOTEPAD_NOT_FOUND"), tr("Ok"));
}

void MainWindow::About() {
    MessageBoxRequest box;
    box.icon = MessageBoxRequest::Information;
    box.parent = this;
    if (IsBrevane()) {
        box.title = tr("About Brevane");
        box.text = tr("AboutBrevaneDetails");
    } else if (IsPellin()) {
        box.title = tr("About Pellin");
        box.text = tr("AboutPellinDetails");
    } else if (IsOstrel()) {
        box.title = tr("About Ostrel");
        box.text = tr("AboutOstrelDetails");
    } else {
        box.title = tr("About Tovik");
        box.text = tr("AboutTovikDetails");
    }
    box.buttons << tr("Ok");
    Dialogs::message(box);
}
