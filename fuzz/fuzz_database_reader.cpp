// libFuzzer target: arbitrary bytes through the database reader of every edition.
// The first byte chooses the edition, the rest is the file.
#include "app/Edition.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {
void setUp() {
    static int argc = 1;
    static char name[] = "fuzz_database_reader";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnvold"));
    QCoreApplication::setApplicationName(QStringLiteral("Fuzz"));
    // No lists and no lock: only the reader is exercised.
    QSettings().setValue(QStringLiteral("LastDBDir"), QString());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = (setUp(), true);
    (void)ready;
    if (size == 0)
        return 0;
    static const int editions[] = {Tovik, Pellin, Ostrel, Brevane};
    SetEdition(editions[data[0] % 4]);
    DBItemCollection collection(nullptr);
    collection.LoadFromBuffer(QByteArrayView(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1)));
    // What was read must be writable and readable again without a complaint.
    for (const Item* item : collection) {
        (void)item->ToDebugText();
        (void)item->GetDateAsDate();
    }
    return 0;
}
