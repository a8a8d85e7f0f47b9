#pragma once

#include "core/EField.h"
#include "core/Item.h"
#include "core/TextArena.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLoggingCategory>

#include <vector>

class LogXML;

Q_DECLARE_LOGGING_CATEGORY(lcDatabase)

// Reads the header and records of a database file, or of one stretch of it, into items of its own whose
// texts live in an arena of its own: stretches of one file are read side by side and joined in file order.
//
// A record line is first taken by a direct scan that knows the usual form (numbers without blanks or
// exponent, every column closed by ";"). Any other line is read again by the field descriptions (ELine),
// which decide every unusual case exactly as they always have, so the scan only ever speeds things up.
class RecordReader {
public:
    // Why reading stopped before the end.
    enum class Stop {
        None,
        EndOfFile,    // the last line of the file ends inside a record: that record is dropped
        BadField,     // a number column holds no number (FailedField() names it)
        LineTooLong,  // what follows the last column, or a header, is longer than a line may be
        NotARegister, // a header of another edition
        NoMemory,
    };
    // The longest header, and the longest rest after the last column of a record.
    static constexpr int MaxLineRest = 349;

    // log: where the header and the items are logged (nullptr: nowhere). scan: false reads every record by
    // the field descriptions.
    explicit RecordReader(LogXML* log = nullptr, bool scan = true);
    ~RecordReader();
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    // Takes a "#" line as the file's description (a later one is skipped): the columns after the twelfth and the format
    // version. False for a header of another edition.
    bool ApplyHeader(QByteArrayView header);
    // Reads the lines of a piece that starts at the start of a line and ends after a line end, or at the
    // end of the file (atFileEnd: its last line may lack the line end). offset: where the piece lies in the
    // file, for StopOffset(). False once reading has stopped.
    bool ReadPiece(QByteArrayView piece, qint64 offset, bool atFileEnd);

    // Memory ran out while reading for this reader.
    void SetOutOfMemory();

    Stop StopReason() const { return m_stop; }
    // Where the line that stopped reading starts in the file.
    qint64 StopOffset() const { return m_stopOffset; }
    const QByteArray& FailedField() const { return m_failedField; }
    bool HeaderSeen() const { return m_headerSeen; }
    int FormatVersion() const { return m_formatVersion; }
    // The items read so far, in file order; the caller takes them over (with the arena holding their texts).
    std::vector<Item*>& Items() { return m_items; }
    TextArena& Arena() { return m_arena; }

private:
    // What a column of the line description is read into: Item::TextField values, then these.
    enum Slot : quint8 { Type = Item::TextFieldCount, Price, PriceToday, Count, Location, Separator };
    struct Record {
        int type = 0;
        double price = 0.0;
        double priceToday = 0.0;
        QByteArrayView count;
        QByteArrayView location;
        QByteArrayView texts[Item::TextFieldCount];
    };
    void add(EField* field, Slot slot);
    // The direct scan of a line starting at start whose columns end at the semicolons given (counted from
    // start); false when the line is not of the usual form.
    bool takeColumns(const char* start, const qsizetype* semicolons, Record& record) const;
    // The field descriptions; throws ELineException as ELine does.
    qsizetype readByFields(QByteArrayView text, bool lastLine, Record& record);
    bool stopAt(Stop reason, qint64 offset);
    void addItem(const Record& record);

    LogXML* m_log;
    bool m_logging = false;
    bool m_debug = false;
    bool m_scan = true;
    EIntField m_type{"Type"};
    ECharField m_separator{"Separator"};
    EStringField m_texts[Item::TextFieldCount];
    EStringField m_count{"Items", ';'};
    EStringField m_location{"Location", ';'};
    EFloatField m_price{"Price"};
    EFloatField m_priceToday{"PriceToday"};
    ELine m_line;
    // What each column of a line is read into (Separator: a column that is not read).
    static constexpr int MaxColumns = 32;
    Slot m_columns[MaxColumns] = {};
    int m_columnCount = 0;
    bool m_hasLocation = false;

    bool m_headerSeen = false;
    int m_formatVersion = 100;
    Stop m_stop = Stop::None;
    qint64 m_stopOffset = 0;
    QByteArray m_failedField;
    std::vector<Item*> m_items;
    TextArena m_arena;
};
