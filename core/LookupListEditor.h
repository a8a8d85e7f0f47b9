#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class DBItemCollection;
class userItemCollection;

// The editing of one lookup list (groups, locations or suppliers) while its setup dialog is open.
//
// Items store their group and location as a position in these lists, so an entry may be renamed but
// never moved: only the last entry can be deleted, and only while no item uses it. Changes are made on a
// working copy; Save() puts it into the collection and writes the current language's file; Revert() puts
// list and file back as they were when editing began.
class LookupListEditor {
public:
    enum ListKind { Groups = 1, Locations = 2, Suppliers = 3 };

    enum class Result {
        Ok,
        Unchanged,    // a rename to the name the entry already has
        NoEntry,      // no such entry
        Empty,        // an empty name (or only spaces)
        Duplicate,    // the name is already in the list
        NotStorable,  // a character the list file cannot hold; see Outcome::position
        LimitReached, // the list holds as many entries as it may
        NotLast,      // a delete of an entry that later entries follow
        InUse,        // a delete of an entry that items use; see Outcome::uses
    };
    struct Outcome {
        Result result = Result::Ok;
        int position = -1; // NotStorable: the refused character in the name
        int uses = 0;      // NotLast, InUse: the items that use the entry
        bool ok() const { return result == Result::Ok; }
    };

    // Starts editing: takes a copy of the list and of its file as they are now.
    LookupListEditor(DBItemCollection& collection, int kind);

    int Kind() const { return m_kind; }
    const QStringList& Entries() const { return m_entries; }
    int Count() const { return static_cast<int>(m_entries.size()); }
    int Limit() const;
    // The file Save() writes, in the form the user sees.
    QString FilePath() const;

    // Checks a name for the entry at index (-1 for a new entry): empty, not storable, or another entry's name.
    Outcome CheckName(const QString& name, int index) const;
    Outcome Add(const QString& name);
    Outcome Rename(int index, const QString& name);
    Outcome CheckDelete(int index) const;
    Outcome Delete(int index);
    // The items that refer to entry index by its number (suppliers are stored by name: always 0).
    int UseCount(int index) const;

    // The working copy differs from the collection's list.
    bool HasUnsavedChanges() const;
    // Whether Save() has written the file since editing began.
    bool HasSaved() const { return m_saved; }
    // Puts the working copy into the collection's list and writes the list's file. On failure the list is
    // as it was before the call, the file is untouched and *reason says why.
    bool Save(QString* reason);
    // The working copy and the collection's list back to the state when editing began, and the file too
    // when Save() wrote it. When the file cannot be put back, the list stays as that file holds it and
    // *reason says why.
    bool Revert(QString* reason);

private:
    userItemCollection& list() const;

    DBItemCollection& m_collection;
    int m_kind;
    QString m_path;
    QStringList m_original;
    std::optional<QByteArray> m_originalFile; // empty when the file did not exist
    QStringList m_entries;
    bool m_saved = false;
};
