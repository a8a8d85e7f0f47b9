#include "tests/TestSupport.h"

#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QPrinter>
#include <QProcess>
#include <QTranslator>
#include <QtTest/QTest>

#include <sys/statvfs.h>

int TestDialogs::message(const MessageBoxRequest& request) {
    boxes << request;
    if (whileShown)
        whileShown();
    if (!answers.isEmpty()) {
        const int answer = answers.dequeue();
        return answer == Default ? request.defaultButton : answer;
    }
    // A box nobody expected must not pass quietly on its default button.
    QTest::qFail(qPrintable(QStringLiteral("unanswered box: %1 | %2").arg(request.title, request.text)), __FILE__,
                 __LINE__);
    return request.defaultButton;
}

QString TestDialogs::fileName(const FileDialogRequest& request) {
    choosers << request;
    return files.isEmpty() ? QString() : files.dequeue();
}

int TestDialogs::window(QObject* window) {
    if (!windows.isEmpty())
        return windows.dequeue()(window);
    QTest::qFail(qPrintable(QStringLiteral("undriven dialog: %1").arg(window->objectName())), __FILE__, __LINE__);
    return 0;
}

bool TestDialogs::print(QPrinter* printer, QObject*) {
    const QString path = prints.isEmpty() ? QString() : prints.dequeue();
    if (path.isEmpty())
        return false;
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return true;
}

namespace TestSupport {

void isolateSettings(const QString& appName) {
    static QTemporaryDir dir;
    QStandardPaths::setTestModeEnabled(true);
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, dir.path() + QStringLiteral("/user"));
        QSettings::setPath(format, QSettings::SystemScope, dir.path() + QStringLiteral("/system"));
    }
    QCoreApplication::setOrganizationName(QLatin1String(kOrganisationName));
    QCoreApplication::setOrganizationDomain(QLatin1String(kOrganisationDomain));
    QCoreApplication::setApplicationName(appName);
    clearSettings();
}

void installTranslation(const QString& language) {
    static auto* translator = new QTranslator;
    QCoreApplication::removeTranslator(translator);
    if (!translator->load(QStringLiteral("vestrum_") + language, QStringLiteral(VESTRUM_BINARY_DIR)))
        qWarning("translation %s not found in the build folder", qPrintable(language));
    QCoreApplication::installTranslator(translator);
}

void clearSettings() {
    Settings settings;
    settings.clear();
    settings.sync();
}

void setRegisterFolder(const QString& dir) {
    Settings().setValue(QStringLiteral("LastDBDir"), dir);
}

QString copyFixture(const QString& sourcePath, const QString& dir) {
    const QString target = dir + QLatin1Char('/') + QFileInfo(sourcePath).fileName();
    QFile::remove(target);
    QFile::copy(sourcePath, target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    return target;
}

QString copyTree(const QString& source, const QString& target) {
    QDir().mkpath(target);
    QDirIterator it(source, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString dst = target + QLatin1Char('/') + QDir(source).relativeFilePath(path);
        QDir().mkpath(it.fileInfo().isDir() ? dst : QFileInfo(dst).path());
        if (!it.fileInfo().isDir()) {
            QFile::copy(path, dst);
            QFile::setPermissions(dst, QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    return target;
}

SampleInstallation::SampleInstallation() : m_previous(QDir::currentPath()) {
    clearSettings();
    ColumnNames::Reset();
    DBItemCollection::SetModified(false);
    copyTree(sourceDir() + QStringLiteral("/data"), m_dir.path());
    QDir::setCurrent(m_dir.path());
}

SampleInstallation::~SampleInstallation() {
    QDir::setCurrent(m_previous);
}

QStringList pdfPages(const QString& pdfPath) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QStringList simplifiedLines(const QString& page) {
    QStringList lines;
    for (const QString& line : page.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << line.simplified();
    }
    return lines;
}

} // namespace TestSupport

TmpfsMount::TmpfsMount(qint64 bytes) {
    QProcess mount;
    mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                          QStringLiteral("size=%1").arg(bytes), QStringLiteral("tmpfs"), m_dir.path()});
    m_mounted = mount.waitForFinished(10000) && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
    if (!m_mounted) {
        m_error = QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
        if (m_error.isEmpty())
            m_error = mount.errorString();
    }
}

TmpfsMount::~TmpfsMount() {
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
}

bool TmpfsMount::leaveFree(qint64 bytes) {
    const QString filler = m_dir.path() + QStringLiteral("/filler");
    QFile::remove(filler);
    struct statvfs info;
    if (statvfs(QFile::encodeName(m_dir.path()).constData(), &info) != 0)
        return false;
    const qint64 fill = qint64(info.f_bavail) * qint64(info.f_frsize) - bytes;
    QFile file(filler);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QByteArray(qMax<qint64>(fill, 0), 'f')); // written, not sized: a sparse file would take no room
    return true;
}
