#include "core/TextFilter.h"

#include "core/Item.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {
// ISO 8859-1 byte -> its folded byte: letters in lower case, accented vowels and consonants as their
// base letter, Danish and Norwegian ø as o and å as a; æ, ð, þ and ß stay letters of their own.
std::array<uchar, 256> makeFoldTable() {
    std::array<uchar, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<uchar>(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = static_cast<uchar>(c + 32);
    const auto map = [&table](int from, int to, char base) {
        for (int c = from; c <= to; ++c) {
            table[c] = static_cast<uchar>(base);
            table[c + 0x20] = static_cast<uchar>(base);
        }
    };
    map(0xC0, 0xC5, 'a'); // À..Å
    map(0xC7, 0xC7, 'c');
    map(0xC8, 0xCB, 'e');
    map(0xCC, 0xCF, 'i');
    map(0xD1, 0xD1, 'n');
    map(0xD2, 0xD6, 'o');
    map(0xD8, 0xD8, 'o'); // Ø
    map(0xD9, 0xDC, 'u');
    map(0xDD, 0xDD, 'y');
    table[0xFF] = 'y';
    for (int c : {0xC6, 0xD0, 0xDE}) // Æ Ð Þ
        table[c] = static_cast<uchar>(c + 0x20);
    return table;
}
const std::array<uchar, 256> kFold = makeFoldTable();

// One character of a typed word as a folded byte; 0 when no register text can hold it, -1 for a
// combining accent (typed apart from its letter), which is dropped like any other accent.
int foldChar(QChar typed) {
    const QChar c = typed.toLower();
    if (c.unicode() <= 0xFF)
        return kFold[c.unicode()];
    if (c.category() == QChar::Mark_NonSpacing)
        return -1;
    const QString parts = c.decomposition();
    if (!parts.isEmpty() && parts.at(0).toLower().unicode() <= 0xFF)
        return kFold[parts.at(0).toLower().unicode()];
    return 0;
}

// Whether a match at [at, at + length) lies within one text of the item, not across the end of one.
bool withinOneText(const Item* item, const char* at, qsizetype length) {
    if (!item)
        return true;
    for (int f = 0; f < Item::TextFieldCount; ++f) {
        const QByteArrayView text = item->Latin1(static_cast<Item::TextField>(f));
        const char* end = text.data() + text.size();
        if (at < end)
            return at + length <= end;
    }
    return true;
}
} // namespace

QByteArray TextFilter::Fold(const QString& text) {
    QByteArray folded;
    folded.reserve(text.size());
    for (QChar c : text) {
        const int b = foldChar(c);
        if (b >= 0)
            folded.append(static_cast<char>(b));
    }
    return folded;
}

TextFilter::TextFilter(const QString& text) {
    const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        QByteArray folded = Fold(word);
        if (folded.isEmpty() || std::find(m_words.begin(), m_words.end(), folded) != m_words.end())
            continue;
        if (m_words.size() == 64)
            break;
        m_words.push_back(folded);
    }
    // The longest word first: it rules out the most items with the fewest comparisons.
    std::stable_sort(m_words.begin(), m_words.end(),
                     [](const QByteArray& a, const QByteArray& b) { return a.size() > b.size(); });
    m_all = m_words.size() == 64 ? ~Mask(0) : (Mask(1) << m_words.size()) - 1;
}

bool TextFilter::SameWords(const TextFilter& other) const {
    return m_words == other.m_words;
}

bool TextFilter::Narrows(const TextFilter& wider) const {
    if (wider.IsEmpty())
        return true;
    if (IsEmpty())
        return false;
    // Every word of the wider filter is part of one of ours: whatever we find, it found too.
    for (const QByteArray& w : wider.m_words) {
        if (std::none_of(m_words.begin(), m_words.end(), [&w](const QByteArray& mine) { return mine.contains(w); }))
            return false;
    }
    return true;
}

bool TextFilter::contains(const QByteArray& word, QByteArrayView haystack, const Item* item) const {
    const qsizetype length = word.size();
    if (length > haystack.size())
        return false;
    // A folded '\0' in a word is a character no register text holds.
    const auto* w = reinterpret_cast<const uchar*>(word.constData());
    const auto* h = reinterpret_cast<const uchar*>(haystack.data());
    const uchar first = w[0];
    if (first == 0)
        return false;
    const qsizetype last = haystack.size() - length;
    for (qsizetype i = 0; i <= last; ++i) {
        if (kFold[h[i]] != first)
            continue;
        qsizetype k = 1;
        while (k < length && kFold[h[i + k]] == w[k])
            ++k;
        if (k == length && withinOneText(item, haystack.data() + i, length))
            return true;
    }
    return false;
}

TextFilter::Mask TextFilter::WordsIn(QByteArrayView latin1) const {
    Mask found = 0;
    for (size_t i = 0; i < m_words.size(); ++i) {
        if (contains(m_words[i], latin1, nullptr))
            found |= Mask(1) << i;
    }
    return found;
}

TextFilter::Mask TextFilter::WordsIn(const QString& text) const {
    return WordsIn(QByteArrayView(text.toLatin1()));
}

bool TextFilter::Matches(const Item& item, Mask found) const {
    // The shown texts lie in three runs of the item's block: name to address, the web address, and
    // the product type (picture, receipt and document links lie between them).
    const QByteArrayView first = item.Latin1(Item::Name);
    const QByteArrayView address = item.Latin1(Item::Address);
    const QByteArrayView runs[3] = {
        QByteArrayView(first.data(), address.data() + address.size() - first.data()),
        item.Latin1(Item::Www),
        item.Latin1(Item::Producttype),
    };
    for (size_t i = 0; i < m_words.size(); ++i) {
        if (found & (Mask(1) << i))
            continue;
        const QByteArray& word = m_words[i];
        if (!contains(word, runs[0], &item) && !contains(word, runs[1], nullptr) && !contains(word, runs[2], nullptr))
            return false;
    }
    return true;
}
