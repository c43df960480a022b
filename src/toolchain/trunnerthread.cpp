#include "toolchain/trunnerthread.h"

#include "toolchain/childprocess.h"
#include "toolchain/debugtarget.h"

#include <QMutexLocker>

QPointer<TRunnerThread> CurrentRunner;

namespace {

// How often a waiting worker looks whether it is to stop.
constexpr int PollMs = 100;

} // namespace

TRunnerThread::TRunnerThread(KitCommands::KitCommand command, QObject* parent)
    : QThread(parent), CommandLine(std::move(command))
{
}

TRunnerThread::~TRunnerThread()
{
    requestInterruption();
    {
        QMutexLocker lock(&m_eventMutex);
        m_drained.wakeAll();
    }
    wait();
}

void TRunnerThread::Wake()
{
    if (!isRunning() && !isFinished())
        start();
}

void TRunnerThread::SendLine(const QString& text)
{
    sendBytes(ConsoleBuffer::lineToSend(text));
}

void TRunnerThread::sendBytes(const QByteArray& bytes)
{
    QMutexLocker lock(&m_inputMutex);
    if (m_inputClosed)
        return;
    if (m_child)
        m_child->write(bytes);
    else
        m_earlyInput += bytes;
}

std::vector<TRunnerThread::Event> TRunnerThread::takeEvents()
{
    QMutexLocker lock(&m_eventMutex);
    std::vector<Event> events;
    events.swap(m_events);
    m_queuedChars = 0;
    m_drained.wakeAll();
    return events;
}

bool TRunnerThread::hasEvents()
{
    QMutexLocker lock(&m_eventMutex);
    return !m_events.empty();
}

void TRunnerThread::waitForRoom()
{
    QMutexLocker lock(&m_eventMutex);
    while (m_queuedChars > MaxQueuedChars && !isInterruptionRequested())
        m_drained.wait(&m_eventMutex, PollMs);
}

void TRunnerThread::push(Event event)
{
    bool wasEmpty = false;
    {
        QMutexLocker lock(&m_eventMutex);
        wasEmpty = m_events.empty();
        m_queuedChars += event.text.size();
        m_events.push_back(std::move(event));
    }
    if (wasEmpty)
        emit eventsReady();
}

void TRunnerThread::post(Event event)
{
    waitForRoom();
    push(std::move(event));
}

void TRunnerThread::run()
{
    RunProcess();
}

void TRunnerThread::RunProcess()
{
    ChildProcess child(ChildUser::ConsoleRun);
    const Result<void> started =
        child.start({CommandLine.program, CommandLine.arguments, CommandLine.workingDirectory});
    if (started) {
        if (m_target)
            m_target->started(child.processId());
        {
            QMutexLocker lock(&m_inputMutex);
            m_child = &child;
            if (!m_earlyInput.isEmpty())
                child.write(m_earlyInput);
            m_earlyInput.clear();
        }
        while (!isInterruptionRequested()) {
            const Chunk chunk = child.read(PollMs);
            if (chunk.kind == Chunk::Kind::End)
                break;
            if (chunk.kind != Chunk::Kind::Data)
                continue;
            if (m_target)
                m_target->output(chunk.bytes);
            // Room is made before the console's pending text is locked: the
            // entry is queued under that lock, never waiting there.
            waitForRoom();
            m_console.addChunk(chunk.bytes, [this](QString entry) { push({Event::Kind::Entry, std::move(entry)}); });
        }
    } else {
        post({Event::Kind::StartFailed, started.error()});
    }
    if (m_target)
        m_target->ended(started ? QString() : started.error());
    {
        QMutexLocker lock(&m_inputMutex);
        m_child = nullptr;
        m_inputClosed = true;
    }
    post({Event::Kind::Ended, {}});
}
