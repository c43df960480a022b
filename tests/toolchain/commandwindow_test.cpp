#include "toolchain/commandwindow.h"

#include "common/shellscript.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// A folder of fake programs to stand on PATH.
class FakePath {
public:
    QString add(const QString& name, const QString& body = {})
    {
        const QString path = dir.filePath(name);
        writeShellScript(path, body);
        return path;
    }
    QProcessEnvironment environment(const QString& terminal = {}) const
    {
        QProcessEnvironment env;
        env.insert("PATH", dir.path());
        if (!terminal.isEmpty())
            env.insert("TERMINAL", terminal);
        return env;
    }
    QTemporaryDir dir;
};

TEST(CommandWindow, FindsTheSystemsChoiceThenTheUsersThenTheUsualOnes)
{
    FakePath path;
    EXPECT_EQ(CommandWindow::find(path.environment()), std::nullopt);
    const QString xterm = path.add("xterm");
    const QString gnome = path.add("gnome-terminal");
    EXPECT_EQ(CommandWindow::find(path.environment()), (CommandWindow::Emulator{gnome, {"--"}}));
    const QString kitty = path.add("kitty");
    EXPECT_EQ(CommandWindow::find(path.environment("kitty")), (CommandWindow::Emulator{kitty, {}}));
    EXPECT_EQ(CommandWindow::find(path.environment(xterm)), (CommandWindow::Emulator{xterm, {"-e"}}));
    EXPECT_EQ(CommandWindow::find(path.environment("not-installed")), (CommandWindow::Emulator{gnome, {"--"}}));
    const QString system = path.add("x-terminal-emulator");
    EXPECT_EQ(CommandWindow::find(path.environment("kitty")), (CommandWindow::Emulator{system, {"-e"}}));
}

TEST(CommandWindow, SwitchesOfTheKnownEmulators)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"/usr/bin/gnome-terminal", {"--"}}, {"/usr/bin/xfce4-terminal", {"-x"}}, {"/usr/bin/konsole", {"-e"}},
        {"/usr/bin/xterm", {"-e"}},          {"/usr/bin/foot", {}},               {"/opt/unknown-term", {"-e"}},
    };
    for (const auto& [program, expected] : cases)
        EXPECT_EQ(CommandWindow::runSwitchFor(program), expected) << program;
}

// Runs the command a fake terminal is given, as a real one would; the shell
// it leaves behind is /bin/true, so the window "closes" at once.
TEST(CommandWindow, RunsTheProgramInItsFolderWithItsArgumentsWhole)
{
    FakePath path;
    const QString terminal = path.add("xterm", "[ \"$1\" = -e ] || exit 3\nshift\nexec \"$@\"");
    QTemporaryDir work; // a name with a blank and shell characters
    const QString folder = work.filePath("my $dir; 'x'");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString out = work.filePath("out.txt");
    const KitCommands::KitCommand program{"/bin/sh",
                                          {"-c", "pwd > \"$0\"; printf '%s\\n' \"$@\" >> \"$0\"", out, "-classpath",
                                           "a b:c", "Hello"},
                                          folder};
    const KitCommands::KitCommand c = CommandWindow::runCommand({terminal, {"-e"}}, program);
    EXPECT_EQ(c.workingDirectory, folder);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SHELL", "/bin/true");
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(c.workingDirectory);
    p.start(c.program, c.arguments);
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 0);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLocal8Bit(f.readAll()), folder + "\n-classpath\na b:c\nHello\n");

    const KitCommands::KitCommand shell = CommandWindow::shellCommand({terminal, {"-e"}}, folder);
    p.setWorkingDirectory("/");
    p.start(shell.program, shell.arguments);
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 0);
}

} // namespace
