#pragma once

#include <QtGlobal>

// The highest resident memory of this process so far, in bytes; 0 where the system does not tell.
qint64 PeakResidentBytes();

// The resident memory of this process now, in bytes; 0 where the system does not tell.
qint64 CurrentResidentBytes();
