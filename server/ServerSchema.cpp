#include "server/ServerSchema.h"

#include "core/Item.h"
#include "server/ServerRegister.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

const char* const itemColumns[ServerSchema::ItemColumnCount] = {
    "item_group", "name",     "product",     "price",    "price_today", "date",
    "supplier",   "serialno", "description", "address",  "photolink",   "number_of_items",
    "location",   "www",      "receipt",     "document", "producttype"};

// The text fields in record order, with their columns.
constexpr Item::TextField textFields[] = {Item::Name,     Item::Product,     Item::Date,     Item::Supplier,
                                          Item::Serialno, Item::Description, Item::Address,  Item::Photolink,
                                          Item::Www,      Item::Receipt,     Item::Document, Item::Producttype};

} // namespace

QStringList ServerSchema::CreateStatements() {
    return {
        QStringLiteral("CREATE TABLE vestrum_schema (version integer NOT NULL, edition integer NOT NULL, "
                       "created timestamptz NOT NULL DEFAULT now())"),
        QStringLiteral("CREATE TABLE vestrum_items ("
                       "id bigserial PRIMARY KEY, "
                       "version integer NOT NULL DEFAULT 1, "
                       "item_group integer NOT NULL, "
                       "name text NOT NULL, product text NOT NULL, "
                       "price double precision NOT NULL, price_today double precision NOT NULL, "
                       "date text NOT NULL, supplier text NOT NULL, serialno text NOT NULL, "
                       "description text NOT NULL, address text NOT NULL, photolink text NOT NULL, "
                       "number_of_items integer NOT NULL "
                       "CONSTRAINT vestrum_items_count_not_negative CHECK (number_of_items >= 0), "
                       "location integer NOT NULL, www text NOT NULL, receipt text NOT NULL, "
                       "document text NOT NULL, producttype text NOT NULL)"),
        QStringLiteral("CREATE TABLE vestrum_lists (language text NOT NULL, list text NOT NULL, "
                       "position integer NOT NULL, entry text NOT NULL, PRIMARY KEY (language, list, position))"),
        QStringLiteral("CREATE TABLE vestrum_moves (id bigserial PRIMARY KEY, item_id bigint NOT NULL, "
                       "delta integer NOT NULL, count_after integer NOT NULL, source text NOT NULL, "
                       "moved_by text NOT NULL DEFAULT current_user, moved_at timestamptz NOT NULL DEFAULT now())"),
    };
}

QStringList ServerSchema::TriggerStatements() {
    // "U id version" for an edit, "M id version count" for a movement (the version unchanged), "I" and "D" for
    // rows added and removed, "L" for the lists: every other workstation knows what to fetch.
    return {
        QStringLiteral("CREATE FUNCTION vestrum_items_notify() RETURNS trigger LANGUAGE plpgsql AS $$\n"
                       "BEGIN\n"
                       "  IF TG_OP = 'DELETE' THEN\n"
                       "    PERFORM pg_notify('vestrum_items', 'D ' || OLD.id || ' ' || OLD.version);\n"
                       "    RETURN OLD;\n"
                       "  ELSIF TG_OP = 'INSERT' THEN\n"
                       "    PERFORM pg_notify('vestrum_items', 'I ' || NEW.id || ' ' || NEW.version);\n"
                       "  ELSIF NEW.version = OLD.version THEN\n"
                       "    PERFORM pg_notify('vestrum_items', 'M ' || NEW.id || ' ' || NEW.version || ' ' || "
                       "NEW.number_of_items);\n"
                       "  ELSE\n"
                       "    PERFORM pg_notify('vestrum_items', 'U ' || NEW.id || ' ' || NEW.version);\n"
                       "  END IF;\n"
                       "  RETURN NEW;\n"
                       "END $$"),
        QStringLiteral("CREATE TRIGGER vestrum_items_changed AFTER INSERT OR UPDATE OR DELETE ON vestrum_items "
                       "FOR EACH ROW EXECUTE FUNCTION vestrum_items_notify()"),
        QStringLiteral("CREATE FUNCTION vestrum_lists_notify() RETURNS trigger LANGUAGE plpgsql AS $$\n"
                       "BEGIN\n"
                       "  PERFORM pg_notify('vestrum_items', 'L 0 0');\n"
                       "  RETURN NULL;\n"
                       "END $$"),
        QStringLiteral("CREATE TRIGGER vestrum_lists_changed AFTER INSERT OR UPDATE OR DELETE ON vestrum_lists "
                       "FOR EACH STATEMENT EXECUTE FUNCTION vestrum_lists_notify()"),
    };
}

QString ServerSchema::ItemColumns() {
    QStringList names;
    for (const char* name : itemColumns)
        names << QLatin1String(name);
    return names.join(QLatin1String(", "));
}

QString ServerSchema::ItemPlaceholders() {
    QStringList marks;
    for (int i = 0; i < ItemColumnCount; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1String(", "));
}

QVariant ServerSchema::Text(const QString& text) {
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

void ServerSchema::BindItem(QSqlQuery& query, const Item& item) {
    auto text = [&item](Item::TextField field) { return Text(item.GetText(field)); };
    query.addBindValue(item.GetGroup());
    query.addBindValue(text(Item::Name));
    query.addBindValue(text(Item::Product));
    query.addBindValue(item.GetPrice());
    query.addBindValue(item.GetPriceToday());
    query.addBindValue(text(Item::Date));
    query.addBindValue(text(Item::Supplier));
    query.addBindValue(text(Item::Serialno));
    query.addBindValue(text(Item::Description));
    query.addBindValue(text(Item::Address));
    query.addBindValue(text(Item::Photolink));
    query.addBindValue(item.GetNumberOfItems());
    query.addBindValue(item.GetLocation());
    query.addBindValue(text(Item::Www));
    query.addBindValue(text(Item::Receipt));
    query.addBindValue(text(Item::Document));
    query.addBindValue(text(Item::Producttype));
}

void ServerSchema::ReadItem(const QSqlQuery& query, int c, Item* item) {
    // Texts in record order are the columns 1, 2, 5..10, 13..16 after the first.
    static constexpr int textColumns[] = {1, 2, 5, 6, 7, 8, 9, 10, 13, 14, 15, 16};
    QByteArray latin1[Item::TextFieldCount];
    QByteArrayView views[Item::TextFieldCount];
    for (int i = 0; i < Item::TextFieldCount; ++i) {
        latin1[textFields[i]] = query.value(c + textColumns[i]).toString().toLatin1();
        views[textFields[i]] = latin1[textFields[i]];
    }
    item->SetAllLatin1(views);
    item->SetGroup(query.value(c).toInt());
    item->SetPrice(query.value(c + 3).toDouble());
    item->SetPriceToday(query.value(c + 4).toDouble());
    item->SetNumberOfItems(query.value(c + 11).toInt());
    item->SetLocation(query.value(c + 12).toInt());
}

QStringList ServerSchema::ListNames() {
    return {QStringLiteral("groups"), QStringLiteral("location"), QStringLiteral("supplier"), QStringLiteral("fields")};
}
