#pragma once

#include "settings/result.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QWaitCondition>

#include <functional>
#include <optional>

// The program being debugged, as the console's worker runs it: the debugger
// waits here for the port its debug agent reports and ends its process group
// through it. Both workers hold it (shared_ptr); every call is thread-safe.
class DebugTarget {
public:
    // The longest the debugger waits for the agent's port.
    static constexpr int PortWaitMs = 10000;

    // From the console's worker.
    void started(qint64 pid);
    void output(QByteArrayView bytes);
    // The program's output has ended; `failure` says why it could not start.
    void ended(const QString& failure = {});

    // Waits up to timeoutMs for the port; a failure says why none came. Gives
    // up early once `cancelled` returns true.
    Result<quint16> waitForPort(int timeoutMs, const std::function<bool()>& cancelled);
    // SIGKILL to the program's process group: the program and all it started.
    void kill();
    qint64 processId() const;

private:
    mutable QMutex m_mutex;
    QWaitCondition m_changed;
    qint64 m_pid = 0;
    QByteArray m_line; // output since the last line end, until the port is found
    std::optional<quint16> m_port;
    bool m_ended = false;
    QString m_failure;
};
