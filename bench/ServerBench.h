#pragma once

#include <QString>

class DBItemCollection;

// The server register on a running PostgreSQL server (CONNINFO in libpq's keyword form or as a postgresql:// address).
struct ServerBenchOptions {
    QString conninfo;
    QString copyFrom;  // --copy-to-server FILE: the file register (lists beside it) copied into an empty database
    bool load = false; // --load-server: load_ms, records
    int moves = -1;    // --moves N: N stock moves between random items, each its own transaction
    unsigned seed = 1; // --seed S
    int notify = 0;    // --notify N: N edits on a second connection, each timed until this one shows it
    int repeat = 1;
};

// Prints copy_ms, load_ms, records, moves_ms, moves, refused, moves_checksum, checksum and notify_ms (see the .cpp).
// Returns the exit status.
int RunServerBench(DBItemCollection& collection, const ServerBenchOptions& options);
