#pragma once

#include "printing/LabelProfiles.h"

#include <QDialog>

#include <vector>

class DBItemCollection;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;

// The label setup: the label profiles kept in the settings store (size, a single label or a sheet with
// its used labels, the fields and their font size, the symbology, the route), with a preview of a label
// of the open register. OK stores them and makes the shown profile the one labels are printed with.
class LabelSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit LabelSetupDialog(DBItemCollection* collection, QWidget* parent = nullptr);

    const std::vector<LabelProfile>& Profiles() const { return mProfiles; }

public slots:
    void accept() override;
    void ProfileChosen(int index);
    void NewProfile();
    void DeleteProfile();
    void UpdatePreview();

private:
    void showProfile(const LabelProfile& profile);
    void readProfile(LabelProfile* profile) const;
    void fillProfileCombo();
    void enableParts();

    DBItemCollection* mCollection;
    std::vector<LabelProfile> mProfiles;
    int mShown = -1;
    bool mLoading = false;

    QComboBox* mProfileCombo;
    QLineEdit* mNameEdit;
    QRadioButton* mTemplateRadio;
    QRadioButton* mDrawnRadio;
    QDoubleSpinBox* mWidthSpin;
    QDoubleSpinBox* mHeightSpin;
    QGroupBox* mSheetGroup;
    QSpinBox* mRowsSpin;
    QSpinBox* mColumnsSpin;
    QDoubleSpinBox* mPageWidthSpin;
    QDoubleSpinBox* mPageHeightSpin;
    QDoubleSpinBox* mMarginLeftSpin;
    QDoubleSpinBox* mMarginTopSpin;
    QDoubleSpinBox* mGapXSpin;
    QDoubleSpinBox* mGapYSpin;
    QSpinBox* mUsedSpin;
    QListWidget* mFieldsList;
    QDoubleSpinBox* mFontSpin;
    QComboBox* mSymbologyCombo;
    QComboBox* mContentCombo;
    QLabel* mPreview;
    QGroupBox* mDrawnGroup;
};
