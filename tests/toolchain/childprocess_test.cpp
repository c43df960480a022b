#include "toolchain/childprocess.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

// All output until End, reading as the console run does.
QByteArray readAll(ChildProcess& child)
{
    QByteArray all;
    for (int i = 0; i < 1000; ++i) {
        const Chunk chunk = child.read(5000);
        if (chunk.kind == Chunk::Kind::End)
            return all;
        all += chunk.bytes;
    }
    ADD_FAILURE() << "no end of output";
    return all;
}

TEST(ChildProcess, EchoArgumentsPassWithoutShell)
{
    ChildProcess child(ChildUser::ConsoleRun);
    const Result<void> started = child.start({"/bin/echo", {"a b", "'q'", "$HOME;|*"}, QDir::tempPath()});
    ASSERT_TRUE(started.ok()) << started.error().toStdString();
    EXPECT_EQ(readAll(child), QByteArray("a b 'q' $HOME;|*\n"));
    EXPECT_EQ(child.exitCode(), 0);
}

TEST(ChildProcess, MissingProgramIsReportedWithItsPath)
{
    ChildProcess child(ChildUser::CompileFile);
    const QString program = "/nonexistent/jdk/bin/javac";
    const Result<void> started = child.start({program, {"Hello.java"}, QDir::tempPath()});
    ASSERT_FALSE(started.ok());
    EXPECT_TRUE(started.error().contains(program)) << started.error().toStdString();
    EXPECT_EQ(child.read(100).kind, Chunk::Kind::End);
    EXPECT_EQ(child.exitCode(), std::nullopt);
}

TEST(ChildProcess, MissingWorkingFolderIsReportedWithItsPath)
{
    ChildProcess child(ChildUser::ConsoleRun);
    const Result<void> started = child.start({"/bin/echo", {}, "/nonexistent/folder"});
    ASSERT_FALSE(started.ok());
    EXPECT_TRUE(started.error().contains("/nonexistent/folder")) << started.error().toStdString();
}

// Merged channels, the working folder and the input pipe in one child.
TEST(ChildProcess, MergesErrorReadsInputAndRunsInFolder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ChildProcess child(ChildUser::ConsoleRun);
    const QString script = "echo out; echo err >&2; pwd; read line; echo \"got $line\"";
    ASSERT_TRUE(child.start({"/bin/sh", {"-c", script}, folder.path()}).ok());
    child.write("42\r\n");
    const QByteArray expected = "out\nerr\n" + QDir(folder.path()).canonicalPath().toUtf8() + "\ngot 42\r\n";
    EXPECT_EQ(readAll(child), expected);
}

} // namespace
