#pragma once

#include "toolchain/consolebuffer.h"
#include "toolchain/kitcommands.h"

#include <QByteArray>
#include <QMutex>
#include <QPointer>
#include <QThread>
#include <QWaitCondition>

#include <memory>
#include <vector>

class ChildProcess;
class DebugTarget;

// One program run for the console window: a worker thread that starts the
// program once it is woken, reads its output in chunks and hands the
// console, in order, everything it has to show. The console takes the
// events on its own thread; the worker never touches a window.
//
// When the console falls behind, the worker stops reading until it has
// caught up, so a program that prints without pause waits on its pipe
// instead of filling memory.
class TRunnerThread : public QThread {
    Q_OBJECT
public:
    struct Event {
        enum class Kind {
            Entry,       // text to append to the pane as one entry
            Prompt,      // text without a line end (the console's timer shows it)
            StartFailed, // the program could not be started: the reason
            Ended,       // the output has ended
        };
        Kind kind;
        QString text;
    };

    // Text the worker may have queued before it waits for the console.
    static constexpr qsizetype MaxQueuedChars = 1 << 20;

    explicit TRunnerThread(KitCommands::KitCommand command, QObject* parent = nullptr);
    // Stops a program that still runs and waits for the worker.
    ~TRunnerThread() override;

    const KitCommands::KitCommand CommandLine; // with its working folder

    // The pending output and the display rules, shared with the console.
    ConsoleBuffer& console() { return m_console; }

    // A debug session's program: its start, output and end are told to
    // `target` as well. Set before Wake.
    void setDebugTarget(std::shared_ptr<DebugTarget> target) { m_target = std::move(target); }

    // Starts the one run; later calls do nothing.
    void Wake();
    // The trimmed line and CR LF to the program's input, whatever its length;
    // dropped silently once the program has ended. Lines sent before the
    // program has started reach it when it starts.
    void SendLine(const QString& text);
    void sendBytes(const QByteArray& bytes);

    // Everything queued since the last call, oldest first.
    std::vector<Event> takeEvents();
    bool hasEvents();

signals:
    // The queue has become non-empty; emitted from the worker.
    void eventsReady();

protected:
    void run() override;

private:
    void RunProcess();
    // Blocks while the console lags more than MaxQueuedChars behind.
    void waitForRoom();
    void push(Event event);
    void post(Event event); // waitForRoom, then push

    ConsoleBuffer m_console;
    std::shared_ptr<DebugTarget> m_target;

    QMutex m_inputMutex;
    ChildProcess* m_child = nullptr; // while the program runs
    QByteArray m_earlyInput;         // typed before it started
    bool m_inputClosed = false;      // after it ended

    QMutex m_eventMutex;
    QWaitCondition m_drained;
    std::vector<Event> m_events;
    qsizetype m_queuedChars = 0;
};

// The runner started last, program-wide (the debugger asks for it).
extern QPointer<TRunnerThread> CurrentRunner;
