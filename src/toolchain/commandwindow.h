#pragma once

#include "toolchain/kitcommands.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// The system's command window: a terminal emulator found on the machine,
// started in a given folder with a shell, or with a program that runs in it
// and leaves the shell behind when it ends, so its last words stay readable.
// Folder and program reach the shell as positional arguments, never as
// text it parses.
namespace CommandWindow {

struct Emulator {
    QString program;        // its full path
    QStringList runSwitch;  // what comes before the program to run in it
    bool operator==(const Emulator&) const = default;
};

// x-terminal-emulator, then $TERMINAL, then the usual emulators, on the
// environment's PATH; none when there is none.
std::optional<Emulator> find(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// The switch an emulator takes before the command it is to run ("-e" for
// those it does not know).
QStringList runSwitchFor(const QString& program);

// A shell in `folder`.
KitCommands::KitCommand shellCommand(const Emulator& emulator, const QString& folder);
// `program` in its working folder, then a shell there.
KitCommands::KitCommand runCommand(const Emulator& emulator, const KitCommands::KitCommand& program);

// Said when find() has found nothing.
QString noEmulatorMessage();

} // namespace CommandWindow
