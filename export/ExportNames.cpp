#include "export/ExportNames.h"

#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/EStream.h"
#include "core/XmlEscape.h"

#include <QDir>
#include <QUrl>

namespace {

std::vector<QByteArray> escapedEntries(const userItemCollection& list) {
    std::vector<QByteArray> names;
    names.reserve(static_cast<size_t>(list.Count()));
    for (const QString& entry : list)
        names.push_back(EscapedXml(entry));
    return names;
}

} // namespace

ExportNames::ExportNames(const DBItemCollection& collection)
    : m_groups(escapedEntries(collection.Groups())), m_locations(escapedEntries(collection.Locations())) {
    m_headings.reserve(ColumnNames::ColumnCount);
    for (int column = 0; column < ColumnNames::ColumnCount; ++column)
        m_headings.push_back(EscapedXml(ColumnNames::Title(column)));
}

void ExportNames::writeName(EOutStream& out, const std::vector<QByteArray>& names, int number) {
    if (number >= 0 && number < static_cast<int>(names.size()))
        out.write(names[static_cast<size_t>(number)]);
    else
        out.writeInt(number);
}

QByteArray ExportNames::PictureUrl(const QString& path) {
    const QString text = path.trimmed();
    for (const char* scheme : {"http:", "https:", "ftp:", "file:"}) {
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return EscapedXml(text);
    }
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return EscapedXml(QLatin1String("http://") + text);
    // Made absolute by hand: QFileInfo refuses (and warns about) a path holding a NUL, which a damaged
    // database can store.
    const QString absolute =
        QDir::cleanPath(QDir::isRelativePath(path) ? QDir::currentPath() + QLatin1Char('/') + path : path);
    return EscapedXml(QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded));
}
