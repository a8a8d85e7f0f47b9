#pragma once

#include "core/LookupListEditor.h"
#include "ui_setupdialogBase.h"

#include <QDialog>

class DBItemCollection;

// Edits one lookup list of the open database: its groups (kind 1), locations (2) or suppliers (3).
// The list box shows the working copy; Save and OK write the current language's list file, Cancel puts list
// and file back as they were when the dialog opened. The item list follows the collection's announcements.
class setupdialog : public QDialog, public Ui::setupdialogBase {
    Q_OBJECT
public:
    setupdialog(DBItemCollection* collection, int listKind, QWidget* parent = nullptr, const QString& name = QString(),
                bool modal = true);

    int ListKind() const { return mKind; }
    const LookupListEditor& Editor() const { return mEditor; }

public slots:
    void listLineEdit_highlighted(int row);
    void AddSlot();
    void DeleteSlot();
    // Renames the current entry to the line edit's text, then writes the list. False, with the reason
    // shown, when the name is refused or the file cannot be written.
    bool SaveSlot();
    void OKSlot();
    void HelpSlot();
    // Brevane: asks for a label of the current entry of a group or location list (saving it first).
    void PrintSlot();
    void reject() override;

signals:
    // The print button's request; the button is shown only while something listens.
    void printLabelsRequested(int listKind, int index);

protected:
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;

private:
    void translateTexts();
    void fillList(int current);
    void updatePrintButton();
    void reportRefusedPaste(const QString& text, int position);
    // The box for a refused add, rename or delete; false when something was refused.
    bool report(const LookupListEditor::Outcome& outcome, const QString& name);

    int mKind;
    DBItemCollection* mCollection;
    LookupListEditor mEditor;
};
