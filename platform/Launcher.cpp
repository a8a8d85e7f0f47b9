#include "Launcher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

namespace Launcher {

namespace {
Recorder* gRecorder = nullptr;

bool openUrl(const QUrl& url) {
    return gRecorder ? gRecorder->openUrl(url) : QDesktopServices::openUrl(url);
}
} // namespace

void SetRecorder(Recorder* recorder) {
    gRecorder = recorder;
}

bool IsWebAddress(const QString& text) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:(?![\\\\/][^/])"));
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return true;
    // "C:\..." and "C:/..." are drive letters, not schemes; "file:" is a path in URL form.
    if (t.size() > 1 && t.at(1) == QLatin1Char(':') && t.at(0).isLetter())
        return false;
    return scheme.match(t).hasMatch() && !t.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
}

int OpenAssociated(const QString& pathOrAddress) {
    const QString text = pathOrAddress.trimmed();
    if (IsWebAddress(text))
        return openUrl(QUrl::fromUserInput(text)) ? Opened : NoAssociation;
    QString path = text;
    if (path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        path = QUrl(path).toLocalFile();
    path = QDir::fromNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists())
        return QFileInfo(info.absolutePath()).isDir() ? FileNotFound : PathNotFound;
    return openUrl(QUrl::fromLocalFile(info.absoluteFilePath())) ? Opened : NoAssociation;
}

bool StartProgram(const QString& program, const QStringList& arguments) {
    if (program.isEmpty())
        return false;
    if (gRecorder)
        return gRecorder->startProgram(program, arguments);
    return QProcess::startDetached(program, arguments);
}

} // namespace Launcher
