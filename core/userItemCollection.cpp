#include "core/userItemCollection.h"

#include "core/SaveFile.h"

#include <QFile>

QString userItemCollection::Entry(int number) const {
    if (number < 0 || number >= m_entries.size())
        return QString();
    return m_entries.at(number);
}

QString userItemCollection::NameOrNumber(int number) const {
    if (number < 0 || number >= m_entries.size())
        return QString::number(number);
    return m_entries.at(number);
}

QString userItemCollection::Caption(int number) {
    if (number < 0 || number >= m_entries.size())
        return QString();
    m_entries[number].remove(QLatin1Char('&'));
    return m_entries.at(number);
}

bool userItemCollection::LoadFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_entries.clear();
    // The lists are small; reading the file whole and splitting it keeps CR LF and LF alike simple.
    const QByteArray data = file.readAll();
    qsizetype pos = 0;
    while (pos < data.size() && m_entries.size() <= m_limit) {
        qsizetype lf = data.indexOf('\n', pos);
        if (lf < 0)
            lf = data.size();
        qsizetype end = lf;
        if (end > pos && data.at(end - 1) == '\r')
            --end;
        m_entries.append(QString::fromLatin1(data.constData() + pos, end - pos));
        pos = lf + 1;
    }
    return true;
}

bool userItemCollection::SaveToFile(const QString& path) {
    QByteArray bytes;
    for (const QString& entry : m_entries) {
        bytes += entry.toLatin1();
        bytes += "\r\n";
    }
    m_lastError.clear();
    return SaveFile::writeWhole(path, bytes, &m_lastError);
}
