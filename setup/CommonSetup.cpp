#include "setup/CommonSetup.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/LinkFolders.h"
#include "core/Dialogs.h"
#include "mainwindow/ExternalViewers.h"

#include <QDir>

CommonSetup::CommonSetup(QWidget* parent, const QString& name) : QDialog(parent) {
    setupUi(this);
    setObjectName(QStringLiteral("CommonSetup"));
    translateTexts();
    if (!name.isEmpty())
        setWindowTitle(name);

    connect(DefinePicturePathButton, &QPushButton::clicked, this, &CommonSetup::BrowsePicturePath);
    connect(DefineReceiptPathButton, &QPushButton::clicked, this, &CommonSetup::BrowseReceiptPath);
    connect(DefineDocumentPathButton, &QPushButton::clicked, this, &CommonSetup::BrowseDocumentPath);
    connect(buttonApply, &QPushButton::clicked, this, &CommonSetup::Apply);
    connect(buttonHelp, &QPushButton::clicked, this, &CommonSetup::HelpSlot);
    connect(buttonOk, &QPushButton::clicked, this, &CommonSetup::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &CommonSetup::reject);

    mPicturePath = LinkFolders::Folder(LinkFolders::Pictures);
    mReceiptPath = LinkFolders::Folder(LinkFolders::Receipts);
    mDocumentPath = LinkFolders::Folder(LinkFolders::Documents);
    PicturePathLineEdit->setText(mPicturePath);
    ReceiptPathLineEdit->setText(mReceiptPath);
    DocumentPathLineEdit->setText(mDocumentPath);

    const QString page =
        IsOstrel() ? QStringLiteral("CommonSetupDialog.Ostrel.%1.htm") : QStringLiteral("CommonSetupDialog.%1.htm");
    ExternalViewers::SetHelpPage(this, page.arg(GetLanguage()));
}

void CommonSetup::translateTexts() {
    setWindowTitle(tr("CommonSetupDialogTitle"));
    if (IsOstrel()) {
        PicturePathLabel->setText(tr("OSTREL_FRONT_PICTURE_PATH"));
        ReceipthPathLabel->setText(tr("OSTREL_BACK_PICTURE_PATH"));
    } else if (IsPellin()) {
        PicturePathLabel->setText(tr("BILLED_PATH"));
        ReceipthPathLabel->setText(tr("KVITTERINGS_PATH"));
    } else {
        PicturePathLabel->setText(tr("PICTURE_PATH"));
        ReceipthPathLabel->setText(tr("RECEIPT_PATH"));
    }
    ReceipthPathLabel_2->setText(tr("DOCUMENT_PATH"));
    PicturePathLabel->setToolTip(tr("TOOL_TIP_PICTURE_PATH"));
    ReceipthPathLabel->setToolTip(tr("TOOL_TIP_RECEIPT_PATH"));
    ReceipthPathLabel_2->setToolTip(tr("TOOL_TIP_DOCUMENT_PATH"));
    DefinePicturePathButton->setText(tr("&Browse"));
    DefineReceiptPathButton->setText(tr("B&rowse..."));
    DefineDocumentPathButton->setText(tr("Bro&wse..."));
    buttonHelp->setText(tr("&Help"));
    buttonApply->setText(tr("&Apply"));
    buttonOk->setText(tr("&OK"));
    buttonCancel->setText(tr("&Cancel"));
}

void CommonSetup::browse(QString& path, QLineEdit* edit, const QString& title) {
    const QString chosen = Dialogs::existingDirectory(this, title, path);
    if (chosen.isEmpty())
        return;
    path = QDir::toNativeSeparators(chosen);
    edit->setText(path);
}

void CommonSetup::BrowsePicturePath() {
    browse(mPicturePath, PicturePathLineEdit, tr("ChoseAPictureDirectory"));
}

void CommonSetup::BrowseReceiptPath() {
    browse(mReceiptPath, ReceiptPathLineEdit, tr("ChoseAReceiptDirectory"));
}

void CommonSetup::BrowseDocumentPath() {
    browse(mDocumentPath, DocumentPathLineEdit, tr("ChoseADocumentDirectory"));
}

void CommonSetup::Apply() {
    LinkFolders::Store(LinkFolders::Pictures, PicturePathLineEdit->text());
    LinkFolders::Store(LinkFolders::Receipts, ReceiptPathLineEdit->text());
    LinkFolders::Store(LinkFolders::Documents, DocumentPathLineEdit->text());
}

void CommonSetup::HelpSlot() {
    ExternalViewers::OpenHelpOf(this);
}

void CommonSetup::accept() {
    Apply();
    QDialog::accept();
}
