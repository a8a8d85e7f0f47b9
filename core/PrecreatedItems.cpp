#include "core/PrecreatedItems.h"

#include "core/DBItemCollection.h"
#include "core/Item.h"
#include "core/Numbers.h"

#include <QDate>

#include <algorithm>

namespace PrecreatedItems {

int CountFromText(const QString& text) {
    int count = 0;
    if (!ParseDecimalInt(text, &count))
        return 0;
    return count >= 1 && count <= Max ? count : 0;
}

std::vector<Item*> Make(DBItemCollection& collection, int count, const QString& name) {
    std::vector<Item*> made;
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    const int first = collection.LastSerialNumber() + 1;
    made.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        auto* item = new Item;
        item->SetNumberOfItems(1);
        item->SetDate(today);
        item->SetGroup(0);
        item->SetSerialno(QString::number(first + i));
        item->SetName(name);
        made.push_back(item);
    }
    return made;
}

} // namespace PrecreatedItems
