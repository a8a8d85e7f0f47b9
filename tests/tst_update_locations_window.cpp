#include "TestSupport.h"
#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "mainwindow/vestrumwindow.h"
#include "output/LocationPreviewDialog.h"
#include "output/UpdateLocationsData.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <QTimer>
#include <memory>

namespace {

QAction* action(MainWindow& window, const char* name) {
    return window.findChild<QAction*>(QLatin1String(name));
}

// The count of the item with this number at this location in the window's register; -1 when there is none.
int countOf(MainWindow& window, const char* serial, int group) {
    Item* item = window.Collection()->FindByGroupAndSerial(group, QLatin1String(serial));
    return item ? item->GetNumberOfItems() : -1;
}

} // namespace

// The scanner import as the user meets it: file chooser, preview, apply, save, the file's removal, undo.
class TestUpdateLocationsWindow : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestSupport::SampleInstallation> m_install;
    TestDialogs* m_dialogs = nullptr;
    QTimer* m_previewTimer = nullptr;
    QString m_previewCounts;
    int m_previewRows = -1;

    QString database() const { return DefaultDatabasePath(); }
    QString scanner() const {
        return QDir(DefaultDatabaseDir()).absoluteFilePath(QStringLiteral("Location.update.txt"));
    }
    QStringList backups() const {
        return QDir(DefaultDatabaseDir()).entryList({QStringLiteral("Location.update.txt.*")}, QDir::Files);
    }

    // Presses a button of the preview once it shows; a preview left open after that is cancelled.
    void answerPreview(const QString& button) {
        m_previewCounts.clear();
        m_previewRows = -1;
        delete m_previewTimer;
        m_previewTimer = new QTimer(this);
        m_previewTimer->setInterval(10);
        connect(m_previewTimer, &QTimer::timeout, this, [this, button] {
            auto* dialog = qobject_cast<LocationPreviewDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_previewTimer->stop();
            m_previewCounts = dialog->findChild<QLabel*>(QStringLiteral("counts"))->text();
            m_previewRows = dialog->Table()->model()->rowCount();
            dialog->findChild<QPushButton*>(button)->click();
            if (dialog->isVisible())
                dialog->reject();
        });
        m_previewTimer->start();
    }

    void importFile(MainWindow& window, const QByteArray& content, const QString& button) {
        QVERIFY(TestSupport::writeAll(scanner(), content));
        m_dialogs->chooseFile(scanner());
        answerPreview(button);
        QVERIFY(action(window, "UpdateLocations")->isEnabled());
        action(window, "UpdateLocations")->trigger();
    }

private slots:
    void initTestCase() { TestSupport::isolateSettings(QStringLiteral("Brevane")); }
    void init() {
        SetEdition(Brevane);
        m_install = std::make_unique<TestSupport::SampleInstallation>();
        m_dialogs = new TestDialogs;
    }
    void cleanup() {
        delete m_previewTimer;
        m_previewTimer = nullptr;
        delete m_dialogs;
        m_install.reset();
    }

    void applyingAllSavesThenRemovesTheFileAndUndoGivesTheItemsBack() {
        MainWindow window;
        QVERIFY(window.Save()); // the register as this program writes it
        const QByteArray before = TestSupport::readAll(database());
        QCOMPARE(countOf(window, "1001", 0), 120);
        QCOMPARE(countOf(window, "1002", 0), 85);
        importFile(window, "I;0;1001;5\r\nF;0;4;001002;10\r\n", QStringLiteral("apply"));
        QVERIFY2(m_dialogs->boxes.isEmpty(), qPrintable(m_dialogs->lastText()));
        QCOMPARE(m_previewRows, 2);
        QVERIFY(m_previewCounts.startsWith(QStringLiteral("2 linjer: 2 gode, 0 med problemer")));
        QCOMPARE(countOf(window, "1001", 0), 125);
        QCOMPARE(countOf(window, "1002", 0), 75);
        QCOMPARE(countOf(window, "1002", 4), 10);
        // Saved, noted in the history, the file gone and its backup kept.
        QVERIFY(!DBItemCollection::IsModified());
        QVERIFY(TestSupport::readAll(database()) != before);
        QVERIFY(!QFile::exists(scanner()));
        QCOMPARE(backups().size(), 1);
        QVERIFY(QFile::exists(LocationImportHistory::HistoryPath(database())));
        QVERIFY(action(window, "EditImportSummary")->isEnabled());

        // One step of the undo history, saved: undone it is a change, redone the saved state again.
        QAction* undo = action(window, "EditUndo");
        QVERIFY(undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Fortryd indlæsning af scannerfilen"));
        undo->trigger();
        QCOMPARE(countOf(window, "1001", 0), 120);
        QCOMPARE(countOf(window, "1002", 4), -1);
        QVERIFY(DBItemCollection::IsModified());
        QVERIFY(!undo->isEnabled());
        action(window, "EditRedo")->trigger();
        QCOMPARE(countOf(window, "1001", 0), 125);
        QCOMPARE(countOf(window, "1002", 4), 10);
        QVERIFY(!DBItemCollection::IsModified());
        undo->trigger();
        QVERIFY(window.Save());
        QCOMPARE(TestSupport::readAll(database()), before);
    }

    void theSameContentTwiceIsAskedFor() {
        MainWindow window;
        importFile(window, "I;0;1001;5\n", QStringLiteral("apply"));
        QCOMPARE(countOf(window, "1001", 0), 125);
        m_dialogs->answer(1); // do not import it again
        importFile(window, "I;0;1001;5\n", QStringLiteral("apply"));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->lastText().contains(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));
        QCOMPARE(countOf(window, "1001", 0), 125);
        QVERIFY(QFile::exists(scanner()));
        m_dialogs->answer(0); // import it again after all
        importFile(window, "I;0;1001;5\n", QStringLiteral("apply"));
        QCOMPARE(countOf(window, "1001", 0), 130);
        QVERIFY(!QFile::exists(scanner()));
        // The two imports are two steps of the history.
        action(window, "EditUndo")->trigger();
        QCOMPARE(countOf(window, "1001", 0), 125);
        action(window, "EditUndo")->trigger();
        QCOMPARE(countOf(window, "1001", 0), 120);
        QVERIFY(!action(window, "EditUndo")->isEnabled());
    }

    void problemsAllowOnlyTheGoodRecordsAfterASecondQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("count");
        QTest::newRow("apply the good ones") << 0 << 125;
        QTest::newRow("back to the preview") << 1 << 120;
    }
    void problemsAllowOnlyTheGoodRecordsAfterASecondQuestion() {
        QFETCH(int, answer);
        QFETCH(int, count);
        MainWindow window;
        m_dialogs->answer(answer);
        importFile(window, "I;0;1001;5\nI;0;4711;1\nF;0;0;1002;1\n", QStringLiteral("apply"));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->lastText().startsWith(QStringLiteral("2 linjer har problemer")));
        QVERIFY(m_previewCounts.startsWith(QStringLiteral("3 linjer: 1 gode, 2 med problemer")));
        QCOMPARE(countOf(window, "1001", 0), count);
        QCOMPARE(countOf(window, "1002", 0), 85);
        QCOMPARE(QFile::exists(scanner()), answer == 1);
        QCOMPARE(DBItemCollection::IsModified(), false);
    }

    void cancelChangesNothing() {
        MainWindow window;
        const QByteArray before = TestSupport::readAll(database());
        importFile(window, "I;0;1001;5\n", QStringLiteral("cancel"));
        QCOMPARE(m_previewRows, 1);
        QCOMPARE(countOf(window, "1001", 0), 120);
        QVERIFY(!DBItemCollection::IsModified());
        QVERIFY(QFile::exists(scanner()));
        QVERIFY(backups().isEmpty());
        QCOMPARE(TestSupport::readAll(database()), before);
        QVERIFY(!QFile::exists(LocationImportHistory::HistoryPath(database())));
        QVERIFY(!action(window, "EditUndo")->isEnabled());
        // A cancelled file chooser neither warns nor saves.
        m_dialogs->clear();
        action(window, "UpdateLocations")->trigger();
        QVERIFY(m_dialogs->boxes.isEmpty());
        QCOMPARE(TestSupport::readAll(database()), before);
    }

    void aFailedSaveKeepsTheFile() {
        MainWindow window;
        // The database's name now belongs to a folder, so no save can succeed.
        QVERIFY(QFile::remove(database()));
        QVERIFY(QDir().mkdir(database()));
        m_dialogs->answer(0); // the writer's box
        m_dialogs->answer(0); // the file stays
        importFile(window, "I;0;1001;5\n", QStringLiteral("apply"));
        QCOMPARE(m_dialogs->boxes.size(), 2);
        QVERIFY(m_dialogs->lastText().contains(scanner()));
        QVERIFY(QFile::exists(scanner()));
        QCOMPARE(countOf(window, "1001", 0), 125); // in memory, still to be saved
        QVERIFY(DBItemCollection::IsModified());
        QVERIFY(!QFile::exists(LocationImportHistory::HistoryPath(database())));
    }

    void aReadOnlyDatabaseTakesNothing() {
        const QString lock = QDir(DefaultDatabaseDir()).filePath(QStringLiteral("LockFile.txt"));
        TestSupport::writeAll(lock, "K:\\lager.db Locked by PC: WS12, User: clerk");
        m_dialogs->answer(0); // the lock's own message
        MainWindow window;
        QVERIFY(window.Collection()->IsReadOnly());
        QVERIFY(!action(window, "UpdateLocations")->isEnabled());
        QVERIFY(TestSupport::writeAll(scanner(), "I;0;1001;5\n"));
        m_dialogs->clear();
        m_dialogs->answer(0);
        m_dialogs->chooseFile(scanner());
        window.UpdateLocations();
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->choosers.isEmpty());
        QCOMPARE(countOf(window, "1001", 0), 120);
        QVERIFY(QFile::exists(scanner()));
        QVERIFY(backups().isEmpty());
    }

    void theSummaryIsSavedAndPrinted() {
        DBItemCollection collection(nullptr);
        collection.Groups().SetEntries({QStringLiteral("Lager"), QStringLiteral("Butik")});
        auto* item = new Item;
        item->SetSerialno(QStringLiteral("42"));
        item->SetNumberOfItems(3);
        collection.Add(item);
        UpdateLocations import;
        import.Parse("F;0;1;42;1\nF;0;1;42;9\n");
        import.Check(collection);
        LocationPreviewDialog preview(import, false);
        QCOMPARE(preview.Table()->model()->rowCount(), 2);
        QVERIFY(preview.findChild<QPushButton*>(QStringLiteral("apply"))->isEnabled());
        const QString text = m_install->filePath(QStringLiteral("summary.txt"));
        m_dialogs->chooseFile(text);
        preview.findChild<QPushButton*>(QStringLiteral("saveSummary"))->click();
        QCOMPARE(TestSupport::readAll(text), import.SummaryText().toUtf8());
        const QString pdf = m_install->filePath(QStringLiteral("summary.pdf"));
        m_dialogs->printTo(pdf);
        preview.findChild<QPushButton*>(QStringLiteral("printSummary"))->click();
        QVERIFY(QFileInfo(pdf).size() > 0);
        QVERIFY(m_dialogs->boxes.isEmpty());
        // Nothing good to apply: the button cannot be pressed.
        UpdateLocations none;
        none.Parse("F;0;1;42;9\n");
        none.Check(collection);
        LocationPreviewDialog bad(none, false);
        QVERIFY(!bad.findChild<QPushButton*>(QStringLiteral("apply"))->isEnabled());
    }
};

QTEST_MAIN(TestUpdateLocationsWindow)
#include "tst_update_locations_window.moc"
