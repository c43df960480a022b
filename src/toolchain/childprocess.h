#pragma once

#include "settings/result.h"
#include "toolchain/chunkreader.h"

#include <QByteArray>
#include <QMutex>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

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
// merged into one stream, standard input a pipe, and a process group of its
// own, so the tool and whatever it starts can be ended together. The tool is
// killed when the thread that started it ends, so it cannot outlive a killed
// program; the thread waits for the tool anyway. Reading is blocking with a
// time-out, from the thread that started the child; write() may be called
// from any thread and is sent by the reading thread, since the process
// object belongs to that thread.
class ChildProcess {
public:
    explicit ChildProcess(ChildUser user);
    ~ChildProcess(); // stops a child that still runs

    // Waits until the child runs. A failure names the program (or the
    // working folder) that failed and the system's reason.
    Result<void> start(const ChildCommand& command);

    // Waits up to timeoutMs (-1: for ever) for output; Waiting on time-out,
    // End once the child has ended and its output is all read.
    Chunk read(int timeoutMs);

    // Queues bytes for the child's input; dropped silently once it has ended.
    void write(QByteArrayView bytes);

    // The exit status once the child has ended normally.
    std::optional<int> exitCode() const;
    // The child's process id (also its process group's), 0 when not started.
    qint64 processId() const;

    // `environment` with a UTF-8 character set for the child. Under a
    // locale that is not UTF-8 (LANG=C) a JVM cannot name a file whose name
    // is not ASCII, so javac stops at such a file in the source's folder;
    // LC_CTYPE=C.UTF-8 (always there on Debian) mends that and matches the
    // console, which talks UTF-8. Other categories keep the user's locale.
    static QProcessEnvironment utf8Environment(QProcessEnvironment environment);

    // SIGKILL to every process of the group led by `pid`; nothing for 0 or 1.
    static void killProcessGroup(qint64 pid);

private:
    void sendQueuedInput();
    bool ended() const;

    ChunkReader m_reader;
    std::unique_ptr<QProcess> m_process;
    QMutex m_inputMutex;
    QByteArray m_queuedInput;
    bool m_started = false;
};
