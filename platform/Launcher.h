#pragma once

#include <QString>
#include <QStringList>

class QUrl;

// Opening files and web addresses with other programs: the only place that talks to the desktop.
namespace Launcher {

// Error codes of a failed open, so the reason texts of the opener apply on every platform.
enum Result { OutOfResources = 0, FileNotFound = 2, PathNotFound = 3, NoAssociation = 31, Opened = 42 };

// Opens a file or folder path, or a web address, with the program the desktop associates with it.
// Returns Opened, or the reason it could not be opened.
int OpenAssociated(const QString& pathOrAddress);

// Starts a program with arguments as its own process, never through a shell; false when it cannot start.
bool StartProgram(const QString& program, const QStringList& arguments);

// True when the text is a web address (a scheme such as https: or mailto:, or a "www." start) rather than
// a file path.
bool IsWebAddress(const QString& text);

// Tests record what would be opened or started instead of launching anything.
class Recorder {
public:
    virtual ~Recorder() = default;
    virtual bool openUrl(const QUrl& url) = 0;
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
};
void SetRecorder(Recorder* recorder);

} // namespace Launcher
