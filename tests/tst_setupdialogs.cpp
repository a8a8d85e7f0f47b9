// The default-folder dialog (CommonSetup) and the pre-create dialog (AutomakeItems).
// The dialogs' headers need their forms' generated headers; naming them here has them generated for this test.
#include "ui_AutomakeItemsClass.h"
#include "ui_CommonSetupBase.h"

#include "TestSupport.h"
#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "setup/AutomakeItems.h"
#include "setup/CommonSetup.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestSetupDialogs : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestDialogs> m_dialogs;
    QString m_oldCurrent;
    QByteArray m_programFiles;

    void useEdition(int edition, const QString& language = QStringLiteral("dk")) {
        SetEdition(edition);
        Settings settings;
        settings.setValue(QStringLiteral("Language"), language);
        settings.setValue(QStringLiteral("LastDBDir"), DefaultDatabaseDir());
    }

private slots:
    void initTestCase() {
        TestSupport::isolateSettings(QStringLiteral("Brevane"));
        m_oldCurrent = QDir::currentPath();
        // One copy of the sample data serves every test; none of them changes the databases.
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        TestSupport::copyTree(TestSupport::sourceDir() + QStringLiteral("/data"), m_dir->path());
        m_programFiles = qgetenv("ProgramFiles");
    }

    void init() {
        TestSupport::clearSettings();
        qunsetenv("ProgramFiles");
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_dialogs = std::make_unique<TestDialogs>();
    }

    void cleanup() {
        m_dialogs.reset();
        // Lock files are the only thing the tests leave in the sample copy.
        for (const char* folder : {"db/DemoDBStd", "db/DemoDBFilm", "db/DemoDBCoins", "db/DemoBrevane"})
            QFile::remove(m_dir->filePath(QLatin1String(folder) + QStringLiteral("/LockFile.txt")));
        QDir::setCurrent(m_oldCurrent);
        DBItemCollection::SetModified(false);
        if (m_programFiles.isNull())
            qunsetenv("ProgramFiles");
        else
            qputenv("ProgramFiles", m_programFiles);
    }

    void commonSetupShowsTheDefaultFolders_data() {
        QTest::addColumn<QByteArray>("programFiles");
        QTest::addColumn<QString>("pictures");
        QTest::addColumn<QString>("documents");
        const QString pictures =
            QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
        const QString documents =
            QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QTest::newRow("the user's folders") << QByteArray() << pictures << documents;
        QTest::newRow("ProgramFiles set")
            << QByteArray("/opt/programs") << QDir::toNativeSeparators(QStringLiteral("/opt/programs/Tarnvold"))
            << QDir::toNativeSeparators(QStringLiteral("/opt/programs/Tarnvold"));
    }
    void commonSetupShowsTheDefaultFolders() {
        QFETCH(QByteArray, programFiles);
        QFETCH(QString, pictures);
        QFETCH(QString, documents);
        if (!programFiles.isEmpty())
            qputenv("ProgramFiles", programFiles);
        useEdition(Tovik);
        CommonSetup dialog(nullptr, QStringLiteral("Standardmapper"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Standardmapper"));
        QCOMPARE(dialog.PicturePathLineEdit->text(), pictures);
        QCOMPARE(dialog.ReceiptPathLineEdit->text(), pictures);
        QCOMPARE(dialog.DocumentPathLineEdit->text(), documents);
    }

    void commonSetupShowsTheStoredFolders() {
        useEdition(Tovik);
        Settings().setValue(QStringLiteral("ReceiptPath"), QStringLiteral("/srv/kvitteringer"));
        CommonSetup dialog;
        QCOMPARE(dialog.ReceiptPathLineEdit->text(), QStringLiteral("/srv/kvitteringer"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("CommonSetupDialogTitle"));
    }

    void commonSetupLabelsByEdition_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("Tovik") << int(Tovik) << "PICTURE_PATH"
                               << "RECEIPT_PATH";
        QTest::newRow("Brevane") << int(Brevane) << "PICTURE_PATH"
                                 << "RECEIPT_PATH";
        QTest::newRow("Pellin") << int(Pellin) << "BILLED_PATH"
                                << "KVITTERINGS_PATH";
        QTest::newRow("Ostrel") << int(Ostrel) << "OSTREL_FRONT_PICTURE_PATH"
                                << "OSTREL_BACK_PICTURE_PATH";
    }
    void commonSetupLabelsByEdition() {
        QFETCH(int, edition);
        QFETCH(QString, first);
        QFETCH(QString, second);
        useEdition(edition);
        CommonSetup dialog;
        QCOMPARE(dialog.PicturePathLabel->text(), first);
        QCOMPARE(dialog.ReceipthPathLabel->text(), second);
        QCOMPARE(dialog.ReceipthPathLabel_2->text(), QStringLiteral("DOCUMENT_PATH"));
        QCOMPARE(dialog.PicturePathLabel->toolTip(), QStringLiteral("TOOL_TIP_PICTURE_PATH"));
        QVERIFY(dialog.buttonHelp->isEnabled());
    }

    void commonSetupBrowses_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::newRow("pictures") << "DefinePicturePathButton"
                                  << "ChoseAPictureDirectory";
        QTest::newRow("receipts") << "DefineReceiptPathButton"
                                  << "ChoseAReceiptDirectory";
        QTest::newRow("documents") << "DefineDocumentPathButton"
                                   << "ChoseADocumentDirectory";
    }
    void commonSetupBrowses() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        useEdition(Tovik);
        for (const char* key : {"PicturePath", "ReceiptPath", "DocumentPath"})
            Settings().setValue(QLatin1String(key), QStringLiteral("/srv/start"));
        CommonSetup dialog;
        auto* browse = dialog.findChild<QPushButton*>(button);
        QVERIFY(browse);
        QLineEdit* edit = browse == dialog.DefinePicturePathButton   ? dialog.PicturePathLineEdit
                          : browse == dialog.DefineReceiptPathButton ? dialog.ReceiptPathLineEdit
                                                                     : dialog.DocumentPathLineEdit;
        QTest::mouseClick(browse, Qt::LeftButton); // cancelled
        QCOMPARE(edit->text(), QStringLiteral("/srv/start"));
        m_dialogs->chooseFile(QStringLiteral("/srv/new"));
        QTest::mouseClick(browse, Qt::LeftButton);
        QCOMPARE(edit->text(), QDir::toNativeSeparators(QStringLiteral("/srv/new")));
        QCOMPARE(m_dialogs->choosers.size(), 2);
        QCOMPARE(m_dialogs->choosers.at(1).mode, FileDialogRequest::ExistingDirectory);
        QCOMPARE(m_dialogs->choosers.at(1).caption, caption);
        QCOMPARE(m_dialogs->choosers.at(1).directory, QStringLiteral("/srv/start"));
        // Browsing stores nothing until Apply or OK.
        QCOMPARE(Settings().value(QStringLiteral("PicturePath")).toString(), QStringLiteral("/srv/start"));
    }

    void commonSetupAppliesWhatIsNotEmpty() {
        useEdition(Tovik);
        Settings().setValue(QStringLiteral("ReceiptPath"), QStringLiteral("/srv/old"));
        auto* dialog = new CommonSetup;
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        dialog->PicturePathLineEdit->setText(QStringLiteral("/srv/billeder"));
        dialog->ReceiptPathLineEdit->clear();
        QTest::mouseClick(dialog->buttonApply, Qt::LeftButton);
        Settings settings;
        QCOMPARE(settings.value(QStringLiteral("PicturePath")).toString(), QStringLiteral("/srv/billeder"));
        QCOMPARE(settings.value(QStringLiteral("ReceiptPath")).toString(), QStringLiteral("/srv/old"));
        QVERIFY(dialog->isVisible());

        dialog->DocumentPathLineEdit->setText(QStringLiteral("/srv/dokumenter"));
        QTest::mouseClick(dialog->buttonOk, Qt::LeftButton);
        QCOMPARE(Settings().value(QStringLiteral("DocumentPath")).toString(), QStringLiteral("/srv/dokumenter"));
    }

    void commonSetupCancelStoresNothing() {
        useEdition(Tovik);
        CommonSetup dialog;
        dialog.show();
        dialog.PicturePathLineEdit->setText(QStringLiteral("/srv/billeder"));
        QTest::mouseClick(dialog.buttonCancel, Qt::LeftButton);
        QVERIFY(!Settings().contains(QStringLiteral("PicturePath")));
    }

    void commonSetupHelp_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("Tovik") << int(Tovik) << "dk"
                               << "/help/CommonSetupDialog.dk.htm";
        QTest::newRow("Ostrel") << int(Ostrel) << "no"
                                << "/help/CommonSetupDialog.Ostrel.no.htm";
        QTest::newRow("English") << int(Tovik) << "en"
                                 << "";
    }
    void commonSetupHelp() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(QString, page);
        RecordingLauncher launcher;
        useEdition(edition, language);
        CommonSetup dialog;
        QCOMPARE(dialog.buttonHelp->isEnabled(), !page.isEmpty());
        if (page.isEmpty())
            return;
        QTest::mouseClick(dialog.buttonHelp, Qt::LeftButton);
        QCOMPARE(launcher.opened.size(), 1);
        QCOMPARE(launcher.opened.at(0).toLocalFile(), QDir::currentPath() + page);
        QCOMPARE(m_dialogs->boxes.size(), 0);
    }

    void automakeItemsNumbersOnFromTheHighest() {
        useEdition(Brevane);
        DBItemCollection collection(nullptr);
        for (const char* serial : {"57", "12"}) {
            auto* item = new Item;
            item->SetName(QStringLiteral("Stikkontakt"));
            item->SetSerialno(QLatin1String(serial));
            collection.Add(item);
        }
        ItemListView view(nullptr);
        view.SetCollection(&collection);
        view.Fill(&collection);
        DBItemCollection::SetModified(false);

        AutomakeItems dialog(&collection, &view);
        dialog.show();
        QTest::keyClicks(dialog.lineEdit, QStringLiteral("3"));
        QCOMPARE(dialog.NumberToMake(), 3);
        QTest::keyClicks(dialog.nameLineEdit, QStringLiteral("Ny vare"));
        QTest::mouseClick(dialog.pushButtonMakeItems, Qt::LeftButton);
        QCOMPARE(m_dialogs->boxes.size(), 0);
        QCOMPARE(collection.Count(), 5);
        QVERIFY(DBItemCollection::IsModified());
        const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
        QStringList serials;
        for (int i = 2; i < 5; ++i) {
            Item* item = collection.At(i);
            serials << item->GetSerialno();
            QCOMPARE(item->GetName(), QStringLiteral("Ny vare"));
            QCOMPARE(item->GetNumberOfItems(), 1);
            QCOMPARE(item->GetGroup(), 0);
            QCOMPARE(item->GetDate(), today);
            QCOMPARE(view.Model()->IndexOf(item).parent(), view.Model()->GroupIndex(0));
        }
        QCOMPARE(serials, (QStringList{"58", "59", "60"}));

        // The dialog stays open for another batch.
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.pushButtonMakeItems, Qt::LeftButton);
        QCOMPARE(collection.Count(), 8);
        QCOMPARE(collection.At(7)->GetSerialno(), QStringLiteral("63"));
        QTest::mouseClick(dialog.pushButtonClose, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void automakeItemsInAnEmptyDatabaseStartAfterTheStartNumber() {
        useEdition(Brevane);
        Settings().setValue(QStringLiteral("Setup/StartSerialNumber"), 1000);
        DBItemCollection collection(nullptr);
        ItemListView view(nullptr);
        view.SetCollection(&collection);
        AutomakeItems dialog(&collection, &view);
        QTest::keyClicks(dialog.lineEdit, QStringLiteral("1"));
        QTest::mouseClick(dialog.pushButtonMakeItems, Qt::LeftButton);
        QCOMPARE(collection.Count(), 1);
        QCOMPARE(collection.At(0)->GetSerialno(), QStringLiteral("1001"));
    }

    void automakeItemsRefusesNumbersOutsideOneTo999_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("warnings");
        // Every change of the text is checked, so each keystroke that leaves no valid number warns.
        QTest::newRow("1000") << "1000" << 1;
        QTest::newRow("0") << "0" << 1;
        QTest::newRow("letters") << "ti" << 2;
    }
    void automakeItemsRefusesNumbersOutsideOneTo999() {
        QFETCH(QString, typed);
        QFETCH(int, warnings);
        useEdition(Brevane);
        DBItemCollection collection(nullptr);
        ItemListView view(nullptr);
        view.SetCollection(&collection);
        AutomakeItems dialog(&collection, &view);
        QTest::keyClicks(dialog.lineEdit, typed);
        QCOMPARE(dialog.NumberToMake(), 0);
        QCOMPARE(m_dialogs->boxes.size(), warnings);
        QCOMPARE(m_dialogs->lastTitle(), QStringLiteral("Warning"));
        QCOMPARE(m_dialogs->lastText(), QStringLiteral("Number of items must be:\nGreater than 0 and less than 1000"));
        QCOMPARE(m_dialogs->boxes.last().icon, MessageBoxRequest::Warning);
        QTest::mouseClick(dialog.pushButtonMakeItems, Qt::LeftButton);
        QCOMPARE(collection.Count(), 0);
    }

    void automakeItemsWarnsWhenTheNumberIsEmptied() {
        useEdition(Brevane);
        DBItemCollection collection(nullptr);
        AutomakeItems dialog(&collection, nullptr);
        QTest::keyClicks(dialog.lineEdit, QStringLiteral("5"));
        QCOMPARE(dialog.NumberToMake(), 5);
        QCOMPARE(m_dialogs->boxes.size(), 0);
        QTest::keyClick(dialog.lineEdit, Qt::Key_Backspace);
        QCOMPARE(dialog.NumberToMake(), 0);
        QCOMPARE(m_dialogs->boxes.size(), 1);
    }

    void automakeItemsMakesNothingInALockedDatabase() {
        useEdition(Brevane);
        QVERIFY(TestSupport::writeAll(DefaultDatabaseDir() + QStringLiteral("/LockFile.txt"), "held by another"));
        DBItemCollection collection(nullptr);
        collection.LoadFromAsciiFile(DefaultDatabasePath());
        QVERIFY(collection.IsReadOnly());
        const int before = collection.Count();
        AutomakeItems dialog(&collection, nullptr);
        QVERIFY(!dialog.pushButtonMakeItems->isEnabled());
        QTest::keyClicks(dialog.lineEdit, QStringLiteral("2"));
        dialog.on_pushButtonMakeItems_clicked();
        QCOMPARE(collection.Count(), before);
    }
};

QTEST_MAIN(TestSetupDialogs)
#include "tst_setupdialogs.moc"
