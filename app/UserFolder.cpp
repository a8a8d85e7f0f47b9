#include "app/UserFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString gInstallationDir; // empty: the working directory

// "name.dk.txt" belongs to Danish; a file without such a part belongs to every language.
bool belongsTo(const QString& fileName, const QString& language) {
    for (const char* code : {"dk", "no", "en"}) {
        const QString tag = QLatin1Char('.') + QLatin1String(code) + QLatin1Char('.');
        if (fileName.contains(tag))
            return QLatin1String(code) == language;
    }
    return true;
}

bool copyMissing(const QString& from, const QString& to, QString* error) {
    if (QFileInfo::exists(to))
        return true;
    if (!QDir().mkpath(QFileInfo(to).path())) {
        *error = QFileInfo(to).path();
        return false;
    }
    QFile source(from);
    // A copy of a read-only installation file would stay read-only: the user must be able to save it.
    if (!source.copy(to) ||
        !QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther)) {
        *error = to;
        return false;
    }
    return true;
}
} // namespace

namespace UserFolder {

QString InstallationDir() {
    return gInstallationDir.isEmpty() ? QDir::currentPath() : gInstallationDir;
}

void SetInstallationDir(const QString& dir) {
    gInstallationDir = dir;
}

bool IsInstalled(const QString& installationDir) {
    return QFileInfo::exists(installationDir + QLatin1Char('/') + QLatin1String(kInstalledMarker));
}

QString DefaultUserDir() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return documents + QStringLiteral("/Vestrum");
}

bool CopySample(const QString& installationDir, const QString& userDir, const QString& sampleDir,
                const QString& language, QString* error) {
    QStringList files;
    const QDir installation(installationDir);
    QDirIterator it(installation.absolutePath() + QLatin1Char('/') + sampleDir, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (belongsTo(it.fileName(), language))
            files << installation.relativeFilePath(it.filePath());
    }
    files << QStringLiteral("group/group.%1.txt").arg(language)
          << QStringLiteral("location/location.%1.txt").arg(language);
    QDirIterator setup(installationDir + QStringLiteral("/Setup"), QDir::Files);
    while (setup.hasNext())
        files << QStringLiteral("Setup/") + QFileInfo(setup.next()).fileName();
    for (const QString& file : files) {
        const QString from = installationDir + QLatin1Char('/') + file;
        if (QFileInfo::exists(from) && !copyMissing(from, userDir + QLatin1Char('/') + file, error))
            return false;
    }
    return true;
}

} // namespace UserFolder
