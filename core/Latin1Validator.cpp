#include "core/Latin1Validator.h"

namespace {
bool refused(QChar c) {
    return c.unicode() > 0xFF || c == QLatin1Char(';') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// The length of what was inserted into `before` to give `after`: what lies between their common start
// and their common end.
qsizetype insertedLength(const QString& before, const QString& after) {
    qsizetype prefix = 0;
    const qsizetype shorter = qMin(before.size(), after.size());
    while (prefix < shorter && before.at(prefix) == after.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;
    return after.size() - prefix - suffix;
}
} // namespace

Latin1Validator::Latin1Validator(QObject* parent, int maxLength) : QValidator(parent), m_maxLength(maxLength) {}

QValidator::State Latin1Validator::validate(QString& input, int&) const {
    const int position = FirstRefused(input);
    if (position >= 0) {
        if (insertedLength(m_accepted, input) > 1)
            emit characterRefused(input, position);
        return Invalid;
    }
    if (input.size() > m_maxLength)
        return Invalid;
    m_accepted = input;
    return Acceptable;
}

int Latin1Validator::FirstRefused(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (refused(text.at(i)))
            return static_cast<int>(i);
    }
    return -1;
}

QString Latin1Validator::Describe(const QString& text, int position) {
    if (position < 0 || position >= text.size())
        return QString();
    char32_t code = text.at(position).unicode();
    QString character = text.mid(position, 1);
    if (text.at(position).isHighSurrogate() && position + 1 < text.size() && text.at(position + 1).isLowSurrogate()) {
        code = QChar::surrogateToUcs4(text.at(position), text.at(position + 1));
        character = text.mid(position, 2);
    }
    const QString number =
        QStringLiteral("U+%1").arg(static_cast<uint>(code), code > 0xFFFF ? 5 : 4, 16, QLatin1Char('0')).toUpper();
    if (code < 0x20)
        return number;
    return QStringLiteral("\"%1\" (%2)").arg(character, number);
}
