#pragma once

#include <QString>

// Forces the data written to an open file handle (as QFileDevice::handle() returns it) onto the disk.
bool SyncFileHandle(int handle, QString* error);
