#include "toolchain/debugtarget.h"

#include "toolchain/childprocess.h"
#include "toolchain/debugcommands.h"

#include <QDeadlineTimer>
#include <QMutexLocker>

namespace {

// The agent's line is short; anything longer is other output.
constexpr qsizetype MaxLineBytes = 4096;
// How often a waiting debugger looks whether it is cancelled.
constexpr int PollMs = 50;

} // namespace

void DebugTarget::started(qint64 pid)
{
    QMutexLocker lock(&m_mutex);
    m_pid = pid;
}

void DebugTarget::output(QByteArrayView bytes)
{
    QMutexLocker lock(&m_mutex);
    for (char c : bytes) {
        if (m_port)
            return;
        if (c != '\n') {
            if (m_line.size() < MaxLineBytes)
                m_line += c;
            continue;
        }
        m_port = DebugCommands::listeningPort(QString::fromUtf8(m_line));
        m_line.clear();
        if (m_port)
            m_changed.wakeAll();
    }
}

void DebugTarget::ended(const QString& failure)
{
    QMutexLocker lock(&m_mutex);
    m_ended = true;
    m_failure = failure;
    m_changed.wakeAll();
}

Result<quint16> DebugTarget::waitForPort(int timeoutMs, const std::function<bool()>& cancelled)
{
    QDeadlineTimer deadline(timeoutMs);
    QMutexLocker lock(&m_mutex);
    while (!m_port && !m_ended && !deadline.hasExpired() && !(cancelled && cancelled()))
        m_changed.wait(&m_mutex, QDeadlineTimer(qMin<qint64>(PollMs, deadline.remainingTime())));
    if (m_port)
        return *m_port;
    if (!m_failure.isEmpty())
        return Result<quint16>::failure(m_failure);
    if (m_ended)
        return Result<quint16>::failure(
            QStringLiteral("The program ended before its debug agent reported a port; its console shows why."));
    if (cancelled && cancelled())
        return Result<quint16>::failure(QStringLiteral("The debug session was stopped before it began."));
    return Result<quint16>::failure(
        QStringLiteral("The program did not report its debug port within %1 seconds.").arg(timeoutMs / 1000));
}

void DebugTarget::kill()
{
    ChildProcess::killProcessGroup(processId());
}

qint64 DebugTarget::processId() const
{
    QMutexLocker lock(&m_mutex);
    return m_pid;
}
