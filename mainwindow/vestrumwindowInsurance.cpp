#include "app/AppNames.h"
#include "app/AppSettings.h"
#include "app/ExportPaths.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/vestrumwindow.h"
#include "output/InsuranceReportDialog.h"
#include "printing/InsuranceReport.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

bool MainWindow::filterHitsForReport(std::vector<const Item*>* hits) const {
    if (!mListView->IsFiltered())
        return false;
    *hits = mListView->Model()->ShownItems();
    return true;
}

void MainWindow::MakeInsuranceReport() {
    std::vector<const Item*> hits;
    const bool filterSet = filterHitsForReport(&hits);
    InsuranceReportDialog dialog(*mCollection, filterSet, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    InsuranceOptions options = dialog.Options();
    AppSettings::StoreInsurance(options);
    const std::vector<const Item*> items = InsuranceReport::ItemsInScope(*mCollection, options, hits);
    if (items.empty()) {
        Dialogs::information(this, InsuranceReport::Title(), tr("Der er ingen genstande at tage med i opgørelsen."));
        return;
    }
    const QString folder = ExportPaths::Folder(mCurrentFileName);
    const QString suggested = QDir(folder).filePath(
        QStringLiteral("%1 %2.pdf").arg(InsuranceReport::Title(), QDate::currentDate().toString(Qt::ISODate)));
    QString path = Dialogs::saveFileName(this, tr("Gem forsikringsopgørelsen som"), suggested, tr("PDF-filer (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");

    options.registerName = mCurrentFileName.isEmpty() ? tr("Nyt register") : QFileInfo(mCurrentFileName).fileName();
    options.date = QDate::currentDate();
    options.locale = InterfaceLocale();
    options.linkFolder = folder;
    InsuranceReport report(*mCollection, items, options);
    if (WriteInsuranceReport(report, path, this))
        emit message(tr("Forsikringsopgørelsen er gemt i %1 (%2 sider).")
                         .arg(QDir::toNativeSeparators(path))
                         .arg(report.Pages()),
                     10000);
}
