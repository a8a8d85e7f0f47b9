#include "TestSupport.h"
#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {
Item* makeItem(const QString& name, int group, const QString& date = QString()) {
    auto* item = new Item;
    item->SetName(name);
    item->SetGroup(group);
    item->SetDate(date);
    item->SetNumberOfItems(1);
    return item;
}

QStringList childNames(const ItemListModel* model, int group) {
    QStringList names;
    const QModelIndex parent = model->index(group, 0);
    for (int row = 0; row < model->rowCount(parent); ++row)
        names << model->index(row, 1, parent).data().toString();
    return names;
}
} // namespace

class TestItemListView : public QObject {
    Q_OBJECT
private:
    QWidget* m_window = nullptr;
    ItemListView* m_view = nullptr;
    DBItemCollection* m_collection = nullptr;
    TestDialogs* m_dialogs = nullptr;

    void attach(const QStringList& groups, const QStringList& locations = {}) {
        for (const QString& g : groups)
            m_collection->Groups().Append(g);
        for (const QString& l : locations)
            m_collection->Locations().Append(l);
        m_view->SetCollection(m_collection);
    }

private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        TestSupport::installTranslation(QStringLiteral("en"));
    }
    void init() {
        SetEdition(Tovik);
        TestSupport::clearSettings();
        Settings().setValue(QStringLiteral("LastDBDir"), QString()); // no lists from disk
        ColumnNames::Reset();
        m_dialogs = new TestDialogs;
        m_window = new QWidget;
        m_view = new ItemListView(m_window);
        m_collection = new DBItemCollection(nullptr);
        DBItemCollection::SetModified(false);
    }
    void cleanup() {
        delete m_window;
        delete m_collection;
        delete m_dialogs;
    }

    void itemsUnderTheirGroupRows() {
        attach({"Stue", "Køkken", "Have"});
        m_collection->Add(makeItem("Sofa", 0));
        m_collection->Add(makeItem("Grill", 2));
        m_collection->Add(makeItem("Bord", 0));
        m_view->Fill(m_collection);
        const ItemListModel* model = m_view->Model();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("Køkken"));
        QCOMPARE(childNames(model, 0), (QStringList{"Sofa", "Bord"}));
        QCOMPARE(childNames(model, 1), QStringList());
        QCOMPARE(childNames(model, 2), QStringList{"Grill"});
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    void unlistedItemsGiveOneMessage() {
        m_dialogs->expectBoxes();
        attach({"Stue", "Køkken"});
        m_collection->Add(makeItem("ok", 1));
        for (int i = 0; i < 500; ++i)
            m_collection->Add(makeItem("lost", 2 + i % 3));
        m_view->Fill(m_collection);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->lastText().contains(QStringLiteral("2")));
        QVERIFY(m_dialogs->lastText().contains(QStringLiteral("500")));
        QCOMPARE(m_collection->Count(), 501); // they stay in the database
        QCOMPARE(childNames(m_view->Model(), 1), QStringList{"ok"});
    }

    void modelStaysConsistent() {
        attach({"A", "B", "C"}, {"Stue"});
        QAbstractItemModelTester tester(m_view->Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int i = 0; i < 30; ++i) {
            auto* item = makeItem(QStringLiteral("item %1").arg(i), i % 3,
                                  QStringLiteral("%1.%2.20%3")
                                      .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                                      .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                      .arg(10 + i % 9));
            m_collection->Add(item);
        }
        m_view->Fill(m_collection);
        m_view->ViewAll(true);
        m_view->sortByColumn(9, Qt::AscendingOrder);
        m_view->sortByColumn(1, Qt::DescendingOrder);
        // The collection announces an add, a change in place, a move to another group and a delete.
        Item* added = makeItem("new", 1);
        m_collection->Add(added);
        QCOMPARE(m_view->ItemOf(m_view->isItemSelected()), added);
        added->SetName(QStringLiteral("renamed"));
        m_collection->NotifyItemChanged(added, 1);
        QVERIFY(childNames(m_view->Model(), 1).contains(QStringLiteral("renamed")));
        added->SetGroup(2);
        m_collection->NotifyItemChanged(added, 1);
        QVERIFY(childNames(m_view->Model(), 2).contains(QStringLiteral("renamed")));
        QVERIFY(!childNames(m_view->Model(), 1).contains(QStringLiteral("renamed")));
        QCOMPARE(m_view->ItemOf(m_view->isItemSelected()), added);
        m_view->sortByColumn(5, Qt::AscendingOrder);
        m_view->FindListViewItem(added);
        m_view->DeleteItem();
        QVERIFY(DBItemCollection::IsModified()); // a deletion is a change to save
        QCOMPARE(m_collection->IndexOf(added), -1);
        QVERIFY(!m_view->isItemSelected().isValid());
        // The collection destroys its items only after the view has let go of them.
        m_collection->Clear();
        QCOMPARE(m_view->Model()->rowCount(), 0);
    }

    // A header sort moves rows; every persistent index and the selection must follow their item, not stay
    // at the row number the item had before.
    void persistentIndexesFollowTheirItemsAcrossASort() {
        attach({"A", "B"});
        QAbstractItemModelTester tester(m_view->Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int i = 0; i < 40; ++i)
            m_collection->Add(makeItem(QStringLiteral("item %1").arg((i * 17) % 40, 2, 10, QLatin1Char('0')), i % 2));
        m_view->Fill(m_collection);
        m_view->ViewAll(true);
        const ItemListModel* model = m_view->Model();
        QList<QPersistentModelIndex> kept;
        QList<const Item*> keptItems;
        for (int group : {0, 1})
            for (int row : {0, 5, 19}) {
                kept << QPersistentModelIndex(model->index(row, 1, model->index(group, 0)));
                keptItems << m_view->ItemOf(kept.last());
            }
        const QModelIndex selected = model->index(7, 0, model->index(1, 0));
        m_view->setCurrentIndex(selected);
        const Item* selectedItem = m_view->ItemOf(selected);
        for (auto [column, order] :
             {std::pair{1, Qt::AscendingOrder}, {1, Qt::DescendingOrder}, {9, Qt::AscendingOrder}}) {
            m_view->sortByColumn(column, order);
            // Resolved afresh by row: an index that kept its old row number would still carry its item's pointer.
            auto itemAtRow = [&](const QModelIndex& index) {
                return m_view->ItemOf(model->index(index.row(), 1, index.parent()));
            };
            for (int i = 0; i < kept.size(); ++i) {
                QVERIFY(kept[i].isValid());
                QCOMPARE(itemAtRow(kept[i]), keptItems[i]);
            }
            QCOMPARE(itemAtRow(m_view->isItemSelected()), selectedItem);
        }
    }

    void dateSortAcrossYears() {
        attach({"Alt"});
        for (const char* date : {"01.02.2001", "31.12.1999", "", "05.01.2001", "31.02.2001", "15.06.2000"})
            m_collection->Add(makeItem(QLatin1String(date).isEmpty() ? QStringLiteral("none") : QLatin1String(date), 0,
                                       QLatin1String(date)));
        m_view->Fill(m_collection);
        m_view->sortByColumn(9, Qt::AscendingOrder);
        QCOMPARE(childNames(m_view->Model(), 0),
                 (QStringList{"none", "31.02.2001", "31.12.1999", "15.06.2000", "05.01.2001", "01.02.2001"}));
        m_view->sortByColumn(9, Qt::DescendingOrder);
        QCOMPARE(childNames(m_view->Model(), 0).first(), QStringLiteral("01.02.2001"));
    }

    void numbersSortAsNumbers() {
        attach({"Alt"});
        for (double price : {1000.0, 20.0, 3.5}) {
            Item* item = makeItem(QString::number(price), 0);
            item->SetPrice(price);
            m_collection->Add(item);
        }
        m_view->Fill(m_collection);
        m_view->sortByColumn(5, Qt::AscendingOrder);
        QCOMPARE(childNames(m_view->Model(), 0), (QStringList{"3.5", "20", "1000"}));
    }

    void cells() {
        attach({"Stue"}, {"Stue", "Køkken"});
        Item* item = makeItem("Lampe", 0, "05.01.2001");
        item->SetPrice(12.5);
        item->SetNumberOfItems(3);
        item->SetPriceToday(30);
        item->SetLocation(1);
        item->SetPhotolink(QStringLiteral(" billeder/lampe.JPG "));
        item->SetReceipt(QStringLiteral("kvittering.pdf"));
        item->SetDocument(QStringLiteral("manual.pdf"));
        Item* lost = makeItem("Væk", 0);
        lost->SetLocation(2);
        m_collection->Add(item);
        m_collection->Add(lost);
        m_view->Fill(m_collection);
        const QModelIndex row = m_view->Model()->IndexOf(item);
        auto cell = [&row](int column, int role = Qt::DisplayRole) { return row.siblingAtColumn(column).data(role); };
        QCOMPARE(cell(4).toString(), QStringLiteral("3"));
        QCOMPARE(cell(5).toString(), QStringLiteral("37.50"));
        QCOMPARE(cell(6).toString(), QStringLiteral("30.00"));
        QCOMPARE(cell(9).toString(), QStringLiteral("05.01.2001"));
        QCOMPARE(cell(10).toString(), QStringLiteral("Køkken"));
        QVERIFY(!cell(7, Qt::DecorationRole).isNull());  // a picture
        QVERIFY(cell(8, Qt::DecorationRole).isNull());   // a receipt that is no picture
        QVERIFY(!cell(16, Qt::DecorationRole).isNull()); // a document
        QCOMPARE(m_view->Model()->IndexOf(lost).siblingAtColumn(10).data().toString(), QStringLiteral("Error"));
        SetEdition(Pellin); // Pellin shows the unit price
        QCOMPARE(cell(5).toString(), QStringLiteral("12.50"));
    }

    void captionsFromTheFieldsList_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("productType");
        QTest::addColumn<QString>("documentHeader");
        QTest::addColumn<QString>("productTypeHeader");
        QTest::newRow("2.5.5") << 255 << "&Papirer"
                               << "Model"
                               << "Papirer"
                               << "Model";
        QTest::newRow("COLUMN word") << 255 << "DOC_COLUMN"
                                     << "FIELD_16"
                                     << "Dok."
                                     << "Produkt model";
        QTest::newRow("2.5.2 file") << 252 << "Papirer"
                                    << "Model"
                                    << "Dok."
                                    << "Produkt model";
        QTest::newRow("2.5.3 file") << 253 << "Papirer"
                                    << "Model"
                                    << "Papirer"
                                    << "Produkt model";
    }
    void captionsFromTheFieldsList() {
        QFETCH(int, version);
        QFETCH(QString, document);
        QFETCH(QString, productType);
        QFETCH(QString, documentHeader);
        QFETCH(QString, productTypeHeader);
        TestSupport::installTranslation(QStringLiteral("dk"));
        ColumnNames::Reset();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.db"));
        TestSupport::writeAll(path, "#2.5." + QByteArray::number(version % 10) + " (TVK)\r\n");
        QVERIFY(m_collection->LoadFromAsciiFile(path));
        QCOMPARE(DBItemCollection::LoadedFormatVersion(), version);
        QStringList fields{"Type", "&Navn", "",      "Stk.", "Købt", "Værdi", "Foto", "Købt den",
                           "Rum",  "Note",  "Butik", "Info", "Nr.",  "Net",   "Bon"};
        fields << document << productType;
        attach({"Stue"});
        for (const QString& f : fields)
            m_collection->Fields().Append(f);
        m_view->ViewAll(false); // nothing happens on an empty list
        QCOMPARE(ColumnNames::Title(1), QStringLiteral("Navn"));
        m_collection->Add(makeItem("x", 0));
        m_view->Fill(m_collection);
        m_view->ViewAll(true);
        auto header = [this](int column) { return m_view->model()->headerData(column, Qt::Horizontal).toString(); };
        QCOMPARE(header(0), QStringLiteral("Type"));
        QCOMPARE(header(1), QStringLiteral("Navn"));
        QCOMPARE(header(2), QCoreApplication::translate("ItemListView", "Fabrikat")); // an empty name: unchanged
        QCOMPARE(header(4), QStringLiteral("Stk."));
        QCOMPARE(header(8), QStringLiteral("Bon"));
        QCOMPARE(header(9), QStringLiteral("Købt den"));
        // Captions the fields list leaves alone keep the program's own (translated) default.
        QCOMPARE(header(16), QCoreApplication::translate("ItemListView", qPrintable(documentHeader)));
        QCOMPARE(header(3), QCoreApplication::translate("ItemListView", qPrintable(productTypeHeader)));
        QVERIFY(m_view->isExpanded(m_view->Model()->GroupIndex(0)));
        m_view->ViewAll(false);
        QVERIFY(!m_view->isExpanded(m_view->Model()->GroupIndex(0)));
        TestSupport::installTranslation(QStringLiteral("en"));
    }

    // A tool tip that looks like markup would be shown as markup; register text must read as it stands.
    void toolTipsShowTextAsItStands() {
        attach({"Stue <b>"});
        Item* item = makeItem("Sofa <grå> & <b>bord</b>", 0);
        item->SetDocument(QStringLiteral("/tmp/<i>manual</i>.pdf"));
        m_collection->Add(item);
        m_view->Fill(m_collection);
        const QModelIndex row = m_view->Model()->IndexOf(item);
        const auto shown = [](const QModelIndex& index) {
            const QString tip = index.data(Qt::ToolTipRole).toString();
            QTextDocument document;
            if (Qt::mightBeRichText(tip))
                document.setHtml(tip);
            else
                document.setPlainText(tip);
            return document.toPlainText();
        };
        QCOMPARE(shown(row.siblingAtColumn(ColumnNames::Name)), item->GetName());
        QCOMPARE(shown(row.siblingAtColumn(ColumnNames::Document)), item->GetDocument());
        QCOMPARE(shown(m_view->Model()->GroupIndex(0)), QStringLiteral("Stue <b>"));
    }

    void linkCellsOpenThroughThePlatform() {
        RecordingLauncher launcher;
        attach({"Stue"});
        Item* item = makeItem("Lampe", 0);
        item->SetWww(QStringLiteral("https://example.dk/lampe"));
        item->SetPhotolink(QStringLiteral("/tmp/manual.pdf"));
        m_collection->Add(item);
        m_view->Fill(m_collection);
        m_view->ViewAll(true);
        const QModelIndex row = m_view->Model()->IndexOf(item);
        QVERIFY(m_view->HasUrl(row) == false); // no current row yet
        m_view->ItemSelected(row);
        QVERIFY(m_view->HasUrl(row));
        QVERIFY(!m_view->HasPictureLink(m_view->Model()->GroupIndex(0))); // a group row never has links
        m_view->MousePressed(row, QPoint(), 15);
        // No web program chosen: the address goes to the browser, never started as a program.
        QCOMPARE(launcher.opened.size(), 1);
        QCOMPARE(launcher.opened.first().toString(), QStringLiteral("https://example.dk/lampe"));
        QVERIFY(launcher.started.isEmpty());
        // A photolink that is no picture, with no viewer chosen: straight to the associated program; a missing
        // file is named as missing, not as a file type without a program.
        m_dialogs->expectBoxes();
        m_view->MousePressed(row, QPoint(), 7);
        QVERIFY(launcher.started.isEmpty());
        QVERIFY(launcher.opened.size() == 1);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY2(m_dialogs->lastText().contains(QCoreApplication::translate(
                     "MainWindow", "The specified file was not found (please, check write permissions).")),
                 qPrintable(m_dialogs->lastText()));
        Settings().setValue(QStringLiteral("wwwProgram"), QStringLiteral("/usr/bin/firefox"));
        m_view->ShowUrl();
        QCOMPARE(launcher.started.size(), 1);
        QCOMPARE(launcher.started.first(), (QStringList{"/usr/bin/firefox", "https://example.dk/lampe"}));
        // A group row's cells do nothing.
        launcher.opened.clear();
        m_view->MousePressed(m_view->Model()->GroupIndex(0), QPoint(), 15);
        QVERIFY(launcher.opened.isEmpty());
        // No web address: the "NB!" box.
        item->SetWww(QString());
        m_dialogs->expectBoxes();
        m_view->ShowUrl();
        QCOMPARE(m_dialogs->lastTitle(), QCoreApplication::translate("ItemListView", "NB!"));
    }

    // With no stored widths every shown caption of every edition's register fits its column, sort indicator
    // included, in each language ("Numbe", "Kvitterin" were cut).
    void defaultWidthsFitTheCaptions_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        const struct {
            const char* name;
            int edition;
        } editions[] = {{"Tovik", Tovik}, {"Pellin", Pellin}, {"Ostrel", Ostrel}, {"Brevane", Brevane}};
        for (const auto& e : editions) {
            for (const char* language : {"dk", "no", "en"})
                QTest::addRow("%s %s", e.name, language) << e.edition << QString::fromLatin1(language);
        }
    }
    void defaultWidthsFitTheCaptions() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        SetEdition(edition);
        TestSupport::installTranslation(language);
        ColumnNames::Reset();
        QTemporaryDir dir;
        const QString folder = TestSupport::copyTree(
            TestSupport::sourceDir() + QStringLiteral("/data/") + DefaultDatabaseDir(), dir.path());
        Settings().setValue(QStringLiteral("Language"), language);
        Settings().setValue(QStringLiteral("LastDBDir"), folder);
        {
            DBItemCollection collection(nullptr);
            QVERIFY(collection.LoadFromAsciiFile(dir.filePath(QFileInfo(DefaultDatabasePath()).fileName())));
            ItemListView view(m_window);
            view.Fill(&collection);
            view.ViewAll(true);
            QHeaderView* header = view.header();
            QStyleOptionHeader option;
            option.initFrom(header);
            const int room = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, &option, header) +
                             header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, &option, header);
            for (int column = 0; column < ColumnNames::ColumnCount; ++column) {
                if (view.isColumnHidden(column))
                    continue;
                const QString caption = view.model()->headerData(column, Qt::Horizontal).toString();
                QVERIFY2(view.columnWidth(column) >= header->fontMetrics().horizontalAdvance(caption) + room,
                         qPrintable(QStringLiteral("%1: %2").arg(caption).arg(view.columnWidth(column))));
            }
            // A width the user gave keeps when the captions are set again (Price: shown in every edition).
            view.setColumnWidth(ColumnNames::Price, 30);
            view.ViewAll(false);
            QCOMPARE(view.columnWidth(ColumnNames::Price), 30);
        }
        TestSupport::installTranslation(QStringLiteral("en"));
    }

    void columnWidthsOnlyOnRequest() {
        m_view->setColumnWidth(15, 333);
        QVERIFY(!Settings().contains(QStringLiteral("ListView/WWWCOLUMNwidth")));
        m_view->SaveColumnWidths();
        QCOMPARE(Settings().value(QStringLiteral("ListView/WWWCOLUMNwidth")).toInt(), 333);
        QCOMPARE(Settings().value(QStringLiteral("ListView/Colums")).toInt(), 17);
        ItemListView another(m_window);
        QCOMPARE(another.columnWidth(15), 333);
    }
};

QTEST_MAIN(TestItemListView)
#include "tst_itemlistview.moc"
