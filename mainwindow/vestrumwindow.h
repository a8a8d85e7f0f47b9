#pragma once

#include <QMainWindow>
#include <QStringList>

#include <memory>

class DBItemCollection;
class LogXML;

// The one top-level window: it owns the open database and the diagnostic log for the life of the process.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // True when the start-up database could not be read; the program then ends without showing the window.
    bool StartupFailed() const { return mStartupFailed; }
    DBItemCollection* Collection() const { return mCollection; }
    QString CurrentFileName() const { return mCurrentFileName; }

private:
    std::unique_ptr<LogXML> mLog;
    QString mCurrentFileName;
    DBItemCollection* mCollection = nullptr;
    bool mStartupFailed = false;
};
