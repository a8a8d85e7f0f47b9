#pragma once

#include <QString>

// The folders in which the item dialog's browse buttons start (pictures, receipts, documents), kept in the
// settings store, and the form in which a chosen file is stored in an item.
namespace LinkFolders {

enum Kind { Pictures, Receipts, Documents };

// The settings key: "PicturePath", "ReceiptPath" or "DocumentPath".
QString Key(Kind kind);
// The folder when none is stored: "ProgramFiles"\Tarnvold where that variable is set (Windows), otherwise
// the user's Pictures folder (pictures and receipts) or Documents folder.
QString DefaultFolder(Kind kind);
// The stored folder, or the default.
QString Folder(Kind kind);
// Where a browse button starts: the folder of the field's current link when that folder exists, else the
// folder chosen in the set-up when one is stored, else the open register's folder, else the default.
QString StartFolder(Kind kind, const QString& currentLink);
// Stores a folder; an empty text leaves the stored one as it is.
void Store(Kind kind, const QString& folder);

// A chosen file as an item keeps it: the absolute path with the platform's separators.
QString StoredPath(const QString& chosen);

} // namespace LinkFolders
