// libFuzzer target: arbitrary bytes as the lookup-list files (groups, locations, suppliers, field
// captions) of a database's folder, read by the collection as at start-up; each list must keep to its
// limit and survive a save and a reload, and its texts must go through the XML export, every HTML form
// and the log as documents that parse as XML (FuzzChecks.h).
// The first byte chooses the edition, the rest is every list file.
#include "fuzz/FuzzChecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
QString gDir;

void setUp() {
    static int argc = 1;
    static char name[] = "fuzz_lookup_lists";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    // In memory when the system offers it: the lists are written, saved and read on every run.
    static QTemporaryDir workDir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/fuzz-XXXXXX")
                                                                           : QString());
    gDir = workDir.path();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, gDir + QStringLiteral("/settings"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnvold"));
    QCoreApplication::setApplicationName(QStringLiteral("Fuzz"));
    QSettings().setValue(QStringLiteral("Language"), QStringLiteral("dk"));
    for (const char* folder : {"groups", "location", "supplier", "fields"})
        QDir(gDir).mkdir(QLatin1String(folder));
    qputenv("DEBUGTARNVOLD", "1");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = (setUp(), true);
    (void)ready;
    const QString error =
        FuzzChecks::listsRunError(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), gDir);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        std::abort();
    }
    return 0;
}
