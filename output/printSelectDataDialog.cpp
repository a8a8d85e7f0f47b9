#include "printSelectDataDialog.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "ui_printSelectDataDialogBase.h"
#include "mainwindow/ExternalViewers.h"

#include <QIntValidator>

#include <iterator>

namespace {

// The entries of the two field lists, in the order the dialog lists them. Column -1 is the item number.
struct FieldEntry {
    int column;
    bool PrintSettings::*flag;
};

const FieldEntry kFieldEntries[] = {
    {-1, &PrintSettings::printItemCount},
    {ColumnNames::Group, &PrintSettings::printGroupField},
    {ColumnNames::Name, &PrintSettings::printNameField},
    {ColumnNames::Product, &PrintSettings::printModelField},
    {ColumnNames::Count, &PrintSettings::printCountField},
    {ColumnNames::Price, &PrintSettings::printPriceField},
    {ColumnNames::PriceToday, &PrintSettings::printPriceTodayField},
    {ColumnNames::Picture, &PrintSettings::printPictureField},
    {ColumnNames::Date, &PrintSettings::printDateField},
    {ColumnNames::Location, &PrintSettings::printLocationField},
    {ColumnNames::Description, &PrintSettings::printDescribeField},
    {ColumnNames::Supplier, &PrintSettings::printSupplierField},
    {ColumnNames::Address, &PrintSettings::printAddressField},
    {ColumnNames::Serialno, &PrintSettings::printSerialNumberField},
    {ColumnNames::Www, &PrintSettings::printWwwField},
    {ColumnNames::Receipt, &PrintSettings::printReceiptField},
    {ColumnNames::Document, &PrintSettings::printDocumentField},
    {ColumnNames::ProductType, &PrintSettings::printProductTypeField},
};

const char* const kSeparators[] = {"|", ";", ":", "+", "#", "!", "I"};

// Which entry a list row stands for is kept with the row, not read back from its text.
constexpr int EntryRole = Qt::UserRole + 1;

} // namespace

printSelectDataDialog::printSelectDataDialog(DBItemCollection* collection, QWidget* parent, const char* name,
                                             bool modal)
    : QDialog(parent), mUi(std::make_unique<Ui::printSelectDataDialogBase>()), mCollection(collection) {
    mUi->setupUi(this);
    if (name)
        setObjectName(QLatin1String(name));
    setModal(modal);
    translateTexts();

    using namespace ColumnNames;
    auto validator = [this](int top) { return new QIntValidator(1, top, this); };
    mLengths = {
        {mUi->groupLengthLineEdit, mUi->groupLengthLabel, Group, &PrintSettings::groupLength, validator(200)},
        {mUi->nameLengthLineEdit, mUi->nameLengthLabel, Name, &PrintSettings::nameLength, validator(200)},
        {mUi->modelLengthLineEdit, mUi->modelLengthLabel, Product, &PrintSettings::modelLength, validator(200)},
        {mUi->productTypeLengthLineEdit, mUi->productTypeLengthLabel, ProductType, &PrintSettings::productTypeLength,
         validator(200)},
        {mUi->countLengthLineEdit, mUi->countLengthLabel, Count, &PrintSettings::countLength, validator(20)},
        {mUi->priceLengthLineEdit, mUi->priceLengthLabel, Price, &PrintSettings::priceLength, validator(12)},
        {mUi->priceTodayLengthLineEdit, mUi->priceTodayLengthLabel, PriceToday, &PrintSettings::priceTodayLength,
         validator(12)},
        {mUi->pictureLengthLineEdit, mUi->pictureLengthLabel, Picture, &PrintSettings::pictureLength, validator(200)},
        {mUi->dateLengthLineEdit, mUi->dateLengthLabel, Date, nullptr, nullptr},
        {mUi->locationLengthLineEdit, mUi->locationLengthLabel, Location, &PrintSettings::locationLength,
         validator(200)},
        {mUi->describeLengthLineEdit, mUi->describeLengthLabel, Description, &PrintSettings::describeLength,
         validator(200)},
        {mUi->supplierLengthLineEdit, mUi->supplierLengthLabel, Supplier, &PrintSettings::supplierLength,
         validator(200)},
        {mUi->addressLengthLineEdit, mUi->addressLengthLabel, Address, &PrintSettings::addressLength, validator(200)},
        {mUi->serialNumberLengthLineEdit, mUi->serialNumberLengthLabel, Serialno, &PrintSettings::serialNumberLength,
         validator(200)},
        {mUi->wwwLengthLineEdit, mUi->wwwLengthLabel, Www, &PrintSettings::wwwLength, validator(200)},
        {mUi->receiptLengthLineEdit, mUi->receiptLengthLabel, Receipt, &PrintSettings::receiptLength, validator(200)},
        {mUi->documentLengthLineEdit, mUi->documentLengthLabel, Document, &PrintSettings::documentLength,
         validator(200)},
    };
    mSortButtons = {
        {mUi->sortTypeRadioButton, DBItemCollection::SortGroup, Group},
        {mUi->sortNameRadioButton, DBItemCollection::SortName, Name},
        {mUi->sortModelRadioButton, DBItemCollection::SortProduct, Product},
        {mUi->sortPriceRadioButton, DBItemCollection::SortTotalPrice, Price},
        {mUi->sortDateradioButton, DBItemCollection::SortDate, Date},
        {mUi->sortLocationButton, DBItemCollection::SortLocation, Location},
    };

    // The dialog follows the edition's and the open database's column names.
    const QString lengthTip = tr("TOOLTIP_PRINT_TEXTFIELD_LENGTH");
    for (const LengthField& field : mLengths) {
        field.label->setText(Title(field.column));
        field.edit->setToolTip(lengthTip);
        if (field.validator)
            field.edit->setValidator(field.validator);
    }
    for (const SortButton& sort : mSortButtons)
        sort.button->setText(Title(sort.column));

    PrintSettings& settings = PrintSettings::Shared();
    settings = PrintSettings();

    for (const char* separator : kSeparators)
        mUi->printSepaComboBox->addItem(QLatin1String(separator));
    const int separatorIndex = mUi->printSepaComboBox->findText(settings.printSeparator);
    mUi->printSepaComboBox->setCurrentIndex(separatorIndex >= 0 ? separatorIndex : 0);

    fillFieldLists(settings);
    for (const LengthField& field : mLengths) {
        if (field.length)
            field.edit->setText(QString::number(settings.*field.length));
    }

    for (const SortButton& sort : mSortButtons) {
        if (sort.code == settings.sortMethod)
            sort.button->setChecked(true);
    }

    mUi->PrintGroupCheckBox->setChecked(settings.printGroupOnly);
    if (mCollection)
        mUi->PrintGroupComboBox->addItems(mCollection->Groups().Entries());
    mUi->PrintGroupComboBox->setCurrentIndex(settings.GroupToPrint);
    mUi->PrintLocationCheckBox->setChecked(settings.printLocationOnly);
    if (mCollection)
        mUi->PrintLocationComboBox->addItems(mCollection->Locations().Entries());
    mUi->PrintLocationComboBox->setCurrentIndex(settings.LocationToPrint);
    mUi->PrintLocationCheckBox->setText(mUi->PrintLocationCheckBox->text() + Title(Location));

    const QString language = GetLanguage();
    mUi->buttonHelp->setEnabled((IsTovik() && language != QLatin1String("en")) ||
                                (IsOstrel() && language == QLatin1String("dk")));

    connect(mUi->buttonOk, &QPushButton::clicked, this, &printSelectDataDialog::accept);
    connect(mUi->buttonCancel, &QPushButton::clicked, this, &printSelectDataDialog::reject);
    connect(mUi->buttonHelp, &QPushButton::clicked, this, &printSelectDataDialog::help_slot);
    connect(mUi->AddButton, &QPushButton::clicked, this, &printSelectDataDialog::add_slot);
    connect(mUi->RemoveButton, &QPushButton::clicked, this, &printSelectDataDialog::remove_slot);
}

printSelectDataDialog::~printSelectDataDialog() = default;

void printSelectDataDialog::translateTexts() {
    setWindowTitle(tr("Vælg data til udskrivning"));
    mUi->availableLabel->setText(tr("Mulige felter"));
    mUi->availableListBox->setToolTip(tr("Felter som pt. ikke udskrives"));
    mUi->wantedLabel->setText(tr("Valgte felter"));
    mUi->wantedListBox->setToolTip(tr("Disse felter vil blive udskrevet (rækkefølgen er pre-defineret)"));
    mUi->AddButton->setText(tr("&Tilføj >>"));
    mUi->RemoveButton->setText(tr("<< Fje&rn"));
    mUi->lengthGroupBox->setTitle(tr("Felt længde i udskrift"));
    mUi->sortGroupBox->setTitle(tr("Sortering efter"));
    mUi->divGroupBox->setTitle(tr("Div"));
    mUi->PrintGroupCheckBox->setText(tr("Udskriv kun gruppe"));
    mUi->PrintLocationCheckBox->setText(tr("Udskriv kun "));
    mUi->separatorLabel->setText(tr("Felt separator i udskrift"));
    mUi->printSepaComboBox->setToolTip(tr("Bestemmer den karakter som adskiller felterne i udskriften"));
    mUi->buttonOk->setText(tr("&OK"));
    mUi->buttonHelp->setText(tr("&Hjælp"));
    mUi->buttonCancel->setText(tr("&Fortryd"));
}

void printSelectDataDialog::fillFieldLists(const PrintSettings& settings) {
    for (int entry = 0; entry < int(std::size(kFieldEntries)); ++entry) {
        const FieldEntry& field = kFieldEntries[entry];
        const QString title = field.column < 0 ? tr("ITEM_COUNT") : ColumnNames::Title(field.column);
        auto* row = new QListWidgetItem(title);
        row->setData(EntryRole, entry);
        (settings.*field.flag ? mUi->wantedListBox : mUi->availableListBox)->addItem(row);
    }
}

void printSelectDataDialog::moveCurrent(QListWidget* from, QListWidget* to) {
    QListWidgetItem* current = from->currentItem();
    if (!current)
        return;
    to->addItem(from->takeItem(from->row(current)));
}

void printSelectDataDialog::add_slot() {
    moveCurrent(mUi->availableListBox, mUi->wantedListBox);
}

void printSelectDataDialog::remove_slot() {
    moveCurrent(mUi->wantedListBox, mUi->availableListBox);
}

void printSelectDataDialog::help_slot() {
    const QString page =
        (IsOstrel() ? QStringLiteral("printSetupOstrel.%1.htm") : QStringLiteral("printSetupDialog.%1.htm"))
            .arg(GetLanguage());
    ExternalViewers::OpenFile(page, QString(), false);
}

void printSelectDataDialog::accept() {
    auto acceptable = [](QLineEdit* edit) {
        QString text = edit->text();
        int position = 0;
        return edit->validator()->validate(text, position) == QValidator::Acceptable;
    };
    QString error;
    if (!acceptable(mUi->addressLengthLineEdit))
        error = tr("'Adresse felt længde' skal være: 1 -> %2").arg(200);
    if (!acceptable(mUi->describeLengthLineEdit))
        error = tr("'Beskrivelse felt længde' skal være: 1 -> %2").arg(200);
    if (!error.isEmpty()) {
        Dialogs::critical(this, tr("Felt grænseværdi fejl"), error + QLatin1String("\n\n") + tr("Ret det !"));
        return;
    }

    PrintSettings& settings = PrintSettings::Shared();
    for (const FieldEntry& field : kFieldEntries)
        settings.*field.flag = false;
    for (int row = 0; row < mUi->wantedListBox->count(); ++row) {
        const int entry = mUi->wantedListBox->item(row)->data(EntryRole).toInt();
        settings.*kFieldEntries[entry].flag = true;
    }
    settings.printSeparator = mUi->printSepaComboBox->currentText();
    for (const LengthField& field : mLengths) {
        if (field.length)
            settings.*field.length = field.edit->text().toInt(); // an empty edit gives 0
    }
    bool sortChosen = false;
    for (const SortButton& sort : mSortButtons) {
        if (sort.button->isChecked()) {
            settings.sortMethod = sort.code;
            sortChosen = true;
        }
    }
    settings.printGroupOnly = mUi->PrintGroupCheckBox->isChecked();
    settings.printLocationOnly = mUi->PrintLocationCheckBox->isChecked();
    settings.GroupToPrint = mUi->PrintGroupComboBox->currentIndex();
    settings.LocationToPrint = mUi->PrintLocationComboBox->currentIndex();
    settings.Save(sortChosen);
    QDialog::accept();
}
