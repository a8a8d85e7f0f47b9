#include "itemdialog/ItemDialog.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/CountValidator.h"
#include "core/Dialogs.h"
#include "core/EField.h"
#include "core/ItemCommands.h"
#include "core/ItemDialogRules.h"
#include "core/Latin1Validator.h"
#include "core/Numbers.h"
#include "core/PriceValidator.h"
#include "mainwindow/ExternalViewers.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>

namespace {
// A database's field names are mostly the program's own column names, translated like those.
QString translatedFieldName(const QString& name) {
    return QCoreApplication::translate("ItemListView", name.toUtf8().constData());
}

void refill(QComboBox* box, const userItemCollection& list) {
    box->clear();
    box->addItems(list.Entries());
}

void removeHelp(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets) {
        widget->setToolTip(QString());
        widget->setWhatsThis(QString());
    }
}

const QString kDateFormat = QStringLiteral("dd.MM.yyyy");
// The date edit's lowest date stands for "no date": an item without a purchase date shows it, and
// saving it keeps the date empty instead of inventing one.
const QDate kNoDate(1000, 1, 1);
} // namespace

ItemDialog::ItemDialog(DBItemCollection* collection, Item* item, const QString& page, bool search, QWidget* parent,
                       const QString& groupName, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags), mCollection(collection) {
    setupUi(this);
    setModal(modal);
    buyQDateEdit->setDisplayFormat(kDateFormat);
    buyQDateEdit->setMinimumDate(kNoDate);
    buyQDateEdit->setSpecialValueText(tr("NO_DATE"));

    connect(buttonOk, &QPushButton::clicked, this, &ItemDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &ItemDialog::reject);
    connect(helpPushButton, &QPushButton::clicked, this, &ItemDialog::help_slot);
    connect(PrevPushButton, &QPushButton::clicked, this, &ItemDialog::PreviousSlot);
    connect(NextPushButton, &QPushButton::clicked, this, &ItemDialog::NextSlot);
    connect(savePushButton, &QPushButton::clicked, this, &ItemDialog::save_slot);
    connect(CopyPushButton, &QPushButton::clicked, this, &ItemDialog::copy_slot);
    connect(newPushButton, &QPushButton::clicked, this, &ItemDialog::newItem_slot);
    connect(resetPushButton, &QPushButton::clicked, this, &ItemDialog::ResetSlot);
    connect(seachPushButton, &QPushButton::clicked, this, &ItemDialog::seach_slot);
    connect(SearchAgainButton, &QPushButton::clicked, this, &ItemDialog::SearchAgainSlot);
    connect(printButton, &QPushButton::clicked, this, &ItemDialog::print_Slot);
    connect(showWwwPushButton, &QPushButton::clicked, this, &ItemDialog::showWww_slot);
    connect(browsePhotoPushButton, &QPushButton::clicked, this, &ItemDialog::browsePhoto_slot);
    connect(showPhotoPushButton, &QPushButton::clicked, this, &ItemDialog::showPhoto_slot);
    connect(browseReceiptPushButton, &QPushButton::clicked, this, &ItemDialog::browseReceipt_slot);
    connect(showReceiptPushButton, &QPushButton::clicked, this, &ItemDialog::showReceipt_slot);
    connect(insertDocumentPushButton, &QPushButton::clicked, this, &ItemDialog::InsertDocumentSlot);
    connect(showDocumentPushButton, &QPushButton::clicked, this, &ItemDialog::ShowDocumentSlot);
    connect(ViewCurrentAsHtmlPushButton, &QPushButton::clicked, this, &ItemDialog::ShowAsHTMLSlot);

    connect(photolinkLineEdit, &QLineEdit::textChanged, this, &ItemDialog::photoFieldChangedSlot);
    connect(receiptLineEdit, &QLineEdit::textChanged, this, &ItemDialog::receiptFieldChangedSlot);
    connect(priceLineEdit, &QLineEdit::textChanged, this, &ItemDialog::countChanged_slot);
    connect(numberOfItemsLineEdit, &QLineEdit::textChanged, this, &ItemDialog::countChanged_slot);
    connect(wwwLineEdit, &QLineEdit::textChanged, this, &ItemDialog::wwwFieldChanged_slot);
    connect(documentLineEdit, &QLineEdit::textChanged, this, &ItemDialog::documentChangedSlot);
    connect(primaryTabWidget, &QTabWidget::currentChanged, this,
            [this](int index) { currentPageChangedSlot(primaryTabWidget->widget(index)); });

    if (mCollection) {
        // The collection destroys its items when another database is opened: never keep pointing at one.
        connect(mCollection, &DBItemCollection::itemsAboutToBeDestroyed, this, [this] {
            if (!mIsNewItem)
                mCurrentItem = nullptr;
            reject();
        });
        // An item taken out of the register (an undo) is no longer one to edit here.
        connect(mCollection, &DBItemCollection::itemAboutToBeRemoved, this, [this](Item* item) {
            if (item == mCurrentItem && !mIsNewItem) {
                mCurrentItem = nullptr;
                reject();
            }
        });
    }
    // Pictures follow the size of their labels.
    for (QLabel* label : {ImageIconTextLabel, pixmapPictureLabel, pixmapReceipt})
        label->installEventFilter(this);

    SetupFields(false);
    Settings settings;
    mPictureViewerProgram = settings.value(QStringLiteral("PictureViewerProgram")).toString();
    mWwwProgram = settings.value(QStringLiteral("wwwProgram")).toString();
    installValidators();
    nameLineEdit->setFocus();

    if (!mCollection || mCollection->Count() == 0) {
        newItem_slot();
    } else if (item) {
        mCurrentItem = item;
        showItem(item);
        enterEditState();
        ShowPage(page);
    } else if (search) {
        ResetSlot();
    } else {
        newItem_slot();
        groupComboBox->setCurrentIndex(0);
        if (!groupName.isEmpty()) {
            const int group = groupComboBox->findText(groupName, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (group >= 0)
                groupComboBox->setCurrentIndex(group);
        }
    }
    ExternalViewers::SetHelpPage(this, ItemDialogRules::HelpPage(Edition(), GetLanguage(), GetAppName()));
    ReadWindowGeometry();
}

ItemDialog::~ItemDialog() {
    dropNewItem();
}

void ItemDialog::installValidators() {
    auto latin1 = [this](QLineEdit* edit, QObject* owner) {
        auto* validator = new Latin1Validator(owner);
        edit->setValidator(validator);
        // Queued: the message waits until the line edit has finished refusing the text.
        connect(validator, &Latin1Validator::characterRefused, this, &ItemDialog::reportRefusedPaste,
                Qt::QueuedConnection);
    };
    for (QLineEdit* edit : {nameLineEdit, productLineEdit, productBrandLineEdit, addressLineEdit, wwwLineEdit,
                            serialnoLineEdit, infoLineEdit, photolinkLineEdit, receiptLineEdit, documentLineEdit})
        latin1(edit, edit);
    latin1(supplierComboBox->lineEdit(), supplierComboBox);
    numberOfItemsLineEdit->setValidator(new CountValidator(numberOfItemsLineEdit));
    priceLineEdit->setValidator(new PriceValidator(priceLineEdit));
    priceTodayLineEdit->setValidator(new PriceValidator(priceTodayLineEdit));
}

void ItemDialog::reportRefusedPaste(const QString& text, int position) {
    Dialogs::warning(this, tr("Fejl"),
                     tr("TEXT_NOT_INSERTED_CHARACTER").arg(Latin1Validator::Describe(text, position)));
}

void ItemDialog::SetupFields(bool keepLabels) {
    if (mCollection) {
        refill(groupComboBox, mCollection->Groups());
        refill(locationComboBox, mCollection->Locations());
        refill(supplierComboBox, mCollection->Suppliers());
    }

    if (mCollection && mCollection->Fields().Count() > 0 && !keepLabels) {
        const userItemCollection& fields = mCollection->Fields();
        // An empty name in the list leaves the form's own text.
        auto setText = [&fields](auto* widget, int field, const char* suffix = nullptr) {
            const QString name = fields.Entry(field);
            if (name.isEmpty())
                return;
            QString text = translatedFieldName(name);
            if (suffix)
                text += QCoreApplication::translate("ItemDialog", suffix);
            widget->setText(text);
        };
        if (!fields.Entry(6).isEmpty())
            primaryTabWidget->setTabText(primaryTabWidget->indexOf(picturePage), fields.Entry(6));
        if (!fields.Entry(14).isEmpty())
            primaryTabWidget->setTabText(primaryTabWidget->indexOf(receiptPage), fields.Entry(14));
        setText(groupTextLabel, 0);
        setText(nameTextLabel, 1);
        setText(productTextLabel, 2);
        setText(numberOfItemsTextLabel, 3);
        setText(priceTextLabel, 4);
        setText(priceTodayTextLabel, 5);
        setText(photolinkTextLabel, 6);
        setText(dateTextLabel, 7);
        setText(locationTextLabel, 8);
        setText(infoTextLabel, 9);
        setText(supplierTextLabel, 10);
        setText(addressTextLabel, 11);
        setText(serialnoTextLabel, 12);
        setText(wwwTextLabel, 13);
        setText(receiptTextLabel, 14);
        setText(productBrandTextLabel, 16);
        setText(showPhotoPushButton, 6, QT_TRANSLATE_NOOP("ItemDialog", "SHOWPHOTO"));
        setText(browsePhotoPushButton, 6, QT_TRANSLATE_NOOP("ItemDialog", "BROWSEPHOTO"));
        setText(showWwwPushButton, 13, QT_TRANSLATE_NOOP("ItemDialog", "SHOWWWW"));
        setText(browseReceiptPushButton, 14, QT_TRANSLATE_NOOP("ItemDialog", "BROWSERECIEPT"));
        setText(showReceiptPushButton, 14, QT_TRANSLATE_NOOP("ItemDialog", "SHOWRECIEPT"));
        // A "#" marks a document name the database file has no real caption for.
        if (!fields.Entry(15).contains(QLatin1Char('#'))) {
            setText(documentTextLabel, 15);
            setText(insertDocumentPushButton, 15, QT_TRANSLATE_NOOP("ItemDialog", "BROWSEDOC"));
            setText(showDocumentPushButton, 15, QT_TRANSLATE_NOOP("ItemDialog", "SHOWDOC"));
        }
    }

    if (IsBrevane()) {
        if (!keepLabels)
            serialnoLineEdit->setEnabled(false); // serial numbers are given automatically
        numberOfItemsLineEdit->setEnabled(
            Settings().value(QStringLiteral("EnableNumberOfItemsLineEdit"), false).toBool());
        removeHelp({locationComboBox, addressLineEdit, serialnoLineEdit, browseReceiptPushButton});
    }
    if (IsPellin() || IsOstrel()) {
        removeHelp({numberOfItemsLineEdit, productLineEdit, priceLineEdit, priceTodayLineEdit, locationComboBox,
                    supplierComboBox, serialnoLineEdit, documentLineEdit, addressLineEdit, receiptLineEdit,
                    browseReceiptPushButton, showReceiptPushButton});
    }
    QString priceTip = QCoreApplication::translate("ItemDialogBase", "TOOLTIP_PRICE");
    QString priceTodayTip = QCoreApplication::translate("ItemDialogBase", "TOOLTIP_PRICE_TODAY");
    if (IsPellin()) {
        setWindowTitle(tr("PICTURE_GALLERY"));
        for (QWidget* widget : {static_cast<QWidget*>(priceTotalTextLabel), static_cast<QWidget*>(priceTotalLineEdit),
                                static_cast<QWidget*>(priceTotalUnitLabel)})
            widget->hide();
        numberOfItemsLineEdit->setToolTip(tr("TOOLTIP_PELLIN_REG_NUMBER"));
        numberOfItemsLineEdit->setWhatsThis(tr("WHATSHIS_PELLIN_REG_NUMBER"));
        priceLineEdit->setWhatsThis(tr("WHATSHIS_PELLIN_ESTIMATED_PRICE"));
        priceTodayLineEdit->setWhatsThis(tr("WHATSHIS_PELLIN_SALESPRICE"));
        documentLineEdit->setToolTip(tr("TOOLTIP_PELLIN_DOCUMENT"));
        documentLineEdit->setWhatsThis(tr("WHATSHIS_PELLIN_DOCUMENT"));
        priceTip = tr("TOOLTIP_PELLIN_ESTIMATED_PRICE");
        priceTodayTip = tr("TOOLTIP_PELLIN_SALESPRICE");
    } else if (IsOstrel()) {
        setWindowTitle(tr("OSTREL_DIALOG_TITLE"));
        removeHelp({nameLineEdit});
        numberOfItemsLineEdit->setToolTip(tr("TOOLTIP_DB_NUMBEROF"));
        documentLineEdit->setToolTip(tr("TOOLTIP_OSTREL_DOCUMENT"));
        addressLineEdit->setToolTip(tr("TOOLTIP_OSTREL_QUALITY"));
        addressLineEdit->setWhatsThis(tr("WHATSHIS_OSTREL_QUALITY"));
        receiptLineEdit->setToolTip(tr("TOOLTIP_OSTREL_BACKSIDE_PICTURE"));
        browseReceiptPushButton->setToolTip(tr("TOOLTIP_BROWSE_BACKSIDE_PICTURE_OSTREL"));
        showReceiptPushButton->setToolTip(tr("TOOLTIP_SHOW_BACKSIDE_PICTURE_OSTREL"));
        priceTip.clear();
        priceTodayTip.clear();
    }
    // Every edition's price fields say how a decimal is written: the file's "." on every desktop.
    const QString decimals = tr("PRICE_DECIMAL_POINT");
    priceLineEdit->setToolTip(priceTip.isEmpty() ? decimals : priceTip + QLatin1Char('\n') + decimals);
    priceTodayLineEdit->setToolTip(priceTodayTip.isEmpty() ? decimals : priceTodayTip + QLatin1Char('\n') + decimals);
    // A text read from a file may be longer than the file keeps when it is saved again.
    const QString cut = tr("TOOLTIP_TEXT_CUT").arg(EStringField::MaxLength);
    for (QWidget* field : std::initializer_list<QWidget*>{
             nameLineEdit, productLineEdit, productBrandLineEdit, addressLineEdit, wwwLineEdit, serialnoLineEdit,
             infoLineEdit, photolinkLineEdit, receiptLineEdit, documentLineEdit, supplierComboBox}) {
        const QString tip = field->toolTip();
        if (!tip.endsWith(cut))
            field->setToolTip(tip.isEmpty() ? cut : tip + QLatin1Char('\n') + cut);
    }
    applyButtonStates();
}

void ItemDialog::applyButtonStates() {
    bool ok = true, save = true, create = true, copy = true, reset = true, search = true, previous = true, next = true,
         print = true;
    bool searchAgain = mSearchAgainAvailable;
    switch (mState) {
    case State::Edit:
        previous = !mPreviousAtEdge;
        next = !mNextAtEdge;
        break;
    case State::New:
        create = copy = reset = search = searchAgain = previous = next = print = false;
        break;
    case State::Copy:
        copy = search = previous = next = false;
        break;
    case State::Search:
        ok = save = previous = next = false;
        break;
    }
    // Nothing to print without an item (searching, before a hit).
    print = print && mCurrentItem;
    if (mCollection && mCollection->IsReadOnly())
        ok = save = create = copy = false;
    buttonOk->setEnabled(ok);
    savePushButton->setEnabled(save);
    newPushButton->setEnabled(create);
    CopyPushButton->setEnabled(copy);
    resetPushButton->setEnabled(reset);
    seachPushButton->setEnabled(search);
    SearchAgainButton->setEnabled(searchAgain);
    PrevPushButton->setEnabled(previous);
    NextPushButton->setEnabled(next);
    printButton->setEnabled(print);
}

void ItemDialog::enterEditState() {
    mState = State::Edit;
    mPreviousAtEdge = false;
    mNextAtEdge = false;
    applyButtonStates();
}

void ItemDialog::setPageEnabled(QWidget* page, bool enabled) {
    primaryTabWidget->setTabEnabled(primaryTabWidget->indexOf(page), enabled);
}

void ItemDialog::dropNewItem() {
    if (mIsNewItem)
        delete mCurrentItem;
    mCurrentItem = nullptr;
    mIsNewItem = false;
}

void ItemDialog::ItemDeletedElsewhere() {
    if (!mCurrentItem || mIsNewItem)
        return;
    // The dialog's own copy from here on, so the item leaving the collection does not close it.
    mCurrentItem = new Item(*mCurrentItem);
    mIsNewItem = true;
    mDeletedElsewhere = true;
    mState = State::New;
    applyButtonStates();
    Dialogs::information(this, tr("Slettet på en anden arbejdsplads"),
                         tr("%1 er slettet på en anden arbejdsplads. Det, du har skrevet, står stadig her; når du "
                            "gemmer, kan du gemme det som en ny post eller kassere det.")
                             .arg(ItemCommands::Label(*mCurrentItem)));
}

bool ItemDialog::saveDeletedAsNew() {
    MessageBoxRequest box;
    box.icon = MessageBoxRequest::Question;
    box.parent = this;
    box.title = tr("Slettet på en anden arbejdsplads");
    box.text = tr("Posten er slettet på en anden arbejdsplads. Vil du gemme det, der står her, som en ny post, eller "
                  "kassere det?");
    box.buttons << tr("Gem som &ny post") << tr("&Kassér") << tr("&Annullér");
    box.escapeButton = 2;
    switch (Dialogs::message(box)) {
    case 0:
        mDeletedElsewhere = false;
        return true;
    case 1:
        mDeletedElsewhere = false;
        dropNewItem();
        reject();
        return false;
    default:
        return false;
    }
}

void ItemDialog::delete_slot() {
    // Deleting is the list view's command; no button of this dialog leads here.
}

void ItemDialog::resetAllFields() {
    resetAllFields(false);
}

void ItemDialog::resetAllFields(bool SeachMode) {
    if (!SeachMode) {
        groupComboBox->setEnabled(true);
        locationComboBox->setEnabled(true);
        supplierComboBox->setEnabled(true);
        buyQDateEdit->setDate(QDate::currentDate());
        mShownDate = QDate();
    } else {
        groupComboBox->setCurrentIndex(-1);
        locationComboBox->setCurrentIndex(-1);
        // Group and location take no part in a search.
        if (!IsBrevane()) {
            groupComboBox->setEnabled(false);
            locationComboBox->setEnabled(false);
        }
        if (IsOstrel())
            supplierComboBox->setEnabled(false);
        buyQDateEdit->setDate(kNoDate); // no date criterion
        mShownDate = QDate();
    }
    nameLineEdit->clear();
    productLineEdit->clear();
    numberOfItemsLineEdit->clear();
    priceLineEdit->clear();
    priceTotalLineEdit->clear();
    infoLineEdit->clear();
    serialnoLineEdit->clear();
    if (IsBrevane())
        serialnoLineEdit->setEnabled(false);
    priceTodayLineEdit->clear();
    supplierComboBox->setCurrentIndex(-1);
    supplierComboBox->setEditText(QString());
    addressLineEdit->clear();
    photolinkLineEdit->clear();
    receiptLineEdit->clear();
    wwwLineEdit->clear();
    documentLineEdit->clear();
    productBrandLineEdit->clear();
    // The link buttons and pages follow their (now empty) fields even where the text did not change.
    photoFieldChangedSlot();
    receiptFieldChangedSlot();
    wwwFieldChanged_slot();
    documentChangedSlot();
}

void ItemDialog::showItem(Item* item) {
    if (!item)
        return;
    if (item == mCurrentItem)
        mShownItem = *item;
    groupComboBox->setCurrentIndex(item->GetGroup() < groupComboBox->count() ? item->GetGroup() : -1);
    nameLineEdit->setText(item->GetName());
    productLineEdit->setText(item->GetProduct());
    numberOfItemsLineEdit->setText(item->GetNumberOfItemsText());
    priceLineEdit->setText(item->GetPriceText(2));
    priceTotalLineEdit->setText(item->GetTotalPriceText());
    infoLineEdit->setText(item->GetDescription());
    const QDate date = item->GetDateAsDate();
    mShownDate = date.isValid() ? date : kNoDate;
    buyQDateEdit->setDate(mShownDate);
    locationComboBox->setCurrentIndex(item->GetLocation() < locationComboBox->count() ? item->GetLocation() : -1);
    supplierComboBox->setCurrentText(item->GetSupplier());
    serialnoLineEdit->setText(item->GetSerialno());
    priceTodayLineEdit->setText(item->GetPriceTodayText(2));
    addressLineEdit->setText(item->GetAddress());
    photolinkLineEdit->setText(item->GetPhotolink());
    ShowThumbnail();
    receiptLineEdit->setText(item->GetReceipt());
    wwwLineEdit->setText(item->GetWww());
    wwwFieldChanged_slot();
    documentLineEdit->setText(item->GetDocument());
    productBrandLineEdit->setText(item->GetProducttype());

    if (!item->IsEmpty(Item::Photolink))
        showPhotoPushButton->setEnabled(true);
    else
        ClearPicture();
    receiptFieldChangedSlot();
    if (item->IsEmpty(Item::Receipt)) {
        showReceiptPushButton->setEnabled(false);
        setPageEnabled(receiptPage, false);
    }
    showDocumentPushButton->setEnabled(!item->IsEmpty(Item::Document));
    locationComboBox->setEnabled(true);
    supplierComboBox->setEnabled(true);
    groupComboBox->setEnabled(true);
    if (mCurrentPage && mCurrentPage != basicPage)
        currentPageChangedSlot(mCurrentPage);
}

void ItemDialog::readFields(Item* item) {
    // A box that shows nothing (a number beyond its list) leaves the item's number as it was.
    if (groupComboBox->currentIndex() >= 0)
        item->SetGroup(groupComboBox->currentIndex());
    item->SetName(nameLineEdit->text());
    item->SetProduct(productLineEdit->text());
    item->SetPrice(PriceValidator::ReadPrice(priceLineEdit->text()));
    item->SetDescription(infoLineEdit->text());
    // A date the user did not touch keeps the item's own text, also one that is no valid date.
    const QDate date = buyQDateEdit->date();
    if (date != mShownDate)
        item->SetDate(date == kNoDate ? QString() : date.toString(kDateFormat));
    if (locationComboBox->currentIndex() >= 0)
        item->SetLocation(locationComboBox->currentIndex());
    item->SetSupplier(supplierComboBox->currentText());
    item->SetSerialno(serialnoLineEdit->text());
    item->SetPriceToday(PriceValidator::ReadPrice(priceTodayLineEdit->text()));
    item->SetAddress(addressLineEdit->text());
    item->SetPhotolink(photolinkLineEdit->text());
    int count = 0;
    item->SetNumberOfItems(ParseDecimalInt(numberOfItemsLineEdit->text(), &count) ? count : 0);
    item->SetWww(wwwLineEdit->text());
    item->SetReceipt(receiptLineEdit->text());
    item->SetDocument(documentLineEdit->text());
    item->SetProducttype(productBrandLineEdit->text());
    if (!IsPellin())
        priceTotalLineEdit->setText(item->GetTotalPriceText());
}

namespace {
ItemDialog::SaveGate& saveGate() {
    static ItemDialog::SaveGate gate;
    return gate;
}
} // namespace

void ItemDialog::SetSaveGate(SaveGate gate) {
    saveGate() = std::move(gate);
}

bool ItemDialog::save_slot() {
    if (!Validate())
        return false;
    if (!mCurrentItem || !mCollection)
        return true;
    if (mCollection->IsReadOnly())
        return true; // nothing may change, but OK still closes the dialog
    WaitCursor wait;
    if (mIsNewItem) {
        if (mDeletedElsewhere && !saveDeletedAsNew())
            return false;
        readFields(mCurrentItem);
        if (saveGate()) {
            Item edited(*mCurrentItem);
            if (saveGate()(this, nullptr, Item(), edited) != SaveVerdict::Go)
                return false;
        }
        mIsNewItem = false; // its command owns it now, and the collection once it is in
        mCollection->Push(new AddItemCommand(mCollection, mCurrentItem,
                                             mState == State::Copy ? AddItemCommand::Copy : AddItemCommand::Add));
    } else {
        // The item stays as it is until the change goes through.
        const Item before(*mCurrentItem);
        Item edited(before);
        readFields(&edited);
        // Saving what was shown unchanged is no change to undo or to save.
        if (!ItemCommands::SameContent(before, edited)) {
            if (saveGate()) {
                switch (saveGate()(this, mCurrentItem, mShownItem, edited)) {
                case SaveVerdict::Go:
                    break;
                case SaveVerdict::Settled:
                    showItem(mCurrentItem);
                    enterEditState();
                    return true;
                case SaveVerdict::Keep:
                    return false;
                case SaveVerdict::Show:
                    showItem(&edited);
                    mShownItem = *mCurrentItem; // the next save starts from the item as it is now
                    return false;
                }
            }
            if (!ItemCommands::SameContent(before, edited)) {
                *mCurrentItem = edited;
                mCollection->Push(new EditItemCommand(mCollection, mCurrentItem, before));
            }
        }
    }
    mShownItem = *mCurrentItem;
    enterEditState();
    setPageEnabled(picturePage, !mCurrentItem->IsEmpty(Item::Photolink));
    return true;
}

void ItemDialog::accept() {
    if (!save_slot())
        return;
    WriteWindowGeometry();
    QDialog::accept();
}

void ItemDialog::closeEvent(QCloseEvent* event) {
    WriteWindowGeometry();
    QDialog::closeEvent(event);
}

void ItemDialog::newItem_slot() {
    int group = groupComboBox->currentIndex();
    if (group < 0)
        group = 0; // after a search the group box shows no group
    SetupFields(false);
    resetAllFields(false);
    dropNewItem();
    mCurrentItem = new Item;
    mCurrentItem->SetGroup(group);
    mIsNewItem = true;
    numberOfItemsLineEdit->setText(ItemDialogRules::NewItemCountText(Edition()));
    if (IsBrevane())
        serialnoLineEdit->setText(QString::number(mCollection ? mCollection->LastSerialNumber() + 1 : 1));
    // Nothing of the item shown before may slip into the new one. A stock item's place must be chosen; elsewhere
    // the box shows the first place, which is what an item saved without a choice gets.
    locationComboBox->setCurrentIndex(IsBrevane() || locationComboBox->count() == 0 ? -1 : 0);
    buyQDateEdit->setDate(QDate::currentDate());
    mShownDate = QDate();
    groupComboBox->setCurrentIndex(group < groupComboBox->count() ? group : 0);
    ClearPicture();
    ClearReceipt();
    mState = State::New;
    mSearchAgainAvailable = false;
    applyButtonStates();
}

void ItemDialog::copy_slot() {
    if (!mCurrentItem)
        return;
    Item* copy = new Item(*mCurrentItem);
    dropNewItem();
    mCurrentItem = copy;
    mIsNewItem = true;
    if (IsBrevane())
        serialnoLineEdit->setText(QString::number(mCollection ? mCollection->LastSerialNumber() + 1 : 1));
    mState = State::Copy;
    applyButtonStates();
}

void ItemDialog::PreviousSlot() {
    showNeighbour(false);
}

void ItemDialog::NextSlot() {
    showNeighbour(true);
}

void ItemDialog::showNeighbour(bool forward) {
    if (!mCurrentItem || mIsNewItem || !mCollection)
        return;
    bool atEdge = false;
    Item* item = forward ? mCollection->Next(mCurrentItem, atEdge) : mCollection->Previous(mCurrentItem, atEdge);
    mCurrentItem = item;
    showItem(item);
    emit itemShown(item);
    mState = State::Edit;
    mPreviousAtEdge = !forward && atEdge;
    mNextAtEdge = forward && atEdge;
    applyButtonStates();
}

void ItemDialog::countChanged_slot() {
    if (!mCurrentItem || IsPellin())
        return;
    // Computed from the fields: the item itself only changes when it is saved, so Cancel leaves it as it was.
    priceTotalLineEdit->setText(
        ItemDialogRules::LiveTotalText(numberOfItemsLineEdit->text(), priceLineEdit->text(), *mCurrentItem));
}

bool ItemDialog::ShowPage(const QString& page) {
    QWidget* target = nullptr;
    if (page == QLatin1String("DATA"))
        target = basicPage;
    else if (page == QLatin1String("PICTURE"))
        target = picturePage;
    else if (page == QLatin1String("RECEIPT"))
        target = receiptPage;
    if (!target)
        return false;
    primaryTabWidget->setCurrentWidget(target);
    return true;
}

void ItemDialog::ShowAsHTMLSlot() {
    if (mCurrentItem && mCollection)
        ExternalViewers::ShowItemAsHtml(*mCollection, *mCurrentItem);
}

void ItemDialog::ReadWindowGeometry() {
    Settings settings;
    settings.beginGroup(QStringLiteral("ItemDialog"));
    const int width = settings.value(QStringLiteral("ItemDialogWidth"), 627).toInt();
    const int height = settings.value(QStringLiteral("ItemDialogHeight"), 539).toInt();
    const int x = settings.value(QStringLiteral("ItemDialogX"), 100).toInt();
    const int y = settings.value(QStringLiteral("ItemDialogY"), 100).toInt();
    settings.endGroup();
    resize(width, height);
    move(x, y);
}

void ItemDialog::WriteWindowGeometry() {
    Settings settings;
    settings.beginGroup(QStringLiteral("ItemDialog"));
    settings.setValue(QStringLiteral("ItemDialogWidth"), width());
    settings.setValue(QStringLiteral("ItemDialogHeight"), height());
    settings.setValue(QStringLiteral("ItemDialogX"), x());
    settings.setValue(QStringLiteral("ItemDialogY"), y());
    settings.endGroup();
}
