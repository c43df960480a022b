#include "toolchain/runandwait.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

TEST(RunAndWait, WaitsForTheEndOfOutputCallingBetweenReads)
{
    int turns = 0;
    const Result<bool> r =
        RunAndWait({"/bin/sh", {"-c", "echo 0123456789abcdefghij; sleep 0.2"}, QDir::tempPath()},
                   [&turns] { ++turns; });
    ASSERT_TRUE(r.ok()) << r.error().toStdString();
    EXPECT_TRUE(r.value());
    EXPECT_GE(turns, 3); // before reading, and after the reads of 16 bytes
}

TEST(RunAndWait, AToolThatCannotStartIsNamed)
{
    const Result<bool> r = RunAndWait({"/nonexistent/jdk/bin/appletviewer", {"tmp.htm"}, QDir::tempPath()});
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error().contains("/nonexistent/jdk/bin/appletviewer")) << r.error().toStdString();
}

} // namespace
