#include "settings/widgets/colorbox.h"

#include "settings/widgets/qtcolors.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

ColorBox::ColorBox(const QString& caption, const QString& hint, QWidget* parent) : QPushButton(caption, parent)
{
    setToolTip(hint);
    setAccessibleName(caption.isEmpty() ? hint : caption);
    setAccessibleDescription(hint);
}

void ColorBox::setColor(TColor color)
{
    m_color = color;
    update();
}

bool ColorBox::chooseColor()
{
    QColor start = toQColor(m_color);
    if (!start.isValid())
        start = Qt::white;
    const QColor chosen = QColorDialog::getColor(start, this, toolTip(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return false;
    setColor(fromQColor(chosen));
    return true;
}

QSize ColorBox::sizeHint() const
{
    const QSize text = QPushButton::sizeHint();
    return {std::max(text.width(), fontMetrics().height() * 4), std::max(text.height(), fontMetrics().height() * 2)};
}

void ColorBox::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButtonBevel, option);
    const QRect swatch = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 2, -2, -2);
    const QColor color = toQColor(m_color);
    p.setPen(palette().color(QPalette::Mid));
    if (color.isValid()) {
        p.fillRect(swatch, color);
    } else {
        // "None": the colour behind shows through.
        p.fillRect(swatch, palette().color(QPalette::Base));
        p.drawLine(swatch.bottomLeft(), swatch.topRight());
    }
    p.drawRect(swatch);
    const QColor back = color.isValid() ? color : palette().color(QPalette::Base);
    p.setPen(back.lightness() > 128 ? Qt::black : Qt::white);
    p.drawText(swatch, Qt::AlignCenter, text());
}
