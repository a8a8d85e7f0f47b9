#pragma once

#include <vector>

class DBItemCollection;
class Item;
class LogXML;
class QWidget;

// Labels printed with the label profile chosen in the label setup: the printer-language route sends the
// filled format to the label printer; the drawn route asks for a printer (or a PDF file) in the print
// dialog. Items without a usable number are listed in one box and the rest print.

// The labels of these items, in this order. True when labels were printed.
bool PrintItemLabels(DBItemCollection* collection, const std::vector<const Item*>& items, LogXML* log, QWidget* parent);

// The label of one entry of the group list (listKind 1) or the location list (listKind 2): its position in
// the list is its number. Other lists have no labels. For the print button of the lookup-list dialog.
bool PrintListLabels(DBItemCollection* collection, int listKind, int index, QWidget* parent);
