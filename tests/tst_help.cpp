#include "TestSupport.h"
#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/vestrumwindow.h"
#include "output/LabelSetupDialog.h"
#include "output/ReportDialog.h"
#include "output/printSelectDataDialog.h"
#include "setup/CommonSetup.h"
#include "setup/setupdialog.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Every help command and help button opens a page that is shipped, in the language of the program, in
// every edition; F1 opens the page of the window in front.
class TestHelp : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestSupport::SampleInstallation> m_install;
    TestDialogs* m_dialogs = nullptr;

    // The page a launch opened, checked against the repository's help folder.
    static QString shippedPage(const QUrl& url, const QString& language) {
        const QString name = QFileInfo(url.toLocalFile()).fileName();
        const QFileInfo shipped(TestSupport::sourceDir() + QStringLiteral("/data/help/") + name);
        if (!shipped.exists() || shipped.size() == 0)
            return QStringLiteral("missing or empty: ") + name;
        if (!name.endsWith(QStringLiteral(".%1.htm").arg(language)) &&
            !name.endsWith(QStringLiteral(".%1.txt").arg(language)))
            return QStringLiteral("not in the program's language: ") + name;
        return QString();
    }

private slots:
    void initTestCase() { TestSupport::isolateSettings(); }
    void init() {
        m_install = std::make_unique<TestSupport::SampleInstallation>();
        m_dialogs = new TestDialogs;
    }
    void cleanup() {
        delete m_dialogs;
        m_install.reset();
        SetEdition(Tovik);
    }

    void everyHelpOpensAShippedPage_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        for (int edition : {int(Tovik), int(Pellin), int(Ostrel), int(Brevane)}) {
            for (const char* language : {"dk", "no", "en"})
                QTest::addRow("%d %s", edition, language) << edition << QString::fromLatin1(language);
        }
    }
    void everyHelpOpensAShippedPage() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        SetEdition(edition);
        Settings().setValue(QStringLiteral("Language"), language);
        RecordingLauncher launcher;
        MainWindow window;
        QVERIFY(window.Collection()->Count() > 0);

        // The Help menu: every command present, each opening its own page.
        for (const char* name : {"HelpHelp", "HelpTutorial", "HelpLinks", "HelpErrorHandling", "HelpReleases"}) {
            QAction* command = window.findChild<QAction*>(QLatin1String(name));
            QVERIFY2(command && command->isEnabled(), name);
            const qsizetype before = launcher.opened.size();
            command->trigger();
            QCOMPARE(launcher.opened.size(), before + 1);
            const QString problem = shippedPage(launcher.opened.last(), language);
            QVERIFY2(problem.isEmpty(), qPrintable(QLatin1String(name) + QStringLiteral(": ") + problem));
        }
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("HelpHelp"))->shortcut(), QKeySequence(Qt::Key_F1));

        // Each dialog: its help button (where it has one) is there and opens the page F1 opens.
        DBItemCollection* collection = window.Collection();
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.emplace_back(
            std::make_unique<ItemDialog>(collection, collection->At(0), QStringLiteral("DATA"), false));
        dialogs.emplace_back(std::make_unique<CommonSetup>());
        for (int kind : {1, 2, 3})
            dialogs.emplace_back(std::make_unique<setupdialog>(collection, kind));
        dialogs.emplace_back(std::make_unique<printSelectDataDialog>(collection));
        dialogs.emplace_back(std::make_unique<ReportDialog>(collection, nullptr, "report", true, Qt::WindowFlags()));
        dialogs.emplace_back(std::make_unique<LabelSetupDialog>(collection, nullptr));
        for (const auto& dialog : dialogs) {
            const QString what = QString::fromLatin1(dialog->metaObject()->className());
            dialog->show();
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
            launcher.opened.clear();
            QTest::keyClick(dialog.get(), Qt::Key_F1);
            QVERIFY2(launcher.opened.size() == 1, qPrintable(what + QStringLiteral(": F1 opened nothing")));
            const QString problem = shippedPage(launcher.opened.first(), language);
            QVERIFY2(problem.isEmpty(), qPrintable(what + QStringLiteral(": ") + problem));
            for (const char* name : {"helpPushButton", "buttonHelp"}) {
                if (auto* button = dialog->findChild<QPushButton*>(QLatin1String(name))) {
                    QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(what));
                    button->click();
                    QCOMPARE(launcher.opened.size(), 2);
                    QCOMPARE(launcher.opened.last(), launcher.opened.first());
                }
            }
            dialog->hide();
        }
        QVERIFY2(m_dialogs->boxes.isEmpty(), qPrintable(m_dialogs->lastText()));
        window.close();
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
