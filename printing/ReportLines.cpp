#include "printing/ReportLines.h"

#include "printing/ListPrinting.h"

#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

// The report's texts come from the translation files; where a translation lacks one, these Danish texts
// keep the report readable instead of showing the key. The line formats line up with the column header
// line of the default Danish column titles.
QString reportText(const char* key, const char* fallback) {
    const QString text = QCoreApplication::translate("ReportDialog", key);
    return text == QLatin1String(key) ? QString::fromUtf8(fallback) : text;
}

QString groupLineFormat() {
    return reportText(QT_TRANSLATE_NOOP("ReportDialog", "REPORT_GROUP_LINE_TEXT"), "%1 %2 %3 %4");
}

QString pellinGroupLineFormat() {
    return reportText(QT_TRANSLATE_NOOP("ReportDialog", "PELLIN_GROUP_LINE_TEXT"), "%1 %2 %3");
}

QString totalName() {
    return reportText(QT_TRANSLATE_NOOP("ReportDialog", "REPORT_TOTAL_TEXT"), "I alt");
}

QString countFormat() {
    return reportText(QT_TRANSLATE_NOOP("ReportDialog", "REPORT_COUNT_TEXT"), "Antal poster: %1");
}

QString amount(double value) {
    return QString::number(value, 'f', 1).rightJustified(9, QLatin1Char(' '));
}

bool countsPieces() {
    return IsTovik() || IsOstrel() || IsBrevane();
}

QString printHeader() {
    if (countsPieces())
        return reportText(QT_TRANSLATE_NOOP("ReportDialog", "TOVIK_REPORT_HEADER_TEXT"),
                          "Gruppe                    Stk.  Købspris  Vurderet");
    if (IsPellin())
        return reportText(QT_TRANSLATE_NOOP("ReportDialog", "PELLIN_REPORT_HEADER_TEXT"),
                          "Gruppe                      Anslået Salgspris");
    return QString();
}

} // namespace

QString ReportLines::HyphenLine() {
    return QString(57, QLatin1Char('-'));
}

QString ReportLines::GroupLine(const DBItemCollection& collection, const QString& name, int group) {
    if (name.isEmpty())
        return QString();
    const QString paddedName = name.leftJustified(25, QLatin1Char(' '));
    const QString today = amount(collection.SumGroupValue(group, true, false));
    // One pass over the format, so a "%2" inside a group name is not taken for a placeholder.
    if (countsPieces()) {
        const QString pieces =
            QString::number(collection.CountGroupItems(group, true)).rightJustified(4, QLatin1Char(' '));
        return groupLineFormat().arg(paddedName, pieces, amount(collection.SumGroupValue(group, false, false)), today);
    }
    if (IsPellin())
        return pellinGroupLineFormat().arg(paddedName, amount(collection.SumGroupValue(group, false, true)), today);
    return QString();
}

ReportLines::ReportLines(const DBItemCollection& collection) : m_knownEdition(countsPieces() || IsPellin()) {
    using namespace ColumnNames;
    if (countsPieces())
        m_columnHeader = QStringLiteral("-------%1----------------%2---%3----%4")
                             .arg(Title(Group), Title(Count), Title(Price), Title(PriceToday));
    else if (IsPellin())
        m_columnHeader =
            QStringLiteral("-------%1-------------------%3----%4").arg(Title(Group), Title(Price), Title(PriceToday));

    const QStringList& groups = collection.Groups().Entries();
    for (int group = 0; group < groups.size(); ++group) {
        const QString line = GroupLine(collection, groups.at(group), group);
        if (!line.isEmpty())
            m_groupLines << line;
    }
    std::sort(m_groupLines.begin(), m_groupLines.end());
    for (const QString& line : std::as_const(m_groupLines))
        qDebug("Line: %s", qPrintable(line));
    m_lines = m_groupLines;
    if (m_knownEdition) {
        m_lines << HyphenLine();
        m_totalLine = GroupLine(collection, totalName(), DBItemCollection::AllGroups);
        m_lines << m_totalLine;
        m_countLine = countFormat().arg(collection.Count());
    }
    m_printHeader = printHeader();
}

QString ReportLines::ViewText() const {
    QStringList view;
    view << m_columnHeader << QString();
    view << m_groupLines;
    view << HyphenLine();
    return view.join(QLatin1Char('\n'));
}

QString ReportLines::TotalsText() const {
    return m_knownEdition ? m_totalLine + QLatin1Char('\n') + m_countLine : QString();
}

bool PrintReport(const ReportLines& report, QPagedPaintDevice* device) {
    constexpr int margin = 200;
    QPainter painter;
    if (!painter.begin(device))
        return false;
    painter.setFont(FixedPitchPrintFont(12));
    const QFontMetrics metrics = painter.fontMetrics();
    const int ascent = metrics.ascent();
    const int descent = metrics.descent();
    const int pageHeight = device->height();
    const QString header = report.PrintHeader();

    int y = 0;
    auto draw = [&](const QString& text) {
        y += ascent;
        painter.drawText(margin, y + margin, text);
        y += descent;
    };
    auto drawHeader = [&] {
        if (!header.isEmpty())
            draw(header);
    };
    // As the item list: a new page, with the heading again, when the next line could pass the bottom margin.
    auto drawLine = [&](const QString& text) {
        if (text.isEmpty())
            return;
        if (y + margin > pageHeight - margin || y + ascent + descent + margin > pageHeight) {
            device->newPage();
            y = 0;
            drawHeader();
        }
        qDebug("Line: %s", qPrintable(text));
        draw(text);
    };

    drawHeader();
    for (const QString& line : report.Lines())
        drawLine(line);
    drawLine(report.CountLine());
    painter.end();
    return true;
}
