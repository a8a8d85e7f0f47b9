#include "EStream.h"

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
    if (fail())
        return;
    skipWhitespace();
    if (m_pos >= m_end) {
        setState(FailBit);
        return;
    }
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
    if (fail())
        return;
    skipWhitespace();
    if (m_pos >= m_end) {
        setState(FailBit);
        return;
    }
    // Only the characters of a decimal number take part, in the classic locale: sign, digits, one point,
    // an exponent. "inf" and "nan" are not numbers here.
    const char* p = m_pos;
    const char* start = p;
    if (*p == '+' || *p == '-')
        ++p;
    int digitCount = 0;
    while (p < m_end && isDigit(*p)) {
        ++p;
        ++digitCount;
    }
    if (p < m_end && *p == '.') {
        ++p;
        while (p < m_end && isDigit(*p)) {
            ++p;
            ++digitCount;
        }
    }
    if (digitCount == 0) {
        m_pos = p;
        if (p >= m_end)
            setState(EofBit);
        setState(FailBit);
        return;
    }
    if (p < m_end && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        if (q < m_end && (*q == '+' || *q == '-'))
            ++q;
        if (q < m_end && isDigit(*q)) {
            while (q < m_end && isDigit(*q))
                ++q;
            p = q;
        }
    }
    if (p >= m_end)
        setState(EofBit);
    const char* parseFrom = (*start == '+') ? start + 1 : start;
    double result = 0.0;
    const auto converted = std::from_chars(parseFrom, p, result, std::chars_format::general);
    m_pos = p;
    if (converted.ec != std::errc() || converted.ptr != p) {
        setState(FailBit);
        return;
    }
    *value = result;
}

QByteArrayView EInStream::getUntil(char delimiter, int maxCount) {
    if (fail())
        return {};
    const char* start = m_pos;
    const char* limit = start + qMin<qsizetype>(m_end - m_pos, maxCount);
    // Fields are short: a plain loop beats a library call here.
    const char* stop = start;
    while (stop < limit && *stop != delimiter)
        ++stop;
    m_pos = stop;
    if (stop == m_end)
        setState(EofBit);
    if (stop == start)
        setState(FailBit);
    return QByteArrayView(start, stop - start);
}

QByteArrayView EInStream::getFixed(int count) {
    if (fail())
        return {};
    const char* start = m_pos;
    if (m_end - m_pos < count) {
        m_pos = m_end;
        setState(EofBit | FailBit);
        return QByteArrayView(start, m_end - start);
    }
    m_pos += count;
    return QByteArrayView(start, count);
}

QByteArrayView EInStream::getLine(int maxCount) {
    if (fail())
        return {};
    const char* start = m_pos;
    const qsizetype available = m_end - m_pos;
    const qsizetype limit = qMin<qsizetype>(available, maxCount);
    const void* hit = memchr(start, '\n', limit);
    if (hit) {
        const char* lf = static_cast<const char*>(hit);
        m_pos = lf + 1;
        return QByteArrayView(start, lf - start);
    }
    if (available <= maxCount) {
        // The last line of the file, without a line feed.
        m_pos = m_end;
        setState(EofBit);
        return QByteArrayView(start, available);
    }
    if (start[maxCount] == '\n') {
        m_pos = start + maxCount + 1;
        return QByteArrayView(start, maxCount);
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
