#include "core/CsvFile.h"

#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Item.h"
#include "core/SaveFile.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QStringDecoder>

#include <array>
#include <charconv>

namespace CsvFile {

namespace {

// Windows-1252's characters for the bytes 0x80 to 0x9F; the five it leaves undefined stay control characters.
const char16_t kWindows1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool needsQuotes(QByteArrayView text, char separator) {
    for (char c : text) {
        if (c == separator || c == '"' || c == '\r' || c == '\n')
            return true;
    }
    return false;
}

// Appends UTF-8 (or plain ASCII) bytes as one field.
void appendField(QByteArray& out, QByteArrayView utf8) {
    if (!needsQuotes(utf8, ',')) {
        out.append(utf8);
        return;
    }
    out.append('"');
    for (char c : utf8) {
        if (c == '"')
            out.append('"');
        out.append(c);
    }
    out.append('"');
}

// Appends a stored ISO 8859-1 text as one UTF-8 field.
void appendLatin1Field(QByteArray& out, QByteArrayView latin1) {
    bool ascii = true;
    for (char c : latin1)
        ascii &= static_cast<uchar>(c) < 0x80;
    if (ascii) {
        appendField(out, latin1);
        return;
    }
    const bool quote = needsQuotes(latin1, ',');
    if (quote)
        out.append('"');
    for (char ch : latin1) {
        const auto c = static_cast<uchar>(ch);
        if (c < 0x80) {
            if (c == '"')
                out.append('"');
            out.append(ch);
        } else {
            out.append(static_cast<char>(0xC0 | (c >> 6)));
            out.append(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    if (quote)
        out.append('"');
}

// The shortest fixed-point text that reads back as the same double, "." as decimal point.
void appendNumber(QByteArray& out, double value) {
    char buffer[400];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    out.append(buffer, result.ec == std::errc() ? result.ptr - buffer : 0);
}

void appendInt(QByteArray& out, int value) {
    char buffer[16];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr - buffer);
}

bool validUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const uchar* const end = p + bytes.size();
    while (p < end) {
        const uchar c = *p++;
        if (c < 0x80)
            continue;
        int more = 0;
        char32_t code = 0;
        if ((c & 0xE0) == 0xC0) {
            more = 1;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (end - p < more)
            return false;
        for (int i = 0; i < more; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        p += more;
        // Overlong forms, surrogates and codes beyond Unicode are no UTF-8.
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (code < least[more] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
    }
    return true;
}

QString fold(const QString& name) {
    return name.trimmed().toCaseFolded();
}

} // namespace

ListNames::ListNames(const QStringList& entries) : m_entries(entries) {
    m_numbers.reserve(entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const QString key = fold(entries.at(i));
        if (key.isEmpty())
            continue;
        auto found = m_numbers.find(key);
        if (found == m_numbers.end())
            m_numbers.insert(key, i);
        else
            found.value() = -1;
    }
}

int ListNames::Find(const QString& name) const {
    return m_numbers.value(fold(name), -1);
}

QString ListNames::Text(int number) const {
    if (number >= 0 && number < m_entries.size() && Find(m_entries.at(number)) == number)
        return m_entries.at(number);
    return QString::number(number);
}

QStringList HeaderCaptions() {
    QStringList captions;
    for (int column = 0; column < FieldCount; ++column)
        captions << ColumnNames::Title(column);
    return captions;
}

QString Quote(const QString& field, QChar separator) {
    bool quote = false;
    for (QChar c : field)
        quote |= c == separator || c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    if (!quote)
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool Write(QIODevice* device, const std::vector<const Item*>& items, const DBItemCollection& lists, QString* error) {
    const ListNames groups(lists.Groups().Entries());
    const ListNames locations(lists.Locations().Entries());
    // The names of the numbers in use, looked up once.
    QHash<int, QByteArray> groupText, locationText;
    auto nameOf = [](QHash<int, QByteArray>& cache, const ListNames& names, int number) -> const QByteArray& {
        auto found = cache.find(number);
        if (found == cache.end())
            found = cache.insert(number, names.Text(number).toUtf8());
        return found.value();
    };

    QByteArray out;
    constexpr qsizetype chunk = 1 << 20;
    out.reserve(chunk + 64 * 1024);
    auto flush = [&]() {
        if (device->write(out) != out.size()) {
            if (error)
                *error = device->errorString();
            return false;
        }
        out.resize(0);
        return true;
    };

    out.append("\xEF\xBB\xBF");
    const QStringList captions = HeaderCaptions();
    for (int column = 0; column < FieldCount; ++column) {
        if (column > 0)
            out.append(',');
        appendField(out, captions.at(column).toUtf8());
    }
    out.append("\r\n");

    for (const Item* item : items) {
        appendField(out, nameOf(groupText, groups, item->GetGroup()));
        out.append(',');
        appendLatin1Field(out, item->Latin1(Item::Name));
        out.append(',');
        appendLatin1Field(out, item->Latin1(Item::Product));
        out.append(',');
        appendLatin1Field(out, item->Latin1(Item::Producttype));
        out.append(',');
        appendInt(out, item->GetNumberOfItems());
        out.append(',');
        appendNumber(out, item->GetPrice());
        out.append(',');
        appendNumber(out, item->GetPriceToday());
        out.append(',');
        appendLatin1Field(out, item->Latin1(Item::Photolink));
        out.append(',');
        appendLatin1Field(out, item->Latin1(Item::Receipt));
        out.append(',');
        appendLatin1Field(out, item->Latin1(Item::Date));
        out.append(',');
        appendField(out, nameOf(locationText, locations, item->GetLocation()));
        for (Item::TextField field :
             {Item::Description, Item::Supplier, Item::Address, Item::Serialno, Item::Www, Item::Document}) {
            out.append(',');
            appendLatin1Field(out, item->Latin1(field));
        }
        out.append("\r\n");
        if (out.size() >= chunk && !flush())
            return false;
    }
    return flush();
}

bool Export(const QString& path, const std::vector<const Item*>& items, const DBItemCollection& lists, QString* error) {
    SaveFile file(path);
    if (!file.open()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QString writeError;
    if (!Write(file.device(), items, lists, &writeError)) {
        if (error)
            *error = file.errorString().isEmpty() ? writeError : file.errorString();
        file.cancel();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

Encoding DetectEncoding(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Utf8;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return Utf16;
    return validUtf8(bytes) ? Utf8 : Latin1;
}

QString Decode(QByteArrayView bytes, Encoding encoding) {
    switch (encoding) {
    case Utf16: {
        // Without a byte-order mark, little-endian: what Windows programs write.
        QStringDecoder decoder(bytes.startsWith("\xFE\xFF") ? QStringDecoder::Utf16BE : QStringDecoder::Utf16LE,
                               QStringDecoder::Flag::Stateless);
        if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
            bytes = bytes.sliced(2);
        return decoder.decode(bytes);
    }
    case Latin1: {
        QString text(bytes.size(), Qt::Uninitialized);
        QChar* out = text.data();
        for (char ch : bytes) {
            const auto c = static_cast<uchar>(ch);
            *out++ = (c >= 0x80 && c < 0xA0) ? QChar(kWindows1252[c - 0x80]) : QChar(c);
        }
        return text;
    }
    case Utf8:
        break;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    return QString::fromUtf8(bytes);
}

QChar DetectSeparator(const QString& text) {
    const QChar candidates[] = {QLatin1Char(';'), QLatin1Char(','), QLatin1Char('\t')};
    constexpr int kLines = 20;
    std::vector<std::array<int, 3>> counts;
    std::array<int, 3> line = {0, 0, 0};
    bool quoted = false;
    for (qsizetype i = 0; i < text.size() && int(counts.size()) < kLines; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r'))) {
            if (line != std::array<int, 3>{0, 0, 0})
                counts.push_back(line);
            line = {0, 0, 0};
        } else if (!quoted) {
            for (int k = 0; k < 3; ++k)
                line[size_t(k)] += c == candidates[k];
        }
    }
    if (line != std::array<int, 3>{0, 0, 0} && int(counts.size()) < kLines)
        counts.push_back(line);
    int best = -1, bestSteady = -1, bestCount = 0;
    for (int k = 0; k < 3 && !counts.empty(); ++k) {
        const int first = counts.front()[size_t(k)];
        if (first == 0)
            continue;
        int steady = 0;
        for (const auto& c : counts)
            steady += c[size_t(k)] == first;
        if (steady > bestSteady || (steady == bestSteady && first > bestCount)) {
            best = k;
            bestSteady = steady;
            bestCount = first;
        }
    }
    return best < 0 ? QLatin1Char(',') : candidates[best];
}

std::vector<Row> Parse(const QString& text, QChar separator) {
    std::vector<Row> rows;
    const QChar* p = text.constData();
    const QChar* const end = p + text.size();
    int number = 0;
    qsizetype width = 0; // cells of the row before, to size the next one at once
    QString cell;
    while (p < end) {
        Row row;
        row.number = ++number;
        row.cells.reserve(width);
        bool lineEnded = false;
        while (!lineEnded) {
            if (p < end && *p == QLatin1Char('"')) {
                cell.resize(0);
                ++p;
                bool closed = false;
                while (p < end) {
                    const QChar* start = p;
                    while (p < end && *p != QLatin1Char('"'))
                        ++p;
                    cell.append(start, p - start);
                    if (p == end)
                        break;
                    if (p + 1 < end && p[1] == QLatin1Char('"')) {
                        cell.append(QLatin1Char('"'));
                        p += 2;
                        continue;
                    }
                    ++p;
                    closed = true;
                    break;
                }
                if (!closed)
                    row.open = true;
                // Whatever follows the closing quote up to the separator stays with the field.
                const QChar* start = p;
                while (p < end && *p != separator && *p != QLatin1Char('\n') && *p != QLatin1Char('\r'))
                    ++p;
                cell.append(start, p - start);
                row.cells.append(cell);
            } else {
                const QChar* start = p;
                while (p < end && *p != separator && *p != QLatin1Char('\n') && *p != QLatin1Char('\r'))
                    ++p;
                row.cells.append(p > start ? QString(start, p - start) : QString());
            }
            if (p < end && *p == separator) {
                ++p;
                continue;
            }
            lineEnded = true;
            if (p < end && *p == QLatin1Char('\r')) {
                ++p;
                if (p < end && *p == QLatin1Char('\n'))
                    ++p;
            } else if (p < end) {
                ++p; // '\n'
            }
        }
        if (row.cells.size() == 1 && row.cells.front().isEmpty() && !row.open)
            row.cells.clear();
        else
            width = row.cells.size();
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace CsvFile
