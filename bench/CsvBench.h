#pragma once

#include <QString>

class DBItemCollection;

// --csv OUT: every item written as File → Export → CSV writes it; prints csv_ms.
void RunCsvExport(const DBItemCollection& collection, const QString& path, int repeat);

// --import-csv FILE: the file read, its columns mapped by header names equal to the column captions, checked, and
// its items added to the collection as File → Import → CSV adds them (all rows or none). Prints import_csv_ms,
// `imported N` and one `problem: ROW | TEXT` per problem; when the items imported are as many as the collection
// held before, the error output says whether the round trip gave equal items. Returns the items imported.
int RunCsvImport(DBItemCollection& collection, const QString& path, int repeat);
