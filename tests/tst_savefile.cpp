#include "core/SaveFile.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSaveFile : public QObject {
    Q_OBJECT
private slots:
    void replacesTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        TestSupport::writeAll(path, "old");
        QString error;
        QVERIFY(SaveFile::writeWhole(path, "new content", &error));
        QCOMPARE(TestSupport::readAll(path), QByteArray("new content"));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files) == QStringList{QStringLiteral("a.txt")});
    }

    void missingFolderFailsWithAReason() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!SaveFile::writeWhole(dir.filePath(QStringLiteral("no/such/a.txt")), "x", &error));
        QVERIFY(!error.isEmpty());
    }

    void cancelledSaveLeavesNoTrace() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        TestSupport::writeAll(path, "old");
        {
            SaveFile file(path);
            QVERIFY(file.open());
            QVERIFY(file.write("half of the new"));
            file.cancel();
        }
        QCOMPARE(TestSupport::readAll(path), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    void deviceRefusesAfterAFailure() {
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

    // On a real, nearly full disk every save either completes or fails with the old file intact.
    void fullDiskNeverTruncates() {
        TmpfsMount disk(256 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(
                QStringLiteral("cannot mount a tmpfs here (%1); the full-disk sweep needs root").arg(disk.error())));
        const QString path = disk.path() + QStringLiteral("/register.db");
        QByteArray oldBytes;
        for (int i = 0; i < 600; ++i)
            oldBytes += "old line " + QByteArray::number(i) + ";\r\n";
        QByteArray newBytes;
        for (int i = 0; i < 5000; ++i)
            newBytes += "new line " + QByteArray::number(i) + ";\r\n";
        QVERIFY(newBytes.size() > 64 * 1024);

        int completed = 0;
        int refused = 0;
        for (qint64 free = 0; free <= newBytes.size() + 64 * 1024; free += 4096) {
            QFile::remove(disk.path() + QStringLiteral("/filler"));
            QVERIFY(TestSupport::writeAll(path, oldBytes));
            QVERIFY(disk.leaveFree(free));
            QString error;
            const bool ok = SaveFile::writeWhole(path, newBytes, &error);
            const QByteArray now = TestSupport::readAll(path);
            if (ok) {
                QCOMPARE(now, newBytes);
                ++completed;
            } else {
                QVERIFY2(now == oldBytes, qPrintable(QStringLiteral("free %1: the old file changed").arg(free)));
                QVERIFY(!error.isEmpty());
                ++refused;
            }
            // No temporary file may stay behind either way.
            const QStringList left = QDir(disk.path()).entryList(QDir::Files);
            QCOMPARE(left.size(), 2);
        }
        QVERIFY(completed > 0);
        QVERIFY(refused > 0);
    }
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
