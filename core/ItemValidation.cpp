#include "core/ItemValidation.h"

#include "app/Edition.h"
#include "core/CountValidator.h"
#include "core/PriceValidator.h"

#include <QCoreApplication>

namespace ItemValidation {

namespace {
// %1 is the caption of the name field's label.
QString nameMissingText(int edition) {
    switch (edition) {
    case Brevane:
        return QCoreApplication::translate("ItemDialog", "Udfyld feltet '%1', før varen gemmes.");
    case Pellin:
        return QCoreApplication::translate("ItemDialog", "Udfyld feltet '%1', før billedet gemmes.");
    case Ostrel:
        return QCoreApplication::translate("ItemDialog", "Udfyld feltet '%1', før mønten gemmes.");
    default:
        return QCoreApplication::translate("ItemDialog", "Udfyld feltet '%1', før genstanden gemmes.");
    }
}

Result& fail(Result& result, Result::Kind kind, const QString& title, const QString& text) {
    result.kind = kind;
    result.title = title;
    result.text = text;
    return result;
}

QString priceBounds(const QString& caption) {
    return QCoreApplication::translate("ItemDialog", "Feltet '%1' skal være et tal fra 0 til %2.")
        .arg(caption)
        .arg(int(PriceValidator::Top));
}
} // namespace

Result Validate(Fields& fields, int edition, const Captions& captions) {
    const PriceValidator price;
    const CountValidator count;
    Result result;

    // Only the home-contents edition requires a price; the others may leave it empty.
    if (!price.IsComplete(fields.price) && edition == Tovik)
        return fail(result, Result::FieldBounds, BoundsTitle(), priceBounds(captions.price));

    if (!price.IsComplete(fields.priceToday) && edition == Tovik) {
        if (!fields.priceToday.isEmpty())
            return fail(result, Result::FieldBounds, BoundsTitle(), priceBounds(captions.priceToday));
        // An item bought recently is worth what it cost.
        fields.priceToday = fields.price;
        result.priceTodayTakesPrice = true;
    }

    if (!count.IsComplete(fields.number) && (edition == Tovik || edition == Brevane)) {
        // The bounds the field really takes: a count of 0 is refused.
        return fail(result, Result::FieldBounds, BoundsTitle(),
                    QCoreApplication::translate("ItemDialog", "Feltet '%1' skal være et helt tal fra %2 til %3.")
                        .arg(captions.number)
                        .arg(CountValidator::Bottom)
                        .arg(CountValidator::Top));
    }

    if (fields.name.isEmpty())
        return fail(result, Result::Missing, QCoreApplication::translate("ItemDialog", "Fejl"),
                    nameMissingText(edition).arg(captions.name));

    if (fields.location.isEmpty() && edition == Brevane) {
        return fail(result, Result::Missing, QCoreApplication::translate("ItemDialog", "Fejl"),
                    QCoreApplication::translate("ItemDialog", "Vælg en værdi i feltet '%1', før varen gemmes.")
                        .arg(captions.location));
    }
    return result;
}

QString Caption(const QString& labelText) {
    QString caption;
    caption.reserve(labelText.size());
    for (qsizetype i = 0; i < labelText.size(); ++i) {
        const QChar c = labelText.at(i);
        if (c == QLatin1Char('&')) {
            if (i + 1 < labelText.size() && labelText.at(i + 1) == QLatin1Char('&')) {
                caption += c;
                ++i;
            }
            continue;
        }
        caption += c;
    }
    caption = caption.trimmed();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

QString BoundsTitle() {
    return QCoreApplication::translate("ItemDialog", "Ugyldig værdi");
}

QString BoundsText(const QString& message) {
    return message + QStringLiteral("\n\n") + QCoreApplication::translate("ItemDialog", "Ret det, og prøv igen.");
}

} // namespace ItemValidation
