#pragma once

#include "settings/result.h"
#include "toolchain/chunkreader.h"

#include <QByteArray>
#include <QMutex>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>

class QProcess;

// A program and its arguments (no shell: blanks, quotes and shell characters
// reach the program as they stand), started in workDir.
struct ChildCommand {
    QString program;
    QStringList arguments;
    QString workDir;
};

// The one way a kit tool is started: standard output and standard error
// merged into one stream, standard input a pipe. Reading is blocking with a
// time-out, from the thread that started the child; write(), closeInput()
// and stop() may be called from any thread and are carried out by the
// reading thread, since the process object belongs to that thread.
//
// The child runs in a process group of its own (ProcessGroups), so stop()
// and the end of this object reach whatever it started as well; should
// the thread that started it end first (this program killed), the system
// kills the child.
class ChildProcess {
public:
    // Between the steps of stop().
    static constexpr int StopStepMs = 2000;

    explicit ChildProcess(ChildUser user);
    // Kills what is left of the child's group.
    ~ChildProcess();

    // Waits until the child runs. A failure names the program (or the
    // working folder) that failed and the system's reason.
    Result<void> start(const ChildCommand& command);

    // Waits up to timeoutMs (-1: for ever) for output; Waiting on time-out,
    // End once the child has ended and its output is all read.
    Chunk read(int timeoutMs);

    // Queues bytes for the child's input; dropped silently once it has ended.
    void write(QByteArrayView bytes);
    // End of input: the child's standard input is closed once what is
    // queued has been written (a program reading to the end then ends).
    void closeInput();
    // SIGINT to the child's group now, SIGTERM StopStepMs later and SIGKILL
    // StopStepMs after that, each only while the group has a process left.
    // The later steps are taken by read() and escalateStop().
    void stop();
    // Takes the step of stop() that is due; for a reader that waits
    // elsewhere than in read().
    void escalateStop();
    // The child's process id, also its process group's; 0 before it has
    // started.
    qint64 processId() const { return m_group; }

    // `environment` with a UTF-8 character set for the child. Under a
    // locale that is not UTF-8 (LANG=C) a JVM cannot name a file whose name
    // is not ASCII, so javac stops at such a file in the source's folder;
    // LC_CTYPE=C.UTF-8 (always there on Debian) mends that and matches the
    // console, which talks UTF-8. Other categories keep the user's locale.
    static QProcessEnvironment utf8Environment(QProcessEnvironment environment);

    // SIGKILL to every process of the group led by `pid`; nothing for 0 or 1.
    static void killProcessGroup(qint64 pid);

    // The exit status once the child has ended normally.
    std::optional<int> exitCode() const;
private:
    void sendQueuedInput();
    bool ended() const;

    ChunkReader m_reader;
    std::unique_ptr<QProcess> m_process;
    QMutex m_inputMutex;
    QByteArray m_queuedInput;
    bool m_closeInput = false;   // asked for, under m_inputMutex
    bool m_inputClosed = false;  // done, on the reading thread
    bool m_started = false;
    std::atomic<qint64> m_group = 0;
    std::atomic<int> m_stopStep = 0; // 0 not stopping, 1 SIGINT sent, 2 SIGTERM, 3 SIGKILL
    std::atomic<qint64> m_stopSince = 0; // steady clock, ms
};
