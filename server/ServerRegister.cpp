#include "server/ServerRegister.h"

#include "app/Edition.h"
#include "core/DBItemCollection.h"
#include "core/ItemCommands.h"
#include "server/ServerSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <unordered_set>

static_assert(ServerRegister::FieldCount == ServerSchema::ItemColumnCount, "the fields are the item columns");

namespace {

std::atomic<int> gConnectionCounter{0};

QString sqlError(const QSqlError& error) {
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    return text;
}

// The collection's lookup lists in the order of ServerSchema::ListNames().
std::array<const userItemCollection*, 4> listsOf(const DBItemCollection& collection) {
    return {&collection.Groups(), &collection.Locations(), &collection.Suppliers(), &collection.Fields()};
}

// Writes one lookup list of a language, entry by entry.
bool insertList(QSqlQuery& query, const QString& language, const QString& list, const QStringList& entries) {
    query.prepare(QStringLiteral("INSERT INTO vestrum_lists (language, list, position, entry) VALUES (?, ?, ?, ?)"));
    for (int i = 0; i < entries.size(); ++i) {
        query.addBindValue(language);
        query.addBindValue(list);
        query.addBindValue(i);
        query.addBindValue(ServerSchema::Text(entries[i]));
        if (!query.exec())
            return false;
    }
    return true;
}

// The fields a change touches, by kind: the count is a movement, everything else an edit.
struct Difference {
    bool count = false;
    bool date = false;
    bool others = false; // any field but count and date
};

Difference compare(const Item& a, const Item& b) {
    auto samePrice = [](double x, double y) { return x == y || (std::isnan(x) && std::isnan(y)); };
    Difference d;
    d.count = a.GetNumberOfItems() != b.GetNumberOfItems();
    d.date = a.Latin1(Item::Date) != b.Latin1(Item::Date);
    if (a.GetGroup() != b.GetGroup() || a.GetLocation() != b.GetLocation() || !samePrice(a.GetPrice(), b.GetPrice()) ||
        !samePrice(a.GetPriceToday(), b.GetPriceToday())) {
        d.others = true;
        return d;
    }
    for (int f = 0; f < Item::TextFieldCount; ++f) {
        if (f != Item::Date && a.Latin1(Item::TextField(f)) != b.Latin1(Item::TextField(f))) {
            d.others = true;
            break;
        }
    }
    return d;
}

} // namespace

ServerRegister::ServerRegister(QObject* parent)
    : QObject(parent), m_retryTimer(new QTimer(this)), m_heartbeatTimer(new QTimer(this)),
      m_refreshTimer(new QTimer(this)) {
    qRegisterMetaType<ServerConflict>();
    m_connectionName = QStringLiteral("vestrum_server_%1").arg(++gConnectionCounter);
    m_retryTimer->setInterval(m_retryInterval);
    connect(m_retryTimer, &QTimer::timeout, this, &ServerRegister::retry);
    m_heartbeatTimer->setInterval(5000);
    connect(m_heartbeatTimer, &QTimer::timeout, this, &ServerRegister::heartbeat);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(0);
    connect(m_refreshTimer, &QTimer::timeout, this, &ServerRegister::runDeferred);
}

ServerRegister::~ServerRegister() {
    Close();
}

QSqlDatabase ServerRegister::database() const {
    return QSqlDatabase::database(m_connectionName, false);
}

void ServerRegister::SetRetryInterval(int milliseconds) {
    m_retryInterval = milliseconds;
    m_retryTimer->setInterval(milliseconds);
}

void ServerRegister::SetHeartbeatInterval(int milliseconds) {
    m_heartbeatTimer->setInterval(milliseconds);
}

bool ServerRegister::Open(const ServerAddress& address, QString* error) {
    Close();
    m_address = address;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        if (error)
            *error = tr("PostgreSQL-driveren til Qt (QPSQL) er ikke installeret.");
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
        db.setHostName(address.host);
        if (address.port > 0)
            db.setPort(address.port);
        db.setDatabaseName(address.database);
        db.setUserName(address.user);
        db.setPassword(address.password);
        QStringList options = address.options.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        // A server behind a dead network link must not hold the window for minutes: connecting gives up after
        // a few seconds, and a silent connection is noticed by TCP keepalives and a send timeout.
        for (const char* option : {"connect_timeout=5", "keepalives_idle=5", "keepalives_interval=2",
                                   "keepalives_count=2", "tcp_user_timeout=5000"}) {
            const QString text = QLatin1String(option);
            if (!address.options.contains(text.left(text.indexOf(QLatin1Char('=')) + 1)))
                options << text;
        }
        options << QStringLiteral("application_name=vestrum");
        db.setConnectOptions(options.join(QLatin1Char(';')));
    }
    QString reason;
    m_needsPassword = false;
    if (!connectNow(&reason)) {
        // libpq's words when the server wants a password it did not get, or not this one.
        m_needsPassword = reason.contains(QLatin1String("no password supplied")) ||
                          reason.contains(QLatin1String("password authentication failed"));
        if (error)
            *error = tr("Kan ikke forbinde til %1:\n%2").arg(address.DisplayName(), reason);
        m_address.password.clear();
        QSqlDatabase::removeDatabase(m_connectionName);
        return false;
    }
    setState(State::Connected, QString());
    m_heartbeatTimer->start();
    return true;
}

bool ServerRegister::connectNow(QString* error) {
    QSqlDatabase db = database();
    if (!db.isValid()) {
        if (error)
            *error = tr("Ingen server valgt.");
        return false;
    }
    m_statements.clear();
    if (db.isOpen())
        db.close();
    if (!db.open()) {
        if (error)
            *error = sqlError(db.lastError());
        return false;
    }
    QSqlQuery setup(db);
    // Texts travel as UTF-8 whatever the server's locale; the register's texts are ISO 8859-1 anyway.
    setup.exec(QStringLiteral("SET client_encoding TO 'UTF8'"));
    if (m_collection)
        subscribe();
    return true;
}

void ServerRegister::subscribe() {
    QSqlDatabase db = database();
    QSqlDriver* driver = db.driver();
    if (!driver)
        return;
    if (!driver->subscribedToNotifications().contains(QLatin1String(Channel))) {
        driver->subscribeToNotification(QLatin1String(Channel));
        connect(driver, &QSqlDriver::notification, this, &ServerRegister::onNotification, Qt::UniqueConnection);
    }
}

void ServerRegister::Close() {
    Detach();
    m_statements.clear();
    m_retryTimer->stop();
    m_heartbeatTimer->stop();
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = database();
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_address.password.clear();
    if (m_state != State::Closed)
        setState(State::Closed, QString());
}

void ServerRegister::setState(State state, const QString& message) {
    if (m_state == state)
        return;
    m_state = state;
    emit connectionStateChanged(state, message);
}

bool ServerRegister::lost(const QString& error) {
    // A statement failed: is the connection still there, or did the server go away?
    if (m_state != State::Connected)
        return true;
    QSqlDatabase db = database();
    QSqlQuery probe(db);
    if (db.isOpen() && probe.exec(QStringLiteral("SELECT 1")))
        return false;
    m_statements.clear();
    db.close();
    setState(State::Lost, tr("Forbindelsen til serveren er afbrudt: %1").arg(error));
    m_heartbeatTimer->stop();
    m_retryTimer->start();
    return true;
}

bool ServerRegister::CheckConnection() {
    if (m_state == State::Closed)
        return false;
    if (m_state == State::Lost) {
        retry();
        return m_state == State::Connected;
    }
    return !lost(QString());
}

void ServerRegister::heartbeat() {
    if (m_state == State::Connected)
        lost(tr("serveren svarer ikke"));
}

void ServerRegister::retry() {
    if (m_state != State::Lost)
        return;
    QString error;
    if (!connectNow(&error)) {
        // Each attempt may wait for the network: try less often the longer the server stays away.
        m_retryTimer->setInterval(std::min(std::max(m_retryInterval, 30000), m_retryTimer->interval() * 2));
        return;
    }
    m_retryTimer->stop();
    m_retryTimer->setInterval(m_retryInterval);
    m_heartbeatTimer->start();
    setState(State::Connected, QString());
    if (m_collection)
        catchUp();
}

bool ServerRegister::HasRegister(QString* error) {
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT to_regclass('vestrum_items') IS NOT NULL"))) {
        if (error)
            *error = sqlError(query.lastError());
        return false;
    }
    return query.next() && query.value(0).toBool();
}

QStringList ServerRegister::ListNames() {
    return ServerSchema::ListNames();
}

// --- copy and load -----------------------------------------------------------------------------------------

bool ServerRegister::CopyFrom(const DBItemCollection& collection, const QString& listFolder, const QString& language,
                              QString* error) {
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (m_state != State::Connected)
        return fail(tr("Der er ingen forbindelse til serveren."));
    for (const Item* item : collection) {
        if (item->GetNumberOfItems() < 0)
            return fail(tr("Posten '%1' har et negativt antal (%2); ret det, før registret kopieres.")
                            .arg(item->GetName(), QString::number(item->GetNumberOfItems())));
    }
    QSqlDatabase db = database();
    if (HasRegister())
        return fail(tr("Databasen %1 har allerede et register.").arg(m_address.database));
    if (!db.transaction())
        return fail(sqlError(db.lastError()));
    QSqlQuery query(db);
    auto abort = [&](const QSqlQuery& failed) {
        const QString reason = sqlError(failed.lastError());
        db.rollback();
        lost(reason);
        return fail(tr("Registret kunne ikke kopieres til serveren:\n%1").arg(reason));
    };
    for (const QString& statement : ServerSchema::CreateStatements()) {
        if (!query.exec(statement))
            return abort(query);
    }
    query.prepare(QStringLiteral("INSERT INTO vestrum_schema (version, edition) VALUES (?, ?)"));
    query.addBindValue(SchemaVersion);
    query.addBindValue(Edition());
    if (!query.exec())
        return abort(query);

    // Many rows per statement: one round trip per row would make a large register slow to copy.
    constexpr int rowsPerStatement = 400;
    const std::vector<Item*>& items = collection.Items();
    QString fullStatement;
    for (size_t start = 0; start < items.size(); start += rowsPerStatement) {
        const size_t n = std::min<size_t>(rowsPerStatement, items.size() - start);
        QString statement = QStringLiteral("INSERT INTO vestrum_items (%1) VALUES ").arg(ServerSchema::ItemColumns());
        const QString row = QLatin1Char('(') + ServerSchema::ItemPlaceholders() + QLatin1Char(')');
        for (size_t i = 0; i < n; ++i) {
            if (i)
                statement += QLatin1String(", ");
            statement += row;
        }
        if (n == rowsPerStatement && !fullStatement.isEmpty() && query.lastQuery() == fullStatement) {
            // prepared already
        } else if (!query.prepare(statement)) {
            return abort(query);
        }
        if (n == rowsPerStatement)
            fullStatement = statement;
        for (size_t i = 0; i < n; ++i)
            ServerSchema::BindItem(query, *items[start + i]);
        if (!query.exec())
            return abort(query);
    }

    // The lists of every language found beside the register; the collection's own for its language.
    const QStringList names = ServerSchema::ListNames();
    const auto own = listsOf(collection);
    for (const QString& lang : {QStringLiteral("dk"), QStringLiteral("no"), QStringLiteral("en")}) {
        for (int l = 0; l < names.size(); ++l) {
            QStringList entries;
            userItemCollection file;
            file.SetLimit(l == 3 ? DBItemCollection::MaxFields : DBItemCollection::MaxListEntries);
            const QString path = QStringLiteral("%1/%2/%2.%3.txt").arg(listFolder, names[l], lang);
            if (!listFolder.isEmpty() && file.LoadFromFile(path))
                entries = file.Entries();
            else if (lang == language)
                entries = own[l]->Entries();
            else
                continue;
            if (!insertList(query, lang, names[l], entries))
                return abort(query);
        }
    }
    // The trigger comes last: the copy itself tells nobody anything.
    for (const QString& statement : ServerSchema::TriggerStatements()) {
        if (!query.exec(statement))
            return abort(query);
    }
    if (!db.commit()) {
        const QString reason = sqlError(db.lastError());
        db.rollback();
        lost(reason);
        return fail(tr("Registret kunne ikke kopieres til serveren:\n%1").arg(reason));
    }
    return true;
}

bool ServerRegister::checkSchema(QString* error) {
    QSqlQuery query(database());
    if (!HasRegister(error)) {
        if (error && error->isEmpty())
            *error = tr("Databasen %1 har intet register.").arg(m_address.database);
        return false;
    }
    if (!query.exec(QStringLiteral("SELECT version, edition FROM vestrum_schema")) || !query.next()) {
        if (error)
            *error = tr("Databasen %1 har intet register.").arg(m_address.database);
        return false;
    }
    if (query.value(0).toInt() > SchemaVersion) {
        if (error)
            *error = tr("Registret på serveren er fra en nyere udgave af programmet.");
        return false;
    }
    if (query.value(1).toInt() != Edition()) {
        if (error)
            *error = tr("Registret på serveren hører til en anden udgave af programmet.");
        return false;
    }
    return true;
}

bool ServerRegister::readLists(const QString& language, QStringList lists[4], bool* found, QString* error) {
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT list, entry FROM vestrum_lists WHERE language = ? ORDER BY list, position"));
    query.addBindValue(language);
    if (!query.exec()) {
        if (error)
            *error = sqlError(query.lastError());
        return false;
    }
    const QStringList names = ServerSchema::ListNames();
    for (int l = 0; l < 4; ++l)
        found[l] = false;
    while (query.next()) {
        const int l = static_cast<int>(names.indexOf(query.value(0).toString()));
        if (l < 0)
            continue;
        found[l] = true;
        lists[l] << query.value(1).toString();
    }
    return true;
}

bool ServerRegister::Load(DBItemCollection& collection, const QString& language, QString* error) {
    Detach();
    if (m_state != State::Connected) {
        if (error)
            *error = tr("Der er ingen forbindelse til serveren.");
        return false;
    }
    QString reason;
    if (!checkSchema(&reason)) {
        if (error)
            *error = reason;
        return false;
    }
    QSqlDatabase db = database();
    // Listening before the snapshot is taken: a change committed after it still arrives.
    subscribe();
    // One snapshot of items and lists.
    db.transaction();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ")) ||
        !query.exec(
            QStringLiteral("SELECT id, version, %1 FROM vestrum_items ORDER BY id").arg(ServerSchema::ItemColumns()))) {
        reason = sqlError(query.lastError());
        db.rollback();
        lost(reason);
        if (error)
            *error = tr("Registret kunne ikke læses fra serveren:\n%1").arg(reason);
        return false;
    }
    std::vector<Item*> items;
    std::vector<std::pair<qint64, int>> rows;
    while (query.next()) {
        auto* item = new Item;
        ServerSchema::ReadItem(query, 2, item);
        items.push_back(item);
        rows.emplace_back(query.value(0).toLongLong(), query.value(1).toInt());
    }
    QStringList lists[4];
    bool found[4];
    if (query.lastError().isValid() || !readLists(language, lists, found, &reason)) {
        if (reason.isEmpty())
            reason = sqlError(query.lastError());
        db.rollback();
        qDeleteAll(items);
        lost(reason);
        if (error)
            *error = tr("Registret kunne ikke læses fra serveren:\n%1").arg(reason);
        return false;
    }
    db.commit();

    DBItemCollection loaded(nullptr);
    for (int l = 0; l < 4; ++l) {
        if (found[l])
            loaded.DynamicListOf(DBItemCollection::GroupList + l)->SetEntries(lists[l]);
    }
    loaded.AddItems(items);
    collection.TakeContents(loaded);
    DBItemCollection::SetModified(false);

    m_collection = &collection;
    m_language = language;
    m_known.reserve(items.size());
    m_byId.reserve(static_cast<qsizetype>(items.size()));
    for (size_t i = 0; i < items.size(); ++i)
        remember(items[i], rows[i].first, rows[i].second);
    connect(&collection, &DBItemCollection::itemAdded, this, &ServerRegister::onItemAdded);
    connect(&collection, &DBItemCollection::itemChanged, this, &ServerRegister::onItemChanged);
    connect(&collection, &DBItemCollection::itemAboutToBeRemoved, this, &ServerRegister::onItemAboutToBeRemoved);
    connect(&collection, &DBItemCollection::itemsReset, this, &ServerRegister::onItemsReset);
    connect(&collection, &DBItemCollection::itemsAboutToBeDestroyed, this, &ServerRegister::onItemsAboutToBeDestroyed);
    connect(&collection, &QObject::destroyed, this, [this] {
        m_collection = nullptr; // nothing of it may be touched any more
        Detach();
    });
    collection.SetVersionSource([this](const Item* item) { return VersionOf(item); });
    return true;
}

void ServerRegister::Detach() {
    if (m_collection) {
        disconnect(m_collection, nullptr, this, nullptr);
        m_collection->SetVersionSource(nullptr);
    }
    m_collection = nullptr;
    m_known.clear();
    m_byId.clear();
    m_deferred.clear();
    m_pendingRefresh.clear();
    qDeleteAll(m_orphans);
    m_orphans.clear();
}

void ServerRegister::onItemsAboutToBeDestroyed() {
    // The collection is emptied or takes another register: it no longer shows this one.
    if (!m_applying)
        Detach();
}

void ServerRegister::remember(Item* item, qint64 id, int version) {
    Known& known = m_known[item];
    known.id = id;
    known.version = version;
    known.base = *item;
    m_byId.insert(id, item);
}

void ServerRegister::forget(const Item* item) {
    const auto it = m_known.find(item);
    if (it == m_known.end())
        return;
    m_byId.remove(it->second.id);
    m_known.erase(it);
}

qint64 ServerRegister::IdOf(const Item* item) const {
    const auto it = m_known.find(item);
    return it == m_known.end() ? 0 : it->second.id;
}

int ServerRegister::VersionOf(const Item* item) const {
    const auto it = m_known.find(item);
    return it == m_known.end() ? 0 : it->second.version;
}

Item* ServerRegister::ItemOf(qint64 id) const {
    return m_byId.value(id, nullptr);
}

// --- lists -----------------------------------------------------------------------------------------------

bool ServerRegister::SaveLists(const DBItemCollection& collection, const QString& language, QString* error) {
    return runWrite(
        [&]() {
            QSqlQuery query(database());
            query.prepare(QStringLiteral("DELETE FROM vestrum_lists WHERE language = ?"));
            query.addBindValue(language);
            if (!query.exec())
                return failed(query);
            const QStringList names = ServerSchema::ListNames();
            const auto own = listsOf(collection);
            for (int l = 0; l < 4; ++l) {
                if (!insertList(query, language, names[l], own[l]->Entries()))
                    return failed(query);
            }
            return true;
        },
        error);
}

bool ServerRegister::WriteListFiles(const QString& folder, QString* error) {
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT language, list, entry FROM vestrum_lists ORDER BY language, list, position"))) {
        const QString reason = sqlError(query.lastError());
        lost(reason);
        if (error)
            *error = reason;
        return false;
    }
    QMap<QPair<QString, QString>, QStringList> lists;
    while (query.next())
        lists[{query.value(0).toString(), query.value(1).toString()}] << query.value(2).toString();
    for (auto it = lists.cbegin(); it != lists.cend(); ++it) {
        const QString dir = folder + QLatin1Char('/') + it.key().second;
        QDir().mkpath(dir);
        userItemCollection list;
        list.SetEntries(it.value());
        if (!list.SaveToFile(QStringLiteral("%1/%2.%3.txt").arg(dir, it.key().second, it.key().first))) {
            if (error)
                *error = list.LastError();
            return false;
        }
    }
    return true;
}

// --- writing -----------------------------------------------------------------------------------------------

bool ServerRegister::runWrite(const std::function<bool()>& work, QString* error) {
    if (m_state != State::Connected && !CheckConnection()) {
        if (error)
            *error = tr("Ændringen er ikke gemt: der er ingen forbindelse til serveren. Prøv igen, når forbindelsen "
                        "er tilbage.");
        return false;
    }
    QSqlDatabase db = database();
    QString reason;
    m_failure.clear();
    if (db.transaction()) {
        if (work()) {
            if (db.commit())
                return true;
            reason = sqlError(db.lastError());
        } else {
            reason = m_failure;
        }
        db.rollback();
    } else {
        reason = sqlError(db.lastError());
    }
    // A statement that failed may have failed as prepared: they are prepared afresh.
    m_statements.clear();
    if (lost(reason)) {
        if (error)
            *error = tr("Ændringen er ikke gemt: forbindelsen til serveren er afbrudt. Prøv igen, når forbindelsen "
                        "er tilbage.");
        return false;
    }
    if (error)
        *error = reason.contains(QLatin1String("vestrum_items_count_not_negative"))
                     ? tr("Ændringen er ikke gemt: et antal ville blive mindre end nul.")
                     : tr("Ændringen er ikke gemt: %1").arg(reason);
    return false;
}

// Reads one row (id, version, fields) into *item; false when it is gone (or the read failed: see the query).
static bool fetchRow(QSqlQuery& query, qint64 id, Item* item, int* version) {
    query.prepare(
        QStringLiteral("SELECT version, %1 FROM vestrum_items WHERE id = ?").arg(ServerSchema::ItemColumns()));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return false;
    *version = query.value(0).toInt();
    ServerSchema::ReadItem(query, 1, item);
    return true;
}

QSqlQuery& ServerRegister::prepared(const QString& statement) {
    // Prepared once per connection: a movement is then two round trips less.
    auto it = m_statements.find(statement);
    if (it == m_statements.end()) {
        QSqlQuery query(database());
        query.prepare(statement);
        it = m_statements.insert(statement, query);
    }
    return *it;
}

bool ServerRegister::failed(const QSqlQuery& query) {
    m_failure = sqlError(query.lastError());
    return false;
}

ServerRegister::Step ServerRegister::writeInsert(const Item& item, qint64* id, int* version) {
    QSqlQuery& query = prepared(QStringLiteral("INSERT INTO vestrum_items (%1) VALUES (%2) RETURNING id, version")
                                    .arg(ServerSchema::ItemColumns(), ServerSchema::ItemPlaceholders()));
    ServerSchema::BindItem(query, item);
    if (!query.exec() || !query.next()) {
        failed(query);
        return Step::Failed;
    }
    *id = query.value(0).toLongLong();
    *version = query.value(1).toInt();
    return Step::Done;
}

bool ServerRegister::logMove(qint64 id, int delta, int countAfter, const QString& source) {
    if (delta == 0)
        return true;
    QSqlQuery& query =
        prepared(QStringLiteral("INSERT INTO vestrum_moves (item_id, delta, count_after, source) VALUES (?, ?, ?, ?)"));
    query.addBindValue(id);
    query.addBindValue(delta);
    query.addBindValue(countAfter);
    query.addBindValue(source);
    return query.exec() || failed(query);
}

ServerRegister::Step ServerRegister::writeUpdate(qint64 id, int baseVersion, const Item& base, const Item& mine,
                                                 bool versioned, const QString& source, int* newVersion) {
    const Difference d = compare(base, mine);
    const int delta = mine.GetNumberOfItems() - base.GetNumberOfItems();
    if (!d.count && !d.date && !d.others) {
        *newVersion = baseVersion;
        return Step::Done;
    }
    // Every field but the count as mine (a movement that sets the date: only the date); the count moved by the
    // difference, whatever happened to it meanwhile.
    std::vector<int> columns;
    if (d.others) {
        for (int c = 0; c < FieldCount; ++c) {
            if (c != FieldNumberOfItems)
                columns.push_back(c);
        }
    } else if (d.date) {
        columns.push_back(FieldDate);
    }
    QString statement = QStringLiteral("UPDATE vestrum_items SET ");
    for (int c : columns)
        statement += ServerSchema::ColumnName(c) + QLatin1String(" = ?, ");
    if (columns.empty()) {
        statement += QLatin1String("number_of_items = number_of_items + ? WHERE id = ?");
    } else {
        statement += QLatin1String("number_of_items = number_of_items + ?, version = version + 1 WHERE id = ?");
        if (versioned)
            statement += QLatin1String(" AND version = ?");
    }
    statement += QLatin1String(" RETURNING version, number_of_items");
    QSqlQuery& query = prepared(statement);
    for (int c : columns)
        query.addBindValue(ServerSchema::Value(mine, c));
    query.addBindValue(delta);
    query.addBindValue(id);
    if (versioned && !columns.empty())
        query.addBindValue(baseVersion);
    if (!query.exec()) {
        failed(query);
        return Step::Failed;
    }
    if (!query.next())
        return Step::Conflict;
    *newVersion = query.value(0).toInt();
    const int countAfter = query.value(1).toInt();
    if (!logMove(id, delta, countAfter, source))
        return Step::Failed;
    return Step::Done;
}

ServerRegister::Step ServerRegister::writeDelete(qint64 id, int baseVersion) {
    QSqlQuery& query = prepared(QStringLiteral("DELETE FROM vestrum_items WHERE id = ? AND version = ?"));
    query.addBindValue(id);
    query.addBindValue(baseVersion);
    if (!query.exec()) {
        failed(query);
        return Step::Failed;
    }
    if (query.numRowsAffected() > 0)
        return Step::Done;
    // Gone already is what was wanted; changed meanwhile is a conflict.
    QSqlQuery& exists = prepared(QStringLiteral("SELECT 1 FROM vestrum_items WHERE id = ?"));
    exists.addBindValue(id);
    if (!exists.exec()) {
        failed(exists);
        return Step::Failed;
    }
    const bool there = exists.next();
    exists.finish();
    return there ? Step::Conflict : Step::Done;
}

QList<int> ServerRegister::DifferingFields(const Item& a, const Item& b) {
    QList<int> fields;
    for (int f = 0; f < FieldCount; ++f) {
        const QVariant x = ServerSchema::Value(a, f);
        const QVariant y = ServerSchema::Value(b, f);
        if (x.typeId() == QMetaType::Double ? x.toDouble() != y.toDouble() : x != y)
            fields << f;
    }
    return fields;
}

ServerConflict ServerRegister::makeConflict(Item* item, qint64 id, const Item& mine, bool mineDeleted) {
    ServerConflict conflict;
    conflict.item = item;
    conflict.id = id;
    conflict.mine = mine;
    conflict.mineDeleted = mineDeleted;
    QSqlQuery query(database());
    conflict.theirsDeleted = !fetchRow(query, id, &conflict.theirs, &conflict.theirVersion);
    conflict.fields = conflict.theirsDeleted ? QList<int>() : DifferingFields(conflict.mine, conflict.theirs);
    return conflict;
}

ServerRegister::Result ServerRegister::WriteEdit(Item* item, const Item& edited, ServerConflict* conflict,
                                                 QString* error) {
    const auto it = m_known.find(item);
    if (it == m_known.end()) {
        if (error)
            *error = tr("Posten findes ikke på serveren.");
        return Result::Refused;
    }
    Known& known = it->second;
    int newVersion = 0;
    Step step = Step::Done;
    QString reason;
    const bool ok = runWrite(
        [&]() {
            step = writeUpdate(known.id, known.version, known.base, edited, true, QStringLiteral("edit"), &newVersion);
            return step == Step::Done;
        },
        &reason);
    if (step == Step::Conflict) {
        if (conflict)
            *conflict = makeConflict(item, known.id, edited, false);
        return Result::Conflict;
    }
    if (!ok) {
        if (error)
            *error = reason;
        return Result::Refused;
    }
    // The caller puts the edit into the item next; a movement elsewhere meanwhile is fetched after that.
    known.base = edited;
    known.version = newVersion;
    m_markSaved = true;
    queueRefresh(known.id);
    return Result::Written;
}

ServerRegister::Result ServerRegister::Resolve(const ServerConflict& conflict, Resolution resolution, QString* error) {
    Item* item = conflict.item && m_known.count(conflict.item) ? conflict.item : nullptr;
    if (resolution == Resolution::KeepTheirs) {
        if (conflict.theirsDeleted) {
            if (item)
                removeFromCollection(item);
        } else if (item) {
            putIntoCollection(item, conflict.theirs, conflict.theirVersion);
        } else if (Item* back = ItemOf(conflict.id)) {
            putIntoCollection(back, conflict.theirs, conflict.theirVersion); // a notification brought it back
        } else {
            addToCollection(conflict.id, conflict.theirs, conflict.theirVersion);
        }
        return Result::Written;
    }
    // Keep mine: write it over their version (checked again, so a newer change is a new conflict).
    Step step = Step::Done;
    int newVersion = 0;
    qint64 newId = 0;
    QString reason;
    const bool ok = runWrite(
        [&]() {
            if (conflict.mineDeleted) {
                step = conflict.theirsDeleted ? Step::Done : writeDelete(conflict.id, conflict.theirVersion);
            } else if (conflict.theirsDeleted) {
                step = writeInsert(conflict.mine, &newId, &newVersion);
            } else {
                step = writeUpdate(conflict.id, conflict.theirVersion, conflict.theirs, conflict.mine, true,
                                   QStringLiteral("edit"), &newVersion);
            }
            return step == Step::Done;
        },
        &reason);
    if (step == Step::Conflict) {
        deferConflict(makeConflict(item, conflict.id, conflict.mine, conflict.mineDeleted));
        return Result::Conflict;
    }
    if (!ok) {
        if (error)
            *error = reason;
        return Result::Refused;
    }
    if (conflict.mineDeleted) {
        if (Item* back = ItemOf(conflict.id))
            removeFromCollection(back); // a notification had brought it back meanwhile
        return Result::Written;
    }
    if (conflict.theirsDeleted) {
        if (item) {
            forget(item);
            remember(item, newId, newVersion);
            m_known[item].base = conflict.mine;
        }
        return Result::Written;
    }
    if (item) {
        Known& known = m_known[item];
        known.version = newVersion;
        known.base = conflict.mine;
        // Mine moved the count by its difference to theirs; fetch what the server holds now.
        queueRefresh(conflict.id);
    }
    return Result::Written;
}

bool ServerRegister::StepHistory(bool undo, QString* error) {
    if (!m_collection)
        return false;
    QUndoStack* history = m_collection->UndoStack();
    const auto* command =
        dynamic_cast<const ItemCommand*>(history->command(undo ? history->index() - 1 : history->index()));
    const std::vector<ItemCommands::Stamp> stamps =
        command ? command->Expected(undo) : std::vector<ItemCommands::Stamp>();
    if (!stamps.empty() && m_state != State::Connected && !CheckConnection()) {
        if (error)
            *error = tr("Der er ingen forbindelse til serveren, så intet er ændret. Prøv igen, når forbindelsen er "
                        "tilbage.");
        return false;
    }
    for (const ItemCommands::Stamp& stamp : stamps) {
        const qint64 id = IdOf(stamp.item);
        if (id == 0)
            continue; // not on the server: nothing there to overwrite
        QSqlQuery& query = prepared(QStringLiteral("SELECT version FROM vestrum_items WHERE id = ?"));
        query.addBindValue(id);
        if (!query.exec()) {
            const QString reason = sqlError(query.lastError());
            m_statements.clear();
            lost(reason);
            if (error)
                *error = tr("Serveren kunne ikke spørges, så intet er ændret: %1").arg(reason);
            return false;
        }
        const int version = query.next() ? query.value(0).toInt() : 0;
        query.finish();
        if (version != stamp.version) {
            // Someone changed (or deleted) the item since: theirs stays, and this workstation is shown it.
            if (error)
                *error = tr("%1 er ændret på en anden arbejdsplads siden. For ikke at skrive hen over den ændring er "
                            "intet ændret; posten viser nu den udgave, der står på serveren.")
                             .arg(ItemCommands::Label(*stamp.item));
            refreshItem(id);
            return false;
        }
    }
    if (undo)
        history->undo();
    else
        history->redo();
    return true;
}

bool ServerRegister::ApplyMovements(const std::vector<Movement>& movements, const QString& source, QString* error) {
    struct Row {
        Item* item;
        qint64 id;
        int delta;
        int countAfter;
        bool gone;
    };
    std::vector<Row> rows;
    for (const Movement& m : movements) {
        const auto it = m_known.find(m.item);
        if (it == m_known.end()) {
            if (error)
                *error = tr("Posten findes ikke på serveren.");
            return false;
        }
        rows.push_back({m.item, it->second.id, m.delta, 0, false});
    }
    const bool ok = runWrite(
        [&]() {
            for (Row& row : rows) {
                QSqlQuery& query = prepared(QStringLiteral("UPDATE vestrum_items SET number_of_items = number_of_items "
                                                           "+ ? WHERE id = ? RETURNING number_of_items"));
                query.addBindValue(row.delta);
                query.addBindValue(row.id);
                if (!query.exec())
                    return failed(query);
                row.gone = !query.next();
                if (row.gone)
                    continue; // removed elsewhere meanwhile: nothing to move
                row.countAfter = query.value(0).toInt();
                if (!logMove(row.id, row.delta, row.countAfter, source))
                    return false;
            }
            return true;
        },
        error);
    if (!ok)
        return false;
    m_markSaved = true;
    for (const Row& row : rows) {
        const auto it = m_known.find(row.item);
        if (it == m_known.end())
            continue;
        if (row.gone) {
            queueRefresh(row.id);
            continue;
        }
        Item values(*row.item);
        values.SetNumberOfItems(row.countAfter);
        it->second.base.SetNumberOfItems(row.countAfter);
        if (row.item->GetNumberOfItems() != row.countAfter)
            putIntoCollection(row.item, values, it->second.version);
    }
    return true;
}

// --- following the collection -------------------------------------------------------------------------------

void ServerRegister::onItemAdded(Item* item) {
    if (m_applying)
        return;
    qint64 id = 0;
    int version = 0;
    QString reason;
    const bool ok = runWrite([&]() { return writeInsert(*item, &id, &version) == Step::Done; }, &reason);
    if (ok) {
        remember(item, id, version);
        m_markSaved = true;
        m_refreshTimer->start();
        return;
    }
    defer([this, item, reason] {
        if (m_collection && m_collection->IndexOf(item) >= 0 && !m_known.count(item)) {
            removeFromCollection(item);
            emit changeRefused(reason);
        }
    });
}

void ServerRegister::onItemChanged(Item* item, int oldGroup) {
    (void)oldGroup;
    if (m_applying)
        return;
    const auto it = m_known.find(item);
    if (it == m_known.end())
        return;
    Known& known = it->second;
    const Difference d = compare(known.base, *item);
    if (!d.count && !d.date && !d.others)
        return; // written already (WriteEdit) or nothing changed
    // A change of the count alone is a movement; anything else an edit of the version it was read at.
    const bool movement = !d.others && !d.date;
    int newVersion = 0;
    Step step = Step::Done;
    QString reason;
    const Item mine(*item);
    const bool ok = runWrite(
        [&]() {
            step = writeUpdate(known.id, known.version, known.base, mine, !movement,
                               movement ? QStringLiteral("count") : QStringLiteral("edit"), &newVersion);
            return step == Step::Done;
        },
        &reason);
    if (ok) {
        known.base = mine;
        known.version = newVersion;
        m_markSaved = true;
        m_refreshTimer->start();
        if (d.count)
            queueRefresh(known.id); // other movements meanwhile
        return;
    }
    if (step == Step::Conflict) {
        deferConflict(makeConflict(item, known.id, mine, false));
        return;
    }
    const qint64 id = known.id;
    defer([this, id, reason] {
        if (Item* gone = ItemOf(id)) {
            putIntoCollection(gone, m_known[gone].base, m_known[gone].version);
            dropHistory();
            emit changeRefused(reason);
        }
    });
}

void ServerRegister::onItemAboutToBeRemoved(Item* item) {
    if (m_applying)
        return;
    const auto it = m_known.find(item);
    if (it == m_known.end())
        return;
    const qint64 id = it->second.id;
    const int version = it->second.version;
    const Item base = it->second.base;
    forget(item);
    Step step = Step::Done;
    QString reason;
    const bool ok = runWrite(
        [&]() {
            step = writeDelete(id, version);
            return step == Step::Done;
        },
        &reason);
    if (ok) {
        m_markSaved = true;
        m_refreshTimer->start();
        return;
    }
    if (step == Step::Conflict) {
        ServerConflict conflict = makeConflict(nullptr, id, base, true);
        if (conflict.theirsDeleted)
            return;
        deferConflict(conflict);
        return;
    }
    // Not deleted on the server: the item comes back (as a copy; the deleting command keeps its own).
    defer([this, id, version, base, reason] {
        if (m_collection && !m_byId.contains(id)) {
            addToCollection(id, base, version);
            dropHistory();
            emit changeRefused(reason);
        }
    });
}

void ServerRegister::onItemsReset() {
    if (m_applying || !m_collection)
        return;
    // What the reset did, measured against what the server holds: items new, gone and changed.
    const std::vector<Item*>& now = m_collection->Items();
    std::unordered_set<const Item*> present(now.begin(), now.end());
    std::vector<Item*> added;
    std::vector<Item*> changed;
    for (Item* item : now) {
        const auto it = m_known.find(item);
        if (it == m_known.end())
            added.push_back(item);
        else if (!ItemCommands::SameContent(it->second.base, *item))
            changed.push_back(item);
    }
    std::vector<std::pair<qint64, Known>> removed;
    std::vector<const Item*> removedItems;
    for (const auto& [item, known] : m_known) {
        if (!present.count(item)) {
            removed.emplace_back(known.id, known);
            removedItems.push_back(item);
        }
    }
    if (added.empty() && changed.empty() && removed.empty())
        return;

    std::vector<std::pair<qint64, int>> addedRows(added.size());
    std::vector<int> changedVersions(changed.size());
    ServerConflict conflict;
    bool conflicted = false;
    QString reason;
    const bool ok = runWrite(
        [&]() {
            for (size_t i = 0; i < added.size(); ++i) {
                if (writeInsert(*added[i], &addedRows[i].first, &addedRows[i].second) != Step::Done)
                    return false;
            }
            for (size_t i = 0; i < changed.size(); ++i) {
                const Known& known = m_known[changed[i]];
                // An import moves counts and sets dates: no version needed; anything else is an edit.
                const Difference d = compare(known.base, *changed[i]);
                const Step step = writeUpdate(known.id, known.version, known.base, *changed[i], d.others,
                                              QStringLiteral("import"), &changedVersions[i]);
                if (step == Step::Conflict) {
                    conflicted = true;
                    conflict.item = changed[i];
                    conflict.id = known.id;
                    conflict.mine = *changed[i];
                    return false;
                }
                if (step != Step::Done)
                    return false;
            }
            for (const auto& [id, known] : removed) {
                const Step step = writeDelete(id, known.version);
                if (step == Step::Conflict) {
                    conflicted = true;
                    conflict.id = id;
                    conflict.mine = known.base;
                    conflict.mineDeleted = true;
                    return false;
                }
                if (step != Step::Done)
                    return false;
            }
            return true;
        },
        &reason);
    if (ok) {
        for (size_t i = 0; i < added.size(); ++i)
            remember(added[i], addedRows[i].first, addedRows[i].second);
        for (size_t i = 0; i < changed.size(); ++i) {
            Known& known = m_known[changed[i]];
            known.base = *changed[i];
            known.version = changedVersions[i];
            queueRefresh(known.id);
        }
        for (const Item* item : removedItems)
            forget(item);
        m_markSaved = true;
        m_refreshTimer->start();
        return;
    }
    if (conflicted) {
        reason = tr("Ændringerne er ikke gemt: en anden arbejdsplads har ændret '%1' imens. Alle ændringer er "
                    "taget tilbage.")
                     .arg(conflict.mine.GetName());
    }
    // Nothing was written: the collection goes back to the server's state as last known.
    defer([this, added, removed, reason] {
        if (!m_collection)
            return;
        std::vector<Item*> restored;
        std::unordered_set<const Item*> drop(added.begin(), added.end());
        for (Item* item : m_collection->Items()) {
            if (drop.count(item))
                continue;
            const auto it = m_known.find(item);
            if (it != m_known.end() && !ItemCommands::SameContent(it->second.base, *item))
                *item = it->second.base; // the list's bookkeeping of the item stays
            restored.push_back(item);
        }
        std::vector<std::pair<Item*, Known>> back;
        for (const auto& [id, known] : removed) {
            auto* item = new Item(known.base);
            restored.push_back(item);
            back.emplace_back(item, known);
        }
        m_applying = true;
        std::vector<Item*> dropped = m_collection->ReplaceItems(restored);
        m_applying = false;
        for (const auto& [item, known] : back)
            remember(item, known.id, known.version);
        dropHistory();
        qDeleteAll(dropped);
        emit changeRefused(reason);
    });
}

// --- putting the server's state into the collection ----------------------------------------------------------

void ServerRegister::putIntoCollection(Item* item, const Item& values, int version) {
    auto it = m_known.find(item);
    if (it != m_known.end()) {
        it->second.base = values;
        it->second.version = version;
    }
    if (!m_collection || ItemCommands::SameContent(*item, values))
        return;
    const int oldGroup = item->GetGroup();
    *item = values;
    m_applying = true;
    m_collection->NotifyItemChanged(item, oldGroup);
    m_applying = false;
}

void ServerRegister::addToCollection(qint64 id, const Item& values, int version) {
    if (!m_collection)
        return;
    auto* item = new Item(values);
    const bool modified = DBItemCollection::IsModified();
    m_applying = true;
    m_collection->Add(item);
    m_applying = false;
    DBItemCollection::SetModified(modified);
    remember(item, id, version);
}

void ServerRegister::removeFromCollection(Item* item) {
    forget(item);
    if (!m_collection)
        return;
    m_applying = true;
    const bool removed = m_collection->Remove(item);
    m_applying = false;
    if (removed) {
        // An undo command may still point to it: the history goes first, the item later.
        dropHistory();
        m_orphans.push_back(item);
    }
}

void ServerRegister::dropHistory() {
    if (m_collection && m_collection->UndoStack()->count() > 0) {
        const bool modified = DBItemCollection::IsModified();
        m_collection->UndoStack()->clear();
        DBItemCollection::SetModified(modified);
    }
    qDeleteAll(m_orphans);
    m_orphans.clear();
}

// --- deferred work: never inside the collection's announcement ----------------------------------------------

void ServerRegister::defer(std::function<void()> work) {
    m_deferred.push_back(std::move(work));
    m_refreshTimer->start();
}

void ServerRegister::deferConflict(const ServerConflict& conflict) {
    defer([this, conflict] { emit conflictFound(conflict); });
}

void ServerRegister::queueRefresh(qint64 id) {
    if (!m_pendingRefresh.contains(id))
        m_pendingRefresh << id;
    m_refreshTimer->start();
}

void ServerRegister::runDeferred() {
    // What was written is on the server: the register has nothing left to save. (Not earlier: the undo stack
    // tells its own state after the command that caused the write has run.)
    if (std::exchange(m_markSaved, false) && m_collection)
        m_collection->MarkSaved();
    std::vector<std::function<void()>> work;
    work.swap(m_deferred);
    for (auto& w : work)
        w();
    const QList<qint64> ids = std::exchange(m_pendingRefresh, {});
    for (qint64 id : ids)
        refreshItem(id);
}

void ServerRegister::refreshItem(qint64 id) {
    if (!m_collection || m_state != State::Connected)
        return;
    QSqlQuery query(database());
    Item theirs;
    int version = 0;
    const bool exists = fetchRow(query, id, &theirs, &version);
    if (query.lastError().isValid()) {
        lost(sqlError(query.lastError()));
        return;
    }
    Item* item = ItemOf(id);
    if (!exists) {
        if (item) {
            emit itemRemovedRemotely(item);
            removeFromCollection(item);
        }
        return;
    }
    if (!item) {
        addToCollection(id, theirs, version);
        if (Item* added = ItemOf(id))
            emit itemRefreshed(added);
        return;
    }
    const Known& known = m_known[item];
    if (!ItemCommands::SameContent(known.base, *item)) {
        // A change of ours waits (a conflict open): only the count follows the server.
        Item values(*item);
        values.SetNumberOfItems(theirs.GetNumberOfItems());
        m_known[item].base.SetNumberOfItems(theirs.GetNumberOfItems());
        putIntoCollection(item, values, known.version);
        return;
    }
    const bool differs = !ItemCommands::SameContent(*item, theirs);
    putIntoCollection(item, theirs, version);
    if (differs)
        emit itemRefreshed(item);
}

void ServerRegister::onNotification(const QString& name, QSqlDriver::NotificationSource source,
                                    const QVariant& payload) {
    (void)source;
    if (name != QLatin1String(Channel) || !m_collection)
        return;
    const QStringList parts = payload.toString().split(QLatin1Char(' '));
    if (parts.size() < 3)
        return;
    const QString kind = parts[0];
    const qint64 id = parts[1].toLongLong();
    const int version = parts[2].toInt();
    if (kind == QLatin1String("L")) {
        defer([this] { refreshLists(); });
        return;
    }
    Item* item = ItemOf(id);
    if (kind == QLatin1String("U") || kind == QLatin1String("I")) {
        if (item && m_known[item].version >= version)
            return; // our own change, or one read already
    } else if (kind == QLatin1String("M")) {
        if (item && parts.size() > 3 && item->GetNumberOfItems() == parts[3].toInt() &&
            m_known[item].base.GetNumberOfItems() == parts[3].toInt())
            return;
    } else if (kind == QLatin1String("D")) {
        if (!item)
            return;
    }
    queueRefresh(id);
}

void ServerRegister::refreshLists() {
    if (!m_collection)
        return;
    QStringList lists[4];
    bool found[4];
    QString reason;
    if (!readLists(m_language, lists, found, &reason)) {
        lost(reason);
        return;
    }
    // Through the collection, so the list rows follow its announcement.
    for (int l = 0; l < 4; ++l) {
        if (found[l])
            m_collection->SetListEntries(DBItemCollection::GroupList + l, lists[l]);
    }
    emit listsRefreshed();
}

void ServerRegister::catchUp() {
    // After a reconnection: whatever changed meanwhile, by versions and counts.
    if (!m_collection)
        return;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, version, number_of_items FROM vestrum_items"))) {
        lost(sqlError(query.lastError()));
        return;
    }
    QSet<qint64> seen;
    while (query.next()) {
        const qint64 id = query.value(0).toLongLong();
        seen.insert(id);
        Item* item = ItemOf(id);
        if (!item || m_known[item].version != query.value(1).toInt() ||
            item->GetNumberOfItems() != query.value(2).toInt())
            queueRefresh(id);
    }
    for (auto it = m_byId.cbegin(); it != m_byId.cend(); ++it) {
        if (!seen.contains(it.key()))
            queueRefresh(it.key());
    }
    defer([this] { refreshLists(); });
}
