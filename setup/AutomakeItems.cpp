#include "setup/AutomakeItems.h"

#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "core/ItemCommands.h"
#include "core/Latin1Validator.h"
#include "core/PrecreatedItems.h"

AutomakeItems::AutomakeItems(DBItemCollection* collection, QWidget* parent) : QDialog(parent), mCollection(collection) {
    setupUi(this);
    setObjectName(QStringLiteral("AutomakeItems"));
    setWindowTitle(tr("AutomakeItems"));
    label->setText(tr("Number of items"));
    label_2->setText(tr("Name"));
    pushButtonMakeItems->setText(tr("MakeItems"));
    pushButtonClose->setText(tr("Close"));
    nameLineEdit->setValidator(new Latin1Validator(nameLineEdit));
    // A locked database takes no new items; saving it would be refused.
    pushButtonMakeItems->setEnabled(mCollection && !mCollection->IsReadOnly());

    connect(lineEdit, &QLineEdit::textChanged, this, &AutomakeItems::countChanged);
    connect(pushButtonMakeItems, &QPushButton::clicked, this, &AutomakeItems::MakeItems);
    connect(pushButtonClose, &QPushButton::clicked, this, &QDialog::close);
}

void AutomakeItems::countChanged(const QString& text) {
    mNumberToMake = PrecreatedItems::CountFromText(text);
    if (mNumberToMake == 0)
        Dialogs::warning(this, tr("Warning"), tr("Number of items must be:\nGreater than 0 and less than 1000"));
}

void AutomakeItems::MakeItems() {
    if (!mCollection || mNumberToMake <= 0 || mCollection->IsReadOnly())
        return;
    WaitCursor wait;
    mCollection->Push(new AddItemsCommand(mCollection,
                                          PrecreatedItems::Make(*mCollection, mNumberToMake, nameLineEdit->text()),
                                          tr("oprettelse af %1 nye genstande").arg(mNumberToMake)));
}
