#pragma once

#include <QString>

class userItemCollection;

// The captions of the item list's columns, shared by the whole program: the Setup menu, the dialogs,
// printing and the exports label fields with them. They start as the program's own (translated) defaults
// and take the open database's field names (SetTitlesFromFields) when a register is shown.
namespace ColumnNames {

enum Column {
    Group = 0,
    Name = 1,
    Product = 2,
    ProductType = 3,
    Count = 4,
    Price = 5,
    PriceToday = 6,
    Picture = 7,
    Receipt = 8,
    Date = 9,
    Location = 10,
    Description = 11,
    Supplier = 12,
    Address = 13,
    Serialno = 14,
    Www = 15,
    Document = 16,
};
constexpr int ColumnCount = 17;

QString Title(int column);
void SetTitle(int column, const QString& title);
// Back to the defaults, translated with the translations installed now.
void Reset();
// Takes the open database's field names as captions: an empty name keeps its caption, and the document's and
// the product type's names count only from the format versions that store them (a placeholder word does not).
// The stored names lose their "&" marks, as with Caption().
void SetTitlesFromFields(userItemCollection& fields, int formatVersion);

// The fields list of a database names the fields in another order than the columns:
// field index 0 group, 1 name, 2 product, 3 count, 4 price, 5 value today, 6 picture, 7 date, 8 location,
// 9 description, 10 supplier, 11 address, 12 serial number, 13 www, 14 receipt, 15 document,
// 16 product type. Returns the column of a field index, or -1.
int ColumnOfField(int fieldIndex);

// The item's text field a column shows, or -1 for the columns that are numbers.
int TextFieldOf(int column);

// The columns an edition's own data leaves empty (a photograph has no model and no count): hidden until the
// user shows them. The edition's sample data fills every other column; a test holds the two together.
bool HiddenByDefault(int column, int edition);

} // namespace ColumnNames

// True when the path names a picture: it contains, in any letter case and anywhere, one of the picture
// format words (PNG, BMP, XBM, XPM, PNM, JPEG, JPG, MNG, GIF).
bool IsPictureFile(const QString& path);
