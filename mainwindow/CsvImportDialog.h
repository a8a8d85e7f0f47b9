#pragma once

#include "core/CsvImport.h"

#include <QDialog>

#include <vector>

class DBItemCollection;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// The mapping of a spreadsheet's file before anything is imported: the file's encoding and separator, a
// field (or none) for each column, the first rows as they would be read, and every row's problem. The rules
// are CsvImport's; the dialog only shows them and collects the choices.
class CsvImportDialog : public QDialog {
    Q_OBJECT
public:
    // Rows shown in the preview.
    static constexpr int PreviewRows = 20;
    // Problems listed; a count says how many more there are.
    static constexpr int ListedProblems = 1000;

    CsvImportDialog(CsvImport& import, const DBItemCollection& lists, int edition, const QString& path,
                    QWidget* parent = nullptr);

    const std::vector<int>& Mapping() const { return mMapping; }
    bool WithoutProblemRows() const;
    const CsvImport::Outcome& Outcome() const { return mOutcome; }
    // The field chooser of a column (objectName "field<column>"); its item data is the field or Ignored.
    QComboBox* FieldBox(int column) const;
    // Chooses a field for a column, as the user does with its chooser.
    void SetField(int column, int field);

private:
    void rebuild();
    void recheck();
    void fieldChosen(int column);

    CsvImport& mImport;
    const DBItemCollection& mLists;
    int mEdition;
    std::vector<int> mMapping;
    CsvImport::Outcome mOutcome;
    std::vector<QComboBox*> mFieldBoxes;
    QComboBox* mEncoding = nullptr;
    QComboBox* mSeparator = nullptr;
    QCheckBox* mHeader = nullptr;
    QTableWidget* mPreview = nullptr;
    QLabel* mCounts = nullptr;
    QListWidget* mProblems = nullptr;
    QCheckBox* mSkipProblemRows = nullptr;
    QPushButton* mImportButton = nullptr;
};
