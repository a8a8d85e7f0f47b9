#pragma once

#include <QLocale>
#include <QString>

// "dk", "no" or "en", read from the settings every time (the language commands change it for the next start).
QString GetLanguage();

// The locale of the interface language, for numbers, dates and the order of names.
QLocale InterfaceLocale();

// The edition's application name: the settings identity, and with slashes the name of the log and the
// title of the save question.
QString GetAppName(bool withSlashes = false);

// The main window caption: the edition's translated caption, " - " and the database path, or the word for
// an untitled register when the path is empty (a new register that was never saved).
QString GetCaption(const QString& filePath);

// The directory of the last database ("LastDBDir"), with the edition's sample directory as default.
QString GetLastDBDir();

// The edition's sample database for the current language and its directory; relative to the working
// directory, which is the installation directory when the program is started normally.
QString DefaultDatabasePath();
QString DefaultDatabaseDir();

// True when a path names the installation's sample database of the edition in that language (a relative
// path resolves against the working directory). A copy of it elsewhere is the user's own register.
bool IsShippedSample(const QString& path, const QString& language);

// A register's file name as the Open dialog's filter shows it: a name without one of the register suffixes
// (.tvk, .txt, .db) gets the suffix of the edition's sample.
QString WithDatabaseSuffix(const QString& path);
