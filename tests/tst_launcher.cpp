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

private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        TestSupport::installTranslation(QStringLiteral("en"));
        QVERIFY(m_dir.isValid());
        const QByteArray entry = "[Desktop Entry]\nType=Application\nExec=sh\n";
        // clang-format off
        const std::pair<const char*, QByteArray> files[] = {
            {"a picture.jpg", QByteArray("\xff\xd8\xff\xe0", 4)}, {"manual.pdf", "%PDF-1.4\n"},
            {"export.htm", "<html></html>"}, {"notes.txt", "marked executable"}, {"start.desktop", entry},
            {"entry.txt", entry}, {"tool.AppImage", "\177ELF"}, {"binary.jpg", TestSupport::readAll("/bin/true")}};
        // clang-format on
        for (const auto& [name, bytes] : files)
            QVERIFY(TestSupport::writeAll(path(QLatin1String(name)), bytes));
        QVERIFY(QFile::setPermissions(path("notes.txt"), QFile::permissions(path("notes.txt")) | QFile::ExeOwner));
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
        for (const bool viewer : {true, false}) {
            const QString expected = viewer ? viewerArgument : desktopUrl;
            const bool refused = expected.isEmpty();
            TestDialogs dialogs;
            RecordingLauncher launcher;
            if (refused)
                dialogs.answer(0);
            if (viewer)
                ExternalViewers::ShowWithProgram(QStringLiteral("gimp"), text);
            else
                ExternalViewers::OpenWithAssociated(text);
            const QList<QStringList> started =
                viewer && !refused ? QList<QStringList>{{"gimp", expected}} : QList<QStringList>();
            QCOMPARE(launcher.started, started);
            QCOMPARE(launcher.opened, viewer || refused ? QList<QUrl>() : QList<QUrl>{QUrl(expected)});
            QCOMPARE(dialogs.boxes.size(), refused ? 1 : 0);
            if (refused)
                QVERIFY2(dialogs.lastText().contains(text.trimmed()), qPrintable(dialogs.lastText()));
        }
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
