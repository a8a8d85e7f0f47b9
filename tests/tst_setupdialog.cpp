// The lookup-list editor (rules, then the setupdialog), CommonSetup and AutomakeItems.
// The dialogs' headers need their forms' generated headers; naming them here has them generated for this test.
#include "ui_AutomakeItemsClass.h"
#include "ui_CommonSetupBase.h"
#include "ui_setupdialogBase.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/LookupListEditor.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "setup/AutomakeItems.h"
#include "setup/CommonSetup.h"
#include "setup/setupdialog.h"
#include "tests/TestSupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Result = LookupListEditor::Result;
Q_DECLARE_METATYPE(LookupListEditor::Result)

namespace {
// List files are ISO 8859-1 with CR LF.
QByteArray listBytes(const QStringList& entries) {
    QByteArray bytes;
    for (const QString& entry : entries)
        bytes += entry.toLatin1() + "\r\n";
    return bytes;
}

bool writeList(const QString& path, const QStringList& entries) {
    return QDir().mkpath(QFileInfo(path).path()) && TestSupport::writeAll(path, listBytes(entries));
}

const QStringList kGroupsDk{"Køkken", "Stue", "Garage", "Loft"};
const QStringList kGroupsNo{"Kjøkken", "Stue", "Garasje", "Loft"};
const QStringList kGroupsEn{"Kitchen", "Living room", "Garage", "Attic"};
const QStringList kLocationsDk{"Hylde 1", "Hylde 2", "Skab"};
const QStringList kSuppliersDk{"IKEA", "Bilka", "Elgiganten"};
} // namespace

class TestSetupDialog : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestSupport::SampleInstallation> m_install; // for CommonSetup and AutomakeItems
    std::unique_ptr<QTemporaryDir> m_dir;                       // the lookup lists' database folder
    std::unique_ptr<TestDialogs> m_dialogs;
    std::unique_ptr<DBItemCollection> m_collection;
    QByteArray m_programFiles;

    QString dbDir() const { return m_dir->filePath(QStringLiteral("db")); }
    QString groupsFile(const char* language) const {
        return dbDir() + QStringLiteral("/groups/groups.%1.txt").arg(QLatin1String(language));
    }
    QString locationsFile() const { return dbDir() + QStringLiteral("/location/location.dk.txt"); }
    QString suppliersFile() const { return dbDir() + QStringLiteral("/supplier/supplier.dk.txt"); }

    // Items in groups 0, 1, 1, 3 and locations 0, 0, 1, 1; the lists read from the database folder.
    void openDatabase(int edition = Tovik, const QString& language = QStringLiteral("dk")) {
        SetEdition(edition);
        Settings settings;
        settings.setValue(QStringLiteral("Language"), language);
        m_collection = std::make_unique<DBItemCollection>(nullptr, dbDir());
        const int groups[] = {0, 1, 1, 3};
        const int locations[] = {0, 0, 1, 1};
        for (int i = 0; i < 4; ++i) {
            auto* item = new Item;
            item->SetName(QStringLiteral("Ting %1").arg(i));
            item->SetGroup(groups[i]);
            item->SetLocation(locations[i]);
            item->SetSupplier(kSuppliersDk.at(i % 3));
            m_collection->Add(item);
        }
    }

    // The shipped sample of an edition, for the dialogs that take their folders from it: a copy of the
    // installation becomes the working directory.
    void useEdition(int edition, const QString& language = QStringLiteral("dk")) {
        m_install = std::make_unique<TestSupport::SampleInstallation>();
        SetEdition(edition);
        Settings settings;
        settings.setValue(QStringLiteral("Language"), language);
        settings.setValue(QStringLiteral("LastDBDir"), DefaultDatabaseDir());
    }

    static QStringList shownFolders(CommonSetup& dialog) {
        return {dialog.PicturePathLineEdit->text(), dialog.ReceiptPathLineEdit->text(),
                dialog.DocumentPathLineEdit->text()};
    }
    static QString stored(const char* key) { return Settings().value(QLatin1String(key)).toString(); }

    userItemCollection& listOf(int kind) { return *m_collection->DynamicListOf(kind); }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void choose(setupdialog& dialog, int row) { dialog.listLineEdit->setCurrentRow(row); }
    void type(setupdialog& dialog, const QString& text) { dialog.selectedItemLineEdit->setText(text); }
    QStringList shownEntries(setupdialog& dialog) {
        QStringList entries;
        for (int row = 0; row < dialog.listLineEdit->count(); ++row)
            entries << dialog.listLineEdit->item(row)->text();
        return entries;
    }

private slots:
    void initTestCase() {
        qRegisterMetaType<LookupListEditor::Result>();
        TestSupport::isolateSettings(QStringLiteral("Tovik"));
        TestSupport::installTranslation(QStringLiteral("en"));
        m_programFiles = qgetenv("ProgramFiles");
    }

    void init() {
        qunsetenv("ProgramFiles");
        TestSupport::clearSettings();
        ColumnNames::Reset();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(writeList(groupsFile("dk"), kGroupsDk));
        QVERIFY(writeList(groupsFile("no"), kGroupsNo));
        QVERIFY(writeList(groupsFile("en"), kGroupsEn));
        QVERIFY(writeList(locationsFile(), kLocationsDk));
        QVERIFY(writeList(suppliersFile(), kSuppliersDk));
        m_dialogs = std::make_unique<TestDialogs>();
        openDatabase();
    }

    void cleanup() {
        m_collection.reset();
        m_dialogs.reset();
        m_dir.reset();
        m_install.reset();
        DBItemCollection::SetModified(false);
        if (m_programFiles.isNull())
            qunsetenv("ProgramFiles");
        else
            qputenv("ProgramFiles", m_programFiles);
    }

    // `fill` replaces the groups by that many numbered entries first, to reach the limit.
    void addChecksTheName_data() {
        QTest::addColumn<int>("fill");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Result>("result");
        QTest::addColumn<int>("position");
        QTest::newRow("a new name") << 0 << QStringLiteral("Kælder") << Result::Ok << -1;
        QTest::newRow("the same name in other letters") << 0 << QStringLiteral("køkken") << Result::Ok << -1;
        QTest::newRow("only spaces") << 0 << QStringLiteral("   ") << Result::Empty << -1;
        QTest::newRow("euro sign") << 0 << QStringLiteral("Kr€dit") << Result::NotStorable << 2;
        QTest::newRow("semicolon") << 0 << QStringLiteral("a;b") << Result::NotStorable << 1;
        const int limit = DBItemCollection::MaxListEntries;
        QTest::newRow("one below the limit") << limit - 1 << QStringLiteral("Ny") << Result::Ok << -1;
        QTest::newRow("at the limit") << limit << QStringLiteral("Ny") << Result::LimitReached << -1;
    }
    void addChecksTheName() {
        QFETCH(int, fill);
        QFETCH(QString, name);
        QFETCH(Result, result);
        QFETCH(int, position);
        QStringList before = kGroupsDk;
        if (fill > 0) {
            before.clear();
            for (int i = 0; i < fill; ++i)
                before << QString::number(i);
            m_collection->Groups().SetEntries(before);
        }
        LookupListEditor editor(*m_collection, LookupListEditor::Groups);
        const LookupListEditor::Outcome outcome = editor.Add(name);
        QCOMPARE(outcome.result, result);
        QCOMPARE(outcome.position, position);
        QCOMPARE(editor.Entries(), result == Result::Ok ? before + QStringList{name} : before);
        // Nothing reaches the collection before Save.
        QCOMPARE(m_collection->Groups().Entries(), before);
    }

    // A rename keeps every entry in its place, also after an Add or a Delete in the same session.
    void renameKeepsThePlaces_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Result>("result");
        QTest::addColumn<QString>("entries"); // the whole list afterwards, comma-separated
        QTest::newRow("first") << QString() << 0 << "Bryggers" << Result::Ok << "Bryggers,Stue,Garage,Loft";
        QTest::newRow("last") << QString() << 3 << "Kælder" << Result::Ok << "Køkken,Stue,Garage,Kælder";
        QTest::newRow("after an add") << "add" << 4 << "Skur" << Result::Ok << "Køkken,Stue,Garage,Loft,Skur";
        QTest::newRow("after a delete") << "delete" << 1 << "Dagligstue" << Result::Ok << "Køkken,Dagligstue,Garage";
        QTest::newRow("its own name") << QString() << 1 << "Stue" << Result::Unchanged << kGroupsDk.join(',');
    }
    void renameKeepsThePlaces() {
        QFETCH(QString, before);
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(Result, result);
        QFETCH(QString, entries);
        LookupListEditor editor(*m_collection, LookupListEditor::Groups);
        if (before == QLatin1String("add"))
            QVERIFY(editor.Add(QStringLiteral("Skuret")).ok());
        if (before == QLatin1String("delete")) {
            m_collection->At(3)->SetGroup(2); // frees the last group
            QVERIFY(editor.Delete(3).ok());
        }
        QCOMPARE(editor.Rename(index, name).result, result);
        QCOMPARE(editor.Entries(), entries.split(QLatin1Char(',')));
    }

    // Items keep their group and location as a number: only the last entry goes, and only when unused.
    void deleteProtectsUsedNumbers_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<Result>("result");
        QTest::addColumn<int>("uses");
        QTest::newRow("group: last, used") << 1 << 3 << Result::InUse << 1;
        QTest::newRow("group: middle, unused") << 1 << 2 << Result::NotLast << 0;
        QTest::newRow("location: last, unused") << 2 << 2 << Result::Ok << 0;
        QTest::newRow("location: last but one, used") << 2 << 1 << Result::NotLast << 2;
        QTest::newRow("supplier: first") << 3 << 0 << Result::Ok << 0;
    }
    void deleteProtectsUsedNumbers() {
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(Result, result);
        QFETCH(int, uses);
        const QStringList before = listOf(kind).Entries();
        LookupListEditor editor(*m_collection, kind);
        const LookupListEditor::Outcome outcome = editor.Delete(index);
        QCOMPARE(outcome.result, result);
        QCOMPARE(outcome.uses, uses);
        QStringList expected = before;
        if (result == Result::Ok)
            expected.removeAt(index);
        QCOMPARE(editor.Entries(), expected);
        QCOMPARE(m_collection->At(3)->GetGroup(), 3);
    }

    // The print button only in Brevane, on groups and locations, and only while label printing listens.
    void buttonsPerKindAndEdition_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<bool>("print");
        QTest::newRow("Tovik suppliers, English") << int(Tovik) << "en" << 3 << true << false;
        QTest::newRow("Pellin locations") << int(Pellin) << "dk" << 2 << true << false;
        QTest::newRow("Ostrel groups, Norwegian") << int(Ostrel) << "no" << 1 << true << false;
        QTest::newRow("Brevane groups") << int(Brevane) << "dk" << 1 << true << true;
        QTest::newRow("Brevane locations") << int(Brevane) << "dk" << 2 << true << true;
        QTest::newRow("Brevane groups, nothing listening") << int(Brevane) << "dk" << 1 << false << false;
        QTest::newRow("Brevane suppliers") << int(Brevane) << "dk" << 3 << true << false;
    }
    void buttonsPerKindAndEdition() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(int, kind);
        QFETCH(bool, connected);
        QFETCH(bool, print);
        openDatabase(edition, language);
        setupdialog dialog(m_collection.get(), kind);
        QList<QList<int>> requests;
        if (connected) {
            connect(&dialog, &setupdialog::printLabelsRequested, this, [&requests](int listKind, int index) {
                requests << QList<int>{listKind, index};
            });
        }
        QCOMPARE(dialog.printButton->isVisibleTo(&dialog), print);
        QCOMPARE(shownEntries(dialog), listOf(kind).Entries());
        if (print) {
            choose(dialog, 1);
            click(dialog.printButton);
            QCOMPARE(requests, (QList<QList<int>>{{kind, 1}}));
            QVERIFY(m_dialogs->boxes.isEmpty());
        }
    }

    // Each refusal gets its own box; the dialog and the list stay as they were.
    void refusalsSayWhy_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("button"); // 0 add, 1 save (rename), 2 delete, 3 pasted into the name
        QTest::addColumn<QString>("says");
        QTest::newRow("add, empty") << -1 << "" << 0 << "Type a name";
        QTest::newRow("add, duplicate") << 0 << "Køkken" << 0 << "This name is already used";
        QTest::newRow("add, euro") << -1 << "Kr€" << 0 << "\"€\" (U+20AC)";
        QTest::newRow("rename, empty") << 1 << "" << 1 << "Type a name";
        QTest::newRow("rename, duplicate") << 1 << "Loft" << 1 << "This name is already used";
        QTest::newRow("delete, middle") << 1 << "Stue" << 2 << "\"Stue\" is used by 2 item";
        QTest::newRow("delete, used last") << 3 << "Loft" << 2 << "\"Loft\" is used by 1 item";
        // A pasted character the file cannot hold is refused at once, and the box names it.
        QTest::newRow("pasted omega") << -1 << "Hylde Ω" << 3 << "(U+03A9)";
    }
    void refusalsSayWhy() {
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(int, button);
        QFETCH(QString, says);
        setupdialog dialog(m_collection.get(), LookupListEditor::Groups);
        dialog.show();
        choose(dialog, row);
        m_dialogs->answer(0);
        if (button == 3) {
            dialog.selectedItemLineEdit->clear();
            dialog.selectedItemLineEdit->insert(text);
            QCoreApplication::processEvents();
            QCOMPARE(dialog.selectedItemLineEdit->text(), QString());
        } else {
            type(dialog, text);
            click(QList<QAbstractButton*>{dialog.addButton, dialog.saveButton, dialog.DeleteButton}.at(button));
        }
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->lastTitle(), button == 2 ? QStringLiteral("Error") : QStringLiteral("Input error"));
        QVERIFY(m_dialogs->lastText().contains(says));
        QCOMPARE(shownEntries(dialog), kGroupsDk);
        QCOMPARE(m_collection->Groups().Entries(), kGroupsDk);
        QCOMPARE(TestSupport::readAll(groupsFile("dk")), listBytes(kGroupsDk));
        QVERIFY(dialog.isVisible());
    }

    // Delete, add, rename after the add and after the delete, then OK: all of it is written, in the current
    // language's file only, and the other languages keep their names. The item list shows the new names at
    // once: group rows, a row for the added group, and the location cells.
    void okWritesTheLanguageFileAndTheListShowsIt() {
        m_collection->At(3)->SetGroup(2); // nothing in the last group
        QWidget window;
        ItemListView view(&window);
        view.Fill(m_collection.get());
        view.ViewAll(true);
        const ItemListModel* model = view.Model();
        QCOMPARE(model->rowCount(), 4);
        {
            setupdialog dialog(m_collection.get(), LookupListEditor::Groups);
            dialog.show();
            choose(dialog, 3);
            click(dialog.DeleteButton);
            type(dialog, QStringLiteral("Skur"));
            click(dialog.addButton);
            QCOMPARE(dialog.listLineEdit->currentRow(), 3);
            type(dialog, QStringLiteral("Skuret"));
            click(dialog.saveButton);
            type(dialog, QStringLiteral("Kælder"));
            click(dialog.addButton);
            choose(dialog, 0);
            type(dialog, QStringLiteral("Bryggers"));
            click(dialog.buttonOk);
            QVERIFY(!dialog.isVisible());
        }
        {
            setupdialog dialog(m_collection.get(), LookupListEditor::Locations);
            choose(dialog, 0);
            type(dialog, QStringLiteral("Reol A"));
            click(dialog.buttonOk);
        }
        const QStringList expected{"Bryggers", "Stue", "Garage", "Skuret", "Kælder"};
        QCOMPARE(m_collection->Groups().Entries(), expected);
        QCOMPARE(TestSupport::readAll(groupsFile("dk")), listBytes(expected));
        QCOMPARE(TestSupport::readAll(groupsFile("no")), listBytes(kGroupsNo));
        QCOMPARE(TestSupport::readAll(groupsFile("en")), listBytes(kGroupsEn));
        QCOMPARE(model->rowCount(), 5);
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Bryggers"));
        QCOMPARE(model->index(3, 0).data().toString(), QStringLiteral("Skuret"));
        QCOMPARE(model->index(4, 0).data().toString(), QStringLiteral("Kælder"));
        const QModelIndex firstItem = model->index(0, ColumnNames::Location, model->index(0, 0));
        QCOMPARE(firstItem.data().toString(), QStringLiteral("Reol A"));
        QVERIFY(view.isExpanded(model->index(1, 0)));
    }

    // Cancel after saves, adds, renames and deletes: lists and files as they were when the dialog opened,
    // and a file the dialog made goes again.
    void cancelPutsEverythingBack_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("fileExisted");
        QTest::newRow("groups") << 1 << true;
        QTest::newRow("suppliers") << 3 << true;
        QTest::newRow("locations, no file yet") << 2 << false;
    }
    void cancelPutsEverythingBack() {
        QFETCH(int, kind);
        QFETCH(bool, fileExisted);
        const QString path = m_collection->DynamicListPath(kind);
        if (!fileExisted)
            QVERIFY(QFile::remove(path));
        const QStringList before = listOf(kind).Entries();
        const QByteArray bytesBefore = TestSupport::readAll(path);
        setupdialog dialog(m_collection.get(), kind);
        dialog.show();
        type(dialog, QStringLiteral("Ny 1"));
        click(dialog.addButton);
        click(dialog.saveButton);
        type(dialog, QStringLiteral("Ny 2"));
        click(dialog.addButton);
        choose(dialog, 0);
        type(dialog, QStringLiteral("Omdøbt"));
        click(dialog.saveButton);
        choose(dialog, dialog.listLineEdit->count() - 1);
        click(dialog.DeleteButton);
        QVERIFY(TestSupport::readAll(path) != bytesBefore);
        click(dialog.buttonCancel);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(listOf(kind).Entries(), before);
        QCOMPARE(QFile::exists(path), fileExisted);
        QCOMPARE(TestSupport::readAll(path), bytesBefore);
    }

    // A list file that cannot be written: the box says which and why, the dialog stays open, and the list
    // in memory and the old file are as before.
    void failedSaveKeepsTheDialogOpen() {
        QVERIFY(QFile::remove(locationsFile()));
        QVERIFY(QDir().mkdir(locationsFile())); // a folder where the file should be
        setupdialog dialog(m_collection.get(), LookupListEditor::Locations);
        dialog.show();
        choose(dialog, 0);
        type(dialog, QStringLiteral("Reol"));
        m_dialogs->answer(0);
        click(dialog.buttonOk);
        QVERIFY(dialog.isVisible());
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->lastTitle(), QStringLiteral("File error"));
        QVERIFY(m_dialogs->lastText().contains(QDir::toNativeSeparators(locationsFile())));
        QCOMPARE(m_collection->Locations().Entries(), kLocationsDk);
        QVERIFY(QFileInfo(locationsFile()).isDir());
    }

    // Without a stored folder: the user's Pictures and Documents folders ("ProgramFiles"\Tarnvold where that
    // variable is set); a stored folder wins.
    void commonSetupShowsTheFolders_data() {
        QTest::addColumn<QByteArray>("programFiles");
        QTest::addColumn<QString>("storedReceipts");
        QTest::addColumn<QStringList>("shown");
        const QString pictures =
            QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
        const QString documents =
            QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        const QString tarnvold = QDir::toNativeSeparators(QStringLiteral("/opt/programs/Tarnvold"));
        QTest::newRow("the user's folders") << QByteArray() << QString() << QStringList{pictures, pictures, documents};
        QTest::newRow("ProgramFiles set")
            << QByteArray("/opt/programs") << QString() << QStringList{tarnvold, tarnvold, tarnvold};
        QTest::newRow("a stored folder") << QByteArray() << QStringLiteral("/srv/kvitteringer")
                                         << QStringList{pictures, QStringLiteral("/srv/kvitteringer"), documents};
    }
    void commonSetupShowsTheFolders() {
        QFETCH(QByteArray, programFiles);
        QFETCH(QString, storedReceipts);
        QFETCH(QStringList, shown);
        if (!programFiles.isEmpty())
            qputenv("ProgramFiles", programFiles);
        useEdition(Tovik);
        if (!storedReceipts.isEmpty())
            Settings().setValue(QStringLiteral("ReceiptPath"), storedReceipts);
        CommonSetup dialog;
        QCOMPARE(shownFolders(dialog), shown);
    }

    // Each browse button chooses a folder, starting in the stored one; a cancelled choice changes nothing.
    // Nothing is stored before Apply or OK, nor by Cancel; Apply and OK store every folder that is not empty,
    // and Apply keeps the dialog open.
    void commonSetupBrowsesAndStores() {
        useEdition(Tovik);
        for (const char* key : {"PicturePath", "ReceiptPath", "DocumentPath"})
            Settings().setValue(QLatin1String(key), QStringLiteral("/srv/start"));
        {
            CommonSetup dialog;
            dialog.show();
            QTest::mouseClick(dialog.DefinePicturePathButton, Qt::LeftButton); // cancelled
            QCOMPARE(dialog.PicturePathLineEdit->text(), QStringLiteral("/srv/start"));
            for (const QString& folder : {QStringLiteral("/srv/a"), QStringLiteral("/srv/b"), QStringLiteral("/srv/c")})
                m_dialogs->chooseFile(folder);
            for (QPushButton* browse :
                 {dialog.DefinePicturePathButton, dialog.DefineReceiptPathButton, dialog.DefineDocumentPathButton})
                QTest::mouseClick(browse, Qt::LeftButton);
            QCOMPARE(shownFolders(dialog), QDir::toNativeSeparators(QStringLiteral("/srv/a|/srv/b|/srv/c")).split('|'));
            QCOMPARE(m_dialogs->choosers.size(), 4);
            for (const TestDialogs::Chooser& chooser : m_dialogs->choosers) {
                QCOMPARE(chooser.mode, FileDialogRequest::ExistingDirectory);
                QCOMPARE(chooser.directory, QStringLiteral("/srv/start"));
            }
            QTest::mouseClick(dialog.buttonCancel, Qt::LeftButton);
            for (const char* key : {"PicturePath", "ReceiptPath", "DocumentPath"})
                QCOMPARE(stored(key), QStringLiteral("/srv/start"));
        }
        CommonSetup dialog;
        dialog.show();
        dialog.PicturePathLineEdit->setText(QStringLiteral("/srv/billeder"));
        dialog.ReceiptPathLineEdit->clear();
        QTest::mouseClick(dialog.buttonApply, Qt::LeftButton);
        QCOMPARE(stored("PicturePath"), QStringLiteral("/srv/billeder"));
        QCOMPARE(stored("ReceiptPath"), QStringLiteral("/srv/start"));
        QVERIFY(dialog.isVisible());
        dialog.DocumentPathLineEdit->setText(QStringLiteral("/srv/dokumenter"));
        QTest::mouseClick(dialog.buttonOk, Qt::LeftButton);
        QCOMPARE(stored("DocumentPath"), QStringLiteral("/srv/dokumenter"));
        QVERIFY(!dialog.isVisible());
    }

    // Numbers go on from the highest serial number (one that is no number does not count), in an empty register
    // from its start number; the dialog stays open for another batch.
    void automakeItemsNumbersOn_data() {
        QTest::addColumn<QStringList>("serials");
        QTest::addColumn<QString>("made");
        QTest::newRow("from the highest") << QStringList{"57", "12", "A-3"} << "58,59,60,61,62,63";
        QTest::newRow("empty register") << QStringList{} << "1001,1002,1003,1004,1005,1006";
    }
    void automakeItemsNumbersOn() {
        QFETCH(QStringList, serials);
        QFETCH(QString, made);
        useEdition(Brevane);
        DBItemCollection collection(nullptr, DefaultDatabaseDir());
        if (serials.isEmpty())
            collection.SetStartSerialNumber(1000);
        for (const QString& serial : serials) {
            auto* item = new Item;
            item->SetName(QStringLiteral("Stikkontakt"));
            item->SetSerialno(serial);
            collection.Add(item);
        }
        ItemListView view(nullptr);
        view.SetCollection(&collection);
        view.Fill(&collection);
        DBItemCollection::SetModified(false);

        AutomakeItems dialog(&collection, &view);
        dialog.show();
        QTest::keyClicks(dialog.lineEdit, QStringLiteral("3"));
        QCOMPARE(dialog.NumberToMake(), 3);
        QTest::keyClicks(dialog.nameLineEdit, QStringLiteral("Ny vare"));
        QTest::mouseClick(dialog.pushButtonMakeItems, Qt::LeftButton);
        QVERIFY(DBItemCollection::IsModified());
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.pushButtonMakeItems, Qt::LeftButton);
        QCOMPARE(collection.Count(), serials.size() + 6);
        const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
        QStringList numbers;
        for (int i = serials.size(); i < collection.Count(); ++i) {
            Item* item = collection.At(i);
            numbers << item->GetSerialno();
            QCOMPARE(item->GetName(), QStringLiteral("Ny vare"));
            QCOMPARE(item->GetNumberOfItems(), 1);
            QCOMPARE(item->GetDate(), today);
            QCOMPARE(view.Model()->IndexOf(item).parent(), view.Model()->GroupIndex(0));
        }
        QCOMPARE(numbers.join(','), made);
        QTest::mouseClick(dialog.pushButtonClose, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    // Every change of the text is checked, so each keystroke that leaves no number from 1 to 999 warns.
    void automakeItemsRefusesNumbersOutsideOneTo999_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("warnings");
        QTest::newRow("1000") << "1000" << 1;
        QTest::newRow("0") << "0" << 1;
        QTest::newRow("letters") << "ti" << 2;
        QTest::newRow("emptied") << "5\b" << 1;
    }
    void automakeItemsRefusesNumbersOutsideOneTo999() {
        m_dialogs->expectBoxes(2);
        QFETCH(QString, typed);
        QFETCH(int, warnings);
        useEdition(Brevane);
        DBItemCollection collection(nullptr, DefaultDatabaseDir());
        AutomakeItems dialog(&collection, nullptr);
        for (const QChar c : typed) {
            if (c == QLatin1Char('\b'))
                QTest::keyClick(dialog.lineEdit, Qt::Key_Backspace);
            else
                QTest::keyClicks(dialog.lineEdit, c);
        }
        QCOMPARE(dialog.NumberToMake(), 0);
        QCOMPARE(m_dialogs->boxes.size(), warnings);
        QCOMPARE(m_dialogs->lastText(), QStringLiteral("Number of items must be:\ngreater than 0 and less than 1000"));
        QTest::mouseClick(dialog.pushButtonMakeItems, Qt::LeftButton);
        QCOMPARE(collection.Count(), 0);
    }

    void automakeItemsMakesNothingInALockedDatabase() {
        m_dialogs->expectBoxes(); // the read-only box when it is opened
        useEdition(Brevane);
        QVERIFY(TestSupport::writeAll(DefaultDatabaseDir() + QStringLiteral("/LockFile.txt"), "held by another"));
        DBItemCollection collection(nullptr, DefaultDatabaseDir());
        collection.LoadFromAsciiFile(DefaultDatabasePath());
        QVERIFY(collection.IsReadOnly());
        const int before = collection.Count();
        AutomakeItems dialog(&collection, nullptr);
        QVERIFY(!dialog.pushButtonMakeItems->isEnabled());
        QTest::keyClicks(dialog.lineEdit, QStringLiteral("2"));
        emit dialog.pushButtonMakeItems->clicked(); // reaches the command even though the button is disabled
        QCOMPARE(collection.Count(), before);
    }
};

QTEST_MAIN(TestSetupDialog)
#include "tst_setupdialog.moc"
