// The item dialog's checks before saving and its search mode.
#include "itemdialog/ItemDialog.h"

#include "app/Edition.h"
#include "core/Dialogs.h"
#include "core/ItemValidation.h"

#include <QDate>

bool ItemDialog::Validate() {
    ItemValidation::Fields fields{priceLineEdit->text(), priceTodayLineEdit->text(), numberOfItemsLineEdit->text(),
                                  nameLineEdit->text(), locationComboBox->currentText()};
    // The messages name each field exactly as its label does.
    using ItemValidation::Caption;
    const ItemValidation::Captions captions{Caption(priceTextLabel->text()), Caption(priceTodayTextLabel->text()),
                                            Caption(numberOfItemsTextLabel->text()), Caption(nameTextLabel->text()),
                                            Caption(locationTextLabel->text())};
    const ItemValidation::Result result = ItemValidation::Validate(fields, Edition(), captions);
    if (result.priceTodayTakesPrice)
        priceTodayLineEdit->setText(fields.priceToday);
    switch (result.kind) {
    case ItemValidation::Result::FieldBounds:
        ShowValidateError(result.text);
        return false;
    case ItemValidation::Result::Missing:
        Dialogs::critical(this, result.title, result.text);
        return false;
    case ItemValidation::Result::Accepted:
        break;
    }
    return true;
}

void ItemDialog::ShowValidateError(const QString& text) {
    if (text.isEmpty())
        return;
    Dialogs::critical(this, ItemValidation::BoundsTitle(), ItemValidation::BoundsText(text));
}

void ItemDialog::ResetSlot() {
    dropNewItem();
    resetAllFields(true);
    ClearPicture();
    ClearReceipt();
    mState = State::Search;
    mSearchAgainAvailable = false;
    applyButtonStates();
    if (IsBrevane())
        serialnoLineEdit->setEnabled(true); // searchable, though given automatically when saving
}

SearchCriteria ItemDialog::criteriaFromFields() const {
    SearchCriteria criteria;
    criteria.name = nameLineEdit->text();
    criteria.product = productLineEdit->text();
    criteria.numberOfItems = numberOfItemsLineEdit->text();
    criteria.price = priceLineEdit->text();
    criteria.priceToday = priceTodayLineEdit->text();
    // "No date" is no criterion; the collection skips the date 01.01.1900.
    criteria.date = buyQDateEdit->date() == buyQDateEdit->minimumDate()
                        ? QStringLiteral("01.01.1900")
                        : buyQDateEdit->date().toString(QStringLiteral("dd.MM.yyyy"));
    if (!IsOstrel())
        criteria.supplier = supplierComboBox->currentText();
    criteria.location = -1;
    criteria.serialno = serialnoLineEdit->text();
    criteria.description = infoLineEdit->text();
    criteria.address = addressLineEdit->text();
    criteria.photolink = photolinkLineEdit->text();
    criteria.receipt = receiptLineEdit->text();
    criteria.www = wwwLineEdit->text();
    criteria.document = documentLineEdit->text();
    return criteria;
}

void ItemDialog::seach_slot() {
    dropNewItem();
    mCriteria = criteriaFromFields();
    mCurrentItem = mCollection ? mCollection->Search(mCriteria, false) : nullptr;
    // Only a search that found something has anything to continue.
    mSearchAgainAvailable = mCurrentItem != nullptr;
    ShowSearchResult();
}

void ItemDialog::SearchAgainSlot() {
    dropNewItem();
    // The collection starts over from its first item when its items changed since the last hit.
    mCurrentItem = mCollection ? mCollection->Search(mCriteria, true) : nullptr;
    ShowSearchResult();
}

void ItemDialog::ShowSearchResult() {
    if (!mCurrentItem) {
        MessageBoxRequest box;
        box.icon = MessageBoxRequest::Critical;
        box.title = tr("Fejl søgning");
        box.text = tr("Search_Error");
        box.buttons << tr("Ok");
        Dialogs::message(box);
        mState = State::Search;
        applyButtonStates();
        return;
    }
    SetupFields(false);
    resetAllFields(false);
    showItem(mCurrentItem);
    emit itemShown(mCurrentItem);
    enterEditState();
}
