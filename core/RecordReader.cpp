#include "core/RecordReader.h"

#include "app/Edition.h"
#include "core/LogXML.h"
#include "core/Numbers.h"

#include <QtAlgorithms>
#include <QtEndian>

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#endif

#include <limits>
#include <memory>
#include <new>

namespace {

bool isDigit(char c) {
    return unsigned(c - '0') < 10;
}

// A count or location column: plain digits are taken at once, anything else as the number parser says.
int intOr(QByteArrayView text, int fallback) {
    if (text.size() > 0 && text.size() < 10) {
        int value = 0;
        for (const char c : text) {
            if (!isDigit(c))
                return ParseDecimalInt(text, &value) ? value : fallback;
            value = value * 10 + (c - '0');
        }
        return value;
    }
    int value = 0;
    return ParseDecimalInt(text, &value) ? value : fallback;
}

// Adds the bit positions of hits (divided by scale) to at, as the places of semicolons.
inline int takeSemicolons(qsizetype at, quint64 hits, int scale, qsizetype* out) {
    int count = 0;
    for (; hits; hits &= hits - 1)
        out[count++] = at + qCountTrailingZeroBits(hits) / scale;
    return count;
}

// The first CR or LF of [p, end), or end when there is none. Where the first `wanted` semicolons before it
// are (counted from p) goes to semicolons, which has room for 16 more; *found tells how many there are, at
// most wanted. The bytes are looked at sixteen (or eight) at a time.
const char* scanLine(const char* p, const char* end, qsizetype* semicolons, int wanted, int* found) {
    const char* const start = p;
    int count = 0;
#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
    const __m128i semicolon = _mm_set1_epi8(';');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const quint32 ends =
            quint32(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf))));
        if (count < wanted) {
            quint32 hits = quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, semicolon)));
            if (ends)
                hits &= (quint32(1) << qCountTrailingZeroBits(ends)) - 1;
            count += takeSemicolons(p - start, hits, 1, semicolons + count);
        }
        if (ends) {
            *found = qMin(count, wanted);
            return p + qCountTrailingZeroBits(ends);
        }
    }
#else
    // The high bit of each zero byte, and of no other.
    auto zeroBytes = [](quint64 x) {
        constexpr quint64 low7 = 0x7f7f7f7f7f7f7f7fULL;
        return ~(((x & low7) + low7) | x | low7);
    };
    constexpr quint64 ones = 0x0101010101010101ULL;
    for (; end - p >= 8; p += 8) {
        const quint64 word = qFromLittleEndian<quint64>(p);
        const quint64 ends = zeroBytes(word ^ (ones * '\r')) | zeroBytes(word ^ (ones * '\n'));
        if (count < wanted) {
            quint64 hits = zeroBytes(word ^ (ones * ';'));
            if (ends)
                hits &= (quint64(1) << qCountTrailingZeroBits(ends)) - 1;
            count += takeSemicolons(p - start, hits, 8, semicolons + count);
        }
        if (ends) {
            *found = qMin(count, wanted);
            return p + qCountTrailingZeroBits(ends) / 8;
        }
    }
#endif
    for (; p < end && *p != '\r' && *p != '\n'; ++p) {
        if (*p == ';' && count < wanted)
            semicolons[count++] = p - start;
    }
    *found = qMin(count, wanted);
    return p;
}

// A number column of the usual form, which ends at close (its semicolon): [-]digits, at most nine of them.
bool takeInt(const char* p, const char* close, int* value) {
    const bool negative = *p == '-';
    p += negative;
    if (close - p < 1 || close - p > 9)
        return false;
    int result = 0;
    for (; p < close; ++p) {
        if (!isDigit(*p))
            return false;
        result = result * 10 + (*p - '0');
    }
    *value = negative ? -result : result;
    return true;
}

// [-]digits[.digits] with at most fifteen digits, by the same arithmetic as the stream's extraction.
bool takeDecimal(const char* p, const char* close, double* value) {
    static const double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = *p == '-';
    p += negative;
    // The semicolon at close stops both loops.
    unsigned long long mantissa = 0;
    const char* digits = p;
    for (; isDigit(*p); ++p)
        mantissa = mantissa * 10 + unsigned(*p - '0');
    const char* point = p;
    if (*p == '.') {
        for (++p; isDigit(*p); ++p)
            mantissa = mantissa * 10 + unsigned(*p - '0');
    }
    const qsizetype decimals = *point == '.' ? p - point - 1 : 0;
    const qsizetype count = (point - digits) + decimals;
    if (p != close || count == 0 || count > 15)
        return false;
    const double result = double(mantissa) / powersOfTen[decimals];
    *value = negative ? -result : result;
    return true;
}

const QString kSource = QStringLiteral("DBItemCollection");

} // namespace

RecordReader::RecordReader(LogXML* log, bool scan)
    : m_log(log), m_logging(log && log->IsEnabled()), m_debug(lcDatabase().isDebugEnabled()),
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
    // Every column ends with a separator; a separator alone stands for a column that is not read.
    m_line.Add(field);
    if (slot != Separator)
        m_line.Add(&m_separator);
    Q_ASSERT(m_columnCount < MaxColumns);
    m_columns[m_columnCount++] = slot;
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

bool RecordReader::takeColumns(const char* start, const qsizetype* semicolons, Record& record) const {
    const char* const line = start;
    // Only a form the field descriptions read the same way is taken: a number starts at once, has no "+"
    // or exponent, and cannot overflow, and a column the version does not read is empty.
    for (int c = 0; c < m_columnCount; ++c) {
        const char* close = line + semicolons[c];
        switch (m_columns[c]) {
        case Type:
            if (!takeInt(start, close, &record.type))
                return false;
            break;
        case Price:
            if (!takeDecimal(start, close, &record.price))
                return false;
            break;
        case PriceToday:
            if (!takeDecimal(start, close, &record.priceToday))
                return false;
            break;
        case Count:
            record.count = QByteArrayView(start, close - start);
            break;
        case Location:
            record.location = QByteArrayView(start, close - start);
            break;
        case Separator:
            if (close != start)
                return false;
            break;
        default:
            record.texts[m_columns[c]] = QByteArrayView(start, close - start);
        }
        start = close + 1;
    }
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
    if (m_debug)
        qCDebug(lcDatabase, "%d, %s", int(m_items.size()), qPrintable(item->ToDebugText()));
    m_items.push_back(item.get());
    item.release();
}

bool RecordReader::ReadPiece(QByteArrayView piece, qint64 offset, bool atFileEnd) {
    if (m_stop != Stop::None)
        return false;
    const char* p = piece.data();
    const char* const end = p + piece.size();
    auto offsetOf = [&piece, offset](const char* at) { return offset + (at - piece.data()); };
    // Texts not in this version's columns stay empty.
    Record record;
    try {
        for (;;) {
            // Blank lines between records are skipped, whatever ends them.
            while (p < end && EInStream::isSpace(*p))
                ++p;
            if (p == end)
                return true;
            const char* lineStart = p;
            if (*p == '#') {
                EInStream in(QByteArrayView(p, end - p));
                const QByteArrayView header = in.getLine(MaxLineRest);
                const bool tooLong = in.fail();
                p = in.position();
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

            // The line without its end (CR LF, LF or a lone CR, as a Mac editor writes), which is passed.
            qsizetype semicolons[MaxColumns + 16];
            int found = 0;
            const char* lineEnd = scanLine(p, end, semicolons, m_scan ? m_columnCount : 0, &found);
            p = lineEnd;
            if (p < end && *p++ == '\r' && p < end && *p == '\n')
                ++p;
            qsizetype rest = 0;
            if (found == m_columnCount && m_scan && takeColumns(lineStart, semicolons, record)) {
                rest = lineEnd - (lineStart + semicolons[m_columnCount - 1] + 1);
            } else {
                try {
                    rest = readByFields(QByteArrayView(lineStart, lineEnd - lineStart), atFileEnd && lineEnd == end,
                                        record);
                } catch (const ELineException& e) {
                    // A stream that ends inside a record is the end of the file; the record is dropped.
                    if (e.IsEof())
                        return stopAt(Stop::EndOfFile, offsetOf(lineStart));
                    m_failedField = e.Field().FieldName();
                    return stopAt(Stop::BadField, offsetOf(lineStart));
                }
            }
            if (m_debug)
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
