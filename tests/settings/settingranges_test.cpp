#include "settings/settingranges.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingRanges, NumbersReadFromTheFileAreKeptInRange)
{
    const struct {
        int (*clamp)(int);
        int in, out;
    } cases[] = {
        {SettingRanges::autoSaveIntervalMs, 1, 60000},
        {SettingRanges::autoSaveIntervalMs, 0, 60000},
        {SettingRanges::autoSaveIntervalMs, 35791, 35791 * 60000},
        {SettingRanges::autoSaveIntervalMs, 35792, 35791 * 60000}, // would overflow the int
        {SettingRanges::autoSaveIntervalMs, 2000000000, 35791 * 60000},
        {SettingRanges::fontSize, 10, 10},
        {SettingRanges::fontSize, 100000, 72},
        {SettingRanges::fontSize, -3, 4},
        {SettingRanges::gutterWidth, 52, 52},
        {SettingRanges::gutterWidth, 100000, 300},
        {SettingRanges::gutterWidth, -1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.clamp(c.in), c.out) << c.in;
}

} // namespace
