#include "core/LogXML.h"

#include "core/XmlEscape.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>

LogXML::LogXML(const QString& fileName, const QString& appName) {
    const QByteArray setting = qgetenv("DEBUGTARNVOLD");
    if (!setting.contains('1'))
        return;
    m_fileName = fileName;
    m_file = std::fopen(QFile::encodeName(fileName).constData(), "w");
    if (!m_file)
        return; // behaves as disabled
    std::fputs("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n", m_file);
    m_depth = 0;
    line(QStringLiteral("<LogFile>"));
    m_depth = 1;
    Element(QStringLiteral("AppName"), appName);
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    line(QString::asprintf("<Timestamp>%.3f</Timestamp>", ms / 1000.0));
    dateAndTime();
}

LogXML::~LogXML() {
    if (!m_file)
        return;
    while (m_depth > 1)
        closeItem();
    line(QStringLiteral("<LogItem>"));
    ++m_depth;
    dateAndTime();
    Element(QStringLiteral("Filename"), QStringLiteral("LogXML"));
    Element(QStringLiteral("Entry"), QStringLiteral("Log File closed"));
    closeItem();
    --m_depth;
    line(QStringLiteral("</LogFile>"));
    std::fclose(m_file);
}

void LogXML::line(const QString& text) {
    // Every line starts with a line feed and two blanks per level, so the file ends without one.
    std::fputc('\n', m_file);
    for (int i = 0; i < m_depth; ++i)
        std::fputs("  ", m_file);
    const QByteArray bytes = text.toLatin1();
    std::fwrite(bytes.constData(), 1, bytes.size(), m_file);
}

void LogXML::dateAndTime() {
    const QDateTime now = QDateTime::currentDateTime();
    line(QLatin1String("<Date>") + now.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1String("</Date>"));
    line(QLatin1String("<Time>") + now.toString(QStringLiteral("HH:mm:ss.zzz")) + QLatin1String("</Time>"));
}

void LogXML::closeItem() {
    --m_depth;
    line(QStringLiteral("</LogItem>"));
}

bool LogXML::Element(const QString& tag, const QString& text) {
    if (!m_file)
        return true;
    line(QLatin1Char('<') + tag + QLatin1Char('>') + EscapeXml(text) + QLatin1String("</") + tag + QLatin1Char('>'));
    return true;
}

bool LogXML::WriteItem(const QString& entry, const QString& fileName, const QString& function) {
    if (!m_file)
        return true;
    BeginItem(entry, fileName, function);
    if (m_depth >= 2)
        closeItem();
    return true;
}

bool LogXML::BeginItem(const QString& entry, const QString& fileName, const QString& function) {
    if (!m_file)
        return true;
    line(QStringLiteral("<LogItem>"));
    ++m_depth;
    dateAndTime();
    if (!fileName.isNull())
        Element(QStringLiteral("Filename"), fileName);
    if (!function.isNull())
        Element(QStringLiteral("Function"), function);
    if (!entry.isNull())
        Element(QStringLiteral("Entry"), entry);
    return true;
}

void LogXML::EndItem() {
    if (m_file && m_depth > 1)
        closeItem();
}
