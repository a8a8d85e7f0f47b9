#pragma once

#include <QString>

class Item;

// What a printed list (and the HTML table) shows: which columns, how wide, with which separator, in which
// order, and whether only one group and/or one location. A snapshot of the "Print" keys of the settings
// store, taken afresh for every print and every export, so a change in the dialog is seen by the next one.
// The order of the eighteen flags is the fixed column order of a printed line.
struct PrintSettings {
    bool printItemCount = false;
    bool printGroupField = true;
    bool printNameField = true;
    bool printModelField = true;
    bool printProductTypeField = false;
    bool printCountField = false;
    bool printPriceField = true;
    bool printPriceTodayField = true;
    bool printPictureField = false;
    bool printDateField = true;
    bool printLocationField = false;
    bool printDescribeField = false;
    bool printSupplierField = false;
    bool printAddressField = false;
    bool printSerialNumberField = false;
    bool printWwwField = false;
    bool printReceiptField = false;
    bool printDocumentField = false;
    QString printSeparator = QStringLiteral("|");
    bool printGroupOnly = false;
    bool printLocationOnly = false;
    int GroupToPrint = 0;
    int LocationToPrint = 0;
    int sortMethod = 0;
    int groupLength = 15;
    int modelLength = 15;
    int productTypeLength = 15;
    int countLength = 3;
    int priceLength = 9;
    int priceTodayLength = 9;
    int pictureLength = 15;
    int locationLength = 15;
    int serialNumberLength = 15;
    int receiptLength = 15;
    int addressLength = 15;
    int describeLength = 15;
    int nameLength = 15;
    int supplierLength = 15;
    int wwwLength = 15;
    int documentLength = 15;

    // A date column is always this wide; it has no setting.
    static constexpr int DateLength = 10;

    // Reads all 40 keys; an absent key gives its default.
    PrintSettings();
    // The defaults, without reading the store.
    static PrintSettings Defaults();

    // Writes all 40 keys; the sort method only when writeSortMethod is set (the dialog writes none when
    // no sort button is checked).
    void Save(bool writeSortMethod = true) const;

    // The group and location filter: with both flags an item passes when either matches.
    bool Passes(const Item& item) const;

    // The copy the print-settings dialog keeps for the whole process, shared by all its instances:
    // the defaults until the first dialog reloads it from the store.
    static PrintSettings& Shared();

private:
    struct DefaultsTag {};
    explicit PrintSettings(DefaultsTag) {}
};
