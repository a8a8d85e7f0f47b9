#include "core/Recovery.h"

#include "core/DBItemCollection.h"
#include "core/SaveFile.h"

#include <QFile>

namespace Recovery {

QString FileFor(const QString& databasePath, const QString& unnamedFolder) {
    if (databasePath.isEmpty())
        return unnamedFolder + QStringLiteral("/unnamed.recovered");
    return databasePath + QStringLiteral(".recovered");
}

bool Write(DBItemCollection& collection, const QString& path, QString* error) {
    SaveFile file(path);
    if (!file.open()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QString writeError;
    if (!collection.WriteAscii(file.device(), &writeError)) {
        file.cancel();
        if (error)
            *error = file.errorString().isEmpty() ? writeError : file.errorString();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool ReadItems(DBItemCollection& collection, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    collection.ClearItems();
    return collection.LoadFromBuffer(data);
}

} // namespace Recovery
