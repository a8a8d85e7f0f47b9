#pragma once

#include <QByteArrayView>
#include <QString>

// Reads a decimal integer the way the toolkit's text-to-number conversion does: surrounding blanks are
// allowed, an optional sign, then digits only. False (and *value untouched) for anything else or overflow.
bool ParseDecimalInt(QByteArrayView text, int* value);
bool ParseDecimalInt(const QString& text, int* value);

// Fixed-point text with the given decimals and "." as decimal point, in every locale.
QString FixedText(double value, int decimals);

// Appends the same text as FixedText to a byte buffer; used where many numbers are written.
void AppendFixed(QByteArray& out, double value, int decimals);
void AppendInt(QByteArray& out, int value);
