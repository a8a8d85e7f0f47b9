#include "app/Edition.h"
#include "core/DBItemCollection.h"
#include "core/ItemCommands.h"
#include "server/ServerRegister.h"
#include "tests/TestPostgres.h"
#include "tests/TestSupport.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace {

const QString dk = QStringLiteral("dk");
using Result = ServerRegister::Result;

Item makeItem(const QString& name, int group, int count, const QString& serial = QString()) {
    Item item;
    item.SetName(name);
    item.SetGroup(group);
    item.SetNumberOfItems(count);
    item.SetSerialno(serial);
    item.SetPrice(12.5);
    item.SetDate(QStringLiteral("01.02.2003"));
    return item;
}

QByteArray fileBytes(DBItemCollection& collection) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    return collection.WriteAscii(&buffer, &error) ? buffer.data() : error.toUtf8();
}

// The first column of the first row the query gives, or -1.
int scalar(const ServerRegister& server, const QString& sql) {
    QSqlQuery query(QSqlDatabase::database(server.ConnectionName()));
    return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
}
int serverCount(const ServerRegister& server, Item* item) {
    return scalar(server,
                  QStringLiteral("SELECT number_of_items FROM vestrum_items WHERE id = %1").arg(server.IdOf(item)));
}

// Renames as the item dialog does: checked with the server first, then made and announced in the collection.
Result rename(ServerRegister& server, DBItemCollection& collection, Item* item, const QString& name) {
    Item edited(*item);
    edited.SetName(name);
    QString error;
    const Result result = server.WriteEdit(item, edited, nullptr, &error);
    if (result == Result::Written) {
        *item = edited;
        collection.NotifyItemChanged(item, item->GetGroup());
    }
    return result;
}

void removeItem(DBItemCollection& collection, int index) {
    Item* gone = collection.At(index);
    collection.Remove(gone);
    delete gone;
}

} // namespace

class TestServer : public QObject {
    Q_OBJECT
    std::unique_ptr<TestPostgres> m_pg;
    int m_databases = 0;

    // Copies `source` into a fresh database through `server` and loads it into `loaded`; returns the database.
    QString copy(const DBItemCollection& source, ServerRegister& server, DBItemCollection& loaded,
                 const QString& listFolder = QString()) {
        const QString name = QStringLiteral("r%1").arg(++m_databases);
        QString error = m_pg->createDatabase(name) ? QString() : m_pg->error();
        if (!error.isEmpty() || !server.Open(m_pg->address(name), &error) ||
            !server.CopyFrom(source, listFolder, dk, &error) || !server.Load(loaded, dk, &error))
            qFatal("%s", qPrintable(error));
        return name;
    }
    // Two workstations on a fresh register of the given items.
    struct Pair {
        ServerRegister a, b;
        DBItemCollection ca{nullptr}, cb{nullptr};
    };
    std::unique_ptr<Pair> twoOn(const std::vector<Item>& items) {
        auto pair = std::make_unique<Pair>();
        DBItemCollection source(nullptr);
        for (const Item& item : items)
            source.Add(new Item(item));
        QString error;
        if (!pair->b.Open(m_pg->address(copy(source, pair->a, pair->ca)), &error) ||
            !pair->b.Load(pair->cb, dk, &error))
            qFatal("%s", qPrintable(error));
        return pair;
    }

private slots:
    void initTestCase() {
        TestSupport::isolateSettings(QStringLiteral("Brevane"));
        SetEdition(Brevane);
        TestSupport::setRegisterFolder();
        m_pg = std::make_unique<TestPostgres>();
        if (!m_pg->isReady() && m_pg->error().contains(QLatin1String("not found")))
            QSKIP(qPrintable(m_pg->error()));
        QVERIFY2(m_pg->isReady(), qPrintable(m_pg->error()));
    }
    void cleanupTestCase() { m_pg.reset(); }

    void openFailsWithTheReason() {
        ServerRegister server;
        QString error;
        QVERIFY(!server.Open(m_pg->address(QStringLiteral("no_such_register")), &error));
        QVERIFY2(error.contains(QLatin1String("no_such_register")), qPrintable(error));
        QCOMPARE(server.ConnectionState(), ServerRegister::State::Closed);
        const auto a =
            ServerAddress::FromConnInfo(QStringLiteral("host=/x port=5433 dbname='my db' user=u password=pw"));
        QCOMPARE(a.database, QStringLiteral("my db"));
        QCOMPARE(a.password, QStringLiteral("pw"));
        QCOMPARE(ServerAddress::FromConnInfo(a.Url()), a);
        QVERIFY(!a.Url().contains(QLatin1String("pw"))); // what the recent list keeps
    }

    // Texts of every kind reach the server as values and come back unchanged: the file written from the server's
    // register is the original's, byte for byte. So are the shipped sample and its lists of every language.
    void copyLoadAndSaveGiveTheSameFile_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folder"); // the sample's: its register and list files are copied
        const auto row = [](const char* tag, const QString& text) { QTest::newRow(tag) << text << QString(); };
        row("semicolon", QStringLiteral("a;b;"));
        row("quotes", QStringLiteral("O'Brien \"quoted\" \\ back"));
        row("injection", QStringLiteral("x'); DROP TABLE vestrum_items; --"));
        row("latin1", QStringLiteral("Rødgrød med fløde æøå ÆØÅ é ü ß ½ ÿ"));
        row("199 characters", QString(199, QLatin1Char('x')));
        row("empty", QString());
        row("placeholders", QStringLiteral("$1 ? :name %s"));
        QTest::newRow("sample") << QString() << TestSupport::sourceDir() + QStringLiteral("/data/db/DemoBrevane");
    }
    void copyLoadAndSaveGiveTheSameFile() {
        QFETCH(QString, text);
        QFETCH(QString, folder);
        DBItemCollection original(nullptr), loaded(nullptr);
        QString error;
        if (!folder.isEmpty()) {
            const QString file = QDir(folder).entryList({QStringLiteral("*.db"), QStringLiteral("*.txt")}).value(0);
            QVERIFY(original.LoadFromBuffer(TestSupport::readAll(folder + QLatin1Char('/') + file), &error));
        } else {
            original.Groups().SetEntries({text, QStringLiteral("Lager")});
        }
        for (int i = 0; folder.isEmpty() && i < 3; ++i) {
            auto* item = new Item(makeItem(text, 2 - i, i, text));
            for (int f = 0; f < Item::TextFieldCount; ++f)
                item->SetText(Item::TextField(f), text);
            item->SetPrice(1e-7 * i + 1234567.125);
            item->SetPriceToday(-0.1);
            item->SetLocation(i * 7);
            original.Add(item);
        }
        ServerRegister server;
        copy(original, server, loaded, folder);
        if (folder.isEmpty())
            QCOMPARE(loaded.Groups().Entry(0), text);
        QCOMPARE(fileBytes(loaded), fileBytes(original));
        QVERIFY(!DBItemCollection::IsModified());
        QTemporaryDir out;
        QVERIFY2(server.WriteListFiles(out.path(), &error), qPrintable(error));
        for (const QString& list : ServerRegister::ListNames()) {
            for (const char* lang : {"dk", "no", "en"}) {
                const QString path = QStringLiteral("/%1/%1.%2.txt").arg(list, QLatin1String(lang));
                if (!folder.isEmpty() && QFile::exists(folder + path))
                    QCOMPARE(TestSupport::readAll(out.path() + path), TestSupport::readAll(folder + path));
            }
        }
        // A second copy into the same database is refused, the register left as it is.
        QVERIFY(!server.CopyFrom(original, QString(), dk, &error));
        QVERIFY(server.HasRegister());
    }

    // Two workstations change one item: the second gets a conflict and nothing of it is written until it chooses.
    void editConflict_data() {
        QTest::addColumn<int>("choice"); // 0 keep theirs, 1 keep mine, 2 keep theirs and edit again, 3 a deletion
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("product");
        const auto row = [](const char* tag, int choice, const char* name, const char* product) {
            QTest::newRow(tag) << choice << QString::fromUtf8(name) << QString::fromUtf8(product);
        };
        row("keep theirs", 0, "Stol (A)", "");
        row("keep mine", 1, "Stol (B)", "Bøg");
        row("edit again", 2, "Stol (B)", "");
        row("deleted here", 3, "Stol (A)", "");
    }
    void editConflict() {
        QFETCH(int, choice);
        QFETCH(QString, name);
        QFETCH(QString, product);
        const auto pair = twoOn({makeItem(QStringLiteral("Stol"), 1, 5)});
        auto& [a, b, ca, cb] = *pair;
        Item* itemA = ca.At(0);
        QCOMPARE(rename(a, ca, itemA, QStringLiteral("Stol (A)")), Result::Written);
        // B changes the old version, through the collection's announcement (as the undo history does).
        QSignalSpy conflicts(&b, &ServerRegister::conflictFound);
        if (choice == 3) {
            removeItem(cb, 0);
        } else {
            cb.At(0)->SetName(QStringLiteral("Stol (B)"));
            cb.At(0)->SetProduct(QStringLiteral("Bøg"));
            cb.NotifyItemChanged(cb.At(0), 1);
        }
        QTRY_COMPARE(conflicts.count(), 1);
        const auto conflict = conflicts.at(0).at(0).value<ServerConflict>();
        QCOMPARE(conflict.mineDeleted, choice == 3);
        QCOMPARE(conflict.theirs.GetName(), QStringLiteral("Stol (A)"));
        if (choice != 3) {
            QCOMPARE(conflict.item, cb.At(0));
            QCOMPARE(conflict.mine.GetName(), QStringLiteral("Stol (B)"));
            QCOMPARE(conflict.fields, (QList<int>{ServerRegister::FieldName, ServerRegister::FieldProduct}));
        }

        QString error;
        QCOMPARE(b.Resolve(conflict, ServerRegister::Resolution(choice == 1), &error), Result::Written);
        QCOMPARE(cb.Count(), 1);
        Item* itemB = cb.At(0);
        if (choice == 2)
            QCOMPARE(rename(b, cb, itemB, QStringLiteral("Stol (B)")), Result::Written);
        QCOMPARE(itemB->GetName(), name);
        QCOMPARE(itemB->GetProduct(), product);
        QTest::qWait(100); // what A gets is all that was written
        QTRY_COMPARE(itemA->GetName(), name);
        QTRY_COMPARE(itemA->GetProduct(), product);
        QCOMPARE(b.VersionOf(itemB), a.VersionOf(itemA));
        if (choice == 3) {
            removeItem(cb, 0); // now it goes: the version is theirs
            QTRY_COMPARE_WITH_TIMEOUT(ca.Count(), 0, 1000);
        }
    }

    // Movements of two workstations on one item both count, even when each started from an old count; an edit
    // elsewhere meanwhile does not make a movement a conflict.
    void movementsAreNeverLost() {
        const auto pair = twoOn({makeItem(QStringLiteral("Skrue"), 0, 10, QStringLiteral("42"))});
        auto& [a, b, ca, cb] = *pair;
        QString error;
        QVERIFY2(b.ApplyMovements({{cb.At(0), 5}}, QStringLiteral("test"), &error), qPrintable(error));
        QCOMPARE(rename(b, cb, cb.At(0), QStringLiteral("Skrue M4")), Result::Written);
        // A still shows 10 and takes 3 away, as a till's count does.
        Item* item = ca.At(0);
        item->SetNumberOfItems(7);
        ca.NotifyItemChanged(item, 0);
        QCOMPARE(serverCount(a, item), 12);
        QTRY_COMPARE(item->GetNumberOfItems(), 12);
        QTRY_COMPARE(item->GetName(), QStringLiteral("Skrue M4"));
        QTRY_COMPARE(cb.At(0)->GetNumberOfItems(), 12);
    }

    // An import that would take a count below zero is refused by the server as a whole.
    void aRefusedImportChangesNothing() {
        const auto pair = twoOn({makeItem(QStringLiteral("A"), 0, 5), makeItem(QStringLiteral("B"), 1, 2)});
        auto& [a, b, ca, cb] = *pair;
        Item *first = ca.At(0), *second = ca.At(1);
        QString error;
        QVERIFY(!a.ApplyMovements({{first, -1}, {second, -3}}, QStringLiteral("scanner"), &error));
        QVERIFY2(error.contains(QLatin1String("nul")), qPrintable(error));
        QCOMPARE(serverCount(a, first), 5);
        QCOMPARE(first->GetNumberOfItems(), 5);

        // The same through the collection: the scanner import replaces the items in one step.
        QSignalSpy refused(&a, &ServerRegister::changeRefused);
        first->SetNumberOfItems(4);
        second->SetNumberOfItems(-1);
        ca.ReplaceItems({first, second, new Item(makeItem(QStringLiteral("C"), 2, 1))});
        QTRY_COMPARE(refused.count(), 1);
        QCOMPARE(ca.Count(), 2);
        QCOMPARE(first->GetNumberOfItems(), 5);
        QCOMPARE(second->GetNumberOfItems(), 2);
        QCOMPARE(serverCount(a, first), 5);
        QCOMPARE(scalar(a, QStringLiteral("SELECT count(*) FROM vestrum_items")), 2);
        QCOMPARE(scalar(a, QStringLiteral("SELECT count(*) FROM vestrum_moves")), 0);

        // A good import is written in one go and logged.
        first->SetNumberOfItems(1);
        ca.ReplaceItems({first, second});
        QCOMPARE(serverCount(a, first), 1);
        QCOMPARE(scalar(a, QStringLiteral("SELECT delta FROM vestrum_moves")), -4);
    }

    // An undo or redo that would write over another workstation's later change writes nothing and stays put.
    void aStaleUndoIsRefused_data() {
        QTest::addColumn<QString>("step");
        QTest::newRow("undo an edit") << "edit";
        QTest::newRow("redo an edit") << "redo";
        QTest::newRow("undo an add") << "add";
    }
    void aStaleUndoIsRefused() {
        QFETCH(QString, step);
        const auto pair = twoOn({makeItem(QStringLiteral("Stol"), 0, 5)});
        auto& [a, b, ca, cb] = *pair;
        Item* item = ca.At(0);
        if (step == QLatin1String("add")) {
            item = new Item(makeItem(QStringLiteral("Bord"), 0, 1));
            ca.Push(new AddItemCommand(&ca, item));
        } else {
            const Item before(*item);
            item->SetName(QStringLiteral("Stol (A)"));
            ca.Push(new EditItemCommand(&ca, item, before));
        }
        QString error;
        const bool undo = step != QLatin1String("redo");
        if (!undo)
            QVERIFY2(a.StepHistory(true, &error), qPrintable(error));
        QTRY_VERIFY(b.ItemOf(a.IdOf(item)));
        Item* theirs = b.ItemOf(a.IdOf(item));
        QTRY_COMPARE(b.VersionOf(theirs), a.VersionOf(item));
        const QString theirName = theirs->GetName() + QStringLiteral(" (B)");
        const Item before(*theirs);
        theirs->SetName(theirName);
        cb.Push(new EditItemCommand(&cb, theirs, before));

        const int index = ca.UndoStack()->index();
        QVERIFY(!a.StepHistory(undo, &error));
        QVERIFY2(error.contains(QLatin1String("anden arbejdsplads")), qPrintable(error));
        QCOMPARE(ca.UndoStack()->index(), index);
        QVERIFY(ca.IndexOf(item) >= 0);
        QCOMPARE(item->GetName(), theirName);
        QSqlQuery query(QSqlDatabase::database(a.ConnectionName()));
        QVERIFY(query.exec(QStringLiteral("SELECT name FROM vestrum_items WHERE id = %1").arg(a.IdOf(item))));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(), theirName);
    }

    // Undoing an edit gives back the count it changed, not the count it saw: a movement made elsewhere since
    // (which leaves the version as it is) stays counted.
    void anUndoKeepsMovementsMadeElsewhere() {
        const auto pair = twoOn({makeItem(QStringLiteral("Stol"), 0, 5)});
        auto& [a, b, ca, cb] = *pair;
        Item* item = ca.At(0);
        const Item before(*item);
        item->SetName(QStringLiteral("Stol (A)"));
        item->SetNumberOfItems(7);
        ca.Push(new EditItemCommand(&ca, item, before));
        QTRY_COMPARE(cb.At(0)->GetNumberOfItems(), 7);
        QString error;
        QVERIFY2(b.ApplyMovements({{cb.At(0), 3}}, QStringLiteral("test"), &error), qPrintable(error));
        QTRY_COMPARE(item->GetNumberOfItems(), 10);
        QVERIFY2(a.StepHistory(true, &error), qPrintable(error));
        QCOMPARE(item->GetName(), QStringLiteral("Stol"));
        QCOMPARE(item->GetNumberOfItems(), 8);
        QCOMPARE(serverCount(a, item), 8);
        QVERIFY2(a.StepHistory(false, &error), qPrintable(error));
        QCOMPARE(serverCount(a, item), 10);
    }
};

QTEST_MAIN(TestServer)
#include "tst_server.moc"
