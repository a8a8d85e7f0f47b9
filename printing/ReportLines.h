#pragma once

#include <QString>
#include <QStringList>

class DBItemCollection;
class QPagedPaintDevice;

// The group report: per named group its pieces, purchase value and value today, sorted by the line's
// text, then a hyphen line, a total line over all items and the number of records. Made once, as a snapshot
// of the collection; the report dialog shows it and prints it.
class ReportLines {
public:
    explicit ReportLines(const DBItemCollection& collection);

    // The view's column header line ("-------Gruppe----...") from the list's column titles.
    QString ColumnHeaderLine() const { return m_columnHeader; }
    // What is printed below the header: the sorted group lines, the hyphen line and the total line.
    const QStringList& Lines() const { return m_lines; }
    // "Number of records: N" (records, not pieces).
    QString CountLine() const { return m_countLine; }
    // What the report window scrolls: the column header line, the group lines and the hyphen line.
    QString ViewText() const;
    // What the window keeps in view below them: the total line and the count line.
    QString TotalsText() const;
    // The heading printed on top of every page.
    QString PrintHeader() const { return m_printHeader; }

    // One group's line, or an empty text for an empty name; group 10000 sums every item.
    static QString GroupLine(const DBItemCollection& collection, const QString& name, int group);
    static QString HyphenLine();

private:
    QString m_columnHeader;
    QStringList m_groupLines;
    QStringList m_lines;
    QString m_totalLine;
    QString m_countLine;
    QString m_printHeader;
    bool m_knownEdition;
};

// Prints the report in a bold fixed-pitch font, breaking pages as the item list does and repeating the
// heading on every page. False when painting cannot begin on the device.
bool PrintReport(const ReportLines& report, QPagedPaintDevice* device);
