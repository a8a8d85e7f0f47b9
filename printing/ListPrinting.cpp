#include "printing/ListPrinting.h"

#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "printing/PrintSettings.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// The four cell rules; L below zero counts as zero.
QString left(const QString& text, int length) {
    length = qMax(0, length);
    return text.left(length).leftJustified(length, QLatin1Char(' '));
}

QString right(const QString& text, int length) {
    length = qMax(0, length);
    return text.right(length).rightJustified(length, QLatin1Char(' '));
}

QString number(double value, int length) {
    return QString::number(value, 'f', 0).rightJustified(qMax(0, length), QLatin1Char(' '));
}

// Padded, never cut: a wider text widens its column.
QString padLeft(const QString& text, int length) {
    return text.rightJustified(length, QLatin1Char(' '));
}

QString padRight(const QString& text, int length) {
    return text.leftJustified(length, QLatin1Char(' '));
}

// Every column but the item number reads " cell separator".
class LineBuilder {
public:
    explicit LineBuilder(const QString& separator) : m_separator(separator) {}
    void first(const QString& cell) { m_line += cell + m_separator; }
    void column(const QString& cell) {
        m_line += QLatin1Char(' ');
        m_line += cell;
        m_line += QLatin1Char(' ');
        m_line += m_separator;
    }
    QString line() const { return m_line; }

private:
    const QString& m_separator;
    QString m_line;
};

} // namespace

namespace {
// An item's cell: names and texts cut on the right, paths keep their end, numbers never cut.
QString itemCell(const DBItemCollection& collection, const Item& item, const PrintedColumn& c, int length) {
    switch (c.kind) {
    case PrintedColumn::GroupName:
        return left(collection.Groups().NameOrNumber(item.GetGroup()), length);
    case PrintedColumn::LocationName:
        return left(collection.Locations().NameOrNumber(item.GetLocation()), length);
    case PrintedColumn::Count:
        return right(item.GetNumberOfItemsText(), length);
    case PrintedColumn::Price:
        return number(item.GetPrice(), length);
    case PrintedColumn::PriceToday:
        return number(item.GetPriceToday(), length);
    case PrintedColumn::Date:
        return padLeft(item.GetText(c.field), length);
    case PrintedColumn::Path:
    case PrintedColumn::Picture:
        return right(item.GetText(c.field), length);
    case PrintedColumn::Text:
    default:
        return left(item.GetText(c.field), length);
    }
}
} // namespace

QString BuildPrintHeaderLine(const PrintSettings& s) {
    LineBuilder line(s.printSeparator);
    for (const PrintedColumn& c : PrintedColumns()) {
        if (!(s.*c.flag))
            continue;
        if (c.kind == PrintedColumn::ItemNumber) {
            line.first(padLeft(QCoreApplication::translate("MainWindow", "ITEM_COUNT"), 3));
            continue;
        }
        const QString title = ColumnNames::Title(c.column);
        const int length = s.Length(c);
        line.column(c.kind == PrintedColumn::Date ? padRight(title, length) : left(title, length));
    }
    return line.line();
}

QString BuildPrintItemLine(const PrintSettings& s, const DBItemCollection& collection, int itemNumber,
                           const Item& item) {
    if (!s.Passes(item))
        return QString();
    LineBuilder line(s.printSeparator);
    for (const PrintedColumn& c : PrintedColumns()) {
        if (!(s.*c.flag))
            continue;
        if (c.kind == PrintedColumn::ItemNumber)
            line.first(padLeft(QString::number(itemNumber), 3));
        else
            line.column(itemCell(collection, item, c, s.Length(c)));
    }
    return line.line();
}

QFont FixedPitchPrintFont(int pointSize) {
    QFont font(QStringLiteral("Courier New"), pointSize, QFont::Bold, false);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

bool PrintItemList(const DBItemCollection& collection, const PrintSettings& settings, QPagedPaintDevice* device) {
    constexpr int margin = 50;
    WaitCursor wait;
    Dialogs::statusMessage(QCoreApplication::translate("MainWindow", "Printing..."), 0);
    QPainter painter;
    if (!painter.begin(device))
        return false;

    QFont font = FixedPitchPrintFont(10);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int ascent = metrics.ascent();
    const int descent = metrics.descent();
    const int lineSpacing = metrics.lineSpacing();
    const int pageHeight = device->height();

    const QString header = BuildPrintHeaderLine(settings);
    // The first page's header is bold and underlined; afterwards the font is of normal weight.
    auto drawHeader = [&] {
        font.setUnderline(true);
        painter.setFont(font);
        painter.drawText(margin, ascent + margin, header);
        font.setUnderline(false);
        font.setWeight(QFont::Normal);
        painter.setFont(font);
    };

    drawHeader();
    int y = ascent + lineSpacing;
    int page = 1;
    int itemNumber = 0;
    for (const Item* item : collection) {
        // Tested before every item, also one the filter then drops. The second test only matters on a device
        // finer than the screen, where a line is taller than the margin: it must still fit on the page.
        if (y + margin > pageHeight - margin || y + ascent + descent + margin > pageHeight) {
            ++page;
            Dialogs::statusMessage(QCoreApplication::translate("MainWindow", "Printing (page %1)...").arg(page), 0);
            device->newPage();
            drawHeader();
            y = ascent + lineSpacing;
        }
        const QString line = BuildPrintItemLine(settings, collection, ++itemNumber, *item);
        if (!line.isEmpty()) {
            painter.drawText(margin, y + ascent + margin, line);
            y += ascent + descent;
        }
    }
    painter.end();
    Dialogs::statusMessage(QCoreApplication::translate("MainWindow", "Print færdig"), 2000);
    return true;
}
