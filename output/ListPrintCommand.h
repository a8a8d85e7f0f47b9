#pragma once

class DBItemCollection;
class QObject;
struct PrintSettings;

// The main window's Print command: sorts the collection by the print settings' order (it stays sorted,
// even when the user cancels), asks for a printer and prints the item list on it.
void RunListPrint(DBItemCollection& collection, const PrintSettings& settings, QObject* parentForDialogs);
