#include "DBItemCollection.h"

#include "../app/Edition.h"
#include "Dialogs.h"
#include "EField.h"
#include "LogXML.h"
#include "Numbers.h"
#include "SaveFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>

#include <memory>

Q_LOGGING_CATEGORY(lcDatabase, "vestrum.database", QtInfoMsg)

namespace {

int gLoadedFormatVersion = 100;
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
    auto setVersion = [this](int version) {
        m_formatVersion = version;
        gLoadedFormatVersion = version;
    };
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

bool DBItemCollection::LoadFromAsciiFile(const QString& path) {
    m_formatVersion = 100;
    if (m_log)
        m_log->WriteItem(path, kSource, QStringLiteral("LoadFromAsciiFile()"));

    if (IsBrevane())
        OpenLock(path);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Read the file whole: records are parsed straight from this buffer.
    const qint64 size = file.size();
    QByteArray data;
    if (size > 0) {
        data.resize(size);
        qint64 done = 0;
        while (done < size) {
            const qint64 got = file.read(data.data() + done, size - done);
            if (got < 0)
                return false;
            if (got == 0)
                break;
            done += got;
        }
        data.truncate(done);
    } else {
        data = file.readAll(); // files that do not report a size
    }
    file.close();

    WaitCursor wait;
    const bool ok = LoadFromBuffer(data);
    if (ok && m_log)
        m_log->WriteItem(path, kSource, QStringLiteral("LoadFromAsciiFile() - loaded"));
    return ok;
}

bool DBItemCollection::LoadFromBuffer(QByteArrayView data) {
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

    // Room for the records ahead (a record line is rarely shorter than 48 bytes), so the sequence is not
    // copied again and again while a large file is read.
    m_items.reserve(m_items.size() + static_cast<size_t>(data.size() / 48) + 16);
    EInStream in(data);
    int counter = 0;
    bool headerSeen = false;
    const bool logging = m_log && m_log->IsEnabled();
    struct Finish {
        DBItemCollection* self;
        ~Finish() { self->changed(); }
    } finish{this};

    try {
        for (;;) {
            if (in.atEnd()) {
                if (m_log)
                    m_log->EndItem();
                return true;
            }
            if (in.peek() == '#') {
                const QByteArrayView header = in.getLine(kLineBuffer - 1);
                // The format has one header, as its first line; a later "#" line is not a second description.
                if (headerSeen)
                    continue;
                headerSeen = true;
                if (m_log)
                    m_log->BeginItem(QString::fromLatin1(header), kSource, QStringLiteral("LoadFromAsciiFile()"));
                if (!ApplyHeader(header, line, spares)) {
                    if (!IsReadOnly())
                        DeleteLockFile();
                    return false;
                }
                continue;
            }

            line.Read(in);
            in.getLine(kLineBuffer - 1);
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
            m_items.push_back(item.release());
            ++counter;
        }
    } catch (const ELineException& e) {
        // A stream that ends inside a record is the end of the file; the incomplete record is dropped.
        if (e.IsEof())
            return true;
        Dialogs::critical(nullptr, QStringLiteral("Database error"), e.Message());
        return false;
    }
}

namespace {

// No text may carry the separator or a line break, or be longer than a field can be read back:
// ";" becomes ",", CR and LF a blank, and the text is cut at the field length.
bool breaksFormat(QByteArrayView text) {
    bool found = false;
    for (char c : text)
        found |= (c == ';') | (c == '\n') | (c == '\r');
    return found;
}

QByteArrayView fitToFormat(QByteArrayView text, QByteArray& scratch) {
    if (text.size() > EStringField::MaxLength)
        text = text.first(EStringField::MaxLength);
    if (!breaksFormat(text))
        return text;
    scratch = text.toByteArray();
    for (char& c : scratch) {
        if (c == ';')
            c = ',';
        else if (c == '\n' || c == '\r')
            c = ' ';
    }
    return scratch;
}

void reportNotSaved(const QString& path, const QString& reason) {
    Dialogs::critical(nullptr, QCoreApplication::translate("DBItemCollection", "DB_NOT_SAVED_TITLE"),
                      QCoreApplication::translate("DBItemCollection", "DB_NOT_SAVED").arg(path, reason));
}

} // namespace

bool DBItemCollection::WriteAscii(QIODevice* device, QString* error) {
    EIntField group;
    ECharField separator;
    separator.SetValue(';');
    EStringField lineEnd;
    lineEnd.SetValue("\r\n");
    EFloatField price(0, 6), priceToday(0, 6);
    EStringField texts[Item::TextFieldCount];
    EIntField numberOfItems, location;

    ELine line;
    auto add = [&line, &separator](EField* field) {
        line.Add(field);
        line.Add(&separator);
    };
    add(&group);
    add(&texts[Item::Name]);
    add(&texts[Item::Product]);
    add(&price);
    add(&priceToday);
    for (Item::TextField f :
         {Item::Date, Item::Supplier, Item::Serialno, Item::Description, Item::Address, Item::Photolink})
        add(&texts[f]);
    add(&numberOfItems);
    add(&location);
    for (Item::TextField f : {Item::Www, Item::Receipt, Item::Document, Item::Producttype})
        add(&texts[f]);
    line.Add(&lineEnd);

    EOutStream out(device);
    out.write(HeaderLine());
    out.write("\r\n");
    SortItems(SortGroup);

    WaitCursor wait;
    const bool logging = m_log && m_log->IsEnabled();
    QByteArray scratch[Item::TextFieldCount];
    try {
        for (const Item* item : m_items) {
            group.SetValue(item->GetGroup());
            price.SetValue(item->GetPrice());
            priceToday.SetValue(item->GetPriceToday());
            numberOfItems.SetValue(item->GetNumberOfItems());
            location.SetValue(item->GetLocation());
            const bool clean = !breaksFormat(item->AllLatin1());
            for (int f = 0; f < Item::TextFieldCount; ++f) {
                const QByteArrayView text = item->Latin1(static_cast<Item::TextField>(f));
                texts[f].SetValue(clean && text.size() <= EStringField::MaxLength ? text
                                                                                  : fitToFormat(text, scratch[f]));
            }
            line.Write(out);
            if (logging)
                m_log->Element(QStringLiteral("Item"), item->ToDebugText());
        }
    } catch (const ELineException& e) {
        if (error)
            *error = e.Message();
        return false;
    }
    if (!out.flush()) {
        if (error)
            *error = device->errorString();
        return false;
    }
    return true;
}

bool DBItemCollection::SaveToFileAsAscii(const QString& path) {
    if (IsReadOnly()) {
        Dialogs::warning(nullptr, tr("READ ONLY"), tr("READ ONLY MODE - No Save"));
        return false;
    }
    SaveFile file(path);
    if (!file.open()) {
        reportNotSaved(path, file.errorString());
        return false;
    }
    if (m_log) {
        m_log->WriteItem(path, kSource, QStringLiteral("SaveToFileAsAscii()"));
        m_log->BeginItem();
    }
    QString error;
    const bool written = WriteAscii(file.device(), &error);
    if (m_log)
        m_log->EndItem();
    if (!written) {
        file.cancel();
        reportNotSaved(path, file.errorString().isEmpty() ? error : file.errorString());
        return false;
    }
    if (!file.commit()) {
        reportNotSaved(path, file.errorString());
        return false;
    }
    return true;
}
