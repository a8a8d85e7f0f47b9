#include "mainwindow/ExternalViewers.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/ExportPaths.h"
#include "app/UserFolder.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "platform/Launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QShortcut>
#include <QWidget>

namespace ExternalViewers {

void ReportRefused(const QString& text, Launcher::Refusal why) {
    const char* key = nullptr;
    switch (why) {
    case Launcher::Refusal::None:
        return;
    case Launcher::Refusal::Option:
        key = QT_TRANSLATE_NOOP("ExternalViewers", "LAUNCH_REFUSED_OPTION");
        break;
    case Launcher::Refusal::NotAbsolute:
        key = QT_TRANSLATE_NOOP("ExternalViewers", "LAUNCH_REFUSED_NOT_ABSOLUTE");
        break;
    case Launcher::Refusal::Missing:
        key = QT_TRANSLATE_NOOP("ExternalViewers", "LAUNCH_REFUSED_MISSING");
        break;
    case Launcher::Refusal::NotAFile:
        key = QT_TRANSLATE_NOOP("ExternalViewers", "LAUNCH_REFUSED_NOT_A_FILE");
        break;
    case Launcher::Refusal::Program:
        key = QT_TRANSLATE_NOOP("ExternalViewers", "LAUNCH_REFUSED_PROGRAM");
        break;
    case Launcher::Refusal::Address:
        key = QT_TRANSLATE_NOOP("ExternalViewers", "LAUNCH_REFUSED_ADDRESS");
        break;
    }
    Dialogs::critical(nullptr, QCoreApplication::translate("ExternalViewers", "Fejl"),
                      QCoreApplication::translate("ExternalViewers", key).arg(text.trimmed()));
}

void OpenWithAssociated(const QString& path) {
    if (path.isEmpty())
        return;
    Launcher::Refusal why = Launcher::Refusal::None;
    const int result = Launcher::OpenAssociated(path, &why);
    if (result == Launcher::Opened)
        return;
    if (result == Launcher::Refused) {
        ReportRefused(path, why);
        return;
    }
    MessageBoxRequest box;
    box.title = QCoreApplication::translate("MainWindow", "Tarnvold program error");
    // A missing file is no missing program: the box gives the reason that applies.
    if (result == Launcher::NoAssociation)
        box.text =
            QCoreApplication::translate("MainWindow", "Ingen program associeret med filer af denne type %1").arg(path);
    else
        box.text = QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + ReasonText(result);
    box.buttons << QCoreApplication::translate("MainWindow", "&Ja");
    Dialogs::message(box);
}

QString ReasonText(int code) {
    switch (code) {
    case 0:
        return QCoreApplication::translate("MainWindow", "The operating system is out of memory or resources.");
    case 2:
        return QCoreApplication::translate("MainWindow",
                                           "The specified file was not found (please, check write permissions).");
    case 3:
        return QCoreApplication::translate("MainWindow", "The specified path was not found.");
    case 26:
        return QCoreApplication::translate("MainWindow", "A sharing violation occurred.");
    case 27:
        return QCoreApplication::translate("MainWindow", "The file name association is incomplete or invalid.");
    case 31:
        return QCoreApplication::translate(
            "MainWindow", "There is no application associated with the given file name extension. This error will also "
                          "be returned if you attempt to print a file that is not printable.");
    case 32:
        return QCoreApplication::translate("MainWindow", "The specified DLL was not found.");
    default:
        return QString();
    }
}

bool OpenFile(const QString& name, const QString& suffix, bool direct) {
    const QString path =
        direct ? name + suffix : UserFolder::InstallationDir() + QStringLiteral("/help/") + name + suffix;
    Launcher::Refusal why = Launcher::Refusal::None;
    const int result = Launcher::OpenAssociated(path, &why);
    if (result == Launcher::Opened)
        return true;
    if (result == Launcher::Refused) {
        ReportRefused(path, why);
        return false;
    }
    Dialogs::critical(nullptr, QCoreApplication::translate("MainWindow", "HTML fejl"),
                      QCoreApplication::translate("MainWindow", "Could not display help (%1), error: %2")
                          .arg(QDir::toNativeSeparators(path), ReasonText(result)),
                      QCoreApplication::translate("MainWindow", "OK"));
    return false;
}

void ReportProgramNotFound(const QString& program, const QString& path) {
    if (program.isEmpty())
        return;
    Dialogs::critical(nullptr, QCoreApplication::translate("MainWindow", "Fejl"),
                      QCoreApplication::translate(
                          "MainWindow",
                          "Program (%1) ikke fundet.\nHint: Vælg ønsket program til at vise aktuelle fil type,\nvia "
                          "Opsætning menu.\nKalder istedet program associeret med filen %2")
                          .arg(program, path),
                      QCoreApplication::translate("MainWindow", "&Ok"));
}

void ShowItemAsHtml(DBItemCollection& collection, const Item& item) {
    const QString file = ExportPaths::ViewerFile(QStringLiteral("CurrentItem"), QStringLiteral(".htm"));
    if (collection.WriteHtml(file, false, &item, false))
        OpenFile(file, QString(), true);
}

void ShowWithProgram(const QString& program, const QString& path) {
    if (path.isEmpty())
        return;
    if (!program.isEmpty()) {
        // A text the viewer must not get runs nothing at all, not even through the desktop.
        Launcher::Refusal why = Launcher::Refusal::None;
        const int result = Launcher::StartViewer(program, path, &why);
        if (result == Launcher::Opened)
            return;
        if (result == Launcher::Refused) {
            ReportRefused(path, why);
            return;
        }
    }
    ReportProgramNotFound(program, path);
    OpenWithAssociated(path);
}

QString HelpPage() {
    const QString language = GetLanguage();
    if (IsPellin())
        return QStringLiteral("HelpPellin.%1.htm").arg(language);
    if (IsOstrel())
        return QStringLiteral("HelpOstrel.%1.htm").arg(language);
    return QStringLiteral("index.%1.htm").arg(language);
}

QString TutorialPage() {
    const QString language = GetLanguage();
    if (IsPellin())
        return QStringLiteral("GettingStarted.Pellin.%1.htm").arg(language);
    if (IsOstrel())
        return QStringLiteral("GettingStarted.Ostrel.%1.htm").arg(language);
    if (IsBrevane())
        return QStringLiteral("GettingStarted.Brevane.%1.htm").arg(language);
    return QStringLiteral("GettingStarted.%1.htm").arg(language);
}

QString ErrorHandlingPage() {
    return QStringLiteral("ErrorHandling.%1.htm").arg(GetLanguage());
}

QString LinksPage() {
    const QString language = GetLanguage();
    if (IsPellin())
        return QStringLiteral("Pellinlinks.%1.htm").arg(language);
    if (IsOstrel())
        return QStringLiteral("Ostrellinks.%1.htm").arg(language);
    return QStringLiteral("TovikLinksAndReferences.%1.htm").arg(language);
}

QString ReportPage() {
    return QStringLiteral("ReportDialog.%1.htm").arg(GetLanguage());
}

QString LabelSetupPage() {
    return QStringLiteral("LabelSetupDialog.%1.htm").arg(GetLanguage());
}

void SetHelpPage(QWidget* window, const QString& page) {
    window->setProperty("helpPage", page);
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(key, &QShortcut::activated, window, [window] { OpenHelpOf(window); });
}

void OpenHelpOf(const QWidget* window) {
    OpenFile(window->property("helpPage").toString(), QString(), false);
}

QString ReleaseNotes(bool* isHelpPage) {
    const QString language = GetLanguage();
    *isHelpPage = false;
    if (IsTovik()) {
        *isHelpPage = true;
        return QStringLiteral("releasenotes.Tovik.%1.htm").arg(language);
    }
    if (IsBrevane()) {
        *isHelpPage = true;
        return QStringLiteral("releasenotes.Brevane.%1.htm").arg(language);
    }
    QString file;
    if (IsOstrel())
        file = QStringLiteral("releasenotes.Ostrel.%1.txt");
    else if (IsPellin())
        file = QStringLiteral("releasenotes.Pellin.%1.txt");
    else if (IsBrevane())
        file = QStringLiteral("releasenotes.Brevane.%1.txt");
    else
        file = QStringLiteral("releasenotes.%1.txt");
    return UserFolder::InstallationDir() + QStringLiteral("/help/") + file.arg(language);
}

} // namespace ExternalViewers
