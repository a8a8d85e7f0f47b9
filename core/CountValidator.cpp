#include "core/CountValidator.h"

#include <QLocale>

CountValidator::CountValidator(QObject* parent) : QIntValidator(Bottom, Top, parent) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    setLocale(c);
}

bool CountValidator::IsComplete(const QString& text) const {
    QString copy = text;
    int pos = 0;
    return validate(copy, pos) == Acceptable;
}
