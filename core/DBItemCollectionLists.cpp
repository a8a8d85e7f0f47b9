#include "DBItemCollection.h"

#include "../app/AppNames.h"
#include "Dialogs.h"
#include "LogXML.h"

#include <QCoreApplication>
#include <QDir>

namespace {
const QString kSource = QStringLiteral("DBItemCollection");

bool loadLogged(LogXML* log, userItemCollection& list, const QString& path) {
    if (log)
        log->Element(QStringLiteral("Loading"), path);
    return list.LoadFromFile(path);
}

void warnNotFound(LogXML* log) {
    if (log)
        log->Element(QStringLiteral("WARNING"), QStringLiteral("Not found"));
}
} // namespace

bool DBItemCollection::MakeDynamicLists() {
    QString dbDir = GetLastDBDir();
    if (m_log)
        m_log->WriteItem(dbDir, kSource, QStringLiteral("MakeDynamicLists()"));

    m_groups.Clear();
    m_locations.Clear();
    m_suppliers.Clear();
    m_fields.Clear();
    const QString language = GetLanguage();
    const QString groupsPath = dbDir + QStringLiteral("/groups/groups.%1.txt").arg(language);
    const QString locationsPath = dbDir + QStringLiteral("/location/location.%1.txt").arg(language);
    const QString suppliersPath = dbDir + QStringLiteral("/supplier/supplier.%1.txt").arg(language);
    const QString fieldsPath = dbDir + QStringLiteral("/fields/fields.%1.txt").arg(language);
    if (dbDir.isEmpty())
        return true;

    // Groups and locations come from the database's folder, then from its Danish-named files, and
    // failing both, together from the installation's own lists.
    bool fromDatabaseFolder = true;
    if (!loadLogged(m_log, m_groups, groupsPath)) {
        warnNotFound(m_log);
        fromDatabaseFolder = m_groups.LoadFromFile(dbDir + QStringLiteral("/groups/groups.da.txt"));
    }
    if (fromDatabaseFolder && !loadLogged(m_log, m_locations, locationsPath)) {
        warnNotFound(m_log);
        fromDatabaseFolder = m_locations.LoadFromFile(dbDir + QStringLiteral("/location/location.da.txt"));
    }
    if (!fromDatabaseFolder) {
        m_groups.LoadFromFile(QStringLiteral("group/group.%1.txt").arg(language));
        m_locations.LoadFromFile(QStringLiteral("location/location.%1.txt").arg(language));
    }

    // Suppliers and field captions fall back to the home-contents sample of the installation.
    if (!loadLogged(m_log, m_suppliers, suppliersPath)) {
        warnNotFound(m_log);
        dbDir = QStringLiteral("db/DemoDBStd/");
        m_suppliers.LoadFromFile(dbDir + QStringLiteral("/supplier/supplier.%1.txt").arg(language));
    }
    if (!loadLogged(m_log, m_fields, fieldsPath)) {
        warnNotFound(m_log);
        dbDir = QStringLiteral("db/DemoDBStd/");
        m_fields.LoadFromFile(dbDir + QStringLiteral("/fields/fields.%1.txt").arg(language));
    }
    return true;
}

void DBItemCollection::SaveDynamicLists() {
    QString dbDir = GetLastDBDir();
    if (dbDir.isEmpty())
        dbDir = QDir::currentPath();
    const QString language = GetLanguage();
    const struct {
        userItemCollection* list;
        const char* folder;
        const char* file;
        const char* messageKey;
    } lists[] = {
        {&m_groups, "groups", "groups", QT_TRANSLATE_NOOP("DBItemCollection", "Kan ikke gemme gruppe fil:")},
        {&m_locations, "location", "location", QT_TRANSLATE_NOOP("DBItemCollection", "Kan ikke gemme lokale fil:")},
        {&m_suppliers, "supplier", "supplier", QT_TRANSLATE_NOOP("DBItemCollection", "KAN_IKKE_GEMME_LEVERAND_FIL:")},
        {&m_fields, "fields", "fields", QT_TRANSLATE_NOOP("DBItemCollection", "KAN_IKKE_GEMME_FIELDS_FIL:")},
    };
    for (const auto& entry : lists) {
        const QString folder = dbDir + QLatin1Char('/') + QLatin1String(entry.folder);
        const QString path = QStringLiteral("%1/%2/%3.%4.txt")
                                 .arg(dbDir, QLatin1String(entry.folder), QLatin1String(entry.file), language);
        if (!QDir(folder).exists())
            QDir().mkdir(folder);
        if (!entry.list->SaveToFile(path)) {
            // Each list gets its own message; the others are still saved.
            QString text = QCoreApplication::translate("DBItemCollection", entry.messageKey) + path;
            if (!entry.list->LastError().isEmpty())
                text += QLatin1Char('\n') + entry.list->LastError();
            Dialogs::critical(nullptr, QCoreApplication::translate("DBItemCollection", "Fil fejl"), text);
        }
    }
}
