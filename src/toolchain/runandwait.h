#pragma once

#include "settings/result.h"
#include "toolchain/chunkreader.h"
#include "toolchain/kitcommands.h"

#include <QByteArray>

#include <functional>

// What a kit tool run to its end wrote, and whether its exit status could
// be had.
struct ToolRun {
    QByteArray output;
    bool exitStatusKnown = false;
};

// Runs a kit tool until its output ends, reading it in the chunks of `user`;
// `betweenReads` is called before the first read and after every read, so
// the caller's window stays responsive. A tool that cannot be started fails
// with a message naming its path.
Result<ToolRun> runToEnd(ChildUser user, const KitCommands::KitCommand& command,
                         const std::function<void()>& betweenReads = {});

// Runs a kit tool that shows a window of its own (the applet viewer) and
// waits for its end, dropping what it writes. The value tells whether the
// tool's exit status could be had.
Result<bool> RunAndWait(const KitCommands::KitCommand& command, const std::function<void()>& betweenReads = {});
