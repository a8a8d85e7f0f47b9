#include "server/ServerSchema.h"

#include "core/Item.h"
#include "server/ServerRegister.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

// The item columns in record order, each with the item's text field it holds (-1: a number).
struct Column {
    const char* name;
    int text;
};
const Column itemColumns[ServerSchema::ItemColumnCount] = {
    {"item_group", -1},
    {"name", Item::Name},
    {"product", Item::Product},
    {"price", -1},
    {"price_today", -1},
    {"date", Item::Date},
    {"supplier", Item::Supplier},
    {"serialno", Item::Serialno},
    {"description", Item::Description},
    {"address", Item::Address},
    {"photolink", Item::Photolink},
    {"number_of_items", -1},
    {"location", -1},
    {"www", Item::Www},
    {"receipt", Item::Receipt},
    {"document", Item::Document},
    {"producttype", Item::Producttype},
};

// The number columns by their record position.
enum {
    GroupColumn = ServerRegister::FieldGroup,
    PriceColumn = ServerRegister::FieldPrice,
    PriceTodayColumn = ServerRegister::FieldPriceToday,
    CountColumn = ServerRegister::FieldNumberOfItems,
    LocationColumn = ServerRegister::FieldLocation
};

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

QString ServerSchema::ColumnName(int column) {
    return QLatin1String(itemColumns[column].name);
}

QString ServerSchema::ItemColumns() {
    QStringList names;
    for (int c = 0; c < ItemColumnCount; ++c)
        names << ColumnName(c);
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

QVariant ServerSchema::Value(const Item& item, int column) {
    switch (column) {
    case GroupColumn:
        return item.GetGroup();
    case PriceColumn:
        return item.GetPrice();
    case PriceTodayColumn:
        return item.GetPriceToday();
    case CountColumn:
        return item.GetNumberOfItems();
    case LocationColumn:
        return item.GetLocation();
    default:
        return Text(item.GetText(Item::TextField(itemColumns[column].text)));
    }
}

void ServerSchema::BindItem(QSqlQuery& query, const Item& item) {
    for (int c = 0; c < ItemColumnCount; ++c)
        query.addBindValue(Value(item, c));
}

void ServerSchema::ReadItem(const QSqlQuery& query, int first, Item* item) {
    QByteArray latin1[Item::TextFieldCount];
    QByteArrayView views[Item::TextFieldCount];
    for (int c = 0; c < ItemColumnCount; ++c) {
        const int field = itemColumns[c].text;
        if (field >= 0) {
            latin1[field] = query.value(first + c).toString().toLatin1();
            views[field] = latin1[field];
        }
    }
    item->SetAllLatin1(views);
    item->SetGroup(query.value(first + GroupColumn).toInt());
    item->SetPrice(query.value(first + PriceColumn).toDouble());
    item->SetPriceToday(query.value(first + PriceTodayColumn).toDouble());
    item->SetNumberOfItems(query.value(first + CountColumn).toInt());
    item->SetLocation(query.value(first + LocationColumn).toInt());
}

QStringList ServerSchema::ListNames() {
    return {QStringLiteral("groups"), QStringLiteral("location"), QStringLiteral("supplier"), QStringLiteral("fields")};
}
