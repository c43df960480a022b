#include "settings/settingranges.h"

#include <algorithm>

namespace SettingRanges {

int autoSaveIntervalMs(int minutes)
{
    return std::clamp(minutes, MinAutoSaveMinutes, MaxAutoSaveMinutes) * 60000;
}

int fontSize(int points)
{
    return std::clamp(points, MinFontSize, MaxFontSize);
}

int gutterWidth(int pixels)
{
    return std::clamp(pixels, 0, MaxGutterWidth);
}

} // namespace SettingRanges
