#include "app/AppNames.h"
#include "app/Edition.h"
#include "core/Dialogs.h"
#include "mainwindow/GuiDialogs.h"
#include "mainwindow/Startup.h"
#include "mainwindow/vestrumwindow.h"

#include <QApplication>
#include <QDebug>
#include <QTranslator>

int main(int argc, char* argv[]) {
    // The edition comes from the name the program was started under. Without one it ends at once,
    // before anything is shown.
    const QString programPath = argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString();
    const int edition = EditionFromProgramPath(programPath);
    if (edition == NoEdition)
        return 1;

    QApplication app(argc, argv);
    SetEdition(edition);
    Startup::SetApplicationIdentity();
    Startup::EnterInstallationDirectory(QCoreApplication::applicationDirPath());

    GuiDialogs dialogs;
    Dialogs::install(&dialogs);

    const QString language = GetLanguage();
    qDebug().noquote() << "Language is: qt_" + language;
    QTranslator programTranslator;
    Startup::InstallTranslation(&programTranslator, QStringLiteral("vestrum_") + language);

    MainWindow window;
    if (window.StartupFailed())
        return 0; // the start-up database could not be read; the message has been shown

    QTranslator toolkitTranslator;
    if (language != QLatin1String("en") &&
        !Startup::InstallTranslation(&toolkitTranslator, QStringLiteral("qt_") + language)) {
        Dialogs::critical(&window, QStringLiteral("Error loding"), QStringLiteral("qt_") + language,
                          QStringLiteral("OK"));
    }

    Startup::ApplyRememberedGeometry(&window);
    window.show();
    app.exec();
    Dialogs::install(nullptr);
    return 0;
}
