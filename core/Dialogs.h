#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QObject;
class QPrinter;

// One seam for everything that waits for a person: message boxes, file and directory choosers, the print
// dialog, the wait cursor and status messages. The GUI installs a provider at start-up; tests install one
// that answers from a queue and records what was shown. Without a provider nothing ever blocks: every box
// takes its default button and every chooser is cancelled.
struct MessageBoxRequest {
    enum Icon { NoIcon, Information, Warning, Critical, Question };
    Icon icon = NoIcon;
    QString title;
    QString text;
    QStringList buttons;   // button texts, left to right
    int defaultButton = 0; // index into buttons
    int escapeButton = -1; // index answered by Escape or closing the box; -1: the last button
    QObject* parent = nullptr;
};

struct FileDialogRequest {
    // PickFile: a save dialog used to pick an existing or a new name, so no "replace?" question.
    enum Mode { OpenFile, SaveFile, PickFile, ExistingDirectory };
    Mode mode = OpenFile;
    QString caption;
    QString directory;
    QString filter;
    QObject* parent = nullptr;
};

class DialogProvider {
public:
    virtual ~DialogProvider() = default;
    // Returns the index of the chosen button.
    virtual int message(const MessageBoxRequest& request) = 0;
    // Returns the chosen path, or an empty text when the user cancelled.
    virtual QString fileName(const FileDialogRequest& request) = 0;
    // Lets the user set up the printer; false when cancelled.
    virtual bool print(QPrinter* printer, QObject* parent) = 0;
    virtual void setWaitCursor(bool on) = 0;
    virtual void statusMessage(const QString& text, int milliseconds) = 0;
    // A window of the program's own that waits for a person (a dialog's exec()). A provider may answer in its
    // place, driving the window's widgets, and return the result; -1 lets the window show itself.
    virtual int window(QObject* window) {
        (void)window;
        return -1;
    }
};

class Dialogs {
public:
    // The provider is not owned; nullptr restores the non-blocking default.
    static void install(DialogProvider* provider);
    static DialogProvider* provider();

    static int message(const MessageBoxRequest& request);
    // The usual boxes with one button; the button text defaults to the translated "Ok".
    static void critical(QObject* parent, const QString& title, const QString& text, const QString& button = QString());
    static void warning(QObject* parent, const QString& title, const QString& text, const QString& button = QString());
    static void information(QObject* parent, const QString& title, const QString& text,
                            const QString& button = QString());

    static QString openFileName(QObject* parent, const QString& caption, const QString& dir, const QString& filter);
    static QString saveFileName(QObject* parent, const QString& caption, const QString& dir, const QString& filter);
    static QString pickFileName(QObject* parent, const QString& caption, const QString& dir, const QString& filter);
    static QString existingDirectory(QObject* parent, const QString& caption, const QString& dir);
    static bool print(QPrinter* printer, QObject* parent);
    static void statusMessage(const QString& text, int milliseconds = 10000);
    // Runs a dialog of the program's own: the provider answers it, or show() (the dialog's exec()) does.
    static int exec(QObject* window, const std::function<int()>& show);

    static QString okText();
};

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
