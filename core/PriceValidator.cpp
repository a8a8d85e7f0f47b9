#include "core/PriceValidator.h"

PriceValidator::PriceValidator(QObject* parent) : QValidator(parent) {}

QValidator::State PriceValidator::validate(QString& input, int&) const {
    // The replacement keeps the length, so the cursor stays where it was.
    input.replace(QLatin1Char(','), QLatin1Char('.'));
    if (input.isEmpty())
        return Intermediate;
    int integerDigits = 0;
    int decimals = 0;
    bool point = false;
    for (const QChar c : input) {
        if (c == QLatin1Char('.')) {
            if (point)
                return Invalid;
            point = true;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (point)
                ++decimals;
            else
                ++integerDigits;
        } else {
            return Invalid;
        }
    }
    if (integerDigits > IntegerDigits || decimals > Decimals)
        return Invalid;
    if (integerDigits == 0 && decimals == 0)
        return Intermediate; // a lone "."
    return ReadPrice(input) <= Top ? Acceptable : Intermediate;
}

bool PriceValidator::IsComplete(const QString& text) const {
    QString copy = text;
    int pos = 0;
    return validate(copy, pos) == Acceptable;
}

double PriceValidator::ReadPrice(const QString& text) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = t.toDouble(&ok); // toDouble reads "." whatever the locale
    return ok ? value : 0.0;
}
