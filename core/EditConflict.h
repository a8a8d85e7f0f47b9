#pragma once

#include "core/Item.h"

#include <QString>

#include <vector>

class userItemCollection;

// An edit the server refused because another workstation changed the item after it was shown here. Three
// versions meet: `base` (what the edit started from), `mine` (the edit) and `theirs` (what the server holds now).
namespace EditConflict {

enum class Choice { KeepTheirs, KeepMine, EditAgain };

// Who changed a field since the base.
enum ChangedBy { Nobody = 0, Me = 1, Them = 2, Both = Me | Them };

struct Field {
    int column = 0; // ColumnNames::Column: the register's own caption names it
    QString mine;
    QString theirs;
    int changedBy = Nobody;
    // The two versions show different values: the row the box marks.
    bool differs = false;
};

// Every field that either version fills, in the list's column order, with both texts; groups and locations by
// their names when the lists are given.
std::vector<Field> Compare(const Item& base, const Item& mine, const Item& theirs,
                           const userItemCollection* groups = nullptr, const userItemCollection* locations = nullptr);

// What the item becomes:
// - KeepTheirs: their version as it is; nothing is written.
// - KeepMine: their version with every field this edit changed taken from mine, so their changes to other
//   fields stay. The count is a stock movement: mine's difference is added to theirs (a till's sale is not
//   undone by an edit of the same item elsewhere), unless that would go below zero, when mine's count stands.
// - EditAgain: the same item as KeepMine, shown in the item dialog again and checked against their version.
Item Resolve(Choice choice, const Item& base, const Item& mine, const Item& theirs);
// Whether the choice writes to the server.
inline bool Writes(Choice choice) {
    return choice == Choice::KeepMine;
}

} // namespace EditConflict
