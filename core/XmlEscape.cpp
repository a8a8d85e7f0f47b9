#include "core/XmlEscape.h"

#include "core/EStream.h"

namespace {

// What replaces a byte: null keeps it, an empty text drops it.
const char* replacementOf(unsigned char c) {
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    case '\'':
        return "&apos;";
    case '\r':
        return "&#13;";
    case '\t':
    case '\n':
        return nullptr;
    default:
        return c < 0x20 ? "" : nullptr;
    }
}

// Hands the escaped text to write in as few pieces as the replacements allow: exports of a million items
// pass through here.
template <typename Write> void escape(QByteArrayView latin1, Write&& write) {
    const char* data = latin1.data();
    const qsizetype size = latin1.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char c = static_cast<unsigned char>(data[i]);
        if (c > '>') // letters, digits above '>' and everything from 0x7f on: the common case
            continue;
        const char* replacement = replacementOf(c);
        if (!replacement)
            continue;
        if (i > start)
            write(QByteArrayView(data + start, i - start));
        if (*replacement)
            write(QByteArrayView(replacement));
        start = i + 1;
    }
    if (size > start)
        write(QByteArrayView(data + start, size - start));
}

} // namespace

void WriteEscapedXml(EOutStream& out, QByteArrayView latin1) {
    escape(latin1, [&out](QByteArrayView piece) { out.write(piece); });
}

QByteArray EscapedXml(QByteArrayView latin1) {
    QByteArray result;
    result.reserve(latin1.size());
    escape(latin1, [&result](QByteArrayView piece) { result.append(piece); });
    return result;
}

QByteArray EscapedXml(const QString& text) {
    return EscapedXml(QByteArrayView(text.toLatin1()));
}

QString EscapeXml(const QString& text) {
    return QString::fromLatin1(EscapedXml(text));
}
