#pragma once

#include <QtGlobal>

class DBItemCollection;

// Fills a collection with a realistic register of a Danish home: names, makes, shops, prices, dates,
// and picture and receipt paths on some items. The same seed gives the same register.
void GenerateSampleItems(DBItemCollection& collection, int count, quint32 seed = 4711);
