#include "app/Edition.h"
#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "core/LogXML.h"
#include "core/userItemCollection.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
void writeRaw(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(TestSupport::writeAll(path, bytes));
}
} // namespace

class TestLists : public QObject {
    Q_OBJECT
private:
    QTemporaryDir* m_dir = nullptr;
    QString m_oldCwd;
    QString dbDir() const { return m_dir->filePath(QStringLiteral("db")); }
    QString installDir() const { return m_dir->filePath(QStringLiteral("install")); }

private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        SetEdition(Tovik);
        m_oldCwd = QDir::currentPath();
    }
    void init() {
        TestSupport::clearSettings();
        m_dir = new QTemporaryDir;
        QDir().mkpath(dbDir());
        QDir().mkpath(installDir());
        // The working directory stands for the installation directory of the fallbacks.
        QDir::setCurrent(installDir());
    }
    void cleanup() {
        QDir::setCurrent(m_oldCwd);
        delete m_dir;
        m_dir = nullptr;
    }

    // A list holds one entry more than its limit; a missing file keeps what the list had.
    void loadLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("CR LF, an empty line") << QByteArray("a\r\n\r\nb\r\n") << 100 << QStringList{"a", "", "b"};
        QTest::newRow("LF, no last line end") << QByteArray("a\n\nb") << 100 << QStringList{"a", "", "b"};
        QTest::newRow("empty file") << QByteArray() << 100 << QStringList{};
        QTest::newRow("Latin-1 letters") << QByteArray("K\xf8kken\r\nStue\r\n") << 100 << QStringList{"Køkken", "Stue"};
        QTest::newRow("limit plus one") << QByteArray("0\r\n1\r\n2\r\n3\r\n4\r\n") << 3
                                        << QStringList{"0", "1", "2", "3"};
        QTest::newRow("missing file") << QByteArray("missing") << 100 << QStringList{"keep"};
    }
    void loadLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, limit);
        const QString path = m_dir->filePath(QStringLiteral("list.txt"));
        const bool missing = bytes == "missing";
        if (!missing)
            writeRaw(path, bytes);
        userItemCollection list;
        list.Append(QStringLiteral("keep"));
        list.SetLimit(limit);
        QCOMPARE(list.LoadFromFile(path), !missing);
        QTEST(list.Entries(), "entries");
    }

    void entriesAndCaptions() {
        userItemCollection list;
        list.SetEntries({QStringLiteral("&Navn"), QStringLiteral("Pris")});
        QCOMPARE(list.Entry(5) + list.Caption(7), QString()); // out of range
        QCOMPARE(list.Caption(0), QStringLiteral("Navn"));
        QCOMPARE(list.Entry(0), QStringLiteral("Navn")); // the stored entry loses its mark too
        QCOMPARE(list.IndexOf(QStringLiteral("Pris")), 1);
        QCOMPARE(list.IndexOf(QStringLiteral("pris")), -1);
    }

    void failedSaveIntoReadOnlyFolderKeepsTheOldFile() {
        userItemCollection list; // a folder that is not there stands for one root could write into anyway
        list.Append(QStringLiteral("new"));
        QVERIFY(!list.SaveToFile(m_dir->filePath(QStringLiteral("notafolder/x.txt"))));
        QVERIFY(!list.LastError().isEmpty());

        const QString path = m_dir->filePath(QStringLiteral("groups.txt"));
        writeRaw(path, "old\r\n");
        QFile::setPermissions(path, QFile::ReadOwner);
        if (QFileInfo(path).isWritable())
            QSKIP("running with rights that ignore file permissions");
        QVERIFY(!list.SaveToFile(path));
        QCOMPARE(TestSupport::readAll(path), QByteArray("old\r\n"));
    }

    // Where a register's lists come from: its folder, then its Danish-named groups and locations, and failing
    // both, groups and locations together from the installation; suppliers and captions from the installation's
    // home-contents sample. A register without a folder reads nothing. Files are "db/..." or "install/...".
    void listSources_data() {
        QTest::addColumn<bool>("withFolder");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QStringList>("locations");
        QTest::addColumn<QStringList>("suppliers");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("the register's folder")
            << true
            << QStringList{"db/groups/groups.no.txt=Kjøkken\r\n\r\nGarasje\r\n", "db/location/location.no.txt=Stue\r\n",
                           "db/supplier/supplier.no.txt=Elkjøp\r\n", "db/fields/fields.no.txt=Gruppe\r\n&Navn\r\n"}
            << QStringList{"Kjøkken", "", "Garasje"} << QStringList{"Stue"} << QStringList{"Elkjøp"}
            << QStringList{"Gruppe", "&Navn"};
        QTest::newRow("Danish-named groups")
            << true << QStringList{"db/groups/groups.da.txt=Køkken\r\n", "db/location/location.no.txt=Stue\r\n"}
            << QStringList{"Køkken"} << QStringList{"Stue"} << QStringList{} << QStringList{};
        // The register's own locations file is passed over when no groups file of either name is there.
        QTest::newRow("the installation's lists")
            << true
            << QStringList{"db/location/location.no.txt=Database-rom\r\n",
                           "install/group/group.no.txt=Møbler\r\nKlær\r\n",
                           "install/location/location.no.txt=Stue\r\nKjøkken\r\n",
                           "install/db/DemoDBStd/supplier/supplier.no.txt=IKEA\r\n",
                           "install/db/DemoDBStd/fields/fields.no.txt=Gruppe\r\n"}
            << QStringList{"Møbler", "Klær"} << QStringList{"Stue", "Kjøkken"} << QStringList{"IKEA"}
            << QStringList{"Gruppe"};
        QTest::newRow("no folder") << false << QStringList{"install/group/group.no.txt=Møbler\r\n"} << QStringList{}
                                   << QStringList{} << QStringList{} << QStringList{};
    }
    void listSources() {
        QFETCH(bool, withFolder);
        QFETCH(QStringList, files);
        for (const QString& file : files) {
            const qsizetype at = file.indexOf(QLatin1Char('='));
            const QString content = file.mid(at + 1);
            writeRaw(m_dir->filePath(file.left(at)), content.toLatin1());
        }
        DBItemCollection collection(nullptr, withFolder ? dbDir() : QString(), QStringLiteral("no"));
        QTEST(collection.Groups().Entries(), "groups");
        QTEST(collection.Locations().Entries(), "locations");
        QTEST(collection.Suppliers().Entries(), "suppliers");
        QTEST(collection.Fields().Entries(), "fields");
        QCOMPARE(collection.Fields().Limit(), 30);
        QCOMPARE(collection.Groups().Limit(), 9999);
    }

    void loggedAttempts() {
        writeRaw(dbDir() + "/groups/groups.dk.txt", "Sofa\r\n");
        writeRaw(dbDir() + "/location/location.dk.txt", "Stue\r\n");
        const QString logPath = m_dir->filePath(QStringLiteral("log.xml"));
        qputenv("DEBUGTARNVOLD", "1");
        {
            LogXML log(logPath, QStringLiteral("/Tovik/"));
            DBItemCollection collection(&log, dbDir());
        }
        qunsetenv("DEBUGTARNVOLD");
        const QByteArray text = TestSupport::readAll(logPath);
        QVERIFY(text.contains("<Function>MakeDynamicLists()</Function>"));
        QVERIFY(text.contains("<Loading>" + QFile::encodeName(dbDir()) + "/groups/groups.dk.txt</Loading>"));
        QVERIFY(text.contains("<Loading>" + QFile::encodeName(dbDir()) +
                              "/supplier/supplier.dk.txt</Loading>\n  "
                              "<WARNING>Not found</WARNING>"));
    }

    // A file where a folder should be: that list fails and says so; the others are still written, folders made.
    void saveWritesEveryListItCan() {
        TestDialogs dialogs;
        dialogs.expectBoxes(2);
        writeRaw(dbDir() + "/groups", "not a folder");
        writeRaw(dbDir() + "/fields", "not a folder");
        DBItemCollection collection(nullptr, dbDir());
        collection.Locations().SetEntries({QStringLiteral("Møbler"), QString(), QStringLiteral("Stue")});
        collection.Suppliers().Append(QStringLiteral("IKEA"));
        collection.SaveDynamicLists();
        QCOMPARE(dialogs.boxes.size(), 2);
        QCOMPARE(dialogs.boxes.at(0).title, QStringLiteral("Fil fejl"));
        QVERIFY(dialogs.boxes.at(0).text.contains(dbDir() + "/groups/groups.dk.txt"));
        QVERIFY(dialogs.boxes.at(1).text.contains(dbDir() + "/fields/fields.dk.txt"));
        QCOMPARE(TestSupport::readAll(dbDir() + "/location/location.dk.txt"), QByteArray("M\xf8"
                                                                                         "bler\r\n\r\nStue\r\n"));
        QCOMPARE(TestSupport::readAll(dbDir() + "/supplier/supplier.dk.txt"), QByteArray("IKEA\r\n"));
        QCOMPARE(dialogs.waitDepth, 0);
    }
};

QTEST_GUILESS_MAIN(TestLists)
#include "tst_lists.moc"
