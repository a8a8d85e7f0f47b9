#pragma once

#include <QString>
#include <QStringList>

// An ordered list of names whose position is the number: a group or location number is an index into
// such a list. The files are ISO 8859-1, one entry per line; empty lines are entries too.
class userItemCollection {
public:
    enum Kind { OtherList = 0, GroupsList = 1, LocationsList = 2 };

    userItemCollection() = default;

    void SetKind(int kind) { m_kind = kind; }
    int Kind() const { return m_kind; }
    void SetLimit(int limit) { m_limit = limit; }
    int Limit() const { return m_limit; }

    int Count() const { return static_cast<int>(m_entries.size()); }
    QStringList::const_iterator begin() const { return m_entries.cbegin(); }
    QStringList::const_iterator end() const { return m_entries.cend(); }
    const QStringList& Entries() const { return m_entries; }

    bool Contains(const QString& text) const { return m_entries.contains(text); }
    int IndexOf(const QString& text) const { return static_cast<int>(m_entries.indexOf(text)); }
    void Append(const QString& text) { m_entries.append(text); }
    void Clear() { m_entries.clear(); }
    void SetEntries(const QStringList& entries) { m_entries = entries; }

    // The entry, or an empty text beyond the end.
    QString Entry(int number) const;
    // The entry, or the number in decimal when the list has no such entry (printed lists and pages).
    QString NameOrNumber(int number) const;
    // The entry without its "&" shortcut marks; the stored entry loses them too.
    QString Caption(int number);

    // Reads at most limit + 1 entries; false (entries unchanged) when the file cannot be opened.
    bool LoadFromFile(const QString& path);
    // Writes every entry followed by CR LF. On failure the old file is left as it was, nothing is shown,
    // and LastError() says why.
    bool SaveToFile(const QString& path);
    QString LastError() const { return m_lastError; }

private:
    int m_kind = OtherList;
    int m_limit = 15;
    QStringList m_entries;
    QString m_lastError;
};
