#include "output/InsuranceReportDialog.h"

#include "app/AppSettings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "mainwindow/ExternalViewers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>

namespace {
QString caption(int column) {
    return ColumnNames::Title(column).remove(QLatin1Char('&')).trimmed();
}

// The scope combo keeps the scope in its data and the location or group number beside it.
constexpr int NumberRole = Qt::UserRole + 1;
} // namespace

InsuranceReportDialog::InsuranceReportDialog(const DBItemCollection& collection, bool filterSet, QWidget* parent)
    : QDialog(parent), mKept(AppSettings::Insurance()) {
    setObjectName(QStringLiteral("InsuranceReportDialog"));
    setWindowTitle(InsuranceReport::Title());
    ExternalViewers::SetHelpPage(this, ExternalViewers::HelpPage());

    mOwnerName = new QLineEdit(mKept.ownerName, this);
    mOwnerName->setObjectName(QStringLiteral("InsuranceOwnerName"));
    mOwnerAddress = new QPlainTextEdit(mKept.ownerAddress, this);
    mOwnerAddress->setObjectName(QStringLiteral("InsuranceOwnerAddress"));
    mOwnerAddress->setTabChangesFocus(true);
    mOwnerAddress->setFixedHeight(mOwnerAddress->fontMetrics().lineSpacing() * 4);
    mInsurer = new QLineEdit(mKept.insurer, this);
    mInsurer->setObjectName(QStringLiteral("InsuranceInsurer"));
    mPolicyNumber = new QLineEdit(mKept.policyNumber, this);
    mPolicyNumber->setObjectName(QStringLiteral("InsurancePolicyNumber"));

    mScope = new QComboBox(this);
    mScope->setObjectName(QStringLiteral("InsuranceScope"));
    mScope->addItem(tr("Hele registret"), InsuranceOptions::WholeRegister);
    if (filterSet)
        mScope->addItem(tr("Filtrets træf"), InsuranceOptions::FilterHits);
    auto addList = [this](const userItemCollection& list, int column, InsuranceOptions::Scope scope) {
        for (int number = 0; number < list.Count(); ++number) {
            if (list.Entry(number).trimmed().isEmpty())
                continue;
            mScope->addItem(caption(column) + QStringLiteral(": ") + list.Entry(number), scope);
            mScope->setItemData(mScope->count() - 1, number, NumberRole);
        }
    };
    addList(collection.Locations(), ColumnNames::Location, InsuranceOptions::OneLocation);
    addList(collection.Groups(), ColumnNames::Group, InsuranceOptions::OneGroup);

    mOrder = new QComboBox(this);
    mOrder->setObjectName(QStringLiteral("InsuranceOrder"));
    mOrder->addItem(caption(ColumnNames::Location), InsuranceOptions::ByLocation);
    mOrder->addItem(caption(ColumnNames::Group), InsuranceOptions::ByGroup);
    mOrder->setCurrentIndex(mKept.order == InsuranceOptions::ByGroup ? 1 : 0);

    // The edition's own words: the coin edition's pictures are the two sides of a coin.
    mPhotos = new QCheckBox(caption(ColumnNames::Picture), this);
    mPhotos->setObjectName(QStringLiteral("InsurancePhotos"));
    mPhotos->setChecked(mKept.photos);
    mReceipts = new QCheckBox(caption(ColumnNames::Receipt), this);
    mReceipts->setObjectName(QStringLiteral("InsuranceReceipts"));
    mReceipts->setChecked(mKept.receipts);
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(mPhotos);
    pictures->addWidget(mReceipts);
    pictures->addStretch();

    auto* form = new QFormLayout;
    form->addRow(tr("&Ejer:"), mOwnerName);
    form->addRow(tr("&Adresse:"), mOwnerAddress);
    form->addRow(tr("&Forsikringsselskab:"), mInsurer);
    form->addRow(tr("&Policenummer:"), mPolicyNumber);
    form->addRow(tr("O&mfang:"), mScope);
    form->addRow(tr("O&rdnet efter:"), mOrder);
    form->addRow(tr("Medtag:"), pictures);

    auto* buttons = new QDialogButtonBox(this);
    mOk = buttons->addButton(tr("&Lav opgørelse..."), QDialogButtonBox::AcceptRole);
    mOk->setObjectName(QStringLiteral("InsuranceOk"));
    mOk->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Annuller"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("InsuranceCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mScope, &QComboBox::currentIndexChanged, this, &InsuranceReportDialog::updateOk);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    mOwnerName->setMinimumWidth(mOwnerName->fontMetrics().horizontalAdvance(QString(40, QLatin1Char('x'))));
    updateOk();
}

void InsuranceReportDialog::updateOk() {
    mOk->setEnabled(mScope->count() > 0);
}

InsuranceOptions InsuranceReportDialog::Options() const {
    InsuranceOptions options = mKept;
    options.ownerName = mOwnerName->text().trimmed();
    options.ownerAddress = mOwnerAddress->toPlainText().trimmed();
    options.insurer = mInsurer->text().trimmed();
    options.policyNumber = mPolicyNumber->text().trimmed();
    options.scope = InsuranceOptions::Scope(mScope->currentData().toInt());
    options.scopeNumber = mScope->currentData(NumberRole).toInt();
    options.order = InsuranceOptions::Order(mOrder->currentData().toInt());
    options.photos = mPhotos->isChecked();
    options.receipts = mReceipts->isChecked();
    return options;
}

bool WriteInsuranceReport(InsuranceReport& report, const QString& path, QWidget* parent) {
    QProgressDialog progress(QCoreApplication::translate("InsuranceReportDialog", "Tæller siderne..."),
                             QCoreApplication::translate("InsuranceReportDialog", "Annuller"), 0, 0, parent);
    progress.setObjectName(QStringLiteral("InsuranceProgress"));
    progress.setWindowTitle(InsuranceReport::Title());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);
    WaitCursor wait;
    const bool written = report.WriteFile(
        path,
        [&progress](int page, int pages) {
            if (pages > 0) {
                progress.setMaximum(pages);
                progress.setLabelText(
                    QCoreApplication::translate("InsuranceReportDialog", "Side %1 af %2").arg(page).arg(pages));
                progress.setValue(page);
            }
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        },
        parent);
    progress.close();
    return written;
}
