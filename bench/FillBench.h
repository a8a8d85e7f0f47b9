#pragma once

class DBItemCollection;

// Shows the item list of a loaded collection offscreen at 1024 x 768 with every group open, lets it paint
// once, and prints fill_ms and view_bytes_per_item; with sortColumn >= 0 it then clicks that column's
// header and prints header_sort_ms. Each step runs `repeat` times (medians).
void RunFillBenchmark(DBItemCollection& collection, int sortColumn, int repeat);
