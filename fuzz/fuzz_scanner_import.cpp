// libFuzzer target: arbitrary bytes as a scanner file, parsed, checked against a small stock register, applied
// and undone. Besides crashes it stops on a broken promise: a count below zero, a record counted twice, or an
// undo that does not give the register back.
#include "fuzz/FuzzChecks.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {
void setUp() {
    static int argc = 1;
    static char name[] = "fuzz_scanner_import";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnvold"));
    QCoreApplication::setApplicationName(QStringLiteral("Fuzz"));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = (setUp(), true);
    (void)ready;
    if (!FuzzChecks::scannerRunError(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size))).isEmpty())
        std::abort();
    return 0;
}
