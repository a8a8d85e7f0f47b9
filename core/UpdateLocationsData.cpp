#include "core/UpdateLocationsData.h"

#include "app/Edition.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "core/Numbers.h"
#include "core/SaveFile.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

const QString kTitle = QStringLiteral("Brevane");
constexpr qint64 kMaxCount = std::numeric_limits<int>::max();

QString todayText() {
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

// The inventory number of a stored serial number, when it is one: digits only, leading zeros dropped.
QByteArray normalisedKey(QByteArrayView serial) {
    if (serial.isEmpty())
        return QByteArray();
    for (char c : serial) {
        if (c < '0' || c > '9')
            return QByteArray();
    }
    qsizetype first = 0;
    while (first + 1 < serial.size() && serial[first] == '0')
        ++first;
    return serial.sliced(first).toByteArray();
}

} // namespace

// The state the records work on: per item only what an import can change, so a check of a large register costs
// no copies of whole items. The items of the collection come first, in order; records that create items append
// theirs, as applying them appends to the collection.
struct UpdateLocations::Simulation {
    struct Entry {
        Item* source; // the collection's item, or the one a new item copies
        int group;
        int count;
        bool dated = false;
        bool touched = false;
        bool removed = false;
        bool isNew = false;
        QByteArray serial; // the serial number of a new item
        int next = -1;     // the next entry of the same inventory number
    };
    // The entries of one inventory number in sequence order, linked through Entry::next; removed ones stay
    // linked and are skipped. (One small list per number would cost an allocation per item.)
    struct Chain {
        int first = -1;
        int last = -1;
        int live = 0;
    };
    const DBItemCollection* collection = nullptr;
    quint64 changeCount = 0;
    int originalCount = 0;
    qint64 lastSerial = 0;
    std::vector<Entry> entries;
    QHash<QByteArray, Chain> bySerial;

    int findAt(const QByteArray& key, int group) const {
        const auto it = bySerial.constFind(key);
        if (it == bySerial.cend())
            return -1;
        for (int index = it->first; index >= 0; index = entries[static_cast<size_t>(index)].next) {
            const Entry& entry = entries[static_cast<size_t>(index)];
            if (!entry.removed && entry.group == group)
                return index;
        }
        return -1;
    }
    // The number of live entries of an inventory number, and the first of them.
    int live(const QByteArray& key, int* first) const {
        const auto it = bySerial.constFind(key);
        if (it == bySerial.cend())
            return 0;
        for (int index = it->first; index >= 0; index = entries[static_cast<size_t>(index)].next) {
            if (!entries[static_cast<size_t>(index)].removed) {
                *first = index;
                break;
            }
        }
        return it->live;
    }
    int add(Entry entry, const QByteArray& key) {
        entries.push_back(std::move(entry));
        const int index = static_cast<int>(entries.size()) - 1;
        Chain& chain = bySerial[key];
        if (chain.last >= 0)
            entries[static_cast<size_t>(chain.last)].next = index;
        else
            chain.first = index;
        chain.last = index;
        ++chain.live;
        return index;
    }
    void remove(int index, const QByteArray& key) {
        entries[static_cast<size_t>(index)].removed = true;
        --bySerial[key].live;
    }
};

UpdateLocations::UpdateLocations() = default;
UpdateLocations::~UpdateLocations() = default;

QString UpdateLocations::AskLocationFile(QObject* parent, const QString& registerFolder) {
    const QString start = (IsBrevane() ? registerFolder : QString()) + QStringLiteral("/Location.update.txt");
    return Dialogs::openFileName(parent, tr("Open_Location_File"), start, tr("location file (*.txt *.loc)"));
}

bool UpdateLocations::ParseLocationFile(const QString& path) {
    m_path = path;
    if (!QFileInfo(path).isFile()) {
        Dialogs::warning(nullptr, kTitle, tr("File: does not exist") + QStringLiteral("\n") + path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Dialogs::warning(nullptr, kTitle, tr("Cannot open file %1 for reading").arg(path));
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Dialogs::warning(nullptr, kTitle, tr("Cannot open file %1 for reading").arg(path));
        return false;
    }
    Parse(data);
    return true;
}

void UpdateLocations::Parse(const QByteArray& data) {
    m_content = data;
    m_records.clear();
    m_outcomes.clear();
    m_simulation.reset();
    m_good = 0;
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        ++lineNumber;
        QByteArrayView line(data.constData() + start, end - start);
        start = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;

        QList<QString> parts;
        qsizetype from = 0;
        for (;;) {
            const qsizetype semicolon = line.indexOf(';', from);
            const qsizetype to = semicolon < 0 ? line.size() : semicolon;
            parts << QString::fromLatin1(line.sliced(from, to - from));
            if (semicolon < 0)
                break;
            from = semicolon + 1;
        }
        LocationRecord record;
        record.line = lineNumber;
        record.fieldCount = static_cast<int>(parts.size());
        record.kindText = parts.value(0);
        const QString& kind = record.kindText;
        const int n = record.fieldCount;
        if (kind == QLatin1String("I") && n == 4) {
            record.kind = LocationRecord::Count;
            record.location1 = parts[1];
            record.inventoryId = parts[2];
            record.count = parts[3];
        } else if (kind == QLatin1String("F") && n == 5) {
            record.kind = LocationRecord::Move;
            record.location1 = parts[1];
            record.location2 = parts[2];
            record.inventoryId = parts[3];
            record.count = parts[4];
        } else if (kind == QLatin1String("S") && (n == 3 || n == 4)) {
            record.kind = n == 3 ? LocationRecord::SetLocation : LocationRecord::Split;
            record.location1 = parts[1];
            record.inventoryId = parts[2];
            record.count = parts.value(3);
        } else {
            // Shown as written, so the user can find the line.
            record.location1 = parts.value(1);
            record.inventoryId = parts.value(kind == QLatin1String("F") ? 3 : 2);
        }
        m_records.push_back(record);
    }
}

QString UpdateLocations::NormaliseId(const QString& id) {
    if (id.isEmpty())
        return QString();
    for (QChar c : id) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QString();
    }
    qsizetype first = 0;
    while (first + 1 < id.size() && id[first] == QLatin1Char('0'))
        ++first;
    return id.mid(first);
}

QString UpdateLocations::locationName(int location) const {
    const QString name = m_locationNames.value(location);
    return name.isEmpty() ? QString::number(location) : name;
}

void UpdateLocations::Check(const DBItemCollection& collection, const QDateTime& now) {
    m_checkedAt = now;
    m_outcomes.assign(m_records.size(), LocationOutcome());
    m_good = 0;
    m_locationNames = collection.Groups().Entries();
    const int locationCount = collection.Groups().Count();

    m_simulation = std::make_unique<Simulation>();
    Simulation& sim = *m_simulation;
    sim.collection = &collection;
    sim.changeCount = DBItemCollection::ChangeCount();
    sim.originalCount = collection.Count();
    sim.lastSerial = collection.LastSerialNumber();
    sim.entries.reserve(collection.Items().size() + 64);
    sim.bySerial.reserve(collection.Count());
    for (Item* item : collection) {
        Simulation::Entry entry{item, item->GetGroup(), item->GetNumberOfItems(), false, false, false, false, {}, -1};
        const QByteArray key = normalisedKey(item->Latin1(Item::Serialno));
        if (key.isEmpty()) {
            sim.entries.push_back(std::move(entry));
            continue;
        }
        sim.add(std::move(entry), key);
    }

    // The texts of the good records, looked up once for a file of any length.
    const QString countEffect = tr("%1: %2 → %3 stk.");
    const QString moveEffect = tr("%1 → %2: %3 af %4");
    const QString setEffect = tr("%1 → %2");
    const QString splitEffect = tr("%1 → %2: %3 af %4, nyt lagernummer %5");
    for (size_t r = 0; r < m_records.size(); ++r) {
        const LocationRecord& record = m_records[r];
        LocationOutcome& out = m_outcomes[r];
        auto problem = [&out](const QString& text) {
            out.ok = false;
            out.text = text;
        };

        if (record.kind == LocationRecord::NoKind) {
            if (record.kindText == QLatin1String("I"))
                problem(tr("Forkert antal felter: %1 (en I-linje har 4)").arg(record.fieldCount));
            else if (record.kindText == QLatin1String("F"))
                problem(tr("Forkert antal felter: %1 (en F-linje har 5)").arg(record.fieldCount));
            else if (record.kindText == QLatin1String("S"))
                problem(tr("Forkert antal felter: %1 (en S-linje har 3 eller 4)").arg(record.fieldCount));
            else
                problem(tr("Ukendt linjeart \"%1\" (I, F eller S)").arg(record.kindText));
            continue;
        }
        if (record.inventoryId.contains(QLatin1Char('#'))) {
            problem(tr("Lagernummeret \"%1\" indeholder \"#\"").arg(record.inventoryId));
            continue;
        }
        out.number = NormaliseId(record.inventoryId);
        if (out.number.isEmpty()) {
            problem(tr("Lagernummeret \"%1\" er ikke et tal").arg(record.inventoryId));
            continue;
        }
        auto location = [&](const QString& text, int* value) {
            if (ParseDecimalInt(text, value) && *value >= 0 && *value < locationCount)
                return true;
            problem(tr("Placeringen \"%1\" findes ikke (listen har %2)").arg(text).arg(locationCount));
            return false;
        };
        int location1 = -1;
        int location2 = -1;
        if (!location(record.location1, &location1))
            continue;
        if (record.kind == LocationRecord::Move && !location(record.location2, &location2))
            continue;
        int count = 0;
        if (record.kind != LocationRecord::SetLocation) {
            if (!ParseDecimalInt(record.count, &count)) {
                problem(tr("Antallet \"%1\" er ikke et helt tal").arg(record.count));
                continue;
            }
            if (record.kind == LocationRecord::Count && count == 0) {
                problem(tr("Antallet 0 ændrer intet"));
                continue;
            }
            if (record.kind != LocationRecord::Count && count <= 0) {
                problem(tr("Antallet skal være over 0, ikke %1").arg(count));
                continue;
            }
        }
        const QByteArray key = out.number.toLatin1();
        auto notFoundAt = [&](int at) {
            problem(tr("Lagernummer %1 findes ikke på %2").arg(out.number, locationName(at)));
        };
        // Set-location and split name the item by its number alone: it must be exactly one record.
        auto theOne = [&]() -> int {
            int first = -1;
            const int places = sim.live(key, &first);
            if (places == 0) {
                problem(tr("Lagernummer %1 findes ikke").arg(out.number));
                return -1;
            }
            if (places > 1) {
                problem(tr("Lagernummer %1 står på %2 placeringer; brug en flytning (F)").arg(out.number).arg(places));
                return -1;
            }
            return first;
        };

        switch (record.kind) {
        case LocationRecord::Count: {
            const int index = sim.findAt(key, location1);
            if (index < 0) {
                notFoundAt(location1);
                continue;
            }
            Simulation::Entry& entry = sim.entries[static_cast<size_t>(index)];
            out.itemName = entry.source->GetName();
            const qint64 total = qint64(entry.count) + count;
            if (total < 0) {
                problem(tr("For få på lager: %1 stk., kan ikke trække %2 fra").arg(entry.count).arg(-qint64(count)));
                continue;
            }
            if (total > kMaxCount) {
                problem(tr("Antallet bliver for stort"));
                continue;
            }
            out.text = countEffect.arg(locationName(location1), QString::number(entry.count), QString::number(total));
            entry.count = static_cast<int>(total);
            entry.dated = entry.touched = true;
            break;
        }
        case LocationRecord::Move: {
            if (location1 == location2) {
                problem(tr("Samme placering: %1").arg(locationName(location1)));
                continue;
            }
            const int from = sim.findAt(key, location1);
            if (from < 0) {
                notFoundAt(location1);
                continue;
            }
            out.itemName = sim.entries[static_cast<size_t>(from)].source->GetName();
            const int available = sim.entries[static_cast<size_t>(from)].count;
            if (available < count) {
                problem(tr("For få på lager: %1 stk., kan ikke flytte %2").arg(available).arg(count));
                continue;
            }
            const int to = sim.findAt(key, location2);
            if (to >= 0 && qint64(sim.entries[static_cast<size_t>(to)].count) + count > kMaxCount) {
                problem(tr("Antallet bliver for stort"));
                continue;
            }
            out.text = moveEffect.arg(locationName(location1), locationName(location2), QString::number(count),
                                      QString::number(available));
            Simulation::Entry& source = sim.entries[static_cast<size_t>(from)];
            source.count -= count;
            source.dated = source.touched = true;
            const Simulation::Entry copy = source;
            if (to >= 0) {
                Simulation::Entry& target = sim.entries[static_cast<size_t>(to)];
                target.count += count;
                target.dated = target.touched = true;
            } else {
                Simulation::Entry added{copy.source, location2, count, true, true, false, true, copy.serial, -1};
                if (!copy.isNew)
                    added.serial = copy.source->Latin1(Item::Serialno).toByteArray();
                sim.add(std::move(added), key);
            }
            // Every piece moved: the record at the source goes, as the pieces are elsewhere now.
            if (sim.entries[static_cast<size_t>(from)].count == 0)
                sim.remove(from, key);
            break;
        }
        case LocationRecord::SetLocation: {
            const int index = theOne();
            if (index < 0)
                continue;
            Simulation::Entry& entry = sim.entries[static_cast<size_t>(index)];
            out.itemName = entry.source->GetName();
            if (entry.group == location1) {
                out.text = tr("Står allerede på %1").arg(locationName(location1));
                break;
            }
            out.text = setEffect.arg(locationName(entry.group), locationName(location1));
            entry.group = location1;
            entry.touched = true;
            break;
        }
        case LocationRecord::Split: {
            const int index = theOne();
            if (index < 0)
                continue;
            Simulation::Entry& entry = sim.entries[static_cast<size_t>(index)];
            out.itemName = entry.source->GetName();
            if (entry.count < count) {
                problem(tr("For få på lager: %1 stk., kan ikke dele %2 fra").arg(entry.count).arg(count));
                continue;
            }
            const qint64 serial = ++sim.lastSerial;
            out.text = splitEffect.arg(locationName(entry.group), locationName(location1), QString::number(count),
                                       QString::number(entry.count), QString::number(serial));
            entry.count -= count;
            entry.dated = entry.touched = true;
            const QByteArray serialText = QByteArray::number(serial);
            sim.add(Simulation::Entry{entry.source, location1, count, true, true, false, true, serialText, -1},
                    serialText);
            break;
        }
        default:
            break;
        }
        out.ok = true;
        ++m_good;
    }
}

std::unique_ptr<LocationImportUndo> UpdateLocations::ApplyRecords(DBItemCollection& collection) {
    if (!m_simulation || m_simulation->collection != &collection ||
        m_simulation->changeCount != DBItemCollection::ChangeCount() ||
        m_simulation->originalCount != collection.Count())
        return nullptr;
    const Simulation& sim = *m_simulation;
    std::unique_ptr<LocationImportUndo> undo(new LocationImportUndo);
    undo->m_sequence = collection.Items();
    const QString today = todayText();
    std::vector<Item*> next;
    next.reserve(sim.entries.size());
    for (size_t i = 0; i < sim.entries.size(); ++i) {
        const Simulation::Entry& entry = sim.entries[i];
        if (!entry.isNew) {
            Item* item = entry.source;
            if (entry.touched) {
                undo->m_saved.push_back(LocationImportUndo::Saved{item, item->GetGroup(), item->GetNumberOfItems(),
                                                                  item->Latin1(Item::Date).toByteArray()});
                item->SetGroup(entry.group);
                item->SetNumberOfItems(entry.count);
                if (entry.dated)
                    item->SetDate(today);
            }
            if (entry.removed)
                undo->m_removed.push_back(item);
            else
                next.push_back(item);
            continue;
        }
        if (entry.removed)
            continue;
        // The copied fields are those no record changes; the changed ones are set here.
        auto* item = new Item(*entry.source);
        item->SetGroup(entry.group);
        item->SetNumberOfItems(entry.count);
        item->SetDate(today);
        item->SetLatin1(Item::Serialno, entry.serial);
        next.push_back(item);
        undo->m_added.push_back(item);
    }
    collection.ReplaceItems(std::move(next));
    DBItemCollection::SetModified(true);
    undo->m_collection = &collection;
    undo->m_changeCount = DBItemCollection::ChangeCount();
    undo->m_applied = m_good;
    m_simulation.reset(); // applied once
    return undo;
}

QString UpdateLocations::WriteBackup(const QDateTime& now) const {
    const QString stem = m_path + QLatin1Char('.') + now.toString(QStringLiteral("dd.MM.yyyy.hh.mm.ss"));
    QString backup = stem;
    for (int n = 2; QFileInfo::exists(backup); ++n)
        backup = stem + QStringLiteral("-%1").arg(n);
    QString error;
    if (!SaveFile::writeWhole(backup, m_content, &error)) {
        Dialogs::warning(nullptr, kTitle,
                         tr("Copy of file: %1 to %2 failed").arg(m_path, backup) + QStringLiteral("\n\n") + error);
        return QString();
    }
    return backup;
}

bool UpdateLocations::DeleteLocationFile() const {
    QFile file(m_path);
    if (!file.exists()) {
        Dialogs::warning(nullptr, kTitle, tr("File: does not exist") + QStringLiteral("\n") + m_path);
        return false;
    }
    // Lines the scanner added after the file was read are not lost with it.
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != m_content) {
        Dialogs::warning(nullptr, kTitle,
                         tr("Filen %1 er ændret, siden den blev læst; den bliver liggende.").arg(m_path));
        return false;
    }
    file.close();
    if (!file.remove()) {
        Dialogs::warning(nullptr, kTitle, tr("Filen %1 kunne ikke slettes: %2").arg(m_path, file.errorString()));
        return false;
    }
    return true;
}

QByteArray UpdateLocations::ContentHash() const {
    return QCryptographicHash::hash(m_content, QCryptographicHash::Sha256).toHex();
}

QString UpdateLocations::KindText(int kind) {
    switch (kind) {
    case LocationRecord::Count:
        return tr("Lagerændring");
    case LocationRecord::Move:
        return tr("Flytning");
    case LocationRecord::SetLocation:
        return tr("Ny placering");
    case LocationRecord::Split:
        return tr("Opdeling");
    default:
        return tr("Ukendt");
    }
}

QString UpdateLocations::LocationsText(const LocationRecord& record) const {
    auto name = [this](const QString& text) {
        int location = 0;
        if (ParseDecimalInt(text, &location) && location >= 0 && location < m_locationNames.size())
            return locationName(location);
        return text;
    };
    if (record.kind == LocationRecord::Move)
        return name(record.location1) + QStringLiteral(" → ") + name(record.location2);
    return name(record.location1);
}

QString UpdateLocations::SummaryText() const {
    QString text = tr("Scannerfil: %1").arg(m_path) + QLatin1Char('\n');
    text += tr("Kontrolleret: %1").arg(m_checkedAt.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"))) + QLatin1Char('\n');
    text += tr("Linjer: %1, gode: %2, med problemer: %3").arg(RecordCount()).arg(GoodCount()).arg(ProblemCount()) +
            QStringLiteral("\n\n");
    for (size_t i = 0; i < m_records.size(); ++i) {
        const LocationRecord& record = m_records[i];
        const LocationOutcome& outcome = i < m_outcomes.size() ? m_outcomes[i] : LocationOutcome();
        QStringList fields;
        fields << tr("linje %1").arg(record.line) << KindText(record.kind)
               << (outcome.number.isEmpty() ? record.inventoryId : outcome.number) + QLatin1Char(' ') + outcome.itemName
               << LocationsText(record) << record.count
               << (outcome.ok ? outcome.text : tr("PROBLEM: %1").arg(outcome.text));
        for (QString& field : fields)
            field = field.trimmed();
        text += fields.join(QStringLiteral(" | ")) + QLatin1Char('\n');
    }
    return text;
}

LocationImportUndo::~LocationImportUndo() {
    for (Item* item : m_removed)
        delete item;
    for (Item* item : m_discarded)
        delete item;
}

bool LocationImportUndo::IsLastChange() const {
    return !m_restored && m_collection && DBItemCollection::ChangeCount() == m_changeCount;
}

bool LocationImportUndo::Restore(DBItemCollection& collection) {
    if (!IsLastChange())
        return false;
    return Undo(collection);
}

bool LocationImportUndo::Undo(DBItemCollection& collection) {
    if (m_restored || &collection != m_collection)
        return false;
    m_afterSequence = collection.Items();
    m_afterSaved.clear();
    m_afterSaved.reserve(m_saved.size());
    for (const Saved& saved : m_saved) {
        Item* item = saved.item;
        m_afterSaved.push_back(
            Saved{item, item->GetGroup(), item->GetNumberOfItems(), item->Latin1(Item::Date).toByteArray()});
        item->SetGroup(saved.group);
        item->SetNumberOfItems(saved.count);
        item->SetLatin1(Item::Date, saved.date);
    }
    // The items the import added stay alive with the undo, as an open item dialog may still show one.
    m_discarded = collection.ReplaceItems(m_sequence);
    m_removed.clear(); // back in the collection, which owns them again
    m_restored = true;
    DBItemCollection::SetModified(true);
    return true;
}

bool LocationImportUndo::Redo(DBItemCollection& collection) {
    if (!m_restored || &collection != m_collection)
        return false;
    for (const Saved& saved : m_afterSaved) {
        saved.item->SetGroup(saved.group);
        saved.item->SetNumberOfItems(saved.count);
        saved.item->SetLatin1(Item::Date, saved.date);
    }
    m_removed = collection.ReplaceItems(m_afterSequence);
    m_discarded.clear(); // in the collection again
    m_afterSequence.clear();
    m_afterSaved.clear();
    m_restored = false;
    DBItemCollection::SetModified(true);
    return true;
}

LocationImportCommand::LocationImportCommand(DBItemCollection* collection, std::unique_ptr<LocationImportUndo> undo)
    : m_collection(collection), m_undo(std::move(undo)) {
    setText(tr("indlæsning af scannerfilen"));
}

LocationImportCommand::~LocationImportCommand() = default;

void LocationImportCommand::redo() {
    if (std::exchange(m_firstRedo, false))
        return; // ApplyRecords has done it
    m_undo->Redo(*m_collection);
}

void LocationImportCommand::undo() {
    m_undo->Undo(*m_collection);
}

namespace LocationImportHistory {

QString HistoryPath(const QString& databasePath) {
    return databasePath + QStringLiteral(".imports");
}

// One line per import: hash;date and time;applied records;scanner file.
QString EarlierImport(const QString& databasePath, const QByteArray& hash) {
    QFile file(HistoryPath(databasePath));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString when;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.trimmed().split(';');
        if (fields.size() >= 2 && fields[0] == hash)
            when = QString::fromUtf8(fields[1]); // the latest import of that content
    }
    return when;
}

bool Record(const QString& databasePath, const QByteArray& hash, const QDateTime& when, const QString& scannerFile,
            int applied, QString* error) {
    const QString path = HistoryPath(databasePath);
    QByteArray content;
    QFile old(path);
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly)) {
            *error = old.errorString();
            return false;
        }
        content = old.readAll();
        if (!content.isEmpty() && !content.endsWith('\n'))
            content += "\r\n";
    }
    content += hash + ';' + when.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")).toUtf8() + ';' +
               QByteArray::number(applied) + ';' + QString(scannerFile).remove(QLatin1Char('\n')).toUtf8() + "\r\n";
    return SaveFile::writeWhole(path, content, error);
}

} // namespace LocationImportHistory
