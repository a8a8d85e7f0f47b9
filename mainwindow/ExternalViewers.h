#pragma once

#include "platform/Launcher.h"

#include <QString>

class DBItemCollection;
class Item;
class QWidget;

// Opening linked files, web addresses, help pages and exported files with other programs, and the
// messages when that fails.
namespace ExternalViewers {

// Opens a file or address with its associated program; a failure gets the "Tarnvold program error" box, a
// text refused by the launcher the box naming it and why.
void OpenWithAssociated(const QString& path);

// The box telling why a text was not handed to another program.
void ReportRefused(const QString& text, Launcher::Refusal why);

// Opens a help page (from the "help" folder of the working directory) or, with direct, the file
// name + suffix itself; a failure gets the "HTML fejl" box with the reason.
bool OpenFile(const QString& name, const QString& suffix, bool direct);

// Tells the user that a chosen viewer program did not start (only when one was chosen).
void ReportProgramNotFound(const QString& program, const QString& path);

// Starts the chosen viewer program with the path as its one argument, or, with no program chosen or when it
// does not start (reported), opens the path with its associated program. A path or address the viewer may
// not get (an option, a relative path, a program, an address other than http, https or mailto) gets a box
// and nothing runs.
void ShowWithProgram(const QString& program, const QString& path);

// Writes one item as an HTML page (in "AppData", else the database folder) and opens it.
void ShowItemAsHtml(DBItemCollection& collection, const Item& item);

// The reason text of an open error code.
QString ReasonText(int code);

// The help page names of the running edition for the help commands; %1 is filled with the language.
QString HelpPage();
QString TutorialPage();
QString ErrorHandlingPage();
QString LinksPage();
// Pages of dialogs; %1 is filled with the language.
QString ReportPage();
QString LabelSetupPage();
// Gives a window its help page: F1 opens it, as the window's help button does. The name is kept in the
// window's "helpPage" property, so any window can be asked which page it opens.
void SetHelpPage(QWidget* window, const QString& page);
// Opens the help page of a window given one with SetHelpPage.
void OpenHelpOf(const QWidget* window);
// Release notes: a help page (true) or a text file path under the working directory (false).
QString ReleaseNotes(bool* isHelpPage);

} // namespace ExternalViewers
