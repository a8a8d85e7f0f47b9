// Every window in every edition and language: no two entries seen at once share an Alt+letter (it would reach
// only the first), and every help command, help button and F1 opens a shipped page in the program's language.
// The dialogs' headers need their forms' generated headers; naming them here has them generated for this test.
#include "ui_AutomakeItemsClass.h"
#include "ui_CommonSetupBase.h"
#include "ui_ItemDialogBase.h"
#include "ui_ReportDialogBase.h"
#include "ui_printSelectDataDialogBase.h"
#include "ui_setupdialogBase.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/CsvImport.h"
#include "core/DBItemCollection.h"
#include "core/LookupListEditor.h"
#include "core/UpdateLocationsData.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/CsvImportDialog.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/vestrumwindow.h"
#include "output/InsuranceReportDialog.h"
#include "output/LabelSetupDialog.h"
#include "output/LocationPreviewDialog.h"
#include "output/ReportDialog.h"
#include "output/printSelectDataDialog.h"
#include "setup/AutomakeItems.h"
#include "setup/CommonSetup.h"
#include "setup/setupdialog.h"
#include "tests/TestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <memory>

namespace {

// What a user sees at once: (accelerator, text) of every visible entry that has one.
using Entries = QList<std::pair<QString, QString>>;

void addEntry(Entries& entries, const QString& text) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (!key.isEmpty())
        entries.append({key.toString(QKeySequence::PortableText).toUpper(), text});
}

// Each accelerator that two entries share, as "<where> Alt+N: &Ny | &Næste".
QStringList clashes(const Entries& entries, const QString& where) {
    QMap<QString, QStringList> byKey;
    for (const auto& [key, text] : entries)
        byKey[key] << text;
    QStringList found;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it)
        if (it.value().size() > 1)
            found << where + QLatin1Char(' ') + it.key() + QStringLiteral(": ") +
                         it.value().join(QStringLiteral(" | "));
    return found;
}

// The visible widgets of a window that answer Alt+letter: buttons and check boxes, labels with a buddy, group
// boxes, tab titles and (in a main window) the menu bar's titles. Disabled entries count: they get enabled.
Entries windowEntries(QWidget* window) {
    Entries entries;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            addEntry(entries, button->text());
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            addEntry(entries, label->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            addEntry(entries, group->title());
        else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i))
                    addEntry(entries, tabs->tabText(i));
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* menu : bar->actions())
                if (menu->isVisible())
                    addEntry(entries, menu->text());
        }
    }
    return entries;
}

// A window's clashes on each page of each of its tab widgets.
QStringList windowClashes(QWidget* window) {
    const QString name = window->metaObject()->className();
    QStringList found = clashes(windowEntries(window), name);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        const int shown = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            found << clashes(windowEntries(window), name);
        }
        tabs->setCurrentIndex(shown);
    }
    found.removeDuplicates();
    return found;
}

QStringList menuClashes(QMenu* menu) {
    Entries entries;
    for (QAction* action : menu->actions())
        if (action->isVisible() && !action->isSeparator())
            addEntry(entries, action->text());
    return clashes(entries, QStringLiteral("menu ") + menu->title());
}

// The page a launch opened: in the installation's help folder, shipped (the repository's help folder) and in
// the program's language; empty when it is all of that.
QString helpPageProblem(const QUrl& url, const QString& language) {
    const QString name = QFileInfo(url.toLocalFile()).fileName();
    if (url.toLocalFile() != QDir::current().absoluteFilePath(QStringLiteral("help/") + name))
        return QStringLiteral("not the installation's help folder: ") + url.toLocalFile();
    const QFileInfo shipped(TestSupport::sourceDir() + QStringLiteral("/data/help/") + name);
    if (!shipped.exists() || shipped.size() == 0)
        return QStringLiteral("missing or empty: ") + name;
    if (!name.endsWith(QStringLiteral(".%1.htm").arg(language)) &&
        !name.endsWith(QStringLiteral(".%1.txt").arg(language)))
        return QStringLiteral("not in the program's language: ") + name;
    return QString();
}

} // namespace

class TestAccelerators : public QObject {
    Q_OBJECT
private:
    QTranslator m_toolkit;

private slots:
    void initTestCase() { TestSupport::isolateSettings(); }

    void everyWindow_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        for (const char* language : {"dk", "no", "en"}) {
            for (const char* name : {"Tovik", "Pellin", "Ostrel", "Brevane"})
                QTest::addRow("%s %s", language, name)
                    << EditionFromProgramPath(QLatin1String(name)) << QString::fromLatin1(language);
        }
    }
    // The main window (its menu bar, tool bars and each menu) and every dialog of the program.
    void everyWindow() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        SetEdition(edition);
        const TestSupport::SampleInstallation install;
        Settings().setValue(QStringLiteral("Language"), language);
        TestSupport::installTranslation(language);
        // The toolkit's own buttons (OK, Cancel) in the language, as the program installs them.
        QCoreApplication::removeTranslator(&m_toolkit);
        if (language != QLatin1String("en") &&
            m_toolkit.load(language == QLatin1String("dk") ? "qtbase_da" : "qtbase_nb",
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_toolkit);
        ColumnNames::Reset();
        TestDialogs dialogs;
        RecordingLauncher launcher;
        QStringList found;
        {
            MainWindow window;
            QVERIFY(window.Collection()->Count() > 0);
            // The Edit menu names what it deletes, never the edition.
            QVERIFY(!window.findChild<QAction*>(QStringLiteral("EditDelete"))->text().contains(GetAppName()));
            window.show();
            found << windowClashes(&window);
            for (QMenu* menu : window.findChildren<QMenu*>())
                found << menuClashes(menu);
            // The Help menu: every command present, each opening its own page.
            QCOMPARE(window.findChild<QAction*>(QStringLiteral("HelpHelp"))->shortcut(), QKeySequence(Qt::Key_F1));
            for (const char* name : {"HelpHelp", "HelpTutorial", "HelpLinks", "HelpErrorHandling", "HelpReleases"}) {
                QAction* command = window.findChild<QAction*>(QLatin1String(name));
                QVERIFY2(command && command->isEnabled(), name);
                launcher.opened.clear();
                command->trigger();
                QCOMPARE(launcher.opened.size(), 1);
                const QString problem = helpPageProblem(launcher.opened.first(), language);
                QVERIFY2(problem.isEmpty(), qPrintable(QLatin1String(name) + QStringLiteral(": ") + problem));
            }

            DBItemCollection* collection = window.Collection();
            UpdateLocations import;
            CsvImport csv;
            csv.SetData("Name;Price;Count\r\nChair;12.50;2\r\n");
            const std::function<QDialog*()> builders[] = {
                [&] { return new ItemDialog(collection, collection->At(0), QStringLiteral("DATA"), false, &window); },
                [&] { return new ItemDialog(collection, nullptr, QStringLiteral("DATA"), true, &window); },
                [&] { return new ReportDialog(collection, &window); },
                [&] { return new printSelectDataDialog(collection, &window, "Print setup", true); },
                [&] { return new setupdialog(collection, LookupListEditor::Groups, &window); },
                [&] { return new setupdialog(collection, LookupListEditor::Locations, &window); },
                [&] { return new setupdialog(collection, LookupListEditor::Suppliers, &window); },
                [&] { return new CommonSetup(&window); },
                [&] { return new AutomakeItems(collection, &window); },
                [&] { return new LabelSetupDialog(collection, &window); },
                [&] { return new LocationPreviewDialog(import, false, &window); },
                [&] { return new LocationPreviewDialog(import, true, &window); },
                [&] { return new CsvImportDialog(csv, *collection, edition, QStringLiteral("x.csv"), &window); },
                [&] { return new InsuranceReportDialog(*collection, true, &window); },
            };
            for (const auto& build : builders) {
                std::unique_ptr<QDialog> dialog(build());
                const QString what = QString::fromLatin1(dialog->metaObject()->className());
                dialog->show();
                found << windowClashes(dialog.get());
                // F1 opens the dialog's page, and so does its help button where it has one.
                if (qobject_cast<AutomakeItems*>(dialog.get()) || qobject_cast<LocationPreviewDialog*>(dialog.get()))
                    continue; // no help page of their own
                dialog->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
                launcher.opened.clear();
                QTest::keyClick(dialog.get(), Qt::Key_F1);
                QVERIFY2(launcher.opened.size() == 1, qPrintable(what + QStringLiteral(": F1 opened nothing")));
                const QString problem = helpPageProblem(launcher.opened.first(), language);
                QVERIFY2(problem.isEmpty(), qPrintable(what + QStringLiteral(": ") + problem));
                for (const char* name : {"helpPushButton", "buttonHelp"}) {
                    if (auto* button = dialog->findChild<QPushButton*>(QLatin1String(name))) {
                        QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(what));
                        button->click();
                        QCOMPARE(launcher.opened.size(), 2);
                        QCOMPARE(launcher.opened.last(), launcher.opened.first());
                    }
                }
            }
        }
        QVERIFY2(dialogs.boxes.isEmpty(), qPrintable(dialogs.lastTitle() + QStringLiteral(": ") + dialogs.lastText()));
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("\n") + found.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestAccelerators)
#include "tst_accelerators.moc"
