#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A label profile: how the labels of one kind of label stock are made. Either the printer-language route
// (the format files filled and sent raw to the label printer) or the drawn route (a page per label, or a
// sheet of labels, drawn with real barcodes for any printer or a PDF file).
struct LabelProfile {
    enum Route { TemplateRoute = 0, DrawnRoute = 1 };
    enum Symbology { Code128 = 0, Ean13 = 1, QrCode = 2, DataMatrix = 3 };
    // What the code carries: the six-digit item number, or else the serial number as written (catalogue
    // numbers such as "14.1", which Code 128, QR and DataMatrix can carry).
    enum Content { NumberContent = 0, SerialTextContent = 1 };

    QString id;   // the built-in profile it started as, or empty
    QString name; // shown in the dialog and chosen on the bench's command line
    int route = DrawnRoute;
    double widthMm = 50.0;
    double heightMm = 25.0;
    bool sheet = false;
    int rows = 1;
    int columns = 1;
    double pageWidthMm = 210.0;
    double pageHeightMm = 297.0;
    double marginLeftMm = 0.0;
    double marginTopMm = 0.0;
    double gapXMm = 0.0;
    double gapYMm = 0.0;
    int usedLabels = 0;
    QStringList fields; // field keys, one text line each, in order
    double fontPt = 8.0;
    int symbology = Code128;
    int content = NumberContent;

    int LabelsPerPage() const { return sheet ? qMax(1, rows) * qMax(1, columns) : 1; }
    // The used labels that count: never a whole sheet or more.
    int UsedLabels() const { return sheet ? qBound(0, usedLabels, LabelsPerPage() - 1) : 0; }
    bool IsTwoDimensional() const { return symbology == QrCode || symbology == DataMatrix; }
    // Length limit of the number in this symbology (EAN-13: twelve digits and a check digit), 0 for none.
    int MaxDigits() const { return symbology == Ean13 ? 12 : 0; }
    // A short text naming what is wrong with the sizes, or empty when the profile can be drawn.
    QString Problem() const;
};

// Where a label lands: page, row and column counted from 0.
struct SheetSlot {
    int page = 0;
    int row = 0;
    int column = 0;
};
// The slot of the index-th label printed, after the used labels of a part-used sheet.
SheetSlot SlotOf(const LabelProfile& profile, int index);

namespace LabelFields {
// The keys of the fields a label can print.
inline constexpr const char* Number = "number";
inline constexpr const char* Name = "name";
inline constexpr const char* Product = "product";
inline constexpr const char* ProductType = "producttype";
inline constexpr const char* Group = "group";
inline constexpr const char* Location = "location";
inline constexpr const char* Supplier = "supplier";
inline constexpr const char* Serialno = "serialno";
inline constexpr const char* Catalogue = "catalogue"; // supplier and serial number on one line
inline constexpr const char* Address = "address";
inline constexpr const char* Description = "description";
inline constexpr const char* Price = "price";
inline constexpr const char* PriceToday = "pricetoday";
QStringList All();
// The caption of a field in the running edition (the list's column titles).
QString Caption(const QString& key);
} // namespace LabelFields

namespace LabelProfiles {
// The profiles a new user starts with, named in the current language; the first is the edition's default.
std::vector<LabelProfile> BuiltIn();
// A profile by name or built-in id, ignoring letter case; false when there is none.
bool Find(const std::vector<LabelProfile>& profiles, const QString& nameOrId, LabelProfile* profile);
} // namespace LabelProfiles
