#include "platform/SystemNames.h"

#include <QSysInfo>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

QString ComputerName() {
    return QSysInfo::machineHostName();
}

QString LoginName() {
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
#ifdef Q_OS_UNIX
    if (name.isEmpty()) {
        if (const passwd* entry = getpwuid(geteuid()))
            name = QString::fromLocal8Bit(entry->pw_name);
    }
#endif
    return name;
}
