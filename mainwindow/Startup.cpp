#include "mainwindow/Startup.h"

#include "app/AppNames.h"
#include "app/Settings.h"
#include "app/UserFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRect>
#include <QTranslator>
#include <QWidget>

namespace Startup {

void SetApplicationIdentity() {
    QCoreApplication::setOrganizationName(QLatin1String(kOrganisationName));
    QCoreApplication::setOrganizationDomain(QLatin1String(kOrganisationDomain));
    QCoreApplication::setApplicationName(GetAppName(false));
}

QString EnterWorkingDirectory(const QString& applicationDir) {
    if (UserFolder::IsInstalled(applicationDir)) {
        UserFolder::SetInstallationDir(QDir(applicationDir).absolutePath());
        const QString userDir = UserFolder::DefaultUserDir();
        QString failed;
        const bool ready =
            QDir().mkpath(userDir) &&
            UserFolder::CopySample(applicationDir, userDir, DefaultDatabaseDir(), GetLanguage(), &failed);
        // Even when a copy failed the user's folder is the place to work in: never the installation.
        QDir::setCurrent(QDir::home().absolutePath());
        QDir::setCurrent(userDir);
        return ready ? QString() : (failed.isEmpty() ? userDir : failed);
    }
    const bool hereHasData = QFileInfo(QStringLiteral("db")).isDir();
    if (!hereHasData && QFileInfo(applicationDir + QStringLiteral("/db")).isDir())
        QDir::setCurrent(applicationDir);
    UserFolder::SetInstallationDir(QDir::currentPath());
    return QString();
}

bool InstallTranslation(QTranslator* translator, const QString& baseName) {
    const bool loaded = translator->load(baseName, UserFolder::InstallationDir());
    QCoreApplication::installTranslator(translator);
    return loaded;
}

void ApplyRememberedGeometry(QWidget* window) {
    Settings settings;
    // The whole geometry as the window stored it at quit (screen, maximised state); the four numbers are
    // the older form, still read when it is missing.
    if (window->restoreGeometry(settings.value(QStringLiteral("geometri/mainWinGeometry")).toByteArray()))
        return;
    const int width = settings.value(QStringLiteral("geometri/mainWinWidth"), 800).toInt();
    const int height = settings.value(QStringLiteral("geometri/mainWinHeight"), 600).toInt();
    const int x = settings.value(QStringLiteral("geometri/mainWinPosX"), 0).toInt();
    const int y = settings.value(QStringLiteral("geometri/mainWinPosY"), 0).toInt();
    window->resize(width, height);
    window->move(x, y);
}

void RememberGeometry(QWidget* window) {
    Settings settings;
    settings.setValue(QStringLiteral("geometri/mainWinGeometry"), window->saveGeometry());
    // A maximised window keeps the size it had before, as the toolkit's own geometry does.
    const bool whole = window->isMaximized() || window->isFullScreen();
    const QRect normal = whole ? window->normalGeometry() : QRect(window->pos(), window->size());
    settings.setValue(QStringLiteral("geometri/mainWinWidth"), normal.width());
    settings.setValue(QStringLiteral("geometri/mainWinHeight"), normal.height());
    settings.setValue(QStringLiteral("geometri/mainWinPosX"), normal.x());
    settings.setValue(QStringLiteral("geometri/mainWinPosY"), normal.y());
}

} // namespace Startup
