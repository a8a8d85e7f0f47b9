#include "DBItemCollection.h"

#include "Dialogs.h"
#include "EField.h"
#include "LogXML.h"
#include "SaveFile.h"

#include <QCoreApplication>

namespace {

const QString kSource = QStringLiteral("DBItemCollection");

} // namespace

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
