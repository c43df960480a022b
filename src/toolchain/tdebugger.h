#pragma once

#include "toolchain/jdboutputparser.h"
#include "toolchain/kitcommands.h"
#include "toolchain/nextinstruction.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class ChildProcess;
class DebugTarget;

// One debug session. The program runs in a console window of its own with the
// debug agent; this worker waits for the port the agent reports, attaches jdb
// to it and turns jdb's output into items for the "Debugger" log. Once jdb is
// initialised it sends the opening: the watch dumps and a breakpoint per mark,
// then "run" once jdb has taken the program's start event. Shaped like TRunnerThread: the log's owner takes the items
// on its own thread, in order; the worker never touches a window.
//
// Ending: Stop (the stop button, the session's editor closing, quitting)
// sends "exit" to jdb and kills the program's process group at once, and
// kills jdb's group if jdb still runs a second later. When jdb ends by
// itself the program's group is killed too: jdb's "exit" only detaches,
// leaving the program running.
class TDebugger : public QThread {
    Q_OBJECT
public:
    // What the session reads of the document and the settings: a snapshot
    // taken on the user-interface thread when it starts.
    struct Session {
        KitCommands::KitSettings kit;
        QString documentPath;
        QString mainClass;
        QStringList watches;    // TrackedVariables
        std::vector<int> marks; // the marks' lines, in the mark list's order
    };

    static constexpr int StopGraceMs = 1000;
    // Items the worker may have queued before it waits for the log.
    static constexpr std::size_t MaxQueuedItems = 20000;

    TDebugger(Session session, std::shared_ptr<DebugTarget> target, QObject* parent = nullptr);
    // Stops the session and waits for the worker.
    ~TDebugger() override;

    const QString MainClass;
    // True once jdb's output has ended (or the session never got so far).
    std::atomic_bool SessionOver = false;

    // Starts the session; later calls do nothing.
    void Wake();
    // The trimmed text and LF to jdb, from any thread; lost once jdb has ended.
    void SendCommand(const QString& text);
    // The watch dumps, then "cont" once they are answered (NextInstruction).
    void nextInstruction(const QStringList& watches);
    void Stop();
    // jdb's process id while it runs, else 0.
    qint64 jdbProcessId() const { return m_jdbPid; }

    // Everything queued since the last call, oldest first.
    std::vector<JdbItem> takeEvents();

signals:
    // The queue has become non-empty; emitted from the worker.
    void eventsReady();

protected:
    void run() override;

private:
    void RunSession();
    void converse(ChildProcess& jdb);
    void SendWatchDumps();
    void SendBreakpointsAndRun();
    void handle(const JdbItem& item);
    void startRequestedNext();
    void push(JdbItem item);
    void closeInput();

    const Session m_session;
    const std::shared_ptr<DebugTarget> m_target;
    std::atomic_bool m_stopRequested = false;
    std::atomic<qint64> m_jdbPid = 0;
    bool m_openingSent = false;
    bool m_vmStarted = false;
    bool m_runSent = false;
    NextInstruction m_next; // worker only
    QElapsedTimer m_clock;  // worker only

    QMutex m_inputMutex;
    ChildProcess* m_child = nullptr; // while jdb runs
    QByteArray m_earlyInput;         // sent before jdb has started
    bool m_inputClosed = false;
    std::optional<QStringList> m_nextRequest;

    QMutex m_eventMutex;
    QWaitCondition m_drained;
    std::vector<JdbItem> m_events;
};
