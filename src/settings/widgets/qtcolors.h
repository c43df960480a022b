#pragma once

#include "settings/tcolor.h"

#include <QColor>

// The screen colour of a stored colour. System colours come from the
// running style's palette; clNone and clDefault give an invalid QColor, which
// callers read as "leave it as it is".
QColor toQColor(TColor color);

// The stored form of a screen colour (always an RGB value).
TColor fromQColor(const QColor& color);
