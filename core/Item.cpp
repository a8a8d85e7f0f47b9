#include "Item.h"

#include "Numbers.h"
#include "TextArena.h"

#include <algorithm>
#include <cstring>

QString EscapeXml(const QString& text) {
    QString result = text;
    result.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    result.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    result.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    result.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    result.replace(QLatin1Char('\''), QLatin1String("&apos;"));
    return result;
}

Item::Item(const Item& other)
    : m_group(other.m_group), m_numberOfItems(other.m_numberOfItems), m_location(other.m_location),
      m_price(other.m_price), m_priceToday(other.m_priceToday) {
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
    const QString text = QString::fromLatin1(Latin1(field));
    return escaped == 1 ? EscapeXml(text) : text;
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
}

void Item::SetAllLatin1(const QByteArrayView (&texts)[TextFieldCount], TextArena* arena) {
    qsizetype total = 0;
    for (const QByteArrayView& t : texts)
        total += qMin<qsizetype>(t.size(), MaxTextLength);
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
        const qsizetype n = qMin<qsizetype>(texts[f].size(), MaxTextLength);
        if (n > 0)
            memcpy(m_texts + end, texts[f].data(), n);
        end += n;
        m_end[f] = static_cast<quint16>(end);
    }
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
} // namespace

QDate DateFromText(QByteArrayView text) {
    if (text.size() < 5)
        return QDate();
    int day = 0;
    int month = 0;
    int year = 0;
    if (!digitsOnly(text.first(2), &day) || !digitsOnly(text.sliced(3, 2), &month) ||
        !digitsOnly(text.last(qMin<qsizetype>(4, text.size())), &year))
        return QDate();
    const QDate date(year, month, day);
    return date.isValid() ? date : QDate();
}

QDate Item::GetDateAsDate() const {
    return DateFromText(Latin1(Date));
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
