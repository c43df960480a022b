#include "toolchain/runandwait.h"

#include "toolchain/childprocess.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

// Short reads, so the caller's window gets its turn often.
constexpr int ReadSliceMs = 50;

} // namespace

Result<bool> RunAndWait(const KitCommands::KitCommand& command, bool wait, const std::function<void()>& betweenReads)
{
    if (!wait) {
        const QFileInfo program(command.program);
        if (!program.isFile() || !program.isExecutable())
            return Result<bool>::failure(
                QStringLiteral("Could not start %1: No such file or directory")
                    .arg(QDir::toNativeSeparators(command.program)));
        qint64 pid = 0;
        if (!QProcess::startDetached(command.program, command.arguments, command.workingDirectory, &pid))
            return Result<bool>::failure(
                QStringLiteral("Could not start %1").arg(QDir::toNativeSeparators(command.program)));
        return false;
    }
    ChildProcess child(ChildUser::RunAndWait);
    const Result<void> started = child.start({command.program, command.arguments, command.workingDirectory});
    if (!started)
        return Result<bool>::failure(started.error());
    if (betweenReads)
        betweenReads();
    for (;;) {
        const Chunk chunk = child.read(ReadSliceMs);
        if (chunk.kind == Chunk::Kind::End)
            break;
        if (betweenReads)
            betweenReads();
    }
    return child.exitCode().has_value();
}
