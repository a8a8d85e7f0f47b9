#pragma once

#include "core/Dialogs.h"
#include "platform/Launcher.h"

#include <QFile>
#include <QQueue>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <functional>

// Answers every box and chooser of the program from queues and records what was shown.
// A box without a queued answer fails the running test (and then takes its default button).
class TestDialogs : public DialogProvider {
public:
    using Shown = MessageBoxRequest;
    using Chooser = FileDialogRequest;

    TestDialogs() { Dialogs::install(this); }
    ~TestDialogs() override { Dialogs::install(nullptr); }

    int message(const MessageBoxRequest& request) override;
    QString fileName(const FileDialogRequest& request) override;
    bool print(QPrinter* printer, QObject* parent) override;
    int window(QObject* window) override;
    void setWaitCursor(bool on) override {
        waitDepth += on ? 1 : -1;
        waitCursorsShown += on ? 1 : 0;
    }
    void statusMessage(const QString& text, int milliseconds) override {
        status << text;
        statusTimes << milliseconds;
    }

    // Answers with the box's default button, for a test that expects a box but not which button.
    static constexpr int Default = -1;
    void answer(int button) { answers.enqueue(button); }
    void expectBoxes(int count = 1) { answers.append(QList<int>(count, Default)); }
    void chooseFile(const QString& path) { files.enqueue(path); }
    // The next dialog run through Dialogs::exec is handed to this function, which drives its widgets and returns
    // its result. A dialog without one fails the running test.
    void driveWindow(std::function<int(QObject*)> driver) { windows.enqueue(std::move(driver)); }
    // The next print dialog prints into this PDF file; an empty path cancels it.
    void printTo(const QString& pdfPath) { prints.enqueue(pdfPath); }
    void clear() {
        boxes.clear();
        choosers.clear();
        status.clear();
        statusTimes.clear();
    }
    QString lastTitle() const { return boxes.isEmpty() ? QString() : boxes.last().title; }
    QString lastText() const { return boxes.isEmpty() ? QString() : boxes.last().text; }

    QList<Shown> boxes;
    QList<Chooser> choosers;
    QStringList status;
    QList<int> statusTimes;
    QQueue<int> answers;
    QQueue<QString> files, prints;
    QQueue<std::function<int(QObject*)>> windows;
    // Runs while a box is shown, before its answer: the world may change while the user reads it.
    std::function<void()> whileShown;
    int waitDepth = 0, waitCursorsShown = 0;
};

// A device that takes a given number of bytes, as a nearly full disk does, and then refuses every write.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }
    QByteArray data;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* bytes, qint64 size) override {
        const qint64 n = qMin(size, m_room - qint64(data.size()));
        if (n <= 0)
            return -1;
        data.append(bytes, n);
        return n;
    }

private:
    qint64 m_room;
};

namespace TestSupport {

// Redirects the settings store into a fresh temporary folder and names the application as the edition does;
// call from initTestCase().
void isolateSettings(const QString& appName = QStringLiteral("Tovik"));
// Installs the program's compiled translation of a language ("dk", "no", "en").
void installTranslation(const QString& language);
void clearSettings();
// Points "LastDBDir" elsewhere; by default at a folder that does not exist, so no lookup list, lock or recovery
// file of the working directory is read or written.
void setRegisterFolder(const QString& dir = QStringLiteral("/nonexistent"));
inline bool haveProgram(const char* name) {
    return !QStandardPaths::findExecutable(QLatin1String(name)).isEmpty();
}

// The repository's folders (never written to by tests).
inline QString sourceDir() {
    return QStringLiteral(VESTRUM_SOURCE_DIR);
}
inline QString testDataDir() {
    return sourceDir() + QStringLiteral("/tests/data");
}
// Copies a file or a folder into dir (or as targetDir) and returns the copy's path.
QString copyFixture(const QString& sourcePath, const QString& dir);
QString copyTree(const QString& sourceDir, const QString& targetDir);

// Where a window test starts: empty settings, the default captions, an unmodified register and a fresh copy of the
// shipped data as the working directory, which comes back when this goes.
class SampleInstallation {
public:
    SampleInstallation();
    ~SampleInstallation();
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
// A PDF's text page by page as `pdftotext -layout` lays it out; a page's non-empty lines, white space simplified.
QStringList pdfPages(const QString& pdfPath);
QStringList simplifiedLines(const QString& page);

} // namespace TestSupport

// Records what the program would open or start instead of launching anything.
class RecordingLauncher : public Launcher::Recorder {
public:
    RecordingLauncher() { Launcher::SetRecorder(this); }
    ~RecordingLauncher() override { Launcher::SetRecorder(nullptr); }
    bool openUrl(const QUrl& url) override {
        opened << url;
        return true;
    }
    bool startProgram(const QString& program, const QStringList& arguments) override {
        started << (QStringList{program} + arguments);
        return startSucceeds;
    }
    QList<QUrl> opened;
    QList<QStringList> started;
    bool startSucceeds = true;
};

// A small tmpfs mounted for the test, to fill a disk for real. Mounting needs root; where it is refused the test
// says so and skips.
class TmpfsMount {
public:
    explicit TmpfsMount(qint64 bytes);
    ~TmpfsMount();
    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString error() const { return m_error; }
    // Leaves about `bytes` free (rounded to the file system's blocks) by sizing a filler file.
    bool leaveFree(qint64 bytes);

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_error;
};
