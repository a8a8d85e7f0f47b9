#include "bench/SampleGenerator.h"

#include "core/DBItemCollection.h"

#include <QDate>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
const char* const kThings[] = {
    "Sofa",
    "Sofabord",
    "Spisebord",
    "Spisebordsstol",
    "Lænestol",
    "Reol",
    "Kommode",
    "Seng",
    "Natbord",
    "Skrivebord",
    "Kontorstol",
    "Fjernsyn",
    "Højttaler",
    "Forstærker",
    "Pladespiller",
    "Bærbar computer",
    "Printer",
    "Mobiltelefon",
    "Tablet",
    "Kaffemaskine",
    "Opvaskemaskine",
    "Vaskemaskine",
    "Tørretumbler",
    "Køleskab",
    "Fryser",
    "Komfur",
    "Mikroovn",
    "Støvsuger",
    "Robotplæneklipper",
    "Cykel",
    "Barnevogn",
    "Vinterjakke",
    "Armbåndsur",
    "Halskæde",
    "Vielsesring",
    "Maleri",
    "Litografi",
    "Vase",
    "Stel, 12 personer",
    "Bestik",
    "Gulvtæppe",
    "Lampe",
    "Boremaskine",
    "Rundsav",
    "Havemøbler",
    "Grill",
    "Telt",
    "Golfsæt",
};
const char* const kMakes[] = {
    "Bang & Olufsen", "Miele",   "Bosch",    "Siemens", "Fritz Hansen", "Georg Jensen", "Royal Copenhagen",
    "Apple",          "Samsung", "Sony",     "Philips", "Electrolux",   "IKEA",         "Carl Hansen & Søn",
    "Louis Poulsen",  "Kähler",  "Le Klint", "Makita",  "DeWalt",       "Weber",        "Christiania",
    "Gubi",           "HAY",     "Vipp",     "Dyson",   "Gorenje",      "Pandora",      "Skagen",
};
const char* const kShops[] = {
    "Elgiganten", "Power",    "IKEA",   "Illum",  "Magasin du Nord", "Bilka",     "Harald Nyborg",
    "Føtex",      "Bauhaus",  "Silvan", "Imerco", "BoConcept",       "Punkt 1",   "Salling",
    "Proshop",    "Coolshop", "Jysk",   "Bahne",  "Inspiration",     "Stilleben",
};
const char* const kDescriptions[] = {
    "Købt ved flytning",    "Gave fra familien",
    "Arvestykke",           "Med 5 års garanti",
    "Brugt, god stand",     "Ridse på venstre side",
    "Inkl. fjernbetjening", "Original emballage gemt",
    "Repareret 2019",       "Sort",
};
const char* const kTypes[] = {"Model 3", "XL", "Classic", "Pro", "Series 8", "Mini", "2000", "Air", "S", "Plus"};
} // namespace

void GenerateSampleItems(DBItemCollection& collection, int count, quint32 seed) {
    QRandomGenerator random(seed);
    const QDate first(1995, 1, 1);
    const int days = static_cast<int>(first.daysTo(QDate(2026, 11, 30)));
    auto pick = [&random](const auto& array) {
        return QString::fromUtf8(array[random.bounded(int(std::size(array)))]);
    };
    const int groups = std::max(1, collection.Groups().Count());
    const int locations = std::max(1, collection.Locations().Count());
    for (int i = 0; i < count; ++i) {
        auto* item = new Item;
        item->SetGroup(random.bounded(groups > 1 ? groups : 12));
        item->SetName(pick(kThings));
        item->SetProduct(pick(kMakes));
        const double price = random.bounded(20, 40000) + random.bounded(100) / 100.0;
        item->SetPrice(price);
        item->SetPriceToday(std::floor(price * (0.2 + random.bounded(80) / 100.0)));
        item->SetDate(first.addDays(random.bounded(days)).toString(QStringLiteral("dd.MM.yyyy")));
        item->SetSupplier(pick(kShops));
        if (random.bounded(3) == 0)
            item->SetSerialno(QStringLiteral("SN%1").arg(random.bounded(10000000, 99999999)));
        if (random.bounded(3) == 0)
            item->SetDescription(pick(kDescriptions));
        if (random.bounded(8) == 0)
            item->SetWww(QStringLiteral("https://www.%1.dk/produkt/%2")
                             .arg(pick(kShops).toLower().remove(QLatin1Char(' ')))
                             .arg(random.bounded(100000, 999999)));
        if (random.bounded(5) == 0)
            item->SetPhotolink(QStringLiteral("/home/anne/Billeder/IMG_%1.jpg").arg(random.bounded(1000, 9999)));
        if (random.bounded(6) == 0)
            item->SetReceipt(QStringLiteral("/home/anne/Dokumenter/Kvitteringer/kvittering-%1.pdf").arg(i));
        if (random.bounded(10) == 0)
            item->SetProducttype(pick(kTypes));
        item->SetNumberOfItems(random.bounded(8) == 0 ? random.bounded(2, 12) : 1);
        item->SetLocation(random.bounded(locations > 1 ? locations : 10));
        collection.Add(item);
    }
}
