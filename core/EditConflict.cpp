#include "core/EditConflict.h"

#include "core/ColumnNames.h"
#include "core/userItemCollection.h"

#include <cmath>

namespace {

bool samePrice(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool same(int column, const Item& a, const Item& b) {
    switch (column) {
    case ColumnNames::Group:
        return a.GetGroup() == b.GetGroup();
    case ColumnNames::Count:
        return a.GetNumberOfItems() == b.GetNumberOfItems();
    case ColumnNames::Location:
        return a.GetLocation() == b.GetLocation();
    case ColumnNames::Price:
        return samePrice(a.GetPrice(), b.GetPrice());
    case ColumnNames::PriceToday:
        return samePrice(a.GetPriceToday(), b.GetPriceToday());
    default: {
        const auto field = static_cast<Item::TextField>(ColumnNames::TextFieldOf(column));
        return a.Latin1(field) == b.Latin1(field);
    }
    }
}

void copyField(int column, const Item& from, Item& to) {
    switch (column) {
    case ColumnNames::Group:
        to.SetGroup(from.GetGroup());
        break;
    case ColumnNames::Count:
        to.SetNumberOfItems(from.GetNumberOfItems());
        break;
    case ColumnNames::Location:
        to.SetLocation(from.GetLocation());
        break;
    case ColumnNames::Price:
        to.SetPrice(from.GetPrice());
        break;
    case ColumnNames::PriceToday:
        to.SetPriceToday(from.GetPriceToday());
        break;
    default: {
        const auto field = static_cast<Item::TextField>(ColumnNames::TextFieldOf(column));
        to.SetLatin1(field, from.Latin1(field));
    }
    }
}

QString listEntry(const userItemCollection* list, int number) {
    if (list && number >= 0 && number < list->Count() && !list->Entry(number).isEmpty())
        return list->Entry(number);
    return QString::number(number);
}

QString text(int column, const Item& item, const userItemCollection* groups, const userItemCollection* locations) {
    switch (column) {
    case ColumnNames::Group:
        return listEntry(groups, item.GetGroup());
    case ColumnNames::Count:
        return item.GetNumberOfItemsText();
    case ColumnNames::Location:
        return listEntry(locations, item.GetLocation());
    case ColumnNames::Price:
        return item.GetPriceText(2);
    case ColumnNames::PriceToday:
        return item.GetPriceTodayText(2);
    default:
        return item.GetText(static_cast<Item::TextField>(ColumnNames::TextFieldOf(column)));
    }
}
} // namespace

namespace EditConflict {

std::vector<Field> Compare(const Item& base, const Item& mine, const Item& theirs, const userItemCollection* groups,
                           const userItemCollection* locations) {
    std::vector<Field> fields;
    for (int column = 0; column < ColumnNames::ColumnCount; ++column) {
        Field field;
        field.column = column;
        field.mine = text(column, mine, groups, locations);
        field.theirs = text(column, theirs, groups, locations);
        field.differs = !same(column, mine, theirs);
        field.changedBy = (same(column, base, mine) ? Nobody : Me) | (same(column, base, theirs) ? Nobody : Them);
        // An empty text in both says nothing; the numbers always stand.
        if (!field.differs && ColumnNames::TextFieldOf(column) >= 0 && field.mine.isEmpty())
            continue;
        fields.push_back(field);
    }
    return fields;
}

Item Resolve(Choice choice, const Item& base, const Item& mine, const Item& theirs) {
    Item result(theirs);
    if (choice == Choice::KeepTheirs)
        return result;
    for (int column = 0; column < ColumnNames::ColumnCount; ++column) {
        if (same(column, base, mine))
            continue;
        if (column == ColumnNames::Count) {
            const qint64 moved = qint64(theirs.GetNumberOfItems()) + mine.GetNumberOfItems() - base.GetNumberOfItems();
            result.SetNumberOfItems(
                moved >= 0 && moved <= std::numeric_limits<qint32>::max() ? int(moved) : mine.GetNumberOfItems());
            continue;
        }
        copyField(column, mine, result);
    }
    return result;
}

} // namespace EditConflict
