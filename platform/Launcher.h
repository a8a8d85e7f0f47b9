#pragma once

#include <QString>
#include <QStringList>

class QUrl;

// Opening files and web addresses with other programs: the only place that talks to the desktop. The texts
// come from the register, so they are checked here and never become a program or an option of one.
namespace Launcher {

// Error codes of a failed open, so the reason texts of the opener apply on every platform; Refused when a
// text was not handed on at all (see Refusal), NotStarted when a chosen program did not start.
enum Result {
    OutOfResources = 0,
    FileNotFound = 2,
    PathNotFound = 3,
    NoAssociation = 31,
    Opened = 42,
    Refused = 43,
    NotStarted = 44
};

// Why a text was not handed to another program.
enum class Refusal {
    None,
    Option,      // begins with "-"
    NotAbsolute, // a relative path, where a program would read it against its own folder
    Missing,     // no such file
    NotAFile,    // a folder or a device where a file is needed
    Program,     // a program, a script, a desktop entry or a file marked executable
    Address      // an address other than http, https or mailto (javascript:, a mailto asking to attach files)
};

// What a viewer program may be given for a text: an http, https or mailto address in QUrl's normal form
// ("www." gets http), or the absolute path of an existing file that is no program. Otherwise an empty text,
// and why (when asked).
QString ViewerArgument(const QString& text, Refusal* why = nullptr);

// Opens a file or folder path, or a web address, with the program the desktop associates with it. Programs
// and addresses other than http, https and mailto are Refused. Returns Opened or the reason it was not.
int OpenAssociated(const QString& pathOrAddress, Refusal* why = nullptr);

// Starts a chosen viewer program, as its own process and never through a shell, with the text checked by
// ViewerArgument as its only argument. Returns Opened, Refused or NotStarted.
int StartViewer(const QString& program, const QString& text, Refusal* why = nullptr);

// Tests record what would be opened or started instead of launching anything.
class Recorder {
public:
    virtual ~Recorder() = default;
    virtual bool openUrl(const QUrl& url) = 0;
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
};
void SetRecorder(Recorder* recorder);

} // namespace Launcher
