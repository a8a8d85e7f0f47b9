#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUndoCommand>

#include <memory>
#include <vector>

class DBItemCollection;
class Item;
class QObject;

// One line of a scanner file. The fields are kept as written; what they mean is decided by the check.
struct LocationRecord {
    // The kinds as the scanner writes them: "S" with a count splits, "I" adds or takes stock, "S" without a
    // count sets the location, "F" moves pieces between locations.
    enum Kind { NoKind = -1, Split = 0, Count = 1, SetLocation = 2, Move = 3 };

    int line = 0; // 1-based line number in the file
    int kind = NoKind;
    int fieldCount = 0;
    QString kindText; // the first field
    QString location1;
    QString location2; // moves only
    QString inventoryId;
    QString count;
};

// What the check found for one record: its effect, or the problem that keeps it from being applied.
struct LocationOutcome {
    bool ok = false;
    QString text;     // the effect ("Lager 1 → Butik: 3 af 12") or the problem
    QString number;   // the inventory number without its leading zeros, when it is one
    QString itemName; // the item the record names, when it was found
};

class LocationImportUndo;

// The stock movements of one scanner file: read whole, parsed, checked against the collection as it would be
// after the records before each one (a simulation on copies, in file order), then applied in one step or not
// at all. A record with a problem changes nothing, also in the simulation, so the good records alone give
// exactly the state that was checked.
class UpdateLocations {
    Q_DECLARE_TR_FUNCTIONS(UpdateLocations)
public:
    UpdateLocations();
    ~UpdateLocations();
    UpdateLocations(const UpdateLocations&) = delete;
    UpdateLocations& operator=(const UpdateLocations&) = delete;

    // Asks for the scanner file, starting in the register's folder in Brevane; an empty text when the user
    // cancelled.
    static QString AskLocationFile(QObject* parent, const QString& registerFolder);

    // Reads and parses the file; a box says why when it does not exist or cannot be read.
    bool ParseLocationFile(const QString& path);
    // Parses bytes already read (ISO 8859-1). Blank lines and the final line end are not records.
    void Parse(const QByteArray& data);
    // Checks every record against the collection; the collection is not changed.
    void Check(const DBItemCollection& collection, const QDateTime& now = QDateTime::currentDateTime());

    // Changes the collection as checked: every good record, in one step, and marks it modified. Records with
    // problems are left out (the caller has asked the user about them). Answers the undo of the whole import,
    // or nothing when the collection has changed since the check.
    std::unique_ptr<LocationImportUndo> ApplyRecords(DBItemCollection& collection);

    // Writes the file's bytes as read to a backup beside it, named with the date and time to the second and
    // never over an earlier backup. Answers the backup's path; empty (after a box) when it cannot be written.
    QString WriteBackup(const QDateTime& now = QDateTime::currentDateTime()) const;
    // Removes the scanner file, unless its content changed since it was read (then it stays, with a box).
    bool DeleteLocationFile() const;

    QString Path() const { return m_path; }
    const QByteArray& Content() const { return m_content; }
    QByteArray ContentHash() const;
    const std::vector<LocationRecord>& Records() const { return m_records; }
    const std::vector<LocationOutcome>& Outcomes() const { return m_outcomes; }
    int RecordCount() const { return static_cast<int>(m_records.size()); }
    int GoodCount() const { return m_good; }
    int ProblemCount() const { return RecordCount() - m_good; }

    // The kind in words, for the preview and the summary.
    static QString KindText(int kind);
    // The locations of a record in words: "Lager 1", or "Lager 1 → Butik" for a move.
    QString LocationsText(const LocationRecord& record) const;
    // The whole check as plain text: a heading with the counts, then one line per record.
    QString SummaryText() const;

    // The inventory number without leading zeros ("001000" → "1000", "000" → "0"); empty when the text is
    // not made of digits only.
    static QString NormaliseId(const QString& id);

private:
    struct Simulation;
    QString locationName(int location) const;

    QString m_path;
    QByteArray m_content;
    std::vector<LocationRecord> m_records;
    std::vector<LocationOutcome> m_outcomes;
    std::unique_ptr<Simulation> m_simulation;
    QStringList m_locationNames;
    int m_good = 0;
    QDateTime m_checkedAt;
};

// Gives the items back as they were before an import: the order, the changed fields, the removed items; the
// items it added go. Only while the import is the collection's last change.
class LocationImportUndo {
public:
    ~LocationImportUndo();
    LocationImportUndo(const LocationImportUndo&) = delete;
    LocationImportUndo& operator=(const LocationImportUndo&) = delete;

    int Applied() const { return m_applied; }
    // True while nothing has changed the items since the import.
    bool IsLastChange() const;
    // Restores the items and marks the collection modified. False (nothing done) when the import is no longer
    // the last change. The items the import added live on until the undo is destroyed.
    bool Restore(DBItemCollection& collection);
    // The same without asking whether the import is the last change (the undo history keeps the order), and
    // its way back: the import's state again, with the items it added. Each answers false when not in turn.
    bool Undo(DBItemCollection& collection);
    bool Redo(DBItemCollection& collection);

private:
    friend class UpdateLocations;
    LocationImportUndo() = default;
    struct Saved {
        Item* item;
        int group;
        int count;
        QByteArray date;
    };
    std::vector<Item*> m_sequence; // the items before the import, in their order
    std::vector<Saved> m_saved;
    std::vector<Item*> m_removed; // owned here until restored
    std::vector<Item*> m_added;
    std::vector<Item*> m_discarded;     // the added items after the undo, owned here
    std::vector<Item*> m_afterSequence; // the items after the import, kept by the undo for a redo
    std::vector<Saved> m_afterSaved;
    const DBItemCollection* m_collection = nullptr;
    quint64 m_changeCount = 0;
    int m_applied = 0;
    bool m_restored = false;
};

// A scanner import in the undo history, as one step. Pushed after ApplyRecords: its first redo does nothing.
class LocationImportCommand : public QUndoCommand {
    Q_DECLARE_TR_FUNCTIONS(LocationImportCommand)
public:
    LocationImportCommand(DBItemCollection* collection, std::unique_ptr<LocationImportUndo> undo);
    ~LocationImportCommand() override;
    void redo() override;
    void undo() override;

private:
    DBItemCollection* m_collection;
    std::unique_ptr<LocationImportUndo> m_undo;
    bool m_firstRedo = true;
};

// The imports a database has taken: a hash of each scanner file's content, kept in a small file beside the
// database, so the same file is not applied twice unnoticed.
namespace LocationImportHistory {
QString HistoryPath(const QString& databasePath);
// When the content with this hash was imported before: its date and time as text, else empty.
QString EarlierImport(const QString& databasePath, const QByteArray& hash);
// Adds an import; false with *error set when the history cannot be written.
bool Record(const QString& databasePath, const QByteArray& hash, const QDateTime& when, const QString& scannerFile,
            int applied, QString* error);
} // namespace LocationImportHistory
