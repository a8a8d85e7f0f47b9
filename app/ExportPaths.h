#pragma once

#include <QString>

// Where exports go and where their choosers start, for every export and import of the windows.
namespace ExportPaths {

// A page written to be shown at once ("DbItemAll.htm", "CurrentItem.htm"): in the folder the AppData variable
// names where it is set (Windows), else in the last register folder ("LastDBDir"). suffix has its dot.
QString ViewerFile(const QString& baseName, const QString& suffix);

// Where a chooser of an export or import starts: the register's folder, or the last register folder for a
// register that has no name yet.
QString Folder(const QString& registerPath);

} // namespace ExportPaths
