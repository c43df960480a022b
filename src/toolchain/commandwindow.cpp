#include "toolchain/commandwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace CommandWindow {

namespace {

// The usual emulators, in the order they are tried after the system's own
// choice and the user's $TERMINAL.
constexpr const char* UsualEmulators[] = {
    "gnome-terminal", "konsole", "xfce4-terminal", "mate-terminal", "terminator", "tilix",
    "alacritty",      "kitty",   "foot",           "wezterm",       "xterm",      "urxvt",
};

QString findOnPath(const QString& name, const QStringList& path)
{
    if (name.contains(QLatin1Char('/'))) {
        const QFileInfo file(name);
        return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(name, path);
}

// Runs the program named in "$2..." in folder "$1", then stays with a shell.
const QString RunScript = QStringLiteral("cd -- \"$1\" || exit; shift; \"$@\"; exec \"${SHELL:-/bin/sh}\"");
const QString ShellScript = QStringLiteral("cd -- \"$1\" || exit; exec \"${SHELL:-/bin/sh}\"");

KitCommands::KitCommand inEmulator(const Emulator& emulator, const QString& script, const QString& folder,
                                   const QStringList& programAndArguments)
{
    KitCommands::KitCommand c;
    c.program = emulator.program;
    c.arguments << emulator.runSwitch << QStringLiteral("/bin/sh") << QStringLiteral("-c") << script
                << QStringLiteral("sh") << folder << programAndArguments;
    c.workingDirectory = folder;
    return c;
}

} // namespace

QStringList runSwitchFor(const QString& program)
{
    const QString name = QFileInfo(program).fileName();
    if (name == QLatin1String("gnome-terminal"))
        return {QStringLiteral("--")};
    if (name == QLatin1String("xfce4-terminal") || name == QLatin1String("mate-terminal") ||
        name == QLatin1String("terminator"))
        return {QStringLiteral("-x")};
    if (name == QLatin1String("kitty") || name == QLatin1String("foot"))
        return {};
    if (name == QLatin1String("wezterm"))
        return {QStringLiteral("start"), QStringLiteral("--")};
    return {QStringLiteral("-e")};
}

std::optional<Emulator> find(const QProcessEnvironment& environment)
{
    const QStringList path =
        environment.value(QStringLiteral("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QStringList candidates{QStringLiteral("x-terminal-emulator")};
    const QString chosen = environment.value(QStringLiteral("TERMINAL")).trimmed();
    if (!chosen.isEmpty())
        candidates << chosen;
    for (const char* name : UsualEmulators)
        candidates << QString::fromLatin1(name);
    for (const QString& name : candidates) {
        const QString program = findOnPath(name, path);
        if (!program.isEmpty())
            // x-terminal-emulator links to the real one; Debian makes every
            // target take "-e command arguments...".
            return Emulator{program, name == QLatin1String("x-terminal-emulator") ? QStringList{QStringLiteral("-e")}
                                                                                  : runSwitchFor(program)};
    }
    return std::nullopt;
}

KitCommands::KitCommand shellCommand(const Emulator& emulator, const QString& folder)
{
    return inEmulator(emulator, ShellScript, folder, {});
}

KitCommands::KitCommand runCommand(const Emulator& emulator, const KitCommands::KitCommand& program)
{
    return inEmulator(emulator, RunScript, program.workingDirectory, QStringList{program.program} << program.arguments);
}

QString noEmulatorMessage()
{
    return QStringLiteral("No terminal emulator was found on this machine (tried x-terminal-emulator, $TERMINAL, "
                          "gnome-terminal, konsole, xfce4-terminal, xterm and others). Please install one, or set "
                          "TERMINAL to the one you use.");
}

} // namespace CommandWindow
