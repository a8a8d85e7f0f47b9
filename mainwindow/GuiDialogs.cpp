#include "mainwindow/GuiDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <cstdio>

namespace {
QWidget* widgetOf(QObject* parent) {
    return qobject_cast<QWidget*>(parent);
}

bool headless() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}
} // namespace

std::unique_ptr<QMessageBox> GuiDialogs::buildBox(const MessageBoxRequest& request, QList<QPushButton*>* buttons) {
    auto box = std::make_unique<QMessageBox>(widgetOf(request.parent));
    switch (request.icon) {
    case MessageBoxRequest::Information:
        box->setIcon(QMessageBox::Information);
        break;
    case MessageBoxRequest::Warning:
        box->setIcon(QMessageBox::Warning);
        break;
    case MessageBoxRequest::Critical:
        box->setIcon(QMessageBox::Critical);
        break;
    case MessageBoxRequest::Question:
        box->setIcon(QMessageBox::Question);
        break;
    case MessageBoxRequest::NoIcon:
        box->setIcon(QMessageBox::NoIcon);
        break;
    }
    box->setWindowTitle(request.title);
    // Boxes quote names, paths and lock files from the register: "<b>" there is text, never markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(request.text);
    buttons->clear();
    for (const QString& text : request.buttons)
        *buttons << box->addButton(text, QMessageBox::AcceptRole);
    if (buttons->isEmpty())
        *buttons << box->addButton(QMessageBox::Ok);
    const int escape = request.escapeButton >= 0 ? request.escapeButton : static_cast<int>(buttons->size()) - 1;
    if (request.defaultButton >= 0 && request.defaultButton < buttons->size())
        box->setDefaultButton(buttons->at(request.defaultButton));
    if (escape >= 0 && escape < buttons->size())
        box->setEscapeButton(buttons->at(escape));
    return box;
}

int GuiDialogs::message(const MessageBoxRequest& request) {
    if (headless()) {
        std::fprintf(stderr, "box: %s | %s\n", qPrintable(request.title), qPrintable(request.text));
        return request.defaultButton;
    }
    QList<QPushButton*> buttons;
    const std::unique_ptr<QMessageBox> box = buildBox(request, &buttons);
    box->exec();
    const int chosen = static_cast<int>(buttons.indexOf(qobject_cast<QPushButton*>(box->clickedButton())));
    if (chosen >= 0)
        return chosen;
    const int escape = request.escapeButton >= 0 ? request.escapeButton : static_cast<int>(buttons.size()) - 1;
    return escape;
}

QString GuiDialogs::fileName(const FileDialogRequest& request) {
    if (headless())
        return QString();
    QWidget* parent = widgetOf(request.parent);
    switch (request.mode) {
    case FileDialogRequest::OpenFile:
        return QFileDialog::getOpenFileName(parent, request.caption, request.directory, request.filter);
    case FileDialogRequest::SaveFile:
        return QFileDialog::getSaveFileName(parent, request.caption, request.directory, request.filter);
    case FileDialogRequest::PickFile:
        return QFileDialog::getSaveFileName(parent, request.caption, request.directory, request.filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    case FileDialogRequest::ExistingDirectory:
        return QFileDialog::getExistingDirectory(parent, request.caption, request.directory, QFileDialog::ShowDirsOnly);
    }
    return QString();
}

int GuiDialogs::window(QObject*) {
    return headless() ? 0 : -1;
}

bool GuiDialogs::print(QPrinter* printer, QObject* parent) {
    if (headless())
        return false;
    QPrintDialog dialog(printer, widgetOf(parent));
    return dialog.exec() == QDialog::Accepted;
}

void GuiDialogs::setWaitCursor(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void GuiDialogs::statusMessage(const QString& text, int milliseconds) {
    if (m_statusSink)
        m_statusSink(text, milliseconds);
}
