#include "core/ItemDialogRules.h"

#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Item.h"
#include "core/Numbers.h"
#include "core/PriceValidator.h"

#include <QCoreApplication>

#include <cmath>

namespace ItemDialogRules {

QSize FitPixmapSize(const QSize& picture, const QSize& label) {
    const int W = label.width();
    const int H = label.height();
    const int w = picture.width();
    const int h = picture.height();
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0)
        return QSize(qMax(0, w), qMax(0, h));
    if (W > w && H > h)
        return picture;
    double factor = w > h ? double(W) / w : double(H) / h;
    // A picture only a little wider than tall in a wide label would otherwise come out taller than the label
    // and be cut off.
    factor = std::min({factor, double(W) / w, double(H) / h});
    return QSize(qMax(1, int(std::lround(w * factor))), qMax(1, int(std::lround(h * factor))));
}

QString NewItemCountText(int edition) {
    return edition == Pellin ? QStringLiteral("0") : QStringLiteral("1");
}

QString LiveTotalText(const QString& countText, const QString& priceText, const Item& item) {
    int count = item.GetNumberOfItems();
    int typed = 0;
    if (ParseDecimalInt(countText, &typed) && typed != 0)
        count = typed;
    const double price = priceText.isEmpty() ? item.GetPrice() : PriceValidator::ReadPrice(priceText);
    return FixedText(static_cast<double>(count) * price, 2);
}

QList<PrintLine> PrintLines(const Item& item, const DBItemCollection& collection, int edition) {
    using namespace ColumnNames;
    QList<PrintLine> lines;
    lines << PrintLine{Title(Group), collection.Groups().NameOrNumber(item.GetGroup())}
          << PrintLine{Title(Name), item.GetName()} << PrintLine{Title(Product), item.GetProduct()}
          << PrintLine{Title(ProductType), item.GetProducttype()}
          << PrintLine{Title(Count), item.GetNumberOfItemsText()} << PrintLine{Title(Price), item.GetPriceText(2)};
    if (edition != Pellin)
        lines << PrintLine{QCoreApplication::translate("ItemDialog", "TotalPrice"), item.GetTotalPriceText()};
    lines << PrintLine{Title(PriceToday), item.GetPriceTodayText(2)} << PrintLine{Title(Date), item.GetDate()}
          << PrintLine{Title(Location), collection.Locations().NameOrNumber(item.GetLocation())}
          << PrintLine{Title(Supplier), item.GetSupplier()} << PrintLine{Title(Address), item.GetAddress()}
          << PrintLine{Title(Serialno), item.GetSerialno()} << PrintLine{Title(Description), item.GetDescription()}
          << PrintLine{Title(Picture), item.GetPhotolink()} << PrintLine{Title(Www), item.GetWww()}
          << PrintLine{Title(Receipt), item.GetReceipt()} << PrintLine{Title(Document), item.GetDocument()};
    return lines;
}

QString HelpPage(int edition, const QString& language, const QString& appName) {
    if (edition == Pellin || edition == Ostrel)
        return QStringLiteral("%1Dialog.%2.htm").arg(appName, language);
    return QStringLiteral("BrevaneDialog.%1.htm").arg(language);
}

} // namespace ItemDialogRules
