#include "core/DBItemCollection.h"

#include "core/Dialogs.h"
#include "core/EStream.h"
#include "export/ExportFile.h"
#include "export/ItemRecordWriter.h"

bool DBItemCollection::WriteXml(const QString& path) {
    return SaveExportFile(path, [this](QIODevice* device) { return WriteXml(device); });
}

bool DBItemCollection::WriteXml(QIODevice* device) {
    EOutStream out(device);
    out.write("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n");
    out.write("<Items>\r\n");
    SortItems(SortGroup);
    WaitCursor wait;
    const ItemRecordWriter record(*this, 1);
    for (const Item* item : m_items)
        record.Write(*item, out, false, false, false, false);
    out.write("</Items>\r\n");
    return out.flush();
}
