#include "output/LocationPreviewDialog.h"

#include "core/Dialogs.h"
#include "core/SaveFile.h"
#include "core/UpdateLocationsData.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// The records of the check, one row each; cells are made when the view asks, so a file of a hundred thousand
// lines opens at once.
class PreviewModel : public QAbstractTableModel {
public:
    enum Column { Line, Kind, Number, Name, Locations, Count, Effect, ColumnCount };

    PreviewModel(const UpdateLocations& import, QObject* parent) : QAbstractTableModel(parent), m_import(import) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_import.RecordCount(); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : ColumnCount; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= m_import.RecordCount())
            return QVariant();
        const size_t row = static_cast<size_t>(index.row());
        const LocationRecord& record = m_import.Records()[row];
        const LocationOutcome outcome = row < m_import.Outcomes().size() ? m_import.Outcomes()[row] : LocationOutcome();
        if (role == Qt::ForegroundRole && !outcome.ok)
            return QBrush(Qt::darkRed);
        if (role == Qt::TextAlignmentRole && (index.column() == Line || index.column() == Count))
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return QVariant();
        switch (index.column()) {
        case Line:
            return record.line;
        case Kind:
            return UpdateLocations::KindText(record.kind);
        case Number:
            return outcome.number.isEmpty() ? record.inventoryId : outcome.number;
        case Name:
            return outcome.itemName;
        case Locations:
            return m_import.LocationsText(record);
        case Count:
            return record.count;
        case Effect:
            return outcome.ok ? outcome.text : LocationPreviewDialog::tr("Problem: %1").arg(outcome.text);
        default:
            return QVariant();
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        switch (section) {
        case Line:
            return LocationPreviewDialog::tr("Linje");
        case Kind:
            return LocationPreviewDialog::tr("Art");
        case Number:
            return LocationPreviewDialog::tr("Lagernummer");
        case Name:
            return LocationPreviewDialog::tr("Navn");
        case Locations:
            return LocationPreviewDialog::tr("Placering");
        case Count:
            return LocationPreviewDialog::tr("Antal");
        case Effect:
            return LocationPreviewDialog::tr("Virkning eller problem");
        default:
            return QVariant();
        }
    }

private:
    const UpdateLocations& m_import;
};

} // namespace

LocationPreviewDialog::LocationPreviewDialog(const UpdateLocations& import, bool summaryOnly, QWidget* parent)
    : QDialog(parent), mImport(import) {
    setObjectName(QStringLiteral("LocationPreviewDialog"));
    setWindowTitle(summaryOnly ? tr("Indlæst scannerfil") : tr("Opdatér placeringer"));
    auto* layout = new QVBoxLayout(this);
    auto* file = new QLabel(tr("Scannerfil: %1").arg(import.Path()), this);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(file);
    mCounts = new QLabel(this);
    mCounts->setObjectName(QStringLiteral("counts"));
    QString counts = tr("%1 linjer: %2 gode, %3 med problemer")
                         .arg(import.RecordCount())
                         .arg(import.GoodCount())
                         .arg(import.ProblemCount());
    if (!summaryOnly && import.ProblemCount() > 0)
        counts += QLatin1Char('\n') + tr("Linjer med problemer bliver aldrig anvendt.");
    mCounts->setText(counts);
    layout->addWidget(mCounts);

    mTable = new QTableView(this);
    mTable->setObjectName(QStringLiteral("records"));
    mTable->setModel(new PreviewModel(import, mTable));
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->verticalHeader()->hide();
    mTable->verticalHeader()->setDefaultSectionSize(mTable->fontMetrics().height() + 6);
    mTable->horizontalHeader()->setStretchLastSection(true);
    mTable->setWordWrap(false);
    layout->addWidget(mTable, 1);

    auto* buttons = new QDialogButtonBox(this);
    auto* save = buttons->addButton(tr("&Gem oversigt..."), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("saveSummary"));
    connect(save, &QPushButton::clicked, this, &LocationPreviewDialog::saveSummary);
    auto* print = buttons->addButton(tr("&Udskriv oversigt..."), QDialogButtonBox::ActionRole);
    print->setObjectName(QStringLiteral("printSummary"));
    connect(print, &QPushButton::clicked, this, &LocationPreviewDialog::printSummary);
    if (summaryOnly) {
        auto* close = buttons->addButton(QDialogButtonBox::Close);
        close->setObjectName(QStringLiteral("close"));
        connect(close, &QPushButton::clicked, this, &QDialog::reject);
    } else {
        const QString applyText =
            import.ProblemCount() == 0 ? tr("&Anvend") : tr("&Anvend de %1 gode linjer...").arg(import.GoodCount());
        mApply = buttons->addButton(applyText, QDialogButtonBox::AcceptRole);
        mApply->setObjectName(QStringLiteral("apply"));
        mApply->setEnabled(import.GoodCount() > 0);
        connect(mApply, &QPushButton::clicked, this, &LocationPreviewDialog::applyClicked);
        auto* cancel = buttons->addButton(tr("&Fortryd"), QDialogButtonBox::RejectRole);
        cancel->setObjectName(QStringLiteral("cancel"));
        cancel->setDefault(true);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }
    layout->addWidget(buttons);
    mTable->resizeColumnsToContents();
    resize(900, 500);
}

void LocationPreviewDialog::applyClicked() {
    if (mImport.GoodCount() == 0)
        return;
    if (mImport.ProblemCount() == 0) {
        mChoice = ApplyAll;
        accept();
        return;
    }
    MessageBoxRequest box;
    box.icon = MessageBoxRequest::Question;
    box.parent = this;
    box.title = QStringLiteral("Brevane");
    box.text = tr("%1 linjer har problemer og bliver ikke anvendt.\nVil du anvende de %2 gode linjer?")
                   .arg(mImport.ProblemCount())
                   .arg(mImport.GoodCount());
    box.buttons << tr("Anvend de &gode") << tr("&Fortryd");
    box.defaultButton = 1;
    box.escapeButton = 1;
    if (Dialogs::message(box) != 0)
        return;
    mChoice = ApplyGood;
    accept();
}

void LocationPreviewDialog::saveSummary() {
    const QString start = mImport.Path() + QStringLiteral(".oversigt.txt");
    const QString path = Dialogs::saveFileName(this, tr("Gem oversigt"), start, tr("Tekst (*.txt)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!SaveFile::writeWhole(path, mImport.SummaryText().toUtf8(), &error))
        Dialogs::critical(this, QStringLiteral("Brevane"), tr("Oversigten blev ikke gemt i %1:\n%2").arg(path, error));
}

void LocationPreviewDialog::printSummary() {
    QPrinter printer;
    if (!Dialogs::print(&printer, this))
        return;
    WaitCursor wait;
    QTextDocument document;
    document.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    document.setPlainText(mImport.SummaryText());
    document.print(&printer);
}
