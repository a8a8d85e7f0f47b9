#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <vector>

class DBItemCollection;
class Item;
class ItemDialog;
class QLabel;
class ServerRegister;
struct ServerAddress;
struct ServerConflict;
class ItemListView;
class ListFilterField;
class UpdateLocations;
class LogXML;
class QAction;
class QMenu;
class QToolBar;
class setupdialog;

// The one top-level window: it owns the open database (never replaced, only cleared and refilled) and
// the diagnostic log for the life of the process, shows the items in an ItemListView and carries the
// file commands, menus and tool bars.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int MaxRecentFiles = 10;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The signal that asked the program to end, 0 while none did.
    int EndSignal() const { return mEndSignal; }
    DBItemCollection* Collection() const { return mCollection; }
    ItemListView* ListView() const { return mListView; }
    QString CurrentFileName() const { return mCurrentFileName; }
    QStringList RecentFiles() const { return mRecentFiles; }
    // The register on a server the window works on; nullptr while it shows a file.
    ServerRegister* Server() const { return mServer.get(); }
    // A recent entry or remembered register that names a server register ("postgresql://user@host:port/db").
    static bool IsServerEntry(const QString& entry);
    // How the recent list names an entry: a file by its name, a server register by its database and host.
    static QString RecentEntryName(const QString& entry);

    // Reads the start-up database (mCurrentFileName). When it cannot be read, the user chooses: try again,
    // open another, start a new register or open the sample; the remembered path stays until another register
    // is opened. True when the start-up database itself was opened.
    bool LoadItemFile();
    // Asks whether to save a changed database; false when the user cancels or the save fails.
    bool SaveQuestion();
    void OpenStartupDatabase();
    // The export files shown to the user: in "AppData", or the database folder when it is not set.
    QString GetHtmlOutputFile(const QString& htmlFileName) const;
    QString GetXmlOutputFile(const QString& xmlFileName) const;
    // Adds many new items to the register as one undoable step, named by `what` in the Edit menu ("Fortryd "
    // + what); the register owns the items from then on (the undo history while they are undone). Nothing
    // happens to an empty list; a read-only register refuses them with a box, and they are destroyed.
    // Answers whether they were added.
    bool AddItemsUndoable(std::vector<Item*> items, const QString& what);

signals:
    void message(const QString& text, int milliseconds);
    void message(const QString& text);

public slots:
    void FileNew();
    void Load(bool ShowOpenDialog);
    void Load() { Load(true); }
    void OpenRecentFile(int param);
    // File → Open server register… and File → Copy this register to a server… (vestrumwindowServer.cpp).
    void OpenServerRegister();
    void CopyToServer();
    // Each answers whether the database was written.
    bool Save(bool SetmCurrentFileName);
    bool Save() { return Save(true); }
    bool SaveAs();
    bool Backup();
    void Quit();
    void SaveSettings();
    void ReadSettings();
    void DkLanguage();
    void NoLanguage();
    void EnLanguage();
    void browsePictureViewer_slot();
    void browseWWWViewer_slot();
    void ItemSelected(const QModelIndex& row);
    void ShowPictureOne();
    void ShowReceipt();
    void ShowUrl();
    void ShowDocument();
    void ViewAllItems();
    void EditItem();
    void SearchRecord();
    void DeleteItem();
    void SaveAsHTML(bool showSpecialCase, bool saveAsHtmlTable, const QString& htmlOutputFile);
    void SaveAsHTML() { SaveAsHTML(false, false, QString()); }
    void SaveAsXML(const QString& xmlOutputFile);
    void SaveAsXML() { SaveAsXML(QString()); }
    // File → Export → CSV and File → Import → CSV.
    void ExportCsv();
    void ImportCsv();
    void ShowAllAsHTML();
    void ShowAllAsHTMLTable();
    void ShowAllSpecialCasesAsHTML();
    void ShowAllAsXML();
    void ViewCurrentAsHTML();
    void SetupWhatToPrint();
    void SetupGroups();
    void SetupLocation();
    void SetupSupplier();
    void SetupCommon();
    void AutoMakeItems();
    void MakeReport();
    void Print();
    // File → Insurance report: the dialog, then the PDF with a progress dialog.
    void MakeInsuranceReport();
    void PrintBarcode();
    void PrintLabels() { PrintBarcode(); }
    void SetupLabels();
    void UpdateLocations();
    // The summary of the last scanner import, to read, save or print again.
    void ShowImportSummary();
    void Help();
    void HelpTutorial();
    void HelpErrorHandling();
    void HelpLinks();
    void HelpReleases();
    void About();
    // Ends in order on SIGTERM, SIGINT or SIGHUP: unsaved changes go to a recovery file, the lock is removed.
    void EndOnSignal(int signal);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBars();
    // Opens the lookup-list editor of a list (LookupListEditor::ListKind) without waiting; the place where
    // its printLabelsRequested is connected to the label printing.
    setupdialog* openListSetup(int listKind, const QString& name);
    // A register has just become the open one: shown from its top, remembered, its count told.
    static QString SecondsText(qint64 milliseconds);
    void showOpenedRegister(const QString& shownName, qint64 elapsedMs);
    void afterLoadUpdate();
    void showReadOnly(bool readOnly);
    void rebuildRecentFileMenu();
    void writeRecentFiles();
    // True with the filter's hits when a filter is set: the insurance report offers
    // them as its scope then.
    bool filterHitsForReport(std::vector<const Item*>* hits) const;
    // The items of the chosen item rows and group rows, for labels.
    std::vector<const Item*> itemsForLabels() const;
    void setLanguage(const char* code);
    QString chooseViewerProgram(const QString& caption, const QString& filter);
    bool closeDatabase();
    // At start-up: offers the recovery file a signal left; true when it was opened, or when another register
    // took the place of a start-up database that would not open.
    bool offerRecovery();
    // The recovered changes are saved or dropped: their file goes.
    void forgetRecovery();
    // Startup: the remembered folder stays; Command: a file the user asked for, after the save question;
    // Reread: the open file again, right after the question has dealt with its changes.
    enum class OpenMode { Startup, Command, Reread };
    // Opens a database in place of the open one, which changes only when the file has loaded (and the
    // save question, when asked, let the open one go); otherwise one box says why and nothing changes.
    // With `failure`, a file that cannot be read is not reported but described there (file and reason).
    bool openDatabase(const QString& path, OpenMode mode, QString* failure = nullptr);
    // Stores the window's geometry, the list's columns and its open groups for the next start.
    void rememberWindow();
    // Opens the groups that were open when the program last ended, when it showed this register.
    void reopenRememberedGroups();
    // Save As starts in the open register's folder, or in the user's documents for a new register.
    QString saveAsFolder() const;
    bool confirmReplace(const QString& path);
    // Empties the open database after the save question; false when the user keeps it.
    bool dropDatabase();
    // A collection of a register in this folder, with what it needs from the settings.
    DBItemCollection* newCollection(const QString& folder) const;
    bool writeHtmlExport(bool showSpecialCase, bool saveAsHtmlTable, const QString& htmlOutputFile);
    bool writeXmlExport(const QString& xmlOutputFile);
    // The items File → Export → CSV writes: what the list shows (every item, or the filter's hits).
    std::vector<const Item*> itemsToExport() const;
    void updateImportActions();
    void dropImport();
    // The register on a server (vestrumwindowServer.cpp).
    void buildServerActions();
    ServerAddress suggestedServer() const;
    // A server register's name in the register folder ("lager@host"), for the files made beside it.
    static QString serverStandIn(const ServerAddress& address);
    bool openServerEntry(const QString& entry, OpenMode mode, QString* failure);
    bool openServerDatabase(ServerAddress address, OpenMode mode, QString* failure);
    // Connects, asking for a password once when the server wants one that ~/.pgpass does not give; false with
    // an empty *error when the user cancelled.
    bool connectServer(ServerRegister& server, ServerAddress* address, const QString& title, QString* error);
    // Reads the register of a connected server into the window's collection and works on it from then on.
    bool enterServer(std::unique_ptr<ServerRegister> server, QString* failure);
    // Back to a file register: the server lets go of the collection.
    void leaveServer();
    void showServerState(int state, const QString& reason);
    void serverRefused(const QString& reason);
    void serverConflict(const ServerConflict& conflict);
    void itemChangedElsewhere(Item* item);
    void itemRemovedElsewhere(Item* item);
    // A lookup list was changed here (its files are written): on a server register it goes there too.
    void serverListsEdited();
    // Save on a server register: nothing to write, but a refused change must not pass for saved.
    bool saveOnServer();
    bool saveServerAs();
    // Writes the register and its lists as a file, and the window stays on the server.
    bool writeFileCopy(const QString& path);
    QString offlineText() const;
    // The item dialog's save gate on a server register (an ItemDialog::SaveVerdict).
    int gateServerSave(ItemDialog* dialog, Item* item, const Item& shown, Item& edited);
    // Undo and redo: on a server the step is refused when it would overwrite another workstation's change.
    void stepHistory(bool undo);
    template <typename Slot>
    QAction* makeAction(const char* objectName, const QString& text, const QKeySequence& shortcut, const QIcon& icon,
                        Slot slot);

    // Recent files, most recent first, and their menu entries.
    QStringList mRecentFiles;
    QList<QAction*> mRecentFileActions;
    QAction* mRecentSeparator = nullptr;
    std::unique_ptr<LogXML> mLog;
    // The open register's file; on a server, a name in the register folder for the files made beside it.
    QString mCurrentFileName;
    ItemListView* mListView = nullptr;
    ListFilterField* mFilterField = nullptr;
    DBItemCollection* mCollection = nullptr;
    QIcon mEditionIcon;
    QIcon mPictureIcon;
    QIcon mReceiptIcon;
    std::unique_ptr<::UpdateLocations> mLastImport;
    bool mQuitting = false;
    int mEndSignal = 0;
    QString mRecoveryFile; // the recovery file opened at start-up, until its changes are saved or dropped
    std::unique_ptr<ServerRegister> mServer;
    QLabel* mServerState = nullptr; // the connection in the status bar, while on a server
    int mServerRefusals = 0;

    QMenu* mFileMenu = nullptr;
    QMenu* mEditMenu = nullptr;
    QMenu* mViewMenu = nullptr;
    QMenu* mSetupMenu = nullptr;
    QMenu* mLanguageMenu = nullptr;
    QMenu* mHelpMenu = nullptr;
    QAction* mQuitAction = nullptr;
    QAction* mQuitSeparator = nullptr;

    // Tests and other parts reach the actions by their object names.
    QAction* FileNewAction = nullptr;
    QAction* FileOpenAction = nullptr;
    QAction* FileOpenServerAction = nullptr;
    QAction* FileCopyToServerAction = nullptr;
    QAction* UpdateLocationsAction = nullptr;
    QAction* FileSaveAction = nullptr;
    QAction* FileSaveAsAction = nullptr;
    QAction* FileBackupAction = nullptr;
    QAction* FileSaveAsHTMLAction = nullptr;
    QAction* FileSaveAsXMLAction = nullptr;
    QAction* FileExportCsvAction = nullptr;
    QAction* FileImportCsvAction = nullptr;
    QAction* FileSaveSettingsAction = nullptr;
    QAction* PrintBarcodeAction = nullptr;
    QAction* PrintAction = nullptr;
    QAction* InsuranceReportAction = nullptr;
    QAction* EditRecordAction = nullptr;
    QAction* EditDeleteAction = nullptr;
    QAction* EditSearchAction = nullptr;
    QAction* PrecreateAction = nullptr;
    QAction* PrintLabelsAction = nullptr;
    QAction* SetupLabelsAction = nullptr;
    QAction* EditUndoAction = nullptr;
    QAction* EditRedoAction = nullptr;
    QAction* ImportSummaryAction = nullptr;
    QAction* ViewAllAction = nullptr;
    QAction* ShowAllAsHTMLTableAction = nullptr;
    QAction* ShowAllAsHTMLAction = nullptr;
    QAction* ShowAllSpecialCasesAction = nullptr;
    QAction* ShowAllAsXMLAction = nullptr;
    QAction* ViewCurInHTMLAction = nullptr;
    QAction* ViewPictureAction = nullptr;
    QAction* ViewPicture2Action = nullptr;
    QAction* ViewUrlAction = nullptr;
    QAction* ViewDocAction = nullptr;
    QAction* ViewReportAction = nullptr;
    QAction* SetupLocationAction = nullptr;
    QAction* SetupGroupsAction = nullptr;
    QAction* SetupSupplierAction = nullptr;
    QAction* AboutAction = nullptr;
};
