#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

class DBItemCollection;
class EOutStream;
class userItemCollection;

// The texts that every exported item repeats, made once per export: the group and location names and the
// column headings, already converted to ISO 8859-1 and escaped for markup.
class ExportNames {
public:
    explicit ExportNames(const DBItemCollection& collection);

    // The escaped name of a group or location; the number in decimal when the list has no such entry.
    void WriteGroup(EOutStream& out, int number) const { writeName(out, m_groups, number); }
    void WriteLocation(EOutStream& out, int number) const { writeName(out, m_locations, number); }
    // The escaped heading of a list column (the labels of the exports).
    QByteArrayView Heading(int column) const { return m_headings[static_cast<size_t>(column)]; }

    // A picture link as the escaped address a page shows: a web address as it is (one starting with "www."
    // gets "http://"), a file: URL as it is, and a path as the file: URL of its absolute path, so paths with
    // "#", "?", blanks or quotes still name their picture in a browser.
    static QByteArray PictureUrl(const QString& path);

private:
    static void writeName(EOutStream& out, const std::vector<QByteArray>& names, int number);

    std::vector<QByteArray> m_groups;
    std::vector<QByteArray> m_locations;
    std::vector<QByteArray> m_headings;
};
