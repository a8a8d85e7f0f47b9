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

    static QString stored(const char* key) { return Settings().value(QLatin1String(key)).toString(); }

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

    // Without a stored folder: the user's Pictures and Documents folders ("ProgramFiles"\Tarnvold where that
    // variable is set); a stored folder wins.
    void commonSetupShowsTheFolders_data() {
        QTest::addColumn<QByteArray>("programFiles");
        QTest::addColumn<QString>("storedReceipts");
        QTest::addColumn<QStringList>("shown");
        const QString pictures =
            QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
        const QString documents =
            QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        const QString tarnvold = QDir::toNativeSeparators(QStringLiteral("/opt/programs/Tarnvold"));
        QTest::newRow("the user's folders") << QByteArray() << QString() << QStringList{pictures, pictures, documents};
        QTest::newRow("ProgramFiles set")
            << QByteArray("/opt/programs") << QString() << QStringList{tarnvold, tarnvold, tarnvold};
        QTest::newRow("a stored folder") << QByteArray() << QStringLiteral("/srv/kvitteringer")
                                         << QStringList{pictures, QStringLiteral("/srv/kvitteringer"), documents};
    }
    void commonSetupShowsTheFolders() {
        QFETCH(QByteArray, programFiles);
        QFETCH(QString, storedReceipts);
        QFETCH(QStringList, shown);
        if (!programFiles.isEmpty())
            qputenv("ProgramFiles", programFiles);
        useEdition(Tovik);
        if (!storedReceipts.isEmpty())
            Settings().setValue(QStringLiteral("ReceiptPath"), storedReceipts);
        CommonSetup dialog(nullptr, QStringLiteral("Standardmapper"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Standardmapper"));
        QCOMPARE((QStringList{dialog.PicturePathLineEdit->text(), dialog.ReceiptPathLineEdit->text(),
                              dialog.DocumentPathLineEdit->text()}),
                 shown);
    }

    // Each browse button chooses a folder, starting in the stored one; a cancelled choice changes nothing,
    // and nothing is stored before Apply or OK.
    void commonSetupBrowses() {
        useEdition(Tovik);
        for (const char* key : {"PicturePath", "ReceiptPath", "DocumentPath"})
            Settings().setValue(QLatin1String(key), QStringLiteral("/srv/start"));
        CommonSetup dialog;
        QTest::mouseClick(dialog.DefinePicturePathButton, Qt::LeftButton); // cancelled
        QCOMPARE(dialog.PicturePathLineEdit->text(), QStringLiteral("/srv/start"));
        for (const QString& folder : {QStringLiteral("/srv/a"), QStringLiteral("/srv/b"), QStringLiteral("/srv/c")})
            m_dialogs->chooseFile(folder);
        for (QPushButton* browse :
             {dialog.DefinePicturePathButton, dialog.DefineReceiptPathButton, dialog.DefineDocumentPathButton})
            QTest::mouseClick(browse, Qt::LeftButton);
        QCOMPARE((QStringList{dialog.PicturePathLineEdit->text(), dialog.ReceiptPathLineEdit->text(),
                              dialog.DocumentPathLineEdit->text()}),
                 (QStringList{QDir::toNativeSeparators(QStringLiteral("/srv/a")),
                              QDir::toNativeSeparators(QStringLiteral("/srv/b")),
                              QDir::toNativeSeparators(QStringLiteral("/srv/c"))}));
        QCOMPARE(m_dialogs->choosers.size(), 4);
        for (const TestDialogs::Chooser& chooser : m_dialogs->choosers) {
            QCOMPARE(chooser.mode, FileDialogRequest::ExistingDirectory);
            QCOMPARE(chooser.directory, QStringLiteral("/srv/start"));
        }
        for (const char* key : {"PicturePath", "ReceiptPath", "DocumentPath"})
            QCOMPARE(stored(key), QStringLiteral("/srv/start"));
    }

    // Cancel stores nothing; Apply and OK store every folder that is not empty, and Apply keeps the dialog open.
    void commonSetupStoresOnApplyAndOk() {
        useEdition(Tovik);
        {
            CommonSetup dialog;
            dialog.show();
            dialog.PicturePathLineEdit->setText(QStringLiteral("/srv/billeder"));
            QTest::mouseClick(dialog.buttonCancel, Qt::LeftButton);
            QVERIFY(!Settings().contains(QStringLiteral("PicturePath")));
        }
        Settings().setValue(QStringLiteral("ReceiptPath"), QStringLiteral("/srv/old"));
        CommonSetup dialog;
        dialog.show();
        dialog.PicturePathLineEdit->setText(QStringLiteral("/srv/billeder"));
        dialog.ReceiptPathLineEdit->clear();
        QTest::mouseClick(dialog.buttonApply, Qt::LeftButton);
        QCOMPARE(stored("PicturePath"), QStringLiteral("/srv/billeder"));
        QCOMPARE(stored("ReceiptPath"), QStringLiteral("/srv/old"));
        QVERIFY(dialog.isVisible());
        dialog.DocumentPathLineEdit->setText(QStringLiteral("/srv/dokumenter"));
        QTest::mouseClick(dialog.buttonOk, Qt::LeftButton);
        QCOMPARE(stored("DocumentPath"), QStringLiteral("/srv/dokumenter"));
        QVERIFY(!dialog.isVisible());
    }

    void commonSetupHelp_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("Tovik") << int(Tovik) << "dk" << QStringLiteral("/help/CommonSetupDialog.dk.htm");
        QTest::newRow("Ostrel") << int(Ostrel) << "no" << QStringLiteral("/help/CommonSetupDialog.Ostrel.no.htm");
        QTest::newRow("English") << int(Tovik) << "en" << QStringLiteral("/help/CommonSetupDialog.en.htm");
    }
    void commonSetupHelp() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(QString, page);
        RecordingLauncher launcher;
        useEdition(edition, language);
        CommonSetup dialog;
        QTest::mouseClick(dialog.buttonHelp, Qt::LeftButton);
        QCOMPARE(launcher.opened.size(), 1);
        QCOMPARE(launcher.opened.at(0).toLocalFile(), QDir::currentPath() + page);
        QCOMPARE(m_dialogs->boxes.size(), 0);
    }

    // 57 is the highest serial number (a number that is no number does not count): 58, 59, 60, and on.
    void automakeItemsNumbersOnFromTheHighest() {
        useEdition(Brevane);
        DBItemCollection collection(nullptr);
        for (const char* serial : {"57", "12", "A-3"}) {
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
        QCOMPARE(collection.Count(), 6);
        QVERIFY(DBItemCollection::IsModified());
        const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
        QStringList serials;
        for (int i = 3; i < 6; ++i) {
            Item* item = collection.At(i);
            serials << item->GetSerialno();
            QCOMPARE(item->GetName(), QStringLiteral("Ny vare"));
            QCOMPARE(item->GetNumberOfItems(), 1);
            QCOMPARE(item->GetDate(), today);
            QCOMPARE(view.Model()->IndexOf(item).parent(), view.Model()->GroupIndex(0));
        }
        QCOMPARE(serials, (QStringList{"58", "59", "60"}));

        // The dialog stays open for another batch.
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.pushButtonMakeItems, Qt::LeftButton);
        QCOMPARE(collection.Count(), 9);
        QCOMPARE(collection.At(8)->GetSerialno(), QStringLiteral("63"));
        QTest::mouseClick(dialog.pushButtonClose, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void automakeItemsInAnEmptyDatabaseStartAfterTheStartNumber() {
        useEdition(Brevane);
        Settings().setValue(QStringLiteral("Setup/StartSerialNumber"), 1000);
        DBItemCollection collection(nullptr);
        AutomakeItems dialog(&collection, nullptr);
        QTest::keyClicks(dialog.lineEdit, QStringLiteral("2"));
        QTest::mouseClick(dialog.pushButtonMakeItems, Qt::LeftButton);
        QCOMPARE(collection.Count(), 2);
        QCOMPARE(collection.At(0)->GetSerialno(), QStringLiteral("1001"));
        QCOMPARE(collection.At(1)->GetSerialno(), QStringLiteral("1002"));
    }

    // Every change of the text is checked, so each keystroke that leaves no number from 1 to 999 warns.
    void automakeItemsRefusesNumbersOutsideOneTo999_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("warnings");
        QTest::newRow("1000") << "1000" << 1;
        QTest::newRow("0") << "0" << 1;
        QTest::newRow("letters") << "ti" << 2;
        QTest::newRow("emptied") << "5\b" << 1;
    }
    void automakeItemsRefusesNumbersOutsideOneTo999() {
        m_dialogs->expectBoxes(2);
        QFETCH(QString, typed);
        QFETCH(int, warnings);
        useEdition(Brevane);
        DBItemCollection collection(nullptr);
        AutomakeItems dialog(&collection, nullptr);
        for (const QChar c : typed) {
            if (c == QLatin1Char('\b'))
                QTest::keyClick(dialog.lineEdit, Qt::Key_Backspace);
            else
                QTest::keyClicks(dialog.lineEdit, c);
        }
        QCOMPARE(dialog.NumberToMake(), 0);
        QCOMPARE(m_dialogs->boxes.size(), warnings);
        QCOMPARE(m_dialogs->boxes.last().icon, MessageBoxRequest::Warning);
        QCOMPARE(m_dialogs->lastTitle(), QStringLiteral("Warning"));
        QCOMPARE(m_dialogs->lastText(), QStringLiteral("Number of items must be:\nGreater than 0 and less than 1000"));
        QTest::mouseClick(dialog.pushButtonMakeItems, Qt::LeftButton);
        QCOMPARE(collection.Count(), 0);
    }

    void automakeItemsMakesNothingInALockedDatabase() {
        m_dialogs->expectBoxes(); // the read-only box when it is opened
        useEdition(Brevane);
        QVERIFY(TestSupport::writeAll(DefaultDatabaseDir() + QStringLiteral("/LockFile.txt"), "held by another"));
        DBItemCollection collection(nullptr);
        collection.LoadFromAsciiFile(DefaultDatabasePath());
        QVERIFY(collection.IsReadOnly());
        const int before = collection.Count();
        AutomakeItems dialog(&collection, nullptr);
        QVERIFY(!dialog.pushButtonMakeItems->isEnabled());
        QTest::keyClicks(dialog.lineEdit, QStringLiteral("2"));
        dialog.MakeItems();
        QCOMPARE(collection.Count(), before);
    }
};

QTEST_MAIN(TestSetupDialogs)
#include "tst_setupdialogs.moc"
