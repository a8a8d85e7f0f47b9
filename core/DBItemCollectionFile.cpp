#include "core/DBItemCollection.h"

#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/Dialogs.h"
#include "core/EField.h"
#include "core/LogXML.h"
#include "core/Numbers.h"
#include "core/RecordReader.h"
#include "core/SaveFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QThread>

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <system_error>
#include <thread>

Q_LOGGING_CATEGORY(lcDatabase, "vestrum.database", QtInfoMsg)

namespace {

int gLoadedFormatVersion = 100;
// Larger database files are refused.
qint64 gMaxFileSize = qint64(1) << 30;
const QString kSource = QStringLiteral("DBItemCollection");

// Both cores of a small machine, and no more stretches than pay on a large one; a file of a few megabytes
// is read faster on one thread than threads are started.
// A stretch of the file is read through a buffer of 2 MB (which grows for a longer line).
DBItemCollection::ReadStrategy gReadStrategy{qBound(1, QThread::idealThreadCount(), 8), qint64(4) << 20, true,
                                             qsizetype(1) << 21};
// How much of the file's start is looked at for its header.
constexpr qsizetype kHeadSize = qsizetype(1) << 16;

// A refusal goes into the caller's text, or into a box when the caller takes none.
bool refuse(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    else
        Dialogs::critical(nullptr, QStringLiteral("Database error"), reason);
    return false;
}

} // namespace

int DBItemCollection::LoadedFormatVersion() {
    return gLoadedFormatVersion;
}

QByteArray DBItemCollection::HeaderLine() {
    static const char* const common1 =
        "group;name;product;price;priceToday;date;supplier;serialno;description;address;";
    static const char* const common2 = "photolink;number_of_items;location;www;receipt;document;producttype";
    if (IsTovik())
        return QByteArray("#2.5.5 (TVK)- Format: ") + common1 + common2 + ";";
    if (IsBrevane())
        return QByteArray("#2.5.5 (BRV)- Format: ") +
               "type;name;product;price;priceToday;date;supplier;serialno;description;address;" + common2 + ";";
    if (IsOstrel())
        return QByteArray("#2.5.5 (OSR)- Format: ") +
               "type;year;mat;price;priceToday;date;catalog;catalogNo;description;quality;" +
               "picture1;count;crown;www;picture2;document;producttype" + ";";
    return QByteArray("#2.5.4 (PLN)- Format: ") +
           "type;name;model;price;priceToday;date;supplier;serialno;description;address;" +
           "photolink;number_of_items;location;www;receipt;document" + ";;";
}

qint64 DBItemCollection::MaxFileSize() {
    return gMaxFileSize;
}

void DBItemCollection::SetMaxFileSize(qint64 bytes) {
    gMaxFileSize = bytes;
}

DBItemCollection::ReadStrategy DBItemCollection::ReadingStrategy() {
    return gReadStrategy;
}

void DBItemCollection::SetReadingStrategy(const ReadStrategy& strategy) {
    gReadStrategy = strategy;
    gReadStrategy.stretches = qMax(1, strategy.stretches);
    gReadStrategy.pieceBytes = qMax<qsizetype>(1, strategy.pieceBytes);
}

bool DBItemCollection::LoadFromAsciiFile(const QString& path, QString* error) {
    m_formatVersion = 100;
    if (m_log)
        m_log->WriteItem(path, kSource, QStringLiteral("LoadFromAsciiFile()"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("DB_FILE_CANNOT_BE_READ").arg(file.errorString());
        return false;
    }
    // A file larger than the program can hold is refused before anything is taken from it.
    auto tooLarge = [] { return tr("DB_FILE_TOO_LARGE").arg(qMax<qint64>(1, gMaxFileSize / (1024 * 1024))); };
    if (file.size() > gMaxFileSize)
        return refuse(error, tooLarge());
    // A file that reports its size is read in pieces as the records are taken from it; one that does not
    // is read whole first.
    QByteArray data;
    if (file.size() == 0) {
        try {
            data = file.read(gMaxFileSize + 1);
        } catch (const std::bad_alloc&) {
            return refuse(error, tr("DB_FILE_NO_MEMORY"));
        }
        if (data.size() > gMaxFileSize)
            return refuse(error, tooLarge());
        file.close();
    }

    bool ok = false;
    {
        WaitCursor wait;
        ok = read(file.isOpen() ? &file : nullptr, data, error, error != nullptr);
    }
    if (!ok)
        return false;
    if (m_log)
        m_log->WriteItem(path, kSource, QStringLiteral("LoadFromAsciiFile() - loaded"));

    // The lock is taken only for a file that was read: a refused file never touches the lock of the
    // database that stays open.
    if (IsBrevane())
        OpenLock(path);
    return true;
}

bool DBItemCollection::LoadFromBuffer(QByteArrayView data, QString* error) {
    return read(nullptr, data, error, false);
}

namespace {

// The bytes being read: an open file or a buffer in memory.
class Source {
public:
    Source(QFile* file, QByteArrayView data) : m_file(file), m_data(data) {}
    qint64 size() const { return m_file ? m_file->size() : m_data.size(); }
    // Up to count bytes from offset; empty when they cannot be read.
    QByteArray bytes(qint64 offset, qint64 count) const {
        count = qBound<qint64>(0, count, size() - offset);
        if (!m_file)
            return m_data.sliced(offset, count).toByteArray();
        QByteArray result;
        if (m_file->seek(offset))
            result = m_file->read(count);
        return result;
    }
    // Just after the first LF at or after offset: the start of a line; the size when there is none.
    qint64 lineStartAfter(qint64 offset) const {
        const qint64 total = size();
        while (offset < total) {
            const QByteArray window = bytes(offset, kHeadSize);
            if (window.isEmpty())
                return total;
            const void* found = memchr(window.constData(), '\n', window.size());
            if (found)
                return offset + (static_cast<const char*>(found) - window.constData()) + 1;
            offset += window.size();
        }
        return total;
    }
    // The line (counted from 1) that holds the byte at offset; CR LF, LF and a lone CR each end one.
    int lineNumberAt(qint64 offset) const {
        int line = 1;
        bool afterReturn = false;
        for (qint64 at = 0; at < offset;) {
            const QByteArray window = bytes(at, qMin(offset - at, qint64(kHeadSize)));
            if (window.isEmpty())
                break;
            for (const char c : window) {
                if (afterReturn && c != '\n')
                    ++line;
                afterReturn = c == '\r';
                line += c == '\n';
            }
            at += window.size();
        }
        return line + afterReturn;
    }
    QFile* file() const { return m_file; }
    QByteArrayView data() const { return m_data; }

private:
    QFile* m_file;
    QByteArrayView m_data;
};

// One stretch of the file, from a line start to just after a line end (or to the end of the file), and what
// was read from it.
struct Stretch {
    qint64 from = 0;
    qint64 to = 0;
    std::unique_ptr<RecordReader> reader;
    bool readFailed = false;
    QString readError;
};

// Just after the last line end in the first size bytes, or 0 when they hold none. A CR as the last byte
// may be the first half of CR LF and is not taken.
qsizetype lastLineBreak(const char* data, qsizetype size) {
    for (qsizetype i = size; i > 0; --i) {
        if (data[i - 1] == '\n' || (data[i - 1] == '\r' && i < size))
            return i;
    }
    return 0;
}

// Reads a stretch of the file through a buffer, in pieces that end after a line end, so that the file is
// never held whole beside the records taken from it.
void readFromFile(const QString& path, Stretch& stretch, bool lastStretch, qsizetype pieceBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || !file.seek(stretch.from)) {
        stretch.readFailed = true;
        stretch.readError = file.errorString();
        return;
    }
    RecordReader& reader = *stretch.reader;
    try {
        qsizetype capacity = qsizetype(qMin<qint64>(pieceBytes, stretch.to - stretch.from));
        std::unique_ptr<char[]> buffer(new char[capacity]);
        qint64 position = stretch.from;
        qsizetype kept = 0; // the start of a line whose end is not read yet
        for (;;) {
            if (kept == capacity) {
                // A line longer than the buffer.
                std::unique_ptr<char[]> larger(new char[capacity * 2]);
                memcpy(larger.get(), buffer.get(), kept);
                buffer = std::move(larger);
                capacity *= 2;
            }
            const qint64 wanted = qMin<qint64>(capacity - kept, stretch.to - position);
            qint64 got = 0;
            while (got < wanted) {
                const qint64 n = file.read(buffer.get() + kept + got, wanted - got);
                if (n < 0) {
                    stretch.readFailed = true;
                    stretch.readError = file.errorString();
                    return;
                }
                if (n == 0)
                    break;
                got += n;
            }
            position += got;
            const qsizetype held = kept + qsizetype(got);
            const bool end = position >= stretch.to || got < wanted;
            const qsizetype cut = end ? held : lastLineBreak(buffer.get(), held);
            if (cut == 0 && !end) {
                kept = held;
                continue;
            }
            if (!reader.ReadPiece(QByteArrayView(buffer.get(), cut), position - held, end && lastStretch) || end)
                return;
            memmove(buffer.get(), buffer.get() + cut, held - cut);
            kept = held - cut;
        }
    } catch (const std::bad_alloc&) {
        reader.SetOutOfMemory();
    }
}

void readStretch(const Source& source, Stretch& stretch, bool lastStretch) {
    if (source.file())
        readFromFile(source.file()->fileName(), stretch, lastStretch, gReadStrategy.pieceBytes);
    else
        stretch.reader->ReadPiece(source.data().sliced(stretch.from, stretch.to - stretch.from), stretch.from,
                                  lastStretch);
}

// The stretches a file is read in side by side: one for a small file, one that starts with something other
// than a header (a later "#" line would be its header), otherwise up to `count` of about equal size, each
// starting just after an LF. Every stretch after the first starts out with the file's header applied.
std::vector<Stretch> splitIntoStretches(const Source& source, const DBItemCollection::ReadStrategy& strategy,
                                        LogXML* log) {
    const qint64 size = source.size();
    std::vector<Stretch> stretches(1);
    stretches[0].to = size;
    stretches[0].reader = std::make_unique<RecordReader>(log, strategy.scanRecords);
    if (strategy.stretches < 2 || size < strategy.parallelFrom || (log && log->IsEnabled()) ||
        lcDatabase().isDebugEnabled())
        return stretches;
    const QByteArray head = source.bytes(0, kHeadSize);
    EInStream in(head);
    in.skipWhitespace();
    if (in.atEnd() || in.peek() != '#')
        return stretches;
    const QByteArrayView header = in.getLine(RecordReader::MaxLineRest);
    const qint64 headerEnd = in.position() - head.constData();
    // An over-long header stops reading at once; and the line end must be seen whole.
    if (in.fail() || in.eof() || headerEnd >= head.size())
        return stretches;
    RecordReader probe;
    if (!probe.ApplyHeader(header))
        return stretches;
    qint64 from = headerEnd;
    for (int k = 1; k < strategy.stretches; ++k) {
        const qint64 start = source.lineStartAfter(qMax(from, size * k / strategy.stretches - 1));
        if (start >= size)
            break;
        stretches.back().to = start;
        Stretch next;
        next.from = start;
        next.to = size;
        next.reader = std::make_unique<RecordReader>(nullptr, strategy.scanRecords);
        next.reader->ApplyHeader(header);
        stretches.push_back(std::move(next));
        from = start;
    }
    return stretches;
}

} // namespace

bool DBItemCollection::read(QFile* file, QByteArrayView data, QString* error, bool registerOnly) {
    m_formatVersion = 100;
    struct Finish {
        DBItemCollection* self;
        ~Finish() { self->changed(); }
    } finish{this};
    const QString notARegister = tr("DB_NOT_A_REGISTER");
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    auto noMemory = [error] { return refuse(error, tr("DB_FILE_NO_MEMORY")); };

    const Source source(file, data);
    std::vector<Stretch> stretches;
    try {
        stretches = splitIntoStretches(source, gReadStrategy, m_log);
        // The first stretch is read here, the others each on a thread of its own (here too, when none
        // can be started).
        std::vector<std::thread> threads;
        std::vector<Stretch*> leftOver;
        for (size_t k = 1; k < stretches.size(); ++k) {
            Stretch* stretch = &stretches[k];
            const bool last = k + 1 == stretches.size();
            try {
                threads.emplace_back([&source, stretch, last] { readStretch(source, *stretch, last); });
            } catch (const std::system_error&) {
                leftOver.push_back(stretch);
            }
        }
        readStretch(source, stretches[0], stretches.size() == 1);
        for (std::thread& thread : threads)
            thread.join();
        for (Stretch* stretch : leftOver)
            readStretch(source, *stretch, stretch == &stretches.back());
    } catch (const std::bad_alloc&) {
        return noMemory();
    }
    // A file that could not be read whole is refused whole, as if nothing had been read.
    for (const Stretch& stretch : stretches) {
        if (stretch.readFailed)
            return refuse(error, tr("DB_FILE_CANNOT_BE_READ").arg(stretch.readError));
    }

    // The stretches joined in file order, up to the first that stopped: the first bad line of the file wins.
    const RecordReader* stopped = nullptr;
    size_t counted = 0;
    for (const Stretch& stretch : stretches) {
        counted += stretch.reader->Items().size();
        if (stretch.reader->StopReason() != RecordReader::Stop::None)
            break;
    }
    int counter = 0;
    try {
        m_items.reserve(m_items.size() + counted);
    } catch (const std::bad_alloc&) {
        return noMemory();
    }
    for (Stretch& stretch : stretches) {
        RecordReader& reader = *stretch.reader;
        m_items.insert(m_items.end(), reader.Items().begin(), reader.Items().end());
        counter += static_cast<int>(reader.Items().size());
        reader.Items().clear();
        m_arena.Adopt(reader.Arena());
        if (reader.StopReason() != RecordReader::Stop::None) {
            stopped = &reader;
            break;
        }
    }
    const RecordReader& first = *stretches[0].reader;
    m_formatVersion = first.FormatVersion();
    const bool headerSeen = first.HeaderSeen();
    // A file the user opens must be a register: a header, or at least one record.
    auto finished = [&]() {
        if (registerOnly && !headerSeen && counter == 0)
            return fail(notARegister);
        // Only a file that was read tells the list which captions its version has.
        if (m_formatVersion >= 240)
            gLoadedFormatVersion = m_formatVersion;
        return true;
    };
    if (!stopped) {
        if (m_log)
            m_log->EndItem();
        return finished();
    }
    switch (stopped->StopReason()) {
    case RecordReader::Stop::None:
    case RecordReader::Stop::EndOfFile: // the incomplete last record is dropped
        return finished();
    case RecordReader::Stop::NotARegister:
        return fail(notARegister);
    case RecordReader::Stop::NoMemory:
        return noMemory();
    case RecordReader::Stop::BadField:
    case RecordReader::Stop::LineTooLong:
        break;
    }
    const bool tooLong = stopped->StopReason() == RecordReader::Stop::LineTooLong;
    const QByteArray field = tooLong ? QByteArray("Type") : stopped->FailedField();
    if (!error) {
        // The box counts the records read before the line that stopped.
        Dialogs::critical(nullptr, QStringLiteral("Database error"),
                          ELineException(0, counter, EFieldException(2, field)).Message());
        return false;
    }
    // Something that is not text of this format from its first line on is no register at all.
    if (!headerSeen && counter == 0)
        return fail(notARegister);
    const int line = source.lineNumberAt(stopped->StopOffset());
    if (tooLong)
        return fail(tr("DB_LINE_ERROR").arg(line).arg(tr("DB_LINE_TOO_LONG").arg(RecordReader::MaxLineRest)));
    const int column = field == "Price"        ? ColumnNames::Price
                       : field == "PriceToday" ? ColumnNames::PriceToday
                                               : ColumnNames::Group;
    return fail(tr("DB_LINE_ERROR").arg(line).arg(tr("DB_COLUMN_NOT_A_NUMBER").arg(ColumnNames::Title(column))));
}
