#pragma once

#include "core/Item.h"
#include "server/ServerAddress.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <unordered_map>
#include <vector>

class DBItemCollection;
class QSqlDatabase;
class QTimer;

// A change that the server did not take because another workstation changed the same item first. Nothing of
// "mine" has been written. The item in the collection still shows mine until the conflict is resolved.
struct ServerConflict {
    Item* item = nullptr;       // the item in the collection (nullptr: it was removed here)
    qint64 id = 0;              // the item's row on the server
    Item mine;                  // what this workstation wanted to write (a deletion: the item as it was)
    Item theirs;                // the server's item now
    bool mineDeleted = false;   // this workstation deleted the item
    bool theirsDeleted = false; // another workstation deleted the item
    int theirVersion = 0;
    // The fields (ServerRegister::Field) in which mine and theirs differ.
    QList<int> fields;
};

// One register on a PostgreSQL server, followed by one in-memory collection.
//
// The collection stays the working copy that the list, the filter, the exports and Save As read. Once
// Load() has filled it, every change the collection announces (itemAdded, itemChanged, itemAboutToBeRemoved,
// itemsReset) is written to the server at once, each in its own transaction:
//   - a new item is inserted, a removed one deleted (a deletion of an item changed elsewhere is a conflict);
//   - an edit is written only when the server still holds the version the item was read at
//     (UPDATE ... WHERE id = ? AND version = ?); otherwise nothing is written and conflictFound() is emitted
//     (queued, never from inside the collection's announcement); the item shows mine until Resolve();
//   - a change of the count alone is a stock movement: `count = count + d`, whatever the version, so two tills
//     never lose a movement; movements do not raise the version, so they never make an edit a conflict;
//     the server refuses a count below zero (a check constraint);
//   - a reset (the scanner import, items added or removed many at once, their undo) is one transaction:
//     counts as movements (with the date they set), other fields as edits; any refusal rolls all of it back.
// A change the server refuses (lost connection, negative count, conflict inside a reset) is taken back in the
// collection (queued), which then shows the server's state again, and changeRefused() says why; the undo history
// is emptied then, as it may point to items taken out or put back. Whatever was written marks the collection
// saved (DBItemCollection::MarkSaved once the command has run): a server register has nothing to save.
//
// Other workstations' changes arrive by LISTEN/NOTIFY and are put into the collection in place through its
// own announcements (the item pointer stays, so selection, scroll position and open dialogs stay on it);
// itemRefreshed() tells who wants to know (an open item dialog shows a notice). No lock file is used.
//
// A lost connection is noticed (a failing statement or the heartbeat), connectionStateChanged() says so, and the
// register reconnects by itself every few seconds; after a reconnection it catches up with what changed.
//
// Every value goes to the server as a bound parameter. The password is kept in memory for reconnecting only.
//
// For the window: Open(), then HasRegister() ? Load() : CopyFrom() + Load(). Before an item dialog changes an
// item: WriteEdit() (Conflict: show the box, then Resolve(); Refused: show the text, keep the dialog open), then
// change the item and announce it as usual (EditItemCommand): that announcement writes nothing more. Adds,
// deletes, moves, imports and undo need nothing: the announcements write them. Setup's lists: SaveLists().
// Save As a file: the collection's usual save, then WriteListFiles() into the new folder.
class ServerRegister : public QObject {
    Q_OBJECT
public:
    enum class State { Closed, Connected, Lost };
    Q_ENUM(State)
    // The item's fields in record order (as the file's columns and the server's item columns).
    enum Field {
        FieldGroup,
        FieldName,
        FieldProduct,
        FieldPrice,
        FieldPriceToday,
        FieldDate,
        FieldSupplier,
        FieldSerialno,
        FieldDescription,
        FieldAddress,
        FieldPhotolink,
        FieldNumberOfItems,
        FieldLocation,
        FieldWww,
        FieldReceipt,
        FieldDocument,
        FieldProducttype,
        FieldCount
    };
    // The schema this program writes; a register of a newer schema is refused.
    static constexpr int SchemaVersion = 1;
    // The channel of the notifications: "I id version", "U id version", "D id version", "M id version count"
    // (a movement), "L 0 0" (the lists changed).
    static constexpr const char* Channel = "vestrum_items";

    explicit ServerRegister(QObject* parent = nullptr);
    ~ServerRegister() override;

    // Connects. False with *error a text fit for the user (the server's reason included) when it fails.
    bool Open(const ServerAddress& address, QString* error);
    // Stops following the collection and disconnects. The collection keeps its items.
    void Close();
    // After a failed Open: the server asked for a password (none was found in ~/.pgpass), or refused the one
    // given; the window asks for one and opens again with it.
    bool NeedsPassword() const { return m_needsPassword; }
    State ConnectionState() const { return m_state; }
    bool IsConnected() const { return m_state == State::Connected; }
    const ServerAddress& Address() const { return m_address; }
    // Whether the database holds a register (of this program's schema).
    bool HasRegister(QString* error = nullptr);

    // Creates the schema and copies the collection's items and the lookup lists, all in one transaction; the
    // database must not hold a register yet. listFolder is the file register's folder, whose list files of every
    // language (groups, location, supplier, fields) are copied; the collection's own lists stand for the
    // language's files that are missing. False with *error (nothing created) on failure; a negative count is
    // refused before anything is written (the server keeps counts at zero or above).
    bool CopyFrom(const DBItemCollection& collection, const QString& listFolder, const QString& language,
                  QString* error);
    // Replaces the collection's items and lookup lists (of the language) with the server's and follows it
    // from then on (see above); lists the server lacks stay as the collection had them. Goes through
    // DBItemCollection::TakeContents (views get itemsAboutToBeDestroyed and refill as after opening a file; a
    // file lock the collection held is released). The undo history is emptied; it is left unmodified.
    bool Load(DBItemCollection& collection, const QString& language, QString* error);
    // Stops following the collection (Close does this too).
    void Detach();
    DBItemCollection* Collection() const { return m_collection; }

    // The lookup lists of a language as the server holds them: groups, location, supplier, fields.
    static QStringList ListNames();
    // Writes the collection's four lists as the language's lists (the setup dialog's OK), one transaction.
    bool SaveLists(const DBItemCollection& collection, const QString& language, QString* error);
    // Writes every language's lists held by the server into folder/<list>/<list>.<lang>.txt (Save As a file).
    bool WriteListFiles(const QString& folder, QString* error);

    // An edit checked before it is made: the item dialog calls this with the edited copy before it changes
    // the item, so a refused edit keeps the dialog's text. Written: the collection's announcement of the same
    // change afterwards writes nothing. Conflict: *conflict is filled, nothing written. Refused: *error says why.
    enum class Result { Written, Conflict, Refused };
    Result WriteEdit(Item* item, const Item& edited, ServerConflict* conflict, QString* error);
    // The user's choice in the conflict box. KeepTheirs puts the server's item into the collection (also the
    // first step of "edit again": the next edit starts from their version). KeepMine writes mine over theirs
    // (a deletion deletes); it can meet a newer conflict, reported like the first.
    enum class Resolution { KeepTheirs, KeepMine };
    Result Resolve(const ServerConflict& conflict, Resolution resolution, QString* error);

    // Undoes (or redoes) the collection's next step of history, unless an item it would change or take out has
    // another version on the server than the step's own write left there: then nothing is written, the step stays
    // in the history, the collection shows the server's item, and false with *error says why.
    bool StepHistory(bool undo, QString* error);

    // Stock movements of an import, given explicitly: each item's count changes by its delta, all or nothing,
    // and the collection follows. False with *error when the server refused (a count below zero) or cannot
    // be reached; nothing changed then.
    struct Movement {
        Item* item;
        int delta;
    };
    bool ApplyMovements(const std::vector<Movement>& movements, const QString& source, QString* error);

    // The server row of an item in the collection (0: not on the server) and the version it was read at.
    qint64 IdOf(const Item* item) const;
    int VersionOf(const Item* item) const;
    Item* ItemOf(qint64 id) const;

    // The fields (Field) in which two items differ.
    static QList<int> DifferingFields(const Item& a, const Item& b);

    // How soon a lost connection is tried again (later tries wait longer, up to 30 s), and how often an idle
    // connection is checked (ms).
    void SetRetryInterval(int milliseconds);
    void SetHeartbeatInterval(int milliseconds);
    // Checks the connection now (the heartbeat does it by itself); true while it is there.
    bool CheckConnection();
    // The name of the Qt database connection (for tests and the bench).
    QString ConnectionName() const { return m_connectionName; }

signals:
    void connectionStateChanged(ServerRegister::State state, const QString& message);
    // A change was not written; the collection shows the server's state again.
    void changeRefused(const QString& message);
    void conflictFound(const ServerConflict& conflict);
    // Another workstation changed, added or removed an item; the collection has announced it already.
    void itemRefreshed(Item* item);
    // Another workstation removed an item: said before it leaves the collection.
    void itemRemovedRemotely(Item* item);
    // Another workstation changed the lookup lists; the collection's lists hold them now.
    void listsRefreshed();

private:
    // What this register knows of an item in the collection: its row, the version of its fields, and the item
    // as the server held it at the last read or write (the base that changes are measured against).
    struct Known {
        qint64 id = 0;
        int version = 0;
        Item base;
    };

    enum class Step { Done, Conflict, Failed };
    QSqlDatabase database() const;
    bool connectNow(QString* error);
    void subscribe();
    void setState(State state, const QString& message);
    // After a failed statement: true (and the state Lost, retrying) when the connection is gone.
    bool lost(const QString& error);
    bool checkSchema(QString* error);
    bool readLists(const QString& language, QStringList lists[4], bool* found, QString* error);
    void onNotification(const QString& name, QSqlDriver::NotificationSource source, const QVariant& payload);
    void onItemAdded(Item* item);
    void onItemChanged(Item* item, int oldGroup);
    void onItemAboutToBeRemoved(Item* item);
    void onItemsReset();
    void onItemsAboutToBeDestroyed();
    void retry();
    void heartbeat();
    void catchUp();
    void refreshItem(qint64 id);
    void refreshLists();

    // One transaction around work; false with *error a text for the user when it was not committed. work answers
    // false after failed() has kept the failing statement's reason.
    bool runWrite(const std::function<bool()>& work, QString* error);
    // A statement prepared once per connection (the cache empties on a failure and on reconnecting).
    QSqlQuery& prepared(const QString& statement);
    bool failed(const QSqlQuery& query);
    Step writeInsert(const Item& item, qint64* id, int* version);
    Step writeUpdate(qint64 id, int baseVersion, const Item& base, const Item& mine, bool versioned,
                     const QString& source, int* newVersion);
    Step writeDelete(qint64 id, int baseVersion);
    bool logMove(qint64 id, int delta, int countAfter, const QString& source);
    ServerConflict makeConflict(Item* item, qint64 id, const Item& mine, bool mineDeleted);

    void remember(Item* item, qint64 id, int version);
    void forget(const Item* item);
    // Changes of the collection made by this register (its announcements are not written back).
    void putIntoCollection(Item* item, const Item& values, int version);
    void addToCollection(qint64 id, const Item& values, int version);
    void removeFromCollection(Item* item);
    // The undo history may point to items this register took out or put back: it goes.
    void dropHistory();
    void defer(std::function<void()> work);
    void deferConflict(const ServerConflict& conflict);
    void queueRefresh(qint64 id);
    void runDeferred();

    ServerAddress m_address;
    QString m_connectionName;
    State m_state = State::Closed;
    DBItemCollection* m_collection = nullptr;
    QString m_language;
    std::unordered_map<const Item*, Known> m_known;
    QHash<qint64, Item*> m_byId;
    bool m_needsPassword = false;
    bool m_markSaved = false; // a write went through: the collection is marked saved once the command ends
    bool m_applying = false;  // the collection is being changed by this register: its announcements are ours
    QTimer* m_retryTimer;
    int m_retryInterval = 3000; // the first retry; later ones wait longer, up to 30 s
    QTimer* m_heartbeatTimer;
    QList<qint64> m_pendingRefresh;
    std::vector<std::function<void()>> m_deferred;
    std::vector<Item*> m_orphans; // taken out of the collection; deleted once the history is gone
    QTimer* m_refreshTimer;
    QHash<QString, QSqlQuery> m_statements;
    QString m_failure; // why the last statement of a write failed
};

Q_DECLARE_METATYPE(ServerConflict)
