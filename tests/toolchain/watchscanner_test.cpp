#include "toolchain/watchscanner.h"

#include <gtest/gtest.h>

namespace {

struct ScanCase {
    const char* name;
    QStringList watches;
    QStringList log;
    QStringList pane;
};

const ScanCase scanCases[] = {
    {"ValueFromOneCharacterBeforeTheWatch",
     {"Hello.count"},
     {"main[1]  Hello.count = 3", "Hello.count = 4"},
     {"Hello.count = 3", "Hello.count = 4"}},
    // The block ends at its brace and the scan goes on to the later value.
    {"ObjectBlockThenALaterValue",
     {"Dumps.origin", "Dumps.count"},
     {"Dumps.origin = {", "x: 3", "y: 4", "}", "main[1] ", "Dumps.count = 3"},
     {"Dumps.origin = {", "x: 3", "y: 4", "}", "Dumps.count = 3"}},
    {"ShortWatchBesideALongerOne",
     {"A.b", "A.bc"},
     {"A.bc = 2", "A.b = 1", "xA.b = 5"},
     {"A.bc = 2", "A.b = 1", "xA.b = 5"}},
    {"LineOfTwoWatchesGivesBoth", {"A.b", "A.c"}, {"A.c = 1 A.b = 2"}, {"A.b = 2", "A.c = 1 A.b = 2"}},
    {"NoWatchesNothing", {}, {"A.b = 1"}, {}},
};

class WatchScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(WatchScanTest, LineByLineAndWholeLogAgree)
{
    const ScanCase& c = GetParam();
    WatchScanner scanner(c.watches);
    QStringList pane;
    for (const QString& line : c.log) {
        const QStringList peeked = scanner.peekLine(line);
        const QStringList scanned = scanner.scanLine(line);
        EXPECT_EQ(peeked, scanned) << line.toStdString();
        pane << scanned;
    }
    EXPECT_EQ(pane, c.pane);
    EXPECT_EQ(WatchScanner::rescan(c.log, c.watches), c.pane);
}

INSTANTIATE_TEST_SUITE_P(Cases, WatchScanTest, ::testing::ValuesIn(scanCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WatchScanner, PeekingLeavesTheBlockStateAlone)
{
    WatchScanner scanner({"Dumps.arr"});
    EXPECT_EQ(scanner.peekLine(u"Dumps.arr = {"), QStringList({"Dumps.arr = {"}));
    EXPECT_EQ(scanner.scanLine(u"1, 2, 3"), QStringList());
}

} // namespace
