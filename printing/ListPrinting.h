#pragma once

#include <QFont>
#include <QString>

class DBItemCollection;
class Item;
class QPagedPaintDevice;
struct PrintSettings;

// The printed item list: one header line, then one fixed-pitch line per item, with the columns, widths,
// separator and filter of the print settings.

// The header line: the column titles of the chosen columns.
QString BuildPrintHeaderLine(const PrintSettings& settings);
// The line of one item with its running number (its 1-based place in the sorted collection, counting the
// items the filter drops), or an empty text when the filter drops it.
QString BuildPrintItemLine(const PrintSettings& settings, const DBItemCollection& collection, int number,
                           const Item& item);

// Paints the whole collection, in its present order, with the columns and filter of the print settings on the
// device: the header on every page, a new page whenever the next line might not fit. Reports progress on the status bar
// and shows the wait cursor. False when painting cannot begin on the device (nothing is reported then).
bool PrintItemList(const DBItemCollection& collection, const PrintSettings& settings, QPagedPaintDevice* device);

// "Courier New", or another fixed-pitch face where it is missing, so printed columns line up.
QFont FixedPitchPrintFont(int pointSize);
