// Undo and redo of the item commands in the main window: the collection changes, the list follows its
// announcements alone, the Edit menu names the step, and the modified flag follows the saved state.
#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/vestrumwindow.h"
#include "tests/TestSupport.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QStatusBar>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace {
QAction* action(MainWindow& window, const char* name) {
    return window.findChild<QAction*>(QLatin1String(name));
}

// Each item's name, group, count and price in the collection's order.
QString describe(const DBItemCollection& collection) {
    QStringList parts;
    for (const Item* item : collection)
        parts << QStringLiteral("%1@%2x%3=%4")
                     .arg(item->GetName())
                     .arg(item->GetGroup())
                     .arg(item->GetNumberOfItems())
                     .arg(item->GetPrice());
    return parts.join(QLatin1Char(' '));
}

// Whether the list shows each item of the collection in its group, and nothing else.
bool listFollows(const ItemListModel* model, const DBItemCollection& collection) {
    QStringList listed, held;
    for (int g = 0; g < model->rowCount(); ++g) {
        const QModelIndex group = model->index(g, 0);
        for (int row = 0; row < model->rowCount(group); ++row)
            listed << QStringLiteral("%1@%2").arg(model->index(row, 1, group).data().toString()).arg(g);
    }
    for (const Item* item : collection)
        held << QStringLiteral("%1@%2").arg(item->GetName()).arg(item->GetGroup());
    listed.sort();
    held.sort();
    return listed == held;
}
} // namespace

class TestUndo : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestSupport::SampleInstallation> m_install;
    TestDialogs* m_dialogs = nullptr;

private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        TestSupport::installTranslation(QStringLiteral("en"));
    }
    void init() {
        SetEdition(Tovik);
        m_install = std::make_unique<TestSupport::SampleInstallation>();
        m_dialogs = new TestDialogs;
    }
    void cleanup() {
        delete m_dialogs;
        m_install.reset();
    }

    void everyCommandUndoesAndRedoes_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");  // typed into the item dialog
        QTest::addColumn<QString>("price"); // typed into the item dialog
        QTest::addColumn<QString>("text");  // %1: the first item's name, %2: the second group's name
        // clang-format off
        QTest::newRow("add")      << "add" << "Dining chair" << "100" << "add 'Dining chair'";
        QTest::newRow("copy")     << "copy" << "" << "" << "copy '%1'";
        QTest::newRow("edit")     << "edit" << "Renamed" << "12.5" << "edit 'Renamed'";
        QTest::newRow("move")     << "move" << "" << "" << "move '%1' to '%2'";
        QTest::newRow("delete")   << "delete" << "" << "" << "delete '%1'";
        QTest::newRow("add many") << "many" << "" << "" << "import of 2 rows";
        // clang-format on
    }
    void everyCommandUndoesAndRedoes() {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QFETCH(QString, price);
        QFETCH(QString, text);
        MainWindow window;
        DBItemCollection* collection = window.Collection();
        ItemListView* view = window.ListView();
        QAbstractItemModelTester tester(view->Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        view->ViewAll(true);
        QAction* undo = action(window, "EditUndo");
        QAction* redo = action(window, "EditRedo");
        QVERIFY(!undo->isEnabled());
        Item* first = collection->At(0);
        QVERIFY(first->GetGroup() != 1);
        text.replace(QLatin1String("%1"), first->GetName()).replace(QLatin1String("%2"), collection->Groups().Entry(1));
        const QString before = describe(*collection);

        if (command == QLatin1String("delete")) {
            view->SelectItem(first);
            action(window, "EditDelete")->trigger();
            QCOMPARE(window.statusBar()->currentMessage(),
                     QStringLiteral("'%1' deleted; Ctrl+Z brings it back.").arg(first->GetName()));
        } else if (command == QLatin1String("many")) {
            std::vector<Item*> items{new Item, new Item};
            items[0]->SetName(QStringLiteral("Row 1"));
            items[1]->SetName(QStringLiteral("Row 2"));
            QVERIFY(window.AddItemsUndoable(items, QStringLiteral("import of 2 rows")));
        } else {
            ItemDialog dialog(collection, command == QLatin1String("add") ? nullptr : first, QStringLiteral("DATA"),
                              false, &window);
            if (command == QLatin1String("copy"))
                dialog.copy_slot();
            if (command == QLatin1String("move"))
                dialog.groupComboBox->setCurrentIndex(1);
            if (!name.isEmpty()) {
                dialog.nameLineEdit->setText(name);
                dialog.priceLineEdit->setText(price);
            }
            QVERIFY(dialog.save_slot());
            // Saving again unchanged adds no step.
            QVERIFY(dialog.save_slot());
            QCOMPARE(collection->UndoStack()->count(), 1);
        }
        const QString after = describe(*collection);
        QVERIFY(after != before);
        QVERIFY(listFollows(view->Model(), *collection));
        QVERIFY(DBItemCollection::IsModified());
        QCOMPARE(undo->text(), QStringLiteral("&Undo ") + text);

        undo->trigger();
        QCOMPARE(describe(*collection), before);
        QVERIFY(listFollows(view->Model(), *collection));
        QVERIFY(!DBItemCollection::IsModified()); // back at the state that was read
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
        QCOMPARE(redo->text(), QStringLiteral("&Redo ") + text);

        redo->trigger();
        QCOMPARE(describe(*collection), after);
        QVERIFY(listFollows(view->Model(), *collection));
        QVERIFY(DBItemCollection::IsModified());
        undo->trigger();
        QCOMPARE(describe(*collection), before);
    }

    // A save keeps the history and becomes its unmodified state; New and Open empty it.
    void saveKeepsTheHistoryOpenAndNewClearIt_data() {
        QTest::addColumn<QByteArray>("clearing");
        QTest::newRow("new") << QByteArray("FileNew");
        QTest::newRow("open") << QByteArray("FileOpen");
    }
    void saveKeepsTheHistoryOpenAndNewClearIt() {
        QFETCH(QByteArray, clearing);
        MainWindow window;
        DBItemCollection* collection = window.Collection();
        QAction* undo = action(window, "EditUndo");
        QAction* redo = action(window, "EditRedo");
        const int count = collection->Count();
        window.ListView()->SelectItem(collection->At(0));
        action(window, "EditDelete")->trigger();
        window.ListView()->SelectItem(collection->At(0));
        action(window, "EditDelete")->trigger();
        undo->trigger(); // one deleted, one to do again
        QVERIFY(window.Save());
        QVERIFY(!DBItemCollection::IsModified());
        QVERIFY(undo->isEnabled());
        QVERIFY(redo->isEnabled());
        undo->trigger();
        QCOMPARE(collection->Count(), count);
        QVERIFY(DBItemCollection::IsModified());
        redo->trigger();
        QCOMPARE(collection->Count(), count - 1);
        QVERIFY(!DBItemCollection::IsModified());
        redo->trigger(); // past the saved state
        QVERIFY(DBItemCollection::IsModified());
        undo->trigger();
        QVERIFY(!DBItemCollection::IsModified());

        if (clearing == "FileOpen")
            m_dialogs->chooseFile(window.CurrentFileName());
        action(window, clearing.constData())->trigger();
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
        QVERIFY(!DBItemCollection::IsModified());
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
