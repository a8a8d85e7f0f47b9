#include "app/ExportPaths.h"

#include "app/AppNames.h"

#include <QFileInfo>

namespace ExportPaths {

QString ViewerFile(const QString& baseName, const QString& suffix) {
    QString folder = qEnvironmentVariable("AppData");
    if (folder.isEmpty())
        folder = GetLastDBDir();
    return QStringLiteral("%1/%2%3").arg(folder, baseName, suffix);
}

QString Folder(const QString& registerPath) {
    return registerPath.isEmpty() ? GetLastDBDir() : QFileInfo(registerPath).absolutePath();
}

} // namespace ExportPaths
