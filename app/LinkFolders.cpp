#include "app/LinkFolders.h"

#include "app/AppNames.h"
#include "app/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace LinkFolders {

QString Key(Kind kind) {
    switch (kind) {
    case Receipts:
        return QStringLiteral("ReceiptPath");
    case Documents:
        return QStringLiteral("DocumentPath");
    case Pictures:
    default:
        return QStringLiteral("PicturePath");
    }
}

QString DefaultFolder(Kind kind) {
    const QString programFiles = qEnvironmentVariable("ProgramFiles");
    if (!programFiles.isEmpty())
        return QDir::toNativeSeparators(programFiles + QStringLiteral("/Tarnvold"));
    const auto location = kind == Documents ? QStandardPaths::DocumentsLocation : QStandardPaths::PicturesLocation;
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(location));
}

QString Folder(Kind kind) {
    return Settings().value(Key(kind), DefaultFolder(kind)).toString();
}

QString StartFolder(Kind kind, const QString& currentLink) {
    if (!currentLink.isEmpty()) {
        const QFileInfo link(QDir::fromNativeSeparators(currentLink));
        if (link.absoluteDir().exists())
            return QDir::toNativeSeparators(link.absolutePath());
    }
    const Settings settings;
    if (settings.contains(Key(kind)))
        return settings.value(Key(kind)).toString();
    const QString registerFolder = GetLastDBDir();
    if (!registerFolder.isEmpty() && QDir(registerFolder).exists())
        return QDir::toNativeSeparators(QDir(registerFolder).absolutePath());
    return DefaultFolder(kind);
}

void Store(Kind kind, const QString& folder) {
    if (folder.isEmpty())
        return;
    Settings().setValue(Key(kind), folder);
}

QString StoredPath(const QString& chosen) {
    if (chosen.isEmpty())
        return QString();
    return QDir::toNativeSeparators(QFileInfo(chosen).absoluteFilePath());
}

} // namespace LinkFolders
