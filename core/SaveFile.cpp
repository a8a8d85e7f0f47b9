#include "SaveFile.h"

#include "../platform/FileSync.h"

#include <QCoreApplication>

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

SaveFile::SaveFile(const QString& path) : m_file(path) {}

SaveFile::~SaveFile() {
    if (m_open)
        m_file.cancelWriting();
    delete m_device;
}

QString SaveFile::fileName() const {
    return m_file.fileName();
}

void SaveFile::fail(const QString& reason) {
    if (!m_failed)
        m_error = reason;
    m_failed = true;
}

bool SaveFile::open() {
    if (!m_file.open(QIODevice::WriteOnly)) {
        fail(m_file.errorString());
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
        const qint64 written = m_file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = m_file.error() != QFileDevice::NoError
                                       ? m_file.errorString()
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
    if (!m_failed && !m_file.flush())
        fail(m_file.errorString());
    QString syncError;
    if (!m_failed && !SyncFileHandle(m_file.handle(), &syncError))
        fail(syncError);
    if (m_failed) {
        m_file.cancelWriting();
        m_file.commit(); // closes the temporary file; with writing cancelled it leaves the old file alone
        m_open = false;
        return false;
    }
    m_open = false;
    if (!m_file.commit()) {
        fail(m_file.errorString());
        return false;
    }
    return true;
}

void SaveFile::cancel() {
    if (m_open) {
        m_file.cancelWriting();
        m_file.commit();
        m_open = false;
    }
}

bool SaveFile::writeWhole(const QString& path, QByteArrayView bytes, QString* error) {
    SaveFile file(path);
    const bool ok = file.open() && file.write(bytes) && file.commit();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}
