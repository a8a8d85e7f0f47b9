#include "printing/LabelDrawing.h"

#include "core/DBItemCollection.h"
#include "core/Item.h"
#include "core/SaveFile.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QVector>

#include <zint.h>

#include <memory>

namespace LabelDrawing {

namespace {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(LabelDrawing)
};

int zintSymbology(int symbology) {
    switch (symbology) {
    case LabelProfile::Ean13:
        return BARCODE_EANX;
    case LabelProfile::QrCode:
        return BARCODE_QRCODE;
    case LabelProfile::DataMatrix:
        return BARCODE_DATAMATRIX;
    default:
        return BARCODE_CODE128;
    }
}

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

QString fieldValue(const QString& key, const Labels::Entry& entry, const DBItemCollection* collection) {
    namespace F = LabelFields;
    if (key == QLatin1String(F::Number))
        return entry.number;
    if (key == QLatin1String(F::Name))
        return entry.name();
    const Item* item = entry.item;
    if (!item)
        return QString(); // a group or location label has its number and its name only
    if (key == QLatin1String(F::Product))
        return item->GetProduct();
    if (key == QLatin1String(F::ProductType))
        return item->GetProducttype();
    if (key == QLatin1String(F::Group))
        return collection ? collection->Groups().NameOrNumber(item->GetGroup()) : QString::number(item->GetGroup());
    if (key == QLatin1String(F::Location))
        return collection ? collection->Locations().NameOrNumber(item->GetLocation())
                          : QString::number(item->GetLocation());
    if (key == QLatin1String(F::Supplier))
        return item->GetSupplier();
    if (key == QLatin1String(F::Serialno))
        return item->GetSerialno();
    if (key == QLatin1String(F::Catalogue))
        return (item->GetSupplier().trimmed() + QLatin1Char(' ') + item->GetSerialno().trimmed()).trimmed();
    if (key == QLatin1String(F::Address))
        return item->GetAddress();
    if (key == QLatin1String(F::Description))
        return item->GetDescription();
    if (key == QLatin1String(F::Price))
        return item->GetPriceText(2);
    if (key == QLatin1String(F::PriceToday))
        return item->GetPriceTodayText(2);
    return QString();
}

QRectF mmRect(double x, double y, double w, double h, double k) {
    return QRectF(x * k, y * k, w * k, h * k);
}

} // namespace

Labels::Batch Batch(const std::vector<const Item*>& items, const LabelProfile& profile) {
    const bool serialText =
        profile.content == LabelProfile::SerialTextContent && profile.symbology != LabelProfile::Ean13;
    return Labels::ItemBatch(items, profile.MaxDigits(), serialText);
}

Content ContentOf(const Labels::Entry& entry, const LabelProfile& profile, const DBItemCollection* collection) {
    Content content;
    content.code = entry.number;
    for (const QString& key : profile.fields) {
        const QString value = Labels::CleanValue(fieldValue(key, entry, collection), false).trimmed();
        if (!value.isEmpty())
            content.lines << value;
    }
    return content;
}

std::vector<Content> Contents(const std::vector<Labels::Entry>& labels, const LabelProfile& profile,
                              const DBItemCollection* collection) {
    std::vector<Content> contents;
    contents.reserve(labels.size());
    for (const Labels::Entry& entry : labels)
        contents.push_back(ContentOf(entry, profile, collection));
    return contents;
}

bool Encode(int symbology, const QString& data, Shape* shape, QString* error) {
    std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol) {
        *error = Texts::tr("Stregkoden kan ikke laves: ikke nok hukommelse.");
        return false;
    }
    symbol->symbology = zintSymbology(symbology);
    symbol->input_mode = UNICODE_MODE;
    symbol->output_options = BARCODE_QUIET_ZONES;
    symbol->show_hrt = 0; // the number is printed as a text line of its own, in the label's font
    if (symbology == LabelProfile::DataMatrix)
        symbol->option_3 = DM_SQUARE;
    // Fewer than eight digits would make an EAN-8: twelve make the EAN-13 asked for.
    const QByteArray bytes =
        symbology == LabelProfile::Ean13 ? data.rightJustified(12, QLatin1Char('0')).toUtf8() : data.toUtf8();
    const int result = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char*>(bytes.constData()), int(bytes.size()), 0);
    if (result >= ZINT_ERROR || !symbol->vector) {
        *error = Texts::tr("\"%1\" kan ikke laves som stregkode: %2").arg(data, QString::fromLatin1(symbol->errtxt));
        return false;
    }
    shape->rects.clear();
    shape->size = QSizeF(symbol->vector->width, symbol->vector->height);
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next) {
        if (r->colour == 8) // white: the background shows through anyway
            continue;
        // Neighbouring modules of a row become one rectangle: a matrix code then costs a few dozen
        // rectangles instead of hundreds, and no hairline gap can show between them.
        if (!shape->rects.empty()) {
            QRectF& last = shape->rects.back();
            if (qFuzzyCompare(last.y(), double(r->y)) && qFuzzyCompare(last.height(), double(r->height)) &&
                qAbs(last.right() - r->x) < 1e-4) {
                last.setWidth(last.width() + r->width);
                continue;
            }
        }
        shape->rects.emplace_back(r->x, r->y, r->width, r->height);
    }
    return true;
}

void DrawShape(QPainter& painter, const Shape& shape, const QRectF& target, bool keepSquare) {
    if (shape.size.isEmpty() || target.isEmpty())
        return;
    double sx = target.width() / shape.size.width();
    double sy = target.height() / shape.size.height();
    QPointF origin = target.topLeft();
    if (keepSquare) {
        const double s = qMin(sx, sy);
        origin +=
            QPointF((target.width() - shape.size.width() * s) / 2, (target.height() - shape.size.height() * s) / 2);
        sx = sy = s;
    }
    QVector<QRectF> rects;
    rects.reserve(qsizetype(shape.rects.size()));
    for (const QRectF& r : shape.rects)
        rects.append(QRectF(origin.x() + r.x() * sx, origin.y() + r.y() * sy, r.width() * sx, r.height() * sy));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRects(rects);
    painter.restore();
}

void DrawLabel(QPainter& painter, const QRectF& rect, double pxPerMm, const Content& content,
               const LabelProfile& profile, const Shape& shape) {
    const double pad = qBound(1.0, qMin(profile.widthMm, profile.heightMm) * 0.06, 3.0) * pxPerMm;
    const QRectF inner = rect.adjusted(pad, pad, -pad, -pad);
    const double gap = 1.0 * pxPerMm;
    QFont font;
    font.setPointSizeF(profile.fontPt);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter.device());
    const double lineHeight = metrics.height();
    const bool square = profile.IsTwoDimensional();

    QRectF textArea;
    QRectF codeArea;
    if (square && inner.width() >= 1.4 * inner.height()) {
        // A wide label: the code at the left, the text beside it.
        codeArea = QRectF(inner.topLeft(), QSizeF(inner.height(), inner.height()));
        textArea = QRectF(codeArea.right() + gap, inner.top(), inner.right() - codeArea.right() - gap, inner.height());
    } else {
        // Text at the top (at most half the height when a code follows), the code below it.
        const double room = content.lines.isEmpty() ? 0.0 : inner.height() * (square ? 0.55 : 0.5);
        const int fit = lineHeight > 0 ? int(room / lineHeight) : 0;
        const int shown = qMin(fit, int(content.lines.size()));
        textArea = QRectF(inner.left(), inner.top(), inner.width(), shown * lineHeight);
        const double codeTop = textArea.bottom() + (shown > 0 ? gap : 0.0);
        codeArea = QRectF(inner.left(), codeTop, inner.width(), inner.bottom() - codeTop);
    }
    double y = textArea.top();
    for (const QString& line : content.lines) {
        if (y + lineHeight > textArea.bottom() + 0.5)
            break;
        const QString shown = metrics.elidedText(line, Qt::ElideRight, textArea.width());
        painter.drawText(QPointF(textArea.left(), y + metrics.ascent()), shown);
        y += lineHeight;
    }
    DrawShape(painter, shape, codeArea, square);
}

bool Paint(QPagedPaintDevice* device, const LabelProfile& profile, const std::vector<Content>& contents,
           QString* error) {
    const QString problem = profile.Problem();
    if (!problem.isEmpty()) {
        *error = problem;
        return false;
    }
    const QSizeF page =
        profile.sheet ? QSizeF(profile.pageWidthMm, profile.pageHeightMm) : QSizeF(profile.widthMm, profile.heightMm);
    const QPageLayout::Orientation orientation =
        page.width() > page.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    const QSizeF portrait(qMin(page.width(), page.height()), qMax(page.width(), page.height()));
    device->setPageLayout(QPageLayout(QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                                      orientation, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(device)) {
        *error = Texts::tr("Der kan ikke tegnes på siden.");
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double k = device->logicalDpiX() / 25.4;
    int currentPage = 0;
    Shape shape;
    for (int i = 0; i < int(contents.size()); ++i) {
        const Content& content = contents[size_t(i)];
        if (!Encode(profile.symbology, content.code, &shape, error)) {
            painter.end();
            return false;
        }
        const SheetSlot slot = SlotOf(profile, i);
        while (currentPage < slot.page) {
            device->newPage();
            ++currentPage;
        }
        const double x = profile.sheet ? profile.marginLeftMm + slot.column * (profile.widthMm + profile.gapXMm) : 0.0;
        const double y = profile.sheet ? profile.marginTopMm + slot.row * (profile.heightMm + profile.gapYMm) : 0.0;
        DrawLabel(painter, mmRect(x, y, profile.widthMm, profile.heightMm, k), k, content, profile, shape);
    }
    if (!painter.end()) {
        *error = Texts::tr("Siderne kan ikke afsluttes.");
        return false;
    }
    return true;
}

bool WritePdf(const QString& path, const LabelProfile& profile, const std::vector<Content>& contents, QString* error) {
    SaveFile file(path);
    if (!file.open()) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(file.device());
        writer.setCreator(QCoreApplication::applicationName());
        writer.setTitle(Texts::tr("Etiketter"));
        writer.setResolution(600);
        if (!Paint(&writer, profile, contents, error)) {
            file.cancel();
            return false;
        }
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

QImage Preview(const LabelProfile& profile, const Content& content, double pxPerMm) {
    const QSize size(qMax(1, int(profile.widthMm * pxPerMm)), qMax(1, int(profile.heightMm * pxPerMm)));
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(int(pxPerMm * 1000));
    image.setDotsPerMeterY(int(pxPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    Shape shape;
    QString error;
    if (profile.Problem().isEmpty() && Encode(profile.symbology, content.code, &shape, &error))
        DrawLabel(painter, QRectF(QPointF(0, 0), QSizeF(size)), pxPerMm, content, profile, shape);
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawRect(QRectF(0, 0, size.width() - 1, size.height() - 1));
    return image;
}

} // namespace LabelDrawing
