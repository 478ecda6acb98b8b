#pragma once

#include <QObject>

class QSocketNotifier;

// Brings SIGTERM, SIGINT and SIGHUP (kill, Ctrl+C, the end of the session)
// to the event loop, so that the program can close its main window as the
// player would: settings written, display mode restored. The handler only
// writes the signal's number to a pipe; a QSocketNotifier on the other end
// emits received() on the GUI thread. Each handler is reset to the default
// on delivery, so a second signal ends a program that no longer responds.
// One object at a time; its destruction puts the previous handlers back.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};
