#include "core/ColumnNames.h"

#include "core/Item.h"

#include "app/Edition.h"
#include "core/userItemCollection.h"

#include <QCoreApplication>
#include <QStringList>

#include <iterator>

namespace {
const char* const kDefaults[ColumnNames::ColumnCount] = {
    QT_TRANSLATE_NOOP("ItemListView", "Gruppe"),     QT_TRANSLATE_NOOP("ItemListView", "Navn"),
    QT_TRANSLATE_NOOP("ItemListView", "Fabrikat"),   QT_TRANSLATE_NOOP("ItemListView", "Produkt model"),
    QT_TRANSLATE_NOOP("ItemListView", "Antal"),      QT_TRANSLATE_NOOP("ItemListView", "Pris"),
    QT_TRANSLATE_NOOP("ItemListView", "Vurd."),      QT_TRANSLATE_NOOP("ItemListView", "Billede"),
    QT_TRANSLATE_NOOP("ItemListView", "Kvitt."),     QT_TRANSLATE_NOOP("ItemListView", "Dato"),
    QT_TRANSLATE_NOOP("ItemListView", "Rum"),        QT_TRANSLATE_NOOP("ItemListView", "Beskrivelse"),
    QT_TRANSLATE_NOOP("ItemListView", "Leverandør"), QT_TRANSLATE_NOOP("ItemListView", "Adresse"),
    QT_TRANSLATE_NOOP("ItemListView", "Serie no."),  QT_TRANSLATE_NOOP("ItemListView", "Www"),
    QT_TRANSLATE_NOOP("ItemListView", "Dok."),
};

QStringList& titles() {
    static QStringList list;
    if (list.isEmpty()) {
        for (const char* title : kDefaults)
            list << QCoreApplication::translate("ItemListView", title);
    }
    return list;
}
} // namespace

namespace ColumnNames {

QString Title(int column) {
    if (column < 0 || column >= ColumnCount)
        return QString();
    return titles().at(column);
}

void SetTitle(int column, const QString& title) {
    if (column >= 0 && column < ColumnCount)
        titles()[column] = title;
}

void Reset() {
    titles().clear();
    titles();
}

void SetTitlesFromFields(userItemCollection& fields, int formatVersion) {
    for (int field = 0; field <= 14; ++field) {
        if (fields.Entry(field).isEmpty())
            continue;
        const int column = ColumnOfField(field);
        const QString caption = fields.Caption(field);
        // The group's and the name's captions may be the program's own words, translated like the defaults.
        SetTitle(column,
                 column <= Name ? QCoreApplication::translate("ItemListView", caption.toUtf8().constData()) : caption);
    }
    const QString document = fields.Entry(15);
    if (!document.isEmpty() && formatVersion > 252 && !document.contains(QLatin1String("COLUMN"), Qt::CaseInsensitive))
        SetTitle(Document, fields.Caption(15));
    const QString productType = fields.Entry(16);
    if (!productType.isEmpty() && formatVersion > 254 &&
        !productType.contains(QLatin1String("FIELD"), Qt::CaseInsensitive))
        SetTitle(ProductType, fields.Caption(16));
}

int ColumnOfField(int fieldIndex) {
    static const int columns[] = {Group,    Name, Product,  Count,       Price,      PriceToday,
                                  Picture,  Date, Location, Description, Supplier,   Address,
                                  Serialno, Www,  Receipt,  Document,    ProductType};
    if (fieldIndex < 0 || fieldIndex >= int(std::size(columns)))
        return -1;
    return columns[fieldIndex];
}

bool HiddenByDefault(int column, int edition) {
    switch (edition) {
    case Pellin:
        // Its header names no product type, and a picture is one picture: the count says nothing.
        return column == ProductType || column == Count;
    default:
        return false;
    }
}

} // namespace ColumnNames

bool IsPictureFile(const QString& path) {
    static const char* const words[] = {"PNG", "BMP", "XBM", "XPM", "PNM", "JPEG", "JPG", "MNG", "GIF"};
    for (const char* word : words) {
        if (path.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

int ColumnNames::TextFieldOf(int column) {
    switch (column) {
    case ColumnNames::Name:
        return Item::Name;
    case ColumnNames::Product:
        return Item::Product;
    case ColumnNames::ProductType:
        return Item::Producttype;
    case ColumnNames::Picture:
        return Item::Photolink;
    case ColumnNames::Receipt:
        return Item::Receipt;
    case ColumnNames::Date:
        return Item::Date;
    case ColumnNames::Description:
        return Item::Description;
    case ColumnNames::Supplier:
        return Item::Supplier;
    case ColumnNames::Address:
        return Item::Address;
    case ColumnNames::Serialno:
        return Item::Serialno;
    case ColumnNames::Www:
        return Item::Www;
    case ColumnNames::Document:
        return Item::Document;
    default:
        return -1;
    }
}
