// libFuzzer target: arbitrary bytes through the database reader of every edition, and whatever it read
// through the XML export, every HTML form and the log, each of which must parse as XML (FuzzChecks.h).
// The first byte chooses the edition, the rest is the file.
#include "fuzz/FuzzChecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
QString gLogPath;

void setUp() {
    static int argc = 1;
    static char name[] = "fuzz_database_reader";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    // In memory when the system offers it: the log is written and read back on every run.
    static QTemporaryDir workDir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/fuzz-XXXXXX")
                                                                           : QString());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, workDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnvold"));
    QCoreApplication::setApplicationName(QStringLiteral("Fuzz"));
    // No lists and no lock: the reader and the writers are exercised.
    qputenv("DEBUGTARNVOLD", "1");
    gLogPath = workDir.filePath(QStringLiteral("log.xml"));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = (setUp(), true);
    (void)ready;
    const QString error =
        FuzzChecks::databaseRunError(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), gLogPath);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        std::abort();
    }
    return 0;
}
