#include "mainwindow/CsvImportDialog.h"

#include "core/ColumnNames.h"
#include "core/Dialogs.h"
#include "mainwindow/ExternalViewers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

CsvImportDialog::CsvImportDialog(CsvImport& import, const DBItemCollection& lists, int edition, const QString& path,
                                 QWidget* parent)
    : QDialog(parent), mImport(import), mLists(lists), mEdition(edition) {
    setObjectName(QStringLiteral("CsvImportDialog"));
    setWindowTitle(tr("Indlæs CSV-fil"));
    ExternalViewers::SetHelpPage(this, ExternalViewers::HelpPage());
    auto* layout = new QVBoxLayout(this);

    auto* file = new QLabel(tr("Fil: %1").arg(QFileInfo(path).fileName()), this);
    file->setToolTip(path);
    layout->addWidget(file);

    auto* options = new QHBoxLayout;
    mEncoding = new QComboBox(this);
    mEncoding->setObjectName(QStringLiteral("encoding"));
    mEncoding->addItem(QStringLiteral("UTF-8"), CsvFile::Utf8);
    mEncoding->addItem(QStringLiteral("Latin-1 (Windows-1252)"), CsvFile::Latin1);
    mEncoding->addItem(QStringLiteral("UTF-16"), CsvFile::Utf16);
    mEncoding->setCurrentIndex(mEncoding->findData(mImport.Encoding()));
    auto* encodingLabel = new QLabel(tr("&Tegnsæt:"), this);
    encodingLabel->setBuddy(mEncoding);
    mSeparator = new QComboBox(this);
    mSeparator->setObjectName(QStringLiteral("separator"));
    mSeparator->addItem(tr("Komma (,)"), QChar(QLatin1Char(',')));
    mSeparator->addItem(tr("Semikolon (;)"), QChar(QLatin1Char(';')));
    mSeparator->addItem(tr("Tabulator"), QChar(QLatin1Char('\t')));
    mSeparator->setCurrentIndex(mSeparator->findData(mImport.Separator()));
    auto* separatorLabel = new QLabel(tr("&Skilletegn:"), this);
    separatorLabel->setBuddy(mSeparator);
    mHeader = new QCheckBox(tr("Første række er &overskrifter"), this);
    mHeader->setObjectName(QStringLiteral("header"));
    mHeader->setChecked(mImport.HasHeader());
    options->addWidget(encodingLabel);
    options->addWidget(mEncoding);
    options->addSpacing(12);
    options->addWidget(separatorLabel);
    options->addWidget(mSeparator);
    options->addSpacing(12);
    options->addWidget(mHeader);
    options->addStretch();
    layout->addLayout(options);

    auto* mappingLabel = new QLabel(tr("Vælg for hver kolonne det felt, den skal gå til, eller lad den blive "
                                       "ignoreret. Herunder de første rækker, som de vil blive læst:"),
                                    this);
    mappingLabel->setWordWrap(true);
    layout->addWidget(mappingLabel);
    mPreview = new QTableWidget(this);
    mPreview->setObjectName(QStringLiteral("preview"));
    mPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(mPreview, 2);

    mCounts = new QLabel(this);
    mCounts->setObjectName(QStringLiteral("counts"));
    layout->addWidget(mCounts);
    mProblems = new QListWidget(this);
    mProblems->setObjectName(QStringLiteral("problems"));
    layout->addWidget(mProblems, 1);
    mSkipProblemRows = new QCheckBox(this);
    mSkipProblemRows->setObjectName(QStringLiteral("skipProblemRows"));
    layout->addWidget(mSkipProblemRows);

    auto* buttons = new QDialogButtonBox(this);
    mImportButton = buttons->addButton(tr("&Indlæs"), QDialogButtonBox::AcceptRole);
    mImportButton->setObjectName(QStringLiteral("import"));
    QPushButton* cancel = buttons->addButton(tr("&Fortryd"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(mEncoding, qOverload<int>(&QComboBox::activated), this, [this] {
        WaitCursor wait;
        mImport.SetEncoding(static_cast<CsvFile::Encoding>(mEncoding->currentData().toInt()));
        rebuild();
    });
    connect(mSeparator, qOverload<int>(&QComboBox::activated), this, [this] {
        WaitCursor wait;
        mImport.SetSeparator(mSeparator->currentData().toChar());
        rebuild();
    });
    connect(mHeader, &QCheckBox::toggled, this, [this](bool on) {
        mImport.SetHasHeader(on);
        rebuild();
    });
    connect(mSkipProblemRows, &QCheckBox::toggled, this, &CsvImportDialog::recheck);

    rebuild();
    resize(900, 600);
}

bool CsvImportDialog::WithoutProblemRows() const {
    return mSkipProblemRows->isChecked();
}

QComboBox* CsvImportDialog::FieldBox(int column) const {
    return column >= 0 && column < int(mFieldBoxes.size()) ? mFieldBoxes[size_t(column)] : nullptr;
}

void CsvImportDialog::SetField(int column, int field) {
    QComboBox* box = FieldBox(column);
    if (!box)
        return;
    box->setCurrentIndex(box->findData(field));
    fieldChosen(column);
}

void CsvImportDialog::rebuild() {
    const int columns = mImport.ColumnCount();
    mMapping = mImport.DefaultMapping();
    mFieldBoxes.clear();
    // Dropping the rows and columns drops the choosers in them too.
    mPreview->setRowCount(0);
    mPreview->setColumnCount(0);
    const int shown = std::min(mImport.DataRowCount(), PreviewRows);
    mPreview->setColumnCount(columns);
    mPreview->setRowCount(shown + 1);
    QStringList rowNames{tr("Felt")};
    for (int row = 0; row < shown; ++row)
        rowNames << QString::number(mImport.DataRow(row).number);
    mPreview->setVerticalHeaderLabels(rowNames);
    for (int column = 0; column < columns; ++column) {
        mPreview->setHorizontalHeaderItem(column, new QTableWidgetItem(mImport.ColumnName(column)));
        auto* box = new QComboBox(mPreview);
        box->setObjectName(QStringLiteral("field%1").arg(column));
        box->addItem(tr("(ignoreres)"), CsvImport::Ignored);
        for (int field = 0; field < CsvFile::FieldCount; ++field)
            box->addItem(ColumnNames::Title(field), field);
        box->setCurrentIndex(box->findData(mMapping[size_t(column)]));
        connect(box, qOverload<int>(&QComboBox::activated), this, [this, column] { fieldChosen(column); });
        mPreview->setCellWidget(0, column, box);
        mFieldBoxes.push_back(box);
        for (int row = 0; row < shown; ++row) {
            const QStringList& cells = mImport.DataRow(row).cells;
            mPreview->setItem(row + 1, column,
                              new QTableWidgetItem(column < cells.size() ? cells.at(column) : QString()));
        }
    }
    mPreview->resizeColumnsToContents();
    recheck();
}

void CsvImportDialog::fieldChosen(int column) {
    const int field = mFieldBoxes[size_t(column)]->currentData().toInt();
    mMapping[size_t(column)] = field;
    // One column per field: the column that had it before lets it go.
    if (field != CsvImport::Ignored) {
        for (int other = 0; other < int(mMapping.size()); ++other) {
            if (other != column && mMapping[size_t(other)] == field) {
                mMapping[size_t(other)] = CsvImport::Ignored;
                mFieldBoxes[size_t(other)]->setCurrentIndex(0);
            }
        }
    }
    recheck();
}

void CsvImportDialog::recheck() {
    {
        WaitCursor wait;
        mOutcome = mImport.Check(mMapping, mLists, mEdition);
    }
    mCounts->setText(tr("%1 rækker: %2 kan indlæses, %3 med problemer, %4 ændres")
                         .arg(mOutcome.rows)
                         .arg(mOutcome.goodRows())
                         .arg(mOutcome.problemRows)
                         .arg(mOutcome.changedRows));
    mProblems->clear();
    const int listed = std::min(int(mOutcome.problems.size()), ListedProblems);
    for (int i = 0; i < listed; ++i) {
        const CsvImport::Problem& problem = mOutcome.problems[size_t(i)];
        auto* line =
            new QListWidgetItem(problem.blocking ? tr("Række %1: %2").arg(problem.row).arg(problem.text)
                                                 : tr("Række %1 (ændres): %2").arg(problem.row).arg(problem.text),
                                mProblems);
        if (problem.blocking)
            line->setForeground(Qt::darkRed);
    }
    if (int(mOutcome.problems.size()) > listed)
        new QListWidgetItem(tr("... og %1 mere").arg(int(mOutcome.problems.size()) - listed), mProblems);
    mSkipProblemRows->setText(tr("Indlæs uden de %1 rækker med problemer").arg(mOutcome.problemRows));
    mSkipProblemRows->setEnabled(mOutcome.problemRows > 0 && mOutcome.goodRows() > 0);
    mImportButton->setEnabled(mOutcome.goodRows() > 0 && (mOutcome.problemRows == 0 || WithoutProblemRows()));
    mImportButton->setText(mOutcome.problemRows > 0 && WithoutProblemRows()
                               ? tr("&Indlæs %1 rækker").arg(mOutcome.goodRows())
                               : tr("&Indlæs"));
}
