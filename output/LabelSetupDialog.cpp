#include "output/LabelSetupDialog.h"

#include "app/AppSettings.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "mainwindow/ExternalViewers.h"
#include "printing/LabelDrawing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QDoubleSpinBox* mmSpin(const char* name, double minimum, double maximum) {
    auto* spin = new QDoubleSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setDecimals(1);
    spin->setSingleStep(0.5);
    spin->setSuffix(QStringLiteral(" mm"));
    return spin;
}

QSpinBox* countSpin(const char* name, int minimum, int maximum) {
    auto* spin = new QSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    return spin;
}

} // namespace

LabelSetupDialog::LabelSetupDialog(DBItemCollection* collection, QWidget* parent)
    : QDialog(parent), mCollection(collection), mProfiles(AppSettings::LabelProfileList()) {
    setObjectName(QStringLiteral("LabelSetupDialog"));
    setWindowTitle(tr("Etiketter"));
    ExternalViewers::SetHelpPage(this, ExternalViewers::LabelSetupPage());

    mProfileCombo = new QComboBox;
    mProfileCombo->setObjectName(QStringLiteral("profileComboBox"));
    auto* newButton = new QPushButton(tr("&Ny"));
    newButton->setObjectName(QStringLiteral("newButton"));
    auto* deleteButton = new QPushButton(tr("&Slet"));
    deleteButton->setObjectName(QStringLiteral("deleteButton"));
    mNameEdit = new QLineEdit;
    mNameEdit->setObjectName(QStringLiteral("nameLineEdit"));
    auto* profileRow = new QHBoxLayout;
    profileRow->addWidget(mProfileCombo, 1);
    profileRow->addWidget(newButton);
    profileRow->addWidget(deleteButton);

    mTemplateRadio = new QRadioButton(tr("Printerens eget sprog: formatfilerne i Setup sendes til etiketprinteren"));
    mTemplateRadio->setObjectName(QStringLiteral("templateRadioButton"));
    mDrawnRadio = new QRadioButton(tr("Tegnet med stregkode: til enhver printer eller en PDF-fil"));
    mDrawnRadio->setObjectName(QStringLiteral("drawnRadioButton"));

    mWidthSpin = mmSpin("widthSpinBox", 5, 1000);
    mHeightSpin = mmSpin("heightSpinBox", 5, 1000);
    mFontSpin = new QDoubleSpinBox;
    mFontSpin->setObjectName(QStringLiteral("fontSpinBox"));
    mFontSpin->setRange(3, 72);
    mFontSpin->setDecimals(1);
    mFontSpin->setSuffix(tr(" pt"));
    mSymbologyCombo = new QComboBox;
    mSymbologyCombo->setObjectName(QStringLiteral("symbologyComboBox"));
    mSymbologyCombo->addItems(
        {QStringLiteral("Code 128"), QStringLiteral("EAN-13"), QStringLiteral("QR"), QStringLiteral("DataMatrix")});
    mContentCombo = new QComboBox;
    mContentCombo->setObjectName(QStringLiteral("contentComboBox"));
    mContentCombo->addItems(
        {tr("Nummeret (serienummeret med 6 cifre)"), tr("Nummeret, ellers serienummeret som det står")});

    mDrawnGroup = new QGroupBox(tr("Tegnet etiket"));
    auto* drawnForm = new QFormLayout(mDrawnGroup);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(mWidthSpin);
    sizeRow->addWidget(new QLabel(QStringLiteral("x")));
    sizeRow->addWidget(mHeightSpin);
    drawnForm->addRow(tr("Størrelse (bredde x højde):"), sizeRow);
    drawnForm->addRow(tr("Stregkode:"), mSymbologyCombo);
    drawnForm->addRow(tr("Stregkoden indeholder:"), mContentCombo);
    drawnForm->addRow(tr("Skriftstørrelse:"), mFontSpin);

    mSheetGroup = new QGroupBox(tr("Ark med flere etiketter"));
    mSheetGroup->setObjectName(QStringLiteral("sheetGroupBox"));
    mSheetGroup->setCheckable(true);
    mRowsSpin = countSpin("rowsSpinBox", 1, 100);
    mColumnsSpin = countSpin("columnsSpinBox", 1, 100);
    mPageWidthSpin = mmSpin("pageWidthSpinBox", 10, 2000);
    mPageHeightSpin = mmSpin("pageHeightSpinBox", 10, 2000);
    mMarginLeftSpin = mmSpin("marginLeftSpinBox", 0, 500);
    mMarginTopSpin = mmSpin("marginTopSpinBox", 0, 500);
    mGapXSpin = mmSpin("gapXSpinBox", 0, 500);
    mGapYSpin = mmSpin("gapYSpinBox", 0, 500);
    mUsedSpin = countSpin("usedSpinBox", 0, 9999);
    auto* sheetGrid = new QGridLayout(mSheetGroup);
    sheetGrid->addWidget(new QLabel(tr("Rækker:")), 0, 0);
    sheetGrid->addWidget(mRowsSpin, 0, 1);
    sheetGrid->addWidget(new QLabel(tr("Kolonner:")), 0, 2);
    sheetGrid->addWidget(mColumnsSpin, 0, 3);
    sheetGrid->addWidget(new QLabel(tr("Arkets bredde:")), 1, 0);
    sheetGrid->addWidget(mPageWidthSpin, 1, 1);
    sheetGrid->addWidget(new QLabel(tr("Arkets højde:")), 1, 2);
    sheetGrid->addWidget(mPageHeightSpin, 1, 3);
    sheetGrid->addWidget(new QLabel(tr("Venstre margen:")), 2, 0);
    sheetGrid->addWidget(mMarginLeftSpin, 2, 1);
    sheetGrid->addWidget(new QLabel(tr("Øverste margen:")), 2, 2);
    sheetGrid->addWidget(mMarginTopSpin, 2, 3);
    sheetGrid->addWidget(new QLabel(tr("Afstand vandret:")), 3, 0);
    sheetGrid->addWidget(mGapXSpin, 3, 1);
    sheetGrid->addWidget(new QLabel(tr("Afstand lodret:")), 3, 2);
    sheetGrid->addWidget(mGapYSpin, 3, 3);
    sheetGrid->addWidget(new QLabel(tr("Brugte etiketter på arket:")), 4, 0, 1, 2);
    sheetGrid->addWidget(mUsedSpin, 4, 3);

    mFieldsList = new QListWidget;
    mFieldsList->setObjectName(QStringLiteral("fieldsListWidget"));
    mFieldsList->setDragDropMode(QAbstractItemView::InternalMove);
    mFieldsList->setToolTip(tr("De valgte felter udskrives i denne rækkefølge; træk for at flytte dem"));
    auto* fieldsBox = new QGroupBox(tr("Felter på etiketten"));
    (new QVBoxLayout(fieldsBox))->addWidget(mFieldsList);

    mPreview = new QLabel;
    mPreview->setObjectName(QStringLiteral("previewLabel"));
    mPreview->setAlignment(Qt::AlignCenter);
    mPreview->setMinimumSize(260, 200);
    auto* previewBox = new QGroupBox(tr("Eksempel"));
    (new QVBoxLayout(previewBox))->addWidget(mPreview);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Fortryd"));

    auto* left = new QVBoxLayout;
    left->addWidget(mDrawnGroup);
    left->addWidget(mSheetGroup);
    auto* right = new QVBoxLayout;
    right->addWidget(fieldsBox, 1);
    right->addWidget(previewBox);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addLayout(right);
    auto* form = new QFormLayout;
    form->addRow(tr("Profil:"), profileRow);
    form->addRow(tr("Navn:"), mNameEdit);
    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addWidget(mTemplateRadio);
    main->addWidget(mDrawnRadio);
    main->addLayout(middle);
    main->addWidget(buttons);

    fillProfileCombo();
    int current = 0;
    const QString currentName = AppSettings::CurrentLabelProfileName();
    for (int i = 0; i < int(mProfiles.size()); ++i) {
        if (mProfiles[size_t(i)].name == currentName)
            current = i;
    }
    mProfileCombo->setCurrentIndex(current);
    ProfileChosen(current);

    connect(mProfileCombo, &QComboBox::currentIndexChanged, this, &LabelSetupDialog::ProfileChosen);
    connect(newButton, &QPushButton::clicked, this, &LabelSetupDialog::NewProfile);
    connect(deleteButton, &QPushButton::clicked, this, &LabelSetupDialog::DeleteProfile);
    connect(buttons, &QDialogButtonBox::accepted, this, &LabelSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LabelSetupDialog::reject);
    for (QDoubleSpinBox* spin : {mWidthSpin, mHeightSpin, mPageWidthSpin, mPageHeightSpin, mMarginLeftSpin,
                                 mMarginTopSpin, mGapXSpin, mGapYSpin, mFontSpin})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &LabelSetupDialog::UpdatePreview);
    for (QSpinBox* spin : {mRowsSpin, mColumnsSpin, mUsedSpin})
        connect(spin, &QSpinBox::valueChanged, this, &LabelSetupDialog::UpdatePreview);
    connect(mSymbologyCombo, &QComboBox::currentIndexChanged, this, &LabelSetupDialog::UpdatePreview);
    connect(mContentCombo, &QComboBox::currentIndexChanged, this, &LabelSetupDialog::UpdatePreview);
    connect(mSheetGroup, &QGroupBox::toggled, this, &LabelSetupDialog::UpdatePreview);
    connect(mTemplateRadio, &QRadioButton::toggled, this, &LabelSetupDialog::UpdatePreview);
    connect(mFieldsList, &QListWidget::itemChanged, this, &LabelSetupDialog::UpdatePreview);
    connect(mFieldsList->model(), &QAbstractItemModel::rowsMoved, this, &LabelSetupDialog::UpdatePreview);
}

void LabelSetupDialog::fillProfileCombo() {
    mLoading = true;
    mProfileCombo->clear();
    for (const LabelProfile& profile : mProfiles)
        mProfileCombo->addItem(profile.name);
    mLoading = false;
}

void LabelSetupDialog::showProfile(const LabelProfile& p) {
    mLoading = true;
    mNameEdit->setText(p.name);
    mTemplateRadio->setChecked(p.route == LabelProfile::TemplateRoute);
    mDrawnRadio->setChecked(p.route == LabelProfile::DrawnRoute);
    mWidthSpin->setValue(p.widthMm);
    mHeightSpin->setValue(p.heightMm);
    mSheetGroup->setChecked(p.sheet);
    mRowsSpin->setValue(p.rows);
    mColumnsSpin->setValue(p.columns);
    mPageWidthSpin->setValue(p.pageWidthMm);
    mPageHeightSpin->setValue(p.pageHeightMm);
    mMarginLeftSpin->setValue(p.marginLeftMm);
    mMarginTopSpin->setValue(p.marginTopMm);
    mGapXSpin->setValue(p.gapXMm);
    mGapYSpin->setValue(p.gapYMm);
    mUsedSpin->setValue(p.usedLabels);
    mFontSpin->setValue(p.fontPt);
    mSymbologyCombo->setCurrentIndex(p.symbology);
    mContentCombo->setCurrentIndex(p.content);
    mFieldsList->clear();
    QStringList order = p.fields;
    for (const QString& key : LabelFields::All()) {
        if (!order.contains(key))
            order << key;
    }
    for (const QString& key : order) {
        auto* item = new QListWidgetItem(LabelFields::Caption(key), mFieldsList);
        item->setData(Qt::UserRole, key);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(p.fields.contains(key) ? Qt::Checked : Qt::Unchecked);
    }
    mLoading = false;
    UpdatePreview();
}

void LabelSetupDialog::readProfile(LabelProfile* p) const {
    p->name = mNameEdit->text().trimmed();
    p->route = mTemplateRadio->isChecked() ? LabelProfile::TemplateRoute : LabelProfile::DrawnRoute;
    p->widthMm = mWidthSpin->value();
    p->heightMm = mHeightSpin->value();
    p->sheet = mSheetGroup->isChecked();
    p->rows = mRowsSpin->value();
    p->columns = mColumnsSpin->value();
    p->pageWidthMm = mPageWidthSpin->value();
    p->pageHeightMm = mPageHeightSpin->value();
    p->marginLeftMm = mMarginLeftSpin->value();
    p->marginTopMm = mMarginTopSpin->value();
    p->gapXMm = mGapXSpin->value();
    p->gapYMm = mGapYSpin->value();
    p->usedLabels = mUsedSpin->value();
    p->fontPt = mFontSpin->value();
    p->symbology = mSymbologyCombo->currentIndex();
    p->content = mContentCombo->currentIndex();
    p->fields.clear();
    for (int i = 0; i < mFieldsList->count(); ++i) {
        if (mFieldsList->item(i)->checkState() == Qt::Checked)
            p->fields << mFieldsList->item(i)->data(Qt::UserRole).toString();
    }
}

void LabelSetupDialog::enableParts() {
    const bool drawn = mDrawnRadio->isChecked();
    mDrawnGroup->setEnabled(drawn);
    mSheetGroup->setEnabled(drawn);
    mFieldsList->setEnabled(drawn);
}

void LabelSetupDialog::ProfileChosen(int index) {
    if (mLoading || index < 0 || index >= int(mProfiles.size()))
        return;
    if (mShown >= 0 && mShown < int(mProfiles.size()) && mShown != index) {
        readProfile(&mProfiles[size_t(mShown)]);
        if (mProfiles[size_t(mShown)].name.isEmpty())
            mProfiles[size_t(mShown)].name = mProfileCombo->itemText(mShown);
        mProfileCombo->setItemText(mShown, mProfiles[size_t(mShown)].name);
    }
    mShown = index;
    showProfile(mProfiles[size_t(index)]);
}

void LabelSetupDialog::NewProfile() {
    LabelProfile profile;
    if (mShown >= 0)
        readProfile(&profile); // a new profile starts as a copy of the one shown
    profile.id.clear();
    QString name = tr("Ny profil");
    for (int n = 2;
         std::any_of(mProfiles.begin(), mProfiles.end(), [&](const LabelProfile& p) { return p.name == name; }); ++n)
        name = tr("Ny profil %1").arg(n);
    profile.name = name;
    mProfiles.push_back(profile);
    mProfileCombo->addItem(name);
    mProfileCombo->setCurrentIndex(int(mProfiles.size()) - 1);
}

void LabelSetupDialog::DeleteProfile() {
    if (mProfiles.size() <= 1 || mShown < 0)
        return; // labels always have a profile to print with
    const int removed = mShown;
    mProfiles.erase(mProfiles.begin() + removed);
    mShown = -1;
    fillProfileCombo();
    const int next = qMin(removed, int(mProfiles.size()) - 1);
    mProfileCombo->setCurrentIndex(next);
    ProfileChosen(next);
}

void LabelSetupDialog::UpdatePreview() {
    if (mLoading)
        return;
    enableParts();
    LabelProfile profile;
    readProfile(&profile);
    if (profile.route == LabelProfile::TemplateRoute) {
        mPreview->setPixmap(QPixmap());
        mPreview->setText(tr("Etiketten laves af printeren ud fra formatfilen."));
        return;
    }
    const QString problem = profile.Problem();
    if (!problem.isEmpty()) {
        mPreview->setPixmap(QPixmap());
        mPreview->setText(problem);
        return;
    }
    // A label of the open register when one has a usable number, otherwise a made-up one.
    Labels::Entry entry;
    if (mCollection) {
        for (const Item* item : *mCollection) {
            const Labels::Batch batch = LabelDrawing::Batch({item}, profile);
            if (!batch.labels.empty()) {
                entry = batch.labels.front();
                break;
            }
        }
    }
    if (!entry.item) {
        entry.number = QStringLiteral("000042");
        entry.listName = tr("Eksempel");
    }
    const LabelDrawing::Content content = LabelDrawing::ContentOf(entry, profile, mCollection);
    const double pxPerMm =
        qMin(4.0, qMin(mPreview->minimumWidth() / profile.widthMm, mPreview->minimumHeight() / profile.heightMm));
    mPreview->setPixmap(QPixmap::fromImage(LabelDrawing::Preview(profile, content, pxPerMm)));
}

void LabelSetupDialog::accept() {
    if (mShown >= 0)
        readProfile(&mProfiles[size_t(mShown)]);
    QStringList names;
    for (int i = 0; i < int(mProfiles.size()); ++i) {
        const LabelProfile& p = mProfiles[size_t(i)];
        QString problem = p.name.isEmpty() ? tr("Profilen skal have et navn.") : p.Problem();
        if (problem.isEmpty() && names.contains(p.name))
            problem = tr("To profiler hedder \"%1\".").arg(p.name);
        if (!problem.isEmpty()) {
            if (i != mShown) {
                mProfileCombo->setCurrentIndex(i);
                ProfileChosen(i);
            }
            Dialogs::warning(this, tr("Etiketter"), problem);
            return;
        }
        names << p.name;
    }
    AppSettings::StoreLabelProfiles(mProfiles);
    AppSettings::StoreCurrentLabelProfileName(mProfiles[size_t(mShown)].name);
    QDialog::accept();
}
