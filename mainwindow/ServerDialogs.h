#pragma once

#include "core/EditConflict.h"
#include "server/ServerAddress.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QSpinBox;

// Asks where a server register is: host, port, database, user and a password. The password serves this one
// connection only; left empty, the client library looks in ~/.pgpass.
class ServerConnectionDialog : public QDialog {
    Q_OBJECT
public:
    ServerConnectionDialog(const QString& title, const ServerAddress& suggested, QWidget* parent = nullptr);

    // What was entered, the password included.
    ServerAddress Address() const;

    // Runs the dialog through the seam; false when the user cancelled or left the database empty.
    static bool Ask(QWidget* parent, const QString& title, const ServerAddress& suggested, ServerAddress* address);

private:
    QLineEdit* mHost;
    QSpinBox* mPort;
    QLineEdit* mDatabase;
    QLineEdit* mUser;
    QLineEdit* mPassword;
    QString mOptions; // the suggested address's further connection options, kept as they were
};

// Both versions of an item another workstation changed meanwhile, field by field, the differing rows marked;
// the result tells the EditConflict::Choice (ResultOf). Closing it edits again: nothing is lost and nothing
// overwritten.
class EditConflictDialog : public QDialog {
    Q_OBJECT
public:
    EditConflictDialog(const QString& itemLabel, const std::vector<EditConflict::Field>& fields,
                       QWidget* parent = nullptr);

    // The dialog's result for a choice: apart from Rejected, so closing the window is no choice.
    static int ResultOf(EditConflict::Choice choice) { return 100 + int(choice); }
    static EditConflict::Choice Ask(QWidget* parent, const QString& itemLabel,
                                    const std::vector<EditConflict::Field>& fields);
};
