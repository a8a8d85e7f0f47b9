#pragma once

#include <QByteArray>
#include <QString>

// Delivers label bytes unchanged to a label printer, never through a shell. The printer-device text
// chooses the way: a CUPS queue name (one raw job through libcups), "socket://HOST:PORT" or "HOST:PORT"
// (raw port printing over TCP), or an absolute device path such as /dev/usb/lp0 (the bytes written to it).
namespace RawPrinter {

enum class Route { None, CupsQueue, Socket, Device };

struct Target {
    Route route = Route::None;
    QString queue;    // CupsQueue
    QString host;     // Socket
    quint16 port = 0; // Socket
    QString path;     // Device
};

// What went wrong, so the caller can name it in its own words; detail carries the system's reason.
enum class Failure {
    None,
    NoCups,         // the program was built without CUPS
    UnknownQueue,   // no CUPS queue of that name (or no CUPS server)
    Refused,        // the queue or the printer refused the job
    ConnectFailed,  // no connection to the network printer
    DeviceMissing,  // the device path does not exist
    DeviceNotReady, // the device cannot be opened now (a pipe without a reader, no permission ...)
    ShortWrite,     // not every byte was taken
};

struct Result {
    Failure failure = Failure::None;
    QString detail;
    bool ok() const { return failure == Failure::None; }
};

// Reads the device text (surrounding blanks and line ends dropped). Route::None when the text is empty,
// holds control characters, or names none of the three kinds.
Target ParseDevice(const QString& deviceText);

// Sends the bytes and waits for the outcome. The title names the CUPS job.
Result Send(const Target& target, const QByteArray& bytes, const QString& title);

// The libcups calls of one raw job, replaceable so tests can record them and make any step fail.
class CupsBackend {
public:
    virtual ~CupsBackend() = default;
    virtual bool queueExists(const QString& queue) = 0;
    // The job id, or 0 when the queue refuses.
    virtual int createJob(const QString& queue, const QString& title) = 0;
    virtual bool startDocument(const QString& queue, int job, const QString& documentName, const char* format,
                               bool last) = 0;
    virtual bool writeData(const QByteArray& bytes) = 0;
    virtual bool finishDocument(const QString& queue) = 0;
    virtual void cancelJob(const QString& queue, int job) = 0;
    virtual QString lastError() = 0;
};
// nullptr restores the real libcups (or none, where the program is built without it).
void SetCupsBackend(CupsBackend* backend);
// The real libcups calls; nullptr where the program is built without CUPS.
CupsBackend* SystemCups();
// The document format of a raw job.
const char* RawFormat();

} // namespace RawPrinter
