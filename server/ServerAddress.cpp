#include "server/ServerAddress.h"

#include <QCoreApplication>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

namespace {

// Splits libpq's "key=value key='quoted value'" form; false on an unterminated quote or a word without "=".
bool splitConnInfo(const QString& text, QList<QPair<QString, QString>>* pairs) {
    int i = 0;
    const int n = text.size();
    while (i < n) {
        while (i < n && text.at(i).isSpace())
            ++i;
        if (i >= n)
            break;
        const int keyStart = i;
        while (i < n && text.at(i) != QLatin1Char('=') && !text.at(i).isSpace())
            ++i;
        const QString key = text.mid(keyStart, i - keyStart);
        while (i < n && text.at(i).isSpace())
            ++i;
        if (i >= n || text.at(i) != QLatin1Char('=') || key.isEmpty())
            return false;
        ++i;
        while (i < n && text.at(i).isSpace())
            ++i;
        QString value;
        if (i < n && text.at(i) == QLatin1Char('\'')) {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = text.at(i++);
                if (c == QLatin1Char('\\') && i < n) {
                    value += text.at(i++);
                } else if (c == QLatin1Char('\'')) {
                    closed = true;
                    break;
                } else {
                    value += c;
                }
            }
            if (!closed)
                return false;
        } else {
            while (i < n && !text.at(i).isSpace()) {
                const QChar c = text.at(i++);
                if (c == QLatin1Char('\\') && i < n)
                    value += text.at(i++);
                else
                    value += c;
            }
        }
        pairs->append({key, value});
    }
    return true;
}

} // namespace

bool ServerAddress::IsUrl(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           trimmed.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

ServerAddress ServerAddress::FromConnInfo(const QString& text, QString* error) {
    ServerAddress address;
    const QString trimmed = text.trimmed();
    if (IsUrl(trimmed)) {
        const QUrl url(trimmed);
        if (!url.isValid()) {
            if (error)
                *error = QCoreApplication::translate("ServerAddress", "Ugyldig serveradresse: %1").arg(trimmed);
            return ServerAddress();
        }
        address.host = url.host();
        address.port = url.port(5432);
        address.user = url.userName();
        address.password = url.password();
        address.database = url.path().mid(1);
        const QUrlQuery query(url);
        QStringList options;
        for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded)) {
            if (key == QLatin1String("host"))
                address.host = value; // a socket folder cannot stand in the authority
            else
                options << key + QLatin1Char('=') + value;
        }
        address.options = options.join(QLatin1Char(';'));
        return address;
    }
    QList<QPair<QString, QString>> pairs;
    if (!splitConnInfo(trimmed, &pairs)) {
        if (error)
            *error = QCoreApplication::translate("ServerAddress", "Ugyldig serveradresse: %1").arg(trimmed);
        return ServerAddress();
    }
    QStringList options;
    for (const auto& [key, value] : pairs) {
        if (key == QLatin1String("host") || key == QLatin1String("hostaddr"))
            address.host = value;
        else if (key == QLatin1String("port"))
            address.port = value.toInt();
        else if (key == QLatin1String("dbname"))
            address.database = value;
        else if (key == QLatin1String("user"))
            address.user = value;
        else if (key == QLatin1String("password"))
            address.password = value;
        else
            options << key + QLatin1Char('=') + value;
    }
    address.options = options.join(QLatin1Char(';'));
    return address;
}

QString ServerAddress::Url() const {
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    QUrlQuery query;
    // A socket folder is no host name: it goes into the query as libpq's URIs allow.
    if (host.startsWith(QLatin1Char('/')))
        query.addQueryItem(QStringLiteral("host"), host);
    else
        url.setHost(host);
    url.setUserName(user);
    if (port > 0)
        url.setPort(port);
    url.setPath(QLatin1Char('/') + database);
    for (const QString& option : options.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int equals = option.indexOf(QLatin1Char('='));
        if (equals > 0)
            query.addQueryItem(option.left(equals), option.mid(equals + 1));
    }
    if (!query.isEmpty())
        url.setQuery(query);
    return url.toString();
}

QString ServerAddress::DisplayName() const {
    const QString where = host.isEmpty() ? QStringLiteral("localhost") : host;
    return QCoreApplication::translate("ServerAddress", "%1 på %2").arg(database, where);
}
