#pragma once

#include "settings/tcolor.h"

#include <QPushButton>

// A clickable colour swatch with a short caption on it ("GTR", "BG"): the
// options dialog's colour boxes. Clicking it is the caller's to handle
// (usually a colour dialog); the box only shows and keeps its colour.
class ColorBox : public QPushButton {
    Q_OBJECT
public:
    ColorBox(const QString& caption, const QString& hint, QWidget* parent = nullptr);

    TColor color() const { return m_color; }
    void setColor(TColor color);

    // Opens the colour dialog at the box's colour; on OK the box takes the
    // chosen colour as plain RGB. False when cancelled.
    bool chooseColor();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor m_color = Colors::clWhite;
};
