#include "PrintSettings.h"

#include "app/Settings.h"
#include "core/Item.h"

#include <iterator>

namespace {

struct BoolKey {
    const char* key;
    bool PrintSettings::*member;
};
struct IntKey {
    const char* key;
    int PrintSettings::*member;
};

const BoolKey kBoolKeys[] = {
    {"Print/printItemCount", &PrintSettings::printItemCount},
    {"Print/printGroupField", &PrintSettings::printGroupField},
    {"Print/printNameField", &PrintSettings::printNameField},
    {"Print/printModelField", &PrintSettings::printModelField},
    {"Print/printProductTypeField", &PrintSettings::printProductTypeField},
    {"Print/printCountField", &PrintSettings::printCountField},
    {"Print/printPriceField", &PrintSettings::printPriceField},
    {"Print/printPriceTodayField", &PrintSettings::printPriceTodayField},
    {"Print/printPictureField", &PrintSettings::printPictureField},
    {"Print/printDateField", &PrintSettings::printDateField},
    {"Print/printLocationField", &PrintSettings::printLocationField},
    {"Print/printDescribeField", &PrintSettings::printDescribeField},
    {"Print/printSupplierField", &PrintSettings::printSupplierField},
    {"Print/printAddressField", &PrintSettings::printAddressField},
    {"Print/printSerialNumberField", &PrintSettings::printSerialNumberField},
    {"Print/printWwwField", &PrintSettings::printWwwField},
    {"Print/printReceiptField", &PrintSettings::printReceiptField},
    {"Print/printDocumentField", &PrintSettings::printDocumentField},
    {"Print/printGroupOnly", &PrintSettings::printGroupOnly},
    {"Print/printLocationOnly", &PrintSettings::printLocationOnly},
};

const IntKey kIntKeys[] = {
    {"Print/GroupToPrint", &PrintSettings::GroupToPrint},
    {"Print/LocationToPrint", &PrintSettings::LocationToPrint},
    {"Print/printGroupFieldLength", &PrintSettings::groupLength},
    {"Print/printModelFieldLength", &PrintSettings::modelLength},
    {"Print/printProductTypeFieldLength", &PrintSettings::productTypeLength},
    {"Print/printCountFieldLength", &PrintSettings::countLength},
    {"Print/printPriceFieldLength", &PrintSettings::priceLength},
    {"Print/printPriceTodayFieldLength", &PrintSettings::priceTodayLength},
    {"Print/printPictureFieldLength", &PrintSettings::pictureLength},
    {"Print/printLocationFieldLength", &PrintSettings::locationLength},
    {"Print/printSerialNumberFieldLength", &PrintSettings::serialNumberLength},
    {"Print/printReceiptFieldLength", &PrintSettings::receiptLength},
    {"Print/printAddressFieldLength", &PrintSettings::addressLength},
    {"Print/printDescribeFieldLength", &PrintSettings::describeLength},
    {"Print/printNameFieldLength", &PrintSettings::nameLength},
    {"Print/printSupplierFieldLength", &PrintSettings::supplierLength},
    {"Print/printWwwFieldLength", &PrintSettings::wwwLength},
    {"Print/printDocumentFieldLength", &PrintSettings::documentLength},
};

const char* const kSeparatorKey = "Print/printSeparator";
const char* const kSortMethodKey = "Print/sortMethod";

} // namespace

PrintSettings::PrintSettings() {
    const Settings settings;
    for (const BoolKey& k : kBoolKeys)
        this->*k.member = settings.value(QLatin1String(k.key), this->*k.member).toBool();
    for (const IntKey& k : kIntKeys)
        this->*k.member = settings.value(QLatin1String(k.key), this->*k.member).toInt();
    printSeparator = settings.value(QLatin1String(kSeparatorKey), printSeparator).toString();
    sortMethod = settings.value(QLatin1String(kSortMethodKey), sortMethod).toInt();
}

PrintSettings PrintSettings::Defaults() {
    return PrintSettings(DefaultsTag{});
}

void PrintSettings::Save(bool writeSortMethod) const {
    Settings settings;
    for (const BoolKey& k : kBoolKeys)
        settings.setValue(QLatin1String(k.key), this->*k.member);
    for (const IntKey& k : kIntKeys)
        settings.setValue(QLatin1String(k.key), this->*k.member);
    settings.setValue(QLatin1String(kSeparatorKey), printSeparator);
    if (writeSortMethod)
        settings.setValue(QLatin1String(kSortMethodKey), sortMethod);
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

PrintSettings& PrintSettings::Shared() {
    static PrintSettings shared = Defaults();
    return shared;
}
