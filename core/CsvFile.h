#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class DBItemCollection;
class Item;
class QIODevice;

// Comma-separated files as spreadsheets read and write them: RFC 4180 quoting (a field holding the
// separator, a quote or a line break is quoted, quotes doubled), CRLF line ends. The export writes the
// items' fields under the list's column captions; the reading side turns a spreadsheet's file into rows of
// cells for the import (CsvImport).
namespace CsvFile {

// What the file's bytes are. Latin1 is read as Windows-1252, its superset, so that a "€" a spreadsheet
// wrote on Windows comes out as "€" (and is then named as a character the register cannot hold).
enum Encoding { Utf8, Latin1, Utf16 };

// The field behind each exported column, in the list's column order (ColumnNames::Column).
constexpr int FieldCount = 17;

// The header row and one row per item, UTF-8 with a byte-order mark (spreadsheets otherwise take UTF-8 for
// their 8-bit code page). Group and location are written as their names when the name leads back to the
// same number (unique in its list, ignoring case), otherwise as the number; prices with "." and as few
// decimals as give the same value back; the date as stored.
bool Write(QIODevice* device, const std::vector<const Item*>& items, const DBItemCollection& lists, QString* error);
// The same into a file through SaveFile: on failure *error says why and an earlier file stays as it was.
bool Export(const QString& path, const std::vector<const Item*>& items, const DBItemCollection& lists, QString* error);
// The captions of the header row: ColumnNames' titles.
QStringList HeaderCaptions();

// The names of a lookup list (groups, locations) as the CSV files give them: found ignoring case and
// surrounding blanks; a name that occurs twice, or is empty, leads to no number.
class ListNames {
public:
    explicit ListNames(const QStringList& entries);
    // The number of a name, or -1.
    int Find(const QString& name) const;
    // What the export writes for a number: the name when Find gives the number back, else the number.
    QString Text(int number) const;

private:
    QStringList m_entries;
    QHash<QString, int> m_numbers; // folded name -> number, -1 when ambiguous
};

// One field as written: quoted when it holds the separator, a quote or a line break.
QString Quote(const QString& field, QChar separator = QLatin1Char(','));

// A UTF-8 or UTF-16 byte-order mark decides; otherwise bytes that are valid UTF-8 are UTF-8, anything
// else is Latin-1.
Encoding DetectEncoding(QByteArrayView bytes);
// The text of the bytes, without a byte-order mark.
QString Decode(QByteArrayView bytes, Encoding encoding);

// ";", "," or a tab: the one that splits the first lines (outside quotes) most evenly, preferring the
// first line's most frequent; "," when none occurs.
QChar DetectSeparator(const QString& text);

struct Row {
    int number = 0;    // the record's number in the file from 1, as a spreadsheet numbers its rows
    QStringList cells; // empty for a blank line
    bool open = false; // a quoted field that never ends: the cell ran to the end of the file
};

// Splits the text into records. Line ends are CRLF, LF or CR; a quoted field may hold them. A quote inside
// an unquoted field is taken as it is; text after a closing quote is kept with the field.
std::vector<Row> Parse(const QString& text, QChar separator);

} // namespace CsvFile
