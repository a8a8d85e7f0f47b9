#include "core/SaveFile.h"

#include "platform/FileSync.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSaveFile, "vestrum.savefile", QtInfoMsg)

// Passes writes on to the save file and fails unless each one is taken whole.
class SaveFile::CheckedDevice : public QIODevice {
public:
    explicit CheckedDevice(SaveFile* owner) : m_owner(owner) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        return m_owner->write(QByteArrayView(data, size)) ? size : -1;
    }

private:
    SaveFile* m_owner;
};

SaveFile::SaveFile(const QString& path) : m_saveFile(std::make_unique<QSaveFile>(path)), m_file(m_saveFile.get()) {}

SaveFile::SaveFile(QFileDevice* device) : m_file(device) {}

SaveFile::~SaveFile() {
    cancel();
    delete m_device;
}

QString SaveFile::fileName() const {
    return m_file->fileName();
}

void SaveFile::fail(const QString& reason) {
    if (!m_failed)
        m_error = reason;
    m_failed = true;
}

bool SaveFile::open() {
    if (!m_file->open(QIODevice::WriteOnly)) {
        fail(m_file->errorString());
        return false;
    }
    m_open = true;
    return true;
}

QIODevice* SaveFile::device() {
    if (!m_device)
        m_device = new CheckedDevice(this);
    return m_device;
}

bool SaveFile::write(QByteArrayView bytes) {
    if (m_failed || !m_open)
        return false;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = m_file->write(bytes.data() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = m_file->error() != QFileDevice::NoError
                                       ? m_file->errorString()
                                       : QCoreApplication::translate("SaveFile", "DISK_FULL");
            fail(reason);
            return false;
        }
        if (written < bytes.size() - done) {
            // A short write without an error is how a full disk shows itself here.
            fail(QCoreApplication::translate("SaveFile", "DISK_FULL"));
            return false;
        }
        done += written;
    }
    return true;
}

bool SaveFile::commit() {
    if (!m_open)
        return false;
    // The bytes still in the device's buffer reach the file only here; a flush that fails (a full disk)
    // must fail the save before anything replaces the old file.
    if (!m_failed && !m_file->flush())
        fail(m_file->errorString());
    QString syncError;
    if (!m_failed && !SyncFileHandle(m_file->handle(), &syncError))
        fail(syncError);
    if (m_failed) {
        cancel();
        return false;
    }
    m_open = false;
    if (!m_saveFile) {
        m_file->close(); // flushed and synced above: nothing is left to fail here
        return true;
    }
    if (!m_saveFile->commit()) {
        fail(m_saveFile->errorString());
        return false;
    }
    // The rename is on disk only when the folder is. The new file is in place by now, so a folder that
    // cannot be synced is noted, not reported as a failed save.
    const QFileInfo info(m_saveFile->fileName());
    const QString target = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
    QString folderError;
    if (!SyncDirectory(QFileInfo(target).absolutePath(), &folderError))
        qCWarning(lcSaveFile) << "folder not synced:" << target << folderError;
    return true;
}

void SaveFile::cancel() {
    if (!m_open)
        return;
    m_open = false;
    if (m_saveFile) {
        m_saveFile->cancelWriting();
        m_saveFile->commit(); // closes the temporary file; with writing cancelled it leaves the old file alone
    } else {
        m_file->close();
    }
}

bool SaveFile::writeWhole(const QString& path, QByteArrayView bytes, QString* error) {
    SaveFile file(path);
    const bool ok = file.open() && file.write(bytes) && file.commit();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}
