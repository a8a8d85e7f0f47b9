#include "platform/Launcher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

#ifdef Q_OS_LINUX
#include <sys/vfs.h>
#endif

namespace Launcher {

namespace {
Recorder* gRecorder = nullptr;

bool openUrl(const QUrl& url) {
    return gRecorder ? gRecorder->openUrl(url) : QDesktopServices::openUrl(url);
}

bool startProgram(const QString& program, const QStringList& arguments) {
    if (program.isEmpty())
        return false;
    if (gRecorder)
        return gRecorder->startProgram(program, arguments);
    return QProcess::startDetached(program, arguments);
}

void refuse(Refusal* why, Refusal reason) {
    if (why)
        *why = reason;
}

// "https:", "mailto:", "javascript:" ... but not a drive letter ("C:\", "C:/").
bool hasScheme(const QString& text) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    if (text.size() > 1 && text.at(1) == QLatin1Char(':') && text.at(0).isLetter())
        return text.size() > 2 && text.at(2) != QLatin1Char('\\') && text.at(2) != QLatin1Char('/');
    return scheme.match(text).hasMatch();
}

// An address given to a browser or mail program: http and https with a host, mailto with a recipient and no
// request to attach files (mail programs attach a local file named there without asking).
bool isAllowedAddress(const QUrl& url) {
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return !url.host().isEmpty();
    if (scheme != QLatin1String("mailto") || url.path().isEmpty())
        return false;
    const auto items = QUrlQuery(url).queryItems();
    for (const auto& item : items) {
        if (item.first.startsWith(QLatin1String("attach"), Qt::CaseInsensitive))
            return false;
    }
    return true;
}

// Which of the text's kinds it is: an address (url set, path empty) or a local path (file: URLs become one).
struct Target {
    QUrl url;
    QString path;
    bool isAddress = false;
};

Target targetOf(const QString& text) {
    Target target;
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        target.isAddress = true;
        target.url = QUrl::fromUserInput(text);
    } else if (text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        target.path = QUrl(text).toLocalFile();
    } else if (hasScheme(text)) {
        target.isAddress = true;
        target.url = QUrl(text);
    } else {
        target.path = QDir::fromNativeSeparators(text);
    }
    return target;
}

// File systems that show every file as executable, so there the bit says nothing about the file.
bool keepsPermissions(const QString& path) {
#ifdef Q_OS_LINUX
    struct statfs info;
    if (::statfs(QFile::encodeName(path).constData(), &info) != 0)
        return true;
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0x4d44UL:     // FAT
    case 0x2011BAB0UL: // exFAT
    case 0x5346544eUL: // NTFS
    case 0x7366746eUL: // NTFS (ntfs3)
    case 0x65735546UL: // FUSE (ntfs-3g, exfat-fuse)
    case 0xFF534D42UL: // CIFS
    case 0xFE534D42UL: // SMB2
    case 0x517BUL:     // SMB
    case 0x9660UL:     // ISO 9660
    case 0x15013346UL: // UDF
    case 0x786f4256UL: // VirtualBox shared folder
        return false;
    default:
        return true;
    }
#else
    Q_UNUSED(path);
    return true;
#endif
}

bool hasProgramSuffix(const QFileInfo& info) {
    static const QStringList suffixes = {
        QStringLiteral("desktop"), QStringLiteral("appimage"), QStringLiteral("sh"),  QStringLiteral("bash"),
        QStringLiteral("csh"),     QStringLiteral("zsh"),      QStringLiteral("ksh"), QStringLiteral("run"),
        QStringLiteral("command"), QStringLiteral("app"),      QStringLiteral("jar"), QStringLiteral("exe"),
        QStringLiteral("com"),     QStringLiteral("bat"),      QStringLiteral("cmd"), QStringLiteral("msi"),
        QStringLiteral("msp"),     QStringLiteral("scr"),      QStringLiteral("pif"), QStringLiteral("cpl"),
        QStringLiteral("lnk"),     QStringLiteral("url"),      QStringLiteral("scf"), QStringLiteral("hta"),
        QStringLiteral("ps1"),     QStringLiteral("psm1"),     QStringLiteral("vbs"), QStringLiteral("vbe"),
        QStringLiteral("js"),      QStringLiteral("jse"),      QStringLiteral("wsf"), QStringLiteral("wsh"),
        QStringLiteral("reg"),     QStringLiteral("inf"),      QStringLiteral("msc")};
    return suffixes.contains(info.suffix(), Qt::CaseInsensitive);
}

// A binary (ELF, PE), a script with an interpreter line or a desktop entry, whatever its name.
bool hasProgramContent(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(64);
    if (head.startsWith("\x7f"
                        "ELF") ||
        head.startsWith("#!") || head.startsWith("MZ"))
        return true;
    if (head.trimmed().startsWith("[Desktop Entry]"))
        return true;
    // What the desktop itself would take the file for.
    static const char* const programTypes[] = {
        "application/x-executable",   "application/x-sharedlib",   "application/x-pie-executable",
        "application/x-shellscript",  "application/x-desktop",     "application/x-ms-dos-executable",
        "application/x-msdownload",   "application/x-msi",         "application/vnd.appimage",
        "application/x-java-archive", "application/x-ms-shortcut", "application/x-executable-script"};
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    for (const char* name : programTypes) {
        if (type.inherits(QLatin1String(name)))
            return true;
    }
    return false;
}

bool isProgramFile(const QFileInfo& info) {
    // A folder opens in the file manager, except an application bundle, which starts.
    if (info.isDir())
        return info.suffix().compare(QLatin1String("app"), Qt::CaseInsensitive) == 0;
    if (hasProgramSuffix(info))
        return true;
    if (!info.isFile())
        return false; // a device or a pipe is refused elsewhere; reading it could block
#ifndef Q_OS_WIN
    const QFile::Permissions anyExecute = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    if ((info.permissions() & anyExecute) && keepsPermissions(info.absoluteFilePath()))
        return true;
#endif
    return hasProgramContent(info.absoluteFilePath());
}

// True when a file or folder would run as a program when opened: a desktop entry, a script, a binary, a file
// marked executable, an application bundle or a Windows program or shortcut. A link counts by its own name
// and by what it points to.
bool isProgram(const QString& path) {
    const QFileInfo info(path);
    if (isProgramFile(info))
        return true;
    const QString target = info.canonicalFilePath();
    return info.isSymLink() && !target.isEmpty() && isProgramFile(QFileInfo(target));
}
} // namespace

void SetRecorder(Recorder* recorder) {
    gRecorder = recorder;
}

QString ViewerArgument(const QString& text, Refusal* why) {
    refuse(why, Refusal::None);
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('-'))) {
        refuse(why, Refusal::Option);
        return QString();
    }
    const Target target = targetOf(t);
    if (target.isAddress) {
        if (!isAllowedAddress(target.url)) {
            refuse(why, Refusal::Address);
            return QString();
        }
        return target.url.toString(QUrl::FullyEncoded);
    }
    if (target.path.isEmpty() || !QDir::isAbsolutePath(target.path)) {
        refuse(why, Refusal::NotAbsolute);
        return QString();
    }
    const QFileInfo info(QDir::cleanPath(target.path));
    if (!info.exists()) {
        refuse(why, Refusal::Missing);
        return QString();
    }
    if (!info.isFile()) {
        refuse(why, Refusal::NotAFile);
        return QString();
    }
    if (isProgram(info.filePath())) {
        refuse(why, Refusal::Program);
        return QString();
    }
    return QDir::toNativeSeparators(info.filePath());
}

int OpenAssociated(const QString& pathOrAddress, Refusal* why) {
    refuse(why, Refusal::None);
    const Target target = targetOf(pathOrAddress.trimmed());
    if (target.isAddress) {
        if (!isAllowedAddress(target.url)) {
            refuse(why, Refusal::Address);
            return Refused;
        }
        return openUrl(target.url) ? Opened : NoAssociation;
    }
    // A relative path is read against the working directory, where the shipped samples' links point; the
    // desktop gets it as an absolute file URL, which no program can take for an option.
    const QFileInfo info(target.path);
    if (target.path.isEmpty() || !info.exists())
        return QFileInfo(info.absolutePath()).isDir() ? FileNotFound : PathNotFound;
    if (!info.isFile() && !info.isDir()) {
        refuse(why, Refusal::NotAFile);
        return Refused;
    }
    if (isProgram(info.absoluteFilePath())) {
        refuse(why, Refusal::Program);
        return Refused;
    }
    return openUrl(QUrl::fromLocalFile(QDir::cleanPath(info.absoluteFilePath()))) ? Opened : NoAssociation;
}

int StartViewer(const QString& program, const QString& text, Refusal* why) {
    const QString argument = ViewerArgument(text, why);
    if (argument.isEmpty())
        return Refused;
    return startProgram(program, {argument}) ? Opened : NotStarted;
}

} // namespace Launcher
