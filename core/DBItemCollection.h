#pragma once

#include "Item.h"
#include "TextArena.h"
#include "userItemCollection.h"

#include <QByteArrayView>
#include <QObject>
#include <QString>

#include <vector>

class LogXML;
class QIODevice;
class ELine;
class EStringField;

// What the item dialog's search looks for; empty texts, the date "01.01.1900" and location -1 are skipped.
struct SearchCriteria {
    QString name, product, numberOfItems, price, priceToday, date, supplier, serialno, description, address, photolink,
        receipt, www, document;
    int location = -1;
};

// The open database in memory: the items, the four lookup lists, and the state of the open file.
//
// Ownership of items: the collection owns the items in its sequence. Add() hands an item over. Remove()
// takes an item out and gives it back to the caller, who destroys it (the list view deletes the row
// first, then the item). Clear() and the destructor destroy the items; they announce it first with
// itemsAboutToBeDestroyed(), so a view drops its pointers before they dangle.
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

    enum class LockOutcome { Locked, HeldByOther, CannotCreate, NotLocking };

    explicit DBItemCollection(LogXML* log, QObject* parent = nullptr);
    ~DBItemCollection() override;

    // Items.
    int Count() const { return static_cast<int>(m_items.size()); }
    Item* At(int index) const { return m_items[static_cast<size_t>(index)]; }
    const std::vector<Item*>& Items() const { return m_items; }
    std::vector<Item*>::const_iterator begin() const { return m_items.cbegin(); }
    std::vector<Item*>::const_iterator end() const { return m_items.cend(); }
    int IndexOf(const Item* item) const;

    void Add(Item* item);
    bool Remove(Item* item);
    void Clear();
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
    int LastSerialNumber() const;
    // Sorts stably in place by a sort code; any other code leaves the order alone.
    void SortItems(int code);

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

    // The database file.
    bool LoadFromAsciiFile(const QString& path);
    // The reader behind LoadFromAsciiFile, on bytes already in memory (the lock is not touched).
    bool LoadFromBuffer(QByteArrayView data);
    bool SaveToFileAsAscii(const QString& path);
    // Writes the header and the records (sorting by group first). False with *error set on a failure.
    bool WriteAscii(QIODevice* device, QString* error);
    int FormatVersion() const { return m_formatVersion; }
    static int LoadedFormatVersion();
    static QByteArray HeaderLine();

    // Exports (export/)
    // The collection as an HTML page: numbered paragraphs, the table of the print settings (asTable), the items
    // without a value today (specialCase), or one item with labels and pictures (item given). The heading
    // names the file and the fields. Sorts the collection by group (the table by the print settings' order).
    // The path form writes through SaveFile: on failure it shows why, returns false and leaves an earlier
    // file of that name as it was.
    bool WriteHtml(const QString& path, bool withHeading, const Item* item, bool specialCase, bool asTable);
    bool WriteHtml(QIODevice* device, const QString& path, bool withHeading, const Item* item, bool specialCase,
                   bool asTable);
    // The column headings in record order, each followed by ";".
    static QString BuildFieldHeaderLine();
    // The collection as an XML document, sorted by group; the path form as WriteHtml's.
    bool WriteXml(const QString& path);
    bool WriteXml(QIODevice* device);

    // The database lock of the inventory edition.
    bool LockDB(const QString& databasePath);
    LockOutcome TryLockDB(const QString& databasePath);
    void DeleteLockFile();
    static QString LockFilePath();

signals:
    void itemsAboutToBeDestroyed();

private:
    struct SpareFields;
    bool ApplyHeader(QByteArrayView header, ELine& line, SpareFields& spares);
    void changed() { ++m_generation; }
    void destroyItems();

    userItemCollection m_groups;
    userItemCollection m_locations;
    userItemCollection m_suppliers;
    userItemCollection m_fields;
    std::vector<Item*> m_items;
    TextArena m_arena; // the texts of the items read from the file
    int m_formatVersion = 100;
    LogXML* m_log;
    bool m_readOnly = false;
    QString m_lockInformation;
    bool m_holdsLock = false;
    QString m_lockPath;
    quint64 m_generation = 0; // counts changes of the sequence; a search continues only in an unchanged one
};
