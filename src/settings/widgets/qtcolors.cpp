#include "settings/widgets/qtcolors.h"

#include <QApplication>
#include <QPalette>

namespace {

QColor systemColor(int index)
{
    const QPalette pal = QApplication::palette();
    using R = QPalette::ColorRole;
    switch (index) {
    case Colors::ScrollBar: return pal.color(R::Button);
    case Colors::Background: return pal.color(R::Window);
    case Colors::ActiveCaption: return pal.color(R::Highlight);
    case Colors::InactiveCaption: return pal.color(R::Mid);
    case Colors::Menu: return pal.color(R::Window);
    case Colors::Window: return pal.color(R::Base);
    case Colors::WindowFrame: return pal.color(R::Shadow);
    case Colors::MenuText: return pal.color(R::WindowText);
    case Colors::WindowText: return pal.color(R::Text);
    case Colors::CaptionText: return pal.color(R::HighlightedText);
    case Colors::ActiveBorder: return pal.color(R::Window);
    case Colors::InactiveBorder: return pal.color(R::Window);
    case Colors::AppWorkSpace: return pal.color(R::Dark);
    case Colors::Highlight: return pal.color(R::Highlight);
    case Colors::HighlightText: return pal.color(R::HighlightedText);
    case Colors::BtnFace: return pal.color(R::Button);
    case Colors::BtnShadow: return pal.color(R::Dark);
    case Colors::GrayText: return pal.color(QPalette::Disabled, R::Text);
    case Colors::BtnText: return pal.color(R::ButtonText);
    case Colors::InactiveCaptionText: return pal.color(QPalette::Inactive, R::WindowText);
    case Colors::BtnHighlight: return pal.color(R::Light);
    case Colors::DkShadow3D: return pal.color(R::Shadow);
    case Colors::Light3D: return pal.color(R::Midlight);
    case Colors::InfoText: return pal.color(R::ToolTipText);
    case Colors::InfoBk: return pal.color(R::ToolTipBase);
    case Colors::GradientActiveCaption: return pal.color(R::Highlight).lighter(130);
    case Colors::GradientInactiveCaption: return pal.color(R::Mid).lighter(130);
    default: return pal.color(R::Window);
    }
}

} // namespace

QColor toQColor(TColor color)
{
    if (color == Colors::clNone || color == Colors::clDefault)
        return {};
    if (Colors::isSystemColor(color))
        return systemColor(color & 0xFF);
    return QColor(Colors::red(color), Colors::green(color), Colors::blue(color));
}

TColor fromQColor(const QColor& color)
{
    return Colors::rgb(color.red(), color.green(), color.blue());
}
