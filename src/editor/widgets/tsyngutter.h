#pragma once

#include "settings/tcolor.h"

#include <QFont>
#include <QWidget>

class TSynEdit;

// The strip left of the text: mark glyphs and, when asked, line numbers
// (optionally with leading zeros), in its own colour, font and pixel width.
class TSynGutter : public QWidget {
    Q_OBJECT
public:
    explicit TSynGutter(TSynEdit* owner);

    bool isShown() const { return m_shown; }
    void setShown(bool shown);
    int gutterWidth() const { return m_width; }
    void setGutterWidth(int pixels);
    TColor color() const { return m_color; }
    void setColor(TColor color);
    QFont gutterFont() const { return m_font; }
    void setGutterFont(const QFont& font);
    bool showLineNumbers() const { return m_lineNumbers; }
    void setShowLineNumbers(bool show);
    bool leadingZeros() const { return m_leadingZeros; }
    void setLeadingZeros(bool zeros);
    // The digits a line number fills with leading zeros (more when the
    // document has more lines).
    int digitCount() const { return m_digitCount; }
    void setDigitCount(int digits);

    // The text drawn for a line number.
    QString lineNumberText(int line, int lineCount) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    TSynEdit* m_owner;
    bool m_shown = true;
    int m_width = 30;
    TColor m_color = Colors::clBtnFace;
    QFont m_font;
    bool m_lineNumbers = false;
    bool m_leadingZeros = false;
    int m_digitCount = 4;
};
