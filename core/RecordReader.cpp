#include "RecordReader.h"

#include "../app/Edition.h"
#include "LogXML.h"
#include "Numbers.h"

#include <limits>
#include <memory>
#include <new>

namespace {

int intOr(QByteArrayView text, int fallback) {
    int value = 0;
    return ParseDecimalInt(text, &value) ? value : fallback;
}

bool isDigit(char c) {
    return unsigned(c - '0') < 10;
}

const QString kSource = QStringLiteral("DBItemCollection");

} // namespace

RecordReader::RecordReader(LogXML* log, bool scan)
    : m_log(log), m_logging(log && log->IsEnabled()),
      m_scan(scan), m_texts{{"Name", ';'},     {"Model", ';'},       {"Date", ';'},     {"Supplier", ';'},
                            {"Serialno", ';'}, {"Description", ';'}, {"Address", ';'},  {"Photolink", ';'},
                            {"www", ';'},      {"receipt", ';'},     {"document", ';'}, {"productModel", ';'}} {
    // The twelve columns every version has, each followed by its separator.
    add(&m_type, Type);
    for (Item::TextField f : {Item::Name, Item::Product})
        add(&m_texts[f], Slot(f));
    add(&m_price, Price);
    add(&m_priceToday, PriceToday);
    for (Item::TextField f :
         {Item::Date, Item::Supplier, Item::Serialno, Item::Description, Item::Address, Item::Photolink})
        add(&m_texts[f], Slot(f));
    add(&m_count, Count);
}

RecordReader::~RecordReader() {
    for (Item* item : m_items)
        delete item;
}

void RecordReader::add(EField* field, Slot slot) {
    m_line.Add(field);
    m_slots.push_back(slot);
    if (slot == Separator)
        return;
    m_line.Add(&m_separator);
    m_slots.push_back(Separator);
}

bool RecordReader::ApplyHeader(QByteArrayView header) {
    m_headerSeen = true;
    // Only the three version digits of "#d.d.d" and the edition tag are interpreted.
    auto at = [&header](int i) { return i < header.size() ? header[i] : '\0'; };
    const char major = at(1);
    const char minor = at(3);
    const char patch = at(5);
    if (major < '2' || minor < '4')
        return true;
    if (patch == '0') {
        add(&m_separator, Separator);
        m_formatVersion = 240;
    } else if (patch >= '1') {
        add(&m_location, Location);
        m_hasLocation = true;
        m_formatVersion = 241;
    }
    if (major >= '2' && minor >= '5' && patch >= '2') {
        add(&m_texts[Item::Www], Slot(Item::Www));
        add(&m_texts[Item::Receipt], Slot(Item::Receipt));
        m_formatVersion = 252;
        if (patch >= '3') {
            add(&m_texts[Item::Document], Slot(Item::Document));
            m_formatVersion = 253;
        }
        if (patch >= '4')
            m_formatVersion = 254;
        if (patch >= '5') {
            add(&m_texts[Item::Producttype], Slot(Item::Producttype));
            m_formatVersion = 255;
        }
        if (patch != '4' && patch != '5')
            return true;
        qCDebug(lcDatabase) << header;
        const QByteArray tag = EditionTag().toLatin1();
        return tag.isEmpty() || header.contains(tag);
    }
    // 2.4.x, 2.5.0 and 2.5.1 carry columns that are not read.
    for (int i = 0; i < 3; ++i)
        add(&m_separator, Separator);
    return true;
}

bool RecordReader::stopAt(Stop reason, qint64 offset) {
    m_stop = reason;
    m_stopOffset = offset;
    return false;
}

bool RecordReader::scan(const char* p, const char* end, Record& record, qsizetype* rest) const {
    // Only a form the field descriptions read the same way is taken: a number starts at once, has no "+"
    // or exponent, and cannot overflow; every column, the last included, is closed by ";" within the line.
    static const double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    for (const Slot slot : m_slots) {
        switch (slot) {
        case Separator:
            if (p == end || *p != ';')
                return false;
            ++p;
            break;
        case Type: {
            const bool negative = p < end && *p == '-';
            p += negative;
            const char* digits = p;
            int value = 0;
            while (p < end && isDigit(*p) && p - digits < 9)
                value = value * 10 + (*p++ - '0');
            if (p == digits || p == end || isDigit(*p))
                return false;
            record.type = negative ? -value : value;
            break;
        }
        case Price:
        case PriceToday: {
            // The same arithmetic as the stream's extraction of a short decimal number.
            const bool negative = p < end && *p == '-';
            p += negative;
            unsigned long long mantissa = 0;
            int digits = 0;
            int decimals = 0;
            for (; p < end && isDigit(*p); ++p, ++digits)
                mantissa = mantissa * 10 + unsigned(*p - '0');
            if (p < end && *p == '.') {
                for (++p; p < end && isDigit(*p); ++p, ++digits, ++decimals)
                    mantissa = mantissa * 10 + unsigned(*p - '0');
            }
            if (digits == 0 || digits > 15 || p == end || *p == 'e' || *p == 'E')
                return false;
            const double value = double(mantissa) / powersOfTen[decimals];
            (slot == Price ? record.price : record.priceToday) = negative ? -value : value;
            break;
        }
        default: {
            const char* start = p;
            while (p < end && *p != ';')
                ++p;
            if (p == end)
                return false;
            const QByteArrayView text(start, p - start);
            if (slot == Count)
                record.count = text;
            else if (slot == Location)
                record.location = text;
            else
                record.texts[slot] = text;
        }
        }
    }
    *rest = end - p;
    return true;
}

qsizetype RecordReader::readByFields(QByteArrayView text, bool lastLine, Record& record) {
    // A record is read within its own line: a line that ends before its last column never takes fields
    // from the next one. Only a last line without a line end may be cut short by the end of the file.
    EInStream in(text);
    if (lastLine)
        m_line.Read(in);
    else
        m_line.ReadLine(in);
    record.type = m_type.Value();
    record.price = m_price.Value();
    record.priceToday = m_priceToday.Value();
    record.count = m_count.Value();
    record.location = m_location.Value();
    for (int f = 0; f < Item::TextFieldCount; ++f)
        record.texts[f] = m_texts[f].Value();
    return text.data() + text.size() - in.position();
}

void RecordReader::addItem(const Record& record) {
    auto item = std::make_unique<Item>();
    item->SetGroup(record.type);
    item->SetPrice(record.price);
    item->SetPriceToday(record.priceToday);
    item->SetNumberOfItems(intOr(record.count, 1));
    if (m_hasLocation)
        item->SetLocation(intOr(record.location, 0));
    item->SetAllLatin1(record.texts, &m_arena);
    if (m_logging)
        m_log->Element(QStringLiteral("Item"), item->ToDebugText());
    if (lcDatabase().isDebugEnabled())
        qCDebug(lcDatabase, "%d, %s", int(m_items.size()), qPrintable(item->ToDebugText()));
    m_items.push_back(item.get());
    item.release();
}

bool RecordReader::ReadPiece(QByteArrayView piece, qint64 offset, bool atFileEnd) {
    if (m_stop != Stop::None)
        return false;
    EInStream in(piece);
    auto offsetOf = [&piece, offset](const char* p) { return offset + (p - piece.data()); };
    // Texts not in this version's columns stay empty.
    Record record;
    try {
        for (;;) {
            // Blank lines between records are skipped, whatever ends them.
            in.skipWhitespace();
            if (in.atEnd())
                return true;
            const char* lineStart = in.position();
            if (*lineStart == '#') {
                const QByteArrayView header = in.getLine(MaxLineRest);
                const bool tooLong = in.fail();
                // The format has one header, as its first line; a later "#" line is not a second description.
                if (!m_headerSeen) {
                    if (m_log)
                        m_log->BeginItem(QString::fromLatin1(header), kSource, QStringLiteral("LoadFromAsciiFile()"));
                    if (!ApplyHeader(header))
                        return stopAt(Stop::NotARegister, offsetOf(lineStart));
                }
                // Nothing after an over-long line is read: its rest would be taken for records.
                if (tooLong)
                    return stopAt(Stop::LineTooLong, offsetOf(lineStart));
                continue;
            }

            const QByteArrayView text = in.getLine(std::numeric_limits<int>::max() - 1);
            qsizetype rest = 0;
            if (!m_scan || !scan(text.data(), text.data() + text.size(), record, &rest)) {
                try {
                    rest = readByFields(text, atFileEnd && in.eof(), record);
                } catch (const ELineException& e) {
                    // A stream that ends inside a record is the end of the file; the record is dropped.
                    if (e.IsEof())
                        return stopAt(Stop::EndOfFile, offsetOf(lineStart));
                    m_failedField = e.Field().FieldName();
                    return stopAt(Stop::BadField, offsetOf(lineStart));
                }
            }
            qCDebug(lcDatabase, "\r\nlinecount:%d", int(m_items.size()));
            addItem(record);
            // Whatever follows the last column is skipped, up to the length of a line.
            if (rest > MaxLineRest)
                return stopAt(Stop::LineTooLong, offsetOf(lineStart));
        }
    } catch (const std::bad_alloc&) {
        SetOutOfMemory();
        return false;
    }
}

void RecordReader::SetOutOfMemory() {
    if (m_stop == Stop::None)
        m_stop = Stop::NoMemory;
}
