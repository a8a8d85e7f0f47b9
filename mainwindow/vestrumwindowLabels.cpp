#include "core/DBItemCollection.h"
#include "core/LogXML.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/vestrumwindow.h"
#include "output/LabelPrinting.h"
#include "output/LabelSetupDialog.h"
#include "printing/Labels.h"

#include <QItemSelectionModel>
#include <QSet>

// Barcode labels for the chosen rows: an item row gives its item, a group row every item of its group
// (found by the row's own group number, so two groups of the same name stay apart).
std::vector<const Item*> MainWindow::itemsForLabels() const {
    QModelIndexList rows =
        mListView->selectionModel() ? mListView->selectionModel()->selectedRows(0) : QModelIndexList();
    if (rows.isEmpty() && mListView->isItemSelected().isValid())
        rows << mListView->isItemSelected();
    std::vector<const Item*> items;
    QSet<const Item*> seen;
    auto add = [&](const Item* item) {
        if (item && !seen.contains(item)) {
            seen.insert(item);
            items.push_back(item);
        }
    };
    for (const QModelIndex& row : rows) {
        if (mListView->IsGroupRow(row)) {
            // By its number: sorted by name or filtered, a group row's place is no group number.
            for (const Item* item : Labels::ItemsOfGroup(*mCollection, mListView->Model()->GroupNumberOf(row)))
                add(item);
        } else {
            add(mListView->ItemOf(row));
        }
    }
    return items;
}

void MainWindow::PrintBarcode() {
    const std::vector<const Item*> items = itemsForLabels();
    if (items.empty())
        return;
    if (PrintItemLabels(mCollection, items, mLog.get(), this))
        mLog->WriteItem(items.size() == 1 ? QStringLiteral("PrintBarcode - one item")
                                          : QStringLiteral("PrintBarcode - group"),
                        QStringLiteral("vestrumwindow"), QStringLiteral("PrintBarcode"));
}

void MainWindow::SetupLabels() {
    auto* dialog = new LabelSetupDialog(mCollection, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
