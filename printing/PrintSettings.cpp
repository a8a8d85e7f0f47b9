#include "printing/PrintSettings.h"

#include "core/ColumnNames.h"

namespace {
using C = PrintedColumn;
using namespace ColumnNames;
using S = PrintSettings;

const std::array<PrintedColumn, 18> kColumns = {{
    {-1, C::ItemNumber, Item::Name, &S::printItemCount, "Print/printItemCount", nullptr, nullptr, 0, 0},
    {Group, C::GroupName, Item::Name, &S::printGroupField, "Print/printGroupField", &S::groupLength,
     "Print/printGroupFieldLength", 200, 1},
    {Name, C::Text, Item::Name, &S::printNameField, "Print/printNameField", &S::nameLength,
     "Print/printNameFieldLength", 200, 2},
    {Product, C::Text, Item::Product, &S::printModelField, "Print/printModelField", &S::modelLength,
     "Print/printModelFieldLength", 200, 3},
    {ProductType, C::Text, Item::Producttype, &S::printProductTypeField, "Print/printProductTypeField",
     &S::productTypeLength, "Print/printProductTypeFieldLength", 200, 17},
    {Count, C::Count, Item::Name, &S::printCountField, "Print/printCountField", &S::countLength,
     "Print/printCountFieldLength", 20, 4},
    {Price, C::Price, Item::Name, &S::printPriceField, "Print/printPriceField", &S::priceLength,
     "Print/printPriceFieldLength", 12, 5},
    {PriceToday, C::PriceToday, Item::Name, &S::printPriceTodayField, "Print/printPriceTodayField",
     &S::priceTodayLength, "Print/printPriceTodayFieldLength", 12, 6},
    {Picture, C::Picture, Item::Photolink, &S::printPictureField, "Print/printPictureField", &S::pictureLength,
     "Print/printPictureFieldLength", 200, 7},
    {Date, C::Date, Item::Date, &S::printDateField, "Print/printDateField", nullptr, nullptr, 0, 8},
    {Location, C::LocationName, Item::Name, &S::printLocationField, "Print/printLocationField", &S::locationLength,
     "Print/printLocationFieldLength", 200, 9},
    {Description, C::Text, Item::Description, &S::printDescribeField, "Print/printDescribeField", &S::describeLength,
     "Print/printDescribeFieldLength", 200, 10},
    {Supplier, C::Text, Item::Supplier, &S::printSupplierField, "Print/printSupplierField", &S::supplierLength,
     "Print/printSupplierFieldLength", 200, 11},
    {Address, C::Text, Item::Address, &S::printAddressField, "Print/printAddressField", &S::addressLength,
     "Print/printAddressFieldLength", 200, 12},
    {Serialno, C::Text, Item::Serialno, &S::printSerialNumberField, "Print/printSerialNumberField",
     &S::serialNumberLength, "Print/printSerialNumberFieldLength", 200, 13},
    {Www, C::Path, Item::Www, &S::printWwwField, "Print/printWwwField", &S::wwwLength, "Print/printWwwFieldLength", 200,
     14},
    {Receipt, C::Picture, Item::Receipt, &S::printReceiptField, "Print/printReceiptField", &S::receiptLength,
     "Print/printReceiptFieldLength", 200, 15},
    {Document, C::Path, Item::Document, &S::printDocumentField, "Print/printDocumentField", &S::documentLength,
     "Print/printDocumentFieldLength", 200, 16},
}};
} // namespace

const std::array<PrintedColumn, 18>& PrintedColumns() {
    return kColumns;
}

int PrintSettings::Length(const PrintedColumn& column) const {
    if (column.length)
        return this->*column.length;
    return column.kind == PrintedColumn::Date ? DateLength : 0;
}

bool PrintSettings::Passes(const Item& item) const {
    const bool groupMatches = item.GetGroup() == GroupToPrint;
    const bool locationMatches = item.GetLocation() == LocationToPrint;
    if (printGroupOnly && printLocationOnly)
        return groupMatches || locationMatches;
    if (printGroupOnly)
        return groupMatches;
    if (printLocationOnly)
        return locationMatches;
    return true;
}
