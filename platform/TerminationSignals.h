#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the requests to end the program (SIGTERM, SIGINT, SIGHUP) into a Qt signal delivered by the event
// loop, so the program can end in order: the handler itself only writes the signal's number into a pipe.
// Install() once early in main, before anything worth saving exists; a request that arrives before a
// watcher exists waits in the pipe. Where the platform has no such signals nothing is ever reported.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    static void Install();

    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    // Once per program, for the first request.
    void requested(int signal);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
    bool m_reported = false;
};
