#include "export/ItemRecordWriter.h"

#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/EStream.h"
#include "core/XmlEscape.h"

ItemRecordWriter::ItemRecordWriter(const DBItemCollection& collection, int decimals)
    : m_names(collection), m_decimals(decimals) {}

void ItemRecordWriter::Write(const Item& item, EOutStream& out, bool semicolons, bool lineBreaks, bool labels,
                             bool specialCase) const {
    using namespace ColumnNames;
    auto child = [&](int heading, QByteArrayView startTag, QByteArrayView endTag, auto&& content) {
        if (labels) {
            out.write("<b>");
            out.write(m_names.Heading(heading));
            out.write("</b>: ");
        }
        out.write(startTag);
        content();
        if (semicolons)
            out.write("; ");
        if (lineBreaks)
            out.write("<BR/>");
        out.write(endTag);
        out.write("\r\n");
    };
    auto text = [&](Item::TextField field) {
        return [&item, &out, field] { WriteEscapedXml(out, item.Latin1(field)); };
    };
    auto picture = [&](const QString& path, const char* alt) {
        if (!labels || path.isEmpty())
            return;
        out.write("<img src=\"");
        out.write(ExportNames::PictureUrl(path));
        out.write("\" ALT=\"");
        out.write(alt);
        out.write("\"/><BR/>");
    };

    out.write("<Item>\r\n");
    child(Group, "<Group>", "</Group>", [&] { m_names.WriteGroup(out, item.GetGroup()); });
    child(Name, "<Name>", "</Name>", text(Item::Name));
    child(Product, "<Product>", "</Product>", text(Item::Product));
    child(ProductType, "<Model>", "</Model>", text(Item::Producttype));
    if (!specialCase) {
        child(Price, "<Price>", "</Price>", [&] { out.writeFixed(item.GetPrice(), 0, m_decimals); });
        child(PriceToday, "<PriceToday >", "</PriceToday>",
              [&] { out.writeFixed(item.GetPriceToday(), 0, m_decimals); });
        child(Date, "<Date>", "</Date>", text(Item::Date));
    }
    child(Supplier, "<Supplier>", "</Supplier>", text(Item::Supplier));
    child(Serialno, "<SerialNumber>", "</SerialNumber>", text(Item::Serialno));
    if (!specialCase) {
        child(Description, "<Description>", "</Description>", text(Item::Description));
        child(Address, "<FreeInfo>", "</FreeInfo>", text(Item::Address));
        child(Count, "<NumberOfItems>", "</NumberOfItems>", [&] { out.writeInt(item.GetNumberOfItems()); });
    }
    child(Location, "<Location>", "</Location>", [&] { m_names.WriteLocation(out, item.GetLocation()); });
    if (!specialCase) {
        child(Www, "<WwwLink>", "</WwwLink>", text(Item::Www));
        child(Document, "<DocumentLink>", "</DocumentLink>", text(Item::Document));
        if (!item.IsEmpty(Item::Photolink))
            picture(item.GetPhotolink(), "1. Image");
        child(Picture, "<PictureLink>", "</PictureLink>", text(Item::Photolink));
        if (!item.IsEmpty(Item::Receipt))
            picture(item.GetReceipt(), "2. Image");
        child(Receipt, "<ReceiptLink>", "</ReceiptLink>", text(Item::Receipt));
    }
    out.write("</Item>\r\n");
}

void WriteItemRecord(const Item& item, EOutStream& out, const DBItemCollection& collection, int decimals,
                     bool semicolons, bool lineBreaks, bool labels, bool specialCase) {
    ItemRecordWriter(collection, decimals).Write(item, out, semicolons, lineBreaks, labels, specialCase);
}
