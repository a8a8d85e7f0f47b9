// Takes the picture of an edition's main window that the desktop's software centres show (desktop/screenshots):
//   QT_QPA_PLATFORM=offscreen vestrum_screenshot EDITION LANGUAGE INSTALLATION_DIR OUT.png
// The window is the program's own, on a copy of the installation's sample register, at 1024 x 768.
#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "app/UserFolder.h"
#include "bench/BenchDialogs.h"
#include "core/Dialogs.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/Startup.h"
#include "mainwindow/vestrumwindow.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

bool copyTree(const QString& source, const QString& to) {
    const QString from = QDir(source).absolutePath();
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(file, target))
            return false;
    }
    return true;
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: vestrum_screenshot EDITION LANGUAGE INSTALLATION_DIR OUT.png\n");
        return 2;
    }
    QApplication app(argc, argv);
    const int edition = EditionFromProgramPath(QString::fromLocal8Bit(argv[1]));
    const QString language = QString::fromLocal8Bit(argv[2]);
    if (edition == NoEdition) {
        std::fprintf(stderr, "vestrum_screenshot: unknown edition %s\n", argv[1]);
        return 2;
    }
    // Taken before the working directory moves to the copy.
    const QString out = QFileInfo(QString::fromLocal8Bit(argv[4])).absoluteFilePath();
    SetEdition(edition);
    Startup::SetApplicationIdentity();
    QTemporaryDir settingsDir;
    QTemporaryDir work;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    Settings().setValue(QStringLiteral("Language"), language);
    if (!copyTree(QString::fromLocal8Bit(argv[3]), work.path())) {
        std::fprintf(stderr, "vestrum_screenshot: cannot copy %s\n", argv[3]);
        return 1;
    }
    QDir::setCurrent(work.path());
    UserFolder::SetInstallationDir(work.path());
    BenchDialogs dialogs; // a box would wait for a person: it is said and its default taken
    Dialogs::install(&dialogs);
    QTranslator translator;
    Startup::InstallTranslation(&translator, QStringLiteral("vestrum_") + language);

    int code = 0;
    {
        MainWindow window;
        window.resize(1024, 768);
        window.show();
        if (auto* list = window.findChild<ItemListView*>())
            list->expandAll();
        // The status bar's totals follow a moment after the list is filled.
        QEventLoop settle;
        QTimer::singleShot(500, &settle, &QEventLoop::quit);
        settle.exec();
        if (!window.grab().save(out)) {
            std::fprintf(stderr, "vestrum_screenshot: cannot write %s\n", argv[4]);
            code = 1;
        }
    }
    Dialogs::install(nullptr);
    return code;
}
