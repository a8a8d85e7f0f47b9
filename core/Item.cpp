#include "Item.h"

#include "Numbers.h"

#include <algorithm>

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
      m_price(other.m_price), m_priceToday(other.m_priceToday), m_texts(other.m_texts) {
    std::copy(std::begin(other.m_end), std::end(other.m_end), std::begin(m_end));
}

Item& Item::operator=(const Item& other) {
    if (this != &other) {
        m_group = other.m_group;
        m_numberOfItems = other.m_numberOfItems;
        m_location = other.m_location;
        m_price = other.m_price;
        m_priceToday = other.m_priceToday;
        m_texts = other.m_texts;
        std::copy(std::begin(other.m_end), std::end(other.m_end), std::begin(m_end));
    }
    return *this;
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
    QByteArray texts;
    texts.reserve(m_texts.size() - (end - begin) + latin1.size());
    texts.append(m_texts.constData(), begin);
    texts.append(latin1);
    texts.append(m_texts.constData() + end, m_texts.size() - end);
    m_texts = texts;
    const int delta = static_cast<int>(latin1.size()) - (end - begin);
    for (int f = field; f < TextFieldCount; ++f)
        m_end[f] = static_cast<quint16>(m_end[f] + delta);
}

void Item::SetAllLatin1(const QByteArrayView (&texts)[TextFieldCount]) {
    qsizetype total = 0;
    for (const QByteArrayView& t : texts)
        total += qMin<qsizetype>(t.size(), MaxTextLength);
    m_texts.clear();
    if (total == 0) {
        std::fill(std::begin(m_end), std::end(m_end), 0);
        return;
    }
    m_texts.reserve(total);
    for (int f = 0; f < TextFieldCount; ++f) {
        m_texts.append(texts[f].first(qMin<qsizetype>(texts[f].size(), MaxTextLength)));
        m_end[f] = static_cast<quint16>(m_texts.size());
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
