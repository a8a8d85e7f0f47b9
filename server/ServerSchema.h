#pragma once

#include <QString>
#include <QStringList>

class Item;
class QSqlQuery;
class QVariant;

// The tables of a register on a server and the mapping between an item and its row.
//
// vestrum_items holds one row per item with every field typed (whole numbers, double precision prices, texts;
// the date stays text because a register may hold any text there) and two numbers of its own: the row's id,
// which also keeps the register's order, and the version of its fields, raised by every edit. A stock movement
// changes number_of_items relatively and leaves the version alone, so it never turns an edit into a conflict;
// a check keeps the count at zero or above. vestrum_lists holds the lookup lists of every language,
// vestrum_moves logs the stock movements, vestrum_schema the schema's version and the edition.
namespace ServerSchema {
// The statements that create the schema, in order (run in one transaction, the trigger last).
QStringList CreateStatements();
QStringList TriggerStatements();
// The item columns in record order (ServerRegister::Field), one by one and separated by ", ".
constexpr int ItemColumnCount = 17;
QString ColumnName(int column);
QString ItemColumns();
// "?, ?, ... " for one row of the item columns.
QString ItemPlaceholders();
// A text as a value for the server: an empty text is an empty text there, never NULL.
QVariant Text(const QString& text);
// The item's value of a column as it goes to the server.
QVariant Value(const Item& item, int column);
// Binds the item's fields in record order (addBindValue).
void BindItem(QSqlQuery& query, const Item& item);
// Reads the item's fields from the query's current row, starting at a column.
void ReadItem(const QSqlQuery& query, int firstColumn, Item* item);
// The folder and file names of the lookup lists: groups, location, supplier, fields (DBItemCollection::DynamicList
// order).
QStringList ListNames();
} // namespace ServerSchema
