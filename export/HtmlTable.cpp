#include "export/HtmlTable.h"

#include "core/DBItemCollection.h"
#include "core/EStream.h"
#include "core/XmlEscape.h"

HtmlTable::HtmlTable(const DBItemCollection& collection, const PrintSettings& settings)
    : m_names(collection), m_settings(settings) {}

void HtmlTable::WriteHead(EOutStream& out) const {
    out.write("<table border=\"1\" >\r\n<thead>\r\n<tr>\r\n");
    for (const PrintedColumn& c : PrintedColumns()) {
        if (!(m_settings.*c.flag))
            continue;
        out.write("<th>");
        out.write(c.kind == PrintedColumn::ItemNumber ? QByteArrayView("No") : m_names.Heading(c.column));
        out.write("</th>\r\n");
    }
    out.write("</tr>\r\n</thead>\r\n");
}

void HtmlTable::WriteRow(const Item& item, EOutStream& out, int rowNumber) const {
    if (!m_settings.Passes(item))
        return;

    auto cell = [&out](auto&& content) {
        out.write("\t<td>\r\n\t\t");
        content();
        out.write("\r\n\t</td>\r\n");
    };
    auto numberCell = [&out](auto&& content) {
        out.write("\t<td align=\"right\">\r\n\t\t");
        content();
        out.write("\r\n\t</td>\r\n");
    };
    auto picture = [&](const PrintedColumn& c) {
        out.write("\t<td>\r\n");
        if (!item.IsEmpty(c.field)) {
            out.write("\t\t<img width=\"64\" height=\"64\" src=\"");
            out.write(ExportNames::PictureUrl(item.GetText(c.field)));
            out.write("\" ALT=\"");
            out.write(m_names.Heading(c.column));
            out.write("\"/>\r\n");
        }
        out.write("\t</td>\r\n");
    };

    out.write("<tr>\r\n");
    for (const PrintedColumn& c : PrintedColumns()) {
        if (!(m_settings.*c.flag))
            continue;
        switch (c.kind) {
        case PrintedColumn::ItemNumber:
            cell([&] { out.writeInt(rowNumber); });
            break;
        case PrintedColumn::GroupName:
            cell([&] { m_names.WriteGroup(out, item.GetGroup()); });
            break;
        case PrintedColumn::LocationName:
            cell([&] { m_names.WriteLocation(out, item.GetLocation()); });
            break;
        case PrintedColumn::Count:
            numberCell([&] { out.writeInt(item.GetNumberOfItems()); });
            break;
        case PrintedColumn::Price:
            numberCell([&] { out.writeFixed(item.GetPrice(), 0, 2); });
            break;
        case PrintedColumn::PriceToday:
            numberCell([&] { out.writeFixed(item.GetPriceToday(), 0, 2); });
            break;
        case PrintedColumn::Picture:
            picture(c);
            break;
        default:
            cell([&] { WriteEscapedXml(out, item.Latin1(c.field)); });
            break;
        }
    }
    out.write("</tr>\r\n");
}
