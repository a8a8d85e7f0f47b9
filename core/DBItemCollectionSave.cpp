#include "core/DBItemCollection.h"

#include "core/Dialogs.h"
#include "core/EField.h"
#include "core/LogXML.h"
#include "core/SaveFile.h"

#include <QCoreApplication>

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

const QString kSource = QStringLiteral("DBItemCollection");

// No text may carry the separator or a line break, or be longer than a field can be read back:
// ";" becomes ",", CR and LF a blank, and the text is cut at the field length.
bool breaksFormat(QByteArrayView text) {
    const char* p = text.data();
    const char* const end = p + text.size();
#if defined(__SSE2__)
    // Sixteen bytes at a time; the last piece overlaps the one before rather than leaving a tail.
    if (end - p >= 16) {
        const __m128i semicolon = _mm_set1_epi8(';'), lineFeed = _mm_set1_epi8('\n'), carriage = _mm_set1_epi8('\r');
        auto hit = [&](const char* at) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            return _mm_movemask_epi8(
                       _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, semicolon), _mm_cmpeq_epi8(v, lineFeed)),
                                    _mm_cmpeq_epi8(v, carriage))) != 0;
        };
        for (; end - p > 16; p += 16) {
            if (hit(p))
                return true;
        }
        return hit(end - 16);
    }
#endif
    // Eight bytes at a time: a byte of a word equal to one of the three shows as a zero byte of the word
    // XOR that byte repeated.
    constexpr quint64 ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
    auto hasZeroByte = [](quint64 v) { return ((v - ones) & ~v & highs) != 0; };
    for (; end - p >= 8; p += 8) {
        quint64 word;
        memcpy(&word, p, 8);
        if (hasZeroByte(word ^ (ones * ';')) || hasZeroByte(word ^ (ones * '\n')) || hasZeroByte(word ^ (ones * '\r')))
            return true;
    }
    bool found = false;
    for (; p < end; ++p)
        found |= (*p == ';') | (*p == '\n') | (*p == '\r');
    return found;
}

QByteArrayView fitToFormat(QByteArrayView text, QByteArray& scratch) {
    if (text.size() > EStringField::MaxLength)
        text = text.first(EStringField::MaxLength);
    if (!breaksFormat(text))
        return text;
    scratch = text.toByteArray();
    for (char& c : scratch) {
        if (c == ';')
            c = ',';
        else if (c == '\n' || c == '\r')
            c = ' ';
    }
    return scratch;
}

// "00", "01", ... "99": two decimals at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = char('0' + i / 10);
        pairs[2 * i + 1] = char('0' + i % 10);
    }
    return pairs;
}();

// Formats the records straight into a buffer that goes to the device in one write each time it fills: no
// field objects, no stream per number.
class RecordWriter {
public:
    explicit RecordWriter(QIODevice* device) : m_device(device), m_buffer(new char[kBufferSize]) {}

    void append(QByteArrayView bytes) {
        if (m_end - m_pos < bytes.size() && (!flush() || kBufferSize < bytes.size())) {
            m_ok = m_ok && m_device->write(bytes.data(), bytes.size()) == bytes.size();
            return;
        }
        m_pos = copy(m_pos, bytes);
    }

    // group;name;product;price;priceToday;date;supplier;serialno;description;address;photolink;count;
    // location;www;receipt;document;producttype; and the line end.
    void record(const Item& item) {
        if (m_end - m_pos < kRecordRoom && !flush())
            return;
        const bool clean = !breaksFormat(item.AllLatin1());
        char* out = number(m_pos, item.GetGroup());
        out = text(out, item, Item::Name, clean);
        out = text(out, item, Item::Product, clean);
        out = price(out, item.GetPrice());
        out = price(out, item.GetPriceToday());
        for (Item::TextField f :
             {Item::Date, Item::Supplier, Item::Serialno, Item::Description, Item::Address, Item::Photolink})
            out = text(out, item, f, clean);
        out = number(out, item.GetNumberOfItems());
        out = number(out, item.GetLocation());
        for (Item::TextField f : {Item::Www, Item::Receipt, Item::Document, Item::Producttype})
            out = text(out, item, f, clean);
        out[0] = '\r';
        out[1] = '\n';
        m_pos = out + 2;
    }

    // Hands the buffer to the device; false once the device has not taken a write whole.
    bool flush() {
        const qint64 length = m_pos - m_buffer.get();
        m_pos = m_buffer.get();
        if (m_ok && length > 0)
            m_ok = m_device->write(m_buffer.get(), length) == length;
        return m_ok;
    }

private:
    // Large enough that the writes cost next to nothing, small enough to stay in place between them: one
    // buffer for the whole file measured slower (its fresh pages are faulted in one by one).
    static constexpr qsizetype kBufferSize = qsizetype(1) << 23;
    // The longest record: every text at its longest, two prices of a double's 309 digits and 6 decimals,
    // three numbers, the separators and the line end, and what a short text's copy runs past its end.
    static constexpr qsizetype kRecordRoom = Item::TextFieldCount * (EStringField::MaxLength + 1) + 2 * 330 + 40 + 32;

    static char* copy(char* out, QByteArrayView bytes) {
        if (bytes.isEmpty()) // an empty view may have no data pointer, which memcpy must never see
            return out;
        memcpy(out, bytes.data(), size_t(bytes.size()));
        return out + bytes.size();
    }
    static char* number(char* out, int value) {
        out = std::to_chars(out, out + 12, value).ptr;
        *out = ';';
        return out + 1;
    }
    char* text(char* out, const Item& item, Item::TextField field, bool clean) {
        QByteArrayView value = item.Latin1(field);
        const char* const blockEnd = item.AllLatin1().end();
        if (!clean || value.size() > EStringField::MaxLength) {
            value = fitToFormat(value, m_scratch);
            out = copy(out, value);
        } else if (value.size() <= 32 && blockEnd - value.data() >= 32) {
            // Short texts move in two fixed pieces, which may run past the text (never past the item's
            // texts) and past the copy (the record's room covers that; the next field overwrites it).
            memcpy(out, value.data(), 16);
            memcpy(out + 16, value.data() + 16, 16);
            out += value.size();
        } else {
            out = copy(out, value);
        }
        *out = ';';
        return out + 1;
    }
    // Fixed notation with six decimals, as std::to_chars writes it. Most prices are a whole number of
    // millionths well inside a double's exact range: those are written as integers, the rest by to_chars.
    static char* price(char* out, double value) {
        if (!std::isfinite(value))
            value = 0.0; // "nan" or "inf" in a file could never be read back
        const double millionths = value * 1e6;
        // Below 2^43 the product is off by less than 2^-10: an integral product is the exact rounding.
        if (std::fabs(millionths) < 8796093022208.0 && millionths == std::trunc(millionths)) {
            if (std::signbit(value))
                *out++ = '-';
            const qint64 whole = qint64(std::fabs(millionths));
            out = std::to_chars(out, out + 20, whole / 1000000).ptr;
            *out++ = '.';
            const auto fraction = unsigned(whole % 1000000);
            for (unsigned pair : {fraction / 10000, fraction / 100 % 100, fraction % 100}) {
                memcpy(out, kDigitPairs.data() + 2 * pair, 2);
                out += 2;
            }
            out -= 6;
            out[6] = ';';
            return out + 7;
        }
        out = std::to_chars(out, out + 330, value, std::chars_format::fixed, 6).ptr;
        *out = ';';
        return out + 1;
    }

    QIODevice* m_device;
    std::unique_ptr<char[]> m_buffer;
    char* m_pos = m_buffer.get();
    char* const m_end = m_buffer.get() + kBufferSize;
    QByteArray m_scratch;
    bool m_ok = true;
};

void reportNotSaved(const QString& path, const QString& reason) {
    Dialogs::critical(nullptr, QCoreApplication::translate("DBItemCollection", "DB_NOT_SAVED_TITLE"),
                      QCoreApplication::translate("DBItemCollection", "DB_NOT_SAVED").arg(path, reason));
}

} // namespace

bool DBItemCollection::WriteAscii(QIODevice* device, QString* error) {
    SortItems(SortGroup);
    WaitCursor wait;
    RecordWriter out(device);
    out.append(HeaderLine());
    out.append("\r\n");
    const bool logging = m_log && m_log->IsEnabled();
    for (const Item* item : m_items) {
        out.record(*item);
        if (logging)
            m_log->Element(QStringLiteral("Item"), item->ToDebugText());
    }
    if (!out.flush()) {
        if (error)
            *error = device->errorString().isEmpty() ? QCoreApplication::translate("SaveFile", "DISK_FULL")
                                                     : device->errorString();
        return false;
    }
    return true;
}

bool DBItemCollection::SaveToFileAsAscii(const QString& path) {
    if (IsReadOnly()) {
        Dialogs::warning(nullptr, tr("READ ONLY"), tr("READ ONLY MODE - No Save"));
        return false;
    }
    SaveFile file(path);
    if (!file.open()) {
        reportNotSaved(path, file.errorString());
        return false;
    }
    if (m_log) {
        m_log->WriteItem(path, kSource, QStringLiteral("SaveToFileAsAscii()"));
        m_log->BeginItem();
    }
    QString error;
    const bool written = WriteAscii(file.device(), &error);
    if (m_log)
        m_log->EndItem();
    if (!written) {
        file.cancel();
        reportNotSaved(path, file.errorString().isEmpty() ? error : file.errorString());
        return false;
    }
    if (!file.commit()) {
        reportNotSaved(path, file.errorString());
        return false;
    }
    return true;
}
