#pragma once

#include <QString>
#include <QtGlobal>

class DBItemCollection;

// A shop's stock register: numbered articles (from 1000 up) at the locations of the group list, which is set to
// a dozen storage locations when it is empty. The same seed gives the same register.
void GenerateStockItems(DBItemCollection& collection, int count, quint32 seed = 4711);

// A scanner file of `lines` records against the register: stock in and out, moves, set-location and splits in a
// realistic mix, each valid on the stock the lines before it leave; a third of the numbers carry leading zeros.
// False when the file cannot be written.
bool GenerateScannerFile(const DBItemCollection& collection, int lines, const QString& path, quint32 seed = 4711);
