#pragma once

#include "settings/tcolor.h"

#include <QString>

class TSynCustomHighlighter;

// Font style bits, as colour files store them.
enum FontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// One highlighting element of a highlighter: its name (the section name in
// colour files), colours and font style. Changes are reported to the owner
// so that edit controls showing it repaint.
class TSynHighlighterAttributes {
public:
    TSynHighlighterAttributes(QString name, TSynCustomHighlighter* owner);

    const QString& name() const { return m_name; }
    TColor foreground() const { return m_foreground; }
    TColor background() const { return m_background; }
    int style() const { return m_style; }

    void setForeground(TColor color);
    void setBackground(TColor color);
    void setStyle(int styleBits);
    // Sets all three with one change notice.
    void assign(TColor foreground, TColor background, int styleBits);

    // Position in the owner's sorted list; the edit control's style number.
    int index() const { return m_index; }

private:
    friend class TSynCustomHighlighter;
    void changed();

    QString m_name;
    TSynCustomHighlighter* m_owner;
    TColor m_foreground = Colors::clNone;
    TColor m_background = Colors::clNone;
    int m_style = 0;
    int m_index = 0;
};
