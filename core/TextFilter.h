#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

class Item;

// The rule of the list's filter: an item matches when every typed word occurs in one of its texts,
// ignoring case and accents ("kobenhavn" finds "København", "e" finds "é"; "ae" does not find "æ").
// The words are folded once; the item texts are ISO 8859-1 and are folded byte by byte through a table
// while they are searched, so nothing is copied per item.
class TextFilter {
public:
    // One bit per word; words beyond the 64th are not looked for.
    using Mask = quint64;

    TextFilter() = default;
    explicit TextFilter(const QString& text);

    bool IsEmpty() const { return m_words.empty(); }
    int WordCount() const { return static_cast<int>(m_words.size()); }
    Mask AllWords() const { return m_all; }
    // True when every item this filter matches is also matched by `wider` (the words only grew).
    bool Narrows(const TextFilter& wider) const;
    bool SameWords(const TextFilter& other) const;

    // The words that occur in a text (bit i for word i).
    Mask WordsIn(QByteArrayView latin1) const;
    Mask WordsIn(const QString& text) const;
    // True when every word not already in `found` occurs in one of the item's shown texts (the file
    // links are left out: their folders would match nearly everything).
    bool Matches(const Item& item, Mask found = 0) const;
    bool Matches(const QString& text) const { return WordsIn(text) == m_all; }

    // The text as the filter compares it: lower case, accents dropped, as ISO 8859-1 where a character
    // has no such form ('\0' stands for a character that no register text can hold).
    static QByteArray Fold(const QString& text);

private:
    bool contains(const QByteArray& word, QByteArrayView haystack, const Item* item) const;

    std::vector<QByteArray> m_words;
    Mask m_all = 0;
};
