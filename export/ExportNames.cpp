#include "ExportNames.h"

#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/EStream.h"

#include <QFileInfo>
#include <QUrl>

namespace {

std::vector<QByteArray> escapedEntries(const userItemCollection& list) {
    std::vector<QByteArray> names;
    names.reserve(static_cast<size_t>(list.Count()));
    for (const QString& entry : list)
        names.push_back(ExportNames::Escaped(entry));
    return names;
}

const char* entityOf(char c) {
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
    default:
        return nullptr;
    }
}

} // namespace

ExportNames::ExportNames(const DBItemCollection& collection)
    : m_groups(escapedEntries(collection.Groups())), m_locations(escapedEntries(collection.Locations())) {
    m_headings.reserve(ColumnNames::ColumnCount);
    for (int column = 0; column < ColumnNames::ColumnCount; ++column)
        m_headings.push_back(Escaped(ColumnNames::Title(column)));
}

void ExportNames::writeName(EOutStream& out, const std::vector<QByteArray>& names, int number) {
    if (number >= 0 && number < static_cast<int>(names.size()))
        out.write(names[static_cast<size_t>(number)]);
    else
        out.writeInt(number);
}

void ExportNames::WriteEscaped(EOutStream& out, QByteArrayView latin1) {
    const char* data = latin1.data();
    const qsizetype size = latin1.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char* entity = entityOf(data[i]);
        if (!entity)
            continue;
        if (i > start)
            out.write(QByteArrayView(data + start, i - start));
        out.write(QByteArrayView(entity));
        start = i + 1;
    }
    if (size > start)
        out.write(QByteArrayView(data + start, size - start));
}

QByteArray ExportNames::Escaped(const QString& text) {
    const QByteArray latin1 = text.toLatin1();
    QByteArray result;
    result.reserve(latin1.size());
    for (char c : latin1) {
        if (const char* entity = entityOf(c))
            result.append(entity);
        else
            result.append(c);
    }
    return result;
}

QByteArray ExportNames::PictureUrl(const QString& path) {
    const QString url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    return Escaped(url);
}
