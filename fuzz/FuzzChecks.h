#pragma once

// One run of each fuzz target, shared with the test that replays their findings (tst_fuzz_regressions).
// What is asked of whatever was read: every export and the log are documents an XML reader reads to the
// end, the item names come back as stored (less the control characters XML cannot hold), and a lookup list
// keeps to its limit and survives a save and a reload; a scanner file never takes a count below zero, counts
// each record once and is undone to the register as it was. Each check answers an empty text or what went wrong.

#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Item.h"
#include "core/LogXML.h"
#include "core/UpdateLocationsData.h"
#include "core/userItemCollection.h"
#include "printing/PrintSettings.h"

#include <QBuffer>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace FuzzChecks {

// Reads a document with its declared encoding; the texts of its Name elements go to names when given.
inline QString parseError(const QByteArray& document, const QString& what, QStringList* names = nullptr) {
    QXmlStreamReader reader(document);
    while (!reader.atEnd()) {
        reader.readNext();
        if (names && reader.isStartElement() && reader.name() == QLatin1String("Name"))
            names->append(reader.readElementText());
    }
    if (!reader.hasError())
        return QString();
    return QStringLiteral("%1: %2 at line %3, column %4")
        .arg(what, reader.errorString())
        .arg(reader.lineNumber())
        .arg(reader.columnNumber());
}

// A stored text as an XML reader gives it back.
inline QString readBack(QByteArrayView latin1) {
    QString text;
    text.reserve(latin1.size());
    for (char c : latin1) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 || c == '\t' || c == '\n' || c == '\r')
            text.append(QChar(u));
    }
    return text;
}

// The print settings with every column chosen, for the HTML table.
inline PrintSettings everyColumn() {
    PrintSettings all;
    for (const PrintedColumn& column : PrintedColumns())
        all.*column.flag = true;
    return all;
}

// The XML export and the four HTML forms of a collection (the table with every column).
inline QString exportsError(DBItemCollection& collection) {
    QBuffer xml;
    xml.open(QIODevice::WriteOnly);
    if (!collection.WriteXml(&xml))
        return QStringLiteral("the XML export failed");
    QStringList names;
    QString error = parseError(xml.data(), QStringLiteral("XML export"), &names);
    if (!error.isEmpty())
        return error;
    if (names.size() != collection.Count())
        return QStringLiteral("XML export: %1 names for %2 items").arg(names.size()).arg(collection.Count());
    for (int i = 0; i < collection.Count(); ++i) {
        const QString stored = readBack(collection.At(i)->Latin1(Item::Name));
        if (names.at(i) != stored)
            return QStringLiteral("XML export: item %1 is named \"%2\", not \"%3\"").arg(i).arg(names.at(i), stored);
    }

    const struct {
        const char* name;
        bool heading, oneItem, specialCase, table;
    } forms[] = {{"plain", true, false, false, false},
                 {"table", false, false, false, true},
                 {"special cases", true, false, true, false},
                 {"one item", false, true, false, false}};
    for (const auto& form : forms) {
        if (form.oneItem && collection.Count() == 0)
            continue;
        QBuffer html;
        html.open(QIODevice::WriteOnly);
        const Item* item = form.oneItem ? collection.At(collection.Count() - 1) : nullptr;
        const PrintSettings table = everyColumn();
        if (!collection.WriteHtml(&html, QStringLiteral("/fuzz/<&>.htm"), form.heading, item, form.specialCase,
                                  form.table ? &table : nullptr))
            return QStringLiteral("the HTML export (%1) failed").arg(QLatin1String(form.name));
        error = parseError(html.data(), QStringLiteral("HTML export (%1)").arg(QLatin1String(form.name)));
        if (!error.isEmpty())
            return error;
    }
    return QString();
}

// The log file, once its LogXML is gone.
inline QString logError(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("no log at %1").arg(path);
    return parseError(file.readAll(), QStringLiteral("log"));
}

// The first byte chooses the edition.
inline void chooseEdition(QByteArrayView input) {
    static const int editions[] = {Tovik, Pellin, Ostrel, Brevane};
    SetEdition(editions[static_cast<unsigned char>(input.front()) % 4]);
}

// A database file (after the edition byte) through the reader, the exports and the log. The log is on
// (DEBUGTARNVOLD set) and written to logPath; no lists are read (the register has no folder).
inline QString databaseRunError(QByteArrayView input, const QString& logPath) {
    if (input.isEmpty())
        return QString();
    chooseEdition(input);
    {
        LogXML log(logPath, QStringLiteral("/Fuzz/"));
        DBItemCollection collection(&log);
        collection.LoadFromBuffer(input.sliced(1));
        for (const Item* item : collection) {
            if (item->AllLatin1().size() > Item::TextFieldCount * Item::MaxTextLength)
                return QStringLiteral("an item holds more text than it can");
            (void)item->ToDebugText();
            (void)item->GetDateAsDate();
        }
        const QString error = exportsError(collection);
        if (!error.isEmpty())
            return error;
    }
    return logError(logPath);
}

// Within its limit, and the same after a save and a reload.
inline QString listError(userItemCollection& list, const QString& name, const QString& savePath) {
    if (list.Count() > list.Limit() + 1)
        return QStringLiteral("%1: %2 entries for a limit of %3").arg(name).arg(list.Count()).arg(list.Limit());
    if (!list.SaveToFile(savePath))
        return QStringLiteral("%1 not saved: %2").arg(name, list.LastError());
    userItemCollection again;
    again.SetLimit(list.Limit());
    if (!again.LoadFromFile(savePath))
        return QStringLiteral("%1 not read again").arg(name);
    if (again.Entries() != list.Entries())
        return QStringLiteral("%1 changed by a save and a reload").arg(name);
    return QString();
}

// The same bytes (after the edition byte) as every lookup-list file of the register's folder dir, with the
// language "dk" and holds the folders groups, location, supplier and fields. The
// collection reads them as at start-up; the field captions become the column headings as the list view
// makes them; then one item per group (and one beyond the list) names a supplier and points at a group
// name and a location name as its pictures, and everything goes through the exports and the log.
inline QString listsRunError(QByteArrayView input, const QString& dir) {
    if (input.isEmpty())
        return QString();
    chooseEdition(input);
    for (const char* name : {"groups/groups", "location/location", "supplier/supplier", "fields/fields"}) {
        QFile file(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".dk.txt"));
        const QByteArrayView bytes = input.sliced(1);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes.data(), bytes.size()) != bytes.size())
            return QStringLiteral("cannot write %1").arg(file.fileName());
    }
    const QString logPath = dir + QStringLiteral("/log.xml");
    {
        LogXML log(logPath, QStringLiteral("/Fuzz/"));
        DBItemCollection collection(&log, dir);
        const QString savePath = dir + QStringLiteral("/saved.txt");
        QString error = listError(collection.Groups(), QStringLiteral("groups"), savePath);
        if (error.isEmpty())
            error = listError(collection.Locations(), QStringLiteral("locations"), savePath);
        if (error.isEmpty())
            error = listError(collection.Suppliers(), QStringLiteral("suppliers"), savePath);
        if (error.isEmpty())
            error = listError(collection.Fields(), QStringLiteral("fields"), savePath);
        if (!error.isEmpty())
            return error;

        userItemCollection& fields = collection.Fields();
        for (int field = 0; field <= 16; ++field) {
            if (fields.Entry(field).isEmpty())
                continue;
            const int column = field == 15   ? ColumnNames::Document
                               : field == 16 ? ColumnNames::ProductType
                                             : ColumnNames::ColumnOfField(field);
            ColumnNames::SetTitle(column, fields.Caption(field));
        }
        const userItemCollection& groups = collection.Groups();
        const int count = qMin(groups.Count(), 40);
        for (int i = 0; i <= count; ++i) {
            auto* item = new Item;
            item->SetGroup(i);
            item->SetLocation(i % (collection.Locations().Count() + 2));
            item->SetName(collection.Suppliers().NameOrNumber(i));
            item->SetSupplier(collection.Suppliers().Entry(i));
            item->SetPhotolink(groups.Entry(i));
            item->SetReceipt(collection.Locations().Entry(i));
            item->SetNumberOfItems(1);
            collection.Add(item);
        }
        error = exportsError(collection);
        ColumnNames::Reset();
        if (!error.isEmpty())
            return error;
    }
    return logError(logPath);
}

// The items of a small stock register as text, to compare before and after.
inline QString describeStock(const DBItemCollection& collection) {
    QString text;
    for (const Item* item : collection)
        text += QStringLiteral("%1@%2=%3 %4;")
                    .arg(item->GetSerialno())
                    .arg(item->GetGroup())
                    .arg(item->GetNumberOfItems())
                    .arg(item->GetDate());
    return text;
}

// A scanner file parsed, checked against a small Brevane register, applied and undone.
inline QString scannerRunError(QByteArrayView input) {
    SetEdition(Brevane);
    DBItemCollection collection(nullptr);
    collection.Groups().SetEntries(
        {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    const struct {
        const char* serial;
        int group;
        int count;
    } rows[] = {{"1", 0, 5}, {"2", 1, 0}, {"7", 1, 3}, {"7", 2, 2}, {"0042", 3, 9}, {"100042", 0, 2147483000},
                {"x", 0, 1}};
    for (const auto& row : rows) {
        auto* item = new Item;
        item->SetSerialno(QString::fromLatin1(row.serial));
        item->SetGroup(row.group);
        item->SetNumberOfItems(row.count);
        item->SetDate(QStringLiteral("01.02.2020"));
        collection.Add(item);
    }
    const QString before = describeStock(collection);
    UpdateLocations import;
    import.Parse(input.toByteArray());
    import.Check(collection);
    if (import.GoodCount() + import.ProblemCount() != import.RecordCount() ||
        import.Outcomes().size() != import.Records().size())
        return QStringLiteral("records counted wrong");
    if (describeStock(collection) != before)
        return QStringLiteral("the check changed the register");
    (void)import.SummaryText();
    auto undo = import.ApplyRecords(collection);
    if (!undo)
        return QStringLiteral("no undo");
    for (const Item* item : collection) {
        if (item->GetNumberOfItems() < 0)
            return QStringLiteral("a count below zero");
    }
    if (!undo->Restore(collection) || describeStock(collection) != before)
        return QStringLiteral("the undo did not give the register back");
    return QString();
}

} // namespace FuzzChecks
