#include "output/printSelectDataDialog.h"

#include "app/AppNames.h"
#include "app/AppSettings.h"
#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "mainwindow/ExternalViewers.h"

#include <QIntValidator>

#include <algorithm>

namespace {

// The copy of the print settings that every instance of the dialog shares for the whole process: the defaults
// until the first dialog reloads it from the store.
PrintSettings& sharedSettings() {
    static PrintSettings shared;
    return shared;
}

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
    // The form's edit and label of each column's width; the printed columns' table says the rest.
    const std::pair<QLineEdit*, QLabel*> widgets[ColumnCount] = {
        {groupLengthLineEdit, groupLengthLabel},
        {nameLengthLineEdit, nameLengthLabel},
        {modelLengthLineEdit, modelLengthLabel},
        {productTypeLengthLineEdit, productTypeLengthLabel},
        {countLengthLineEdit, countLengthLabel},
        {priceLengthLineEdit, priceLengthLabel},
        {priceTodayLengthLineEdit, priceTodayLengthLabel},
        {pictureLengthLineEdit, pictureLengthLabel},
        {receiptLengthLineEdit, receiptLengthLabel},
        {dateLengthLineEdit, dateLengthLabel},
        {locationLengthLineEdit, locationLengthLabel},
        {describeLengthLineEdit, describeLengthLabel},
        {supplierLengthLineEdit, supplierLengthLabel},
        {addressLengthLineEdit, addressLengthLabel},
        {serialNumberLengthLineEdit, serialNumberLengthLabel},
        {wwwLengthLineEdit, wwwLengthLabel},
        {documentLengthLineEdit, documentLengthLabel},
    };
    for (const PrintedColumn& column : PrintedColumns()) {
        if (column.kind == PrintedColumn::ItemNumber)
            continue;
        const auto& [edit, label] = widgets[column.column];
        // The date's width is fixed: its edit gets no validator and is never saved.
        QIntValidator* validator = column.length ? new QIntValidator(1, column.maxLength, this) : nullptr;
        mLengths.push_back({edit, label, &column, validator});
    }
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
        field.label->setText(Title(field.column->column));
        field.edit->setToolTip(lengthTip);
        if (field.validator)
            field.edit->setValidator(field.validator);
    }
    for (const SortButton& sort : mSortButtons)
        sort.button->setText(Title(sort.column));

    PrintSettings& settings = sharedSettings();
    settings = AppSettings::Print();

    for (const char* separator : kSeparators)
        printSepaComboBox->addItem(QLatin1String(separator));
    const int separatorIndex = printSepaComboBox->findText(settings.printSeparator);
    printSepaComboBox->setCurrentIndex(separatorIndex >= 0 ? separatorIndex : 0);

    fillFieldLists(settings);
    for (const LengthField& field : mLengths) {
        if (field.column->length)
            field.edit->setText(QString::number(settings.*field.column->length));
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

const PrintSettings& printSelectDataDialog::Shared() {
    return sharedSettings();
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
    std::vector<const PrintedColumn*> entries;
    for (const PrintedColumn& column : PrintedColumns())
        entries.push_back(&column);
    std::sort(entries.begin(), entries.end(),
              [](const PrintedColumn* a, const PrintedColumn* b) { return a->dialogPlace < b->dialogPlace; });
    for (const PrintedColumn* column : entries) {
        const bool itemNumber = column->kind == PrintedColumn::ItemNumber;
        auto* row = new QListWidgetItem(itemNumber ? tr("ITEM_COUNT") : ColumnNames::Title(column->column));
        row->setData(EntryRole, int(column - PrintedColumns().data()));
        (settings.*column->flag ? wantedListBox : availableListBox)->addItem(row);
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

    PrintSettings& settings = sharedSettings();
    for (const PrintedColumn& column : PrintedColumns())
        settings.*column.flag = false;
    for (int row = 0; row < wantedListBox->count(); ++row) {
        const int entry = wantedListBox->item(row)->data(EntryRole).toInt();
        settings.*PrintedColumns()[size_t(entry)].flag = true;
    }
    settings.printSeparator = printSepaComboBox->currentText();
    for (const LengthField& field : mLengths) {
        if (field.column->length)
            settings.*field.column->length = field.edit->text().toInt(); // an empty edit gives 0
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
    AppSettings::StorePrint(settings, sortChosen);
    QDialog::accept();
}
