#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// A colour as the settings and colour files store it: 0x00BBGGRR for an RGB
// colour, 0x80000000 plus an index for a system colour, clNone and clDefault.
// Kept signed because colour files write the value in signed decimal.
using TColor = std::int32_t;

namespace Colors {

constexpr TColor rgb(int r, int g, int b) { return TColor(r | (g << 8) | (b << 16)); }
constexpr TColor systemColor(int index) { return TColor(0x80000000u + unsigned(index)); }
constexpr bool isSystemColor(TColor c) { return (std::uint32_t(c) & 0xFF000000u) == 0x80000000u; }
constexpr int red(TColor c) { return c & 0xFF; }
constexpr int green(TColor c) { return (c >> 8) & 0xFF; }
constexpr int blue(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0;

// System colour indexes.
enum SystemColorIndex {
    ScrollBar = 0, Background, ActiveCaption, InactiveCaption, Menu, Window, WindowFrame, MenuText,
    WindowText, CaptionText, ActiveBorder, InactiveBorder, AppWorkSpace, Highlight, HighlightText,
    BtnFace, BtnShadow, GrayText, BtnText, InactiveCaptionText, BtnHighlight, DkShadow3D, Light3D,
    InfoText, InfoBk, GradientActiveCaption = 27, GradientInactiveCaption = 28
};

constexpr TColor clBtnFace = systemColor(BtnFace);
constexpr TColor clWindow = systemColor(Window);
constexpr TColor clWindowText = systemColor(WindowText);
constexpr TColor clHighlight = systemColor(Highlight);
constexpr TColor clHighlightText = systemColor(HighlightText);
constexpr TColor clInfoBk = systemColor(InfoBk);
constexpr TColor cl3DLight = systemColor(Light3D);
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The colour notation: a name from the table when the value has one, else
// "$" and eight upper-case hexadecimal digits.
QString ColorToString(TColor color);

// A name from the table (letter case ignored) or an integer ("$" or "0x" for
// hexadecimal). Nothing when the text is neither.
std::optional<TColor> StringToColor(const QString& text);

// The message of a text that is no integer, as the conversion error shows it.
QString invalidIntegerMessage(const QString& text);

} // namespace Colors
