#include "mainwindow/ExternalViewers.h"
#include "mainwindow/GuiDialogs.h"
#include "tests/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// What register texts may reach other programs: a chosen viewer gets one checked argument, the desktop
// never a program, and every refusal is one box naming the text.
class TestLauncher : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_previousDir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    bool make(const QString& name, const QByteArray& bytes, bool executable) {
        if (!TestSupport::writeAll(path(name), bytes))
            return false;
        if (executable)
            return QFile::setPermissions(path(name), QFile::permissions(path(name)) | QFile::ExeOwner);
        return true;
    }

private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        TestSupport::installTranslation(QStringLiteral("en"));
        QVERIFY(m_dir.isValid());
        QVERIFY(make(QStringLiteral("a picture.jpg"), QByteArray("\xff\xd8\xff\xe0", 4), false));
        QVERIFY(make(QStringLiteral("manual.pdf"), "%PDF-1.4\n", false));
        QVERIFY(make(QStringLiteral("export.htm"), "<html></html>", false));
        QVERIFY(make(QStringLiteral("notes.txt"), "marked executable", true));
        QVERIFY(make(QStringLiteral("start.desktop"), "[Desktop Entry]\nType=Application\nExec=sh\n", false));
        QVERIFY(make(QStringLiteral("entry.txt"), "[Desktop Entry]\nType=Application\nExec=sh\n", false));
        QVERIFY(make(QStringLiteral("tool.AppImage"), QByteArray("\177ELF"), false));
        QVERIFY(make(QStringLiteral("binary.jpg"), TestSupport::readAll(QStringLiteral("/bin/true")), false));
        QVERIFY(QFile::link(QStringLiteral("/bin/sh"), path(QStringLiteral("shell.jpg"))));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    void cleanupTestCase() { QDir::setCurrent(m_previousDir); }

    // Each text once to a chosen viewer and once to the desktop. An empty expectation: nothing starts or
    // opens, and one box names the text.
    void textsReachOtherProgramsOnlyChecked_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("viewerArgument");
        QTest::addColumn<QString>("desktopUrl");
        const QString picture = path(QStringLiteral("a picture.jpg"));
        const QString pictureUrl = QUrl::fromLocalFile(picture).toString();
        QTest::newRow("short option") << "-x" << QString() << QString();
        QTest::newRow("javascript") << "javascript:alert(1)" << QString() << QString();
        QTest::newRow("file url of a program") << "file:///bin/sh" << QString() << QString();
        QTest::newRow("relative up") << "../bin/sh" << QString() << QString();
        // The desktop reads a relative path against the working folder, as the shipped samples link.
        QTest::newRow("relative") << "a picture.jpg" << QString() << pictureUrl;
        QTest::newRow("executable bit") << path("notes.txt") << QString() << QString();
        QTest::newRow("desktop entry") << path("start.desktop") << QString() << QString();
        QTest::newRow("desktop entry by content") << path("entry.txt") << QString() << QString();
        QTest::newRow("appimage") << path("tool.AppImage") << QString() << QString();
        QTest::newRow("binary named as picture") << path("binary.jpg") << QString() << QString();
        QTest::newRow("link to a program") << path("shell.jpg") << QString() << QString();
        QTest::newRow("mail asking to attach") << "mailto:a@example.dk?attach=/etc/passwd" << QString() << QString();
        QTest::newRow("no host") << "https:--help" << QString() << QString();
        QTest::newRow("folder") << path("folder") << QString() << QUrl::fromLocalFile(path("folder")).toString();
        QTest::newRow("missing") << path("gone.jpg") << QString() << QString();

        // Web and mail addresses: the viewer and the desktop get the same address.
        auto address = [](const char* tag, const char* text, const char* url) {
            QTest::newRow(tag) << QString::fromUtf8(text) << QString::fromUtf8(url) << QString::fromUtf8(url);
        };
        address("https", "https://example.dk/lampe", "https://example.dk/lampe");
        address("http with space", "http://example.dk/a b", "http://example.dk/a%20b");
        address("www", "www.example.com", "http://www.example.com");
        address("mailto", "mailto:ole@example.dk", "mailto:ole@example.dk");
        QTest::newRow("picture") << " " + picture + " " << picture << pictureUrl;
        QTest::newRow("file url") << pictureUrl << picture << pictureUrl;
        QTest::newRow("pdf") << path("manual.pdf") << path("manual.pdf")
                             << QUrl::fromLocalFile(path("manual.pdf")).toString();
    }
    void textsReachOtherProgramsOnlyChecked() {
        QFETCH(QString, text);
        QFETCH(QString, viewerArgument);
        QFETCH(QString, desktopUrl);
        TestDialogs dialogs;
        RecordingLauncher launcher;
        auto oneBoxNamingTheText = [&] {
            QCOMPARE(dialogs.boxes.size(), 1);
            QVERIFY2(dialogs.lastText().contains(text.trimmed()), qPrintable(dialogs.lastText()));
        };
        if (viewerArgument.isEmpty())
            dialogs.answer(0);
        ExternalViewers::ShowWithProgram(QStringLiteral("gimp"), text);
        QCOMPARE(launcher.started,
                 viewerArgument.isEmpty() ? QList<QStringList>() : QList<QStringList>{{"gimp", viewerArgument}});
        QCOMPARE(launcher.opened.size(), 0);
        if (viewerArgument.isEmpty())
            oneBoxNamingTheText();
        else
            QCOMPARE(dialogs.boxes.size(), 0);

        dialogs.clear();
        launcher.started.clear();
        if (desktopUrl.isEmpty())
            dialogs.answer(0);
        ExternalViewers::OpenWithAssociated(text);
        QCOMPARE(launcher.started.size(), 0);
        QCOMPARE(launcher.opened, desktopUrl.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(desktopUrl)});
        if (desktopUrl.isEmpty())
            oneBoxNamingTheText();
        else
            QCOMPARE(dialogs.boxes.size(), 0);
    }

    // A viewer that does not start is reported, and the desktop opens the checked file instead.
    void aViewerThatDoesNotStartFallsBackToTheDesktop() {
        TestDialogs dialogs;
        RecordingLauncher launcher;
        launcher.startSucceeds = false;
        dialogs.answer(0);
        ExternalViewers::ShowWithProgram(QStringLiteral("mspaint.exe"), path(QStringLiteral("manual.pdf")));
        QCOMPARE(dialogs.boxes.size(), 1);
        QVERIFY(dialogs.lastText().contains(QStringLiteral("mspaint.exe")));
        QCOMPARE(launcher.opened, QList<QUrl>{QUrl::fromLocalFile(path(QStringLiteral("manual.pdf")))});
        // An exported page opens as it always did.
        QVERIFY(ExternalViewers::OpenFile(path(QStringLiteral("export")), QStringLiteral(".htm"), true));
        QCOMPARE(launcher.opened.last(), QUrl::fromLocalFile(path(QStringLiteral("export.htm"))));
    }

    // Boxes quote register and lock-file text, which must never be read as markup; no box text of the
    // program itself relies on markup either.
    void boxesShowPlainText() {
        MessageBoxRequest request;
        request.text = QStringLiteral("Ejer: <b>Jens</b> <img src=\"/etc/passwd\">");
        request.buttons = QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nej")};
        request.defaultButton = 1;
        QList<QPushButton*> buttons;
        const std::unique_ptr<QMessageBox> box = GuiDialogs::buildBox(request, &buttons);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->text(), request.text);
        QCOMPARE(buttons.size(), 2);
        QCOMPARE(box->defaultButton(), buttons.at(1));
        for (const char* language : {"dk", "no", "en"}) {
            TestSupport::installTranslation(QString::fromLatin1(language));
            for (const char* key :
                 {"AboutTovikDetails", "AboutPellinDetails", "AboutOstrelDetails", "AboutBrevaneDetails"}) {
                const QString text = QCoreApplication::translate("MainWindow", key);
                QVERIFY2(text != QLatin1String(key) && !text.contains(QLatin1Char('<')), qPrintable(text));
            }
        }
        TestSupport::installTranslation(QStringLiteral("en"));
    }
};

QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
