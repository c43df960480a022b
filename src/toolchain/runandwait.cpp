#include "toolchain/runandwait.h"

#include "toolchain/childprocess.h"

namespace {

// Short reads, so the caller's window gets its turn often.
constexpr int ReadSliceMs = 50;

} // namespace

Result<ToolRun> runToEnd(ChildUser user, const KitCommands::KitCommand& command,
                         const std::function<void()>& betweenReads)
{
    ChildProcess child(user);
    const Result<void> started = child.start({command.program, command.arguments, command.workingDirectory});
    if (!started)
        return Result<ToolRun>::failure(started.error());
    ToolRun run;
    if (betweenReads)
        betweenReads();
    for (;;) {
        const Chunk chunk = child.read(ReadSliceMs);
        if (chunk.kind == Chunk::Kind::End)
            break;
        run.output += chunk.bytes;
        if (betweenReads)
            betweenReads();
    }
    run.exitStatusKnown = child.exitCode().has_value();
    return run;
}

Result<bool> RunAndWait(const KitCommands::KitCommand& command, const std::function<void()>& betweenReads)
{
    const Result<ToolRun> run = runToEnd(ChildUser::RunAndWait, command, betweenReads);
    if (!run)
        return Result<bool>::failure(run.error());
    return run.value().exitStatusKnown;
}
