#pragma once

#include "editor/headerfooteritems.h"
#include "settings/result.h"

#include <QFont>
#include <QSizeF>
#include <QStringList>

#include <optional>
#include <vector>

class QPainter;
class QPrinter;
class TSynCustomHighlighter;
class TSynEdit;
class TSynHighlighterAttributes;

// The header or the footer of a printed page: texts on numbered lines, each
// in its own font or the default one (Arial 10 points, black).
class TSynEditPrintHeaderFooter {
public:
    TSynEditPrintHeaderFooter();
    void Clear();
    // font: nullptr for the default font.
    void Add(const QString& text, const QFont* font, HFAlignment alignment, int lineNumber);
    const HeaderFooterItems& items() const { return m_items; }
    QFont fontOf(std::size_t item) const;
    int lineCount() const { return headerFooterLineCount(m_items); }

    QFont DefaultFont;
    bool FrameBox = false; // a box drawn around it
    bool Shaded = false;   // the box filled grey

private:
    HeaderFooterItems m_items;
    std::vector<std::optional<QFont>> m_fonts;
};

// Margins of the page in millimetres: the text's on four sides, the header's
// top and the footer's bottom from the paper's edge, the indent of header
// and footer texts, and the gap between a footer's frame and its text.
struct PrintMargins {
    double Left = 25, Right = 15, Top = 25, Bottom = 25;
    double Header = 15, Footer = 15;
    double HFTextIndent = 2, HFInternalMargin = 0.5;
};

// The print engine. Lays a document's lines out on pages of the printer's
// paper at the printer's resolution, with a header and a footer on each
// page, and paints a page to any painter: the printer itself, or the preview
// (scaled), so the preview shows exactly what prints. Lines longer than the
// text width wrap onto further printed lines (only the first carries the
// line number); nothing is cut off.
class TSynEditPrint {
public:
    TSynEditPrint();
    ~TSynEditPrint();

    QString Title;    // the print job's name
    QString DocTitle; // the document's name
    PrintMargins Margins;
    int Copies = 1;

    void setLines(const QStringList& lines);
    const QStringList& lines() const { return m_lines; }
    // None: printed in black. The highlighter is used while laying out and
    // painting only, and its scanning state is set each time.
    void setHighlighter(TSynCustomHighlighter* highlighter);
    TSynCustomHighlighter* highlighter() const { return m_highlighter; }
    // Colours (and font styles) of the highlighter on or off.
    void setHighlight(bool on);
    bool highlight() const { return m_highlight; }
    void setLineNumbers(bool on);
    bool lineNumbers() const { return m_lineNumbers; }
    void setFont(const QFont& font);
    QFont font() const { return m_font; }
    void setTabWidth(int columns);
    int tabWidth() const { return m_tabWidth; }
    // The font and tab width of an edit control.
    void SetSynEditProperties(const TSynEdit& edit);

    // Changing them lays the pages out anew.
    TSynEditPrintHeaderFooter& Header();
    TSynEditPrintHeaderFooter& Footer();

    // Paper and resolution of the layout, from a printer's page set-up.
    void setPrinter(const QPrinter& printer);
    void setPage(const QSizeF& paperMillimetres, int dotsPerInch);
    QSizeF paperMillimetres() const { return m_paperMm; }
    // Size of a page in the units paintPage() paints in (printer dots).
    QSizeF pageSizeDots() const;

    int PageCount();
    // Printed lines on a full page, and in the whole document (a wrapped
    // line takes several).
    int linesPerPage();
    int printedLineCount();
    // Paints page `pageNumber` (1-based) with the page's top left corner at
    // the painter's origin, in printer dots.
    void paintPage(QPainter& painter, int pageNumber);
    // Prints the pages the printer's range asks for (all by default). A
    // PDF file is written beside its name and moved over it at the end, so a
    // failure leaves an existing file as it was.
    Result<void> Print(QPrinter& printer);

private:
    struct Row {
        int line;  // index in m_lines
        int start; // first character
        int end;   // after the last
    };
    struct Token {
        int start, length;
        const TSynHighlighterAttributes* attribute;
    };
    void invalidate() { m_laidOut = false; }
    void layout();
    double dots(double millimetres) const { return millimetres * m_dpi / 25.4; }
    QFont scaled(const QFont& font) const;
    double advance(QChar c) const;
    void paintHeaderFooter(QPainter& painter, TSynEditPrintHeaderFooter& part, double top, int pageNumber);
    void paintRow(QPainter& painter, const Row& row, double y, const std::vector<Token>& tokens);
    std::vector<Token> tokensOf(int line);
    Result<void> printPages(QPrinter& printer);

    QStringList m_lines;
    TSynCustomHighlighter* m_highlighter = nullptr;
    bool m_highlight = true;
    bool m_lineNumbers = false;
    QFont m_font;
    int m_tabWidth = 8;
    TSynEditPrintHeaderFooter m_header, m_footer;
    QSizeF m_paperMm{210, 297};
    int m_dpi = 600;

    // Layout.
    bool m_laidOut = false;
    QFont m_textFont; // m_font in printer dots
    double m_lineHeight = 0, m_ascent = 0, m_spaceWidth = 0;
    double m_advances[256] = {};
    double m_numberWidth = 0;
    double m_bodyTop = 0, m_bodyLeft = 0, m_bodyWidth = 0;
    double m_footerTop = 0;
    int m_rowsPerPage = 1;
    std::vector<Row> m_rows;
    std::vector<int> m_ranges; // the highlighter's state at the start of each line
};
