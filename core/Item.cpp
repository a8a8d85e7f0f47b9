#include "core/Item.h"

#include "core/Numbers.h"
#include "core/TextArena.h"

#include <algorithm>
#include <cstring>

Item::Item(const Item& other)
    : m_group(other.m_group), m_numberOfItems(other.m_numberOfItems), m_location(other.m_location),
      m_price(other.m_price), m_priceToday(other.m_priceToday), m_dateKey(other.m_dateKey) {
    std::copy(std::begin(other.m_end), std::end(other.m_end), std::begin(m_end));
    const qsizetype size = m_end[TextFieldCount - 1];
    if (size > 0) {
        m_texts = new char[size];
        memcpy(m_texts, other.m_texts, size);
        m_ownsTexts = true;
    }
}

Item& Item::operator=(const Item& other) {
    if (this != &other) {
        Item copy(other);
        std::swap(m_group, copy.m_group);
        std::swap(m_numberOfItems, copy.m_numberOfItems);
        std::swap(m_location, copy.m_location);
        std::swap(m_price, copy.m_price);
        std::swap(m_priceToday, copy.m_priceToday);
        std::swap(m_end, copy.m_end);
        std::swap(m_texts, copy.m_texts);
        std::swap(m_ownsTexts, copy.m_ownsTexts);
        std::swap(m_dateKey, copy.m_dateKey);
    }
    return *this;
}

Item::~Item() {
    if (m_ownsTexts)
        delete[] m_texts;
}

void Item::DetachTexts() {
    if (m_ownsTexts || !m_texts)
        return;
    const qsizetype size = m_end[TextFieldCount - 1];
    char* own = new char[size];
    memcpy(own, m_texts, size);
    m_texts = own;
    m_ownsTexts = true;
}

QString Item::GetText(TextField field, int escaped) const {
    if (escaped == 1)
        return QString::fromLatin1(EscapedXml(Latin1(field)));
    return QString::fromLatin1(Latin1(field));
}

void Item::SetText(TextField field, const QString& text) {
    SetLatin1(field, QByteArrayView(text.left(MaxTextLength).toLatin1()));
}

void Item::SetLatin1(TextField field, QByteArrayView latin1) {
    latin1 = latin1.first(qMin<qsizetype>(latin1.size(), MaxTextLength));
    const int begin = field == 0 ? 0 : m_end[field - 1];
    const int end = m_end[field];
    const int oldSize = m_end[TextFieldCount - 1];
    const int newSize = oldSize - (end - begin) + static_cast<int>(latin1.size());
    char* texts = newSize > 0 ? new char[newSize] : nullptr;
    if (begin > 0)
        memcpy(texts, m_texts, begin);
    if (!latin1.isEmpty())
        memcpy(texts + begin, latin1.data(), latin1.size());
    if (oldSize > end)
        memcpy(texts + begin + latin1.size(), m_texts + end, oldSize - end);
    if (m_ownsTexts)
        delete[] m_texts;
    m_texts = texts;
    m_ownsTexts = texts != nullptr;
    const int delta = static_cast<int>(latin1.size()) - (end - begin);
    for (int f = field; f < TextFieldCount; ++f)
        m_end[f] = static_cast<quint16>(m_end[f] + delta);
    if (field == Date)
        updateDateKey();
}

namespace {
bool digitsOnly(QByteArrayView text, int* value) {
    if (text.isEmpty())
        return false;
    int result = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + (c - '0');
    }
    *value = result;
    return true;
}

// The Julian day of a valid Gregorian date, or NoDate; done by hand because the reader asks it for
// every record of a file.
qint32 julianDayOf(QByteArrayView text, qint32 invalid) {
    int day = 0;
    int month = 0;
    int year = 0;
    const char* t = text.data();
    auto digit = [t](int i) { return unsigned(t[i] - '0'); };
    if (text.size() == 10) {
        // dd.mm.yyyy, as the program writes dates.
        if ((digit(0) > 9) | (digit(1) > 9) | (digit(3) > 9) | (digit(4) > 9) | (digit(6) > 9) | (digit(7) > 9) |
            (digit(8) > 9) | (digit(9) > 9))
            return invalid;
        day = int(digit(0) * 10 + digit(1));
        month = int(digit(3) * 10 + digit(4));
        year = int(digit(6) * 1000 + digit(7) * 100 + digit(8) * 10 + digit(9));
    } else if (text.size() < 5 || !digitsOnly(text.first(2), &day) || !digitsOnly(text.sliced(3, 2), &month) ||
               !digitsOnly(text.last(qMin<qsizetype>(4, text.size())), &year)) {
        return invalid;
    }
    static const int daysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysIn[month - 1] + (month == 2 && leap ? 1 : 0))
        return invalid;
    // The usual conversion of a Gregorian date to its Julian day number.
    const int a = (14 - month) / 12;
    const int y = year + 4800 - a;
    const int m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

// Copies a text without a library call for the few characters most texts of a record have.
inline void copyText(char* to, const char* from, qsizetype n) {
    if (n > 16) {
        memcpy(to, from, n);
    } else if (n >= 8) {
        memcpy(to, from, 8);
        memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4) {
        memcpy(to, from, 4);
        memcpy(to + n - 4, from + n - 4, 4);
    } else {
        for (qsizetype i = 0; i < n; ++i)
            to[i] = from[i];
    }
}
} // namespace

void Item::SetAllLatin1(const QByteArrayView (&texts)[TextFieldCount], TextArena* arena) {
    qsizetype sizes[TextFieldCount];
    qsizetype total = 0;
    for (int f = 0; f < TextFieldCount; ++f) {
        sizes[f] = qMin<qsizetype>(texts[f].size(), MaxTextLength);
        total += sizes[f];
    }
    if (m_ownsTexts)
        delete[] m_texts;
    m_texts = nullptr;
    m_ownsTexts = false;
    if (total > 0) {
        m_texts = arena ? arena->allocate(total) : new char[total];
        m_ownsTexts = !arena;
    }
    qsizetype end = 0;
    for (int f = 0; f < TextFieldCount; ++f) {
        copyText(m_texts + end, texts[f].data(), sizes[f]);
        end += sizes[f];
        m_end[f] = static_cast<quint16>(end);
    }
    // From the given bytes, which equal the copy and are not read back just after being written.
    m_dateKey = julianDayOf(texts[Date].first(sizes[Date]), NoDate);
}

QString Item::GetPriceText(int decimals) const {
    return FixedText(m_price, decimals);
}

QString Item::GetPriceTodayText(int decimals) const {
    return FixedText(m_priceToday, decimals);
}

QString Item::GetTotalPriceText() const {
    return FixedText(GetTotalPrice(), 2);
}

QDate DateFromText(QByteArrayView text) {
    const qint32 day = julianDayOf(text, std::numeric_limits<qint32>::min());
    return day == std::numeric_limits<qint32>::min() ? QDate() : QDate::fromJulianDay(day);
}

void Item::updateDateKey() {
    m_dateKey = julianDayOf(Latin1(Date), NoDate);
}

int Item::GetSerialNumber() const {
    int value = 0;
    return ParseDecimalInt(Latin1(Serialno), &value) ? value : 0;
}

QString Item::ToDebugText() const {
    auto text = [this](TextField f) { return QString::fromLatin1(Latin1(f)); };
    QString s;
    s += QLatin1String("\nType: ") + QString::number(m_group);
    s += QLatin1String("\nName: ") + text(Name);
    s += QLatin1String("\nProduct: ") + text(Product);
    s += QLatin1String("\nModel: ") + text(Producttype);
    s += QLatin1String("\nPrice: ") + QString::asprintf("%f", m_price);
    s += QLatin1String("\nPriceToday: ") + QString::asprintf("%f", m_priceToday);
    s += QLatin1String("\nDate: ") + text(Date);
    s += QLatin1String("\nSupplier: ") + text(Supplier);
    s += QLatin1String("\nSerial_number: ") + text(Serialno);
    s += QLatin1String("\nDesc: ") + text(Description);
    s += QLatin1String("\nAddress: ") + text(Address);
    s += QLatin1String("\nPhoto: ") + text(Photolink);
    s += QLatin1String("\nCount: ") + QString::number(m_numberOfItems);
    s += QLatin1String("\nRoom: ") + QString::number(m_location);
    s += QLatin1String("\nWww: ") + text(Www);
    s += QLatin1String("\nReceipt: ") + text(Receipt);
    return s;
}
