#include "editor/widgets/tsyneditprint.h"

#include "editor/linestore.h"
#include "editor/tokenwalker.h"
#include "editor/tsyncustomhighlighter.h"
#include "editor/widgets/tsynedit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>

namespace {

QFont arial10()
{
    QFont f(QStringLiteral("Arial"), 10);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

// Control characters print as a middle dot rather than a font's empty box.
QChar printable(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != '\t') || (u >= 0x7F && u <= 0x9F) ? QChar(0xB7) : c;
}

QColor colorOf(TColor c)
{
    if (c == Colors::clNone || c == Colors::clDefault || Colors::isSystemColor(c))
        return Qt::black;
    return QColor(Colors::red(c), Colors::green(c), Colors::blue(c));
}

} // namespace

// ---- header and footer ---------------------------------------------------

TSynEditPrintHeaderFooter::TSynEditPrintHeaderFooter() : DefaultFont(arial10()) {}

void TSynEditPrintHeaderFooter::Clear()
{
    m_items.clear();
    m_fonts.clear();
}

void TSynEditPrintHeaderFooter::Add(const QString& text, const QFont* font, HFAlignment alignment, int lineNumber)
{
    m_items.push_back({text, alignment, std::max(1, lineNumber)});
    m_fonts.push_back(font ? std::optional<QFont>(*font) : std::nullopt);
}

QFont TSynEditPrintHeaderFooter::fontOf(std::size_t item) const
{
    return item < m_fonts.size() && m_fonts[item] ? *m_fonts[item] : DefaultFont;
}

// ---- set-up --------------------------------------------------------------

TSynEditPrint::TSynEditPrint()
{
    m_font = QFont(QStringLiteral("Courier New"), 10);
    m_font.setStyleHint(QFont::TypeWriter);
    m_footer.FrameBox = true;
    m_footer.Shaded = true;
}

TSynEditPrint::~TSynEditPrint() = default;

void TSynEditPrint::setLines(const QStringList& lines)
{
    m_lines = lines;
    invalidate();
}

void TSynEditPrint::setHighlighter(TSynCustomHighlighter* highlighter)
{
    m_highlighter = highlighter;
    invalidate();
}

void TSynEditPrint::setHighlight(bool on) { m_highlight = on; invalidate(); }
void TSynEditPrint::setLineNumbers(bool on) { m_lineNumbers = on; invalidate(); }
void TSynEditPrint::setFont(const QFont& font) { m_font = font; invalidate(); }
void TSynEditPrint::setTabWidth(int columns) { m_tabWidth = std::max(1, columns); invalidate(); }

void TSynEditPrint::SetSynEditProperties(const TSynEdit& edit)
{
    setFont(edit.font());
    setTabWidth(edit.tabWidth());
}

TSynEditPrintHeaderFooter& TSynEditPrint::Header()
{
    invalidate();
    return m_header;
}

TSynEditPrintHeaderFooter& TSynEditPrint::Footer()
{
    invalidate();
    return m_footer;
}

void TSynEditPrint::setPrinter(const QPrinter& printer)
{
    setPage(printer.pageLayout().fullRect(QPageLayout::Millimeter).size(), printer.resolution());
}

void TSynEditPrint::setPage(const QSizeF& paperMillimetres, int dotsPerInch)
{
    if (paperMillimetres == m_paperMm && dotsPerInch == m_dpi)
        return;
    m_paperMm = paperMillimetres;
    m_dpi = std::max(72, dotsPerInch);
    invalidate();
}

QSizeF TSynEditPrint::pageSizeDots() const
{
    return {dots(m_paperMm.width()), dots(m_paperMm.height())};
}

// ---- layout --------------------------------------------------------------

QFont TSynEditPrint::scaled(const QFont& font) const
{
    // Sized in printer dots, so the same font paints alike on the printer and
    // on a scaled preview.
    QFont f = font;
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    f.setPixelSize(std::max(1, int(std::lround(points * m_dpi / 72.0))));
    return f;
}

double TSynEditPrint::advance(QChar c) const
{
    c = printable(c);
    if (c.unicode() < 256)
        return m_advances[c.unicode()];
    return QFontMetricsF(m_textFont).horizontalAdvance(c);
}

int TSynEditPrint::PageCount()
{
    layout();
    return std::max(1, int((m_rows.size() + std::size_t(m_rowsPerPage) - 1) / std::size_t(m_rowsPerPage)));
}

int TSynEditPrint::linesPerPage()
{
    layout();
    return m_rowsPerPage;
}

int TSynEditPrint::printedLineCount()
{
    layout();
    return int(m_rows.size());
}

void TSynEditPrint::layout()
{
    if (m_laidOut)
        return;
    m_laidOut = true;
    m_textFont = scaled(m_font);
    const QFontMetricsF fm(m_textFont);
    m_lineHeight = fm.lineSpacing();
    m_ascent = fm.ascent();
    for (int c = 0; c < 256; ++c)
        m_advances[c] = fm.horizontalAdvance(QChar(c));
    m_spaceWidth = m_advances[' '];

    auto partHeight = [this](const TSynEditPrintHeaderFooter& part) {
        double h = 0;
        for (int line = 1; line <= part.lineCount(); ++line) {
            double lh = QFontMetricsF(scaled(part.DefaultFont)).lineSpacing();
            for (std::size_t i = 0; i < part.items().size(); ++i)
                if (part.items()[i].lineNumber == line)
                    lh = std::max(lh, QFontMetricsF(scaled(part.fontOf(i))).lineSpacing());
            h += lh;
        }
        return h > 0 ? h + 2 * dots(Margins.HFInternalMargin) : 0.0;
    };
    const QSizeF page = pageSizeDots();
    const double headerBottom = dots(Margins.Header) + partHeight(m_header);
    const double footerHeight = partHeight(m_footer);
    m_footerTop = page.height() - dots(Margins.Footer) - footerHeight;
    const double gap = m_lineHeight / 2;
    m_bodyTop = std::max(dots(Margins.Top), m_header.lineCount() ? headerBottom + gap : 0.0);
    const double bodyBottom = std::min(page.height() - dots(Margins.Bottom), m_footer.lineCount() ? m_footerTop - gap : page.height());
    m_rowsPerPage = std::max(1, int((bodyBottom - m_bodyTop) / m_lineHeight));

    m_numberWidth = m_lineNumbers ? fm.horizontalAdvance(QString(QString::number(m_lines.size()).size() + 1, u'9')) : 0;
    m_bodyLeft = dots(Margins.Left) + m_numberWidth;
    m_bodyWidth = std::max(m_spaceWidth * 4, page.width() - dots(Margins.Right) - m_bodyLeft);

    // Rows: each line wrapped at the text width, a character at least.
    m_rows.clear();
    m_rows.reserve(std::size_t(m_lines.size()));
    const double tab = m_spaceWidth * m_tabWidth;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString& text = m_lines[i];
        int start = 0;
        double x = 0;
        for (int k = 0; k < text.size(); ++k) {
            const double next = text[k] == u'\t' ? (std::floor(x / tab) + 1) * tab : x + advance(text[k]);
            if (next > m_bodyWidth && k > start) {
                m_rows.push_back({i, start, k});
                start = k;
                x = text[k] == u'\t' ? tab : advance(text[k]);
            } else {
                x = next;
            }
        }
        m_rows.push_back({i, start, int(text.size())});
    }

    // The scanner's state at the start of each line, so any page can be
    // painted without scanning the pages before it.
    m_ranges.clear();
    if (m_highlight && m_highlighter) {
        m_ranges.resize(std::size_t(m_lines.size()));
        m_highlighter->ResetRange();
        TokenWalker walker(*m_highlighter);
        for (int i = 0; i < m_lines.size(); ++i) {
            m_ranges[std::size_t(i)] = m_highlighter->GetRange();
            for (walker.setLine(m_lines[i], i); !walker.eol(); walker.next()) {
            }
        }
    }
}

// ---- painting ------------------------------------------------------------

std::vector<TSynEditPrint::Token> TSynEditPrint::tokensOf(int line)
{
    std::vector<Token> tokens;
    if (m_ranges.empty())
        return tokens;
    m_highlighter->SetRange(m_ranges[std::size_t(line)]);
    TokenWalker walker(*m_highlighter);
    for (walker.setLine(m_lines[line], line); !walker.eol(); walker.next())
        tokens.push_back({walker.start(), walker.length(), walker.attribute()});
    return tokens;
}

void TSynEditPrint::paintHeaderFooter(QPainter& painter, TSynEditPrintHeaderFooter& part, double top,
                                      int pageNumber)
{
    const int count = part.lineCount();
    if (count == 0)
        return;
    const QSizeF page = pageSizeDots();
    const double left = dots(Margins.Left), right = page.width() - dots(Margins.Right);
    double y = top + dots(Margins.HFInternalMargin);
    for (int line = 1; line <= count; ++line) {
        double lh = QFontMetricsF(scaled(part.DefaultFont)).lineSpacing();
        for (std::size_t i = 0; i < part.items().size(); ++i)
            if (part.items()[i].lineNumber == line)
                lh = std::max(lh, QFontMetricsF(scaled(part.fontOf(i))).lineSpacing());
        for (std::size_t i = 0; i < part.items().size(); ++i) {
            const HeaderFooterItem& item = part.items()[i];
            if (item.lineNumber != line)
                continue;
            painter.setFont(scaled(part.fontOf(i)));
            painter.setPen(Qt::black);
            const QRectF box(left + dots(Margins.HFTextIndent), y, right - left - 2 * dots(Margins.HFTextIndent), lh);
            const Qt::Alignment align = item.alignment == HFAlignment::Left    ? Qt::AlignLeft
                                        : item.alignment == HFAlignment::Right ? Qt::AlignRight
                                                                               : Qt::AlignHCenter;
            painter.drawText(box, int(align | Qt::AlignVCenter | Qt::TextSingleLine),
                             expandPageMacros(item.text, pageNumber, PageCount()));
        }
        y += lh;
    }
}

void TSynEditPrint::paintRow(QPainter& painter, const Row& row, double y, const std::vector<Token>& tokens)
{
    const QString& text = m_lines[row.line];
    const double tab = m_spaceWidth * m_tabWidth;
    const double baseline = y + m_ascent;
    auto token = tokens.begin();
    double x = 0;
    int k = row.start;
    while (k < row.end) {
        // A piece: characters of one token, without tabs.
        while (token != tokens.end() && token->start + token->length <= k)
            ++token;
        const bool inToken = token != tokens.end() && token->start <= k;
        const int pieceEnd = std::min(row.end, inToken ? token->start + token->length
                                               : token != tokens.end() ? token->start : row.end);
        if (text[k] == u'\t') {
            x = (std::floor(x / tab) + 1) * tab;
            ++k;
            continue;
        }
        QFont f = m_textFont;
        QColor color = Qt::black;
        if (inToken && token->attribute) {
            const int style = token->attribute->style();
            f.setBold(style & fsBold);
            f.setItalic(style & fsItalic);
            f.setUnderline(style & fsUnderline);
            f.setStrikeOut(style & fsStrikeOut);
            color = colorOf(token->attribute->foreground());
        }
        QString piece;
        double width = 0;
        int j = k;
        for (; j < pieceEnd && text[j] != u'\t'; ++j) {
            piece += printable(text[j]);
            width += advance(text[j]);
        }
        painter.setFont(f);
        painter.setPen(color);
        painter.drawText(QPointF(m_bodyLeft + x, baseline), piece);
        x += width;
        k = j;
    }
}

void TSynEditPrint::paintPage(QPainter& painter, int pageNumber)
{
    layout();
    painter.save();
    paintHeaderFooter(painter, m_header, dots(Margins.Header), pageNumber);
    if (m_footer.lineCount() > 0) {
        const QSizeF page = pageSizeDots();
        const QRectF box(dots(Margins.Left), m_footerTop, page.width() - dots(Margins.Right) - dots(Margins.Left),
                         page.height() - dots(Margins.Footer) - m_footerTop);
        if (m_footer.Shaded)
            painter.fillRect(box, QColor(0xE0, 0xE0, 0xE0));
        if (m_footer.FrameBox) {
            painter.setPen(QPen(Qt::black, std::max(1.0, dots(0.2))));
            painter.drawRect(box);
        }
        paintHeaderFooter(painter, m_footer, m_footerTop, pageNumber);
    }

    const std::size_t first = std::size_t(pageNumber - 1) * std::size_t(m_rowsPerPage);
    const std::size_t last = std::min(m_rows.size(), first + std::size_t(m_rowsPerPage));
    std::vector<Token> tokens;
    int tokensLine = -1;
    for (std::size_t r = first; r < last; ++r) {
        const Row& row = m_rows[r];
        const double y = m_bodyTop + double(r - first) * m_lineHeight;
        if (m_lineNumbers && row.start == 0) {
            painter.setFont(m_textFont);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(dots(Margins.Left), y, m_numberWidth - m_spaceWidth, m_lineHeight),
                             int(Qt::AlignRight | Qt::AlignTop), QString::number(row.line + 1));
        }
        if (row.line != tokensLine) {
            tokens = tokensOf(row.line);
            tokensLine = row.line;
        }
        paintRow(painter, row, y, tokens);
    }
    painter.restore();
}

// ---- printing ------------------------------------------------------------

Result<void> TSynEditPrint::Print(QPrinter& printer)
{
    const QString target = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (target.isEmpty())
        return printPages(printer);

    // Into a file of our own beside the target, then over it in one step.
    const QFileInfo info(target);
    if (!QFileInfo(info.absolutePath()).isDir())
        return Result<void>::failure(
            QStringLiteral("Cannot create file \"%1\". The folder does not exist.").arg(target));
    QTemporaryFile temporary(QDir(info.absolutePath()).filePath(QStringLiteral(".print-XXXXXX.pdf")));
    if (!temporary.open())
        return Result<void>::failure(QStringLiteral("Cannot create file \"%1\". %2").arg(target, temporary.errorString()));
    temporary.close();
    printer.setOutputFileName(temporary.fileName());
    Result<void> printed = printPages(printer);
    printer.setOutputFileName(target);
    if (!printed)
        return Result<void>::failure(QStringLiteral("Cannot create file \"%1\". %2").arg(target, printed.error()));
    Result<QByteArray> bytes = readFileBytes(temporary.fileName());
    if (!bytes)
        return Result<void>::failure(bytes.error());
    return writeFileAtomically(target, bytes.value());
}

Result<void> TSynEditPrint::printPages(QPrinter& printer)
{
    printer.setFullPage(true); // our margins are measured from the paper's edge
    printer.setDocName(Title);
    setPrinter(printer);
    int first = 1, last = PageCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage() > 0 ? printer.toPage() : last);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return Result<void>::failure(
            QStringLiteral("The printer \"%1\" could not start the print job.").arg(printer.printerName()));
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage()) {
            painter.end();
            return Result<void>::failure(QStringLiteral("The print job failed on page %1.").arg(page));
        }
        paintPage(painter, page);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return Result<void>::failure(QStringLiteral("The print job failed."));
    return {};
}
