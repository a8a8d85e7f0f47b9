#include "output/ListPrintCommand.h"

#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "printing/ListPrinting.h"
#include "printing/PrintSettings.h"

#include <QCoreApplication>
#include <QPrinter>

#include <memory>

void RunListPrint(DBItemCollection& collection, const PrintSettings& settings, QObject* parentForDialogs) {
    collection.SortItems(settings.sortMethod);
    std::unique_ptr<QPrinter> printer;
    {
        WaitCursor wait;
        // Screen resolution keeps the list's margins and line positions in screen-like units.
        printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    }
    if (!Dialogs::print(printer.get(), parentForDialogs)) {
        Dialogs::statusMessage(QCoreApplication::translate("MainWindow", "Print afbrudt"), 2000);
        return;
    }
    PrintItemList(collection, settings, printer.get());
}
