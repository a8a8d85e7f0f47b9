#pragma once

#include <QValidator>

// The price fields: 0.0 to 9999999.0 with at most two decimals, written with "." as decimal point as the
// database file writes them, whatever the language of the desktop. A "," typed as decimal point is taken
// as ".", so a Danish user can type 12,50 and gets 12.50 (never 1250).
class PriceValidator : public QValidator {
    Q_OBJECT
public:
    static constexpr double Top = 9999999.0;
    static constexpr int Decimals = 2;
    static constexpr int IntegerDigits = 7;

    explicit PriceValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
    // The text is a complete price (what saving requires).
    bool IsComplete(const QString& text) const;

    // The value of a price field; a "," counts as ".". 0 when the text is not a number.
    static double ReadPrice(const QString& text);
};
