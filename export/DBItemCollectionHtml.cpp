#include "core/DBItemCollection.h"

#include "ExportFile.h"
#include "HtmlTable.h"
#include "ItemRecordWriter.h"
#include "app/AppNames.h"
#include "core/ColumnNames.h"
#include "core/Dialogs.h"
#include "core/EStream.h"
#include "output/PrintSettings.h"

#include <QCoreApplication>

#include <optional>

QString DBItemCollection::BuildFieldHeaderLine() {
    // Inside the class, Count and Location would name members: qualify the columns.
    namespace C = ColumnNames;
    static const int recordOrder[] = {C::Group,    C::Name,     C::Product,  C::ProductType, C::Price,   C::PriceToday,
                                      C::Date,     C::Supplier, C::Serialno, C::Description, C::Address, C::Count,
                                      C::Location, C::Www,      C::Document, C::Picture,     C::Receipt};
    QString line;
    for (int column : recordOrder)
        line += C::Title(column) + QLatin1Char(';');
    return line;
}

bool DBItemCollection::WriteHtml(const QString& path, bool withHeading, const Item* item, bool specialCase,
                                 bool asTable) {
    return SaveExportFile(
        path, [&](QIODevice* device) { return WriteHtml(device, path, withHeading, item, specialCase, asTable); });
}

bool DBItemCollection::WriteHtml(QIODevice* device, const QString& path, bool withHeading, const Item* item,
                                 bool specialCase, bool asTable) {
    EOutStream out(device);
    out.write("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\">\r\n");
    out.write("<head><title>");
    out.write(ExportNames::Escaped(GetAppName(false)));
    out.write("</title></head>\r\n");
    out.write("<body>\r\n");
    if (withHeading && !specialCase) {
        out.write("<h2>");
        out.write(ExportNames::Escaped(path));
        out.write("</h2>\r\n");
        out.write("<h3>");
        out.write(ExportNames::Escaped(QCoreApplication::translate("DBItemCollection", "ITEM_COUNT")));
        out.write(ExportNames::Escaped(BuildFieldHeaderLine()));
        out.write("</h3>\r\n");
    }

    // One snapshot serves the head, the order and every row: the settings cannot change during the export.
    std::optional<HtmlTable> table;
    int sortMethod = -1;
    if (asTable) {
        const PrintSettings settings;
        sortMethod = settings.sortMethod;
        table.emplace(*this, settings);
        table->WriteHead(out);
    } else {
        out.write("<Items>\r\n");
    }

    SortItems(SortGroup);
    WaitCursor wait;
    const ItemRecordWriter record(*this, 2);
    if (item) {
        record.Write(*item, out, false, true, true, false);
    } else {
        if (asTable)
            SortItems(sortMethod);
        int number = 0;
        for (const Item* each : m_items) {
            out.write("<p>\r\n");
            if (asTable) {
                table->WriteRow(*each, out, number++);
            } else if (!specialCase) {
                out.writeInt(++number);
                out.write("; ");
                record.Write(*each, out, true, false, false, false);
            } else if (each->GetPriceToday() == 0.0) {
                out.writeInt(++number);
                out.write("; ");
                record.Write(*each, out, true, false, false, true);
            }
            out.write("</p>\r\n");
        }
    }
    out.write(asTable ? "</table>\r\n" : "</Items>\r\n");
    out.write("</body>\r\n</html>\r\n");
    return out.flush();
}
