#include "ui_setupdialogBase.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/vestrumwindow.h"
#include "setup/setupdialog.h"
#include "tests/TestSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {
QString trMain(const char* text) {
    return QCoreApplication::translate("MainWindow", text);
}

QString trCollection(const char* text) {
    return QCoreApplication::translate("DBItemCollection", text);
}

// A register whose seventh line has a price that is no number.
QByteArray badLineSeven() {
    QByteArray bytes = "#2.5.5 (TVK)- Format:\r\n";
    for (int i = 0; i < 5; ++i)
        bytes += "1;Ting " + QByteArray::number(i) + ";;1.000000;1.000000;;;;;;;1;0;;;;;\r\n";
    return bytes + "1;Ting;;en krone;1;;;;;;;1;0;;;;;\r\n";
}

// The reason the reader gives for badLineSeven().
QString lineSevenReason() {
    return trCollection("DB_LINE_ERROR")
        .arg(7)
        .arg(trCollection("DB_COLUMN_NOT_A_NUMBER").arg(ColumnNames::Title(ColumnNames::Price)));
}

QString inDatabaseDir(const char* name) {
    return QDir(DefaultDatabaseDir()).absoluteFilePath(QLatin1String(name));
}

QAction* action(MainWindow& window, const char* name) {
    return window.findChild<QAction*>(QLatin1String(name));
}

// Triggers an action the way a user can: it must exist and be enabled.
bool trigger(MainWindow& window, const char* name) {
    QAction* a = action(window, name);
    if (!a || !a->isEnabled())
        return false;
    a->trigger();
    return true;
}

// An unsaved item; the list shows it as the collection announces it.
Item* addItem(MainWindow& window, const char* name) {
    auto* item = new Item;
    item->SetName(QString::fromUtf8(name));
    window.Collection()->Add(item);
    return item;
}

// What a refused or side command must leave as it was: caption, name, remembered file and folder, list, changes.
QStringList state(MainWindow& window) {
    const Settings settings;
    return {window.windowTitle(),
            window.CurrentFileName(),
            settings.value(QStringLiteral("LastSavedDBFile")).toString(),
            settings.value(QStringLiteral("LastDBDir")).toString(),
            QString::number(window.ListView()->Model()->rowCount()),
            DBItemCollection::IsModified() ? QStringLiteral("modified") : QStringLiteral("saved")};
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestSupport::SampleInstallation> m_install;
    TestDialogs* m_dialogs = nullptr;

    QString sample() const { return DefaultDatabasePath(); }
    // A command that asks for a file, given that file and the answers to the boxes it shows.
    bool choose(MainWindow& window, const char* command, const QString& file, const QList<int>& answers = {}) {
        m_dialogs->clear();
        m_dialogs->chooseFile(file);
        for (int answer : answers)
            m_dialogs->answer(answer);
        return trigger(window, command);
    }

private slots:
    void initTestCase() { TestSupport::isolateSettings(); }
    void init() {
        SetEdition(Tovik);
        TestSupport::installTranslation(QStringLiteral("en"));
        m_install = std::make_unique<TestSupport::SampleInstallation>();
        m_dialogs = new TestDialogs;
    }
    void cleanup() {
        delete m_dialogs;
        m_install.reset();
    }

    void startsOnTheSampleDatabase_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        for (int edition : {int(Tovik), int(Pellin), int(Ostrel), int(Brevane)}) {
            for (const char* language : {"dk", "no", "en"})
                QTest::addRow("%d %s", edition, language) << edition << QString::fromLatin1(language);
        }
    }
    void startsOnTheSampleDatabase() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        SetEdition(edition);
        Settings().setValue(QStringLiteral("Language"), language);
        TestSupport::installTranslation(language);
        MainWindow window;
        QVERIFY2(m_dialogs->boxes.isEmpty(), qPrintable(m_dialogs->lastTitle() + m_dialogs->lastText()));
        QCOMPARE(window.CurrentFileName(), sample());
        QVERIFY(window.Collection()->Count() > 20);
        QVERIFY(window.windowTitle().endsWith(QStringLiteral(" - ") + sample()));
        // Every item has a group row: no sample item is left out of the list.
        int listed = 0;
        const ItemListModel* model = window.ListView()->Model();
        for (int g = 0; g < model->rowCount(); ++g)
            listed += model->rowCount(model->index(g, 0));
        QCOMPARE(listed, window.Collection()->Count());
        // The columns shown are those the sample fills, and every file it links is there.
        static const QRegularExpression zero(QStringLiteral("^0([.,]0+)?$"));
        for (int column = ColumnNames::Group + 1; column < ColumnNames::ColumnCount; ++column) {
            bool filled = false;
            for (int g = 0; g < model->rowCount() && !filled; ++g) {
                const QModelIndex group = model->index(g, 0);
                for (int r = 0; r < model->rowCount(group) && !filled; ++r) {
                    const QModelIndex cell = model->index(r, column, group);
                    const QString text = cell.data().toString();
                    filled =
                        cell.data(Qt::DecorationRole).isValid() || !(text.isEmpty() || zero.match(text).hasMatch());
                }
            }
            QVERIFY2(window.ListView()->isColumnHidden(column) != filled, qPrintable(ColumnNames::Title(column)));
        }
        for (const Item* item : *window.Collection()) {
            for (const QString& link : {item->GetPhotolink(), item->GetReceipt(), item->GetDocument()})
                QVERIFY2(link.isEmpty() || QFile::exists(link), qPrintable(link));
        }
        QVERIFY(action(window, "Print")->isEnabled());
        QCOMPARE(window.RecentFiles(), QStringList{sample()});

        // The edition's own entries: Brevane's scanner import, labels and no Norwegian; Ostrel's special cases.
        for (const char* name : {"UpdateLocations", "PrintBarcode", "Precreate"})
            QCOMPARE(action(window, name) != nullptr, edition == Brevane);
        QCOMPARE(action(window, "LanguageNorwegian") != nullptr, edition != Brevane);
        QCOMPARE(action(window, "EditShowAllSpecialCasesAsHTML") != nullptr, edition == Ostrel);
        // Every entry reads as words: no raw key reaches the user.
        static const QRegularExpression rawKey(QStringLiteral("^[A-Z0-9_]+(\\.\\.\\.)?$"));
        for (QAction* a : window.findChildren<QAction*>())
            QVERIFY2(!rawKey.match(a->text()).hasMatch() && !rawKey.match(a->whatsThis()).hasMatch(),
                     qPrintable(a->objectName()));
        for (QMenu* menu : window.menuBar()->findChildren<QMenu*>())
            QVERIFY2(!rawKey.match(menu->title()).hasMatch(), qPrintable(menu->title()));
        window.close();
    }

    // Each lookup-list entry of the Setup menu opens the editor, modal, on the open database's list.
    void setupListEntriesOpenTheEditor_data() {
        QTest::addColumn<QByteArray>("actionName");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("dialogName");
        QTest::newRow("groups") << QByteArray("SetupGroups") << 1 << "Setup Groups";
        QTest::newRow("locations") << QByteArray("SetupLocation") << 2 << "Setup Location";
        QTest::newRow("suppliers") << QByteArray("SetupSupplier") << 3 << "Setup Suppliers";
    }
    void setupListEntriesOpenTheEditor() {
        QFETCH(QByteArray, actionName);
        QFETCH(int, kind);
        QFETCH(QString, dialogName);
        MainWindow window;
        QVERIFY(trigger(window, actionName.constData()));
        auto* dialog = window.findChild<setupdialog*>(dialogName);
        QVERIFY(dialog && dialog->isVisible() && dialog->isModal());
        QCOMPARE(dialog->ListKind(), kind);
        QVERIFY(dialog->Editor().Count() > 0);
        QCOMPARE(dialog->Editor().Entries(), window.Collection()->DynamicListOf(kind)->Entries());
        dialog->reject();
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    // No start-up database, or New without changes: nothing open, no question, an untitled caption.
    void emptyStartAndNewOpenNothing() {
        {
            MainWindow window;
            QVERIFY(trigger(window, "FileNew"));
            QVERIFY(m_dialogs->boxes.isEmpty());
            QCOMPARE(window.Collection()->Count(), 0);
            QCOMPARE(window.CurrentFileName(), QString());
            QCOMPARE(window.windowTitle(), GetCaption(QString()));
        }
        Settings().setValue(QStringLiteral("LastSavedDBFile"), QString());
        MainWindow window;
        QCOMPARE(window.Collection()->Count(), 0);
        QCOMPARE(window.windowTitle(), GetCaption(QString()));
        QVERIFY(!action(window, "Print")->isEnabled());
    }

    // An unreadable start-up register: one box with four ways on; the path stays remembered until another opens.
    void missingStartupRegister_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no such file
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("opened"); // "start", "other", "sample" or "" (a new register)
        const QString unreadable =
            trCollection("DB_FILE_CANNOT_BE_READ").arg(QStringLiteral("No such file or directory"));
        const QByteArray jpeg("\xff\xd8\xff\xe0\0\x10JFIF", 10);
        QTest::newRow("missing, try again once connected") << QByteArray() << unreadable << QList<int>{0} << "start";
        QTest::newRow("missing, open another") << QByteArray() << unreadable << QList<int>{1} << "other";
        QTest::newRow("missing, open another cancelled, new") << QByteArray() << unreadable << QList<int>{1, 2} << "";
        QTest::newRow("picture, new register") << jpeg << trCollection("DB_NOT_A_REGISTER") << QList<int>{2} << "";
        QTest::newRow("bad line 7, open the sample") << badLineSeven() << "line 7" << QList<int>{3} << "sample";
    }
    void missingStartupRegister() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QFETCH(QList<int>, answers);
        QFETCH(QString, opened);
        if (reason == QLatin1String("line 7"))
            reason = lineSevenReason(); // the column names as a fresh start has them
        const QString path = m_install->filePath(QStringLiteral("drive/hjem.db"));
        if (!bytes.isEmpty())
            QVERIFY(QDir().mkpath(QFileInfo(path).path()) && TestSupport::writeAll(path, bytes));
        const QString other = m_install->filePath(QStringLiteral("other.db"));
        QVERIFY(QFile::copy(sample(), other));
        Settings settings;
        settings.setValue(QStringLiteral("LastSavedDBFile"), path);
        settings.setValue(QStringLiteral("RecentFiles/NumberOfItems"), 1);
        settings.setValue(QStringLiteral("RecentFiles/RecentFile0/"), path);
        for (int answer : answers)
            m_dialogs->answer(answer);
        if (opened == QLatin1String("other"))
            m_dialogs->chooseFile(other);
        // "Try again" finds the drive connected meanwhile.
        m_dialogs->whileShown = [&] {
            if (opened == QLatin1String("start"))
                QVERIFY(QDir().mkpath(QFileInfo(path).path()) && QFile::copy(sample(), path));
        };
        MainWindow window;
        QCOMPARE(m_dialogs->boxes.size(), answers.size());
        const TestDialogs::Shown box = m_dialogs->boxes.first();
        QCOMPARE(box.title, QStringLiteral("Tovik"));
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + reason),
                 qPrintable(box.text));
        QCOMPARE(box.buttons.size(), 4);
        const QString expected = opened == QLatin1String("start")    ? path
                                 : opened == QLatin1String("other")  ? other
                                 : opened == QLatin1String("sample") ? sample()
                                                                     : QString();
        QCOMPARE(window.CurrentFileName(), expected);
        QCOMPARE(window.Collection()->Count() > 0, !expected.isEmpty());
        if (expected.isEmpty())
            QCOMPARE(window.windowTitle(), GetCaption(QString()));
        QCOMPARE(settings.value(QStringLiteral("LastSavedDBFile")).toString(), expected.isEmpty() ? path : expected);
        QCOMPARE(window.RecentFiles().last(), path);
        QCOMPARE(window.RecentFiles().first(), expected.isEmpty() ? path : expected);
    }

    // A file that cannot be opened (Open or Open Recent) leaves the open database exactly as it was.
    void failedOpenChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("recent");
        const QString line7 = QStringLiteral("line 7"); // the column's name comes from the open database
        const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("open a picture") << png << trCollection("DB_NOT_A_REGISTER") << false;
        QTest::newRow("open a bad line 7") << badLineSeven() << line7 << false;
        QTest::newRow("recent bad line 7") << badLineSeven() << line7 << true;
    }
    void failedOpenChangesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QFETCH(bool, recent);
        const QString bad = m_install->filePath(QStringLiteral("elsewhere/bad.db"));
        QDir().mkpath(QFileInfo(bad).path());
        TestSupport::writeAll(bad, bytes);
        Settings settings;
        settings.setValue(QStringLiteral("RecentFiles/NumberOfItems"), 1);
        settings.setValue(QStringLiteral("RecentFiles/RecentFile0/"), bad);
        MainWindow window;
        DBItemCollection* collection = window.Collection();
        Item* item = addItem(window, "Ikke gemt");
        const std::vector<Item*> items = collection->Items();
        const QStringList before = state(window);
        if (reason == QLatin1String("line 7"))
            reason = lineSevenReason();
        m_dialogs->clear();
        m_dialogs->answer(0);
        if (recent) {
            QVERIFY(trigger(window, "RecentFile1"));
        } else {
            m_dialogs->chooseFile(bad);
            QVERIFY(trigger(window, "FileOpen"));
        }
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->lastTitle(), trMain("FileError"));
        QVERIFY(m_dialogs->lastText().contains(QDir::toNativeSeparators(bad)));
        QVERIFY2(m_dialogs->lastText().endsWith(reason), qPrintable(m_dialogs->lastText()));
        QCOMPARE(window.Collection(), collection);
        QVERIFY(collection->Items() == items);
        QVERIFY(window.ListView()->FindListViewItem(item).isValid());
        QCOMPARE(state(window), before);
        QCOMPARE(window.CurrentFileName(), sample());
        QCOMPARE(TestSupport::readAll(bad), bytes);
        // Save still writes the database where it came from, never over the refused file.
        QVERIFY(trigger(window, "FileSave"));
        QVERIFY(TestSupport::readAll(sample()).contains("Ikke gemt;"));
        QCOMPARE(TestSupport::readAll(bad), bytes);
    }

    // The lock stays through a failed open and an open in the same folder; another folder's is taken once loaded.
    void brevaneLockFollowsTheOpenDatabase() {
        SetEdition(Brevane);
        const QString folderLock = inDatabaseDir("LockFile.txt");
        MainWindow window;
        QVERIFY(QFile::exists(folderLock));
        const QByteArray held = TestSupport::readAll(folderLock);
        const QString other = m_install->filePath(QStringLiteral("other"));
        QDir().mkpath(other);
        const QString otherLock = other + QStringLiteral("/LockFile.txt");

        TestSupport::writeAll(other + QStringLiteral("/picture.db"), QByteArray("\x89PNG\r\n", 6));
        QVERIFY(choose(window, "FileOpen", other + QStringLiteral("/picture.db"), {0}));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(TestSupport::readAll(folderLock), held);
        QVERIFY(!QFile::exists(otherLock));

        const QString second = inDatabaseDir("second.db");
        QVERIFY(QFile::copy(sample(), second));
        QVERIFY(choose(window, "FileOpen", second));
        QVERIFY2(m_dialogs->boxes.isEmpty(), qPrintable(m_dialogs->lastText()));
        QCOMPARE(window.CurrentFileName(), second);
        QVERIFY(!window.Collection()->IsReadOnly());
        QVERIFY(action(window, "FileSave")->isEnabled());
        QVERIFY(QFile::exists(folderLock));

        const QString third = other + QStringLiteral("/third.db");
        QVERIFY(QFile::copy(sample(), third));
        // Unsaved changes kept by cancelling the question: the lock taken for the new file goes again.
        window.Collection()->Add(new Item);
        QVERIFY(choose(window, "FileOpen", third, {2}));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(window.CurrentFileName(), second);
        QVERIFY(!QFile::exists(otherLock));
        QVERIFY(QFile::exists(folderLock));
        QVERIFY(choose(window, "FileOpen", third, {1}));
        QCOMPARE(m_dialogs->boxes.size(), 1); // only the question
        QCOMPARE(window.CurrentFileName(), third);
        QVERIFY(QFile::exists(otherLock));
        QVERIFY(!QFile::exists(folderLock));
        QVERIFY(!window.Collection()->IsReadOnly());
        QVERIFY(trigger(window, "FileQuit"));
        QVERIFY(!QFile::exists(otherLock));
    }

    void theSaveQuestion_data() {
        QTest::addColumn<int>("answer"); // save, do not save, cancel
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("title"); // the edition's name, never "/Tovik/"
        QTest::newRow("save") << 0 << int(Tovik) << "Tovik";
        QTest::newRow("do not save") << 1 << int(Pellin) << "Pellin";
        QTest::newRow("cancel") << 2 << int(Brevane) << "Brevane";
    }
    void theSaveQuestion() {
        QFETCH(int, answer);
        QFETCH(int, edition);
        QFETCH(QString, title);
        SetEdition(edition);
        MainWindow window;
        const QByteArray before = TestSupport::readAll(sample());
        const int count = window.Collection()->Count();
        addItem(window, "Ny lampe");
        m_dialogs->answer(answer);
        QVERIFY(trigger(window, "FileNew"));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().buttons.size(), 3);
        QCOMPARE(m_dialogs->lastTitle(), title);
        QCOMPARE(window.Collection()->Count(), answer == 2 ? count + 1 : 0);
        QCOMPARE(TestSupport::readAll(sample()) != before, answer == 0);
        QCOMPARE(DBItemCollection::IsModified(), answer == 2);
    }

    void failedSaveKeepsEverything() {
        MainWindow window;
        Item* item = addItem(window, "Ny");
        // The database's folder disappears under it (a removed USB stick, a lost network drive).
        const QString name = window.CurrentFileName();
        QDir(QFileInfo(name).absolutePath()).removeRecursively();
        const QString caption = window.windowTitle();
        m_dialogs->clear();
        window.statusBar()->clearMessage();
        m_dialogs->expectBoxes();
        QVERIFY(trigger(window, "FileSave"));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->lastText().contains(name));
        QVERIFY(DBItemCollection::IsModified());
        QCOMPARE(window.windowTitle(), caption);
        QVERIFY(window.statusBar()->currentMessage().isEmpty()); // no "saved" message
        // The save question then answers no: New does nothing and the item stays.
        m_dialogs->answer(0);
        m_dialogs->expectBoxes(); // the save it asked for fails again
        QVERIFY(trigger(window, "FileNew"));
        QVERIFY(window.Collection()->IndexOf(item) >= 0);
        QCOMPARE(window.CurrentFileName(), name);
    }

    void openCancelledReadsTheDatabaseAgain() {
        MainWindow window;
        const int count = window.Collection()->Count();
        // Changed on disk behind the program's back: one record more.
        QFile file(sample());
        QVERIFY(file.open(QIODevice::Append));
        file.write("0;Fra disken;;1.000000;1.000000;;;;;;;1;0;;;;;\r\n");
        file.close();
        DBItemCollection* collection = window.Collection();
        QVERIFY(trigger(window, "FileOpen")); // the chooser is cancelled (no file queued)
        QCOMPARE(m_dialogs->choosers.size(), 1);
        QCOMPARE(window.Collection()->Count(), count + 1);
        QCOMPARE(window.Collection(), collection); // refilled, never replaced: views keep their pointer
        // With unsaved changes the question comes first; what was saved is what is read again.
        addItem(window, "Gemt nu");
        m_dialogs->clear();
        m_dialogs->answer(0);
        QVERIFY(trigger(window, "FileOpen"));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(window.Collection()->Count(), count + 2);
        QVERIFY(!DBItemCollection::IsModified());
        QVERIFY(TestSupport::readAll(sample()).contains("Gemt nu;"));
    }

    // Save As starts in the register's folder (documents for a new one) and adds the edition's suffix.
    void saveAsNamesAndFolder_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<bool>("unnamed");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<int>("replace"); // -1: the suffixed file does not exist; else the answer to replacing it
        // clang-format off
        QTest::newRow("Ostrel coins")           << int(Ostrel)  << false << "coins"    << "coins.txt"   << -1;
        QTest::newRow("a dot in the name")      << int(Tovik)   << false << "mit.hjem" << "mit.hjem.db" << -1;
        QTest::newRow("own suffix kept")        << int(Pellin)  << false << "Film.TVK" << "Film.TVK"    << -1;
        QTest::newRow("new register, Save")     << int(Tovik)   << true  << "mit.db"   << "mit.db"      << -1;
        QTest::newRow("suffixed file replaced") << int(Tovik)   << false << "myhome"   << "myhome.db"   << 0;
        QTest::newRow("suffixed file kept")     << int(Brevane) << false << "lager"    << "lager.db"    << 1;
        // clang-format on
    }
    void saveAsNamesAndFolder() {
        QFETCH(int, edition);
        QFETCH(bool, unnamed);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QFETCH(int, replace);
        SetEdition(edition);
        if (unnamed)
            Settings().setValue(QStringLiteral("LastSavedDBFile"), QString());
        const QString folder = m_install->filePath(QStringLiteral("mine"));
        QDir().mkpath(folder);
        const QString target = folder + QLatin1Char('/') + saved;
        if (replace >= 0) {
            TestSupport::writeAll(target, "old");
            m_dialogs->answer(replace);
        }
        MainWindow window;
        const QString before = window.CurrentFileName();
        addItem(window, "Ur");
        QVERIFY(choose(window, unnamed ? "FileSave" : "FileSaveAs", folder + QLatin1Char('/') + typed));
        QCOMPARE(m_dialogs->choosers.size(), 1);
        QCOMPARE(m_dialogs->choosers.first().directory,
                 unnamed ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                         : QFileInfo(sample()).absolutePath());
        QCOMPARE(m_dialogs->boxes.size(), replace >= 0 ? 1 : 0);
        if (replace == 1) {
            QCOMPARE(m_dialogs->lastTitle(), GetAppName());
            QCOMPARE(TestSupport::readAll(target), QByteArray("old"));
            QCOMPARE(window.CurrentFileName(), before);
            QVERIFY(DBItemCollection::IsModified());
            return;
        }
        QCOMPARE(window.CurrentFileName(), target);
        QVERIFY(TestSupport::readAll(target).contains("Ur;"));
        QVERIFY(!DBItemCollection::IsModified());
        QVERIFY(window.windowTitle().endsWith(target));
        QVERIFY(QFile::exists(folder + QStringLiteral("/groups/groups.dk.txt")));
    }

    void backupLeavesTheOpenDatabaseAlone() {
        MainWindow window;
        addItem(window, "Ur");
        const QStringList before = state(window);
        const QString backup = m_install->filePath(QStringLiteral("backup/kopi.bak"));
        QDir().mkpath(QFileInfo(backup).path());
        QVERIFY(choose(window, "FileBackup", backup));
        QVERIFY(TestSupport::readAll(backup).contains("Ur;"));
        QCOMPARE(state(window), before);
        QVERIFY(QFile::exists(m_install->filePath(QStringLiteral("backup/fields/fields.dk.txt"))));
        // Cancelled: nothing is written, and the user is told.
        m_dialogs->clear();
        m_dialogs->expectBoxes();
        QVERIFY(trigger(window, "FileBackup"));
        QCOMPARE(m_dialogs->lastText(), trMain("NO_BACKUP_ERROR_NO_FILE_SAVED"));
    }

    void tenRecentFiles() {
        MainWindow window;
        QStringList opened;
        for (int i = 0; i < 11; ++i) {
            const QString path = m_install->filePath(QStringLiteral("db%1.db").arg(i));
            QFile::copy(sample(), path);
            QVERIFY(choose(window, "FileOpen", path));
            opened.prepend(path);
        }
        QCOMPARE(window.RecentFiles(), opened.mid(0, 10));
        QCOMPARE(action(window, "RecentFile0")->text(), QStringLiteral("&1 db10.db"));
        QCOMPARE(action(window, "RecentFile9")->text(), QStringLiteral("&10 db1.db"));
        // Reopening one moves it to the top instead of adding it again.
        action(window, "RecentFile3")->trigger();
        QCOMPARE(window.RecentFiles().first(), opened.at(3));
        QCOMPARE(window.RecentFiles().size(), 10);
        QCOMPARE(window.RecentFiles().count(opened.at(3)), 1);
        QCOMPARE(Settings().value(QStringLiteral("RecentFiles/NumberOfItems")).toInt(), 10);
        QCOMPARE(Settings().value(QStringLiteral("RecentFiles/RecentFile0/")).toString(), opened.at(3));
        // The recent entries stand above Quit.
        const QList<QAction*> file = window.findChild<QMenu*>(QStringLiteral("FileMenu"))->actions();
        QCOMPARE(file.last()->objectName(), QStringLiteral("FileQuit"));
        QCOMPARE(file.at(file.size() - 3)->objectName(), QStringLiteral("RecentFile9"));
    }

    void recoveryOfferedAtStart_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("open") << 0;
        QTest::newRow("delete") << 1;
        QTest::newRow("later") << 2;
    }
    void recoveryOfferedAtStart() {
        QFETCH(int, answer);
        const QByteArray before = TestSupport::readAll(sample());
        DBItemCollection plain(nullptr);
        QVERIFY(plain.LoadFromBuffer(before));
        const QString recovery = sample() + QStringLiteral(".recovered");
        TestSupport::writeAll(recovery, before + "0;Fra gendannelsen;;1.000000;1.000000;;;;;;;1;0;;;;;\r\n");
        m_dialogs->answer(answer);
        MainWindow window;
        QVERIFY2(m_dialogs->boxes.size() == 1, qPrintable(m_dialogs->lastTitle() + m_dialogs->lastText()));
        QVERIFY(m_dialogs->boxes.first().text.contains(QDir::toNativeSeparators(recovery)));
        QCOMPARE(m_dialogs->boxes.first().title, QStringLiteral("Tovik"));
        QCOMPARE(window.CurrentFileName(), sample());
        QCOMPARE(window.Collection()->Count(), plain.Count() + (answer == 0 ? 1 : 0));
        QCOMPARE(DBItemCollection::IsModified(), answer == 0);
        QCOMPARE(QFile::exists(recovery), answer != 1);
        if (answer == 0) {
            // Shown under the database's own name: Save writes them there, and the recovery file goes.
            QVERIFY(window.windowTitle().endsWith(sample()));
            QVERIFY(trigger(window, "FileSave"));
            QVERIFY(TestSupport::readAll(sample()).contains("Fra gendannelsen"));
            QVERIFY(!QFile::exists(recovery));
        }
    }

    void lockMovesWithSaveAs() {
        SetEdition(Brevane);
        const QString oldLock = inDatabaseDir("LockFile.txt");
        MainWindow window;
        QVERIFY(QFile::exists(oldLock));
        const QByteArray ours = TestSupport::readAll(oldLock);

        // Another name in the same folder (named relatively at start, absolutely now): the lock stays.
        const QString renamed = inDatabaseDir("omdoebt.db");
        QVERIFY(choose(window, "FileSaveAs", renamed));
        QVERIFY(m_dialogs->boxes.isEmpty());
        QCOMPARE(window.CurrentFileName(), renamed);
        QCOMPARE(TestSupport::readAll(oldLock), ours);

        // A folder that a running copy on another computer holds: nothing is written there.
        const QString held = m_install->filePath(QStringLiteral("held"));
        QDir().mkpath(held);
        const QByteArray foreign = "K:\\lager.db Locked by PC: WS12, User: clerk\r\npid: 1, boot: x";
        TestSupport::writeAll(held + QStringLiteral("/LockFile.txt"), foreign);
        QVERIFY(choose(window, "FileSaveAs", held + QStringLiteral("/lager.db"), {0})); // cancel
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(QDir(held).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"LockFile.txt"});
        QCOMPARE(TestSupport::readAll(held + QStringLiteral("/LockFile.txt")), foreign);
        QCOMPARE(window.CurrentFileName(), renamed);
        QVERIFY(QFile::exists(oldLock));

        // A folder stands where the database should go: the save fails and leaves that folder as it was.
        const QString blocked = m_install->filePath(QStringLiteral("blocked"));
        QDir().mkpath(blocked + QStringLiteral("/lager.db"));
        QVERIFY(choose(window, "FileSaveAs", blocked + QStringLiteral("/lager.db"), {0}));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(window.CurrentFileName(), renamed);
        QCOMPARE(QDir(blocked).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"lager.db"});
        QCOMPARE(TestSupport::readAll(oldLock), ours);

        // A free folder: the lock moves with the database, the lists follow it.
        const QString moved = m_install->filePath(QStringLiteral("moved/lager.db"));
        QDir().mkpath(QFileInfo(moved).path());
        QVERIFY(choose(window, "FileSaveAs", moved));
        QCOMPARE(window.CurrentFileName(), moved);
        QVERIFY(!QFile::exists(oldLock));
        const QString newLock = m_install->filePath(QStringLiteral("moved/LockFile.txt"));
        QCOMPARE(TestSupport::readAll(newLock), DBItemCollection::LockContent(moved));
        QVERIFY(QFile::exists(m_install->filePath(QStringLiteral("moved/groups/groups.dk.txt"))));
        QVERIFY(trigger(window, "FileQuit"));
        QVERIFY(!QFile::exists(newLock));
    }

    void signalSavesAnUnnamedDatabaseForTheNextStart() {
        Settings().setValue(QStringLiteral("LastSavedDBFile"), QString());
        const QString recovery = inDatabaseDir("unnamed.recovered");
        {
            MainWindow window;
            addItem(window, "Ur");
            DBItemCollection::SetModified(true);
            window.EndOnSignal(15);
            QVERIFY(TestSupport::readAll(recovery).contains("Ur;"));
        }
        // Offered at the next start, opened as the new, unnamed database it was.
        m_dialogs->answer(0);
        MainWindow window;
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(window.CurrentFileName(), QString());
        QCOMPARE(window.Collection()->Count(), 1);
        QVERIFY(DBItemCollection::IsModified());
    }

    void lockedBrevaneDatabase() {
        SetEdition(Brevane);
        const QString lock = inDatabaseDir("LockFile.txt");
        TestSupport::writeAll(lock, "K:\\lager.db Locked by PC: WS12, User: clerk");
        {
            m_dialogs->answer(0); // read-only
            MainWindow window;
            QVERIFY(window.Collection()->IsReadOnly());
            QVERIFY(!action(window, "FileSave")->isEnabled());
            QVERIFY(!action(window, "UpdateLocations")->isEnabled());
            QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::red));
            QVERIFY(m_dialogs->lastText().contains(QStringLiteral("WS12")));
            window.close();
        }
        QVERIFY(QFile::exists(lock)); // never removed by a read-only copy
    }

    // A language change swaps only the installation's sample for the new language's at the next start.
    void languageSwitch_data() {
        QTest::addColumn<QString>("start"); // "sample", "sample path", "own" (a copy of the sample) or "empty"
        QTest::newRow("shipped sample") << "sample";
        QTest::newRow("shipped sample by its full path") << "sample path";
        QTest::newRow("own copy of the sample") << "own";
        QTest::newRow("empty start") << "empty";
    }
    void languageSwitch() {
        QFETCH(QString, start);
        Settings settings;
        const QString own = TestSupport::copyTree(QDir(DefaultDatabaseDir()).absolutePath(),
                                                  m_install->filePath(QStringLiteral("mine"))) +
                            QStringLiteral("/TovikStdDemoDatabase.dk.db");
        QVERIFY(QFile::exists(own));
        if (start == QLatin1String("sample path"))
            settings.setValue(QStringLiteral("LastSavedDBFile"), QFileInfo(sample()).absoluteFilePath());
        if (start == QLatin1String("own")) {
            settings.setValue(QStringLiteral("LastSavedDBFile"), own);
            settings.setValue(QStringLiteral("LastDBDir"), QFileInfo(own).absolutePath());
        }
        if (start == QLatin1String("empty"))
            settings.setValue(QStringLiteral("LastSavedDBFile"), QString());
        const bool shipped = start.startsWith(QLatin1String("sample"));
        const QVariant lastFile = settings.value(QStringLiteral("LastSavedDBFile"));
        const QVariant lastDir = settings.value(QStringLiteral("LastDBDir"));
        {
            MainWindow window;
            const QString open = window.CurrentFileName();
            m_dialogs->expectBoxes();
            QVERIFY(trigger(window, "LanguageEnglish"));
            QCOMPARE(m_dialogs->lastText(), trMain("RESTART_BEFORE_LANGUAGE_CHANGED"));
            QCOMPARE(window.CurrentFileName(), open);
        }
        QCOMPARE(settings.value(QStringLiteral("Language")).toString(), QStringLiteral("en"));
        const QString english = QStringLiteral("db/DemoDBStd/TovikStdDemoDatabase.en.db");
        QCOMPARE(settings.value(QStringLiteral("LastSavedDBFile")), shipped ? QVariant(english) : lastFile);
        QCOMPARE(settings.value(QStringLiteral("LastDBDir")), shipped ? QVariant(DefaultDatabaseDir()) : lastDir);
        // The next start.
        MainWindow window;
        const QString expected = shipped ? english : start == QLatin1String("own") ? own : QString();
        QCOMPARE(window.CurrentFileName(), expected);
    }

    // Geometry, columns and open groups outlive the window without "Save settings"; show-all needs it.
    void windowRemembersItself() {
        Settings settings;
        QStringList open;
        int groupCount = 0;
        {
            MainWindow window;
            window.show();
            window.setGeometry(QRect(40, 50, 620, 410));
            ItemListView* view = window.ListView();
            view->setColumnWidth(ColumnNames::Name, 222);
            view->header()->moveSection(view->header()->visualIndex(ColumnNames::Price), 1);
            const ItemListModel* model = view->Model();
            groupCount = model->GroupCount();
            QVERIFY(groupCount > 3);
            for (int group : {1, 3}) {
                view->setExpanded(model->GroupIndex(group), true);
                open << model->GroupName(group);
            }
            action(window, "ViewAll")->setChecked(true);
            QVERIFY(window.close());
        }
        QVERIFY(!settings.contains(QStringLiteral("Items/showAllItems")));
        auto checkSecond = [&](const QString& file, const QStringList& groups) {
            MainWindow second;
            QCOMPARE(second.CurrentFileName(), file);
            QCOMPARE(second.geometry(), QRect(40, 50, 620, 410));
            ItemListView* view = second.ListView();
            QCOMPARE(view->columnWidth(ColumnNames::Name), 222);
            QCOMPARE(view->header()->visualIndex(ColumnNames::Price), 1);
            QCOMPARE(view->header()->sortIndicatorSection(), -1); // the register opens in its own order
            QCOMPARE(view->OpenGroupNames(), groups);
            QCOMPARE(view->Model()->GroupCount(), groupCount);
        };
        checkSecond(sample(), open);
        // Another register at the next start: the groups are not carried over.
        const QString other = m_install->filePath(QStringLiteral("andet.db"));
        QVERIFY(QFile::copy(sample(), other));
        settings.setValue(QStringLiteral("LastSavedDBFile"), other);
        checkSecond(other, QStringList());

        MainWindow window;
        action(window, "ViewAll")->setChecked(true);
        QVERIFY(trigger(window, "FileSaveSettings"));
        QCOMPARE(settings.value(QStringLiteral("Items/showAllItems")).toBool(), true);
    }

    // Pellin hides the columns its photographs leave empty until the user shows them; the choice is kept.
    void columnChoiceOutlivesTheWindow() {
        SetEdition(Pellin);
        {
            MainWindow window;
            ItemListView* view = window.ListView();
            QVERIFY(view->isColumnHidden(ColumnNames::Count));
            QMenu* menu = view->ColumnsMenu();
            QCOMPARE(menu->actions().size(), ColumnNames::ColumnCount - 1); // the group column always stays
            QAction* count = menu->actions().at(ColumnNames::Count - 1);
            QVERIFY(!count->isChecked());
            count->trigger();
            QVERIFY(!view->isColumnHidden(ColumnNames::Count));
            menu->actions().at(ColumnNames::Name - 1)->trigger();
            QVERIFY(view->isColumnHidden(ColumnNames::Name));
            delete menu;
            QVERIFY(trigger(window, "FileSaveSettings"));
        }
        MainWindow window;
        for (int column = 0; column < ColumnNames::ColumnCount; ++column) {
            const bool hidden = column == ColumnNames::Name || column == ColumnNames::ProductType;
            QCOMPARE(window.ListView()->isColumnHidden(column), hidden);
        }
        // Shown again, a column saved while hidden has its width back.
        window.ListView()->SetColumnShown(ColumnNames::Name, true);
        QVERIFY(window.ListView()->columnWidth(ColumnNames::Name) > 40);
    }

    void itemCommandsFollowTheRow() {
        MainWindow window;
        for (const char* name : {"ViewCurInHTML", "ViewPicture", "ViewPicture2", "ViewUrl", "ViewDoc"})
            QVERIFY2(!action(window, name)->isEnabled(), name);
        ItemListView* view = window.ListView();
        view->ItemSelected(view->Model()->GroupIndex(0));
        QVERIFY(!action(window, "ViewCurInHTML")->isEnabled());
        // The sample sofa has a picture and a receipt, and no web address or document.
        const std::vector<Item*> items = window.Collection()->Items();
        const auto sofa = std::find_if(items.begin(), items.end(), [](const Item* i) {
            return !i->IsEmpty(Item::Photolink) && !i->IsEmpty(Item::Receipt) && i->IsEmpty(Item::Www) &&
                   i->IsEmpty(Item::Document);
        });
        QVERIFY(sofa != items.end());
        view->ItemSelected(view->FindListViewItem(*sofa));
        const QStringList enabled{"ViewCurInHTML", "ViewPicture", "ViewPicture2"}; // no web address or document
        for (const char* name : {"ViewCurInHTML", "ViewPicture", "ViewPicture2", "ViewUrl", "ViewDoc"})
            QCOMPARE(action(window, name)->isEnabled(), enabled.contains(QLatin1String(name)));
    }

    // A help page missing from the installation says why (tst_accelerators opens the others).
    void missingHelpPageSaysWhy() {
        RecordingLauncher launcher;
        MainWindow window;
        QFile::remove(QStringLiteral("help/TovikLinksAndReferences.dk.htm"));
        m_dialogs->expectBoxes();
        QVERIFY(trigger(window, "HelpLinks"));
        QCOMPARE(m_dialogs->lastTitle(), trMain("HTML fejl"));
        QVERIFY(m_dialogs->lastText().contains(
            trMain("The specified file was not found (please, check write permissions).")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
