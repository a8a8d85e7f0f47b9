#include "output/LabelPrinting.h"

#include "app/AppSettings.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "printing/LabelDrawing.h"
#include "printing/LabelProfiles.h"
#include "printing/Labels.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QWidget>

#include <memory>

namespace {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(LabelPrinting)
};

bool printDrawn(const std::vector<Labels::Entry>& labels, const LabelProfile& profile,
                const DBItemCollection* collection, QWidget* parent) {
    const QString problem = profile.Problem();
    if (!problem.isEmpty()) {
        Dialogs::critical(parent, Texts::tr("Etiketter"), problem);
        return false;
    }
    std::unique_ptr<QPrinter> printer;
    {
        WaitCursor wait;
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    // The print dialog shows the label's size; a label printer's driver takes a page of that size.
    printer->setFullPage(true);
    const QSizeF page =
        profile.sheet ? QSizeF(profile.pageWidthMm, profile.pageHeightMm) : QSizeF(profile.widthMm, profile.heightMm);
    printer->setPageSize(QPageSize(page, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    printer->setDocName(Texts::tr("Etiketter"));
    if (!Dialogs::print(printer.get(), parent)) {
        Dialogs::statusMessage(QCoreApplication::translate("MainWindow", "Print afbrudt"), 2000);
        return false;
    }
    WaitCursor wait;
    QString error;
    if (!LabelDrawing::Paint(printer.get(), profile, LabelDrawing::Contents(labels, profile, collection), &error)) {
        Dialogs::critical(parent, Texts::tr("Etiketter"), Texts::tr("Etiketterne kan ikke udskrives:\n%1").arg(error));
        return false;
    }
    Dialogs::statusMessage(Texts::tr("%1 etiketter udskrevet").arg(labels.size()));
    return true;
}

} // namespace

bool PrintItemLabels(DBItemCollection* collection, const std::vector<const Item*>& items, LogXML* log,
                     QWidget* parent) {
    if (items.empty())
        return false;
    const LabelProfile profile = AppSettings::CurrentLabelProfile();
    if (profile.route == LabelProfile::TemplateRoute) {
        const Labels::Batch batch = Labels::ItemBatch(items);
        Labels::ReportSkipped(batch.skipped, parent);
        if (batch.labels.empty())
            return false;
        const Labels::NameOptions names = AppSettings::LabelNames();
        return Labels::PrintRaw(batch.labels, QString::fromLatin1(Labels::kItemFormatFile), names.itemNames,
                                names.itemNameLength, log, parent);
    }
    const Labels::Batch batch = LabelDrawing::Batch(items, profile);
    Labels::ReportSkipped(batch.skipped, parent);
    if (batch.labels.empty())
        return false;
    return printDrawn(batch.labels, profile, collection, parent);
}

bool PrintListLabels(DBItemCollection* collection, int listKind, int index, QWidget* parent) {
    if (!collection)
        return false;
    if (listKind != userItemCollection::GroupsList && listKind != userItemCollection::LocationsList) {
        Dialogs::information(parent, Texts::tr("Etiketter"),
                             Texts::tr("Etiketter udskrives kun for grupper og lokaler."));
        return false;
    }
    const userItemCollection& list =
        listKind == userItemCollection::GroupsList ? collection->Groups() : collection->Locations();
    if (index < 0 || index >= list.Count())
        return false;
    const QString name = list.Entry(index);
    if (name.isEmpty()) {
        Dialogs::critical(parent, QCoreApplication::translate("setupdialog", "SETUP_ERROR"),
                          QCoreApplication::translate("setupdialog", "NO_ITEM_SELECTED"));
        return false;
    }
    const std::vector<Labels::Entry> labels{Labels::ListEntry(listKind, index, name)};
    const LabelProfile profile = AppSettings::CurrentLabelProfile();
    if (profile.route == LabelProfile::TemplateRoute) {
        const Labels::NameOptions names = AppSettings::LabelNames();
        return Labels::PrintRaw(labels, QString::fromLatin1(Labels::kLocationFormatFile), names.locationNames,
                                names.locationNameLength, nullptr, parent);
    }
    if (profile.symbology == LabelProfile::Ean13 && labels.front().number.size() > 12)
        return false;
    return printDrawn(labels, profile, collection, parent);
}
