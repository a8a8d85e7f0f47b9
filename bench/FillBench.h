#pragma once

#include <QString>

class DBItemCollection;

// Shows the item list of a loaded collection offscreen at 1024 x 768 with every group open, lets it paint
// once, and prints fill_ms and view_bytes_per_item; with sortColumn >= 0 it then clicks that column's
// header and prints header_sort_ms. With a filter text it then types it into the list's filter (the whole
// text at once, from an empty filter, as a paste or the first keystroke of a search would) until the hits
// are painted, and prints filter_ms and filter_hits. Each step runs `repeat` times (medians).
void RunFillBenchmark(DBItemCollection& collection, int sortColumn, int repeat, const QString& filterText = QString());
