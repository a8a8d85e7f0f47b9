#include "core/CsvImport.h"

#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/CountValidator.h"
#include "core/DBItemCollection.h"
#include "core/EField.h"
#include "core/Item.h"
#include "core/Latin1Validator.h"
#include "core/PriceValidator.h"

#include <QDate>
#include <QFile>

#include <algorithm>

#include <charconv>
#include <cmath>

namespace {

bool isBlank(const CsvFile::Row& row) {
    return row.cells.isEmpty();
}

bool allDigits(const QString& text) {
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// A price as spreadsheets write it: "." or "," as decimal point, blanks or the other mark between
// thousands ("1.234,50", "1,234.50", "1 234,50"). False when it is no number.
bool readPrice(QStringView view, double* value) {
    // Digits with at most one point, as this program writes prices, are read without a copy.
    char buffer[64];
    if (view.size() < qsizetype(sizeof buffer)) {
        int points = 0;
        bool plain = true;
        for (qsizetype i = 0; i < view.size() && plain; ++i) {
            const char16_t c = view.at(i).unicode();
            points += c == u'.';
            plain = (c >= u'0' && c <= u'9') || c == u'.';
            buffer[i] = char(c);
        }
        if (plain && points <= 1) {
            const std::from_chars_result result = std::from_chars(buffer, buffer + view.size(), *value);
            if (result.ec == std::errc() && result.ptr == buffer + view.size())
                return true;
        }
    }
    QString text = view.toString();
    text.remove(QLatin1Char(' '));
    text.remove(QChar(0x00A0));
    text.remove(QChar(0x202F));
    const qsizetype comma = text.lastIndexOf(QLatin1Char(','));
    const qsizetype point = text.lastIndexOf(QLatin1Char('.'));
    if (comma >= 0 && point >= 0) {
        const QChar grouping = comma > point ? QLatin1Char('.') : QLatin1Char(',');
        text.remove(grouping);
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    } else if (comma >= 0) {
        // One comma is the decimal comma of the Danish and Norwegian desktop; several separate thousands.
        if (text.count(QLatin1Char(',')) > 1)
            text.remove(QLatin1Char(','));
        else
            text.replace(QLatin1Char(','), QLatin1Char('.'));
    } else if (point >= 0 && text.count(QLatin1Char('.')) > 1) {
        text.remove(QLatin1Char('.'));
    }
    bool ok = false;
    *value = text.toDouble(&ok);
    return ok && std::isfinite(*value);
}

// A date already as the register stores it: dd.mm.yyyy, and a real date.
bool storedDate(const QString& text) {
    if (text.size() != 10 || text.at(2) != QLatin1Char('.') || text.at(5) != QLatin1Char('.'))
        return false;
    char latin1[10];
    for (int i = 0; i < 10; ++i) {
        if (i != 2 && i != 5 && !text.at(i).isDigit())
            return false;
        latin1[i] = char(text.at(i).unicode());
    }
    return DateFromText(QByteArrayView(latin1, 10)).isValid();
}

// dd.mm.yyyy as the register stores dates, from d.m.yyyy, d-m-yyyy, d/m/yyyy or yyyy-mm-dd. Empty when the
// text gives no valid date.
QString readDate(const QString& text) {
    QStringList parts;
    QString part;
    for (QChar c : text) {
        if (c.isDigit()) {
            part += c;
        } else if (c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('/')) {
            parts << part;
            part.clear();
        } else {
            return QString();
        }
    }
    parts << part;
    if (parts.size() != 3)
        return QString();
    for (const QString& p : parts) {
        if (p.isEmpty())
            return QString();
    }
    QDate date;
    if (parts[0].size() == 4 && parts[1].size() <= 2 && parts[2].size() <= 2)
        date = QDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
    else if (parts[0].size() <= 2 && parts[1].size() <= 2 && parts[2].size() == 4)
        date = QDate(parts[2].toInt(), parts[1].toInt(), parts[0].toInt());
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString quoted(const QString& text) {
    constexpr int shown = 40;
    return QLatin1Char('"') + (text.size() > shown ? text.left(shown) + QChar(0x2026) : text) + QLatin1Char('"');
}

} // namespace

void CsvImport::SetData(const QByteArray& bytes) {
    m_bytes = bytes;
    m_encoding = CsvFile::DetectEncoding(m_bytes);
    m_separator = CsvFile::DetectSeparator(CsvFile::Decode(m_bytes.left(64 * 1024), m_encoding));
    parse();
}

bool CsvImport::ReadFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.size() > DBItemCollection::MaxFileSize()) {
        if (error)
            *error = tr("Filen er for stor (%1 MB).").arg(file.size() / (1024 * 1024));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    SetData(bytes);
    return true;
}

void CsvImport::SetEncoding(CsvFile::Encoding encoding) {
    m_encoding = encoding;
    parse();
}

void CsvImport::SetSeparator(QChar separator) {
    m_separator = separator;
    parse();
}

void CsvImport::SetHasHeader(bool hasHeader) {
    m_hasHeader = hasHeader;
    index();
}

void CsvImport::parse() {
    m_rows = CsvFile::Parse(CsvFile::Decode(m_bytes, m_encoding), m_separator);
    index();
}

void CsvImport::index() {
    m_headerIndex = -1;
    m_dataRows.clear();
    m_dataRows.reserve(m_rows.size());
    for (int i = 0; i < int(m_rows.size()); ++i) {
        if (isBlank(m_rows[size_t(i)]))
            continue;
        if (m_hasHeader && m_headerIndex < 0)
            m_headerIndex = i;
        else
            m_dataRows.push_back(i);
    }
}

int CsvImport::ColumnCount() const {
    if (m_headerIndex >= 0)
        return int(m_rows[size_t(m_headerIndex)].cells.size());
    int columns = 0;
    for (int i : m_dataRows)
        columns = std::max(columns, int(m_rows[size_t(i)].cells.size()));
    return columns;
}

QString CsvImport::ColumnName(int column) const {
    if (m_headerIndex >= 0) {
        const QStringList& header = m_rows[size_t(m_headerIndex)].cells;
        if (column < header.size())
            return header.at(column);
    }
    return tr("Kolonne %1").arg(column + 1);
}

int CsvImport::DataRowCount() const {
    return int(m_dataRows.size());
}

const CsvFile::Row& CsvImport::DataRow(int index) const {
    return m_rows[size_t(m_dataRows[size_t(index)])];
}

std::vector<int> CsvImport::DefaultMapping(const QStringList& captions) const {
    std::vector<int> mapping(size_t(ColumnCount()), Ignored);
    if (m_headerIndex < 0)
        return mapping;
    std::vector<bool> taken(size_t(captions.size()), false);
    for (int column = 0; column < ColumnCount(); ++column) {
        const QString name = ColumnName(column).trimmed();
        for (int field = 0; field < captions.size(); ++field) {
            if (!taken[size_t(field)] && !name.isEmpty() &&
                name.compare(captions.at(field).trimmed(), Qt::CaseInsensitive) == 0) {
                mapping[size_t(column)] = field;
                taken[size_t(field)] = true;
                break;
            }
        }
    }
    return mapping;
}

CsvImport::Outcome CsvImport::Check(const std::vector<int>& mapping, const DBItemCollection& lists, int edition) const {
    return run(mapping, lists, edition, nullptr);
}

std::vector<std::unique_ptr<Item>> CsvImport::Items(const std::vector<int>& mapping, const DBItemCollection& lists,
                                                    int edition, bool withoutProblemRows, Outcome* outcome) const {
    std::vector<std::unique_ptr<Item>> items;
    Outcome result = run(mapping, lists, edition, &items);
    if (result.problemRows > 0 && !withoutProblemRows)
        items.clear();
    if (outcome)
        *outcome = std::move(result);
    return items;
}

CsvImport::Outcome CsvImport::run(const std::vector<int>& mapping, const DBItemCollection& lists, int edition,
                                  std::vector<std::unique_ptr<Item>>* items) const {
    Outcome outcome;
    outcome.rows = DataRowCount();
    const int columns = ColumnCount();
    const CsvFile::ListNames groups(lists.Groups().Entries());
    const CsvFile::ListNames locations(lists.Locations().Entries());
    QStringList captions;
    for (int field = 0; field < CsvFile::FieldCount; ++field)
        captions << ColumnNames::Title(field);
    auto caption = [&captions](int field) { return QLatin1Char('\'') + captions.at(field) + QLatin1Char('\''); };

    // A field given by two columns: nothing can be imported until one of them is ignored.
    std::vector<int> columnOf(CsvFile::FieldCount, -1);
    bool mappingOk = true;
    for (int column = 0; column < int(mapping.size()) && column < columns; ++column) {
        const int field = mapping[size_t(column)];
        if (field < 0 || field >= CsvFile::FieldCount)
            continue;
        if (columnOf[size_t(field)] >= 0) {
            outcome.problems.push_back({m_headerIndex >= 0 ? m_rows[size_t(m_headerIndex)].number : 1,
                                        tr("%1 er valgt til både kolonne %2 og %3")
                                            .arg(caption(field))
                                            .arg(columnOf[size_t(field)] + 1)
                                            .arg(column + 1),
                                        true});
            mappingOk = false;
        } else {
            columnOf[size_t(field)] = column;
        }
    }
    if (!mappingOk) {
        outcome.problemRows = outcome.rows;
        return outcome;
    }
    if (items)
        items->reserve(size_t(outcome.rows));

    const QString empty;
    QHash<QString, int> resolved[2]; // group and location texts: number, or -1 when the list has no such name
    QByteArray latin1[Item::TextFieldCount];
    for (int index = 0; index < outcome.rows; ++index) {
        const CsvFile::Row& row = DataRow(index);
        const size_t firstProblem = outcome.problems.size();
        bool blocked = false;
        bool changed = false;
        auto problem = [&](const QString& text) {
            outcome.problems.push_back({row.number, text, true});
            blocked = true;
        };
        auto note = [&](const QString& text) {
            outcome.problems.push_back({row.number, text, false});
            changed = true;
        };
        auto cellOf = [&](int field) -> const QString& {
            const int column = columnOf[size_t(field)];
            return column >= 0 && column < row.cells.size() ? row.cells.at(column) : empty;
        };

        if (row.open) {
            // The rest of the file went into one cell: nothing else of the row says anything.
            outcome.problems.push_back(
                {row.number, tr("Et felt i anførselstegn slutter ikke før filens slutning"), true});
            ++outcome.problemRows;
            continue;
        }
        for (int column = columns; column < row.cells.size(); ++column) {
            if (!QStringView(row.cells.at(column)).trimmed().isEmpty()) {
                problem(tr("Rækken har %1 felter, overskriften %2").arg(row.cells.size()).arg(columns));
                break;
            }
        }

        // Group and location: a name of their list, or a number. A file repeats the same few, so each text
        // is looked up once.
        int numbers[2] = {0, 0};
        const int listFields[2] = {ColumnNames::Group, ColumnNames::Location};
        for (int k = 0; k < 2; ++k) {
            const QString& cell = cellOf(listFields[k]);
            if (cell.isEmpty())
                continue;
            auto known = resolved[k].constFind(cell);
            if (known == resolved[k].cend()) {
                const QString text = cell.trimmed();
                int number = text.isEmpty() ? 0 : (k == 0 ? groups : locations).Find(text);
                if (number < 0 && allDigits(text))
                    number = text.toInt();
                known = resolved[k].insert(cell, number);
            }
            if (known.value() >= 0)
                numbers[k] = known.value();
            else
                problem(tr("%1: %2 står ikke i listen").arg(caption(listFields[k]), quoted(cell.trimmed())));
        }

        int count = 1;
        const QStringView countText = QStringView(cellOf(ColumnNames::Count)).trimmed();
        if (!countText.isEmpty()) {
            bool ok = false;
            count = countText.toInt(&ok);
            if (!ok || count < 0 || count > CountValidator::Top)
                problem(tr("%1 skal være et helt tal fra 0 til %2: %3")
                            .arg(caption(ColumnNames::Count))
                            .arg(CountValidator::Top)
                            .arg(quoted(countText.toString())));
        }

        double prices[2] = {0.0, 0.0};
        bool priceGiven[2] = {false, false};
        const int priceFields[2] = {ColumnNames::Price, ColumnNames::PriceToday};
        for (int k = 0; k < 2; ++k) {
            const QStringView text = QStringView(cellOf(priceFields[k])).trimmed();
            if (text.isEmpty())
                continue;
            priceGiven[k] = true;
            if (!readPrice(text, &prices[k]))
                problem(tr("%1 er ikke et tal: %2").arg(caption(priceFields[k]), quoted(text.toString())));
            else if (prices[k] < 0 || prices[k] > PriceValidator::Top)
                problem(tr("%1 skal være fra 0 til %2: %3")
                            .arg(caption(priceFields[k]))
                            .arg(static_cast<int>(PriceValidator::Top))
                            .arg(quoted(text.toString())));
        }
        // As in the item dialog: in a home register an item without a value today is worth what it cost.
        if (!priceGiven[1] && edition == Tovik)
            prices[1] = prices[0];

        for (int field = 0; field < CsvFile::FieldCount; ++field) {
            const int textField = ColumnNames::TextFieldOf(field);
            if (textField < 0)
                continue;
            QString text = cellOf(field);
            latin1[textField].resize(0);
            if (text.isEmpty())
                continue;
            if (field == ColumnNames::Date) {
                if (storedDate(text)) {
                    latin1[textField] = text.toLatin1();
                    continue;
                }
                const QString trimmed = text.trimmed();
                const QString date = readDate(trimmed);
                if (date.isEmpty() && !trimmed.isEmpty())
                    problem(tr("%1 er ingen dato (dd.mm.åååå): %2").arg(caption(field), quoted(trimmed)));
                latin1[textField] = date.toLatin1();
                continue;
            }
            bool plain = true;
            for (QChar c : text) {
                if (c.unicode() > 0xFF || c == QLatin1Char(';') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
                    plain = false;
                    break;
                }
            }
            if (!plain) {
                for (qsizetype i = 0; i < text.size(); ++i) {
                    if (text.at(i).unicode() > 0xFF) {
                        problem(tr("%1 har tegnet %2, som registret ikke kan gemme")
                                    .arg(caption(field), Latin1Validator::Describe(text, int(i))));
                        break;
                    }
                }
                if (text.contains(QLatin1Char(';'))) {
                    text.replace(QLatin1Char(';'), QLatin1Char(','));
                    note(tr("%1: \";\" er skiftet til \",\", som registret kan gemme").arg(caption(field)));
                }
                if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
                    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
                    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
                    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
                    note(tr("%1: linjeskift er skiftet til mellemrum").arg(caption(field)));
                }
            }
            if (text.size() > EStringField::MaxLength) {
                text.truncate(EStringField::MaxLength);
                note(tr("%1 er afkortet til %2 tegn").arg(caption(field)).arg(EStringField::MaxLength));
            }
            latin1[textField] = text.toLatin1();
        }
        if (QStringView(cellOf(ColumnNames::Name)).trimmed().isEmpty())
            problem(tr("%1 mangler").arg(caption(ColumnNames::Name)));

        if (blocked) {
            ++outcome.problemRows;
            // Notes on a row that is not imported would only distract.
            outcome.problems.erase(std::remove_if(outcome.problems.begin() + qsizetype(firstProblem),
                                                  outcome.problems.end(), [](const Problem& p) { return !p.blocking; }),
                                   outcome.problems.end());
            continue;
        }
        if (changed)
            ++outcome.changedRows;
        if (!items)
            continue;
        auto item = std::make_unique<Item>();
        item->SetGroup(numbers[0]);
        item->SetLocation(numbers[1]);
        item->SetNumberOfItems(count);
        item->SetPrice(prices[0]);
        item->SetPriceToday(prices[1]);
        QByteArrayView views[Item::TextFieldCount];
        for (int f = 0; f < Item::TextFieldCount; ++f)
            views[f] = latin1[f];
        item->SetAllLatin1(views);
        items->push_back(std::move(item));
    }
    return outcome;
}
