#pragma once

#include "core/Item.h"
#include "core/TextArena.h"
#include "core/userItemCollection.h"

#include <QByteArrayView>
#include <QObject>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class LogXML;
class QFile;
class QIODevice;
class QUndoCommand;
class QUndoStack;
struct PrintSettings;

// What the item dialog's search looks for; empty texts, the date "01.01.1900" and location -1 are skipped.
struct SearchCriteria {
    QString name, product, numberOfItems, price, priceToday, date, supplier, serialno, description, address, photolink,
        receipt, www, document;
    int location = -1;
};

// The open database in memory: the items, the four lookup lists, and the state of the open file.
//
// Ownership of items: the collection owns the items in its sequence. Add() hands an item over. Remove()
// takes an item out and gives it back to the caller (an undo command keeps a deleted item until the
// command itself goes). Clear() and the destructor destroy the items; they announce it first with
// itemsAboutToBeDestroyed(), so a view drops its pointers before they dangle.
//
// Every change of the items is announced (itemAdded, itemChanged, itemAboutToBeRemoved, itemsReset), and so is
// a change of a lookup list's entries (listChanged), so the list model follows the collection and nobody who
// changes it needs to know the views. The user's changes go
// through the undo history (Push); emptying the items or taking another register's contents clears it.
class DBItemCollection : public QObject {
    Q_OBJECT
public:
    // Searches and navigation give field codes of this table.
    enum FindCode {
        FindGroup = 0,
        FindNumberOfItems = 1,
        FindName = 2,
        FindProduct = 3,
        FindPrice = 4,
        FindPriceToday = 5,
        FindDate = 6,
        FindLocation = 7,
        FindSupplier = 8,
        FindSerialno = 9,
        FindDescription = 10,
        FindWww = 11,
        FindAddress = 12,
        FindPhotolink = 13,
        FindReceipt = 14,
        FindDocument = 15,
    };
    // Sort codes are the item list's column numbers.
    enum SortCode { SortGroup = 0, SortName = 1, SortProduct = 2, SortTotalPrice = 5, SortDate = 9, SortLocation = 10 };
    static constexpr int AllGroups = 10000;
    static constexpr int MaxListEntries = 9999;
    static constexpr int MaxFields = 30;

    // TakenOver: the lock found was stale (or the user chose to take it over) and is ours now.
    enum class LockOutcome { Locked, TakenOver, HeldByOther, CannotCreate, NotLocking };

    // Without a folder no lookup lists are read.
    explicit DBItemCollection(LogXML* log, QObject* parent = nullptr);
    // A register of this folder: its lookup lists are read from there, and its lock lives there. language: the
    // interface language's code ("dk", "no", "en"), which names the list files and an HTML page's language.
    DBItemCollection(LogXML* log, const QString& folder, const QString& language = QStringLiteral("dk"),
                     QObject* parent = nullptr);
    ~DBItemCollection() override;

    // Items.
    int Count() const { return static_cast<int>(m_items.size()); }
    Item* At(int index) const { return m_items[static_cast<size_t>(index)]; }
    const std::vector<Item*>& Items() const { return m_items; }
    std::vector<Item*>::const_iterator begin() const { return m_items.cbegin(); }
    std::vector<Item*>::const_iterator end() const { return m_items.cend(); }
    int IndexOf(const Item* item) const;

    void Add(Item* item);
    // Puts an item in at a position of the sequence (the end when out of range) and takes it over.
    void Insert(int index, Item* item);
    bool Remove(Item* item);
    // Appends many items in one step, taking them over; announced as one reset of the items.
    void AddItems(const std::vector<Item*>& items);
    // Takes many items out in one step; the caller owns them from then on. Announced as one reset.
    void RemoveItems(const std::vector<Item*>& items);
    // Tells the views that an item's fields were changed in place; oldGroup is its group before the change.
    void NotifyItemChanged(Item* item, int oldGroup);

    // The undo history of the items. A command pushed here has been done (or is done by the push) and owns
    // what it needs to take the change back. Its clean state is the saved file.
    QUndoStack* UndoStack() const { return m_undoStack; }
    void Push(QUndoCommand* command);
    // The file was written: undoing back to here leaves the register unmodified.
    void MarkSaved();
    // A change that no command can take back (recovered items): the saved state is out of reach by undo.
    void MarkUnsaved();
    // A register kept on a server numbers the versions of its items there; the commands note the version their
    // own write left, so an undo can tell whether someone changed the item since. A file register has none (0).
    void SetVersionSource(std::function<int(const Item*)> source) { m_versionOf = std::move(source); }
    int VersionOf(const Item* item) const { return m_versionOf ? m_versionOf(item) : 0; }
    void Clear();
    // Destroys the items only: the lock and the lists stay.
    void ClearItems();
    // Replaces the whole sequence in one step (an import and its undo). Items of the old sequence that are not
    // in the new one are handed back to the caller, who owns them from then on.
    std::vector<Item*> ReplaceItems(std::vector<Item*> items);

    static void SetModified(bool modified);
    static bool IsModified();
    // Counts the changes of the items (SetModified(true), Add, Remove, Clear): an undo is offered only while
    // nothing has changed after it.
    static quint64 ChangeCount();
    // At least one item and the database locked by another user.
    bool IsReadOnly() const { return !m_items.empty() && m_readOnly; }
    bool ReadOnlyFlag() const { return m_readOnly; }
    QString LockInformation() const { return m_lockInformation; }

    // The neighbour of an item; at the first (last) item the same item comes back with atEdge set.
    Item* Previous(Item* item, bool& atEdge) const;
    Item* Next(Item* item, bool& atEdge) const;

    Item* FindNext(int code, const QString& text, bool continueSearch, bool& found);
    Item* Search(const SearchCriteria& criteria, bool continueSearch);
    Item* FindByGroupAndSerial(int group, const QString& serialno) const;

    int CountGroupItems(int group, bool sumCounts) const;
    double SumGroupValue(int group, bool usePriceToday, bool unitPrice) const;
    int MaxGroup() const;
    int MaxLocation() const;
    // The highest serial number of the items; for an empty register the start number it was given.
    int LastSerialNumber() const;
    // Sorts stably in place by a sort code; any other code leaves the order alone.
    void SortItems(int code);

    // The register's folder, handed in by whoever opens, saves or creates a register: the lookup lists and the
    // lock of the inventory edition live there. Setting it reads nothing; MakeDynamicLists reads its lists.
    QString Folder() const { return m_folder; }
    void SetFolder(const QString& folder) { m_folder = folder; }
    QString Language() const { return m_language; }
    // The first serial number of an empty register less one (the "Setup/StartSerialNumber" of its caller).
    void SetStartSerialNumber(int start) { m_startSerialNumber = start; }

    // Lookup lists.
    userItemCollection& Groups() { return m_groups; }
    userItemCollection& Locations() { return m_locations; }
    userItemCollection& Suppliers() { return m_suppliers; }
    userItemCollection& Fields() { return m_fields; }
    const userItemCollection& Groups() const { return m_groups; }
    const userItemCollection& Locations() const { return m_locations; }
    const userItemCollection& Suppliers() const { return m_suppliers; }
    const userItemCollection& Fields() const { return m_fields; }
    bool MakeDynamicLists();
    void SaveDynamicLists();
    // The lists by the numbers the setup commands use for them.
    enum DynamicList { GroupList = 1, LocationList = 2, SupplierList = 3, FieldList = 4 };
    userItemCollection* DynamicListOf(int list);
    // Replaces a list's entries (the lookup-list dialog), announced with listAboutToChange and listChanged so
    // the views show the new names; the same entries again change and announce nothing.
    void SetListEntries(int list, const QStringList& entries);
    // The current language's file of a list in the register's folder (the working directory when none is
    // set): where SaveDynamicList writes it.
    QString DynamicListPath(int list) const;
    // Writes one list to its file, creating the list's folder first. On failure nothing is shown, the old
    // file is left as it was and *reason says which file could not be written and why.
    bool SaveDynamicList(int list, QString* reason);

    // The database file. Appends the file's items; in the inventory edition the lock is taken once the
    // file has been read. Without error a bad record is reported in a box. With error nothing is shown:
    // the reason of a failure comes back there, for the one message that names the file, and a file
    // holding neither a header nor a record counts as no register (what a user opens must be one).
    bool LoadFromAsciiFile(const QString& path, QString* error = nullptr);
    // The reader behind LoadFromAsciiFile, on bytes already in memory (the lock is not touched).
    bool LoadFromBuffer(QByteArrayView data, QString* error = nullptr);
    // Larger files are refused with a message (the whole file is held in memory while it is read).
    static qint64 MaxFileSize();
    static void SetMaxFileSize(qint64 bytes);
    // How files are read (tests compare the ways): a file of at least parallelFrom bytes that starts with a
    // header is read in up to `stretches` stretches side by side, each through a buffer of pieceBytes;
    // scanRecords false reads every record by the field descriptions alone.
    struct ReadStrategy {
        int stretches;
        qint64 parallelFrom;
        bool scanRecords;
        qsizetype pieceBytes;
    };
    static ReadStrategy ReadingStrategy();
    static void SetReadingStrategy(const ReadStrategy& strategy);
    // Puts the contents of a freshly read collection in place of this one's, which the list view and the
    // dialogs keep pointing to: items, lookup lists, folder, format version and lock state. The views are told
    // first (itemsAboutToBeDestroyed); `loaded` is left with the old contents, and destroying it releases
    // the old lock, so that lock goes only after the switch.
    void TakeContents(DBItemCollection& loaded);
    // One lock covers a folder: when this collection holds the lock of `other`'s folder, it passes to
    // `other`, which reads another database of that folder. True when it did.
    bool PassLockTo(DBItemCollection& other);
    bool SaveToFileAsAscii(const QString& path);
    // Writes the header and the records (sorting by group first). False with *error set on a failure.
    bool WriteAscii(QIODevice* device, QString* error);
    int FormatVersion() const { return m_formatVersion; }
    static int LoadedFormatVersion();
    static QByteArray HeaderLine();

    // Exports (export/)
    // The collection as an HTML page: numbered paragraphs, the table of the print settings given as table, the
    // items without a value today (specialCase), or one item with labels and pictures (item given). The heading
    // names the file and the fields. Sorts the collection by group (the table by the print settings' order).
    // The path form writes through SaveFile: on failure it shows why, returns false and leaves an earlier
    // file of that name as it was.
    bool WriteHtml(const QString& path, bool withHeading, const Item* item, bool specialCase,
                   const PrintSettings* table = nullptr);
    bool WriteHtml(QIODevice* device, const QString& path, bool withHeading, const Item* item, bool specialCase,
                   const PrintSettings* table = nullptr);
    // The column headings in record order, each followed by ";".
    static QString BuildFieldHeaderLine();
    // The collection as an XML document, sorted by group; the path form as WriteHtml's.
    bool WriteXml(const QString& path);
    bool WriteXml(QIODevice* device);

    // The database lock of the inventory edition. The lock file's first line names the database, computer
    // and user (other copies show it); the second tells this process and boot, so a lock left by a copy
    // that no longer runs is known as stale and taken over.
    bool LockDB(const QString& databasePath);
    LockOutcome TryLockDB(const QString& databasePath);
    // TryLockDB with what the user sees: a stale lock taken over is said in the status bar; the lock of a
    // running copy or of another computer opens read-only unless the user chooses to take it over.
    LockOutcome OpenLock(const QString& databasePath);
    // Replaces the lock found in the folder by ours; false when it changed meanwhile or cannot be written.
    bool TakeOverLock(const QString& databasePath);
    // Removes our lock, and only while its content is still ours.
    void DeleteLockFile();
    bool HoldsLock() const { return !m_lock.path.isEmpty(); }
    // What the last OpenLock said in the status bar about a lock taken over (empty when nothing); cleared
    // by asking, so the loader can show it again after its own message.
    QString TakeLockNotice() { return std::exchange(m_lockNotice, QString()); }
    // LockFile.txt in the register's folder, absolute.
    QString LockFilePath() const;
    static QByteArray LockContent(const QString& databasePath);
    // A lock of this computer whose boot has ended or whose process no longer runs.
    static bool IsStaleLock(const QByteArray& content);
    // Save As into another folder: the lock of the new folder (the folder set already) is taken before
    // anything is written there; false when another copy holds it and the user keeps it.
    bool BeginLockMove(const QString& newDatabasePath);
    // After that save: the old folder's lock is released when it succeeded, otherwise the new one.
    void EndLockMove(bool saved);

signals:
    void itemsAboutToBeDestroyed();
    void itemAdded(Item* item);
    void itemChanged(Item* item, int oldGroup);
    void itemAboutToBeRemoved(Item* item);
    // The sequence is replaced in one step (an import, many items added or removed, their undo).
    void itemsAboutToBeReset();
    void itemsReset();
    // A lookup list's entries are replaced (renamed, added, the last one deleted); the items stay as they are.
    void listAboutToChange(int list);
    void listChanged(int list);

private:
    // Reads the open file when one is given, otherwise data. registerOnly: a file without a header and
    // without a record is refused as no register.
    bool read(QFile* file, QByteArrayView data, QString* error, bool registerOnly);
    void changed() { ++m_generation; }
    void destroyItems();
    // Forgets the undo history without touching the modified flag.
    void clearHistory();

    userItemCollection m_groups;
    userItemCollection m_locations;
    userItemCollection m_suppliers;
    userItemCollection m_fields;
    std::vector<Item*> m_items;
    TextArena m_arena; // the texts of the items read from the file
    int m_formatVersion = 100;
    LogXML* m_log;
    QString m_folder;
    QString m_language;
    int m_startSerialNumber = 0;
    bool m_readOnly = false;
    QString m_lockInformation;
    struct HeldLock {
        QString path;
        QByteArray content;
    };
    bool askTakeOver(bool saving);
    // The status message of a lock taken over (answered, to be shown again) or the box of one not created.
    QString announceLock(LockOutcome outcome);
    void releaseLock(HeldLock& lock);
    HeldLock m_lock;         // ours while the path is set
    HeldLock m_movingFrom;   // the old folder's lock during Save As
    QString m_lockTakenFrom; // the first line of the stale lock taken over last
    QString m_lockNotice;
    quint64 m_generation = 0; // counts changes of the sequence; a search continues only in an unchanged one
    QUndoStack* m_undoStack;
    bool m_clearingHistory = false;
    std::function<int(const Item*)> m_versionOf;
};
