#pragma once

#include "ui_CommonSetupBase.h"

#include <QDialog>

// The default folders in which the item dialog's browse buttons start: pictures, receipts (the coin
// edition's back pictures) and documents, kept in the settings store.
class CommonSetup : public QDialog, public Ui::CommonSetupBase {
    Q_OBJECT
public:
    // name is the window's title; the main window passes the translated "CommonSetupDialogTitle".
    explicit CommonSetup(QWidget* parent = nullptr, const QString& name = QString());

public slots:
    void BrowsePicturePath();
    void BrowseReceiptPath();
    void BrowseDocumentPath();
    // Stores every path that is not empty; an emptied field leaves its stored folder as it was.
    void Apply();
    void HelpSlot();
    void accept() override;

private:
    void translateTexts();
    void browse(QString& path, QLineEdit* edit, const QString& title);

    QString mPicturePath;
    QString mReceiptPath;
    QString mDocumentPath;
};
