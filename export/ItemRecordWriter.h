#pragma once

#include "export/ExportNames.h"

class DBItemCollection;
class EOutStream;
class Item;

// Writes the <Item> element with its 17 children that the HTML and the XML exports share. Prices are
// written in fixed notation with the writer's number of decimals (2 in HTML, 1 in XML); every text is
// escaped, so the document stays well-formed whatever the items hold.
class ItemRecordWriter {
public:
    ItemRecordWriter(const DBItemCollection& collection, int decimals);

    // semicolons: "; " after each content; lineBreaks: "<BR/>" after it; labels: each child preceded by its
    // column heading in bold, and the pictures shown; specialCase: only group, name, product, model,
    // supplier, serial number and location.
    void Write(const Item& item, EOutStream& out, bool semicolons, bool lineBreaks, bool labels,
               bool specialCase) const;

    const ExportNames& Names() const { return m_names; }

private:
    ExportNames m_names;
    int m_decimals;
};

// One item on its own; large exports keep one ItemRecordWriter for all items instead.
void WriteItemRecord(const Item& item, EOutStream& out, const DBItemCollection& collection, int decimals,
                     bool semicolons, bool lineBreaks, bool labels, bool specialCase);
