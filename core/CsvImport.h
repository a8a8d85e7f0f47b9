#pragma once

#include "core/CsvFile.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class DBItemCollection;
class Item;

// The rules of reading a spreadsheet's file into items: the file's encoding and separator, the header row,
// which column gives which field (a mapping), and every row's problems. Nothing here changes a register:
// Items() hands over new items, which the caller adds all at once.
//
// A row with a problem (a number that is no number, a character the register cannot hold, an unknown group
// name...) gives no item; whether the other rows may go in without it is the caller's choice. A row whose
// text the register would change on saving (";" and line breaks, which its file cannot hold, and texts
// beyond 199 characters) gives its item with that change made now, and a note says so.
class CsvImport {
    Q_DECLARE_TR_FUNCTIONS(CsvImport)
public:
    // A column that gives no field.
    static constexpr int Ignored = -1;

    struct Problem {
        int row = 0;          // as a spreadsheet numbers it, the header row being 1
        QString text;         // names the field (its column caption) and what is wrong
        bool blocking = true; // false: a note on a change made to the row's text
    };
    struct Outcome {
        std::vector<Problem> problems; // in row order
        int rows = 0;                  // data rows (blank rows are not counted)
        int problemRows = 0;           // rows without an item
        int changedRows = 0;           // rows whose item differs from the file (the notes)
        int goodRows() const { return rows - problemRows; }
    };

    // Takes the file's bytes: detects the encoding and the separator and reads the rows.
    void SetData(const QByteArray& bytes);
    bool ReadFile(const QString& path, QString* error);
    bool IsEmpty() const { return m_bytes.isEmpty(); }
    CsvFile::Encoding Encoding() const { return m_encoding; }
    void SetEncoding(CsvFile::Encoding encoding);
    QChar Separator() const { return m_separator; }
    void SetSeparator(QChar separator);
    // The first row names the columns (the default).
    bool HasHeader() const { return m_hasHeader; }
    void SetHasHeader(bool hasHeader);

    int ColumnCount() const;
    // The header cell of a column, or "Kolonne N" without a header.
    QString ColumnName(int column) const;
    // The rows after the header; blank rows left out.
    int DataRowCount() const;
    const CsvFile::Row& DataRow(int index) const;

    // A field (ColumnNames::Column) for every column whose header equals a field's caption, ignoring case
    // and surrounding blanks; each field at most once, the first such column taking it.
    std::vector<int> DefaultMapping(const QStringList& captions) const;
    std::vector<int> DefaultMapping() const { return DefaultMapping(CsvFile::HeaderCaptions()); }

    // Checks every row under a mapping (one field per column, Ignored or a ColumnNames::Column, each field at
    // most once). The lists give the group and location names.
    Outcome Check(const std::vector<int>& mapping, const DBItemCollection& lists, int edition) const;
    // The items of the rows without problems, in file order; with rows that have problems, none unless
    // withoutProblemRows. The outcome is that of Check.
    std::vector<std::unique_ptr<Item>> Items(const std::vector<int>& mapping, const DBItemCollection& lists,
                                             int edition, bool withoutProblemRows, Outcome* outcome = nullptr) const;

private:
    void parse();
    void index();
    Outcome run(const std::vector<int>& mapping, const DBItemCollection& lists, int edition,
                std::vector<std::unique_ptr<Item>>* items) const;

    QByteArray m_bytes;
    CsvFile::Encoding m_encoding = CsvFile::Utf8;
    QChar m_separator = QLatin1Char(',');
    bool m_hasHeader = true;
    std::vector<CsvFile::Row> m_rows; // every record of the file, the header first
    std::vector<int> m_dataRows;      // indexes into m_rows of the non-blank rows after the header
    int m_headerIndex = -1;           // the first non-blank record
};
