#include "ItemValidation.h"

#include "../app/Edition.h"
#include "CountValidator.h"
#include "PriceValidator.h"

#include <QCoreApplication>

namespace ItemValidation {

namespace {
QString nameMissingText(int edition) {
    switch (edition) {
    case Brevane:
        return QCoreApplication::translate("ItemDialog", "BrevaneNameMissing");
    case Pellin:
        return QCoreApplication::translate("ItemDialog", "PellinNameMissing");
    case Ostrel:
        return QCoreApplication::translate("ItemDialog", "OstrelNameMissing");
    default:
        return QCoreApplication::translate("ItemDialog", "TovikNameMissing");
    }
}

Result& fail(Result& result, Result::Kind kind, const QString& title, const QString& text) {
    result.kind = kind;
    result.title = title;
    result.text = text;
    return result;
}
} // namespace

Result Validate(Fields& fields, int edition, const QString& locationHeading) {
    const PriceValidator price;
    const CountValidator count;
    const int top = static_cast<int>(PriceValidator::Top);
    Result result;

    // Only the home-contents edition requires a price; the others may leave it empty.
    if (!price.IsComplete(fields.price) && edition == Tovik) {
        return fail(result, Result::FieldBounds, BoundsTitle(),
                    QCoreApplication::translate("ItemDialog", "'Købspris' skal være: 0.0 -> %1").arg(top));
    }

    if (!price.IsComplete(fields.priceToday) && edition == Tovik) {
        if (!fields.priceToday.isEmpty()) {
            return fail(result, Result::FieldBounds, BoundsTitle(),
                        QCoreApplication::translate("ItemDialog", "'Vurderet pris' skal være: 0.0 -> %1").arg(top));
        }
        // An item bought recently is worth what it cost.
        fields.priceToday = fields.price;
        result.priceTodayTakesPrice = true;
    }

    if (!count.IsComplete(fields.number) && (edition == Tovik || edition == Brevane)) {
        return fail(result, Result::FieldBounds, BoundsTitle(),
                    QCoreApplication::translate("ItemDialog", "'Antal' skal være i intervalet: 0 -> %1")
                        .arg(CountValidator::Top));
    }

    if (fields.name.isEmpty())
        return fail(result, Result::Missing, QCoreApplication::translate("ItemDialog", "Fejl"),
                    nameMissingText(edition));

    if (fields.location.isEmpty() && edition == Brevane) {
        return fail(result, Result::Missing, QCoreApplication::translate("ItemDialog", "Fejl"),
                    QCoreApplication::translate("ItemDialog", "BrevaneItemTypeHasNotBeenSelected") + locationHeading);
    }
    return result;
}

QString BoundsTitle() {
    return QCoreApplication::translate("ItemDialog", "Felt grænseværdi fejl");
}

QString BoundsText(const QString& message) {
    return message + QStringLiteral("\n\n") + QCoreApplication::translate("ItemDialog", "Ret det !");
}

} // namespace ItemValidation
