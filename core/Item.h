#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>

#include "core/XmlEscape.h"

#include <cstddef>
#include <limits>

class TextArena;

// One registered possession, coin or picture. The same 17 persistent fields serve every edition; only
// their names differ.
//
// The texts are kept as one ISO 8859-1 block per item and turned into QString on access: the database
// file can hold nothing else, and a register of a million items then costs a fraction of the memory and
// load time of one QString per field. Characters outside ISO 8859-1 become "?", as they would on saving;
// the item dialog refuses such characters before they get here.
class Item {
public:
    enum TextField : quint8 {
        Name,
        Product,
        Date,
        Supplier,
        Serialno,
        Description,
        Address,
        Photolink,
        Www,
        Receipt,
        Document,
        Producttype,
        TextFieldCount
    };

    // Longest text kept per field; the file format itself keeps 199 characters.
    static constexpr int MaxTextLength = 5000;

    Item() = default;
    // Copies the persistent fields; the copy is not shown in any list yet.
    Item(const Item& other);
    Item& operator=(const Item& other);
    ~Item();

    // Items made with new come from large blocks shared with their neighbours (core/ItemPool.cpp).
    static void* operator new(std::size_t size);
    static void operator delete(void* item, std::size_t size) noexcept;

    // Getters; a text getter returns the value XML-escaped when its flag is 1.
    int GetGroup() const { return m_group; }
    int GetNumberOfItems() const { return m_numberOfItems; }
    int GetLocation() const { return m_location; }
    double GetPrice() const { return m_price; }
    double GetPriceToday() const { return m_priceToday; }
    QString GetDate() const { return GetText(Date); }
    QString GetName(int escaped = 0) const { return GetText(Name, escaped); }
    QString GetProduct(int escaped = 0) const { return GetText(Product, escaped); }
    QString GetSupplier(int escaped = 0) const { return GetText(Supplier, escaped); }
    QString GetSerialno(int escaped = 0) const { return GetText(Serialno, escaped); }
    QString GetDescription(int escaped = 0) const { return GetText(Description, escaped); }
    QString GetAddress(int escaped = 0) const { return GetText(Address, escaped); }
    QString GetPhotolink(int escaped = 0) const { return GetText(Photolink, escaped); }
    QString GetWww(int escaped = 0) const { return GetText(Www, escaped); }
    QString GetReceipt(int escaped = 0) const { return GetText(Receipt, escaped); }
    QString GetDocument(int escaped = 0) const { return GetText(Document, escaped); }
    QString GetProducttype(int escaped = 0) const { return GetText(Producttype, escaped); }

    QString GetText(TextField field, int escaped = 0) const;
    // The stored ISO 8859-1 bytes; valid until the item's texts change.
    QByteArrayView Latin1(TextField field) const {
        const int begin = field == 0 ? 0 : m_end[field - 1];
        return QByteArrayView(m_texts + begin, m_end[field] - begin);
    }
    bool IsEmpty(TextField field) const { return Latin1(field).isEmpty(); }
    // All texts one after the other.
    QByteArrayView AllLatin1() const { return QByteArrayView(m_texts, m_end[TextFieldCount - 1]); }

    // Setters store the value as given (no trimming, no checks).
    void SetGroup(int group) { m_group = group; }
    void SetNumberOfItems(int count) { m_numberOfItems = count; }
    void SetLocation(int location) { m_location = location; }
    void SetPrice(double price) { m_price = price; }
    void SetPriceToday(double price) { m_priceToday = price; }
    void SetDate(const QString& text) { SetText(Date, text); }
    void SetName(const QString& text) { SetText(Name, text); }
    void SetProduct(const QString& text) { SetText(Product, text); }
    void SetSupplier(const QString& text) { SetText(Supplier, text); }
    void SetSerialno(const QString& text) { SetText(Serialno, text); }
    void SetDescription(const QString& text) { SetText(Description, text); }
    void SetAddress(const QString& text) { SetText(Address, text); }
    void SetPhotolink(const QString& text) { SetText(Photolink, text); }
    void SetWww(const QString& text) { SetText(Www, text); }
    void SetReceipt(const QString& text) { SetText(Receipt, text); }
    void SetDocument(const QString& text) { SetText(Document, text); }
    void SetProducttype(const QString& text) { SetText(Producttype, text); }

    void SetText(TextField field, const QString& text);
    void SetLatin1(TextField field, QByteArrayView latin1);
    // Sets all texts at once from ISO 8859-1 bytes. With an arena the texts are kept there (the database
    // reader does this), until the item's texts change or DetachTexts() gives the item its own copy.
    void SetAllLatin1(const QByteArrayView (&texts)[TextFieldCount], TextArena* arena = nullptr);
    void DetachTexts();

    QString GetPriceText(int decimals) const;
    QString GetPriceTodayText(int decimals) const;
    double GetTotalPrice() const { return static_cast<double>(m_numberOfItems) * m_price; }
    QString GetTotalPriceText() const;
    QString GetNumberOfItemsText() const { return QString::number(m_numberOfItems); }
    QString GetLocationText() const { return QString::number(m_location); }
    // The date dd.mm.yyyy as a calendar date; a null date when the text gives no valid date.
    QDate GetDateAsDate() const { return m_dateKey == NoDate ? QDate() : QDate::fromJulianDay(m_dateKey); }
    // The same as a number that sorts like the date; invalid dates below every valid one.
    qint32 DateKey() const { return m_dateKey; }
    // serialno as a decimal integer; 0 when it is not one.
    int GetSerialNumber() const;
    QString ToDebugText() const;

    // Which group row of the item list shows this item (-1: none). Kept here so that the list needs to
    // store nothing per row but the item pointer; it is not part of the record and is not copied.
    int ListGroup() const { return m_listGroup; }
    void SetListGroup(int group) { m_listGroup = group; }

private:
    qint32 m_group = 0;
    qint32 m_numberOfItems = 0;
    qint32 m_location = 0;
    qint32 m_listGroup = -1;
    double m_price = 0.0;
    double m_priceToday = 0.0;
    void updateDateKey();

    static constexpr qint32 NoDate = std::numeric_limits<qint32>::min();
    quint16 m_end[TextFieldCount] = {}; // end offset of each text in m_texts
    bool m_ownsTexts = false;
    // The date parsed once: lists and sorts ask for it constantly, and it fits the record's padding.
    qint32 m_dateKey = NoDate;
    char* m_texts = nullptr;
};

// Reads dd.mm.yyyy: day from the first two characters, month from the fourth and fifth, year from the
// last four; a null date when any part is not a number or the date does not exist.
QDate DateFromText(QByteArrayView text);
