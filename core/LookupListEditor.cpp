#include "core/LookupListEditor.h"

#include "core/DBItemCollection.h"
#include "core/Latin1Validator.h"
#include "core/SaveFile.h"

#include <QDir>
#include <QFile>

LookupListEditor::LookupListEditor(DBItemCollection& collection, int kind)
    : m_collection(collection), m_kind(kind), m_path(collection.DynamicListPath(kind)) {
    m_original = list().Entries();
    m_entries = m_original;
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly))
        m_originalFile = file.readAll();
}

userItemCollection& LookupListEditor::list() const {
    // The three kinds are the collection's own list numbers.
    userItemCollection* entries = m_collection.DynamicListOf(m_kind);
    Q_ASSERT(entries && m_kind != DBItemCollection::FieldList);
    return *entries;
}

int LookupListEditor::Limit() const {
    return list().Limit();
}

QString LookupListEditor::FilePath() const {
    return QDir::toNativeSeparators(m_path);
}

LookupListEditor::Outcome LookupListEditor::CheckName(const QString& name, int index) const {
    Outcome outcome;
    if (name.trimmed().isEmpty()) {
        outcome.result = Result::Empty;
    } else if ((outcome.position = Latin1Validator::FirstRefused(name)) >= 0) {
        outcome.result = Result::NotStorable;
    } else {
        for (int i = 0; i < Count(); ++i) {
            if (i != index && m_entries.at(i) == name) {
                outcome.result = Result::Duplicate;
                break;
            }
        }
    }
    return outcome;
}

LookupListEditor::Outcome LookupListEditor::Add(const QString& name) {
    if (Count() >= Limit())
        return Outcome{Result::LimitReached};
    const Outcome outcome = CheckName(name, -1);
    if (outcome.ok())
        m_entries.append(name);
    return outcome;
}

LookupListEditor::Outcome LookupListEditor::Rename(int index, const QString& name) {
    if (index < 0 || index >= Count())
        return Outcome{Result::NoEntry};
    if (m_entries.at(index) == name)
        return Outcome{Result::Unchanged};
    const Outcome outcome = CheckName(name, index);
    if (outcome.ok())
        m_entries[index] = name;
    return outcome;
}

LookupListEditor::Outcome LookupListEditor::CheckDelete(int index) const {
    if (index < 0 || index >= Count())
        return Outcome{Result::NoEntry};
    // Suppliers are kept in the items by name; nothing points at a supplier's position.
    if (m_kind == Suppliers)
        return Outcome{};
    Outcome outcome;
    outcome.uses = UseCount(index);
    // Removing an entry before others would give every item of the later entries the next entry's name.
    if (index != Count() - 1)
        outcome.result = Result::NotLast;
    else if (outcome.uses > 0)
        outcome.result = Result::InUse;
    return outcome;
}

LookupListEditor::Outcome LookupListEditor::Delete(int index) {
    const Outcome outcome = CheckDelete(index);
    if (outcome.ok())
        m_entries.removeAt(index);
    return outcome;
}

int LookupListEditor::UseCount(int index) const {
    if (m_kind != Groups && m_kind != Locations)
        return 0;
    int uses = 0;
    for (const Item* item : m_collection) {
        if ((m_kind == Groups ? item->GetGroup() : item->GetLocation()) == index)
            ++uses;
    }
    return uses;
}

bool LookupListEditor::HasUnsavedChanges() const {
    return m_entries != list().Entries();
}

bool LookupListEditor::Save(QString* reason) {
    // The file is written from the collection's list, so the list takes the entries first.
    const QStringList before = list().Entries();
    m_collection.SetListEntries(m_kind, m_entries);
    if (!m_collection.SaveDynamicList(m_kind, reason)) {
        m_collection.SetListEntries(m_kind, before);
        return false;
    }
    m_saved = true;
    return true;
}

bool LookupListEditor::Revert(QString* reason) {
    if (m_saved) {
        QString error;
        bool restored = true;
        if (m_originalFile) {
            restored = SaveFile::writeWhole(m_path, *m_originalFile, &error);
        } else {
            // There was no file of this language: the one Save() made goes again.
            QFile file(m_path);
            if (file.exists() && !file.remove()) {
                restored = false;
                error = file.errorString();
            }
        }
        if (!restored) {
            // The list keeps what the file holds, so the program and the file agree.
            if (reason)
                *reason = QDir::toNativeSeparators(m_path) + QLatin1Char('\n') + error;
            m_entries = list().Entries();
            return false;
        }
        m_saved = false;
    }
    m_collection.SetListEntries(m_kind, m_original);
    m_entries = m_original;
    return true;
}
