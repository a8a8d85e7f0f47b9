#include "core/DBItemCollection.h"

#include "core/Dialogs.h"
#include "core/LogXML.h"

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
    QString dbDir = m_folder;
    if (m_log)
        m_log->WriteItem(dbDir, kSource, QStringLiteral("MakeDynamicLists()"));

    m_groups.Clear();
    m_locations.Clear();
    m_suppliers.Clear();
    m_fields.Clear();
    const QString& language = m_language;
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

namespace {
struct ListFile {
    const char* folder;
    const char* messageKey;
};

// Indexed by DBItemCollection::DynamicList - 1.
const ListFile kListFiles[] = {
    {"groups", QT_TRANSLATE_NOOP("DBItemCollection", "Kan ikke gemme gruppe fil:")},
    {"location", QT_TRANSLATE_NOOP("DBItemCollection", "Kan ikke gemme lokale fil:")},
    {"supplier", QT_TRANSLATE_NOOP("DBItemCollection", "KAN_IKKE_GEMME_LEVERAND_FIL:")},
    {"fields", QT_TRANSLATE_NOOP("DBItemCollection", "KAN_IKKE_GEMME_FIELDS_FIL:")},
};

const ListFile* listFile(int list) {
    if (list < DBItemCollection::GroupList || list > DBItemCollection::FieldList)
        return nullptr;
    return &kListFiles[list - 1];
}

QString listsDir(const QString& folder) {
    return folder.isEmpty() ? QDir::currentPath() : folder;
}
} // namespace

userItemCollection* DBItemCollection::DynamicListOf(int list) {
    switch (list) {
    case GroupList:
        return &m_groups;
    case LocationList:
        return &m_locations;
    case SupplierList:
        return &m_suppliers;
    case FieldList:
        return &m_fields;
    default:
        return nullptr;
    }
}

QString DBItemCollection::DynamicListPath(int list) const {
    const ListFile* file = listFile(list);
    if (!file)
        return QString();
    // Folder and file carry the same name: groups/groups.dk.txt.
    return QStringLiteral("%1/%2/%2.%3.txt").arg(listsDir(m_folder), QLatin1String(file->folder), m_language);
}

bool DBItemCollection::SaveDynamicList(int list, QString* reason) {
    const ListFile* file = listFile(list);
    userItemCollection* entries = DynamicListOf(list);
    if (!file || !entries)
        return false;
    const QString folder = listsDir(m_folder) + QLatin1Char('/') + QLatin1String(file->folder);
    const QString path = DynamicListPath(list);
    if (!QDir(folder).exists())
        QDir().mkdir(folder);
    if (entries->SaveToFile(path))
        return true;
    if (reason) {
        *reason = QCoreApplication::translate("DBItemCollection", file->messageKey) + QDir::toNativeSeparators(path);
        if (!entries->LastError().isEmpty())
            *reason += QLatin1Char('\n') + entries->LastError();
    }
    return false;
}

void DBItemCollection::SaveDynamicLists() {
    for (int list = GroupList; list <= FieldList; ++list) {
        // Each list gets its own message; the others are still saved.
        QString reason;
        if (!SaveDynamicList(list, &reason))
            Dialogs::critical(nullptr, QCoreApplication::translate("DBItemCollection", "Fil fejl"), reason);
    }
}
