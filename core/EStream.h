#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstring>

class QIODevice;

// Byte streams with the state flags of the standard streams (end of file, fail, bad), read and written
// straight from memory: a database of a million lines is read without a locale-aware extraction or a
// heap allocation per field.
class EStreamState {
public:
    enum Flag { EofBit = 1, FailBit = 2, BadBit = 4 };
    bool good() const { return m_state == 0; }
    bool eof() const { return m_state & EofBit; }
    bool fail() const { return m_state & (FailBit | BadBit); }
    bool bad() const { return m_state & BadBit; }
    int state() const { return m_state; }
    void setState(int flags) { m_state |= flags; }
    void clear() { m_state = 0; }

protected:
    int m_state = 0;
};

// Reads from a buffer that outlives the stream; texts are returned as views into it.
class EInStream : public EStreamState {
public:
    explicit EInStream(QByteArrayView data)
        : m_begin(data.data()), m_pos(data.data()), m_end(data.data() + data.size()) {}

    bool atEnd() const { return m_pos >= m_end; }
    // The next character without taking it, or -1 at the end (which also sets the end-of-file flag).
    int peek() {
        if (fail())
            return -1;
        if (m_pos >= m_end) {
            setState(EofBit);
            return -1;
        }
        return static_cast<unsigned char>(*m_pos);
    }
    // Skips blanks, tabs and line ends, as the standard extractors do.
    void skipWhitespace() {
        while (m_pos < m_end && isSpace(*m_pos))
            ++m_pos;
        if (m_pos >= m_end)
            setState(EofBit);
    }
    // What every extractor does first: nothing on a failed stream, then skip white space; true when a
    // character is there to read, otherwise the stream fails.
    bool startExtraction() {
        if (fail())
            return false;
        skipWhitespace();
        if (m_pos < m_end)
            return true;
        setState(FailBit);
        return false;
    }
    static bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
    // Extracts an integer or a double; on failure the fail flag is set and nothing sensible is stored.
    void extractInt(int* value);
    void extractDouble(double* value);
    // Skips white space, then takes one character, whatever it is.
    void extractChar(char* value) {
        if (startExtraction())
            *value = *m_pos++;
    }
    // Takes the characters before the delimiter (which stays in the stream) or the end, however many.
    // Taking none sets fail.
    QByteArrayView getUntil(char delimiter) {
        if (fail())
            return {};
        const char* start = m_pos;
        // Fields are short: a plain loop beats a library call here.
        const char* stop = start;
        while (stop < m_end && *stop != delimiter)
            ++stop;
        m_pos = stop;
        if (stop == m_end)
            setState(EofBit);
        if (stop == start)
            setState(FailBit);
        return QByteArrayView(start, stop - start);
    }
    // Reads the rest of the line without its line end, which is consumed: CR LF, LF or a lone CR (as a
    // Mac editor writes). A line of more than maxCount characters sets the fail flag, leaving the rest of
    // that line in the stream.
    QByteArrayView getLine(int maxCount);
    // Where the stream stands, and the buffer it reads.
    const char* position() const { return m_pos; }
    const char* begin() const { return m_begin; }

private:
    // The first CR or LF at or after from, or the end.
    const char* nextLineEnd(const char* from);

    const char* m_begin;
    const char* m_pos;
    const char* m_end;
    const char* m_nextLineFeed = nullptr; // where the last searches found them
    const char* m_nextReturn = nullptr;
};

// Writes into a buffer that is handed to a device in large pieces. A device that does not take a piece
// whole sets the bad flag; nothing is written after that.
class EOutStream : public EStreamState {
public:
    explicit EOutStream(QIODevice* device);
    ~EOutStream();
    EOutStream(const EOutStream&) = delete;
    EOutStream& operator=(const EOutStream&) = delete;

    void write(QByteArrayView bytes) {
        if (good() && m_length + bytes.size() <= BufferSize) {
            memcpy(m_buffer + m_length, bytes.data(), bytes.size());
            m_length += bytes.size();
        } else {
            writeLarge(bytes);
        }
    }
    void put(char c) {
        if (m_length + 1 > BufferSize)
            flush();
        if (good())
            m_buffer[m_length++] = c;
    }
    void writeInt(int value);
    void writeFixed(double value, int width, int precision);
    // Hands everything buffered to the device; false once the stream is bad.
    bool flush();

private:
    void writeLarge(QByteArrayView bytes);
    static constexpr qsizetype BufferSize = 1 << 20;
    static constexpr qsizetype NumberRoom = 512; // the longest number the stream formats
    void reserve(qsizetype room) {
        if (m_length + room > BufferSize)
            flush();
    }
    QIODevice* m_device;
    char* m_buffer;
    qsizetype m_length = 0;
};
