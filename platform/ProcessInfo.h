#pragma once

#include <QtGlobal>

// The highest resident memory of this process so far, in bytes; 0 where the system does not tell.
qint64 PeakResidentBytes();

// The resident memory of this process now, in bytes; 0 where the system does not tell.
qint64 CurrentResidentBytes();

// This process's id.
qint64 CurrentProcessId();

// What tells this boot of the computer from the next one (on Linux the kernel's boot id); empty where the
// system has none, and then only the process ids of a lock are compared.
QString CurrentBootId();

// Whether a process with this id runs now on this computer (also when it belongs to another user).
bool ProcessIsRunning(qint64 pid);
