#include "app/Edition.h"

namespace {
int gEdition = NoEdition;
}

int Edition() {
    return gEdition;
}

void SetEdition(int edition) {
    gEdition = edition;
}

bool IsTovik() {
    return gEdition == Tovik;
}

bool IsPellin() {
    return gEdition == Pellin;
}

bool IsOstrel() {
    return gEdition == Ostrel;
}

bool IsBrevane() {
    return gEdition == Brevane;
}

int EditionFromProgramPath(const QString& programPath) {
    // The whole path counts, so a folder name can choose the edition too; the first word found wins.
    static const struct {
        const char* word;
        int edition;
    } words[] = {
        {"tovik", Tovik}, {"Brevane", Brevane}, {"Pellin", Pellin}, {"Ostrel", Ostrel}, {"Vestrum", Tovik},
    };
    for (const auto& w : words) {
        if (programPath.contains(QLatin1String(w.word), Qt::CaseInsensitive))
            return w.edition;
    }
    return NoEdition;
}

QString EditionTag() {
    switch (gEdition) {
    case Tovik:
        return QStringLiteral("TVK");
    case Pellin:
        return QStringLiteral("PLN");
    case Ostrel:
        return QStringLiteral("OSR");
    case Brevane:
        return QStringLiteral("BRV");
    default:
        return QString();
    }
}
