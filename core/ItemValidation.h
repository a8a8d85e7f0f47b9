#pragma once

#include <QString>

// The checks an item's values pass before the item dialog saves them, in their order and with their
// messages. The dialog hands over the texts of its fields and the captions of their labels; a message
// names a field exactly as its label does.
namespace ItemValidation {

// The field texts as typed.
struct Fields {
    QString price;
    QString priceToday;
    QString number;
    QString name;
    QString location; // the text the location box shows
};

// The captions of the fields' labels as the dialog shows them (see Caption()).
struct Captions {
    QString price;
    QString priceToday;
    QString number;
    QString name;
    QString location;
};

struct Result {
    enum Kind {
        Accepted,
        FieldBounds, // text is the bound message; BoundsText adds the request to correct it
        Missing,     // a required value is missing: title and text of a critical box
    };
    Kind kind = Accepted;
    QString title;
    QString text;
    // Tovik: the empty value today took the text of the price; fields.priceToday holds it.
    bool priceTodayTakesPrice = false;
};

// Checks price, value today, count, name and (Brevane) location in this order; the first failure decides.
Result Validate(Fields& fields, int edition, const Captions& captions);

// A label's text as a message names the field: without its shortcut marker ("&&" stays one "&") and
// without a closing colon.
QString Caption(const QString& labelText);

// The title and the full text of a field-bounds message.
QString BoundsTitle();
QString BoundsText(const QString& message);

} // namespace ItemValidation
