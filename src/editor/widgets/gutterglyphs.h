#pragma once

#include <QPixmap>

#include <vector>

// Ten small numbered bookmark glyphs, 0 to 9, for the gutter's image list.
std::vector<QPixmap> makeBookmarkGlyphs(int size = 14);
