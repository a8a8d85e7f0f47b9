#include "mainwindow/ListFilterField.h"

#include <QKeyEvent>

ListFilterField::ListFilterField(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("FilterField"));
    setClearButtonEnabled(true);
    setPlaceholderText(tr("Filtrér listen (Ctrl+L)"));
    setToolTip(tr("Viser kun poster, der indeholder alle de skrevne ord"));
    setMaximumWidth(260);
}

void ListFilterField::TakeFocus() {
    setFocus(Qt::ShortcutFocusReason);
    selectAll();
}

void ListFilterField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (text().isEmpty())
            emit leaveRequested();
        else
            clear();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
