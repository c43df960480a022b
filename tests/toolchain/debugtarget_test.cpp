#include "toolchain/debugtarget.h"

#include <gtest/gtest.h>

#include <QThread>

#include <thread>

namespace {

// The agent's line comes in pieces, after other output.
TEST(DebugTarget, PortFromALineSplitAcrossChunks)
{
    DebugTarget target;
    std::thread program([&target] {
        target.output("Picked up JAVA_TOOL_OPTIONS: -Dfile.encoding=UTF-8\nListening for transport dt_soc");
        QThread::msleep(50);
        target.output("ket at add");
        target.output("ress: 45765");
        target.output("\nHello\n");
    });
    const Result<quint16> port = target.waitForPort(10000, {});
    program.join();
    ASSERT_TRUE(port) << port.error().toStdString();
    EXPECT_EQ(port.value(), 45765);
}

TEST(DebugTarget, NoPortSaysWhy)
{
    DebugTarget failed;
    failed.ended("Could not start /nonexistent/bin/java: No such file or directory");
    EXPECT_EQ(failed.waitForPort(10000, {}).error(),
              "Could not start /nonexistent/bin/java: No such file or directory");

    DebugTarget ended;
    ended.output("Error: Could not find or load main class Hello{\n");
    ended.ended();
    EXPECT_TRUE(ended.waitForPort(10000, {}).error().contains("ended before its debug agent reported a port"));

    DebugTarget silent;
    EXPECT_TRUE(silent.waitForPort(100, {}).error().contains("did not report its debug port"));

    DebugTarget stopped;
    EXPECT_TRUE(stopped.waitForPort(10000, [] { return true; }).error().contains("stopped"));
}

// A program that never started has no group to kill: kill(0) would reach ours.
TEST(DebugTarget, KillWithoutAProgramDoesNothing)
{
    DebugTarget target;
    target.kill();
    target.started(0);
    target.kill();
    SUCCEED();
}

} // namespace
