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

// Makes count items, each with one piece, group 0, today's date, the given name and the serial numbers that
// follow the highest in the collection, one after the other. Returns the new items in order, not yet in the
// collection: the caller adds them (as one undoable step) and owns them until then.
std::vector<Item*> Make(DBItemCollection& collection, int count, const QString& name);

} // namespace PrecreatedItems
