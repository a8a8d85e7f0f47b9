// The item dialog's header needs its form's generated header; naming it here has it generated for this test too.
#include "ui_ItemDialogBase.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/ItemCommands.h"
#include "core/TextFilter.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/ListFilterField.h"
#include "tests/TestSupport.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QUndoStack>

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

// Every shown row: "Group: item, item"; sorted, the items of a group in name order.
QStringList shownRows(const ItemListModel* model, bool sorted = false) {
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList names = childNames(model, row);
        if (sorted)
            names.sort();
        rows << model->index(row, 0).data().toString() + QStringLiteral(": ") + names.join(QStringLiteral(", "));
    }
    return rows;
}

// Every group row as "Group/number of its rows".
QStringList groupRows(const ItemListModel* model) {
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row)
        rows << model->index(row, 0).data().toString() + QLatin1Char('/') +
                    QString::number(model->rowCount(model->index(row, 0)));
    return rows;
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
        m_collection->Groups().SetEntries(groups);
        m_collection->Locations().SetEntries(locations);
        m_view->SetCollection(m_collection);
    }
    Item* selected() const { return m_view->ItemOf(m_view->isItemSelected()); }
    QString header(int column) const { return m_view->model()->headerData(column, Qt::Horizontal).toString(); }

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

    // After each announced change the rows are those of a fresh fill (a group's items in any order: a move
    // appends); the model tester checks every signal on the way. No filter, one on names, one on a location.
    void modelFollowsTheAnnouncements_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("filter");
        for (const char* change :
             {"add", "add a miss", "edit", "edit into a hit", "move", "move to a missing group",
              "move out of a missing group", "move undone", "remove", "remove a group's last", "add many",
              "remove many", "replace", "groups renamed and added", "location renamed"}) {
            for (const char* filter : {"", "chair", "stue"})
                QTest::addRow("%s, filter '%s'", change, filter)
                    << QString::fromLatin1(change) << QString::fromLatin1(filter);
        }
    }
    void modelFollowsTheAnnouncements() {
        QFETCH(QString, change);
        QFETCH(QString, filter);
        DBItemCollection& c = *m_collection;
        c.Groups().SetEntries({"A", "B", "C"});
        c.Locations().SetEntries({"Stue", "Kælder"});
        QList<Item*> items;
        for (int i = 0; i < 12; ++i) {
            items << makeItem(QStringLiteral("%1 %2").arg(i % 2 ? "chair" : "table").arg(i, 2, 10, QLatin1Char('0')),
                              i % 3);
            items.last()->SetLocation(i % 4 == 0 ? 0 : 1);
            c.Add(items.last());
        }
        Item* stray = makeItem("chair stray", 7); // a group number the list lacks
        c.Add(stray);
        ItemListModel model;
        model.SetCollection(&c);
        model.SetFilter(filter);
        model.Fill();
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const auto regroup = [&c](Item* item, int group) {
            const int oldGroup = item->GetGroup();
            item->SetGroup(group);
            c.NotifyItemChanged(item, oldGroup);
        };
        const auto rename = [&c](Item* item, const char* name) {
            item->SetName(QString::fromLatin1(name));
            c.NotifyItemChanged(item, item->GetGroup());
        };
        const auto remove = [&c](const std::vector<Item*>& gone) {
            c.RemoveItems(gone);
            qDeleteAll(gone);
        };
        if (change == "add") {
            c.Add(makeItem("chair new", 1));
        } else if (change == "add a miss") {
            c.Add(makeItem("stool", 1));
        } else if (change == "edit") {
            rename(items[1], "bench");
        } else if (change == "edit into a hit") {
            rename(items[0], "chair 00");
        } else if (change == "move") {
            regroup(items[1], 2);
        } else if (change == "move to a missing group") {
            regroup(items[1], 9);
        } else if (change == "move out of a missing group") {
            regroup(stray, 0);
        } else if (change == "move undone") {
            const Item before(*items[4]);
            items[4]->SetGroup(2);
            c.Push(new EditItemCommand(&c, items[4], before));
            c.UndoStack()->undo();
            QCOMPARE(items[4]->GetGroup(), 1);
        } else if (change == "remove") {
            QVERIFY(c.Remove(items[3]));
            delete items[3];
        } else if (change == "remove a group's last") {
            remove({items[2], items[5], items[8], items[11]});
        } else if (change == "add many") {
            c.AddItems({makeItem("chair x", 0), makeItem("table y", 5)});
        } else if (change == "remove many") {
            remove({items[0], items[1], stray});
        } else if (change == "replace") {
            std::vector<Item*> next(c.begin() + 1, c.end());
            std::reverse(next.begin(), next.end());
            qDeleteAll(c.ReplaceItems(next));
        } else if (change == "groups renamed and added") {
            c.SetListEntries(DBItemCollection::GroupList, {"A", "Bee", "C", "D"});
        } else if (change == "location renamed") {
            c.SetListEntries(DBItemCollection::LocationList, {"Loft", "Kælder"});
        }
        ItemListModel fresh;
        fresh.SetCollection(&c);
        fresh.SetFilter(filter);
        fresh.Fill();
        QCOMPARE(shownRows(&model, true), shownRows(&fresh, true));
    }

    // Added and moved items are selected; a delete is undoable; rows go before the collection destroys items.
    void theViewFollowsTheCollection() {
        attach({"A", "B", "C"});
        for (int i = 0; i < 6; ++i)
            m_collection->Add(makeItem(QStringLiteral("item %1").arg(i), i % 3));
        m_view->Fill(m_collection);
        m_view->ViewAll(true);
        Item* added = makeItem("new", 1);
        m_collection->Add(added);
        QCOMPARE(selected(), added);
        m_view->SelectItem(m_collection->At(0));
        added->SetGroup(2);
        m_collection->NotifyItemChanged(added, 1);
        QCOMPARE(selected(), added);
        QCOMPARE(m_view->DeleteItem(), added);
        QVERIFY(DBItemCollection::IsModified());
        QCOMPARE(m_collection->IndexOf(added), -1);
        QVERIFY(!m_view->isItemSelected().isValid());
        m_collection->UndoStack()->undo();
        QCOMPARE(m_view->Model()->IndexOf(added).parent(), m_view->Model()->GroupIndex(2));
        m_collection->Clear();
        QCOMPARE(m_view->Model()->rowCount(), 0);
    }

    // Items of an unlisted group number get a row of it after the listed groups, also sorted; one box says so.
    // The group header sorts listed groups by name, items keep order and indexes; a changed list keeps it all.
    void groupRowsAndTheirSort() {
        m_dialogs->expectBoxes();
        attach({"Køkken", "Altan", "Stue"});
        m_collection->Add(makeItem("b", 2));
        m_collection->Add(makeItem("a", 2));
        for (int i = 0; i < 500; ++i)
            m_collection->Add(makeItem(QStringLiteral("lost %1").arg(i), 5 - i % 3));
        m_view->Fill(m_collection);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        const ItemListModel* model = m_view->Model();
        QCOMPARE(groupRows(model),
                 (QStringList{"Køkken/0", "Altan/0", "Stue/2", "Group 3 (not in the group list)/166",
                              "Group 4 (not in the group list)/167", "Group 5 (not in the group list)/167"}));
        QVERIFY(model->IsMissingGroup(model->GroupIndex(3)));
        QVERIFY(!model->IsMissingGroup(model->GroupIndex(2)));
        const QPersistentModelIndex kept = model->index(1, 1, model->GroupIndex(2));
        m_view->setExpanded(model->GroupIndex(2), true);
        m_view->header()->setSortIndicator(ColumnNames::Group, Qt::AscendingOrder);
        QCOMPARE(groupRows(model).mid(0, 3), (QStringList{"Altan/0", "Køkken/0", "Stue/2"}));
        m_view->header()->setSortIndicator(ColumnNames::Group, Qt::DescendingOrder);
        QCOMPARE(groupRows(model).mid(0, 3), (QStringList{"Stue/2", "Køkken/0", "Altan/0"}));
        QCOMPARE(kept.parent().row(), 0);
        QCOMPARE(kept.data().toString(), QStringLiteral("a"));
        QCOMPARE(childNames(model, 0), (QStringList{"b", "a"}));
        QVERIFY(m_view->isExpanded(model->GroupIndex(2)));
        m_collection->SetListEntries(DBItemCollection::GroupList, {"Køkken", "Altan", "Stuen", "Have"});
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(groupRows(model).mid(0, 4), (QStringList{"Stuen/2", "Køkken/0", "Have/166", "Altan/0"}));
        QVERIFY(m_view->isExpanded(model->GroupIndex(2)));
    }

    // Every typed word must be found, in any order, case and accents aside, within one shown text; not in file links.
    void filterRule_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("found");
        // clang-format off
        QTest::newRow("accents dropped")               << "København" << "kobenhavn" << true;
        QTest::newRow("accent typed")                  << "cafe" << "Café" << true;
        QTest::newRow("combining accent typed")        << "Café" << QStringLiteral("cafe\u0301") << true;
        QTest::newRow("outside Latin-1 typed")         << "Lodz" << QStringLiteral("Łódź") << false;
        QTest::newRow("decomposable outside Latin-1")  << "Gyor" << QStringLiteral("Győr") << true;
        QTest::newRow("ae is no æ")                    << "Æbletræ" << "aebletrae" << false;
        QTest::newRow("æ is æ")                        << "Æbletræ" << "æble" << true;
        QTest::newRow("every word, any order")         << "Sofa, grå bord" << "  bord   sofa " << true;
        QTest::newRow("a word missing")                << "Sofa" << "sofa bord" << false;
        QTest::newRow("no words")                      << "Sofa" << "   " << true;
        QTest::newRow("name and product")              << "Lampe" << "lampe stue" << true;
        QTest::newRow("across two texts")              << "Lampe" << "pest" << false;
        QTest::newRow("product type, after the links") << "Lampe" << "artek" << true;
        QTest::newRow("web address")                   << "Lampe" << "example" << true;
        QTest::newRow("picture link")                  << "Lampe" << "jpg" << false;
        QTest::newRow("a date")                        << "Lampe" << "1999" << true;
        // clang-format on
    }
    void filterRule() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(bool, found);
        Item item;
        item.SetName(name);
        item.SetProduct(QStringLiteral("stue"));
        item.SetDate(QStringLiteral("31.12.1999"));
        item.SetPhotolink(QStringLiteral("lampe.jpg"));
        item.SetWww(QStringLiteral("https://example.dk"));
        item.SetProducttype(QStringLiteral("Artek"));
        QCOMPARE(TextFilter(typed).Matches(item), found);
    }

    // Group and location names count as texts; group rows count hits and open; no filter restores the open groups.
    void filterNarrowsTheRows_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("location") << "kobenhavn" << QStringList{"Stue (1 of 2): Sofa"};
        QTest::newRow("group name") << "STUE" << QStringList{"Stue (2 of 2): Sofa, Lampe"};
        QTest::newRow("two groups") << "l" << QStringList{"Stue (1 of 2): Lampe", "Have (2 of 2): Café-stol, Æbletræ"};
        QTest::newRow("nothing") << "zebra" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{"Stue: Sofa, Lampe", "Køkken: ", "Have: Café-stol, Æbletræ"};
    }
    void filterNarrowsTheRows() {
        QFETCH(QString, typed);
        QFETCH(QStringList, rows);
        attach({"Stue", "Køkken", "Have"}, {"København", "Aarhus"});
        Item* sofa = makeItem("Sofa", 0);
        Item* lamp = makeItem("Lampe", 0);
        lamp->SetProduct(QStringLiteral("Louis Poulsen"));
        for (Item* item : {sofa, lamp, makeItem("Café-stol", 2), makeItem("Æbletræ", 2)}) {
            if (item != sofa)
                item->SetLocation(1);
            m_collection->Add(item);
        }
        m_view->Fill(m_collection);
        const ItemListModel* model = m_view->Model();
        m_view->setExpanded(model->GroupIndex(2), true);
        m_view->SetFilter(typed.left(2));
        m_view->SetFilter(typed);
        QCOMPARE(shownRows(model), rows);
        for (int row = 0; !typed.isEmpty() && row < model->rowCount(); ++row)
            QVERIFY(m_view->isExpanded(model->index(row, 0)));
        m_view->SetFilter(QString());
        QCOMPARE(shownRows(model), (QStringList{"Stue: Sofa, Lampe", "Køkken: ", "Have: Café-stol, Æbletræ"}));
        QVERIFY(m_view->isExpanded(model->GroupIndex(2)));
        QVERIFY(!m_view->isExpanded(model->GroupIndex(0)));
    }

    void filterFieldKeys() {
        ListFilterField field;
        QSignalSpy leave(&field, &ListFilterField::leaveRequested);
        QTest::keyClicks(&field, QStringLiteral("lampe"));
        QTest::keyClick(&field, Qt::Key_Escape);
        QCOMPARE(field.text(), QString());
        QCOMPARE(leave.count(), 0);
        QTest::keyClick(&field, Qt::Key_Escape);
        QCOMPARE(leave.count(), 1);
        QSignalSpy wanted(m_view, &ItemListView::filterRequested);
        QTest::keyClicks(m_view, QStringLiteral("/"));
        QCOMPARE(wanted.count(), 1);
    }

    // The totals follow every change and the filter; numbers in the interface language.
    void totalsOfWhatIsShown() {
        Settings().setValue(QStringLiteral("Language"), QStringLiteral("en"));
        attach({"A", "B"});
        QSignalSpy totals(m_view, &ItemListView::totalsChanged);
        auto item = [](const char* name, int group, int count, double price, double today) {
            Item* i = makeItem(name, group);
            i->SetNumberOfItems(count);
            i->SetPrice(price);
            i->SetPriceToday(today);
            return i;
        };
        m_collection->Add(item("chair", 0, 4, 250.5, 800));
        m_collection->Add(item("table", 1, 1, 1500, 1000));
        m_view->Fill(m_collection);
        auto shown = [this] {
            const ItemListModel::Totals t = m_view->Model()->ShownTotals();
            return QStringLiteral("%1 %2 %3 %4").arg(t.items).arg(t.pieces).arg(t.price).arg(t.today);
        };
        QCOMPARE(shown(), QStringLiteral("2 5 2502 1800"));
        Item* lamp = item("lamp", 1, 2, 100, 50);
        m_collection->Add(lamp);
        QCOMPARE(shown(), QStringLiteral("3 7 2702 1850"));
        m_view->SetFilter(QStringLiteral("chair"));
        QCOMPARE(shown(), QStringLiteral("1 4 1002 800"));
        m_view->SetFilter(QString());
        m_collection->Remove(lamp);
        delete lamp;
        QTRY_VERIFY(!totals.isEmpty());
        QCOMPARE(totals.last().first().toString(), m_view->TotalsText());
        QCOMPARE(m_view->TotalsText(),
                 QStringLiteral("Entries: 2   Pieces: 5   Total price: 2,502.00   Value today: 1,800.00"));
        QVERIFY(ItemListModel::TotalsText({1, 1, 1234.5, 0}, QLocale(QLocale::Danish, QLocale::Denmark))
                    .contains(QStringLiteral("1.234,50")));
    }

    // Dates sort as dates (none and impossible ones first), prices as numbers; persistent indexes and the
    // selection follow their item across each sort, not its old row number.
    void sortingMovesRowsWithTheirItems() {
        attach({"Alt"});
        QAbstractItemModelTester tester(m_view->Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QStringList dates{"01.02.2001", "31.12.1999", "", "05.01.2001", "31.02.2001", "15.06.2000"};
        const double prices[] = {1000, 20, 3.5, 100, 7, 0.5};
        for (int i = 0; i < dates.size(); ++i) {
            m_collection->Add(makeItem(dates[i], 0, dates[i]));
            m_collection->At(i)->SetPrice(prices[i]);
        }
        m_view->Fill(m_collection);
        m_view->ViewAll(true);
        const ItemListModel* model = m_view->Model();
        QList<QPersistentModelIndex> kept;
        QList<const Item*> keptItems;
        for (int row = 0; row < dates.size(); ++row) {
            kept << QPersistentModelIndex(model->index(row, 1, model->GroupIndex(0)));
            keptItems << m_view->ItemOf(kept.last());
        }
        m_view->setCurrentIndex(kept[3]);
        // Resolved afresh by row: an index stuck at its old row would still carry its item's pointer.
        auto itemAtRow = [&](const QModelIndex& index) {
            return m_view->ItemOf(model->index(index.row(), 1, index.parent()));
        };
        for (const auto& [column, order, rows] :
             {std::tuple{9, Qt::AscendingOrder,
                         QStringList{"", "31.02.2001", "31.12.1999", "15.06.2000", "05.01.2001", "01.02.2001"}},
              {9, Qt::DescendingOrder,
               QStringList{"01.02.2001", "05.01.2001", "15.06.2000", "31.12.1999", "", "31.02.2001"}},
              {5, Qt::AscendingOrder,
               QStringList{"15.06.2000", "", "31.02.2001", "31.12.1999", "05.01.2001", "01.02.2001"}},
              {1, Qt::AscendingOrder,
               QStringList{"", "01.02.2001", "05.01.2001", "15.06.2000", "31.02.2001", "31.12.1999"}}}) {
            m_view->sortByColumn(column, order);
            QCOMPARE(childNames(model, 0), rows);
            for (int i = 0; i < kept.size(); ++i)
                QCOMPARE(itemAtRow(kept[i]), keptItems[i]);
            QCOMPARE(itemAtRow(m_view->isItemSelected()), keptItems[3]);
        }
    }

    // Cells in the list's own forms; a tool tip that looks like markup must still read as the register's text.
    void cellsAndToolTips() {
        attach({"Stue <b>"}, {"Stue", "Køkken"});
        Item* item = makeItem("Sofa <grå> & <b>bord</b>", 0, "05.01.2001");
        item->SetPrice(12.5);
        item->SetNumberOfItems(3);
        item->SetPriceToday(30);
        item->SetLocation(1);
        item->SetPhotolink(QStringLiteral(" billeder/lampe.JPG "));
        item->SetReceipt(QStringLiteral("kvittering.pdf"));
        item->SetDocument(QStringLiteral("/tmp/<i>manual</i>.pdf"));
        Item* lost = makeItem("Væk", 0);
        lost->SetLocation(2); // no such location
        m_collection->AddItems({item, lost});
        m_view->Fill(m_collection);
        const QModelIndex row = m_view->Model()->IndexOf(item);
        auto cell = [&row](int column, int role = Qt::DisplayRole) { return row.siblingAtColumn(column).data(role); };
        QStringList texts;
        for (int column : {4, 5, 6, 9, 10})
            texts << cell(column).toString();
        QCOMPARE(texts, (QStringList{"3", "37.50", "30.00", "05.01.2001", "Køkken"}));
        QVERIFY(!cell(7, Qt::DecorationRole).isNull());  // a picture
        QVERIFY(cell(8, Qt::DecorationRole).isNull());   // a receipt that is no picture
        QVERIFY(!cell(16, Qt::DecorationRole).isNull()); // a document
        QCOMPARE(m_view->Model()->IndexOf(lost).siblingAtColumn(10).data().toString(), QStringLiteral("Error"));
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
        SetEdition(Pellin); // Pellin shows the unit price
        QCOMPARE(cell(5).toString(), QStringLiteral("12.50"));
    }

    // Captions from the fields list without "&"; empty ones, or an older file's other names, keep the default.
    void captionsFromTheFieldsList_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("productType");
        QTest::addColumn<QString>("documentHeader");
        QTest::addColumn<QString>("productTypeHeader");
        // clang-format off
        QTest::newRow("2.5.5")       << 255 << "&Papirer" << "Model" << "Papirer" << "Model";
        QTest::newRow("COLUMN word") << 255 << "DOC_COLUMN" << "FIELD_16" << "Dok." << "Produkt model";
        QTest::newRow("2.5.2 file")  << 252 << "Papirer" << "Model" << "Dok." << "Produkt model";
        QTest::newRow("2.5.3 file")  << 253 << "Papirer" << "Model" << "Papirer" << "Produkt model";
        // clang-format on
    }
    void captionsFromTheFieldsList() {
        QFETCH(int, version);
        TestSupport::installTranslation(QStringLiteral("dk"));
        ColumnNames::Reset();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.db"));
        TestSupport::writeAll(path, "#2.5." + QByteArray::number(version % 10) + " (TVK)\r\n");
        QVERIFY(m_collection->LoadFromAsciiFile(path));
        QCOMPARE(DBItemCollection::LoadedFormatVersion(), version);
        QStringList fields{"Type", "&Navn", "",      "Stk.", "Købt", "Værdi", "Foto", "Købt den",
                           "Rum",  "Note",  "Butik", "Info", "Nr.",  "Net",   "Bon"};
        QFETCH(QString, document);
        QFETCH(QString, productType);
        fields << document << productType;
        attach({"Stue"});
        m_collection->Fields().SetEntries(fields);
        m_view->ViewAll(false); // nothing happens on an empty list
        QCOMPARE(ColumnNames::Title(1), QStringLiteral("Navn"));
        m_collection->Add(makeItem("x", 0));
        m_view->Fill(m_collection);
        m_view->ViewAll(true);
        QCOMPARE(header(1), QStringLiteral("Navn"));
        QCOMPARE(header(2), QCoreApplication::translate("ItemListView", "Fabrikat")); // an empty name: unchanged
        QCOMPARE(header(9), QStringLiteral("Købt den"));
        QFETCH(QString, documentHeader);
        QFETCH(QString, productTypeHeader);
        QCOMPARE(header(16), QCoreApplication::translate("ItemListView", qPrintable(documentHeader)));
        QCOMPARE(header(3), QCoreApplication::translate("ItemListView", qPrintable(productTypeHeader)));
        QVERIFY(m_view->isExpanded(m_view->Model()->GroupIndex(0)));
        m_view->ViewAll(false);
        QVERIFY(!m_view->isExpanded(m_view->Model()->GroupIndex(0)));
        TestSupport::installTranslation(QStringLiteral("en"));
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
        QVERIFY(!m_view->HasUrl(row)); // no current row yet
        m_view->ItemSelected(row);
        QVERIFY(m_view->HasUrl(row));
        QVERIFY(!m_view->HasPictureLink(m_view->Model()->GroupIndex(0))); // a group row never has links
        m_view->MousePressed(row, QPoint(), 15);
        // No web program chosen: the address goes to the browser, never started as a program.
        QCOMPARE(launcher.opened.size(), 1);
        QCOMPARE(launcher.opened.first().toString(), QStringLiteral("https://example.dk/lampe"));
        QVERIFY(launcher.started.isEmpty());
        // A photolink that is no picture goes to the associated program; a missing file is named as missing.
        m_dialogs->expectBoxes();
        m_view->MousePressed(row, QPoint(), 7);
        QVERIFY(launcher.started.isEmpty());
        QCOMPARE(launcher.opened.size(), 1);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->lastText().contains(QCoreApplication::translate(
            "MainWindow", "The specified file was not found (please, check write permissions).")));
        Settings().setValue(QStringLiteral("wwwProgram"), QStringLiteral("/usr/bin/firefox"));
        m_view->ShowUrl();
        QCOMPARE(launcher.started.value(0), (QStringList{"/usr/bin/firefox", "https://example.dk/lampe"}));
        launcher.opened.clear();
        m_view->MousePressed(m_view->Model()->GroupIndex(0), QPoint(), 15); // a group row's cells do nothing
        QVERIFY(launcher.opened.isEmpty());
        item->SetWww(QString());
        m_dialogs->expectBoxes();
        m_view->ShowUrl();
        QCOMPARE(m_dialogs->lastTitle(), QCoreApplication::translate("ItemListView", "NB!"));
    }

    // Default widths fit every shown caption with its sort indicator ("Numbe", "Kvitterin" were cut).
    void defaultWidthsFitTheCaptions_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        for (auto [edition, name] :
             {std::pair{Tovik, "Tovik"}, {Pellin, "Pellin"}, {Ostrel, "Ostrel"}, {Brevane, "Brevane"}})
            for (const char* language : {"dk", "no", "en"})
                QTest::addRow("%s %s", name, language) << int(edition) << QString::fromLatin1(language);
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
        {
            DBItemCollection collection(nullptr, folder, language);
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
                const QString caption = view.model()->headerData(column, Qt::Horizontal).toString();
                QVERIFY2(view.isColumnHidden(column) ||
                             view.columnWidth(column) >= header->fontMetrics().horizontalAdvance(caption) + room,
                         qPrintable(caption));
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
        QCOMPARE(ItemListView(m_window).columnWidth(15), 333);
    }

    // Each opener of the item dialog shows exactly one, in its state; the view follows the item it shows.
    void theViewOpensTheItemDialog() {
        QTemporaryDir dir;
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(dir.filePath(QStringLiteral("sofa.png"))));
        attach({"Stue", "Køkken"});
        Item* sofa = makeItem("Sofa", 0);
        sofa->SetPhotolink(dir.filePath(QStringLiteral("sofa.png")));
        Item* bench = makeItem("Bænk", 0);
        m_collection->Add(sofa);
        m_collection->Add(bench);
        m_view->Fill(m_collection);
        const QModelIndex sofaRow = m_view->Model()->IndexOf(sofa);
        using State = ItemDialog::State;
        const State states[] = {State::Edit, State::New, State::Search, State::Edit};
        for (int opener = 0; opener < 4; ++opener) {
            if (opener == 0)
                m_view->doubleClickOnItemSlot(sofaRow);
            else if (opener == 1)
                m_view->doubleClickOnItemSlot(m_view->Model()->GroupIndex(1));
            else if (opener == 2)
                m_view->SeachItem();
            else {
                m_view->ItemSelected(sofaRow);
                m_view->ShowPicture1();
            }
            QList<ItemDialog*> shown; // exactly one dialog shows
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<ItemDialog*>(widget); dialog && dialog->isVisible())
                    shown << dialog;
            }
            QCOMPARE(shown.size(), 1);
            ItemDialog* dialog = shown.first();
            QCOMPARE(dialog->CurrentState(), states[opener]);
            QCOMPARE(dialog->primaryTabWidget->currentWidget(), opener == 3 ? dialog->picturePage : dialog->basicPage);
            if (states[opener] == State::Edit) {
                QCOMPARE(dialog->CurrentItem(), sofa);
                dialog->NextSlot();
                QCOMPARE(selected(), bench);
            }
            if (states[opener] == State::New)
                QCOMPARE(dialog->groupComboBox->currentIndex(), 1);
            dialog->close();
            QTest::qWait(0);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestItemListView)
#include "tst_itemlistview.moc"
