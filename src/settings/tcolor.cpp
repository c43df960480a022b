#include "settings/tcolor.h"

#include "settings/inifile.h"

#include <array>

namespace Colors {
namespace {

struct NamedColor {
    const char* name;
    TColor value;
};

constexpr std::array<NamedColor, 48> kNames{{
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue}, {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clScrollBar", systemColor(ScrollBar)}, {"clBackground", systemColor(Background)},
    {"clActiveCaption", systemColor(ActiveCaption)}, {"clInactiveCaption", systemColor(InactiveCaption)},
    {"clMenu", systemColor(Menu)}, {"clWindow", systemColor(Window)},
    {"clWindowFrame", systemColor(WindowFrame)}, {"clMenuText", systemColor(MenuText)},
    {"clWindowText", systemColor(WindowText)}, {"clCaptionText", systemColor(CaptionText)},
    {"clActiveBorder", systemColor(ActiveBorder)}, {"clInactiveBorder", systemColor(InactiveBorder)},
    {"clAppWorkSpace", systemColor(AppWorkSpace)}, {"clHighlight", systemColor(Highlight)},
    {"clHighlightText", systemColor(HighlightText)}, {"clBtnFace", systemColor(BtnFace)},
    {"clBtnShadow", systemColor(BtnShadow)}, {"clGrayText", systemColor(GrayText)},
    {"clBtnText", systemColor(BtnText)}, {"clInactiveCaptionText", systemColor(InactiveCaptionText)},
    {"clBtnHighlight", systemColor(BtnHighlight)}, {"cl3DDkShadow", systemColor(DkShadow3D)},
    {"cl3DLight", systemColor(Light3D)}, {"clInfoText", systemColor(InfoText)},
    {"clInfoBk", systemColor(InfoBk)}, {"clGradientActiveCaption", systemColor(GradientActiveCaption)},
    {"clGradientInactiveCaption", systemColor(GradientInactiveCaption)}, {"clNone", clNone},
}};

} // namespace

QString ColorToString(TColor color)
{
    if (color == clDefault)
        return QStringLiteral("clDefault");
    for (const NamedColor& n : kNames)
        if (n.value == color)
            return QString::fromLatin1(n.name);
    return QStringLiteral("$%1").arg(std::uint32_t(color), 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> StringToColor(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("clDefault"), Qt::CaseInsensitive) == 0)
        return clDefault;
    for (const NamedColor& n : kNames)
        if (t.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.value;
    if (auto v = parseIniInteger(t))
        return TColor(*v);
    return std::nullopt;
}

QString invalidIntegerMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

} // namespace Colors
