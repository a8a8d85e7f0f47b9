#pragma once

#include "core/Dialogs.h"

#include <QString>

#include <cstdio>

// Answers every box with its default button and reports it on one line.
class BenchDialogs : public DialogProvider {
public:
    int message(const MessageBoxRequest& r) override {
        std::fprintf(stderr, "box: %s | %s\n", qPrintable(r.title), qPrintable(QString(r.text).replace('\n', ' ')));
        return r.defaultButton;
    }
    QString fileName(const FileDialogRequest&) override { return QString(); }
    bool print(QPrinter*, QObject*) override { return false; }
    void setWaitCursor(bool) override {}
    void statusMessage(const QString&, int) override {}
};
