#include "core/SaveFile.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The full-disk sweep through the save routine is in tst_database_file.
class TestSaveFile : public QObject {
    Q_OBJECT
private slots:
    // Replaced whole and nothing left beside it; a cancelled save leaves the old file and no trace; a missing
    // folder fails with a reason.
    void replaceOrKeep() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        TestSupport::writeAll(path, "old");
        QString error;
        QVERIFY(SaveFile::writeWhole(path, "new content", &error));
        QCOMPARE(TestSupport::readAll(path), QByteArray("new content"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
        {
            SaveFile file(path);
            QVERIFY(file.open());
            QVERIFY(file.write("half of the new"));
            file.cancel();
        }
        QCOMPARE(TestSupport::readAll(path), QByteArray("new content"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
        QVERIFY(!SaveFile::writeWhole(dir.filePath(QStringLiteral("no/such/a.txt")), "x", &error));
        QVERIFY(!error.isEmpty());
    }

    void deviceRefusesBeforeOpen() {
        QTemporaryDir dir;
        SaveFile file(dir.filePath(QStringLiteral("a.txt")));
        QIODevice* device = file.device();
        QCOMPARE(device->write("x"), -1); // not open yet: nothing may pretend to be written
        QVERIFY(file.open());
        QCOMPARE(device->write("abc"), 3);
        QVERIFY(file.commit());
    }

    // The device takes the writes into its buffer and fails only when the buffer is flushed, as a full
    // disk does: the save must not be reported as done.
    void failingFlushFailsTheSave_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("saved");
        QTest::newRow("file") << QString() << true;
        QTest::newRow("full at the flush") << QStringLiteral("/dev/full") << false;
    }
    void failingFlushFailsTheSave() {
        QFETCH(QString, device);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        if (device.isEmpty())
            device = dir.filePath(QStringLiteral("a.txt"));
        else if (!QFile::exists(device))
            QSKIP("no /dev/full here");
        QFile target(device);
        SaveFile file(&target);
        QVERIFY(file.open());
        QVERIFY(file.write(QByteArray(1000, 'x'))); // taken into the buffer
        QCOMPARE(file.commit(), saved);
        QCOMPARE(file.errorString().isEmpty(), saved);
        if (saved)
            QCOMPARE(TestSupport::readAll(device), QByteArray(1000, 'x'));
    }
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
