#include "core/EField.h"

void EStringField::Read(EInStream& in) {
    // An empty field leaves its delimiter in the stream for the separator that follows.
    if (in.peek() == static_cast<unsigned char>(m_delimiter)) {
        m_value = QByteArrayView();
        return;
    }
    m_value = in.getUntil(m_delimiter);
}

QString ELineException::Message() const {
    return QString::asprintf("An error occured while reading line %d, parameter (%s)!", m_line,
                             m_field.FieldName().constData());
}

void ThrowFieldException(const EStreamState& stream, const EField& field) {
    int status = 0;
    if (stream.bad())
        status += 4;
    if (stream.fail())
        status += 2;
    if (stream.eof())
        status += 1;
    throw EFieldException(status, field.Name());
}

void ELine::Read(EInStream& in) {
    size_t i = 0;
    try {
        for (; i < m_fields.size(); ++i)
            in >> *m_fields[i];
    } catch (const EFieldException& e) {
        throw ELineException(static_cast<int>(i), m_lineCount, e);
    }
    ++m_lineCount;
}

void ELine::ReadLine(EInStream& in) {
    const size_t count = m_fields.size();
    size_t i = 0;
    try {
        for (; i < count; ++i)
            in >> *m_fields[i];
    } catch (const EFieldException& e) {
        if (!e.IsEof())
            throw ELineException(static_cast<int>(i), m_lineCount, e);
        // The line has ended: a field that failed there found nothing, one that did not was read up to it.
        if (!(e.Status() & 2))
            ++i;
        for (; i < count; ++i) {
            if (!m_fields[i]->SetMissing()) // a conversion failure, as for an empty number
                throw ELineException(static_cast<int>(i), m_lineCount, EFieldException(2, m_fields[i]->Name()));
        }
    }
    ++m_lineCount;
}
