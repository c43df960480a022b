#include "toolchain/tdebugger.h"

#include "toolchain/childprocess.h"
#include "toolchain/debugcommands.h"
#include "toolchain/debugtarget.h"

#include <QDeadlineTimer>
#include <QMutexLocker>

namespace {

// How often the worker looks at stop and next-instruction requests while
// jdb is quiet, and while it waits for jdb to go after a stop.
constexpr int PollMs = 50;
constexpr int StoppingPollMs = 10;

JdbItem line(const QString& text)
{
    return {JdbItem::Kind::Line, text, {}, 0};
}

} // namespace

TDebugger::TDebugger(Session session, std::shared_ptr<DebugTarget> target, QObject* parent)
    : QThread(parent), MainClass(session.mainClass), m_session(std::move(session)), m_target(std::move(target))
{
}

TDebugger::~TDebugger()
{
    Stop();
    requestInterruption();
    {
        QMutexLocker lock(&m_eventMutex);
        m_drained.wakeAll();
    }
    wait();
}

void TDebugger::Wake()
{
    if (!isRunning() && !isFinished())
        start();
}

void TDebugger::SendCommand(const QString& text)
{
    const QByteArray bytes = DebugCommands::commandBytes(text);
    QMutexLocker lock(&m_inputMutex);
    if (m_inputClosed)
        return;
    if (m_child)
        m_child->write(bytes);
    else
        m_earlyInput += bytes;
}

void TDebugger::nextInstruction(const QStringList& watches)
{
    QMutexLocker lock(&m_inputMutex);
    if (!m_inputClosed)
        m_nextRequest = watches;
}

void TDebugger::Stop()
{
    m_stopRequested = true;
}

std::vector<JdbItem> TDebugger::takeEvents()
{
    QMutexLocker lock(&m_eventMutex);
    std::vector<JdbItem> events;
    events.swap(m_events);
    m_drained.wakeAll();
    return events;
}

void TDebugger::push(JdbItem item)
{
    bool wasEmpty = false;
    {
        QMutexLocker lock(&m_eventMutex);
        // A log that falls far behind holds jdb back instead of filling memory.
        while (m_events.size() >= MaxQueuedItems && !isInterruptionRequested())
            m_drained.wait(&m_eventMutex, 100);
        wasEmpty = m_events.empty();
        m_events.push_back(std::move(item));
    }
    if (wasEmpty)
        emit eventsReady();
}

void TDebugger::run()
{
    RunSession();
    closeInput();
    // jdb detaching leaves the program running; the session takes it along.
    m_target->kill();
    SessionOver = true;
    push({JdbItem::Kind::Ended, {}, {}, 0});
}

void TDebugger::RunSession()
{
    const Result<quint16> port =
        m_target->waitForPort(DebugTarget::PortWaitMs, [this] { return m_stopRequested || isInterruptionRequested(); });
    if (!port) {
        push(line(port.error()));
        return;
    }
    const KitCommands::KitCommand command =
        KitCommands::jdbCommand(m_session.kit, m_session.documentPath, port.value());
    ChildProcess jdb(ChildUser::Debugger);
    if (const Result<void> started = jdb.start({command.program, command.arguments, command.workingDirectory});
        !started) {
        push(line(started.error()));
        return;
    }
    m_jdbPid = jdb.processId();
    {
        QMutexLocker lock(&m_inputMutex);
        m_child = &jdb;
        if (!m_earlyInput.isEmpty())
            jdb.write(m_earlyInput);
        m_earlyInput.clear();
    }
    converse(jdb);
    closeInput();
    m_jdbPid = 0;
}

void TDebugger::converse(ChildProcess& jdb)
{
    JdbOutputParser parser;
    std::vector<JdbItem> items;
    m_clock.start();
    bool stopping = false;
    QDeadlineTimer killJdbAt = QDeadlineTimer::Forever;
    for (;;) {
        if (!stopping && (m_stopRequested || isInterruptionRequested())) {
            stopping = true;
            SendCommand(QStringLiteral("exit"));
            m_target->kill();
            killJdbAt.setRemainingTime(StopGraceMs);
        }
        if (stopping && killJdbAt.hasExpired()) {
            ChildProcess::killProcessGroup(jdb.processId());
            killJdbAt = QDeadlineTimer::Forever;
        }
        const Chunk chunk = jdb.read(stopping ? StoppingPollMs : PollMs);
        if (chunk.kind == Chunk::Kind::End)
            break;
        if (chunk.kind == Chunk::Kind::Data) {
            items.clear();
            parser.feed(chunk.bytes, items);
            for (const JdbItem& item : items)
                handle(item);
        }
        if (m_next.expired(m_clock.elapsed()))
            SendCommand(NextInstruction::Cont);
        startRequestedNext();
    }
    items.clear();
    parser.finish(items);
    for (const JdbItem& item : items)
        if (item.kind != JdbItem::Kind::Ended)
            handle(item);
}

void TDebugger::handle(const JdbItem& item)
{
    switch (item.kind) {
    case JdbItem::Kind::Initialised:
        if (!m_openingSent) {
            m_openingSent = true;
            SendWatchDumps();
            SendBreakpointsAndRun();
        }
        return;
    case JdbItem::Kind::VmStarted:
        m_vmStarted = true;
        return;
    case JdbItem::Kind::Line:
        if (m_next.lineSeen(item.text))
            SendCommand(NextInstruction::Cont);
        break;
    case JdbItem::Kind::Prompt:
        // A "run" that comes before jdb has taken the start event as its
        // stop is answered "Nothing suspended." and the program waits for
        // ever; the thread's prompt after "VM Started:" says it has.
        if (m_openingSent && m_vmStarted && !m_runSent && JdbOutputParser::isThreadPrompt(item.text)) {
            m_runSent = true;
            SendCommand(DebugCommands::Run);
        }
        break;
    default:
        break;
    }
    push(item);
}

void TDebugger::startRequestedNext()
{
    std::optional<QStringList> watches;
    {
        QMutexLocker lock(&m_inputMutex);
        watches.swap(m_nextRequest);
    }
    // A press while the last one still waits for its answers adds nothing.
    if (!watches || m_next.pending())
        return;
    for (const QString& command : m_next.start(*watches, m_clock.elapsed()))
        SendCommand(command);
}

void TDebugger::SendWatchDumps()
{
    for (const QString& command : DebugCommands::dumpCommands(m_session.watches))
        SendCommand(command);
}

// The "run" follows once the program's start event is taken (handle).
void TDebugger::SendBreakpointsAndRun()
{
    for (const QString& command : DebugCommands::breakpointCommands(m_session.marks, MainClass))
        SendCommand(command);
}

void TDebugger::closeInput()
{
    QMutexLocker lock(&m_inputMutex);
    m_child = nullptr;
    m_inputClosed = true;
}
