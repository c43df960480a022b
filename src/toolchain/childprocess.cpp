#include "toolchain/childprocess.h"

#include <QDeadlineTimer>
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

} // namespace

ChildProcess::ChildProcess(ChildUser user) : m_reader(user), m_process(std::make_unique<QProcess>()) {}

ChildProcess::~ChildProcess()
{
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(1000);
    }
}

Result<void> ChildProcess::start(const ChildCommand& command)
{
    if (!command.workDir.isEmpty() && !QFileInfo(command.workDir).isDir())
        return Result<void>::failure(
            QStringLiteral("Could not start %1: the folder %2 does not exist")
                .arg(QDir::toNativeSeparators(command.program), QDir::toNativeSeparators(command.workDir)));
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setWorkingDirectory(command.workDir);
    // A group of its own, so that ending it ends what it started; and ended
    // with the thread that started it, should this program be killed.
    m_process->setChildProcessModifier([] {
        ::setsid();
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    });
    m_process->setProcessEnvironment(utf8Environment(QProcessEnvironment::systemEnvironment()));
    m_process->start(command.program, command.arguments);
    if (!m_process->waitForStarted(-1))
        return Result<void>::failure(QStringLiteral("Could not start %1: %2")
                                         .arg(QDir::toNativeSeparators(command.program), systemReason(*m_process)));
    m_started = true;
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

void ChildProcess::sendQueuedInput()
{
    QByteArray input;
    {
        QMutexLocker lock(&m_inputMutex);
        input.swap(m_queuedInput);
    }
    if (input.isEmpty() || ended())
        return;
    m_process->write(input);
    m_process->waitForBytesWritten(0);
}

std::optional<int> ChildProcess::exitCode() const
{
    if (!m_started || !ended() || m_process->exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return m_process->exitCode();
}

qint64 ChildProcess::processId() const
{
    return m_started ? m_process->processId() : 0;
}

void ChildProcess::killProcessGroup(qint64 pid)
{
    // kill(0) and kill(-1) would reach our own group or every process.
    if (pid > 1)
        ::kill(pid_t(-pid), SIGKILL);
}
