#pragma once

#include "core/EStream.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

// Typed fields of one delimited text line. A line is described once as a sequence of field objects
// (values and separators alike); the same description then reads every line of a file.
class EField {
public:
    explicit EField(QByteArrayView name = {}) : m_name(name.toByteArray()) {}
    virtual ~EField() = default;
    EField(const EField&) = delete;
    EField& operator=(const EField&) = delete;

    const QByteArray& Name() const { return m_name; }

    virtual void Read(EInStream& in) = 0;
    // The line ended before this field: take what an empty field gives and answer true, or answer false
    // where an empty field is refused (a number).
    virtual bool SetMissing() { return false; }

private:
    QByteArray m_name;
};

class EIntField : public EField {
public:
    explicit EIntField(QByteArrayView name = {}) : EField(name) {}
    int Value() const { return m_value; }
    void Read(EInStream& in) override { in.extractInt(&m_value); }

private:
    int m_value = 0;
};

class EFloatField : public EField {
public:
    explicit EFloatField(QByteArrayView name = {}) : EField(name) {}
    double Value() const { return m_value; }
    void Read(EInStream& in) override { in.extractDouble(&m_value); }

private:
    double m_value = 0.0;
};

// A text, read up to a delimiter. A delimited text is read whole, however long, so the fields after it keep
// their values; writers of the format keep texts to MaxLength characters. The value is a view into the input.
class EStringField : public EField {
public:
    static constexpr int MaxLength = 199;

    EStringField(QByteArrayView name, char delimiter) : EField(name), m_delimiter(delimiter) {}
    EStringField() : EField() {}

    QByteArrayView Value() const { return m_value; }
    void Read(EInStream& in) override;
    bool SetMissing() override {
        m_value = QByteArrayView();
        return true;
    }

private:
    QByteArrayView m_value;
    char m_delimiter = ';';
};

class ECharField : public EField {
public:
    explicit ECharField(QByteArrayView name = {}) : EField(name) {}
    char Value() const { return m_value; }
    void Read(EInStream& in) override { in.extractChar(&m_value); }
    bool SetMissing() override { return true; } // the separator of a column that is not there

private:
    char m_value = ' ';
};

// A field that could not be read. The status adds 4 for a bad stream, 2 for a failed or bad one and 1 at
// the end of the file: 3 is a read past the end, 2 a conversion failure.
class EFieldException {
public:
    EFieldException(int status, QByteArray name) : m_status(status), m_name(std::move(name)) {}
    virtual ~EFieldException() = default;
    int Status() const { return m_status; }
    bool IsEof() const { return m_status & 1; }
    const QByteArray& FieldName() const { return m_name; }

private:
    int m_status;
    QByteArray m_name;
};

class ELineException {
public:
    ELineException(int fieldIndex, int line, EFieldException field)
        : m_fieldIndex(fieldIndex), m_line(line), m_field(std::move(field)) {}
    virtual ~ELineException() = default;
    int FieldIndex() const { return m_fieldIndex; }
    int Line() const { return m_line; }
    const EFieldException& Field() const { return m_field; }
    bool IsEof() const { return m_field.IsEof(); }
    // "An error occured while reading line %d, parameter (%s)!".
    QString Message() const;

private:
    int m_fieldIndex;
    int m_line;
    EFieldException m_field;
};

[[noreturn]] void ThrowFieldException(const EStreamState& stream, const EField& field);

// Reads a field and throws EFieldException when the stream then is at its end, failed or bad.
inline EInStream& operator>>(EInStream& in, EField& field) {
    field.Read(in);
    if (Q_UNLIKELY(!in.good()))
        ThrowFieldException(in, field);
    return in;
}

// The description of one line: the fields in order (not owned; one object may stand several times) and a
// counter of the lines handled so far.
class ELine {
public:
    void Add(EField* field) { m_fields.push_back(field); }
    int Count() const { return static_cast<int>(m_fields.size()); }
    int LineCount() const { return m_lineCount; }
    // Both throw ELineException naming the field and the number of lines handled successfully before.
    void Read(EInStream& in);
    // Reads a stream that holds one line alone, so a short line never takes fields from the next. The
    // fields after its end are read as empty fields (see EField::SetMissing): a text becomes empty, a
    // separator passes, a number fails as an empty number does. Throws as Read, but never at end of file.
    void ReadLine(EInStream& in);

private:
    std::vector<EField*> m_fields;
    int m_lineCount = 0;
};
