#include "core/EStream.h"

#include <QIODevice>

#include <charconv>
#include <cmath>
#include <cstring>

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

void EInStream::extractInt(int* value) {
    if (!startExtraction())
        return;
    const char* p = m_pos;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    const char* digits = p;
    long long result = 0;
    bool overflow = false;
    while (p < m_end && isDigit(*p)) {
        if (!overflow) {
            result = result * 10 + (*p - '0');
            if (result > 2147483648LL)
                overflow = true;
        }
        ++p;
    }
    if (p >= m_end)
        setState(EofBit);
    if (p == digits) {
        // A lone sign or no digit at all: nothing that makes a number.
        m_pos = p;
        setState(FailBit);
        return;
    }
    m_pos = p;
    if (negative)
        result = -result;
    if (overflow || result > 2147483647LL || result < -2147483648LL) {
        setState(FailBit);
        return;
    }
    *value = static_cast<int>(result);
}

void EInStream::extractDouble(double* value) {
    if (!startExtraction())
        return;
    // Only the characters of a decimal number take part, in the classic locale: sign, digits, one point,
    // an exponent. "inf" and "nan" are not numbers here.
    const char* p = m_pos;
    const char* start = p;
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    // While reading, the digits are gathered as one integer with the count of decimals, for the fast path
    // below; a number of more than 19 digits goes to the general conversion only.
    int digitCount = 0;
    int decimals = 0;
    unsigned long long mantissa = 0;
    while (p < m_end && isDigit(*p)) {
        if (digitCount < 19)
            mantissa = mantissa * 10 + unsigned(*p - '0');
        ++p;
        ++digitCount;
    }
    if (p < m_end && *p == '.') {
        ++p;
        while (p < m_end && isDigit(*p)) {
            if (digitCount < 19)
                mantissa = mantissa * 10 + unsigned(*p - '0');
            ++p;
            ++digitCount;
            ++decimals;
        }
    }
    if (digitCount == 0) {
        m_pos = p;
        if (p >= m_end)
            setState(EofBit);
        setState(FailBit);
        return;
    }
    bool exponent = false;
    if (p < m_end && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        if (q < m_end && (*q == '+' || *q == '-'))
            ++q;
        if (q < m_end && isDigit(*q)) {
            while (q < m_end && isDigit(*q))
                ++q;
            p = q;
            exponent = true;
        }
    }
    if (p >= m_end)
        setState(EofBit);
    m_pos = p;
    // An integer below 2^53 divided by an exact power of ten is correctly rounded: the same double as
    // the general conversion gives, for the prices the file is full of ("1500.000000").
    static const double powersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (!exponent && digitCount <= 15 && decimals <= 22) {
        const double result = double(mantissa) / powersOfTen[decimals];
        *value = negative ? -result : result;
        return;
    }
    const char* parseFrom = (*start == '+') ? start + 1 : start;
    double result = 0.0;
    const auto converted = std::from_chars(parseFrom, p, result, std::chars_format::general);
    if (converted.ec != std::errc() || converted.ptr != p) {
        setState(FailBit);
        return;
    }
    *value = result;
}

const char* EInStream::nextLineEnd(const char* from) {
    // Every record line is searched whole before its fields are read. The library's search is far faster
    // than a loop, but looks for one character: the next LF and the next CR are searched apart, and each
    // search is kept until the stream has passed it, so a file without CR (or without LF) is searched for
    // it once, not once a line.
    if (from >= m_end)
        return m_end;
    auto next = [from, this](const char*& found, char c) {
        if (!found || found < from) {
            const void* hit = memchr(from, c, m_end - from);
            found = hit ? static_cast<const char*>(hit) : m_end;
        }
        return found;
    };
    return qMin(next(m_nextLineFeed, '\n'), next(m_nextReturn, '\r'));
}

QByteArrayView EInStream::getLine(int maxCount) {
    if (fail())
        return {};
    const char* start = m_pos;
    const qsizetype available = m_end - m_pos;
    // One character more than the line may hold, to see whether its line end follows.
    const char* limit = start + qMin<qsizetype>(available, qsizetype(maxCount) + 1);
    const char* stop = nextLineEnd(start);
    if (stop > limit)
        stop = limit;
    if (stop < limit) {
        m_pos = stop + 1;
        if (*stop == '\r' && m_pos < m_end && *m_pos == '\n')
            ++m_pos;
        return QByteArrayView(start, stop - start);
    }
    if (available <= maxCount) {
        // The last line of the file, without a line end.
        m_pos = m_end;
        setState(EofBit);
        return QByteArrayView(start, available);
    }
    // Longer than the buffer: the stream fails and the rest of the line stays unread.
    m_pos = start + maxCount;
    setState(FailBit);
    return QByteArrayView(start, maxCount);
}

EOutStream::EOutStream(QIODevice* device) : m_device(device), m_buffer(new char[BufferSize]) {}

EOutStream::~EOutStream() {
    flush();
    delete[] m_buffer;
}

void EOutStream::writeLarge(QByteArrayView bytes) {
    if (!good())
        return;
    if (m_length + bytes.size() > BufferSize) {
        flush();
        if (bytes.size() > BufferSize) {
            if (good() && m_device->write(bytes.data(), bytes.size()) != bytes.size())
                setState(BadBit | FailBit);
            return;
        }
    }
    if (good()) {
        memcpy(m_buffer + m_length, bytes.data(), bytes.size());
        m_length += bytes.size();
    }
}

void EOutStream::writeInt(int value) {
    reserve(NumberRoom);
    if (!good())
        return;
    const auto result = std::to_chars(m_buffer + m_length, m_buffer + BufferSize, value);
    m_length = result.ptr - m_buffer;
}

void EOutStream::writeFixed(double value, int width, int precision) {
    if (!std::isfinite(value))
        value = 0.0; // "nan" or "inf" in a file could never be read back
    precision = qBound(0, precision, 20);
    width = qBound(0, width, 64);
    reserve(NumberRoom);
    if (!good())
        return;
    char* start = m_buffer + m_length;
    const auto result = std::to_chars(start, m_buffer + BufferSize, value, std::chars_format::fixed, precision);
    qsizetype written = result.ptr - start;
    if (written < width) {
        memmove(start + (width - written), start, written);
        memset(start, ' ', width - written);
        written = width;
    }
    m_length += written;
}

bool EOutStream::flush() {
    if (m_length == 0)
        return good();
    if (good() && m_device) {
        const qint64 written = m_device->write(m_buffer, m_length);
        if (written != m_length)
            setState(BadBit | FailBit);
    }
    m_length = 0;
    return good();
}
