#include "DBItemCollection.h"

#include "../app/Edition.h"
#include "ColumnNames.h"
#include "Dialogs.h"
#include "EField.h"
#include "LogXML.h"
#include "Numbers.h"
#include "SaveFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>

#include <limits>
#include <memory>
#include <new>

Q_LOGGING_CATEGORY(lcDatabase, "vestrum.database", QtInfoMsg)

namespace {

int gLoadedFormatVersion = 100;
// Larger database files are refused: the whole file is held in memory while it is read.
qint64 gMaxFileSize = qint64(1) << 30;
const QString kSource = QStringLiteral("DBItemCollection");

// The rest of a header or record line is read into a buffer of this size (one byte for the terminator).
constexpr int kLineBuffer = 350;

int intOr(QByteArrayView text, int fallback) {
    int value = 0;
    return ParseDecimalInt(text, &value) ? value : fallback;
}

} // namespace

struct DBItemCollection::SpareFields {
    ECharField* separator;
    EStringField* location;
    EStringField* www;
    EStringField* receipt;
    EStringField* document;
    EStringField* productModel;
};

int DBItemCollection::LoadedFormatVersion() {
    return gLoadedFormatVersion;
}

QByteArray DBItemCollection::HeaderLine() {
    static const char* const common1 =
        "group;name;product;price;priceToday;date;supplier;serialno;description;address;";
    static const char* const common2 = "photolink;number_of_items;location;www;receipt;document;producttype";
    if (IsTovik())
        return QByteArray("#2.5.5 (TVK)- Format: ") + common1 + common2 + ";";
    if (IsBrevane())
        return QByteArray("#2.5.5 (BRV)- Format: ") +
               "type;name;product;price;priceToday;date;supplier;serialno;description;address;" + common2 + ";";
    if (IsOstrel())
        return QByteArray("#2.5.5 (OSR)- Format: ") +
               "type;year;mat;price;priceToday;date;catalog;catalogNo;description;quality;" +
               "picture1;count;crown;www;picture2;document;producttype" + ";";
    return QByteArray("#2.5.4 (PLN)- Format: ") +
           "type;name;model;price;priceToday;date;supplier;serialno;description;address;" +
           "photolink;number_of_items;location;www;receipt;document" + ";;";
}

bool DBItemCollection::ApplyHeader(QByteArrayView header, ELine& line, SpareFields& spares) {
    // Only the three version digits of "#d.d.d" and the edition tag are interpreted.
    auto at = [&header](int i) { return i < header.size() ? header[i] : '\0'; };
    const char major = at(1);
    const char minor = at(3);
    const char patch = at(5);
    auto setVersion = [this](int version) { m_formatVersion = version; };
    if (major < '2' || minor < '4')
        return true;
    if (patch == '0') {
        line.Add(spares.separator);
        setVersion(240);
    } else if (patch >= '1') {
        line.Add(spares.location);
        line.Add(spares.separator);
        setVersion(241);
    }
    if (major >= '2' && minor >= '5' && patch >= '2') {
        line.Add(spares.www);
        line.Add(spares.separator);
        line.Add(spares.receipt);
        line.Add(spares.separator);
        setVersion(252);
        if (patch >= '3') {
            line.Add(spares.document);
            line.Add(spares.separator);
            setVersion(253);
        }
        if (patch >= '4')
            setVersion(254);
        if (patch >= '5') {
            line.Add(spares.productModel);
            line.Add(spares.separator);
            setVersion(255);
        }
        if (patch != '4' && patch != '5')
            return true;
        qCDebug(lcDatabase) << header;
        const QByteArray tag = EditionTag().toLatin1();
        return tag.isEmpty() || header.contains(tag);
    }
    // 2.4.x, 2.5.0 and 2.5.1 carry columns that are not read.
    line.Add(spares.separator);
    line.Add(spares.separator);
    line.Add(spares.separator);
    return true;
}

qint64 DBItemCollection::MaxFileSize() {
    return gMaxFileSize;
}

void DBItemCollection::SetMaxFileSize(qint64 bytes) {
    gMaxFileSize = bytes;
}

bool DBItemCollection::LoadFromAsciiFile(const QString& path, QString* error) {
    m_formatVersion = 100;
    if (m_log)
        m_log->WriteItem(path, kSource, QStringLiteral("LoadFromAsciiFile()"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("DB_FILE_CANNOT_BE_READ").arg(file.errorString());
        return false;
    }
    // Read the file whole: records are parsed straight from this buffer. A file larger than the program
    // can hold is refused before anything is taken from it.
    auto refuse = [error](const QString& reason) {
        if (error)
            *error = reason;
        else
            Dialogs::critical(nullptr, QStringLiteral("Database error"), reason);
        return false;
    };
    auto tooLarge = [] { return tr("DB_FILE_TOO_LARGE").arg(qMax<qint64>(1, gMaxFileSize / (1024 * 1024))); };
    const qint64 size = file.size();
    if (size > gMaxFileSize)
        return refuse(tooLarge());
    QByteArray data;
    try {
        if (size > 0) {
            data.resize(size);
            qint64 done = 0;
            while (done < size) {
                const qint64 got = file.read(data.data() + done, size - done);
                if (got < 0)
                    return refuse(tr("DB_FILE_CANNOT_BE_READ").arg(file.errorString()));
                if (got == 0)
                    break;
                done += got;
            }
            data.truncate(done);
        } else {
            data = file.read(gMaxFileSize + 1); // files that do not report a size
            if (data.size() > gMaxFileSize)
                return refuse(tooLarge());
        }
    } catch (const std::bad_alloc&) {
        return refuse(tr("DB_FILE_NO_MEMORY"));
    }
    file.close();

    bool ok = false;
    {
        WaitCursor wait;
        ok = read(data, error, error != nullptr);
    }
    if (!ok)
        return false;
    if (m_log)
        m_log->WriteItem(path, kSource, QStringLiteral("LoadFromAsciiFile() - loaded"));

    // The lock is taken only for a file that was read: a refused file never touches the lock of the
    // database that stays open.
    if (IsBrevane())
        OpenLock(path);
    return true;
}

bool DBItemCollection::LoadFromBuffer(QByteArrayView data, QString* error) {
    return read(data, error, false);
}

namespace {

// The line of the file (counted from 1) that holds the given position; CR LF, LF and a lone CR each end one.
int lineNumberAt(const char* begin, const char* position) {
    int line = 1;
    for (const char* p = begin; p < position; ++p) {
        if (*p == '\n' || (*p == '\r' && (p + 1 >= position || p[1] != '\n')))
            ++line;
    }
    return line;
}

} // namespace

bool DBItemCollection::read(QByteArrayView data, QString* error, bool registerOnly) {
    m_formatVersion = 100;
    EIntField type("Type");
    ECharField separator("Separator");
    EStringField name("Name", ';'), model("Model", ';'), date("Date", ';'), supplier("Supplier", ';'),
        serialno("Serialno", ';'), description("Description", ';'), address("Address", ';'),
        photolink("Photolink", ';'), items("Items", ';'), location("Location", ';'), www("www", ';'),
        receipt("receipt", ';'), document("document", ';'), productModel("productModel", ';');
    EFloatField price("Price", 0, 6), priceToday("PriceToday", 0, 6);
    SpareFields spares{&separator, &location, &www, &receipt, &document, &productModel};

    ELine line;
    for (EField* field : std::initializer_list<EField*>{&type, &name, &model, &price, &priceToday, &date, &supplier,
                                                        &serialno, &description, &address, &photolink, &items}) {
        line.Add(field);
        line.Add(&separator);
    }

    EInStream in(data);
    int counter = 0;
    bool headerSeen = false;
    const char* recordStart = in.position();
    const char* overlongLine = nullptr; // a line whose rest did not fit the line buffer
    const bool logging = m_log && m_log->IsEnabled();
    struct Finish {
        DBItemCollection* self;
        ~Finish() { self->changed(); }
    } finish{this};
    const QString notARegister = tr("DB_NOT_A_REGISTER");
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    // A file the user opens must be a register: a header, or at least one record.
    auto finished = [&]() {
        if (registerOnly && !headerSeen && counter == 0)
            return fail(notARegister);
        // Only a file that was read tells the list which captions its version has.
        if (m_formatVersion >= 240)
            gLoadedFormatVersion = m_formatVersion;
        return true;
    };

    try {
        // Room for the records ahead (a record line is rarely shorter than 48 bytes), so the sequence is
        // not copied again and again while a large file is read.
        m_items.reserve(m_items.size() + static_cast<size_t>(data.size() / 48) + 16);
        for (;;) {
            // Nothing after an over-long line is read: its rest would be taken for records. This is the
            // failure of the record that would come next.
            if (overlongLine)
                throw ELineException(0, line.LineCount(), EFieldException(2, type.Name()));
            // Blank lines between records are skipped, whatever ends them.
            in.skipWhitespace();
            if (in.atEnd()) {
                if (m_log)
                    m_log->EndItem();
                return finished();
            }
            recordStart = in.position();
            if (in.peek() == '#') {
                const QByteArrayView header = in.getLine(kLineBuffer - 1);
                if (in.fail() && !overlongLine)
                    overlongLine = recordStart;
                // The format has one header, as its first line; a later "#" line is not a second description.
                if (headerSeen)
                    continue;
                headerSeen = true;
                if (m_log)
                    m_log->BeginItem(QString::fromLatin1(header), kSource, QStringLiteral("LoadFromAsciiFile()"));
                if (!ApplyHeader(header, line, spares))
                    return fail(notARegister);
                continue;
            }

            // A record is read within its own line: a line that ends before its last column never takes
            // fields from the next one. Only a last line without a line end may be cut short by the end
            // of the file; such an incomplete record is dropped (the exception tells the end of file).
            const QByteArrayView text = in.getLine(std::numeric_limits<int>::max() - 1);
            EInStream record(text);
            if (in.eof())
                line.Read(record);
            else
                line.ReadLine(record);
            // Whatever follows the last column is skipped, up to the size of the line buffer.
            if (text.data() + text.size() - record.position() > kLineBuffer - 1)
                overlongLine = recordStart;
            qCDebug(lcDatabase, "\r\nlinecount:%d", counter);

            auto item = std::make_unique<Item>();
            item->SetGroup(type.Value());
            item->SetPrice(price.Value());
            item->SetPriceToday(priceToday.Value());
            item->SetNumberOfItems(intOr(items.Value(), 1));
            QByteArrayView texts[Item::TextFieldCount];
            texts[Item::Name] = name.Value();
            texts[Item::Product] = model.Value();
            texts[Item::Date] = date.Value();
            texts[Item::Supplier] = supplier.Value();
            texts[Item::Serialno] = serialno.Value();
            texts[Item::Description] = description.Value();
            texts[Item::Address] = address.Value();
            texts[Item::Photolink] = photolink.Value();
            if (m_formatVersion > 240)
                item->SetLocation(intOr(location.Value(), 0));
            if (m_formatVersion > 251) {
                texts[Item::Www] = www.Value();
                texts[Item::Receipt] = receipt.Value();
            }
            if (m_formatVersion > 252)
                texts[Item::Document] = document.Value();
            if (m_formatVersion > 254)
                texts[Item::Producttype] = productModel.Value();
            item->SetAllLatin1(texts, &m_arena);

            if (logging)
                m_log->Element(QStringLiteral("Item"), item->ToDebugText());
            if (lcDatabase().isDebugEnabled())
                qCDebug(lcDatabase, "%d, %s", counter, qPrintable(item->ToDebugText()));
            m_items.push_back(item.get());
            item.release();
            ++counter;
        }
    } catch (const ELineException& e) {
        // A stream that ends inside a record is the end of the file; the incomplete record is dropped.
        if (e.IsEof())
            return finished();
        if (!error) {
            Dialogs::critical(nullptr, QStringLiteral("Database error"), e.Message());
            return false;
        }
        // Something that is not text of this format from its first line on is no register at all.
        if (!headerSeen && counter == 0)
            return fail(notARegister);
        if (overlongLine) {
            return fail(tr("DB_LINE_ERROR")
                            .arg(lineNumberAt(in.begin(), overlongLine))
                            .arg(tr("DB_LINE_TOO_LONG").arg(kLineBuffer - 1)));
        }
        const QByteArray& field = e.Field().FieldName();
        const int column = field == "Price"        ? ColumnNames::Price
                           : field == "PriceToday" ? ColumnNames::PriceToday
                                                   : ColumnNames::Group;
        return fail(tr("DB_LINE_ERROR")
                        .arg(lineNumberAt(in.begin(), recordStart))
                        .arg(tr("DB_COLUMN_NOT_A_NUMBER").arg(ColumnNames::Title(column))));
    } catch (const std::bad_alloc&) {
        const QString reason = tr("DB_FILE_NO_MEMORY");
        if (!error)
            Dialogs::critical(nullptr, QStringLiteral("Database error"), reason);
        return fail(reason);
    }
}
