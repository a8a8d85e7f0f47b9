#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <vector>

class DBItemCollection;
class Item;
class ItemListView;
class LocationImportUndo;
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

    // True when the start-up database could not be read; the program then ends without showing the window.
    bool StartupFailed() const { return mStartupFailed; }
    // The signal that asked the program to end, 0 while none did.
    int EndSignal() const { return mEndSignal; }
    DBItemCollection* Collection() const { return mCollection; }
    ItemListView* ListView() const { return mListView; }
    QString CurrentFileName() const { return mCurrentFileName; }
    QStringList RecentFiles() const { return mRecentFiles; }

    // Reads the start-up database (mCurrentFileName); on failure the next start opens the sample.
    bool LoadItemFile();
    // Asks whether to save a changed database; false when the user cancels or the save fails.
    bool SaveQuestion();
    void OpenStartupDatabase();
    // The export files shown to the user: in "AppData", or the database folder when it is not set.
    QString GetHtmlOutputFile(const QString& htmlFileName) const;
    QString GetXmlOutputFile(const QString& xmlFileName) const;

signals:
    void message(const QString& text, int milliseconds);
    void message(const QString& text);

public slots:
    void FileNew();
    void Load(bool ShowOpenDialog);
    void Load() { Load(true); }
    void OpenRecentFile(int param);
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
    // Edit → "Undo import": the items as they were before the last scanner import, while it is the last change.
    void UndoImport();
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
    void afterLoadUpdate();
    void showReadOnly(bool readOnly);
    void rebuildRecentFileMenu();
    void writeRecentFiles();
    // The hook for the list's filter: true with its hits when a filter is set. The insurance report offers
    // the hits as its scope then.
    bool filterHitsForReport(std::vector<const Item*>* hits) const;
    // The items of the chosen item rows and group rows, for labels.
    std::vector<const Item*> itemsForLabels() const;
    void resetToDefaultDatabase();
    void setLanguage(const char* code);
    QString chooseViewerProgram(const QString& caption, const QString& filter);
    bool closeDatabase();
    // At start-up: offers the recovery file a signal left; true when it was opened (or the start failed).
    bool offerRecovery();
    // The recovered changes are saved or dropped: their file goes.
    void forgetRecovery();
    // Startup: the remembered folder stays; Command: a file the user asked for, after the save question;
    // Reread: the open file again, right after the question has dealt with its changes.
    enum class OpenMode { Startup, Command, Reread };
    // Opens a database in place of the open one, which changes only when the file has loaded (and the
    // save question, when asked, let the open one go); otherwise one box says why and nothing changes.
    bool openDatabase(const QString& path, OpenMode mode);
    // Empties the open database after the save question; false when the user keeps it.
    bool dropDatabase();
    bool writeHtmlExport(bool showSpecialCase, bool saveAsHtmlTable, const QString& htmlOutputFile);
    bool writeXmlExport(const QString& xmlOutputFile);
    void refillList();
    void updateImportActions();
    void dropImport();
    template <typename Slot>
    QAction* makeAction(const char* objectName, const QString& text, const QKeySequence& shortcut, const QIcon& icon,
                        Slot slot);

    // Recent files, most recent first, and their menu entries.
    QStringList mRecentFiles;
    QList<QAction*> mRecentFileActions;
    QAction* mRecentSeparator = nullptr;
    std::unique_ptr<LogXML> mLog;
    QString mCurrentFileName;
    ItemListView* mListView = nullptr;
    DBItemCollection* mCollection = nullptr;
    QIcon mEditionIcon;
    QIcon mPictureIcon;
    QIcon mReceiptIcon;
    std::unique_ptr<::UpdateLocations> mLastImport;
    std::unique_ptr<LocationImportUndo> mImportUndo;
    bool mStartupFailed = false;
    bool mQuitting = false;
    int mEndSignal = 0;
    QString mRecoveryFile; // the recovery file opened at start-up, until its changes are saved or dropped

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
    QAction* UpdateLocationsAction = nullptr;
    QAction* FileSaveAction = nullptr;
    QAction* FileSaveAsAction = nullptr;
    QAction* FileBackupAction = nullptr;
    QAction* FileSaveAsHTMLAction = nullptr;
    QAction* FileSaveAsXMLAction = nullptr;
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
    QAction* UndoImportAction = nullptr;
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
