#include "setup/setupdialog.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "core/Latin1Validator.h"
#include "mainwindow/ExternalViewers.h"

#include <QMetaMethod>

setupdialog::setupdialog(DBItemCollection* collection, int listKind, QWidget* parent, const QString& name, bool modal)
    : QDialog(parent), mKind(listKind), mCollection(collection), mEditor(*collection, listKind) {
    setupUi(this);
    setObjectName(name.isEmpty() ? QStringLiteral("setupdialog") : name);
    setModal(modal);
    translateTexts();

    connect(buttonCancel, &QPushButton::clicked, this, &setupdialog::reject);
    connect(DeleteButton, &QPushButton::clicked, this, &setupdialog::DeleteSlot);
    connect(addButton, &QPushButton::clicked, this, &setupdialog::AddSlot);
    connect(saveButton, &QPushButton::clicked, this, &setupdialog::SaveSlot);
    connect(buttonHelp, &QPushButton::clicked, this, &setupdialog::HelpSlot);
    connect(buttonOk, &QPushButton::clicked, this, &setupdialog::OKSlot);
    connect(listLineEdit, &QListWidget::currentRowChanged, this, &setupdialog::listLineEdit_highlighted);
    connect(printButton, &QPushButton::clicked, this, &setupdialog::PrintSlot);

    auto* validator = new Latin1Validator(selectedItemLineEdit);
    selectedItemLineEdit->setValidator(validator);
    // Queued: the message waits until the line edit has finished refusing the text.
    connect(validator, &Latin1Validator::characterRefused, this, &setupdialog::reportRefusedPaste,
            Qt::QueuedConnection);

    fileLabel->setText(tr("SETUP_LIST_FILE").arg(mEditor.FilePath()));
    const char* page = mKind == LookupListEditor::Groups      ? "SetupTovikTyperDialog.%1.htm"
                       : mKind == LookupListEditor::Locations ? "SetupLokalerDialog.%1.htm"
                                                              : "SetupSupplierDialog.%1.htm";
    ExternalViewers::SetHelpPage(this, QString::fromLatin1(page).arg(GetLanguage()));
    fillList(-1);
    updatePrintButton();
}

void setupdialog::translateTexts() {
    setWindowTitle(tr("Setup"));
    setWhatsThis(tr("WHATS_THIS_SETUP_DIALOG"));
    const int column = mKind == LookupListEditor::Groups      ? ColumnNames::Group
                       : mKind == LookupListEditor::Locations ? ColumnNames::Location
                                                              : ColumnNames::Supplier;
    // The column's caption, which the open database may have renamed, as the Setup menu shows it.
    typeLabel->setText(QCoreApplication::translate("MainWindow", ColumnNames::Title(column).toUtf8().constData()));
    listLineEdit->setToolTip(tr("TOOLTIP_LIST"));
    listLineEdit->setWhatsThis(tr("WHATS_THIS_LIST"));
    selectedItemLineEdit->setToolTip(tr("TOOLTIP_SELECTED"));
    selectedItemLineEdit->setWhatsThis(tr("WHATS_THIS_SELECTED"));
    saveButton->setText(tr("&Gem"));
    saveButton->setToolTip(tr("TOOLTIP_SAVE"));
    DeleteButton->setText(tr("&Slet"));
    DeleteButton->setToolTip(tr("TOOLTIP_REMOVE"));
    addButton->setText(tr("&Tilføj"));
    addButton->setToolTip(tr("TOOLTIP_ADD"));
    if (mKind == LookupListEditor::Groups) {
        printButton->setText(tr("PRINT_BARCODE"));
        printButton->setToolTip(tr("TOOLTIP_PRINT_BARCODE"));
        printButton->setWhatsThis(tr("WHATSHIS_PRINT_LOCATION_BARCODE"));
    } else {
        printButton->setText(tr("SETUP_PRINT"));
        printButton->setToolTip(tr("TOOLTIP_PRINT"));
    }
    buttonOk->setText(tr("&OK"));
    buttonHelp->setText(tr("&Hjælp"));
    buttonCancel->setText(tr("&Fortryd"));
}

void setupdialog::fillList(int current) {
    listLineEdit->clear();
    listLineEdit->addItems(mEditor.Entries());
    listLineEdit->setCurrentRow(current);
    if (current < 0)
        selectedItemLineEdit->clear();
}

void setupdialog::updatePrintButton() {
    // Labels carry a group's or a location's number; suppliers have none. The button shows only where the
    // label printing is connected.
    static const QMetaMethod request = QMetaMethod::fromSignal(&setupdialog::printLabelsRequested);
    const bool printable = IsBrevane() && mKind != LookupListEditor::Suppliers && isSignalConnected(request);
    printButton->setVisible(printable);
}

void setupdialog::connectNotify(const QMetaMethod& signal) {
    if (signal == QMetaMethod::fromSignal(&setupdialog::printLabelsRequested))
        updatePrintButton();
}

void setupdialog::disconnectNotify(const QMetaMethod& signal) {
    // Also called with an invalid method when everything is disconnected at once.
    if (!signal.isValid() || signal == QMetaMethod::fromSignal(&setupdialog::printLabelsRequested))
        updatePrintButton();
}

void setupdialog::listLineEdit_highlighted(int row) {
    if (row >= 0 && row < mEditor.Count())
        selectedItemLineEdit->setText(mEditor.Entries().at(row));
}

void setupdialog::reportRefusedPaste(const QString& text, int position) {
    Dialogs::warning(this, tr("Fejl indtastning"),
                     QCoreApplication::translate("ItemDialog", "TEXT_NOT_INSERTED_CHARACTER")
                         .arg(Latin1Validator::Describe(text, position)));
}

bool setupdialog::report(const LookupListEditor::Outcome& outcome, const QString& name) {
    using Result = LookupListEditor::Result;
    switch (outcome.result) {
    case Result::Ok:
    case Result::Unchanged:
    case Result::NoEntry:
        return true;
    case Result::LimitReached:
        Dialogs::critical(this, tr("SETUP_WARNING"), tr("SETUP_MAX_LIMIT_REACHED").arg(mEditor.Limit()));
        break;
    case Result::Empty:
        Dialogs::critical(this, tr("Fejl indtastning"), tr("SETUP_NAME_EMPTY"));
        break;
    case Result::Duplicate:
        Dialogs::critical(this, tr("Fejl indtastning"), tr("Dette navn er allerede anvendt"));
        break;
    case Result::NotStorable:
        Dialogs::critical(this, tr("Fejl indtastning"),
                          tr("SETUP_NAME_NOT_STORABLE").arg(Latin1Validator::Describe(name, outcome.position)));
        break;
    case Result::NotLast:
        Dialogs::critical(this, tr("Fejl"), tr("SETUP_DELETE_NOT_LAST").arg(name).arg(outcome.uses));
        break;
    case Result::InUse:
        Dialogs::critical(this, tr("Fejl"), tr("SETUP_DELETE_IN_USE").arg(name).arg(outcome.uses));
        break;
    }
    return false;
}

void setupdialog::AddSlot() {
    const QString name = selectedItemLineEdit->text();
    if (!report(mEditor.Add(name), name))
        return;
    // The new entry becomes the current one, so a later Save does not rename the entry chosen before.
    const int row = mEditor.Count() - 1;
    listLineEdit->addItem(name);
    listLineEdit->setCurrentRow(row);
}

void setupdialog::DeleteSlot() {
    const int row = listLineEdit->currentRow();
    if (row < 0 || row >= mEditor.Count())
        return;
    const QString name = mEditor.Entries().at(row);
    if (!report(mEditor.Delete(row), name))
        return;
    delete listLineEdit->takeItem(row);
    const int next = qMin(row, mEditor.Count() - 1);
    listLineEdit->setCurrentRow(next);
    if (next < 0)
        selectedItemLineEdit->clear();
    else
        listLineEdit_highlighted(next);
}

bool setupdialog::SaveSlot() {
    const int row = listLineEdit->currentRow();
    if (row >= 0 && row < mEditor.Count()) {
        const QString name = selectedItemLineEdit->text();
        if (!report(mEditor.Rename(row, name), name))
            return false;
        listLineEdit->item(row)->setText(mEditor.Entries().at(row));
    }
    QString reason;
    {
        // The item list follows the collection's new entries: long work in a large register.
        WaitCursor wait;
        if (!mEditor.Save(&reason)) {
            Dialogs::critical(this, tr("Fil fejl"), reason);
            return false;
        }
    }
    return true;
}

void setupdialog::OKSlot() {
    if (SaveSlot())
        accept();
}

void setupdialog::reject() {
    QString reason;
    bool reverted;
    {
        WaitCursor wait;
        reverted = mEditor.Revert(&reason);
    }
    if (!reverted)
        Dialogs::critical(this, tr("Fil fejl"), tr("SETUP_CANNOT_RESTORE").arg(reason));
    QDialog::reject();
}

void setupdialog::HelpSlot() {
    ExternalViewers::OpenHelpOf(this);
}

void setupdialog::PrintSlot() {
    if (!IsBrevane() || mKind == LookupListEditor::Suppliers)
        return;
    const int row = listLineEdit->currentRow();
    if (row < 0)
        return;
    // A label must name an entry the list file knows.
    if ((mEditor.HasUnsavedChanges() || selectedItemLineEdit->text() != mEditor.Entries().at(row)) && !SaveSlot())
        return;
    emit printLabelsRequested(mKind, row);
}
