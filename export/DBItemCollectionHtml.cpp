#include "core/DBItemCollection.h"

#include "app/AppNames.h"
#include "core/ColumnNames.h"
#include "core/Dialogs.h"
#include "core/EStream.h"
#include "core/XmlEscape.h"
#include "export/ExportFile.h"
#include "export/HtmlTable.h"
#include "export/ItemRecordWriter.h"
#include "printing/PrintSettings.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace {
// The page's language for browsers and XML readers: the language code of the user interface as a language
// tag ("dk" and "no" are not the tags of Danish and Norwegian).
QByteArray pageLanguage(const QString& language) {
    if (language == QLatin1String("en"))
        return "en";
    if (language == QLatin1String("no"))
        return "nb";
    return "da";
}
} // namespace

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
                                 const PrintSettings* table) {
    return SaveExportFile(
        path, [&](QIODevice* device) { return WriteHtml(device, path, withHeading, item, specialCase, table); });
}

bool DBItemCollection::WriteHtml(QIODevice* device, const QString& path, bool withHeading, const Item* item,
                                 bool specialCase, const PrintSettings* tableSettings) {
    EOutStream out(device);
    // The encoding is declared twice, so an XML reader and a browser both read "ø" right without guessing.
    out.write("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n");
    const QByteArray language = pageLanguage(m_language);
    out.write("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"" + language + "\" lang=\"" + language +
              "\">\r\n");
    out.write("<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\"/><title>");
    out.write(EscapedXml(GetAppName(false)));
    out.write("</title></head>\r\n");
    out.write("<body>\r\n");
    if (withHeading && !specialCase) {
        out.write("<h2>");
        out.write(EscapedXml(path));
        out.write("</h2>\r\n");
        out.write("<h3>");
        out.write(EscapedXml(QCoreApplication::translate("DBItemCollection", "ITEM_COUNT")));
        out.write(EscapedXml(BuildFieldHeaderLine()));
        out.write("</h3>\r\n");
    }

    // One copy of the settings serves the head, the order and every row.
    const bool asTable = tableSettings != nullptr;
    std::optional<HtmlTable> table;
    if (asTable) {
        table.emplace(*this, *tableSettings);
        table->WriteHead(out);
    } else {
        out.write("<Items>\r\n");
        // A page of empty paragraphs would look broken: say that nothing lacks a value.
        if (specialCase && !item && std::none_of(m_items.begin(), m_items.end(), [](const Item* each) {
                return each->GetPriceToday() == 0.0;
            })) {
            out.write("<p>");
            out.write(
                EscapedXml(QCoreApplication::translate("DBItemCollection", "Der er ingen mønter uden vurdering.")));
            out.write("</p>\r\n");
        }
    }

    SortItems(SortGroup);
    WaitCursor wait;
    const ItemRecordWriter record(*this, 2);
    if (item) {
        record.Write(*item, out, false, true, true, false);
    } else {
        if (asTable)
            SortItems(tableSettings->sortMethod);
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
