#pragma once

#include <QIntValidator>

// The count field: a whole number from 1 to 100000, digits only. Group separators are refused in every
// language, so "1.000" on a Danish desktop is not taken for a thousand and then stored as nothing.
class CountValidator : public QIntValidator {
    Q_OBJECT
public:
    static constexpr int Bottom = 1;
    static constexpr int Top = 100000;

    explicit CountValidator(QObject* parent = nullptr);

    // The text is a complete count (what saving requires in Tovik and Brevane).
    bool IsComplete(const QString& text) const;
};
