#pragma once

#include <QList>
#include <QSize>
#include <QString>

class DBItemCollection;
class Item;

// The item dialog's small decisions, kept apart from its widgets: how a picture is fitted, what a new
// item shows, the total while typing, the printed lines and the help page.
namespace ItemDialogRules {

// The size a picture is shown at in a label: unscaled when it fits inside the label, otherwise scaled by
// one factor on both axes (label width / picture width for a wide picture, label height / picture height
// for a tall one) and, should that still leave it too large the other way, further down until it fits.
QSize FitPixmapSize(const QSize& picture, const QSize& label);

// The count a new item starts with: "0" in Pellin (the field numbers pictures), "1" elsewhere.
QString NewItemCountText(int edition);

// The total shown while count or price are typed: the typed count when it is a whole number other than 0
// (else the item's), times the typed price when there is one (else the item's), with 2 decimals.
// Nothing is written into the item before it is saved.
QString LiveTotalText(const QString& countText, const QString& priceText, const Item& item);

struct PrintLine {
    QString label;
    QString value;
};
// The lines of the item's print-out: the list's column headings as labels, in the printed order. The
// total price (not in Pellin) is labelled "TotalPrice". Group and location print by name.
QList<PrintLine> PrintLines(const Item& item, const DBItemCollection& collection, int edition);

// The dialog's help page: "BrevaneDialog.<language>.htm" in Tovik and Brevane, "<AppName>Dialog.<language>.htm"
// in Pellin and Ostrel.
QString HelpPage(int edition, const QString& language, const QString& appName);

} // namespace ItemDialogRules
