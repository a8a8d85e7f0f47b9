#pragma once

#include <QString>

// Where the program reads what it ships and where it keeps the user's registers.
//
// Run from a build or from a folder someone unpacked, both are the installation directory, as always. An
// installed program (its folder holds the marker file kInstalledMarker, written by `cmake --install`) never
// writes into its installation: each edition copies its sample register and lists of the user's language
// into a folder of the user's documents on first start, and the relative paths of the registers and lists
// resolve against that folder from then on.
namespace UserFolder {

inline constexpr const char* kInstalledMarker = ".installed";

// The folder the help pages, translations and shipped samples are read from (the working directory until
// the start-up sets it).
QString InstallationDir();
void SetInstallationDir(const QString& dir);
bool IsInstalled(const QString& installationDir);

// "<documents>/Vestrum": the user's folder of an installed program.
QString DefaultUserDir();

// Copies the files of the edition's sample folder (sampleDir, relative, e.g. "db/DemoDBStd/") that belong to
// `language` or to no language, the global group and location lists of that language and the label setup
// files, from the installation into userDir. A file already there is never replaced: it is the user's. False
// with *error naming the file when a copy fails.
bool CopySample(const QString& installationDir, const QString& userDir, const QString& sampleDir,
                const QString& language, QString* error);

} // namespace UserFolder
