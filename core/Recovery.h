#pragma once

#include <QString>

class DBItemCollection;

// When the program is told to end (SIGTERM, SIGINT, SIGHUP) with unsaved changes, the items are written
// beside the database as "NAME.recovered", as Save would write them; the next start offers to open them.
namespace Recovery {

// "NAME.recovered" beside the database; for a database that has no name yet, "unnamed.recovered" in the
// folder given (the one a new register uses).
QString FileFor(const QString& databasePath, const QString& unnamedFolder);

// Writes the collection through the save routine, with no box (nobody may be there to answer one).
bool Write(DBItemCollection& collection, const QString& path, QString* error);

// Replaces the collection's items by those of a recovery file; the lock and the lists stay.
bool ReadItems(DBItemCollection& collection, const QString& path);

} // namespace Recovery
