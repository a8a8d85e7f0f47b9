#include "app/AppNames.h"

#include "app/Edition.h"
#include "app/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
struct EditionNames {
    const char* appName;
    const char* databasePath; // %1 = language code
    const char* databaseDir;
};

EditionNames namesOf(int edition) {
    switch (edition) {
    case Pellin:
        return {"Pellin", "db/DemoDBFilm/FilmDB.%1.db", "db/DemoDBFilm/"};
    case Ostrel:
        return {"Ostrel", "db/DemoDBCoins/DemoDBCoins.%1.txt", "db/DemoDBCoins/"};
    case Brevane:
        return {"Brevane", "db/DemoBrevane/DemoBrevane.%1.db", "db/DemoBrevane/"};
    case Tovik:
    default:
        return {"Tovik", "db/DemoDBStd/TovikStdDemoDatabase.%1.db", "db/DemoDBStd/"};
    }
}
} // namespace

QString GetLanguage() {
    Settings settings;
    const QString language = settings.value(QStringLiteral("Language"), QStringLiteral("dk")).toString();
    if (language == QLatin1String("dk") || language == QLatin1String("no") || language == QLatin1String("en"))
        return language;
    return QStringLiteral("dk");
}

QLocale InterfaceLocale() {
    const QString language = GetLanguage();
    if (language == QLatin1String("no"))
        return QLocale(QLocale::NorwegianBokmal, QLocale::Norway);
    if (language == QLatin1String("en"))
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    return QLocale(QLocale::Danish, QLocale::Denmark);
}

QString GetAppName(bool withSlashes) {
    const QString name = QLatin1String(namesOf(Edition()).appName);
    return withSlashes ? QLatin1Char('/') + name + QLatin1Char('/') : name;
}

QString GetCaption(const QString& filePath) {
    static const char* const keys[] = {
        QT_TRANSLATE_NOOP("captionstr", "TOVIK_CAPTION_TEXT"),
        QT_TRANSLATE_NOOP("captionstr", "PELLIN_CAPTION_TEXT"),
        QT_TRANSLATE_NOOP("captionstr", "OSTREL_CAPTION_TEXT"),
        QT_TRANSLATE_NOOP("captionstr", "BREVANE_CAPTION_TEXT"),
    };
    const char* key = keys[0];
    if (IsPellin())
        key = keys[1];
    else if (IsOstrel())
        key = keys[2];
    else if (IsBrevane())
        key = keys[3];
    const QString name = filePath.isEmpty() ? QCoreApplication::translate("captionstr", "Unavngivet") : filePath;
    return QCoreApplication::translate("captionstr", key) + QLatin1String(" - ") + name;
}

QString GetLastDBDir() {
    Settings settings;
    return settings.value(QStringLiteral("LastDBDir"), DefaultDatabaseDir()).toString();
}

QString DefaultDatabasePath() {
    return QString::fromLatin1(namesOf(Edition()).databasePath).arg(GetLanguage());
}

bool IsShippedSample(const QString& path, const QString& language) {
    if (path.isEmpty())
        return false;
    return QFileInfo(path) == QFileInfo(QString::fromLatin1(namesOf(Edition()).databasePath).arg(language));
}

QString WithDatabaseSuffix(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("tvk") || suffix == QLatin1String("txt") || suffix == QLatin1String("db"))
        return path;
    QString named = path;
    if (named.endsWith(QLatin1Char('.')))
        named.chop(1);
    return named + QLatin1Char('.') + QFileInfo(QString::fromLatin1(namesOf(Edition()).databasePath)).suffix();
}

QString DefaultDatabaseDir() {
    return QString::fromLatin1(namesOf(Edition()).databaseDir);
}
