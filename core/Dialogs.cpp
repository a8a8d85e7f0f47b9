#include "core/Dialogs.h"

#include <QCoreApplication>

namespace {

class HeadlessProvider final : public DialogProvider {
public:
    int message(const MessageBoxRequest& request) override { return request.defaultButton; }
    QString fileName(const FileDialogRequest&) override { return QString(); }
    bool print(QPrinter*, QObject*) override { return false; }
    void setWaitCursor(bool) override {}
    void statusMessage(const QString&, int) override {}
    int window(QObject*) override { return 0; } // rejected: nothing may wait
};

HeadlessProvider gHeadless;
DialogProvider* gProvider = nullptr;

void oneButtonBox(MessageBoxRequest::Icon icon, QObject* parent, const QString& title, const QString& text,
                  const QString& button) {
    MessageBoxRequest request;
    request.icon = icon;
    request.parent = parent;
    request.title = title;
    request.text = text;
    request.buttons << (button.isEmpty() ? Dialogs::okText() : button);
    Dialogs::message(request);
}

QString chooseFile(FileDialogRequest::Mode mode, QObject* parent, const QString& caption, const QString& dir,
                   const QString& filter) {
    FileDialogRequest request;
    request.mode = mode;
    request.parent = parent;
    request.caption = caption;
    request.directory = dir;
    request.filter = filter;
    return Dialogs::provider()->fileName(request);
}

} // namespace

void Dialogs::install(DialogProvider* provider) {
    gProvider = provider;
}

DialogProvider* Dialogs::provider() {
    return gProvider ? gProvider : &gHeadless;
}

int Dialogs::message(const MessageBoxRequest& request) {
    return provider()->message(request);
}

void Dialogs::critical(QObject* parent, const QString& title, const QString& text, const QString& button) {
    oneButtonBox(MessageBoxRequest::Critical, parent, title, text, button);
}

void Dialogs::warning(QObject* parent, const QString& title, const QString& text, const QString& button) {
    oneButtonBox(MessageBoxRequest::Warning, parent, title, text, button);
}

void Dialogs::information(QObject* parent, const QString& title, const QString& text, const QString& button) {
    oneButtonBox(MessageBoxRequest::Information, parent, title, text, button);
}

QString Dialogs::openFileName(QObject* parent, const QString& caption, const QString& dir, const QString& filter) {
    return chooseFile(FileDialogRequest::OpenFile, parent, caption, dir, filter);
}

QString Dialogs::saveFileName(QObject* parent, const QString& caption, const QString& dir, const QString& filter) {
    return chooseFile(FileDialogRequest::SaveFile, parent, caption, dir, filter);
}

QString Dialogs::pickFileName(QObject* parent, const QString& caption, const QString& dir, const QString& filter) {
    return chooseFile(FileDialogRequest::PickFile, parent, caption, dir, filter);
}

QString Dialogs::existingDirectory(QObject* parent, const QString& caption, const QString& dir) {
    return chooseFile(FileDialogRequest::ExistingDirectory, parent, caption, dir, QString());
}

bool Dialogs::print(QPrinter* printer, QObject* parent) {
    return provider()->print(printer, parent);
}

void Dialogs::statusMessage(const QString& text, int milliseconds) {
    provider()->statusMessage(text, milliseconds);
}

QString Dialogs::okText() {
    return QCoreApplication::translate("Dialogs", "Ok");
}

WaitCursor::WaitCursor() {
    Dialogs::provider()->setWaitCursor(true);
}

WaitCursor::~WaitCursor() {
    Dialogs::provider()->setWaitCursor(false);
}

int Dialogs::exec(QObject* window, const std::function<int()>& show) {
    const int answer = provider()->window(window);
    return answer >= 0 ? answer : show();
}
