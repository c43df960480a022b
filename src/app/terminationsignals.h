#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP (logout, `kill`) and SIGINT (Ctrl+C in the terminal that
// started the program) delivered as a Qt signal on the thread that made this
// object, so the program can end as a quit without questions instead of
// dying with its work unsaved. The system's handler only writes the signal's
// number to a pipe; everything else runs in the event loop. One instance at
// a time; its destructor puts the default handlers back.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // True once any of the signals has arrived.
    bool received() const { return m_received; }

signals:
    void terminationRequested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
    bool m_received = false;
};
