#pragma once

#include <QString>

#include <cstdio>

// A diagnostic trace of the program's file operations as an XML file. It is on only when the environment
// variable "DEBUGTARNVOLD" contains "1"; otherwise, and when the file cannot be created, every operation
// does nothing and reports success. Element content is XML-escaped, so the file stays well-formed.
class LogXML {
public:
    LogXML(const QString& fileName, const QString& appName);
    ~LogXML();
    LogXML(const LogXML&) = delete;
    LogXML& operator=(const LogXML&) = delete;

    bool IsEnabled() const { return m_file != nullptr; }
    const QString& FileName() const { return m_fileName; }

    bool Element(const QString& tag, const QString& text);
    // A complete LogItem; a null file name or function is left out.
    bool WriteItem(const QString& entry, const QString& fileName = QString(), const QString& function = QString());
    // Opens a LogItem one level deeper and leaves it open; every part is optional.
    bool BeginItem(const QString& entry = QString(), const QString& fileName = QString(),
                   const QString& function = QString());
    void EndItem();

private:
    void line(const QString& text);
    void dateAndTime();
    void closeItem();

    QString m_fileName;
    std::FILE* m_file = nullptr;
    int m_depth = 0;
};
