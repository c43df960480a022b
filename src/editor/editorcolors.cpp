#include "editor/editorcolors.h"

#include "editor/tsyncustomhighlighter.h"

namespace {

void foreground(TSynCustomHighlighter& hl, const char* name, TColor color)
{
    if (TSynHighlighterAttributes* a = hl.attributeByName(QLatin1String(name)))
        a->setForeground(color);
}

void style(TSynCustomHighlighter& hl, const char* name, int bits)
{
    if (TSynHighlighterAttributes* a = hl.attributeByName(QLatin1String(name)))
        a->setStyle(bits);
}

} // namespace

void applyEditorWindowColors(TSynCustomHighlighter& hl)
{
    using namespace Colors;
    const QString language = hl.languageName();
    if (language == QLatin1String("Java")) {
        foreground(hl, "Comment", clNavy);
        foreground(hl, "Documentation", clBlue);
        foreground(hl, "Identifier", clBlack);
        foreground(hl, "Reserved word", clTeal);
        foreground(hl, "String", clMaroon);
    } else if (language == QLatin1String("HTML")) {
        foreground(hl, "Escape ampersand", clNavy);
        style(hl, "Escape ampersand", 0);
        style(hl, "Comment", fsItalic);
        foreground(hl, "Reserved word", clTeal);
        style(hl, "Symbol", 0);
    } else if (language == QLatin1String("XML")) {
        foreground(hl, "Element Name", clNavy);
        foreground(hl, "Attribute Name", clTeal);
        if (TSynHighlighterAttributes* a = hl.attributeByName(QStringLiteral("Comment")))
            a->assign(clTeal, clNone, fsItalic);
    }
}
