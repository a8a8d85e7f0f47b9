#include "app/AppNames.h"
#include "app/Edition.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/ListFilterField.h"
#include "mainwindow/vestrumwindow.h"

#include "core/DBItemCollection.h"
#include "core/ItemCommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QUndoStack>
#include <QWhatsThis>

namespace {
// A tool tip made of a menu text: without its shortcut mark and its trailing dots.
QString toolTipOf(QString text) {
    text.remove(QLatin1Char('&'));
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.trimmed();
}
} // namespace

template <typename Slot>
QAction* MainWindow::makeAction(const char* objectName, const QString& text, const QKeySequence& shortcut,
                                const QIcon& icon, Slot slot) {
    auto* action = new QAction(icon, text, this);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(shortcut);
    action->setToolTip(toolTipOf(text));
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void MainWindow::buildMenus() {
    const QIcon noIcon;
    const QIcon printIcon(QStringLiteral(":/icons/print.xpm"));

    // File
    mFileMenu = menuBar()->addMenu(tr("&Fil"));
    mFileMenu->setObjectName(QStringLiteral("FileMenu"));
    FileNewAction = makeAction("FileNew", tr("FILE_NEW"), QKeySequence(Qt::CTRL | Qt::Key_N),
                               QIcon(QStringLiteral(":/icons/filenew.xpm")), &MainWindow::FileNew);
    FileNewAction->setWhatsThis(tr("HELP_TEXT_FILE_NEW"));
    mFileMenu->addAction(FileNewAction);
    FileOpenAction = makeAction("FileOpen", tr("FILE_OPEN"), QKeySequence(Qt::CTRL | Qt::Key_O),
                                QIcon(QStringLiteral(":/icons/fileopen.xpm")), qOverload<>(&MainWindow::Load));
    FileOpenAction->setWhatsThis(tr("HELP_TEXT_FILE_OPEN"));
    mFileMenu->addAction(FileOpenAction);
    buildServerActions();
    mFileMenu->addAction(FileOpenServerAction);
    if (IsBrevane()) {
        UpdateLocationsAction = makeAction("UpdateLocations", tr("UPDATE_LOCATIONS..."), QKeySequence(), noIcon,
                                           &MainWindow::UpdateLocations);
        UpdateLocationsAction->setWhatsThis(tr("HELP_TEXT_FILE_UPDATE_LOCATIONS"));
        mFileMenu->addAction(UpdateLocationsAction);
        mListView->AddToContextMenu(UpdateLocationsAction);
    }
    mFileMenu->addSeparator();
    FileSaveAction = makeAction("FileSave", tr("FILE_SAVE"), QKeySequence(Qt::CTRL | Qt::Key_S),
                                QIcon(QStringLiteral(":/icons/filesave.xpm")), qOverload<>(&MainWindow::Save));
    FileSaveAction->setWhatsThis(tr("HELP_TEXT_FILE_SAVE"));
    mFileMenu->addAction(FileSaveAction);
    FileSaveAsAction =
        makeAction("FileSaveAs", tr("FILE_SAVE_AS"), QKeySequence(), noIcon, qOverload<>(&MainWindow::SaveAs));
    FileSaveAsAction->setWhatsThis(tr("HELP_TEXT_FILE_SAVE_AS"));
    mFileMenu->addAction(FileSaveAsAction);
    FileBackupAction =
        makeAction("FileBackup", tr("BACKUP..."), QKeySequence(), noIcon, qOverload<>(&MainWindow::Backup));
    FileBackupAction->setWhatsThis(tr("HELP_TEXT_FILE_BACKUP"));
    mFileMenu->addAction(FileBackupAction);
    mFileMenu->addAction(FileCopyToServerAction);
    mFileMenu->addSeparator();
    FileSaveAsHTMLAction =
        makeAction("FileSaveAsHTML", tr("SAVE_AS_HTML"), QKeySequence(), noIcon, qOverload<>(&MainWindow::SaveAsHTML));
    mFileMenu->addAction(FileSaveAsHTMLAction);
    FileSaveAsXMLAction =
        makeAction("FileSaveAsXML", tr("SAVE_AS_XML"), QKeySequence(), noIcon, qOverload<>(&MainWindow::SaveAsXML));
    mFileMenu->addAction(FileSaveAsXMLAction);
    QMenu* exportMenu = mFileMenu->addMenu(tr("Eks&portér"));
    exportMenu->setObjectName(QStringLiteral("FileExportMenu"));
    exportMenu->menuAction()->setObjectName(QStringLiteral("FileExport"));
    FileExportCsvAction =
        makeAction("FileExportCsv", tr("&CSV-fil..."), QKeySequence(), noIcon, &MainWindow::ExportCsv);
    exportMenu->addAction(FileExportCsvAction);
    QMenu* importMenu = mFileMenu->addMenu(tr("In&dlæs"));
    importMenu->setObjectName(QStringLiteral("FileImportMenu"));
    importMenu->menuAction()->setObjectName(QStringLiteral("FileImport"));
    FileImportCsvAction =
        makeAction("FileImportCsv", tr("&CSV-fil..."), QKeySequence(), noIcon, &MainWindow::ImportCsv);
    importMenu->addAction(FileImportCsvAction);
    FileSaveSettingsAction =
        makeAction("FileSaveSettings", tr("SAVE_SETTINGS"), QKeySequence(), noIcon, &MainWindow::SaveSettings);
    FileSaveSettingsAction->setWhatsThis(tr("HELP_TEXT_FILE_SAVESETTINGS"));
    mFileMenu->addAction(FileSaveSettingsAction);
    mFileMenu->addSeparator();
    if (IsBrevane()) {
        PrintBarcodeAction = makeAction("PrintBarcode", tr("PRINT_BARCODE..."), QKeySequence(Qt::CTRL | Qt::Key_B),
                                        printIcon, &MainWindow::PrintBarcode);
        PrintBarcodeAction->setWhatsThis(tr("HELP_TEXT_FILE_PRINT_BARCODE"));
        mFileMenu->addAction(PrintBarcodeAction);
        mListView->AddToContextMenu(PrintBarcodeAction);
    }
    PrintAction =
        makeAction("Print", tr("Udskriv..."), QKeySequence(Qt::CTRL | Qt::Key_P), printIcon, &MainWindow::Print);
    PrintAction->setWhatsThis(tr("HELP_TEXT_FILE_PRINT"));
    PrintAction->setEnabled(false); // until a database is loaded
    mFileMenu->addAction(PrintAction);
    mListView->AddToContextMenu(PrintAction);
    InsuranceReportAction =
        makeAction("FileInsuranceReport", tr("Forsikringsopgørelse (PDF)..."), QKeySequence(),
                   QIcon(QStringLiteral(":/icons/insurance.xpm")), &MainWindow::MakeInsuranceReport);
    InsuranceReportAction->setWhatsThis(
        tr("Skriver en PDF til forsikringsselskabet: hver genstand med billede, kvittering og værdi, rum for rum, "
           "med totaler"));
    mFileMenu->addAction(InsuranceReportAction);
    mFileMenu->addSeparator();
    mQuitSeparator = mFileMenu->addSeparator();
    mQuitAction = makeAction("FileQuit", tr("QUIT"), QKeySequence(Qt::CTRL | Qt::Key_Q), noIcon, &MainWindow::Quit);
    mQuitAction->setMenuRole(QAction::QuitRole);
    mFileMenu->addAction(mQuitAction);
    rebuildRecentFileMenu();

    // Edit
    mEditMenu = menuBar()->addMenu(tr("&Rediger"));
    mEditMenu->setObjectName(QStringLiteral("EditMenu"));
    QString editText, deleteText, searchText, editTip;
    if (IsBrevane()) {
        editText = tr("BrevaneEdit");
        deleteText = tr("BrevaneEditDelete");
        searchText = tr("BrevaneEditSearch");
        editTip = tr("BrevaneEdit");
    } else if (IsOstrel()) {
        editText = tr("OstrelEdit");
        deleteText = tr("OstrelEditDelete");
        searchText = tr("OstrelEditSearc");
        editTip = tr("OstrelEdit");
    } else if (IsPellin()) {
        editText = tr("PellinEdit");
        deleteText = tr("PellinEditDelete");
        searchText = tr("PellinEditSearc");
        editTip = tr("PellinEdit");
    } else {
        editText = tr("TOOLTIP_EDIT_FURNITURE");
        // The menu names what it acts on, as the other editions' do.
        deleteText = tr("TovikEditDelete");
        searchText = tr("TovikEditSearch");
        editTip = tr("TOOLTIP_EDIT_FURNITURE");
    }
    // Undo and redo name the step they take back or do again ("Fortryd sletning af 'Stol'").
    QUndoStack* history = mCollection->UndoStack();
    EditUndoAction = history->createUndoAction(this, ItemCommands::UndoPrefix());
    EditUndoAction->setObjectName(QStringLiteral("EditUndo"));
    EditUndoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mEditMenu->addAction(EditUndoAction);
    EditRedoAction = history->createRedoAction(this, ItemCommands::RedoPrefix());
    EditRedoAction->setObjectName(QStringLiteral("EditRedo"));
    EditRedoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mEditMenu->addAction(EditRedoAction);
    for (QAction* step : {EditUndoAction, EditRedoAction}) {
        disconnect(step, &QAction::triggered, history, nullptr);
        connect(step, &QAction::triggered, this, [this, step] { stepHistory(step == EditUndoAction); });
    }
    mEditMenu->addSeparator();
    EditRecordAction =
        makeAction("EditRecord", editText, QKeySequence(Qt::CTRL | Qt::Key_I), mEditionIcon, &MainWindow::EditItem);
    EditRecordAction->setWhatsThis(tr("HELP_TEXT_EDIT_ELEMENT"));
    EditRecordAction->setToolTip(toolTipOf(editTip));
    mEditMenu->addAction(EditRecordAction);
    EditDeleteAction =
        makeAction("EditDelete", deleteText, QKeySequence(Qt::Key_Delete), noIcon, &MainWindow::DeleteItem);
    mEditMenu->addAction(EditDeleteAction);
    EditSearchAction = makeAction("EditSearch", searchText, QKeySequence(Qt::CTRL | Qt::Key_F),
                                  QIcon(QStringLiteral(":/icons/search.xpm")), &MainWindow::SearchRecord);
    EditSearchAction->setWhatsThis(tr("TOOLTIP_SEARCH_BTN"));
    mEditMenu->addAction(EditSearchAction);
    if (IsBrevane()) {
        PrecreateAction = makeAction("Precreate", tr("Precreate items in Brevane"), QKeySequence(), noIcon,
                                     &MainWindow::AutoMakeItems);
        mEditMenu->addAction(PrecreateAction);
        mEditMenu->addSeparator();
        ImportSummaryAction = makeAction("EditImportSummary", tr("Oversigt over indlæsningen..."), QKeySequence(),
                                         noIcon, &MainWindow::ShowImportSummary);
        mEditMenu->addAction(ImportSummaryAction);
        updateImportActions();
    }
    if (!IsBrevane()) {
        // Brevane prints labels from its File menu; the other editions label coin holders, boxes and shelves.
        PrintLabelsAction = makeAction("PrintLabels", IsOstrel() ? tr("Møntholder-etiketter...") : tr("Etiketter..."),
                                       QKeySequence(Qt::CTRL | Qt::Key_B), printIcon, &MainWindow::PrintLabels);
        PrintLabelsAction->setWhatsThis(tr("Udskriver etiketter for de valgte rækker med den valgte etiketprofil"));
        mEditMenu->addAction(PrintLabelsAction);
    }
    mListView->AddToContextMenu(EditRecordAction);
    mListView->AddToContextMenu(EditDeleteAction);
    mListView->AddToContextMenu(EditSearchAction);

    // View
    mViewMenu = menuBar()->addMenu(tr("&Vis"));
    mViewMenu->setObjectName(QStringLiteral("ViewMenu"));
    ViewAllAction =
        makeAction("ViewAll", tr("Vis &alle"), QKeySequence(Qt::CTRL | Qt::Key_A), noIcon, &MainWindow::ViewAllItems);
    ViewAllAction->setCheckable(true);
    mViewMenu->addAction(ViewAllAction);
    // One Ctrl+H only: three entries sharing it would make the key do nothing at all.
    ShowAllAsHTMLTableAction = makeAction("EditShowAllAsHTMLTable", tr("VIEW_ALL_HTML_TABLE"),
                                          QKeySequence(Qt::CTRL | Qt::Key_H), noIcon, &MainWindow::ShowAllAsHTMLTable);
    mViewMenu->addAction(ShowAllAsHTMLTableAction);
    ShowAllAsHTMLAction =
        makeAction("EditShowAllAsHTML", tr("VIEW_ALL_AS_HTML"), QKeySequence(), noIcon, &MainWindow::ShowAllAsHTML);
    mViewMenu->addAction(ShowAllAsHTMLAction);
    mListView->AddToContextMenu(nullptr);
    if (IsOstrel()) {
        ShowAllSpecialCasesAction =
            makeAction("EditShowAllSpecialCasesAsHTML", tr("VIEW_ALL_SPECIAL_OSTREL_CASES_AS_HTML"), QKeySequence(),
                       noIcon, &MainWindow::ShowAllSpecialCasesAsHTML);
        ShowAllSpecialCasesAction->setWhatsThis(tr("WHATS_THIS_VIEW_ALL_SPECIAL_OSTREL_CASES_AS_HTML"));
        mViewMenu->addAction(ShowAllSpecialCasesAction);
    }
    ShowAllAsXMLAction = makeAction("EditShowAllAsXML", tr("VIEW_ALL_AS_XML"), QKeySequence(Qt::CTRL | Qt::Key_X),
                                    noIcon, &MainWindow::ShowAllAsXML);
    mViewMenu->addAction(ShowAllAsXMLAction);
    mViewMenu->addSeparator();
    ViewCurInHTMLAction = makeAction("ViewCurInHTML", tr("VIEW_CURRENT_AS_HTML"), QKeySequence(Qt::SHIFT | Qt::Key_H),
                                     noIcon, &MainWindow::ViewCurrentAsHTML);
    ViewCurInHTMLAction->setWhatsThis(tr("WHATS_THIS_VIEW_CURRENT_AS_HTML"));
    QString pictureText, picture2Text;
    if (IsOstrel()) {
        pictureText = tr("TOOLTIP_SHOW_FRONTSIDE_PICTURE_OSTREL");
        picture2Text = tr("TOOLTIP_SHOW_BACKSIDE_PICTURE_OSTREL");
    } else if (IsPellin()) {
        pictureText = tr("PELLIN_SHOW_PICTURE");
        picture2Text = tr("PELLIN_SHOW_PICTURE2");
    } else {
        pictureText = tr("VIS_BILLEDE");
        picture2Text = tr("VIS_KVITTERING");
    }
    ViewPictureAction = makeAction("ViewPicture", pictureText, QKeySequence(Qt::SHIFT | Qt::Key_I), mPictureIcon,
                                   &MainWindow::ShowPictureOne);
    ViewPictureAction->setWhatsThis(tr("TOOLTIP_SHOW_IMAGE_BTN"));
    ViewPicture2Action = makeAction("ViewPicture2", picture2Text, QKeySequence(Qt::SHIFT | Qt::Key_J),
                                    IsTovik() ? mReceiptIcon : mPictureIcon, &MainWindow::ShowReceipt);
    ViewPicture2Action->setWhatsThis(IsOstrel() ? tr("HELP_TEXT_VIEW_BACKSIDE_PICTURE_OSTREL")
                                                : tr("HELP_TEXT_VIEW_RECEIPT"));
    ViewUrlAction = makeAction("ViewUrl", tr("VIS_WWW"), QKeySequence(Qt::SHIFT | Qt::Key_W),
                               QIcon(QStringLiteral(":/icons/web.xpm")), &MainWindow::ShowUrl);
    ViewUrlAction->setWhatsThis(tr("HELP_TEXT_VIEW_URL"));
    ViewDocAction = makeAction("ViewDoc", tr("VIS_DOCUMENT"), QKeySequence(Qt::SHIFT | Qt::Key_D),
                               QIcon(QStringLiteral(":/icons/document.xpm")), &MainWindow::ShowDocument);
    ViewDocAction->setWhatsThis(tr("HELP_TEXT_VIEW_DOCUMENTATION"));
    for (QAction* action : {ViewCurInHTMLAction, ViewPictureAction, ViewPicture2Action, ViewUrlAction, ViewDocAction}) {
        action->setEnabled(false); // until a row with that link is chosen
        mViewMenu->addAction(action);
        mListView->AddToContextMenu(action);
    }
    mViewMenu->addSeparator();
    ViewReportAction = makeAction("ViewReport", tr("&Rapport..."), QKeySequence(Qt::CTRL | Qt::Key_R),
                                  QIcon(QStringLiteral(":/icons/report.xpm")), &MainWindow::MakeReport);
    ViewReportAction->setWhatsThis(tr("HELP_TEXT_EDIT_REPORT"));
    mViewMenu->addAction(ViewReportAction);

    // Setup
    mSetupMenu = menuBar()->addMenu(tr("&Opsætning"));
    mSetupMenu->setObjectName(QStringLiteral("SetupMenu"));
    mSetupMenu->addAction(makeAction("SetupWhatToPrint", tr("&Udskrivning..."), QKeySequence(Qt::SHIFT | Qt::Key_U),
                                     noIcon, &MainWindow::SetupWhatToPrint));
    SetupLocationAction =
        makeAction("SetupLocation", tr("&Lokaler/rum..."), QKeySequence(), noIcon, &MainWindow::SetupLocation);
    mSetupMenu->addAction(SetupLocationAction);
    SetupGroupsAction = makeAction("SetupGroups", tr("&Grupper..."), QKeySequence(), noIcon, &MainWindow::SetupGroups);
    mSetupMenu->addAction(SetupGroupsAction);
    SetupSupplierAction =
        makeAction("SetupSupplier", tr("LEVERANDØRER"), QKeySequence(), noIcon, &MainWindow::SetupSupplier);
    mSetupMenu->addAction(SetupSupplierAction);
    mSetupMenu->addSeparator();
    mSetupMenu->addAction(makeAction("SetupPictureViewer", tr("&Billedfremviser..."), QKeySequence(), noIcon,
                                     &MainWindow::browsePictureViewer_slot));
    mSetupMenu->addAction(
        makeAction("SetupWwwProgram", tr("&Webbrowser..."), QKeySequence(), noIcon, &MainWindow::browseWWWViewer_slot));
    mSetupMenu->addAction(
        makeAction("SetupCommon", tr("SetupDefaultDirectories"), QKeySequence(), noIcon, &MainWindow::SetupCommon));
    SetupLabelsAction =
        makeAction("SetupLabels", tr("&Etiketter..."), QKeySequence(), noIcon, &MainWindow::SetupLabels);
    mSetupMenu->addAction(SetupLabelsAction);

    // Language
    mLanguageMenu = menuBar()->addMenu(tr("LANGUAGE_MENU"));
    mLanguageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    mLanguageMenu->addAction(
        makeAction("LanguageDanish", tr("DANISH_LANG..."), QKeySequence(), noIcon, &MainWindow::DkLanguage));
    if (!IsBrevane())
        mLanguageMenu->addAction(
            makeAction("LanguageNorwegian", tr("NORWAY_LANG..."), QKeySequence(), noIcon, &MainWindow::NoLanguage));
    mLanguageMenu->addAction(
        makeAction("LanguageEnglish", tr("ENGLISH_LANG..."), QKeySequence(), noIcon, &MainWindow::EnLanguage));

    // Help: every edition has its pages in every language.
    mHelpMenu = menuBar()->addMenu(tr("&Hjælp"));
    mHelpMenu->setObjectName(QStringLiteral("HelpMenu"));
    mHelpMenu->addAction(makeAction("HelpHelp", tr("&Hjælp..."), QKeySequence(Qt::Key_F1), noIcon, &MainWindow::Help));
    mHelpMenu->addAction(
        makeAction("HelpTutorial", tr("&Tutorial..."), QKeySequence(), noIcon, &MainWindow::HelpTutorial));
    mHelpMenu->addAction(makeAction("HelpLinks", tr("&Links..."), QKeySequence(), noIcon, &MainWindow::HelpLinks));
    mHelpMenu->addAction(makeAction("HelpErrorHandling", tr("&ErrorHandling..."), QKeySequence(), noIcon,
                                    &MainWindow::HelpErrorHandling));
    mHelpMenu->addAction(
        makeAction("HelpReleases", tr("&Versionsnoter..."), QKeySequence(), noIcon, &MainWindow::HelpReleases));
    auto* whatsThis = new QAction(tr("Hvad er &dette?"), this);
    whatsThis->setObjectName(QStringLiteral("HelpWhatsThis"));
    whatsThis->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    connect(whatsThis, &QAction::triggered, this, [] { QWhatsThis::enterWhatsThisMode(); });
    mHelpMenu->addAction(whatsThis);
    mHelpMenu->addSeparator();
    AboutAction =
        makeAction("HelpAbout", tr("&Om Tovik..."), QKeySequence(Qt::CTRL | Qt::Key_F1), noIcon, &MainWindow::About);
    AboutAction->setMenuRole(QAction::AboutRole);
    mHelpMenu->addAction(AboutAction);
}

void MainWindow::buildToolBars() {
    QToolBar* file = addToolBar(tr("Fil"));
    file->setObjectName(QStringLiteral("FileToolBar"));
    file->addAction(FileNewAction);
    file->addAction(FileOpenAction);
    file->addAction(FileSaveAction);
    file->addAction(PrintAction);
    file->addAction(InsuranceReportAction);
    QAction* whatsThis = QWhatsThis::createAction(this);
    whatsThis->setObjectName(QStringLiteral("WhatsThisButton"));
    file->addAction(whatsThis);
    QToolBar* tools = addToolBar(tr("Tools"));
    tools->setObjectName(QStringLiteral("ToolsToolBar"));
    for (QAction* action :
         {EditRecordAction, EditSearchAction, ViewPictureAction, ViewPicture2Action, ViewUrlAction, ViewDocAction})
        tools->addAction(action);

    QToolBar* filter = addToolBar(tr("Filtrér"));
    filter->setObjectName(QStringLiteral("FilterToolBar"));
    mFilterField = new ListFilterField(filter);
    filter->addWidget(mFilterField);
    connect(mFilterField, &QLineEdit::textChanged, mListView, &ItemListView::SetFilter);
    connect(mFilterField, &ListFilterField::leaveRequested, mListView, qOverload<>(&QWidget::setFocus));
    connect(mListView, &ItemListView::filterRequested, mFilterField, &ListFilterField::TakeFocus);
    auto* focusFilter = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(focusFilter, &QShortcut::activated, mFilterField, &ListFilterField::TakeFocus);
}
