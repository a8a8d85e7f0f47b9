#pragma once

#include <QString>

class QWidget;
class QTranslator;

namespace Startup {

// Sets the organisation and the edition's application name, which choose the settings store.
void SetApplicationIdentity();

// The program expects its sample data and lists in the working directory. When it is started from
// elsewhere (a launcher called by its full path) and the working directory has none of them, it moves to
// the folder it was installed in. An installed program (see UserFolder) moves to the user's folder
// instead, after copying the edition's sample of the user's language there when it is missing. Returns
// the folder or file that could not be prepared, empty when all is well.
QString EnterWorkingDirectory(const QString& applicationDir);

// Loads "vestrum_<code>" or "qt_<code>" from the installation and installs it; false when missing.
bool InstallTranslation(QTranslator* translator, const QString& baseName);

// Resizes and moves the window to the remembered geometry (800 x 600 at 0,0 when nothing is stored).
void ApplyRememberedGeometry(QWidget* window);
// Stores the window's geometry for the next start: the toolkit's whole geometry and the four numbers.
void RememberGeometry(QWidget* window);

} // namespace Startup
