#include "export/ExportFile.h"

#include "core/Dialogs.h"
#include "core/SaveFile.h"

#include <QCoreApplication>

namespace {
void reportNotWritten(const QString& path, const QString& reason) {
    Dialogs::critical(nullptr, QCoreApplication::translate("DBItemCollection", "EXPORT_NOT_SAVED_TITLE"),
                      QCoreApplication::translate("DBItemCollection", "EXPORT_NOT_SAVED").arg(path, reason));
}
} // namespace

bool SaveExportFile(const QString& path, const std::function<bool(QIODevice*)>& write) {
    SaveFile file(path);
    if (!file.open()) {
        reportNotWritten(path, file.errorString());
        return false;
    }
    if (!write(file.device())) {
        const QString reason = file.errorString().isEmpty() ? file.device()->errorString() : file.errorString();
        file.cancel();
        reportNotWritten(path, reason);
        return false;
    }
    if (!file.commit()) {
        reportNotWritten(path, file.errorString());
        return false;
    }
    return true;
}
