#pragma once

#include <QValidator>

// The text fields of an item. The database file is ISO 8859-1 and separates its fields with ";", so a
// field takes at most 199 characters, no ";", no line break, and only characters the file can hold:
// anything else would be stored as "?" without a word. Refused text is left as it was.
//
// When more than one character arrives at once (a paste or a drop) and one of them cannot be stored,
// characterRefused() names it, so the field's window can say why nothing happened; a single typed
// character is refused quietly, as ";" always was.
class Latin1Validator : public QValidator {
    Q_OBJECT
public:
    static constexpr int DefaultMaxLength = 199;

    explicit Latin1Validator(QObject* parent = nullptr, int maxLength = DefaultMaxLength);

    State validate(QString& input, int& pos) const override;

    // The position of the first character a field cannot hold, or -1.
    static int FirstRefused(const QString& text);
    // The character at that position for a message: "€" (U+20AC); a control character by its code only.
    static QString Describe(const QString& text, int position);

signals:
    // text is the refused text; position the character that cannot be stored.
    void characterRefused(const QString& text, int position) const;

private:
    int m_maxLength;
    // The last text let through, to tell a paste from a typed character.
    mutable QString m_accepted;
};
