#pragma once

#include <QLineEdit>

// The tool bar's filter field: what is typed narrows the item list; Esc empties it, and Esc in the
// empty field hands the keyboard back to the list.
class ListFilterField : public QLineEdit {
    Q_OBJECT
public:
    explicit ListFilterField(QWidget* parent = nullptr);
    // Ctrl+L or "/" in the list: the field takes the keyboard with its text selected.
    void TakeFocus();

signals:
    void leaveRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
