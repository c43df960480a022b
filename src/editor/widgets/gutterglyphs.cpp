#include "editor/widgets/gutterglyphs.h"

#include <QFont>
#include <QPainter>

std::vector<QPixmap> makeBookmarkGlyphs(int size)
{
    std::vector<QPixmap> glyphs;
    for (int n = 0; n < 10; ++n) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(0x20, 0x40, 0x80));
        p.setBrush(QColor(0x9c, 0xc3, 0xf0));
        p.drawRoundedRect(QRectF(0.5, 0.5, size - 1.0, size - 1.0), 2, 2);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(size - 4);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(0x10, 0x20, 0x50));
        p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString::number(n));
        glyphs.push_back(pm);
    }
    return glyphs;
}
