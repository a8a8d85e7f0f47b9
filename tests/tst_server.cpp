#include "app/Edition.h"
#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "core/ItemCommands.h"
#include "server/ServerRegister.h"
#include "tests/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QUndoStack>

#include <memory>
#include <pwd.h>
#include <unistd.h>

#include "tests/TestPostgres.h"

namespace {

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
    if (!collection.WriteAscii(&buffer, &error))
        qWarning("%s", qPrintable(error));
    return buffer.data();
}

int serverCount(const ServerRegister& server, qint64 id) {
    QSqlQuery query(QSqlDatabase::database(server.ConnectionName()));
    query.prepare(QStringLiteral("SELECT number_of_items FROM vestrum_items WHERE id = ?"));
    query.addBindValue(id);
    return query.exec() && query.next() ? query.value(0).toInt() : -1;
}

} // namespace

class TestServer : public QObject {
    Q_OBJECT
    std::unique_ptr<TestPostgres> m_pg;
    int m_databases = 0;

    // A fresh database with a register of the given items, and a register loaded from it into `collection`.
    QString newRegister(const std::vector<Item>& items, ServerRegister& server, DBItemCollection& collection) {
        const QString name = QStringLiteral("r%1").arg(++m_databases);
        if (!m_pg->createDatabase(name))
            qFatal("%s", qPrintable(m_pg->error()));
        DBItemCollection source(nullptr);
        for (const Item& item : items)
            source.Add(new Item(item));
        QString error;
        if (!server.Open(m_pg->address(name), &error) ||
            !server.CopyFrom(source, QString(), QStringLiteral("dk"), &error) ||
            !server.Load(collection, QStringLiteral("dk"), &error))
            qFatal("%s", qPrintable(error));
        return name;
    }
    void openSecond(const QString& name, ServerRegister& server, DBItemCollection& collection) {
        QString error;
        QVERIFY2(server.Open(m_pg->address(name), &error), qPrintable(error));
        QVERIFY2(server.Load(collection, QStringLiteral("dk"), &error), qPrintable(error));
    }

private slots:
    void initTestCase() {
        TestSupport::isolateSettings(QStringLiteral("Brevane"));
        SetEdition(Brevane);
        Settings().setValue(QStringLiteral("LastDBDir"), QStringLiteral("/nonexistent"));
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
        QCOMPARE(
            ServerAddress::FromConnInfo(QStringLiteral("host=/tmp/x port=5433 dbname='my db' user=clerk")).database,
            QStringLiteral("my db"));
        const ServerAddress a =
            ServerAddress::FromConnInfo(QStringLiteral("host=/tmp/x port=5433 dbname=d user=u password=secret"));
        QCOMPARE(a.password, QStringLiteral("secret"));
        QCOMPARE(ServerAddress::FromConnInfo(a.Url()), a);
        QVERIFY(!a.Url().contains(QLatin1String("secret"))); // what the recent list keeps
    }

    // Texts of every kind reach the server as values and come back unchanged, and the file written from the
    // server's register is the file written from the original, byte for byte.
    void copyLoadAndSaveGiveTheSameFile_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("semicolon") << QStringLiteral("a;b;");
        QTest::newRow("quotes") << QStringLiteral("O'Brien \"quoted\" \\ back");
        QTest::newRow("injection") << QStringLiteral("x'); DROP TABLE vestrum_items; --");
        QTest::newRow("latin1") << QStringLiteral("Rødgrød med fløde æøå ÆØÅ é ü ß ½ ÿ");
        QTest::newRow("199 characters") << QString(199, QLatin1Char('x'));
        QTest::newRow("empty") << QString();
        QTest::newRow("question mark and dollar") << QStringLiteral("$1 ? :name %s");
    }
    void copyLoadAndSaveGiveTheSameFile() {
        QFETCH(QString, text);
        std::vector<Item> items;
        for (int i = 0; i < 3; ++i) {
            Item item = makeItem(text, 2 - i, i, text);
            for (int f = 0; f < Item::TextFieldCount; ++f)
                item.SetText(Item::TextField(f), text);
            item.SetPrice(1e-7 * i + 1234567.125);
            item.SetPriceToday(-0.1);
            item.SetLocation(i * 7);
            items.push_back(item);
        }
        DBItemCollection original(nullptr);
        for (const Item& item : items)
            original.Add(new Item(item));
        original.Groups().SetEntries({text, QStringLiteral("Lager")});
        ServerRegister server;
        DBItemCollection loaded(nullptr);
        const QString name = QStringLiteral("r%1").arg(++m_databases);
        QVERIFY2(m_pg->createDatabase(name), qPrintable(m_pg->error()));
        QString error;
        QVERIFY2(server.Open(m_pg->address(name), &error), qPrintable(error));
        QVERIFY2(server.CopyFrom(original, QString(), QStringLiteral("dk"), &error), qPrintable(error));
        QVERIFY2(server.Load(loaded, QStringLiteral("dk"), &error), qPrintable(error));
        QCOMPARE(loaded.Count(), 3);
        QCOMPARE(loaded.At(0)->GetName(), text);
        QCOMPARE(loaded.At(2)->GetProducttype(), text);
        QCOMPARE(loaded.Groups().Entry(0), text);
        QCOMPARE(fileBytes(loaded), fileBytes(original));
        QVERIFY(!DBItemCollection::IsModified());
        // A second copy into the same database is refused, the register left as it is.
        QVERIFY(!server.CopyFrom(original, QString(), QStringLiteral("dk"), &error));
        QVERIFY(server.HasRegister());
    }

    void theSampleRegisterRoundTrips() {
        const QString folder = TestSupport::sourceDir() + QStringLiteral("/data/db/DemoBrevane");
        const QString file =
            QDir(folder).entryList({QStringLiteral("*.db"), QStringLiteral("*.txt")}, QDir::Files).value(0);
        QVERIFY(!file.isEmpty());
        DBItemCollection original(nullptr);
        QString error;
        QVERIFY2(original.LoadFromBuffer(TestSupport::readAll(folder + QLatin1Char('/') + file), &error),
                 qPrintable(error));
        const QString name = QStringLiteral("r%1").arg(++m_databases);
        QVERIFY(m_pg->createDatabase(name));
        ServerRegister server;
        QVERIFY(server.Open(m_pg->address(name), &error));
        QVERIFY2(server.CopyFrom(original, folder, QStringLiteral("dk"), &error), qPrintable(error));
        DBItemCollection loaded(nullptr);
        QVERIFY2(server.Load(loaded, QStringLiteral("dk"), &error), qPrintable(error));
        QCOMPARE(fileBytes(loaded), fileBytes(original));
        // The lists of every language come back as files.
        QTemporaryDir out;
        QVERIFY2(server.WriteListFiles(out.path(), &error), qPrintable(error));
        for (const QString& list : ServerRegister::ListNames()) {
            for (const QString& lang : {QStringLiteral("dk"), QStringLiteral("no"), QStringLiteral("en")}) {
                const QString path = QStringLiteral("/%1/%1.%2.txt").arg(list, lang);
                if (QFile::exists(folder + path))
                    QCOMPARE(TestSupport::readAll(out.path() + path), TestSupport::readAll(folder + path));
            }
        }
    }

    // Two workstations edit one item: the second gets a conflict and nothing of it is written until it chooses.
    void editConflict_data() {
        QTest::addColumn<int>("choice"); // 0 keep theirs, 1 keep mine, 2 edit again
        QTest::newRow("keep theirs") << 0;
        QTest::newRow("keep mine") << 1;
        QTest::newRow("edit again") << 2;
    }
    void editConflict() {
        QFETCH(int, choice);
        ServerRegister a, b;
        DBItemCollection ca(nullptr), cb(nullptr);
        const QString name = newRegister({makeItem(QStringLiteral("Stol"), 1, 5)}, a, ca);
        openSecond(name, b, cb);
        Item* itemA = ca.At(0);
        Item* itemB = cb.At(0);

        Item edited(*itemA);
        edited.SetName(QStringLiteral("Stol (A)"));
        QString error;
        QCOMPARE(a.WriteEdit(itemA, edited, nullptr, &error), ServerRegister::Result::Written);
        *itemA = edited;
        ca.NotifyItemChanged(itemA, 1);

        // B edits the old version, through the collection's announcement (as the undo history does).
        QSignalSpy conflicts(&b, &ServerRegister::conflictFound);
        itemB->SetName(QStringLiteral("Stol (B)"));
        itemB->SetProduct(QStringLiteral("Bøg"));
        cb.NotifyItemChanged(itemB, 1);
        QTRY_COMPARE(conflicts.count(), 1);
        const auto conflict = conflicts.at(0).at(0).value<ServerConflict>();
        QCOMPARE(conflict.item, itemB);
        QCOMPARE(conflict.theirs.GetName(), QStringLiteral("Stol (A)"));
        QCOMPARE(conflict.mine.GetName(), QStringLiteral("Stol (B)"));
        QCOMPARE(conflict.fields, (QList<int>{ServerRegister::FieldName, ServerRegister::FieldProduct}));

        if (choice == 1) {
            QCOMPARE(b.Resolve(conflict, ServerRegister::Resolution::KeepMine, &error),
                     ServerRegister::Result::Written);
            QTRY_COMPARE(itemA->GetName(), QStringLiteral("Stol (B)")); // A follows by the notification
            QCOMPARE(itemA->GetProduct(), QStringLiteral("Bøg"));
            QCOMPARE(itemB->GetName(), QStringLiteral("Stol (B)"));
        } else {
            QCOMPARE(b.Resolve(conflict, ServerRegister::Resolution::KeepTheirs, &error),
                     ServerRegister::Result::Written);
            QCOMPARE(itemB->GetName(), QStringLiteral("Stol (A)"));
            QCOMPARE(itemB->GetProduct(), QString());
            if (choice == 2) {
                Item again(*itemB);
                again.SetProduct(QStringLiteral("Bøg"));
                QCOMPARE(b.WriteEdit(itemB, again, nullptr, &error), ServerRegister::Result::Written);
                *itemB = again;
                cb.NotifyItemChanged(itemB, 1);
                QTRY_COMPARE(itemA->GetProduct(), QStringLiteral("Bøg"));
            }
            QTest::qWait(100);
            QCOMPARE(itemA->GetName(), QStringLiteral("Stol (A)"));
        }
        QCOMPARE(b.VersionOf(itemB), a.VersionOf(itemA));
    }

    // A deletion of an item another workstation has changed meanwhile waits for the user's choice.
    void deletingAChangedItemIsAConflict() {
        ServerRegister a, b;
        DBItemCollection ca(nullptr), cb(nullptr);
        const QString name = newRegister({makeItem(QStringLiteral("Bord"), 0, 1)}, a, ca);
        openSecond(name, b, cb);
        Item renamed(*cb.At(0));
        renamed.SetName(QStringLiteral("Spisebord"));
        QString error;
        QCOMPARE(b.WriteEdit(cb.At(0), renamed, nullptr, &error), ServerRegister::Result::Written);
        QSignalSpy conflicts(&a, &ServerRegister::conflictFound);
        Item* gone = ca.At(0);
        ca.Remove(gone);
        delete gone;
        QTRY_COMPARE(conflicts.count(), 1);
        const auto conflict = conflicts.at(0).at(0).value<ServerConflict>();
        QVERIFY(conflict.mineDeleted);
        QCOMPARE(conflict.theirs.GetName(), QStringLiteral("Spisebord"));
        QCOMPARE(a.Resolve(conflict, ServerRegister::Resolution::KeepTheirs, &error), ServerRegister::Result::Written);
        QCOMPARE(ca.Count(), 1);
        QCOMPARE(ca.At(0)->GetName(), QStringLiteral("Spisebord"));
        Item* again = ca.At(0);
        ca.Remove(again); // now it goes: the version is theirs
        delete again;
        QTRY_COMPARE_WITH_TIMEOUT(cb.Count(), 0, 1000);
    }

    // Movements of two workstations on one item both count, even when each started from an old count; an edit
    // elsewhere meanwhile does not make a movement a conflict.
    void movementsAreNeverLost() {
        ServerRegister a, b;
        DBItemCollection ca(nullptr), cb(nullptr);
        const QString name = newRegister({makeItem(QStringLiteral("Skrue"), 0, 10, QStringLiteral("42"))}, a, ca);
        openSecond(name, b, cb);
        QString error;
        QVERIFY2(b.ApplyMovements({{cb.At(0), 5}}, QStringLiteral("test"), &error), qPrintable(error));
        Item renamed(*cb.At(0));
        renamed.SetName(QStringLiteral("Skrue M4"));
        QCOMPARE(b.WriteEdit(cb.At(0), renamed, nullptr, &error), ServerRegister::Result::Written);
        // A still shows 10 and takes 3 away, as a till's count does.
        Item* item = ca.At(0);
        item->SetNumberOfItems(7);
        ca.NotifyItemChanged(item, 0);
        const qint64 id = a.IdOf(item);
        QCOMPARE(serverCount(a, id), 12);
        QTRY_COMPARE(item->GetNumberOfItems(), 12);
        QTRY_COMPARE(item->GetName(), QStringLiteral("Skrue M4"));
        QTRY_COMPARE(cb.At(0)->GetNumberOfItems(), 12);
    }

    // An import that would take a count below zero is refused by the server as a whole.
    void aRefusedImportChangesNothing() {
        ServerRegister a;
        DBItemCollection ca(nullptr);
        newRegister({makeItem(QStringLiteral("A"), 0, 5), makeItem(QStringLiteral("B"), 1, 2)}, a, ca);
        Item* first = ca.At(0);
        Item* second = ca.At(1);
        QString error;
        QVERIFY(!a.ApplyMovements({{first, -1}, {second, -3}}, QStringLiteral("scanner"), &error));
        QVERIFY2(error.contains(QLatin1String("nul")), qPrintable(error));
        QCOMPARE(serverCount(a, a.IdOf(first)), 5);
        QCOMPARE(first->GetNumberOfItems(), 5);

        // The same through the collection: the scanner import replaces the items in one step.
        QSignalSpy refused(&a, &ServerRegister::changeRefused);
        auto* added = new Item(makeItem(QStringLiteral("C"), 2, 1));
        first->SetNumberOfItems(4);
        second->SetNumberOfItems(-1);
        ca.ReplaceItems({first, second, added});
        QTRY_COMPARE(refused.count(), 1);
        QCOMPARE(ca.Count(), 2);
        QCOMPARE(first->GetNumberOfItems(), 5);
        QCOMPARE(second->GetNumberOfItems(), 2);
        QCOMPARE(serverCount(a, a.IdOf(first)), 5);
        QSqlQuery query(QSqlDatabase::database(a.ConnectionName()));
        QVERIFY(query.exec(QStringLiteral("SELECT count(*), (SELECT count(*) FROM vestrum_moves) FROM vestrum_items")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 2);
        QCOMPARE(query.value(1).toInt(), 0);

        // A good import is written in one go and logged.
        first->SetNumberOfItems(1);
        ca.ReplaceItems({first, second});
        QCOMPARE(serverCount(a, a.IdOf(first)), 1);
        QVERIFY(query.exec(QStringLiteral("SELECT delta FROM vestrum_moves")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), -4);
    }

    // Another workstation's add, edit and delete reach this collection in place within a second.
    void notificationsRefreshInPlace() {
        ServerRegister a, b;
        DBItemCollection ca(nullptr), cb(nullptr);
        const QString name = newRegister({makeItem(QStringLiteral("Lampe"), 0, 1)}, a, ca);
        openSecond(name, b, cb);
        Item* shown = cb.At(0);
        QSignalSpy refreshed(&b, &ServerRegister::itemRefreshed);
        QSignalSpy changed(&cb, &DBItemCollection::itemChanged);
        Item edited(*ca.At(0));
        edited.SetName(QStringLiteral("Lampe'; DROP TABLE vestrum_items; --"));
        edited.SetGroup(3);
        *ca.At(0) = edited;
        ca.NotifyItemChanged(ca.At(0), 0);
        QTRY_COMPARE_WITH_TIMEOUT(shown->GetName(), edited.GetName(), 1000);
        QCOMPARE(cb.At(0), shown);
        QCOMPARE(refreshed.count(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(1).toInt(), 0); // the old group, for the list

        ca.Add(new Item(makeItem(QStringLiteral("Ny"), 1, 1)));
        QTRY_COMPARE_WITH_TIMEOUT(cb.Count(), 2, 1000);
        QSignalSpy removed(&b, &ServerRegister::itemRemovedRemotely);
        Item* gone = ca.At(0);
        ca.Remove(gone);
        delete gone;
        QTRY_COMPARE_WITH_TIMEOUT(cb.Count(), 1, 1000);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(cb.At(0)->GetName(), QStringLiteral("Ny"));

        QSignalSpy lists(&b, &ServerRegister::listsRefreshed);
        ca.Groups().SetEntries({QStringLiteral("Reol 'A'"), QString(), QStringLiteral("Disk")});
        QString error;
        QVERIFY2(a.SaveLists(ca, QStringLiteral("dk"), &error), qPrintable(error));
        QTRY_COMPARE_WITH_TIMEOUT(lists.count(), 1, 1000);
        QCOMPARE(cb.Groups().Entries(), ca.Groups().Entries());
    }

    // The server goes away in use: a change is refused and taken back, the state says so, and the register
    // reconnects by itself and catches up with what changed meanwhile.
    void theServerStopsAndStartsAgain() {
        ServerRegister a, b;
        DBItemCollection ca(nullptr), cb(nullptr);
        const QString name = newRegister({makeItem(QStringLiteral("Hammer"), 0, 3)}, a, ca);
        openSecond(name, b, cb);
        a.SetRetryInterval(100);
        QSignalSpy states(&a, &ServerRegister::connectionStateChanged);
        QSignalSpy refused(&a, &ServerRegister::changeRefused);
        QVERIFY(m_pg->stop());
        Item* item = ca.At(0);
        item->SetName(QStringLiteral("Hammer 2"));
        ca.NotifyItemChanged(item, 0);
        QCOMPARE(a.ConnectionState(), ServerRegister::State::Lost);
        QTRY_COMPARE(refused.count(), 1);
        QCOMPARE(item->GetName(), QStringLiteral("Hammer"));
        Item edited(*item);
        edited.SetName(QStringLiteral("Hammer 3"));
        QString error;
        QCOMPARE(a.WriteEdit(item, edited, nullptr, &error), ServerRegister::Result::Refused);
        QVERIFY(!error.isEmpty());

        QVERIFY2(m_pg->start(), qPrintable(m_pg->error()));
        QTRY_COMPARE_WITH_TIMEOUT(a.ConnectionState(), ServerRegister::State::Connected, 15000);
        QCOMPARE(states.count(), 2);
        QCOMPARE(a.WriteEdit(item, edited, nullptr, &error), ServerRegister::Result::Written);
        *item = edited;
        ca.NotifyItemChanged(item, 0);
        // b lost its connection too and catches up once it is back.
        b.SetRetryInterval(100);
        b.CheckConnection();
        QTRY_COMPARE_WITH_TIMEOUT(cb.At(0)->GetName(), QStringLiteral("Hammer 3"), 5000);
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
        DBItemCollection ca(nullptr), cb(nullptr);
        ServerRegister a, b;
        openSecond(newRegister({makeItem(QStringLiteral("Stol"), 0, 5)}, a, ca), b, cb);
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
};

QTEST_MAIN(TestServer)
#include "tst_server.moc"
