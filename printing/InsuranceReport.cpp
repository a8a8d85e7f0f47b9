#include "printing/InsuranceReport.h"

#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "core/SaveFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <deque>
#include <future>
#include <map>
#include <thread>
#include <utility>

namespace {

// Page geometry in the writer's units (300 dots per inch on A4).
constexpr int kDpi = 300;
constexpr double mm(double millimetres) {
    return millimetres * kDpi / 25.4;
}
constexpr double kPageWidth = mm(210);
constexpr double kPageHeight = mm(297);
constexpr double kMargin = mm(15);
constexpr double kRight = kPageWidth - kMargin;
constexpr double kContentWidth = kRight - kMargin;
constexpr double kBottom = kPageHeight - mm(20); // the footer lives below
constexpr double kFooterBaseline = kPageHeight - mm(11);
constexpr double kImageWidth = mm(55);
constexpr double kImageHeight = mm(41);
constexpr double kGap = mm(3);
constexpr double kLabelWidth = mm(30);
// A description longer than this many lines is cut: an item's block must fit on one page.
constexpr int kMaxDescriptionLines = 30;
// While counting, the progress is told every so many pages (so a cancel is seen).
constexpr int kCountingStride = 25;

// The register's own caption of a column (the fields list's word for the edition), without shortcut marks.
QString caption(int column) {
    QString title = ColumnNames::Title(column);
    title.remove(QLatin1Char('&'));
    return title.trimmed();
}

enum class Link { None, Picture, Missing, Document };

// A relative link is read against the working directory first, as the program shows pictures, then against
// the register's folder.
QString resolvedPath(const QString& link, const QString& linkFolder) {
    const QString trimmed = link.trimmed();
    if (QFileInfo(trimmed).isAbsolute() || linkFolder.isEmpty() || QFileInfo(trimmed).isFile())
        return trimmed;
    const QString beside = QDir(linkFolder).filePath(trimmed);
    return QFileInfo(beside).isFile() ? beside : trimmed;
}

// What becomes of a link: a picture drawn, a picture whose file is missing, or a document named.
Link linkKind(const QString& link, const QString& path) {
    if (link.trimmed().isEmpty())
        return Link::None;
    if (!IsPictureFile(link))
        return Link::Document;
    return QFileInfo(path).isFile() ? Link::Picture : Link::Missing;
}

// A picture as the report stores it: at most MaxPictureSide pixels on its long side, no alpha channel, and
// once through JPEG at the given quality. The PDF writer stores every picture as JPEG at a fixed high quality
// (94); a photo that has already lost the detail quality 60 drops comes out at 55 to 60 % of the size, which
// keeps a thousand photos below 60 MB.
QImage reportPicture(const QString& path, int quality) {
    constexpr int side = InsuranceReport::MaxPictureSide;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > side || size.height() > side))
        reader.setScaledSize(size.scaled(side, side, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return image;
    if (image.width() > side || image.height() > side)
        image = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
        painter.end();
        image = flat;
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (image.save(&buffer, "JPEG", quality)) {
        QImage decoded;
        if (decoded.loadFromData(jpeg, "JPEG"))
            image = decoded;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// Font metrics that measure register text without shaping it: the texts are ISO 8859-1, so the advance of
// each of those 256 characters is looked up once and summed (the report's fonts have kerning off, so the sum
// is what is drawn). Shaping every text twice (counting and painting) cost more than half of the time of a
// large report.
class Measure {
public:
    Measure(const QFont& font, QPaintDevice* device) : m_metrics(font, device) {
        for (int c = 0; c < 256; ++c)
            m_advance[c] = m_metrics.horizontalAdvance(QChar(c));
    }
    double ascent() const { return m_metrics.ascent(); }
    double lineSpacing() const { return m_metrics.lineSpacing(); }
    double width(QStringView text) const {
        double sum = 0.0;
        for (QChar c : text) {
            if (c.unicode() > 0xff)
                return m_metrics.horizontalAdvance(text.toString());
            sum += m_advance[c.unicode()];
        }
        return sum;
    }
    QString elided(const QString& text, Qt::TextElideMode mode, double maxWidth) const {
        return width(text) <= maxWidth ? text : m_metrics.elidedText(text, mode, maxWidth);
    }
    // Words to lines no wider than maxWidth; a word wider than a line is broken between characters.
    QStringList wrap(const QString& text, double maxWidth) const {
        QStringList lines;
        if (!text.contains(QLatin1Char('\n')) && width(text) <= maxWidth) {
            lines << text;
            return lines;
        }
        const QStringList paragraphs =
            QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
        for (const QString& paragraph : paragraphs) {
            if (width(paragraph) <= maxWidth) {
                lines << paragraph;
                continue;
            }
            QString line;
            const QStringList words = paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            for (QString word : words) {
                const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
                if (width(candidate) <= maxWidth) {
                    line = candidate;
                    continue;
                }
                if (!line.isEmpty())
                    lines << line;
                while (width(word) > maxWidth && word.size() > 1) {
                    int fits = 1;
                    while (fits < word.size() && width(QStringView(word).left(fits + 1)) <= maxWidth)
                        ++fits;
                    lines << word.left(fits);
                    word = word.mid(fits);
                }
                line = word;
            }
            lines << line;
        }
        return lines;
    }

private:
    QFontMetricsF m_metrics;
    double m_advance[256];
};

} // namespace

// ---------------------------------------------------------------------------------------------------------
// Sums and sections

bool InsuranceReport::CountsPieces() {
    return !IsPellin();
}

void InsuranceReport::Totals::add(const Item& item) {
    ++items;
    if (CountsPieces()) {
        pieces += item.GetNumberOfItems();
        purchase += item.GetTotalPrice();
    } else {
        purchase += item.GetPrice();
    }
    today += item.GetPriceToday();
}

QString InsuranceReport::Title() {
    return tr("Forsikringsopgørelse");
}

std::vector<const Item*> InsuranceReport::ItemsInScope(const DBItemCollection& collection,
                                                       const InsuranceOptions& options,
                                                       const std::vector<const Item*>& filterHits) {
    if (options.scope == InsuranceOptions::FilterHits)
        return filterHits;
    std::vector<const Item*> items;
    items.reserve(collection.Items().size());
    for (const Item* item : collection) {
        if ((options.scope == InsuranceOptions::OneLocation && item->GetLocation() != options.scopeNumber) ||
            (options.scope == InsuranceOptions::OneGroup && item->GetGroup() != options.scopeNumber))
            continue;
        items.push_back(item);
    }
    return items;
}

InsuranceReport::InsuranceReport(const DBItemCollection& collection, const std::vector<const Item*>& items,
                                 InsuranceOptions options)
    : m_collection(collection), m_options(std::move(options)) {
    const bool byGroup = m_options.order == InsuranceOptions::ByGroup;
    const userItemCollection& names = byGroup ? collection.Groups() : collection.Locations();
    std::map<int, Section> sections;
    for (const Item* item : items) {
        const int number = byGroup ? item->GetGroup() : item->GetLocation();
        Section& section = sections[number];
        section.items.push_back(item);
        section.totals.add(*item);
        m_totals.add(*item);
    }
    m_sections.reserve(sections.size());
    for (auto& [number, section] : sections) {
        section.number = number;
        section.name = names.NameOrNumber(number);
        // Within a room the items go by group and within a group by room, each in the register's order.
        std::stable_sort(section.items.begin(), section.items.end(), [byGroup](const Item* a, const Item* b) {
            return byGroup ? a->GetLocation() < b->GetLocation() : a->GetGroup() < b->GetGroup();
        });
        m_sections.push_back(std::move(section));
    }
}

InsuranceReport::~InsuranceReport() = default;

// ---------------------------------------------------------------------------------------------------------
// Laying out and painting

// One run over the pages. Without a painter it only counts: the same decisions, nothing drawn and no
// picture read, so both runs break the pages alike.
class InsuranceReport::Pass {
public:
    Pass(InsuranceReport& report, QPaintDevice* device, QPainter* painter, QPdfWriter* writer, const Progress& progress)
        : r(report), painter(painter), writer(writer), progress(progress), bodyFont(font(9)), boldFont(font(9, true)),
          labelFont(font(8)), headingFont(font(16, true)), titleFont(font(24, true)), subtitleFont(font(14)),
          itemFont(font(10, true)), footerFont(font(8)), body(bodyFont, device), bold(boldFont, device),
          label(labelFont, device), heading(headingFont, device), title(titleFont, device),
          subtitle(subtitleFont, device), itemMetrics(itemFont, device), footer(footerFont, device) {}

    bool counting() const { return painter == nullptr; }

    // Latin text needs no shaping and the report no kerning: drawing a large register then takes a third
    // less time, and the advances looked up per character are exact.
    static QFont font(int points, bool isBold = false) {
        QFont f;
        f.setPointSize(points);
        f.setBold(isBold);
        f.setStyleStrategy(QFont::PreferNoShaping);
        f.setKerning(false);
        return f;
    }

    void draw(const QFont& f, double x, double baseline, const QString& text) {
        if (!painter || text.isEmpty())
            return;
        painter->setFont(f);
        painter->drawText(QPointF(x, baseline), text);
    }
    void drawRight(const QFont& f, const Measure& m, double right, double baseline, const QString& text) {
        if (painter)
            draw(f, right - m.width(text), baseline, text);
    }

    // Ends the page (its footer) and starts the next one. False once cancelled.
    bool newPage() {
        if (!endPage())
            return false;
        if (writer && !writer->newPage()) {
            r.m_error = tr("Der kunne ikke begyndes på en ny side.");
            return false;
        }
        ++page;
        y = kMargin;
        return true;
    }
    // Makes room for a block: a new page unless it fits or the page is still empty.
    bool need(double height) {
        if (y + height <= kBottom || y <= kMargin)
            return true;
        return newPage();
    }
    bool endPage() {
        if (r.m_cancelled)
            return false;
        if (counting()) {
            if (progress && page % kCountingStride == 0 && !progress(0, 0))
                return cancel();
            return true;
        }
        drawFooter();
        if (progress && !progress(page, r.m_pages))
            return cancel();
        return true;
    }
    bool cancel() {
        r.m_cancelled = true;
        return false;
    }

    void drawFooter() {
        const double top = kFooterBaseline - footer.ascent() - mm(2);
        painter->setPen(QPen(Qt::gray, mm(0.2)));
        painter->drawLine(QPointF(kMargin, top), QPointF(kRight, top));
        painter->setPen(Qt::black);
        draw(footerFont, kMargin, kFooterBaseline, footer.elided(r.m_options.registerName, Qt::ElideMiddle, mm(80)));
        const QString date = r.m_options.locale.toString(r.m_options.date, QLocale::ShortFormat);
        draw(footerFont, kPageWidth / 2 - footer.width(date) / 2, kFooterBaseline, date);
        drawRight(footerFont, footer, kRight, kFooterBaseline, tr("Side %1 af %2").arg(page).arg(r.m_pages));
    }

    QString money(double value) const { return r.m_options.locale.toString(value, 'f', 2); }
    QString number(int value) const { return r.m_options.locale.toString(value); }

    // A line of label and value (wrapped below one another) at the left margin; the label column is wide.
    void labelledLine(const QString& labelText, const QString& value, double labelWidth) {
        const QStringList lines = body.wrap(value, kContentWidth - labelWidth);
        need(body.lineSpacing() * lines.size());
        draw(boldFont, kMargin, y + body.ascent(), labelText);
        for (const QString& line : lines) {
            draw(bodyFont, kMargin + labelWidth, y + body.ascent(), line);
            y += body.lineSpacing();
        }
    }

    // The columns of the contents and subtotal tables, right-aligned: items, pieces, purchase, today, page.
    double column(int index) const {
        static const double rights[] = {kRight - mm(105), kRight - mm(88), kRight - mm(50), kRight - mm(14), kRight};
        return rights[index];
    }
    void tableRow(const QFont& f, const Measure& m, const QString& name, const QStringList& cells) {
        need(m.lineSpacing());
        const double baseline = y + m.ascent();
        draw(f, kMargin, baseline, m.elided(name, Qt::ElideRight, column(0) - kMargin - mm(22)));
        for (int i = 0; i < cells.size(); ++i)
            drawRight(f, m, column(i), baseline, cells.at(i));
        y += m.lineSpacing();
    }
    QStringList totalCells(const Totals& totals) const {
        return {number(totals.items), CountsPieces() ? number(totals.pieces) : QString(), money(totals.purchase),
                money(totals.today)};
    }
    QString sectionCaption() const {
        return caption(r.m_options.order == InsuranceOptions::ByGroup ? ColumnNames::Group : ColumnNames::Location);
    }
    static QString purchaseLabel() { return CountsPieces() ? tr("Købsværdi") : caption(ColumnNames::Price); }

    void cover() {
        const InsuranceOptions& o = r.m_options;
        y = kMargin + mm(25);
        draw(titleFont, kMargin, y + title.ascent(), Title());
        y += title.lineSpacing();
        draw(subtitleFont, kMargin, y + subtitle.ascent(), o.registerName);
        y += subtitle.lineSpacing() + mm(12);
        const double labelWidth = mm(50);
        labelledLine(tr("Ejer"), o.ownerName, labelWidth);
        labelledLine(tr("Adresse"), o.ownerAddress, labelWidth);
        labelledLine(tr("Forsikringsselskab"), o.insurer, labelWidth);
        labelledLine(tr("Policenummer"), o.policyNumber, labelWidth);
        y += mm(4);
        labelledLine(tr("Register"), o.registerName, labelWidth);
        labelledLine(tr("Dato"), o.locale.toString(o.date, QLocale::LongFormat), labelWidth);
        labelledLine(tr("Omfang"), scopeText(), labelWidth);
        labelledLine(tr("Ordnet efter"), sectionCaption(), labelWidth);
        y += mm(10);
        draw(headingFont, kMargin, y + heading.ascent(), tr("I alt"));
        y += heading.lineSpacing() + mm(2);
        const Totals& t = r.m_totals;
        labelledLine(tr("Genstande"), number(t.items), labelWidth);
        if (CountsPieces())
            labelledLine(tr("Stykker"), number(t.pieces), labelWidth);
        labelledLine(purchaseLabel(), money(t.purchase), labelWidth);
        labelledLine(caption(ColumnNames::PriceToday), money(t.today), labelWidth);
        if (CountsPieces()) {
            y += mm(3);
            labelledLine(
                QString(),
                tr("Købsværdien er %1 gange %2.").arg(caption(ColumnNames::Price), caption(ColumnNames::Count)),
                labelWidth);
        }
    }

    QString scopeText() const {
        const InsuranceOptions& o = r.m_options;
        switch (o.scope) {
        case InsuranceOptions::FilterHits:
            return tr("Filtrets træf");
        case InsuranceOptions::OneLocation:
            return caption(ColumnNames::Location) + QStringLiteral(": ") +
                   r.m_collection.Locations().NameOrNumber(o.scopeNumber);
        case InsuranceOptions::OneGroup:
            return caption(ColumnNames::Group) + QStringLiteral(": ") +
                   r.m_collection.Groups().NameOrNumber(o.scopeNumber);
        case InsuranceOptions::WholeRegister:
            break;
        }
        return tr("Hele registret");
    }

    QStringList tableHeader(bool withPage) const {
        QStringList cells{tr("Genstande"), CountsPieces() ? tr("Stk.") : QString(), purchaseLabel(),
                          caption(ColumnNames::PriceToday)};
        if (withPage)
            cells << tr("Side");
        return cells;
    }

    bool contents() {
        draw(headingFont, kMargin, y + heading.ascent(), tr("Indhold"));
        y += heading.lineSpacing() + mm(3);
        tableRow(boldFont, bold, sectionCaption(), tableHeader(true));
        for (const Section& section : r.m_sections) {
            const int before = page;
            if (!need(body.lineSpacing()))
                return false;
            if (page != before)
                tableRow(boldFont, bold, sectionCaption(), tableHeader(true));
            tableRow(bodyFont, body, section.name, totalCells(section.totals) << number(section.firstPage));
        }
        if (!need(bold.lineSpacing() + mm(2)))
            return false;
        rule();
        tableRow(boldFont, bold, tr("I alt"), totalCells(r.m_totals));
        return true;
    }

    void rule() {
        y += mm(1);
        if (painter) {
            painter->setPen(QPen(Qt::black, mm(0.2)));
            painter->drawLine(QPointF(kMargin, y), QPointF(kRight, y));
        }
        y += mm(1);
    }

    struct Picture {
        QString link;
        QString path;
        Link kind = Link::None;
    };

    // The label and value pairs of an item's block.
    std::vector<std::pair<QString, QString>> fieldsOf(const Item& item, const Picture& photo,
                                                      const Picture& receipt) const {
        using namespace ColumnNames;
        std::vector<std::pair<QString, QString>> fields;
        auto add = [&fields](int column, const QString& value) {
            if (!value.trimmed().isEmpty())
                fields.emplace_back(caption(column), value.trimmed());
        };
        // The coin edition's name field is the year: it is shown with its word as well as in the heading.
        if (IsOstrel())
            add(Name, item.GetName());
        add(Product, item.GetProduct());
        add(ProductType, item.GetProducttype());
        add(Serialno, item.GetSerialno());
        add(Date, item.GetDate());
        if (CountsPieces())
            add(Count, number(item.GetNumberOfItems()));
        add(Price, money(item.GetPrice()));
        if (CountsPieces() && item.GetNumberOfItems() != 1)
            fields.emplace_back(purchaseLabel(), money(item.GetTotalPrice()));
        add(PriceToday, money(item.GetPriceToday()));
        add(Supplier, item.GetSupplier());
        add(Address, item.GetAddress());
        if (r.m_options.order == InsuranceOptions::ByGroup)
            add(Location, r.m_collection.Locations().NameOrNumber(item.GetLocation()));
        else
            add(Group, r.m_collection.Groups().NameOrNumber(item.GetGroup()));
        auto named = [&](int column, const Picture& picture) {
            if (picture.kind == Link::Missing)
                add(column, tr("%1 (mangler)").arg(picture.link.trimmed()));
            else if (picture.kind == Link::Document)
                add(column, picture.link);
        };
        named(ColumnNames::Picture, photo);
        named(ColumnNames::Receipt, receipt);
        return fields;
    }

    // A label cut to its column, worked out once per text.
    QString shortLabel(const QString& text) {
        auto found = elidedLabels.constFind(text);
        if (found == elidedLabels.constEnd())
            found = elidedLabels.insert(text, label.elided(text, Qt::ElideRight, kLabelWidth - mm(1)));
        return found.value();
    }

    Picture pictureOf(const QString& link, bool wanted) const {
        Picture picture;
        if (!wanted)
            return picture;
        picture.link = link;
        picture.path = resolvedPath(link, r.m_options.linkFolder);
        picture.kind = linkKind(link, picture.path);
        return picture;
    }

    // The block of one item: its heading, the pictures on the left and the fields beside them (two columns
    // of fields where there is no picture), its description below.
    bool itemBlock(const Item& item, int running) {
        const Picture photo = pictureOf(item.GetPhotolink(), r.m_options.photos);
        const Picture receipt = pictureOf(item.GetReceipt(), r.m_options.receipts);
        const int shown = int(photo.kind == Link::Picture) + int(receipt.kind == Link::Picture);
        const double imagesHeight = shown == 0 ? 0.0 : shown * kImageHeight + (shown - 1) * kGap;
        const double left = shown == 0 ? kMargin : kMargin + kImageWidth + kGap;
        const int columns = shown == 0 ? 2 : 1;
        const double columnWidth = (kRight - left - (columns - 1) * kGap) / columns;
        const double valueWidth = columnWidth - kLabelWidth;

        struct Cell {
            QString label;
            QStringList lines;
        };
        std::vector<Cell> cells;
        for (const auto& [labelText, value] : fieldsOf(item, photo, receipt))
            cells.push_back({shortLabel(labelText), body.wrap(value, valueWidth)});
        double fieldsHeight = 0.0;
        std::vector<double> rowHeights;
        for (size_t i = 0; i < cells.size(); i += size_t(columns)) {
            int lines = 1;
            for (size_t c = i; c < std::min(cells.size(), i + size_t(columns)); ++c)
                lines = std::max(lines, int(cells[c].lines.size()));
            rowHeights.push_back(lines * body.lineSpacing());
            fieldsHeight += rowHeights.back();
        }
        QStringList description = body.wrap(item.GetDescription().trimmed(), kRight - left - kLabelWidth);
        if (item.GetDescription().trimmed().isEmpty())
            description.clear();
        if (description.size() > kMaxDescriptionLines) {
            description = description.mid(0, kMaxDescriptionLines);
            description.last() += QStringLiteral(" …");
        }
        fieldsHeight += description.size() * body.lineSpacing();

        const double height = itemMetrics.lineSpacing() + std::max(imagesHeight, fieldsHeight) + kGap * 2;
        if (!need(height))
            return false;
        const double top = y;
        QString headingText = QStringLiteral("%1. %2").arg(number(running), item.GetName().trimmed());
        draw(itemFont, kMargin, y + itemMetrics.ascent(),
             itemMetrics.elided(headingText, Qt::ElideRight, kContentWidth));
        y += itemMetrics.lineSpacing();
        const double body0 = y;
        double imageY = body0;
        for (const Picture* picture : {&photo, &receipt}) {
            if (picture->kind != Link::Picture)
                continue;
            // A receipt's small print needs more of its detail than a photo.
            drawPicture(picture->path, picture == &photo ? 60 : 80, QRectF(kMargin, imageY, kImageWidth, kImageHeight));
            imageY += kImageHeight + kGap;
        }
        size_t row = 0;
        for (size_t i = 0; i < cells.size(); i += size_t(columns), ++row) {
            for (size_t c = i; c < std::min(cells.size(), i + size_t(columns)); ++c) {
                const double x = left + double(c - i) * (columnWidth + kGap);
                draw(labelFont, x, y + body.ascent(), cells[c].label);
                double lineY = y;
                for (const QString& line : cells[c].lines) {
                    draw(bodyFont, x + kLabelWidth, lineY + body.ascent(), line);
                    lineY += body.lineSpacing();
                }
            }
            y += rowHeights[row];
        }
        if (!description.isEmpty()) {
            draw(labelFont, left, y + body.ascent(), shortLabel(caption(ColumnNames::Description)));
            for (const QString& line : std::as_const(description)) {
                draw(bodyFont, left + kLabelWidth, y + body.ascent(), line);
                y += body.lineSpacing();
            }
        }
        y = std::max(y, body0 + imagesHeight) + kGap;
        if (painter) {
            painter->setPen(QPen(Qt::lightGray, mm(0.15)));
            painter->drawLine(QPointF(kMargin, y), QPointF(kRight, y));
            painter->setPen(Qt::black);
        }
        y = top + height;
        return true;
    }

    // The pictures are read and scaled on other threads a few ahead of the one being drawn, in the order
    // the counting run met them; reading a photo takes several times as long as placing it in the PDF.
    QImage nextPicture(const QString& path, int quality) {
        const size_t ahead = std::max(2u, std::thread::hardware_concurrency());
        while (launched < r.m_picturesToDraw.size() && launched < drawn + ahead) {
            const auto& [file, jpegQuality] = r.m_picturesToDraw[launched];
            pending.push_back(std::async(std::launch::async, reportPicture, file, jpegQuality));
            ++launched;
        }
        if (pending.empty() || r.m_picturesToDraw[drawn] != std::make_pair(path, quality))
            return reportPicture(path, quality);
        QImage image = pending.front().get();
        pending.pop_front();
        ++drawn;
        return image;
    }

    void drawPicture(const QString& path, int quality, const QRectF& box) {
        if (!painter) {
            r.m_picturesToDraw.emplace_back(path, quality);
            return;
        }
        const QImage image = nextPicture(path, quality);
        if (image.isNull()) {
            // The file is there but no picture can be read from it: the place says so, the report goes on.
            painter->setPen(QPen(Qt::gray, mm(0.2)));
            painter->drawRect(box);
            painter->setPen(Qt::black);
            painter->setFont(labelFont);
            painter->drawText(box, Qt::AlignCenter | Qt::TextWordWrap,
                              tr("%1 kan ikke læses").arg(QFileInfo(path).fileName()));
            return;
        }
        QSizeF size = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
        painter->drawImage(QRectF(box.topLeft(), size), image);
        ++r.m_pictures;
    }

    bool sections() {
        int running = 0;
        for (Section& section : r.m_sections) {
            if (!newPage())
                return false;
            if (counting())
                section.firstPage = page;
            draw(headingFont, kMargin, y + heading.ascent(), sectionCaption() + QStringLiteral(": ") + section.name);
            y += heading.lineSpacing() + mm(2);
            for (const Item* item : section.items) {
                if (!itemBlock(*item, ++running))
                    return false;
            }
            if (!need(bold.lineSpacing() * 2 + mm(4)))
                return false;
            y += mm(2);
            tableRow(boldFont, bold, QString(), tableHeader(false));
            rule();
            tableRow(boldFont, bold, tr("I alt for %1").arg(section.name), totalCells(section.totals));
        }
        return true;
    }

    InsuranceReport& r;
    QPainter* painter;
    QPdfWriter* writer;
    const Progress& progress;
    QFont bodyFont, boldFont, labelFont, headingFont, titleFont, subtitleFont, itemFont, footerFont;
    Measure body, bold, label, heading, title, subtitle, itemMetrics, footer;
    QHash<QString, QString> elidedLabels;
    std::deque<std::future<QImage>> pending;
    size_t launched = 0;
    size_t drawn = 0;
    int page = 1;
    double y = kMargin;
};

bool InsuranceReport::run(Pass& pass) {
    pass.cover();
    if (!pass.newPage() || !pass.contents() || !pass.sections())
        return false;
    return pass.endPage() && !m_cancelled;
}

bool InsuranceReport::Write(QIODevice* device, const Progress& progress) {
    m_cancelled = false;
    m_error.clear();
    m_pictures = 0;
    QPdfWriter writer(device);
    writer.setCreator(QCoreApplication::applicationName());
    writer.setTitle(Title());
    writer.setResolution(kDpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));

    // The first run counts the pages and finds where each section begins and which pictures come.
    m_picturesToDraw.clear();
    {
        Pass counting(*this, &writer, nullptr, nullptr, progress);
        if (!run(counting))
            return false;
        m_pages = counting.page;
    }
    QPainter painter;
    if (!painter.begin(&writer)) {
        m_error = tr("PDF-filen kunne ikke påbegyndes.");
        return false;
    }
    Pass painting(*this, &writer, &painter, &writer, progress);
    const bool done = run(painting);
    painter.end();
    return done;
}

bool InsuranceReport::WriteFile(const QString& path, const Progress& progress, QObject* boxParent) {
    SaveFile file(path);
    bool written = file.open();
    if (written) {
        written = Write(file.device(), progress);
        if (written) {
            written = file.commit();
            if (!written)
                m_error = file.errorString();
        } else {
            file.cancel();
        }
    } else {
        m_error = file.errorString();
    }
    if (!written && !m_cancelled) {
        Dialogs::critical(
            boxParent, Title(),
            tr("Forsikringsopgørelsen kunne ikke gemmes i %1:\n%2").arg(QDir::toNativeSeparators(path), m_error));
    }
    return written;
}
