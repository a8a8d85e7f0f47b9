#pragma once

#include <QString>

// The edition is chosen once at start-up from the program's path and never changes afterwards.
enum EditionValue {
    NoEdition = 0,
    Tovik = 1,  // home contents
    Pellin = 2, // images
    Ostrel = 3, // coins
    // 4 is reserved for an edition that is never selected
    Brevane = 5, // inventory with labels, locations and the database lock
};

int Edition();
void SetEdition(int edition);

bool IsTovik();
bool IsPellin();
bool IsOstrel();
bool IsBrevane();

// The edition named by a program path (the first command-line argument as the process received it),
// or NoEdition when none of the edition words occurs in it.
int EditionFromProgramPath(const QString& programPath);

// The tag the database header carries for the running edition ("TVK", "PLN", "OSR", "BRV"; empty for others).
QString EditionTag();
