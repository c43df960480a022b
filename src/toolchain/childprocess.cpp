#include "toolchain/childprocess.h"

#include "toolchain/processgroups.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// Queued input waits at most this long while the reader blocks.
constexpr int InputSliceMs = 20;

// QProcess prefixes the failing call ("execve: ..."); the user needs the reason.
QString systemReason(const QProcess& process)
{
    QString reason = process.errorString();
    const qsizetype colon = reason.indexOf(QLatin1String(": "));
    if (colon > 0 && !reason.left(colon).contains(u' '))
        reason = reason.mid(colon + 2);
    return reason;
}

qint64 nowMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

} // namespace

ChildProcess::ChildProcess(ChildUser user) : m_reader(user), m_process(std::make_unique<QProcess>()) {}

ChildProcess::~ChildProcess()
{
    const qint64 group = m_group;
    // Whatever of the child's group still runs (the child itself when it
    // was not waited for, or what it left behind) ends with it.
    if (ProcessGroups::alive(group))
        ProcessGroups::signal(group, SIGKILL);
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(1000);
    }
    ProcessGroups::remove(group);
}

Result<void> ChildProcess::start(const ChildCommand& command)
{
    if (!command.workDir.isEmpty() && !QFileInfo(command.workDir).isDir())
        return Result<void>::failure(
            QStringLiteral("Could not start %1: the folder %2 does not exist")
                .arg(QDir::toNativeSeparators(command.program), QDir::toNativeSeparators(command.workDir)));
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setWorkingDirectory(command.workDir);
    const pid_t parent = ::getpid();
    m_process->setChildProcessModifier([parent] {
        // A session and group of its own, so stopping it reaches what it
        // starts too, and a terminal's Ctrl+C meant for us does not.
        ::setsid();
        // Killed with the thread that started it, should this program die
        // without ending it; too late when the program is already gone.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
    });
    m_process->setProcessEnvironment(utf8Environment(QProcessEnvironment::systemEnvironment()));
    m_process->start(command.program, command.arguments);
    if (!m_process->waitForStarted(-1))
        return Result<void>::failure(QStringLiteral("Could not start %1: %2")
                                         .arg(QDir::toNativeSeparators(command.program), systemReason(*m_process)));
    m_started = true;
    m_group = m_process->processId();
    ProcessGroups::add(m_group);
    return {};
}

QProcessEnvironment ChildProcess::utf8Environment(QProcessEnvironment environment)
{
    // The first of these that is set decides the character set.
    QString characterSet;
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        characterSet = environment.value(QLatin1String(name));
        if (!characterSet.isEmpty())
            break;
    }
    const QString lower = characterSet.toLower();
    if (lower.contains(QLatin1String("utf-8")) || lower.contains(QLatin1String("utf8")))
        return environment;
    // LC_ALL would override LC_CTYPE: its value moves to LANG, which every
    // other category not set on its own still follows.
    const QString all = environment.value(QStringLiteral("LC_ALL"));
    if (!all.isEmpty()) {
        environment.insert(QStringLiteral("LANG"), all);
        environment.remove(QStringLiteral("LC_ALL"));
    }
    environment.insert(QStringLiteral("LC_CTYPE"), QStringLiteral("C.UTF-8"));
    return environment;
}

bool ChildProcess::ended() const
{
    return m_process->state() == QProcess::NotRunning;
}

Chunk ChildProcess::read(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs < 0 ? QDeadlineTimer::Forever : QDeadlineTimer(timeoutMs));
    for (;;) {
        sendQueuedInput();
        escalateStop();
        Chunk chunk = m_reader.take(*m_process, ended());
        if (chunk.kind != Chunk::Kind::Waiting)
            return chunk;
        const qint64 left = deadline.remainingTime();
        if (left == 0)
            return chunk;
        const int slice = left < 0 ? InputSliceMs : int(qMin<qint64>(left, InputSliceMs));
        // False on time-out and when the child ends; the next take tells
        // them apart. The wait also writes what is queued for the child.
        m_process->waitForReadyRead(slice);
    }
}

void ChildProcess::write(QByteArrayView bytes)
{
    QMutexLocker lock(&m_inputMutex);
    m_queuedInput.append(bytes);
}

void ChildProcess::closeInput()
{
    QMutexLocker lock(&m_inputMutex);
    m_closeInput = true;
}

void ChildProcess::sendQueuedInput()
{
    QByteArray input;
    bool close = false;
    {
        QMutexLocker lock(&m_inputMutex);
        input.swap(m_queuedInput);
        close = m_closeInput;
    }
    if (ended() || m_inputClosed)
        return;
    if (!input.isEmpty()) {
        m_process->write(input);
        m_process->waitForBytesWritten(0);
    }
    if (close) {
        // Closed once what is written so far has gone.
        m_process->closeWriteChannel();
        m_inputClosed = true;
    }
}

void ChildProcess::stop()
{
    int expected = 0;
    if (!m_started || !m_stopStep.compare_exchange_strong(expected, 1))
        return;
    m_stopSince = nowMs();
    ProcessGroups::signal(m_group, SIGINT);
}

void ChildProcess::escalateStop()
{
    const int step = m_stopStep;
    if (step == 0 || step == 3)
        return;
    const qint64 since = nowMs() - m_stopSince;
    const int due = since >= 2 * StopStepMs ? 3 : since >= StopStepMs ? 2 : 1;
    if (due == step)
        return;
    m_stopStep = due;
    // Only what still runs is signalled (alive() reads /proc: only when a
    // step is due).
    if (ProcessGroups::alive(m_group))
        ProcessGroups::signal(m_group, due == 2 ? SIGTERM : SIGKILL);
}

std::optional<int> ChildProcess::exitCode() const
{
    if (!m_started || !ended() || m_process->exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return m_process->exitCode();
}

void ChildProcess::killProcessGroup(qint64 pid)
{
    // kill(0) and kill(-1) would reach our own group or every process.
    if (pid > 1)
        ProcessGroups::signal(pid, SIGKILL);
}
