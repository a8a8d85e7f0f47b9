#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Writes an export whole through SaveFile. When the file cannot be written the user is told the path and
// the reason, false comes back, and an earlier export of the same name stays as it was.
bool SaveExportFile(const QString& path, const std::function<bool(QIODevice*)>& write);
