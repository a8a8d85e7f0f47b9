#pragma once

#include "core/Dialogs.h"

#include <QList>

#include <functional>
#include <memory>

class QMessageBox;
class QPushButton;

// The seam's provider for the real desktop: message boxes, file dialogs and the print dialog as widgets.
// On a platform without a display (tests, benchmarks) it refuses to block and reports the box on the
// error output instead; tests install their own provider.
class GuiDialogs : public DialogProvider {
public:
    int message(const MessageBoxRequest& request) override;
    QString fileName(const FileDialogRequest& request) override;
    bool print(QPrinter* printer, QObject* parent) override;
    void setWaitCursor(bool on) override;
    void statusMessage(const QString& text, int milliseconds) override;
    // Without a display a dialog is rejected instead of waiting.
    int window(QObject* window) override;

    // The box of a request as message() shows it, its buttons left to right in `buttons`. Every text is
    // shown as plain text.
    static std::unique_ptr<QMessageBox> buildBox(const MessageBoxRequest& request, QList<QPushButton*>* buttons);

    // Where status messages go (the main window's status bar).
    void setStatusSink(std::function<void(const QString&, int)> sink) { m_statusSink = std::move(sink); }

private:
    std::function<void(const QString&, int)> m_statusSink;
};
