#pragma once

#include <QString>

// Opens the register as the program does at start-up: the real main window, offscreen at 1024 x 768 with
// every group open, and prints window_ms, from the start of the load to the end of the first paint of the
// item list (the median of `repeat` windows, each built anew).
void RunWindowBenchmark(const QString& loadPath, int repeat);
