#pragma once

// The ranges numeric settings are kept to when they are read: a value typed
// into Vornic.ini by hand must not overflow a timer or make the text
// invisible.
namespace SettingRanges {

inline constexpr int MinAutoSaveMinutes = 1;
// The most minutes whose milliseconds still fit the timer's int.
inline constexpr int MaxAutoSaveMinutes = 35791;
inline constexpr int MinFontSize = 4;
inline constexpr int MaxFontSize = 72;
inline constexpr int MaxGutterWidth = 300;

// `AutoSaveInterval` (minutes) as the autosave timer's interval in ms.
int autoSaveIntervalMs(int minutes);
// `FontSize` in points.
int fontSize(int points);
// `GutterSize` in pixels.
int gutterWidth(int pixels);

} // namespace SettingRanges
