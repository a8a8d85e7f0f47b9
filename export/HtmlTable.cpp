#include "HtmlTable.h"

#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/EStream.h"
#include "core/XmlEscape.h"

HtmlTable::HtmlTable(const DBItemCollection& collection, const PrintSettings& settings)
    : m_names(collection), m_settings(settings) {}

void HtmlTable::WriteHead(EOutStream& out) const {
    using namespace ColumnNames;
    const PrintSettings& s = m_settings;
    out.write("<table border=\"1\" >\r\n<thead>\r\n<tr>\r\n");
    auto head = [&out](QByteArrayView text) {
        out.write("<th>");
        out.write(text);
        out.write("</th>\r\n");
    };
    if (s.printItemCount)
        head("No");
    const std::pair<bool, int> columns[] = {
        {s.printGroupField, Group},
        {s.printNameField, Name},
        {s.printModelField, Product},
        {s.printProductTypeField, ProductType},
        {s.printCountField, Count},
        {s.printPriceField, Price},
        {s.printPriceTodayField, PriceToday},
        {s.printPictureField, Picture},
        {s.printDateField, Date},
        {s.printLocationField, Location},
        {s.printDescribeField, Description},
        {s.printSupplierField, Supplier},
        {s.printAddressField, Address},
        {s.printSerialNumberField, Serialno},
        {s.printWwwField, Www},
        {s.printReceiptField, Receipt},
        {s.printDocumentField, Document},
    };
    for (const auto& [chosen, column] : columns) {
        if (chosen)
            head(m_names.Heading(column));
    }
    out.write("</tr>\r\n</thead>\r\n");
}

void HtmlTable::WriteRow(const Item& item, EOutStream& out, int rowNumber) const {
    using namespace ColumnNames;
    const PrintSettings& s = m_settings;
    if (!s.Passes(item))
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
    auto text = [&](Item::TextField field) { cell([&] { WriteEscapedXml(out, item.Latin1(field)); }); };
    auto picture = [&](Item::TextField field, int heading) {
        out.write("\t<td>\r\n");
        if (!item.IsEmpty(field)) {
            out.write("\t\t<img width=\"64\" height=\"64\" src=\"");
            out.write(ExportNames::PictureUrl(item.GetText(field)));
            out.write("\" ALT=\"");
            out.write(m_names.Heading(heading));
            out.write("\"/>\r\n");
        }
        out.write("\t</td>\r\n");
    };

    out.write("<tr>\r\n");
    if (s.printItemCount)
        cell([&] { out.writeInt(rowNumber); });
    if (s.printGroupField)
        cell([&] { m_names.WriteGroup(out, item.GetGroup()); });
    if (s.printNameField)
        text(Item::Name);
    if (s.printModelField)
        text(Item::Product);
    if (s.printProductTypeField)
        text(Item::Producttype);
    if (s.printCountField)
        numberCell([&] { out.writeInt(item.GetNumberOfItems()); });
    if (s.printPriceField)
        numberCell([&] { out.writeFixed(item.GetPrice(), 0, 2); });
    if (s.printPriceTodayField)
        numberCell([&] { out.writeFixed(item.GetPriceToday(), 0, 2); });
    if (s.printPictureField)
        picture(Item::Photolink, Picture);
    if (s.printDateField)
        text(Item::Date);
    if (s.printLocationField)
        cell([&] { m_names.WriteLocation(out, item.GetLocation()); });
    if (s.printDescribeField)
        text(Item::Description);
    if (s.printSupplierField)
        text(Item::Supplier);
    if (s.printAddressField)
        text(Item::Address);
    if (s.printSerialNumberField)
        text(Item::Serialno);
    if (s.printWwwField)
        text(Item::Www);
    if (s.printReceiptField)
        picture(Item::Receipt, Receipt);
    if (s.printDocumentField)
        text(Item::Document);
    out.write("</tr>\r\n");
}

void WriteTableHead(EOutStream& out, const DBItemCollection& collection) {
    HtmlTable(collection, PrintSettings()).WriteHead(out);
}

void WriteTableRow(const Item& item, EOutStream& out, const DBItemCollection& collection, int rowNumber) {
    HtmlTable(collection, PrintSettings()).WriteRow(item, out, rowNumber);
}
