#pragma once

#include "export/ExportNames.h"
#include "printing/PrintSettings.h"

class DBItemCollection;
class EOutStream;
class Item;

// The table form of the HTML export: the columns the print settings choose, in the printed columns' order,
// rows filtered by the settings' group and location. Every text is escaped; pictures are shown small.
class HtmlTable {
public:
    HtmlTable(const DBItemCollection& collection, const PrintSettings& settings);

    // "<table border="1" >", the head row with the chosen headings, "</thead>".
    void WriteHead(EOutStream& out) const;
    // One row, or nothing for an item the filter drops. The item-count cell shows rowNumber.
    void WriteRow(const Item& item, EOutStream& out, int rowNumber) const;

private:
    ExportNames m_names;
    PrintSettings m_settings;
};
