#pragma once

#include <QString>

#include <vector>

class DBItemCollection;
class Item;

// Numbered items made in advance (the Brevane edition's pre-create command), for instance to print
// barcode labels for stock not yet described.
namespace PrecreatedItems {

constexpr int Max = 999;

// The number of items asked for: a decimal number from 1 to 999; 0 for anything else.
int CountFromText(const QString& text);

// Makes count items, each with one piece, group 0, today's date, the given name and the serial number after
// the highest in the collection, and adds each to the collection before the next is numbered, so the
// numbers follow one another. Returns the new items in order; the collection owns them.
std::vector<Item*> Make(DBItemCollection& collection, int count, const QString& name);

} // namespace PrecreatedItems
