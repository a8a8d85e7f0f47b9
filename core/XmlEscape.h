#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class EOutStream;

// The one escaping of the texts that the XML log, the XML export and every HTML page hold, whatever a
// database or a list file brought in. It works on ISO 8859-1, the documents' encoding (other characters
// become "?"): & < > " and ' become entities, a CR becomes "&#13;" so that a parser gives it back rather
// than a line feed, and the control characters XML 1.0 forbids (below a blank, except tab, line feed and
// CR) are dropped, since a single one makes the whole document unreadable. The result fits element content
// and attribute values alike.
void WriteEscapedXml(EOutStream& out, QByteArrayView latin1);
QByteArray EscapedXml(QByteArrayView latin1);
QByteArray EscapedXml(const QString& text);
// The same as text; an existing entity is escaped again.
QString EscapeXml(const QString& text);
