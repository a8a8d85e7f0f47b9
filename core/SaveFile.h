#pragma once

#include <QIODevice>
#include <QSaveFile>
#include <QString>

#include <memory>

// The one way the program writes a file whole. Built on QSaveFile, but it does not trust it alone: with
// Qt 6.4 a write that fits only partly on a full disk returns a short count without an error, and a failed
// flush inside commit() goes unnoticed, so commit() could replace a good file with a truncated one. Here
// every write must be taken whole, then the data is flushed and synced before the file replaces the old
// one, and the folder is synced after the rename, so a finished save survives a power cut. On any failure
// the old file stays byte for byte as it was and errorString() tells why.
class SaveFile {
public:
    explicit SaveFile(const QString& path);
    // Writes into an existing device in place (a printer device, which has no folder for a temporary file):
    // the same checks, no replacing. The device is not owned.
    explicit SaveFile(QFileDevice* device);
    ~SaveFile();
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    bool open();
    // The device writers write to; a write that is not taken whole fails and marks the save as failed.
    QIODevice* device();
    bool write(QByteArrayView bytes);
    // Flushes, syncs and replaces the old file. False, with the old file untouched, on any failure.
    bool commit();
    void cancel();
    QString errorString() const { return m_error; }
    QString fileName() const;

    // Writes the bytes as the whole new content of path.
    static bool writeWhole(const QString& path, QByteArrayView bytes, QString* error);

private:
    class CheckedDevice;
    void fail(const QString& reason);

    std::unique_ptr<QSaveFile> m_saveFile; // the temporary file that replaces the old one; none in place
    QFileDevice* m_file;                   // where the bytes go
    CheckedDevice* m_device = nullptr;
    QString m_error;
    bool m_failed = false;
    bool m_open = false;
};
