// libFuzzer target: arbitrary bytes as a scanner file, parsed, checked against a small stock register, applied
// and undone. Besides crashes it stops on a broken promise: a count below zero, a record counted twice, or an
// undo that does not give the register back.
#include "app/Edition.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "output/UpdateLocationsData.h"

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
    QSettings().setValue(QStringLiteral("LastDBDir"), QString());
    SetEdition(Brevane);
}

QString describe(const DBItemCollection& collection) {
    QString text;
    for (const Item* item : collection)
        text += QStringLiteral("%1@%2=%3 %4;")
                    .arg(item->GetSerialno())
                    .arg(item->GetGroup())
                    .arg(item->GetNumberOfItems())
                    .arg(item->GetDate());
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = (setUp(), true);
    (void)ready;
    DBItemCollection collection(nullptr);
    collection.Groups().SetEntries(
        {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    const struct {
        const char* serial;
        int group;
        int count;
    } rows[] = {{"1", 0, 5}, {"2", 1, 0}, {"7", 1, 3}, {"7", 2, 2}, {"0042", 3, 9}, {"100042", 0, 2147483000},
                {"x", 0, 1}};
    for (const auto& row : rows) {
        auto* item = new Item;
        item->SetSerialno(QString::fromLatin1(row.serial));
        item->SetGroup(row.group);
        item->SetNumberOfItems(row.count);
        item->SetDate(QStringLiteral("01.02.2020"));
        collection.Add(item);
    }
    const QString before = describe(collection);

    UpdateLocations import;
    import.Parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    import.Check(collection);
    if (import.GoodCount() + import.ProblemCount() != import.RecordCount() ||
        import.Outcomes().size() != import.Records().size() || describe(collection) != before)
        std::abort();
    (void)import.SummaryText();
    auto undo = import.ApplyRecords(collection);
    if (!undo)
        std::abort();
    for (const Item* item : collection) {
        if (item->GetNumberOfItems() < 0)
            std::abort();
    }
    if (!undo->Restore(collection) || describe(collection) != before)
        std::abort();
    return 0;
}
