#include "app/AppNames.h"
#include "app/Edition.h"
#include "core/Dialogs.h"
#include "mainwindow/GuiDialogs.h"
#include "mainwindow/Startup.h"
#include "mainwindow/vestrumwindow.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QMainWindow>
#include <QStatusBar>
#include <QTranslator>

int main(int argc, char* argv[]) {
    // The edition comes from the name the program was started under. Without one it ends at once,
    // before anything is shown.
    const QString programPath = argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString();
    const int edition = EditionFromProgramPath(programPath);
    if (edition == NoEdition)
        return 1;

    // A request to end (SIGTERM, SIGINT, SIGHUP) waits from now on until the window handles it in order.
    TerminationSignals::Install();
    QApplication app(argc, argv);
    SetEdition(edition);
    Startup::SetApplicationIdentity();
    const QString notPrepared = Startup::EnterWorkingDirectory(QCoreApplication::applicationDirPath());

    GuiDialogs dialogs;
    Dialogs::install(&dialogs);
    // Status messages of the core and of printing go to the main window's status bar, also those sent
    // while the window is still being built (opening the start-up database).
    dialogs.setStatusSink([](const QString& text, int milliseconds) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<QMainWindow*>(widget)) {
                window->statusBar()->showMessage(text, milliseconds);
                return;
            }
        }
    });

    const QString language = GetLanguage();
    qDebug().noquote() << "Language is: qt_" + language;
    QTranslator programTranslator;
    Startup::InstallTranslation(&programTranslator, QStringLiteral("vestrum_") + language);
    if (!notPrepared.isEmpty()) {
        Dialogs::critical(nullptr, GetAppName(),
                          QCoreApplication::translate("Startup", "Kan ikke kopiere eksempeldata til din mappe:\n%1")
                              .arg(QDir::toNativeSeparators(notPrepared)),
                          QCoreApplication::translate("Startup", "OK"));
    }

    MainWindow window;
    if (window.EndSignal())
        return 128 + window.EndSignal(); // asked to end while starting; ended in order already

    QTranslator toolkitTranslator;
    if (language != QLatin1String("en") &&
        !Startup::InstallTranslation(&toolkitTranslator, QStringLiteral("qt_") + language)) {
        Dialogs::critical(&window, QStringLiteral("Error loding"), QStringLiteral("qt_") + language,
                          QStringLiteral("OK"));
    }

    window.show();
    const int code = app.exec(); // 128 + the signal when the system asked the program to end
    Dialogs::install(nullptr);
    return code;
}
