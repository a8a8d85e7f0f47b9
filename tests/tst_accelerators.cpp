// Keyboard accelerators (Alt+letter) in every language and edition: no two entries a user sees at once in
// one window or one menu may share one, or Alt+letter reaches only the first of them.
// The dialogs' headers need their forms' generated headers; naming them here has them generated for this test.
#include "ui_AutomakeItemsClass.h"
#include "ui_CommonSetupBase.h"
#include "ui_ItemDialogBase.h"
#include "ui_ReportDialogBase.h"
#include "ui_printSelectDataDialogBase.h"
#include "ui_setupdialogBase.h"

#include "TestSupport.h"
#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/CsvImport.h"
#include "core/DBItemCollection.h"
#include "core/LookupListEditor.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/CsvImportDialog.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/vestrumwindow.h"
#include "output/InsuranceReportDialog.h"
#include "output/LabelSetupDialog.h"
#include "output/LocationPreviewDialog.h"
#include "output/ReportDialog.h"
#include "output/UpdateLocationsData.h"
#include "output/printSelectDataDialog.h"
#include "setup/AutomakeItems.h"
#include "setup/CommonSetup.h"
#include "setup/setupdialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
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

// Each accelerator that two entries share, as "Alt+N: &Ny | &Næste".
QStringList clashes(const Entries& entries) {
    QMap<QString, QStringList> byKey;
    for (const auto& [key, text] : entries)
        byKey[key] << text;
    QStringList found;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it.value().size() > 1)
            found << it.key() + QStringLiteral(": ") + it.value().join(QStringLiteral(" | "));
    }
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
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->isTabVisible(i))
                    addEntry(entries, tabs->tabText(i));
            }
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* menu : bar->actions()) {
                if (menu->isVisible())
                    addEntry(entries, menu->text());
            }
        }
    }
    return entries;
}

// A window's clashes on each page of each of its tab widgets.
QStringList windowClashes(QWidget* window) {
    const QString name = window->metaObject()->className();
    QStringList found;
    auto check = [&] {
        for (const QString& clash : clashes(windowEntries(window))) {
            if (!found.contains(name + QStringLiteral(" ") + clash))
                found << name + QStringLiteral(" ") + clash;
        }
    };
    check();
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        const int shown = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            check();
        }
        tabs->setCurrentIndex(shown);
    }
    return found;
}

QStringList menuClashes(QMenu* menu) {
    Entries entries;
    for (QAction* action : menu->actions()) {
        if (action->isVisible() && !action->isSeparator())
            addEntry(entries, action->text());
    }
    QStringList found;
    for (const QString& clash : clashes(entries))
        found << QStringLiteral("menu ") + menu->title() + QStringLiteral(" ") + clash;
    return found;
}

} // namespace

class TestAccelerators : public QObject {
    Q_OBJECT
private:
    QTranslator m_toolkit;

private slots:
    void initTestCase() { TestSupport::isolateSettings(); }

    // The Edit menu names what it deletes and searches in the user's language, never the edition's name.
    void editMenuNamesWhatItActsOn_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("deleteText");
        QTest::addColumn<QString>("searchText");
        // clang-format off
        QTest::newRow("dk Tovik")   << int(Tovik)   << "dk" << "Slet genstand"     << "Søg...";
        QTest::newRow("dk Pellin")  << int(Pellin)  << "dk" << "Slet billede"      << "Søg...";
        QTest::newRow("dk Ostrel")  << int(Ostrel)  << "dk" << "Slet mønt"         << "Søg...";
        QTest::newRow("dk Brevane") << int(Brevane) << "dk" << "Slet vare"         << "Søg...";
        QTest::newRow("no Tovik")   << int(Tovik)   << "no" << "Slett gjenstand"   << "Søk...";
        QTest::newRow("no Pellin")  << int(Pellin)  << "no" << "Slett bilde"       << "Søk...";
        QTest::newRow("no Ostrel")  << int(Ostrel)  << "no" << "Slett mynt"        << "Søk...";
        QTest::newRow("en Tovik")   << int(Tovik)   << "en" << "Delete item"       << "Search...";
        QTest::newRow("en Pellin")  << int(Pellin)  << "en" << "Delete picture"    << "Search...";
        QTest::newRow("en Ostrel")  << int(Ostrel)  << "en" << "Delete coin"       << "Search...";
        QTest::newRow("en Brevane") << int(Brevane) << "en" << "Delete stock item" << "Search...";
        // clang-format on
    }
    void editMenuNamesWhatItActsOn() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(QString, deleteText);
        QFETCH(QString, searchText);
        SetEdition(edition);
        TestSupport::clearSettings();
        Settings().setValue(QStringLiteral("Language"), language);
        TestSupport::installTranslation(language);
        QTemporaryDir install;
        const QString previous = TestSupport::enterSampleInstallation(install.path());
        TestDialogs dialogs;
        {
            MainWindow window;
            auto text = [&](const char* name) {
                auto* action = window.findChild<QAction*>(QLatin1String(name));
                return action ? action->text().remove(QLatin1Char('&')) : QString();
            };
            QCOMPARE(text("EditDelete"), deleteText);
            QCOMPARE(text("EditSearch"), searchText);
        }
        QDir::setCurrent(previous);
    }

    void noTwoEntriesShareAnAccelerator_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        for (const char* language : {"dk", "no", "en"}) {
            const std::pair<int, const char*> editions[] = {
                {Tovik, "Tovik"}, {Pellin, "Pellin"}, {Ostrel, "Ostrel"}, {Brevane, "Brevane"}};
            for (const auto& [edition, name] : editions)
                QTest::addRow("%s %s", language, name) << edition << QString::fromLatin1(language);
        }
    }
    // The main window (its menu bar, tool bars and each menu) and every dialog of the program, built on the
    // sample register of the edition and language as a user opens them.
    void noTwoEntriesShareAnAccelerator() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        SetEdition(edition);
        TestSupport::clearSettings();
        Settings().setValue(QStringLiteral("Language"), language);
        TestSupport::installTranslation(language);
        // The toolkit's own buttons (OK, Cancel) in the language, as the program installs them.
        QCoreApplication::removeTranslator(&m_toolkit);
        if (language != QLatin1String("en")) {
            const QString toolkit =
                language == QLatin1String("dk") ? QStringLiteral("qtbase_da") : QStringLiteral("qtbase_nb");
            if (m_toolkit.load(toolkit, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(&m_toolkit);
        }
        ColumnNames::Reset();
        QTemporaryDir install;
        const QString previous = TestSupport::enterSampleInstallation(install.path());
        TestDialogs dialogs;
        RecordingLauncher launcher;
        QStringList found;
        {
            MainWindow window;
            QVERIFY(window.Collection()->Count() > 0);
            window.show();
            found << windowClashes(&window);
            for (QMenu* menu : window.findChildren<QMenu*>())
                found << menuClashes(menu);

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
                dialog->show();
                found << windowClashes(dialog.get());
            }
        }
        QDir::setCurrent(previous);
        QVERIFY2(dialogs.boxes.isEmpty(), qPrintable(dialogs.lastTitle() + QStringLiteral(": ") + dialogs.lastText()));
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("\n") + found.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestAccelerators)
#include "tst_accelerators.moc"
