#include "bench/ScannerBench.h"

#include "core/DBItemCollection.h"
#include "core/SaveFile.h"

#include <QDate>
#include <QHash>
#include <QRandomGenerator>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {
const char* const kLocations[] = {"Lager 1 - reol A",
                                  "Lager 1 - reol B",
                                  "Lager 1 - reol C",
                                  "Lager 2 - pallereol",
                                  "Butik - disk",
                                  "Butik - vindue",
                                  "Butik - vægreol",
                                  "Værksted",
                                  "Kontor",
                                  "Bil 1",
                                  "Bil 2",
                                  "Returvarer"};
const char* const kArticles[] = {
    "Stikkontakt, 1-fag", "Afbryder, 1-pol", "Forgreningsdåse",    "Isoleringstape", "Installationskabel 3G1,5",
    "LED-pære E27",       "Spot GU10",       "Kabelbinder 200 mm", "Skrue 4x40",     "Rawplug 6 mm",
    "Multimeter",         "Boremaskine",     "Sikring 10 A",       "Samlemuffe",     "Lampeudtag",
    "Dæksel, hvid"};
} // namespace

void GenerateStockItems(DBItemCollection& collection, int count, quint32 seed) {
    if (collection.Groups().Count() == 0) {
        for (const char* name : kLocations)
            collection.Groups().Append(QString::fromUtf8(name));
    }
    QRandomGenerator random(seed);
    const int locations = collection.Groups().Count();
    const QDate first(2020, 1, 1);
    for (int i = 0; i < count; ++i) {
        auto* item = new Item;
        item->SetSerialno(QString::number(1000 + i));
        item->SetGroup(random.bounded(locations));
        item->SetName(QString::fromUtf8(kArticles[random.bounded(int(std::size(kArticles)))]));
        item->SetProduct(QStringLiteral("LK"));
        const double price = random.bounded(5, 2000) + random.bounded(100) / 100.0;
        item->SetPrice(price);
        item->SetPriceToday(price * 1.8);
        item->SetDate(first.addDays(random.bounded(2500)).toString(QStringLiteral("dd.MM.yyyy")));
        item->SetSupplier(QStringLiteral("Solar"));
        item->SetNumberOfItems(random.bounded(10) == 0 ? 0 : random.bounded(1, 200));
        collection.Add(item);
    }
}

bool GenerateScannerFile(const DBItemCollection& collection, int lines, const QString& path, quint32 seed) {
    struct Stock {
        qint64 number;
        int group;
        int count;
        bool live;
    };
    std::vector<Stock> stock;
    QHash<qint64, std::vector<int>> places; // live stock entries per number
    qint64 lastSerial = collection.LastSerialNumber();
    for (const Item* item : collection) {
        bool ok = false;
        const qint64 number = item->GetSerialno().toLongLong(&ok);
        if (!ok || number < 0)
            continue;
        places[number].push_back(static_cast<int>(stock.size()));
        stock.push_back({number, item->GetGroup(), item->GetNumberOfItems(), true});
    }
    const int locations = collection.Groups().Count();
    if (stock.empty() || locations < 2)
        return false;
    QRandomGenerator random(seed);
    auto at = [&](qint64 number, int group) {
        for (int index : places[number]) {
            if (stock[static_cast<size_t>(index)].group == group)
                return index;
        }
        return -1;
    };
    auto pick = [&](bool needPieces, bool alone) {
        for (int tries = 0; tries < 50; ++tries) {
            const int index = random.bounded(static_cast<int>(stock.size()));
            const Stock& s = stock[static_cast<size_t>(index)];
            if (s.live && (!needPieces || s.count > 0) && (!alone || places[s.number].size() == 1))
                return index;
        }
        return -1;
    };
    auto otherLocation = [&](int group) { return (group + 1 + random.bounded(locations - 1)) % locations; };
    auto id = [&](qint64 number) {
        return random.bounded(3) == 0 ? QByteArray::number(number).rightJustified(8, '0') : QByteArray::number(number);
    };

    QByteArray out;
    out.reserve(lines * 20);
    for (int line = 0; line < lines; ++line) {
        const int kind = random.bounded(100);
        if (kind < 30) { // a move
            const int from = pick(true, false);
            if (from >= 0) {
                Stock s = stock[static_cast<size_t>(from)];
                const int pieces = 1 + random.bounded(s.count);
                const int group = otherLocation(s.group);
                out += "F;" + QByteArray::number(s.group) + ';' + QByteArray::number(group) + ';' + id(s.number) + ';' +
                       QByteArray::number(pieces) + "\r\n";
                stock[static_cast<size_t>(from)].count -= pieces;
                const int to = at(s.number, group);
                if (to >= 0) {
                    stock[static_cast<size_t>(to)].count += pieces;
                } else {
                    places[s.number].push_back(static_cast<int>(stock.size()));
                    stock.push_back({s.number, group, pieces, true});
                }
                if (stock[static_cast<size_t>(from)].count == 0) {
                    stock[static_cast<size_t>(from)].live = false;
                    std::vector<int>& list = places[s.number];
                    list.erase(std::find(list.begin(), list.end(), from));
                }
                continue;
            }
        } else if (kind < 38) { // a new place for an article kept in one place
            const int index = pick(false, true);
            if (index >= 0) {
                Stock& s = stock[static_cast<size_t>(index)];
                s.group = otherLocation(s.group);
                out += "S;" + QByteArray::number(s.group) + ';' + id(s.number) + "\r\n";
                continue;
            }
        } else if (kind < 45) { // a split
            const int index = pick(true, true);
            if (index >= 0) {
                const int pieces = 1 + random.bounded(stock[static_cast<size_t>(index)].count);
                const int group = random.bounded(locations);
                out += "S;" + QByteArray::number(group) + ';' + id(stock[static_cast<size_t>(index)].number) + ';' +
                       QByteArray::number(pieces) + "\r\n";
                stock[static_cast<size_t>(index)].count -= pieces;
                ++lastSerial;
                places[lastSerial].push_back(static_cast<int>(stock.size()));
                stock.push_back({lastSerial, group, pieces, true});
                continue;
            }
        }
        // Stock in, or out when there is some.
        const int index = pick(false, false);
        if (index < 0)
            return false;
        Stock& s = stock[static_cast<size_t>(index)];
        const int change =
            s.count > 0 && random.bounded(3) == 0 ? -(1 + random.bounded(qMin(s.count, 5))) : 1 + random.bounded(24);
        s.count += change;
        out += "I;" + QByteArray::number(s.group) + ';' + id(s.number) + ';' + QByteArray::number(change) + "\r\n";
    }
    QString error;
    return SaveFile::writeWhole(path, out, &error);
}
