#pragma once

#include "printing/LabelProfiles.h"
#include "printing/Labels.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class DBItemCollection;
class Item;
class QPagedPaintDevice;
class QPainter;

// The drawn route: labels with real barcodes (libzint's vector output) painted with QPainter, for any
// printer, a PDF file or the preview of the setup dialog.
namespace LabelDrawing {

// What one label shows: the data of its code and its text lines.
struct Content {
    QString code;
    QStringList lines;
};

// The labels of these items for a drawn profile, and the items skipped (no usable number, or a number too
// long for the symbology); with the serial-text content only an empty serial number is skipped.
Labels::Batch Batch(const std::vector<const Item*>& items, const LabelProfile& profile);
// The code and the text lines of a label: the profile's fields, in its order, empty ones left out.
Content ContentOf(const Labels::Entry& entry, const LabelProfile& profile, const DBItemCollection* collection);
std::vector<Content> Contents(const std::vector<Labels::Entry>& labels, const LabelProfile& profile,
                              const DBItemCollection* collection);

// A barcode as filled rectangles in the symbol's own units, quiet zones included.
struct Shape {
    std::vector<QRectF> rects;
    QSizeF size;
};
// False with the library's reason when the data cannot be encoded in the symbology.
bool Encode(int symbology, const QString& data, Shape* shape, QString* error);
// Draws a shape into the target: linear codes fill it, two-dimensional codes keep square modules.
void DrawShape(QPainter& painter, const Shape& shape, const QRectF& target, bool keepSquare);

// Draws one label into rect (device pixels), pxPerMm being the device's scale.
void DrawLabel(QPainter& painter, const QRectF& rect, double pxPerMm, const Content& content,
               const LabelProfile& profile, const Shape& shape);

// Sets the device's page to the label (or the sheet) and paints every label, a sheet's used labels left
// free. False with *error set when the profile cannot be drawn or a code cannot be encoded.
bool Paint(QPagedPaintDevice* device, const LabelProfile& profile, const std::vector<Content>& contents,
           QString* error);
// The labels as a PDF file, written through the save routine.
bool WritePdf(const QString& path, const LabelProfile& profile, const std::vector<Content>& contents, QString* error);
// One label on white, for the setup dialog's preview.
QImage Preview(const LabelProfile& profile, const Content& content, double pxPerMm);

} // namespace LabelDrawing
