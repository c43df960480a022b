#pragma once

#include "settings/result.h"
#include "toolchain/kitcommands.h"

#include <functional>

// Runs a kit tool that shows a window of its own (the applet viewer). With
// `wait`, reads its output (and drops it) until the output ends, calling
// `betweenReads` before the first read and after every read so the caller's
// window stays responsive; without, starts it and returns at once.
// A tool that cannot be started fails with a message naming its path; else
// the value tells whether the tool's exit status could be had.
Result<bool> RunAndWait(const KitCommands::KitCommand& command, bool wait,
                        const std::function<void()>& betweenReads = {});
