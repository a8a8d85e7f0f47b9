// The item dialog's pictures, linked files, help page and print-out.
#include "itemdialog/ItemDialog.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/LinkFolders.h"
#include "core/ColumnNames.h"
#include "core/Dialogs.h"
#include "core/ItemDialogRules.h"
#include "core/Latin1Validator.h"
#include "mainwindow/ExternalViewers.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QPrinter>

QPixmap ItemDialog::loadPicture(const QString& path) {
    QPixmap picture;
    picture.load(path);
    return picture;
}

void ItemDialog::FitPixmap(const QPixmap& picture, QLabel* label) {
    if (picture.isNull()) {
        label->clear();
        return;
    }
    const QSize size = ItemDialogRules::FitPixmapSize(picture.size(), label->contentsRect().size());
    label->setPixmap(size == picture.size() ? picture
                                            : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

bool ItemDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        // A label gets its real size only when its page is laid out; fit the picture again then.
        if (watched == ImageIconTextLabel && !mThumbnail.isNull())
            FitPixmap(mThumbnail, ImageIconTextLabel);
        else if (watched == pixmapPictureLabel && !mPicture.isNull())
            FitPixmap(mPicture, pixmapPictureLabel);
        else if (watched == pixmapReceipt && !mReceiptPicture.isNull())
            FitPixmap(mReceiptPicture, pixmapReceipt);
    }
    return QDialog::eventFilter(watched, event);
}

void ItemDialog::ShowThumbnail() {
    const QString path = photolinkLineEdit->text();
    if (!IsPictureFile(path)) {
        mThumbnail = QPixmap();
        ImageIconTextLabel->setText(QStringLiteral(" "));
        return;
    }
    mThumbnail = loadPicture(path);
    FitPixmap(mThumbnail, ImageIconTextLabel);
}

void ItemDialog::ClearPicture() {
    pixmapPictureLabel->clear();
    ImageIconTextLabel->clear();
    mPicture = QPixmap();
    mThumbnail = QPixmap();
    showPhotoPushButton->setEnabled(false);
    setPageEnabled(picturePage, false);
}

void ItemDialog::ClearReceipt() {
    pixmapReceipt->clear();
    mReceiptPicture = QPixmap();
}

void ItemDialog::photoFieldChangedSlot() {
    const QString path = photolinkLineEdit->text();
    if (!path.isEmpty() && IsPictureFile(path)) {
        showPhotoPushButton->setEnabled(true);
        setPageEnabled(picturePage, true);
    } else {
        ClearPicture();
    }
    ShowThumbnail();
}

void ItemDialog::receiptFieldChangedSlot() {
    const QString path = receiptLineEdit->text();
    if (path.isEmpty()) {
        showReceiptPushButton->setEnabled(false);
        setPageEnabled(receiptPage, false);
        return;
    }
    showReceiptPushButton->setEnabled(true);
    setPageEnabled(receiptPage, IsPictureFile(path));
}

void ItemDialog::wwwFieldChanged_slot() {
    showWwwPushButton->setEnabled(!wwwLineEdit->text().isEmpty());
}

void ItemDialog::documentChangedSlot() {
    showDocumentPushButton->setEnabled(!documentLineEdit->text().isEmpty());
}

void ItemDialog::currentPageChangedSlot(QWidget* page) {
    mCurrentPage = page;
    if (page == picturePage && IsPictureFile(photolinkLineEdit->text())) {
        mPicture = loadPicture(photolinkLineEdit->text());
        FitPixmap(mPicture, pixmapPictureLabel);
    } else if (page == receiptPage && IsPictureFile(receiptLineEdit->text())) {
        mReceiptPicture = loadPicture(receiptLineEdit->text());
        FitPixmap(mReceiptPicture, pixmapReceipt);
    }
}

QString ItemDialog::linkPathOrComplain(const QString& chosen) {
    if (chosen.isEmpty())
        return QString();
    const QString path = LinkFolders::StoredPath(chosen);
    // The database could not keep such a path as it is: say so rather than store a broken link.
    const int refused = Latin1Validator::FirstRefused(path);
    if (refused >= 0) {
        Dialogs::warning(this, tr("Fejl"),
                         tr("LINK_PATH_NOT_STORABLE").arg(Latin1Validator::Describe(path, refused), path));
        return QString();
    }
    if (path.size() > Latin1Validator::DefaultMaxLength) {
        Dialogs::warning(this, tr("Fejl"), tr("LINK_PATH_TOO_LONG").arg(Latin1Validator::DefaultMaxLength).arg(path));
        return QString();
    }
    return path;
}

namespace {
QString captionOf(const QLabel* label) {
    return label->text().remove(QLatin1Char('&'));
}
} // namespace

namespace {
const QString kPicturePatterns = QStringLiteral("(*.png *.jpg *.jpeg *.gif *.bmp *.tif *.tiff *.webp)");

// Only the words are translated, so no translation can break a pattern.
QString fileFilter(const QString& kind, const QString& patterns) {
    return kind + QLatin1Char(' ') + patterns + QStringLiteral(";;") +
           QCoreApplication::translate("ItemDialog", "Alle filer") + QStringLiteral(" (*)");
}
} // namespace

void ItemDialog::browsePhoto_slot() {
    const QString path = linkPathOrComplain(Dialogs::openFileName(
        this, captionOf(photolinkTextLabel), LinkFolders::StartFolder(LinkFolders::Pictures, photolinkLineEdit->text()),
        fileFilter(tr("Billeder"), kPicturePatterns)));
    if (path.isEmpty())
        return;
    photolinkLineEdit->setText(path);
    if (IsPictureFile(path))
        setPageEnabled(picturePage, true);
    mPicture = loadPicture(path);
    FitPixmap(mPicture, pixmapPictureLabel);
}

void ItemDialog::browseReceipt_slot() {
    // Pellin and Ostrel keep a second picture in the receipt field.
    const QString filter =
        IsPellin() || IsOstrel()
            ? fileFilter(tr("Billeder"), kPicturePatterns)
            : fileFilter(
                  tr("Kvitteringer"),
                  QStringLiteral("(*.pdf *.png *.jpg *.jpeg *.gif *.bmp *.tif *.tiff *.webp *.txt *.htm *.html)"));
    const QString path = linkPathOrComplain(
        Dialogs::openFileName(this, captionOf(receiptTextLabel),
                              LinkFolders::StartFolder(LinkFolders::Receipts, receiptLineEdit->text()), filter));
    if (!path.isEmpty())
        receiptLineEdit->setText(path);
}

void ItemDialog::InsertDocumentSlot() {
    const QString path = linkPathOrComplain(Dialogs::openFileName(
        this, captionOf(documentTextLabel), LinkFolders::StartFolder(LinkFolders::Documents, documentLineEdit->text()),
        fileFilter(tr("Dokumenter"), QStringLiteral("(*.pdf *.odt *.doc *.docx *.txt *.htm *.html *.png *.jpg "
                                                    "*.jpeg *.gif *.bmp *.tif *.tiff)"))));
    if (!path.isEmpty())
        documentLineEdit->setText(path);
}

void ItemDialog::showPhoto_slot() {
    // Without a chosen viewer the file goes straight to the program the desktop associates with it.
    ExternalViewers::ShowWithProgram(mPictureViewerProgram, photolinkLineEdit->text());
}

void ItemDialog::showWww_slot() {
    ExternalViewers::ShowWithProgram(mWwwProgram, wwwLineEdit->text());
}

void ItemDialog::showReceipt_slot() {
    // Pellin and Ostrel keep a second picture in the receipt field.
    if (IsPellin() || IsOstrel())
        ExternalViewers::ShowWithProgram(mPictureViewerProgram, receiptLineEdit->text());
    else
        ExternalViewers::OpenWithAssociated(receiptLineEdit->text());
}

void ItemDialog::ShowDocumentSlot() {
    ExternalViewers::OpenWithAssociated(documentLineEdit->text());
}

void ItemDialog::help_slot() {
    ExternalViewers::OpenHelpOf(this);
}

void ItemDialog::print_Slot() {
    if (!mCurrentItem || !mCollection)
        return;
    QPrinter printer;
    if (!Dialogs::print(&printer, this))
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    painter.setFont(QFont(QStringLiteral("Courier"), 10, QFont::Normal));
    const QFontMetrics metrics = painter.fontMetrics();
    int y = 0;
    for (const ItemDialogRules::PrintLine& line : ItemDialogRules::PrintLines(*mCurrentItem, *mCollection, Edition())) {
        y += metrics.descent() + metrics.ascent();
        painter.drawText(60, y, line.label);
        painter.drawText(60 + 200, y, line.value);
    }
    painter.end();
}
