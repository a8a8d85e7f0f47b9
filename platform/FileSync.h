#pragma once

#include <QString>

// Forces the data written to an open file handle (as QFileDevice::handle() returns it) onto the disk.
// A handle that cannot be synced at all (a device or pipe) counts as synced.
bool SyncFileHandle(int handle, QString* error);

// Forces a folder's entries (a file just renamed into it) onto the disk, so a finished save survives a
// power cut. Where a file system cannot sync folders, or the platform has no such step, it answers true.
bool SyncDirectory(const QString& path, QString* error);
