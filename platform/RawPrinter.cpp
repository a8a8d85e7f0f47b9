#include "platform/RawPrinter.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTcpSocket>

#ifdef VESTRUM_HAVE_CUPS
#include <cups/cups.h>
#endif

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace RawPrinter {

namespace {

constexpr int kConnectTimeoutMs = 5000;
constexpr int kWriteTimeoutMs = 15000;

#ifdef VESTRUM_HAVE_CUPS
class LibCups final : public CupsBackend {
public:
    bool queueExists(const QString& queue) override {
        cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr);
        if (!dest)
            return false;
        cupsFreeDests(1, dest);
        return true;
    }
    int createJob(const QString& queue, const QString& title) override {
        return cupsCreateJob(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), title.toUtf8().constData(), 0, nullptr);
    }
    bool startDocument(const QString& queue, int job, const QString& documentName, const char* format,
                       bool last) override {
        return cupsStartDocument(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), job, documentName.toUtf8().constData(),
                                 format, last ? 1 : 0) == HTTP_STATUS_CONTINUE;
    }
    bool writeData(const QByteArray& bytes) override {
        return cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.constData(), size_t(bytes.size())) == HTTP_STATUS_CONTINUE;
    }
    bool finishDocument(const QString& queue) override {
        return cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.toUtf8().constData()) == IPP_STATUS_OK;
    }
    void cancelJob(const QString& queue, int job) override {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), job, 0);
    }
    QString lastError() override { return QString::fromUtf8(cupsLastErrorString()); }
};
LibCups gLibCups;
#endif

CupsBackend* gBackend = nullptr;

CupsBackend* backend() {
    return gBackend ? gBackend : SystemCups();
}

Result failed(Failure failure, const QString& detail) {
    return Result{failure, detail};
}

Result sendToQueue(const QString& queue, const QByteArray& bytes, const QString& title) {
    CupsBackend* cups = backend();
    if (!cups)
        return failed(Failure::NoCups, QString());
    if (!cups->queueExists(queue))
        return failed(Failure::UnknownQueue, cups->lastError());
    const int job = cups->createJob(queue, title);
    if (job <= 0)
        return failed(Failure::Refused, cups->lastError());
    if (!cups->startDocument(queue, job, title, RawFormat(), true)) {
        const QString why = cups->lastError();
        cups->cancelJob(queue, job);
        return failed(Failure::Refused, why);
    }
    if (!cups->writeData(bytes)) {
        const QString why = cups->lastError();
        cups->finishDocument(queue);
        cups->cancelJob(queue, job);
        return failed(Failure::ShortWrite, why);
    }
    if (!cups->finishDocument(queue))
        return failed(Failure::Refused, cups->lastError());
    return Result{};
}

Result sendToSocket(const QString& host, quint16 port, const QByteArray& bytes) {
    QTcpSocket socket;
    socket.connectToHost(host, port);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return failed(Failure::ConnectFailed, socket.errorString());
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = socket.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            return failed(Failure::ShortWrite, socket.errorString());
        written += n;
    }
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kWriteTimeoutMs))
            return failed(Failure::ShortWrite, socket.errorString());
    }
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.waitForDisconnected(kConnectTimeoutMs);
    return Result{};
}

#ifdef Q_OS_UNIX
QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

Result sendToDevice(const QString& path, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return failed(errno == ENOENT ? Failure::DeviceMissing : Failure::DeviceNotReady, systemError(errno));
    // Not blocking while opening: a pipe without a reader or a printer that is switched off answers at once
    // instead of hanging the program. A plain file is replaced, as copying to it would.
    int flags = O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (S_ISREG(info.st_mode))
        flags |= O_TRUNC;
    int fd;
    do {
        fd = ::open(name.constData(), flags);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return failed(Failure::DeviceNotReady, systemError(errno));
    const int current = ::fcntl(fd, F_GETFL);
    if (current >= 0)
        ::fcntl(fd, F_SETFL, current & ~O_NONBLOCK);
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            return failed(Failure::ShortWrite, systemError(error));
        }
        written += n;
    }
    if (::close(fd) != 0 && errno != EINTR)
        return failed(Failure::ShortWrite, systemError(errno));
    return Result{};
}
#else
Result sendToDevice(const QString& path, const QByteArray& bytes) {
    if (!QFileInfo::exists(path) && !path.startsWith(QLatin1String("\\\\")))
        return failed(Failure::DeviceMissing, QString());
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(Failure::DeviceNotReady, device.errorString());
    if (device.write(bytes) != bytes.size())
        return failed(Failure::ShortWrite, device.errorString());
    device.close();
    return Result{};
}
#endif

bool isAbsoluteDevicePath(const QString& text) {
#ifdef Q_OS_WIN
    if (text.startsWith(QLatin1String("\\\\")) || (text.size() > 2 && text.at(1) == QLatin1Char(':')))
        return true;
    static const QRegularExpression port(QStringLiteral("^(LPT|COM)[1-9]:?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (port.match(text).hasMatch())
        return true;
#endif
    return text.startsWith(QLatin1Char('/'));
}

} // namespace

void SetCupsBackend(CupsBackend* cupsBackend) {
    gBackend = cupsBackend;
}

CupsBackend* SystemCups() {
#ifdef VESTRUM_HAVE_CUPS
    return &gLibCups;
#else
    return nullptr;
#endif
}

const char* RawFormat() {
    return "application/vnd.cups-raw";
}

Target ParseDevice(const QString& deviceText) {
    Target target;
    const QString text = deviceText.trimmed();
    if (text.isEmpty())
        return target;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return target; // a line break inside is two lines, not one device
    }
    static const QRegularExpression socketUrl(
        QStringLiteral("^socket://(\\[[0-9A-Fa-f:.]+\\]|[A-Za-z0-9._-]+)(?::([0-9]{1,5}))?/?$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression hostPort(QStringLiteral("^(\\[[0-9A-Fa-f:.]+\\]|[A-Za-z0-9._-]+):([0-9]{1,5})$"));
    static const QRegularExpression queueName(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.@-]*$"));
    QRegularExpressionMatch match = socketUrl.match(text);
    if (!match.hasMatch())
        match = hostPort.match(text);
    if (match.hasMatch()) {
        const int port = match.captured(2).isEmpty() ? 9100 : match.captured(2).toInt();
        if (port < 1 || port > 65535)
            return target;
        QString host = match.captured(1);
        if (host.startsWith(QLatin1Char('[')))
            host = host.mid(1, host.size() - 2);
        target.route = Route::Socket;
        target.host = host;
        target.port = quint16(port);
        return target;
    }
    if (isAbsoluteDevicePath(text)) {
        target.route = Route::Device;
        target.path = text;
        return target;
    }
    if (queueName.match(text).hasMatch()) {
        target.route = Route::CupsQueue;
        target.queue = text;
    }
    return target;
}

Result Send(const Target& target, const QByteArray& bytes, const QString& title) {
    switch (target.route) {
    case Route::CupsQueue:
        return sendToQueue(target.queue, bytes, title);
    case Route::Socket:
        return sendToSocket(target.host, target.port, bytes);
    case Route::Device:
        return sendToDevice(target.path, bytes);
    case Route::None:
        break;
    }
    return failed(Failure::DeviceMissing, QString());
}

} // namespace RawPrinter
