#include "printSelectDataDialog.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
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
    : QDialog(parent), mCollection(collection) {
    setupUi(this);
    if (name)
        setObjectName(QLatin1String(name));
    setModal(modal);
    translateTexts();

    using namespace ColumnNames;
    auto validator = [this](int top) { return new QIntValidator(1, top, this); };
    mLengths = {
        {groupLengthLineEdit, groupLengthLabel, Group, &PrintSettings::groupLength, validator(200)},
        {nameLengthLineEdit, nameLengthLabel, Name, &PrintSettings::nameLength, validator(200)},
        {modelLengthLineEdit, modelLengthLabel, Product, &PrintSettings::modelLength, validator(200)},
        {productTypeLengthLineEdit, productTypeLengthLabel, ProductType, &PrintSettings::productTypeLength,
         validator(200)},
        {countLengthLineEdit, countLengthLabel, Count, &PrintSettings::countLength, validator(20)},
        {priceLengthLineEdit, priceLengthLabel, Price, &PrintSettings::priceLength, validator(12)},
        {priceTodayLengthLineEdit, priceTodayLengthLabel, PriceToday, &PrintSettings::priceTodayLength, validator(12)},
        {pictureLengthLineEdit, pictureLengthLabel, Picture, &PrintSettings::pictureLength, validator(200)},
        {dateLengthLineEdit, dateLengthLabel, Date, nullptr, nullptr},
        {locationLengthLineEdit, locationLengthLabel, Location, &PrintSettings::locationLength, validator(200)},
        {describeLengthLineEdit, describeLengthLabel, Description, &PrintSettings::describeLength, validator(200)},
        {supplierLengthLineEdit, supplierLengthLabel, Supplier, &PrintSettings::supplierLength, validator(200)},
        {addressLengthLineEdit, addressLengthLabel, Address, &PrintSettings::addressLength, validator(200)},
        {serialNumberLengthLineEdit, serialNumberLengthLabel, Serialno, &PrintSettings::serialNumberLength,
         validator(200)},
        {wwwLengthLineEdit, wwwLengthLabel, Www, &PrintSettings::wwwLength, validator(200)},
        {receiptLengthLineEdit, receiptLengthLabel, Receipt, &PrintSettings::receiptLength, validator(200)},
        {documentLengthLineEdit, documentLengthLabel, Document, &PrintSettings::documentLength, validator(200)},
    };
    mSortButtons = {
        {sortTypeRadioButton, DBItemCollection::SortGroup, Group},
        {sortNameRadioButton, DBItemCollection::SortName, Name},
        {sortModelRadioButton, DBItemCollection::SortProduct, Product},
        {sortPriceRadioButton, DBItemCollection::SortTotalPrice, Price},
        {sortDateradioButton, DBItemCollection::SortDate, Date},
        {sortLocationButton, DBItemCollection::SortLocation, Location},
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
        printSepaComboBox->addItem(QLatin1String(separator));
    const int separatorIndex = printSepaComboBox->findText(settings.printSeparator);
    printSepaComboBox->setCurrentIndex(separatorIndex >= 0 ? separatorIndex : 0);

    fillFieldLists(settings);
    for (const LengthField& field : mLengths) {
        if (field.length)
            field.edit->setText(QString::number(settings.*field.length));
    }

    for (const SortButton& sort : mSortButtons) {
        if (sort.code == settings.sortMethod)
            sort.button->setChecked(true);
    }

    PrintGroupCheckBox->setChecked(settings.printGroupOnly);
    if (mCollection)
        PrintGroupComboBox->addItems(mCollection->Groups().Entries());
    PrintGroupComboBox->setCurrentIndex(settings.GroupToPrint);
    PrintLocationCheckBox->setChecked(settings.printLocationOnly);
    if (mCollection)
        PrintLocationComboBox->addItems(mCollection->Locations().Entries());
    PrintLocationComboBox->setCurrentIndex(settings.LocationToPrint);
    PrintLocationCheckBox->setText(PrintLocationCheckBox->text() + Title(Location));

    ExternalViewers::SetHelpPage(
        this, (IsOstrel() ? QStringLiteral("printSetupOstrel.%1.htm") : QStringLiteral("printSetupDialog.%1.htm"))
                  .arg(GetLanguage()));

    connect(buttonOk, &QPushButton::clicked, this, &printSelectDataDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &printSelectDataDialog::reject);
    connect(buttonHelp, &QPushButton::clicked, this, &printSelectDataDialog::help_slot);
    connect(AddButton, &QPushButton::clicked, this, &printSelectDataDialog::add_slot);
    connect(RemoveButton, &QPushButton::clicked, this, &printSelectDataDialog::remove_slot);
}

void printSelectDataDialog::translateTexts() {
    setWindowTitle(tr("Vælg data til udskrivning"));
    availableLabel->setText(tr("Mulige felter"));
    availableListBox->setToolTip(tr("Felter som pt. ikke udskrives"));
    wantedLabel->setText(tr("Valgte felter"));
    wantedListBox->setToolTip(tr("Disse felter vil blive udskrevet (rækkefølgen er pre-defineret)"));
    AddButton->setText(tr("&Tilføj >>"));
    RemoveButton->setText(tr("<< Fje&rn"));
    lengthGroupBox->setTitle(tr("Felt længde i udskrift"));
    sortGroupBox->setTitle(tr("Sortering efter"));
    divGroupBox->setTitle(tr("Div"));
    PrintGroupCheckBox->setText(tr("Udskriv kun gruppe"));
    PrintLocationCheckBox->setText(tr("Udskriv kun "));
    separatorLabel->setText(tr("Felt separator i udskrift"));
    printSepaComboBox->setToolTip(tr("Bestemmer den karakter som adskiller felterne i udskriften"));
    buttonOk->setText(tr("&OK"));
    buttonHelp->setText(tr("&Hjælp"));
    buttonCancel->setText(tr("&Fortryd"));
}

void printSelectDataDialog::fillFieldLists(const PrintSettings& settings) {
    for (int entry = 0; entry < int(std::size(kFieldEntries)); ++entry) {
        const FieldEntry& field = kFieldEntries[entry];
        const QString title = field.column < 0 ? tr("ITEM_COUNT") : ColumnNames::Title(field.column);
        auto* row = new QListWidgetItem(title);
        row->setData(EntryRole, entry);
        (settings.*field.flag ? wantedListBox : availableListBox)->addItem(row);
    }
}

void printSelectDataDialog::moveCurrent(QListWidget* from, QListWidget* to) {
    QListWidgetItem* current = from->currentItem();
    if (!current)
        return;
    to->addItem(from->takeItem(from->row(current)));
}

void printSelectDataDialog::add_slot() {
    moveCurrent(availableListBox, wantedListBox);
}

void printSelectDataDialog::remove_slot() {
    moveCurrent(wantedListBox, availableListBox);
}

void printSelectDataDialog::help_slot() {
    ExternalViewers::OpenHelpOf(this);
}

void printSelectDataDialog::accept() {
    auto acceptable = [](QLineEdit* edit) {
        QString text = edit->text();
        int position = 0;
        return edit->validator()->validate(text, position) == QValidator::Acceptable;
    };
    QString error;
    if (!acceptable(addressLengthLineEdit))
        error = tr("'Adresse felt længde' skal være: 1 -> %2").arg(200);
    if (!acceptable(describeLengthLineEdit))
        error = tr("'Beskrivelse felt længde' skal være: 1 -> %2").arg(200);
    if (!error.isEmpty()) {
        Dialogs::critical(this, tr("Felt grænseværdi fejl"), error + QLatin1String("\n\n") + tr("Ret det !"));
        return;
    }

    PrintSettings& settings = PrintSettings::Shared();
    for (const FieldEntry& field : kFieldEntries)
        settings.*field.flag = false;
    for (int row = 0; row < wantedListBox->count(); ++row) {
        const int entry = wantedListBox->item(row)->data(EntryRole).toInt();
        settings.*kFieldEntries[entry].flag = true;
    }
    settings.printSeparator = printSepaComboBox->currentText();
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
    settings.printGroupOnly = PrintGroupCheckBox->isChecked();
    settings.printLocationOnly = PrintLocationCheckBox->isChecked();
    settings.GroupToPrint = PrintGroupComboBox->currentIndex();
    settings.LocationToPrint = PrintLocationComboBox->currentIndex();
    settings.Save(sortChosen);
    QDialog::accept();
}
