#include "core/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
} // namespace

bool ParseDecimalInt(QByteArrayView text, int* value) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && isBlank(*p))
        ++p;
    while (end > p && isBlank(end[-1]))
        --end;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    if (p == end)
        return false;
    long long result = 0;
    for (; p < end; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        result = result * 10 + (*p - '0');
        if (result > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    if (negative)
        result = -result;
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
        return false;
    *value = static_cast<int>(result);
    return true;
}

bool ParseDecimalInt(const QString& text, int* value) {
    // Only Latin-1 digits and blanks can make a number; anything else fails in the byte parser too.
    return ParseDecimalInt(QByteArrayView(text.toLatin1()), value);
}

QString FixedText(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

void AppendFixed(QByteArray& out, double value, int decimals) {
    if (!std::isfinite(value))
        value = 0.0;  // "nan" or "inf" in a file could never be read back
    char buffer[400]; // the largest double in fixed notation with a few decimals fits
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    out.append(buffer, result.ptr - buffer);
}

void AppendInt(QByteArray& out, int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr - buffer);
}
