#pragma once

#include "core/Item.h"

#include <QString>

#include <array>

struct PrintedColumn;

// What a printed list (and the HTML table) shows: which columns, how wide, with which separator, in which
// order, and whether only one group and/or one location. A plain value: the windows read it from the settings
// store (app/AppSettings.h) for every print and every export and hand it in, so a change in the dialog is seen
// by the next one and a test or the bench passes its own.
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

    // The group and location filter: with both flags an item passes when either matches.
    bool Passes(const Item& item) const;
    // The width of a printed column (the date's fixed width; 0 for the item number, which has none).
    int Length(const PrintedColumn& column) const;
};

// One column a printed line and the HTML table can show, the item number included. The table below is the
// one place that says which columns there are, in which order they print, what their settings are called,
// how their cells look and where the print-settings dialog lists them.
struct PrintedColumn {
    // How a cell shows its value. Printed lines cut names and texts on the right and keep a path's end;
    // numbers are never cut. The HTML table shows pictures as small images and right-aligns numbers.
    enum Kind { ItemNumber, GroupName, LocationName, Text, Path, Picture, Count, Price, PriceToday, Date };

    int column; // the list column of ColumnNames (its caption), or -1 for the item number
    Kind kind;
    Item::TextField field; // the item's text for Text, Path, Picture and Date
    bool PrintSettings::*flag;
    const char* flagKey;
    int PrintSettings::*length; // null: no width setting (the item number and the date)
    const char* lengthKey;
    int maxLength;   // the largest width the dialog accepts
    int dialogPlace; // the place in the dialog's field lists, which list the product type last
};

// All eighteen, in the fixed order of a printed line.
const std::array<PrintedColumn, 18>& PrintedColumns();
