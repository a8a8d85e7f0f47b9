#include "vestrumwindow.h"

#include "app/AppNames.h"
#include "core/DBItemCollection.h"
#include "core/LogXML.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("main window"));
    mLog = std::make_unique<LogXML>(GetLastDBDir() + QStringLiteral("/log.xml"), GetAppName(true));
    mLog->WriteItem(GetLanguage(), QStringLiteral("vestrumwindow"), QStringLiteral("Language"));
    mCollection = new DBItemCollection(mLog.get(), this);
    setWindowTitle(GetCaption(mCurrentFileName));
}

MainWindow::~MainWindow() {
    delete mCollection;
    mCollection = nullptr;
}
