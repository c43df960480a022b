#include "editor/tsynhighlighterattributes.h"

#include "editor/tsyncustomhighlighter.h"

TSynHighlighterAttributes::TSynHighlighterAttributes(QString name, TSynCustomHighlighter* owner)
    : m_name(std::move(name)), m_owner(owner)
{
}

void TSynHighlighterAttributes::setForeground(TColor color)
{
    if (m_foreground == color)
        return;
    m_foreground = color;
    changed();
}

void TSynHighlighterAttributes::setBackground(TColor color)
{
    if (m_background == color)
        return;
    m_background = color;
    changed();
}

void TSynHighlighterAttributes::setStyle(int styleBits)
{
    styleBits &= fsBold | fsItalic | fsUnderline | fsStrikeOut;
    if (m_style == styleBits)
        return;
    m_style = styleBits;
    changed();
}

void TSynHighlighterAttributes::assign(TColor foreground, TColor background, int styleBits)
{
    styleBits &= fsBold | fsItalic | fsUnderline | fsStrikeOut;
    if (m_foreground == foreground && m_background == background && m_style == styleBits)
        return;
    m_foreground = foreground;
    m_background = background;
    m_style = styleBits;
    changed();
}

void TSynHighlighterAttributes::changed()
{
    if (m_owner)
        m_owner->attributeChanged();
}
