#include "editor/widgets/tsynedit.h"

#include "editor/tsyncustomhighlighter.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/synstyler.h"
#include "editor/widgets/tsyngutter.h"
#include "settings/widgets/qtcolors.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

#include <limits>

using S = QsciScintillaBase;

namespace {

constexpr int kFirstBackgroundMarker = 20; // 20..23: special line backgrounds
constexpr int kBackgroundMarkers = 4;
constexpr int kFirstForegroundIndicator = 8; // 8..11: special line text colours
constexpr int kForegroundIndicators = 4;

QByteArray toBytes(const QString& text) { return text.toLatin1(); }

long sciColor(TColor color, const QColor& fallback)
{
    QColor c = toQColor(color);
    if (!c.isValid())
        c = fallback;
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

} // namespace

TSynEdit::TSynEdit(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_gutter = new TSynGutter(this);
    m_view = new EditView(this);
    layout->addWidget(m_gutter);
    layout->addWidget(m_view, 1);
    setFocusProxy(m_view);
    m_styler = new SynStyler(m_view);

    send(S::SCI_SETCODEPAGE, 0); // 8-bit: one byte, one character
    send(S::SCI_SETEOLMODE, S::SC_EOL_LF);
    send(S::SCI_CLEARALLCMDKEYS); // our own key map runs the commands
    send(S::SCI_SETMARGINWIDTHN, 0, 0);
    send(S::SCI_SETMARGINWIDTHN, 1, 0);
    send(S::SCI_SETMARGINWIDTHN, 2, 0);
    send(S::SCI_SETTABWIDTH, m_tabWidth);
    send(S::SCI_SETSCROLLWIDTHTRACKING, 1);
    send(S::SCI_SETSCROLLWIDTH, 1);
    send(S::SCI_SETMOUSESELECTIONRECTANGULARSWITCH, 1);
    send(S::SCI_SETMULTIPLESELECTION, 0);
    send(S::SCI_SETMODEVENTMASK, S::SC_MOD_INSERTTEXT | S::SC_MOD_DELETETEXT | S::SC_MOD_BEFOREDELETE);
    send(S::SCI_SETLAYOUTCACHE, S::SC_CACHE_PAGE);
    for (int i = 0; i < kBackgroundMarkers; ++i)
        send(S::SCI_MARKERDEFINE, kFirstBackgroundMarker + i, S::SC_MARK_BACKGROUND);
    for (int i = 0; i < kForegroundIndicators; ++i) {
        send(S::SCI_INDICSETSTYLE, kFirstForegroundIndicator + i, S::INDIC_TEXTFORE);
        send(S::SCI_INDICSETUNDER, kFirstForegroundIndicator + i, 0);
    }

    m_font = QFont(QStringLiteral("Courier New"), 10);
    m_font.setStyleHint(QFont::TypeWriter);
    applyStyles();
    setOptions(eoAutoIndent | eoDragDropEditing | eoDropFiles | eoScrollPastEol | eoSmartTabs | eoTabsToSpaces |
               eoWantTabs);

    connect(m_view, &S::SCN_MODIFIED, this,
            [this](int position, int type, const char*, int length, int linesAdded, int, int, int, int, int) {
                onModified(position, type, length, linesAdded);
            });
    connect(m_view, &S::SCN_UPDATEUI, this, [this](int) {
        m_gutter->update();
        emit caretMoved();
    });
    connect(m_view, &S::SCN_ZOOM, this, [this] { m_gutter->update(); });
}

TSynEdit::~TSynEdit()
{
    const auto notifications = m_destroyNotifications;
    for (const auto& n : notifications)
        n.second(this);
    if (m_highlighter)
        m_highlighter->removeChangeListener(m_highlighterListener);
}

long TSynEdit::send(unsigned int msg, unsigned long wParam, long lParam) const
{
    return m_view->SendScintilla(msg, wParam, lParam);
}

// ---- lines ---------------------------------------------------------------

int TSynEdit::lineCount() const
{
    return send(S::SCI_GETLENGTH) == 0 ? 0 : int(send(S::SCI_GETLINECOUNT));
}

QByteArray TSynEdit::lineBytes(int index) const
{
    if (index < 0 || index >= lineCount())
        return {};
    const long start = send(S::SCI_POSITIONFROMLINE, index);
    const long end = send(S::SCI_GETLINEENDPOSITION, index);
    if (end <= start)
        return {};
    const auto* p = reinterpret_cast<const char*>(send(S::SCI_GETRANGEPOINTER, start, end - start));
    return QByteArray(p, end - start);
}

QString TSynEdit::line(int index) const
{
    return QString::fromLatin1(lineBytes(index));
}

void TSynEdit::setLine(int index, const QString& text)
{
    if (index < 0 || index >= lineCount())
        return;
    const QByteArray bytes = normalizeLineEnds(toBytes(text));
    send(S::SCI_SETTARGETSTART, send(S::SCI_POSITIONFROMLINE, index));
    send(S::SCI_SETTARGETEND, send(S::SCI_GETLINEENDPOSITION, index));
    m_view->SendScintilla(S::SCI_REPLACETARGET, uintptr_t(bytes.size()), bytes.constData());
}

void TSynEdit::addLine(const QString& text)
{
    QByteArray bytes = normalizeLineEnds(toBytes(text));
    if (lineCount() > 0)
        bytes.prepend('\n');
    // With an explicit length: the text may hold NUL bytes.
    const long length = send(S::SCI_GETLENGTH);
    send(S::SCI_SETTARGETSTART, length);
    send(S::SCI_SETTARGETEND, length);
    m_view->SendScintilla(S::SCI_REPLACETARGET, uintptr_t(bytes.size()), bytes.constData());
}

void TSynEdit::insertLine(int index, const QString& text)
{
    if (index >= lineCount() || lineCount() == 0) {
        addLine(text);
        return;
    }
    const QByteArray bytes = normalizeLineEnds(toBytes(text)) + '\n';
    const long pos = send(S::SCI_POSITIONFROMLINE, std::max(index, 0));
    send(S::SCI_SETTARGETSTART, pos);
    send(S::SCI_SETTARGETEND, pos);
    m_view->SendScintilla(S::SCI_REPLACETARGET, uintptr_t(bytes.size()), bytes.constData());
}

void TSynEdit::deleteLine(int index)
{
    const int count = lineCount();
    if (index < 0 || index >= count)
        return;
    long start, end;
    if (count == 1) {
        start = 0;
        end = send(S::SCI_GETLENGTH);
    } else if (index == count - 1) {
        start = send(S::SCI_GETLINEENDPOSITION, index - 1);
        end = send(S::SCI_GETLENGTH);
    } else {
        start = send(S::SCI_POSITIONFROMLINE, index);
        end = send(S::SCI_POSITIONFROMLINE, index + 1);
    }
    send(S::SCI_DELETERANGE, start, end - start);
}

void TSynEdit::clearLines()
{
    send(S::SCI_CLEARALL);
}

QByteArray TSynEdit::documentBytes() const
{
    const long length = send(S::SCI_GETLENGTH);
    if (length == 0)
        return {};
    const auto* p = reinterpret_cast<const char*>(send(S::SCI_GETRANGEPOINTER, 0, length));
    return QByteArray(p, length);
}

QString TSynEdit::text() const
{
    if (lineCount() == 0)
        return {};
    return QString::fromLatin1(joinLines(documentBytes(), LineEndStyle::CrLf, true));
}

void TSynEdit::setText(const QString& text)
{
    QByteArray bytes = normalizeLineEnds(toBytes(text));
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    send(S::SCI_CLEARALL);
    m_view->SendScintilla(S::SCI_ADDTEXT, uintptr_t(bytes.size()), bytes.constData());
    send(S::SCI_GOTOPOS, 0);
}

// ---- files ---------------------------------------------------------------

Result<void> TSynEdit::loadFromFile(const QString& path)
{
    Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes)
        return Result<void>::failure(bytes.error());
    const SplitText split = splitLines(bytes.value());
    m_lineEnd = split.style;
    m_finalBreak = split.finalBreak;
    // Loading is no edit: no change notice follows it.
    m_loading = true;
    send(S::SCI_CLEARALL);
    m_marks.clear();
    m_view->SendScintilla(S::SCI_ADDTEXT, uintptr_t(split.text.size()), split.text.constData());
    m_loading = false;
    send(S::SCI_EMPTYUNDOBUFFER);
    send(S::SCI_SETSAVEPOINT);
    send(S::SCI_GOTOPOS, 0);
    m_gutter->update();
    return {};
}

Result<void> TSynEdit::saveToFile(const QString& path)
{
    Result<void> r = writeFileAtomically(path, joinLines(documentBytes(), m_lineEnd, m_finalBreak));
    if (r)
        send(S::SCI_SETSAVEPOINT);
    return r;
}

bool TSynEdit::isModified() const
{
    return send(S::SCI_GETMODIFY) != 0;
}

void TSynEdit::setModified(bool modified)
{
    if (!modified)
        send(S::SCI_SETSAVEPOINT);
}

// ---- caret ---------------------------------------------------------------

int TSynEdit::positionOf(int column, int line, int* virtualSpace) const
{
    const int count = std::max(1, lineCount());
    line = std::clamp(line, 1, count);
    const long start = send(S::SCI_POSITIONFROMLINE, line - 1);
    const long end = send(S::SCI_GETLINEENDPOSITION, line - 1);
    const long col = std::max(column, 1) - 1;
    int virt = 0;
    long pos = start + col;
    if (pos > end) {
        virt = int(pos - end);
        pos = end;
    }
    if (!(m_options & eoScrollPastEol))
        virt = 0;
    if (virtualSpace)
        *virtualSpace = virt;
    return int(pos);
}

BufferCoord TSynEdit::coordOf(int position, int virtualSpace) const
{
    const int line = int(send(S::SCI_LINEFROMPOSITION, position));
    return {int(position - send(S::SCI_POSITIONFROMLINE, line)) + virtualSpace + 1, line + 1};
}

int TSynEdit::caretX() const
{
    const long main = send(S::SCI_GETMAINSELECTION);
    return coordOf(int(send(S::SCI_GETCURRENTPOS)), int(send(S::SCI_GETSELECTIONNCARETVIRTUALSPACE, main))).Char;
}

int TSynEdit::caretY() const
{
    return int(send(S::SCI_LINEFROMPOSITION, send(S::SCI_GETCURRENTPOS))) + 1;
}

void TSynEdit::setCaretX(int column) { setCaretXY(column, caretY()); }
void TSynEdit::setCaretY(int line) { setCaretXY(caretX(), line); }

void TSynEdit::setCaretXY(int column, int line)
{
    int virt = 0;
    const int pos = positionOf(column, line, &virt);
    send(S::SCI_SETEMPTYSELECTION, pos);
    send(S::SCI_SETSELECTIONNCARETVIRTUALSPACE, 0, virt);
    send(S::SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0, virt);
    send(S::SCI_CHOOSECARETX);
    send(S::SCI_SCROLLCARET);
}

QPoint TSynEdit::caretPixelPos() const
{
    const long pos = send(S::SCI_GETCURRENTPOS);
    const long virt = send(S::SCI_GETSELECTIONNCARETVIRTUALSPACE, send(S::SCI_GETMAINSELECTION));
    const int space = int(m_view->SendScintilla(S::SCI_TEXTWIDTH, uintptr_t(0), " "));
    const int x = int(send(S::SCI_POINTXFROMPOSITION, 0, pos)) + int(virt) * space;
    const int y = int(send(S::SCI_POINTYFROMPOSITION, 0, pos));
    return m_view->viewport()->mapTo(this, QPoint(x, y));
}

int TSynEdit::lineHeight() const
{
    return int(send(S::SCI_TEXTHEIGHT, 0));
}

QString TSynEdit::lineText() const
{
    return lineCount() == 0 ? QString() : line(caretY() - 1);
}

void TSynEdit::setLineText(const QString& text)
{
    const int x = caretX();
    if (lineCount() == 0)
        addLine(text);
    else
        setLine(caretY() - 1, text);
    setCaretX(x);
}

// ---- selection -----------------------------------------------------------

BufferCoord TSynEdit::blockBegin() const
{
    if (send(S::SCI_SELECTIONISRECTANGLE)) {
        const BufferCoord a = coordOf(int(send(S::SCI_GETRECTANGULARSELECTIONANCHOR)),
                                      int(send(S::SCI_GETRECTANGULARSELECTIONANCHORVIRTUALSPACE)));
        const BufferCoord c = coordOf(int(send(S::SCI_GETRECTANGULARSELECTIONCARET)),
                                      int(send(S::SCI_GETRECTANGULARSELECTIONCARETVIRTUALSPACE)));
        return {std::min(a.Char, c.Char), std::min(a.Line, c.Line)};
    }
    const long anchor = send(S::SCI_GETANCHOR), caret = send(S::SCI_GETCURRENTPOS);
    return anchor <= caret ? coordOf(int(anchor), int(send(S::SCI_GETSELECTIONNANCHORVIRTUALSPACE, 0)))
                           : coordOf(int(caret), int(send(S::SCI_GETSELECTIONNCARETVIRTUALSPACE, 0)));
}

BufferCoord TSynEdit::blockEnd() const
{
    if (send(S::SCI_SELECTIONISRECTANGLE)) {
        const BufferCoord a = coordOf(int(send(S::SCI_GETRECTANGULARSELECTIONANCHOR)),
                                      int(send(S::SCI_GETRECTANGULARSELECTIONANCHORVIRTUALSPACE)));
        const BufferCoord c = coordOf(int(send(S::SCI_GETRECTANGULARSELECTIONCARET)),
                                      int(send(S::SCI_GETRECTANGULARSELECTIONCARETVIRTUALSPACE)));
        return {std::max(a.Char, c.Char), std::max(a.Line, c.Line)};
    }
    const long anchor = send(S::SCI_GETANCHOR), caret = send(S::SCI_GETCURRENTPOS);
    return anchor > caret ? coordOf(int(anchor), int(send(S::SCI_GETSELECTIONNANCHORVIRTUALSPACE, 0)))
                          : coordOf(int(caret), int(send(S::SCI_GETSELECTIONNCARETVIRTUALSPACE, 0)));
}

void TSynEdit::setSelection(BufferCoord anchor, BufferCoord caret)
{
    extendSelectionTo(anchor, caret);
}

void TSynEdit::extendSelectionTo(BufferCoord anchor, BufferCoord caret)
{
    int anchorVirt = 0, caretVirt = 0;
    const int a = positionOf(anchor.Char, anchor.Line, &anchorVirt);
    const int c = positionOf(caret.Char, caret.Line, &caretVirt);
    switch (m_selectionMode) {
    case SelectionMode::Column:
        send(S::SCI_SETRECTANGULARSELECTIONANCHOR, a);
        send(S::SCI_SETRECTANGULARSELECTIONANCHORVIRTUALSPACE, anchorVirt);
        send(S::SCI_SETRECTANGULARSELECTIONCARET, c);
        send(S::SCI_SETRECTANGULARSELECTIONCARETVIRTUALSPACE, caretVirt);
        break;
    case SelectionMode::Line: {
        // Whole lines from the anchor's line through the caret's line.
        m_lineModeAnchor = anchor;
        const int first = std::min(anchor.Line, caret.Line), last = std::max(anchor.Line, caret.Line);
        const long start = send(S::SCI_POSITIONFROMLINE, first - 1);
        long end = send(S::SCI_POSITIONFROMLINE, last);
        if (end < 0 || last >= lineCount())
            end = send(S::SCI_GETLENGTH);
        if (caret.Line >= anchor.Line)
            send(S::SCI_SETSEL, start, end);
        else
            send(S::SCI_SETSEL, end, start);
        break;
    }
    case SelectionMode::Normal:
        send(S::SCI_SETSELECTION, c, a);
        send(S::SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0, anchorVirt);
        send(S::SCI_SETSELECTIONNCARETVIRTUALSPACE, 0, caretVirt);
        break;
    }
    send(S::SCI_SCROLLCARET);
}

bool TSynEdit::selAvail() const
{
    if (send(S::SCI_SELECTIONISRECTANGLE))
        return blockBegin() != blockEnd() && blockBegin().Char != blockEnd().Char;
    return send(S::SCI_GETSELECTIONEMPTY) == 0;
}

QString TSynEdit::selText() const
{
    if (send(S::SCI_SELECTIONISRECTANGLE)) {
        // The selected columns of each line, one line each.
        QByteArray out;
        const long n = send(S::SCI_GETSELECTIONS);
        for (long i = 0; i < n; ++i) {
            const long s = send(S::SCI_GETSELECTIONNSTART, i), e = send(S::SCI_GETSELECTIONNEND, i);
            if (i)
                out += "\r\n";
            if (e > s)
                out += QByteArray(reinterpret_cast<const char*>(send(S::SCI_GETRANGEPOINTER, s, e - s)), e - s);
        }
        return QString::fromLatin1(out);
    }
    const long s = send(S::SCI_GETSELECTIONSTART), e = send(S::SCI_GETSELECTIONEND);
    if (e <= s)
        return {};
    const QByteArray bytes(reinterpret_cast<const char*>(send(S::SCI_GETRANGEPOINTER, s, e - s)), e - s);
    return QString::fromLatin1(joinLines(bytes, LineEndStyle::CrLf, false));
}

void TSynEdit::setSelText(const QString& text)
{
    const QByteArray bytes = normalizeLineEnds(toBytes(text));
    send(S::SCI_BEGINUNDOACTION);
    long start = 0, end = 0, virt = 0;
    if (send(S::SCI_SELECTIONISRECTANGLE)) {
        if (selAvail())
            send(S::SCI_CLEAR);
        // A column block, cleared or no column wide, leaves one caret per
        // line; the limits of the selection span the lines between them,
        // which must stay. The text goes in once, at the top caret.
        start = std::numeric_limits<long>::max();
        for (long i = 0, n = send(S::SCI_GETSELECTIONS); i < n; ++i) {
            const long caret = send(S::SCI_GETSELECTIONNCARET, i);
            if (caret < start) {
                start = caret;
                virt = send(S::SCI_GETSELECTIONNCARETVIRTUALSPACE, i);
            }
        }
        end = start;
    } else {
        start = send(S::SCI_GETSELECTIONSTART);
        end = send(S::SCI_GETSELECTIONEND);
        virt = start == end ? send(S::SCI_GETSELECTIONNCARETVIRTUALSPACE, send(S::SCI_GETMAINSELECTION)) : 0;
    }
    QByteArray insert = bytes;
    if (virt > 0) // the caret lies beyond the line end: fill up to it
        insert.prepend(QByteArray(int(virt), ' '));
    send(S::SCI_SETTARGETSTART, start);
    send(S::SCI_SETTARGETEND, end);
    m_view->SendScintilla(S::SCI_REPLACETARGET, uintptr_t(insert.size()), insert.constData());
    send(S::SCI_SETEMPTYSELECTION, send(S::SCI_GETTARGETEND));
    send(S::SCI_ENDUNDOACTION);
    send(S::SCI_CHOOSECARETX);
    send(S::SCI_SCROLLCARET);
}

void TSynEdit::setSelectionMode(SelectionMode mode)
{
    m_selectionMode = mode;
}

void TSynEdit::selectAll()
{
    send(S::SCI_SELECTALL);
}

bool TSynEdit::insertMode() const
{
    return send(S::SCI_GETOVERTYPE) == 0;
}

void TSynEdit::setInsertMode(bool insert)
{
    if (insert == insertMode())
        return;
    send(S::SCI_SETOVERTYPE, insert ? 0 : 1);
    emit insertModeChanged(insert);
}

// ---- options and appearance ---------------------------------------------

void TSynEdit::setOptions(int options)
{
    m_options = options;
    applyViewOptions();
}

void TSynEdit::applyViewOptions()
{
    send(S::SCI_SETVIRTUALSPACEOPTIONS,
         (m_options & eoScrollPastEol) ? (S::SCVS_USERACCESSIBLE | S::SCVS_RECTANGULARSELECTION)
                                       : S::SCVS_RECTANGULARSELECTION);
    send(S::SCI_SETUSETABS, (m_options & eoTabsToSpaces) ? 0 : 1);
    const bool special = m_options & eoShowSpecialChars;
    send(S::SCI_SETVIEWWS, special ? S::SCWS_VISIBLEALWAYS : S::SCWS_INVISIBLE);
    send(S::SCI_SETVIEWEOL, special ? 1 : 0);
    m_view->setAcceptDrops((m_options & (eoDropFiles | eoDragDropEditing)) != 0);
}

void TSynEdit::setFont(const QFont& font)
{
    m_font = font;
    applyStyles();
}

void TSynEdit::setColor(TColor background)
{
    m_color = background;
    applyStyles();
}

void TSynEdit::setSelectedColors(TColor background, TColor foreground)
{
    m_selBackground = background;
    m_selForeground = foreground;
    const QPalette pal = palette();
    send(S::SCI_SETSELBACK, 1, sciColor(background, pal.highlight().color()));
    send(S::SCI_SETSELFORE, 1, sciColor(foreground, pal.highlightedText().color()));
}

void TSynEdit::applyStyles()
{
    const long back = sciColor(m_color, Qt::white);
    const QByteArray family = m_font.family().toLatin1();
    m_view->SendScintilla(S::SCI_STYLESETFONT, uintptr_t(S::STYLE_DEFAULT), family.constData());
    send(S::SCI_STYLESETSIZEFRACTIONAL, S::STYLE_DEFAULT,
         long((m_font.pointSizeF() > 0 ? m_font.pointSizeF() : 10.0) * 100));
    send(S::SCI_STYLESETBACK, S::STYLE_DEFAULT, back);
    send(S::SCI_STYLESETFORE, S::STYLE_DEFAULT, 0);
    send(S::SCI_STYLESETBOLD, S::STYLE_DEFAULT, m_font.bold());
    send(S::SCI_STYLESETITALIC, S::STYLE_DEFAULT, m_font.italic());
    send(S::SCI_STYLECLEARALL);
    if (m_highlighter) {
        for (int i = 0; i < m_highlighter->attrCount(); ++i) {
            const TSynHighlighterAttributes* a = m_highlighter->attribute(i);
            const int style = i + 1;
            send(S::SCI_STYLESETFORE, style, sciColor(a->foreground(), Qt::black));
            send(S::SCI_STYLESETBACK, style, sciColor(a->background(), toQColor(m_color).isValid()
                                                                         ? toQColor(m_color)
                                                                         : QColor(Qt::white)));
            send(S::SCI_STYLESETBOLD, style, (a->style() & fsBold) != 0);
            send(S::SCI_STYLESETITALIC, style, (a->style() & fsItalic) != 0);
            send(S::SCI_STYLESETUNDERLINE, style, (a->style() & fsUnderline) != 0);
        }
    }
    send(S::SCI_SETCARETFORE, sciColor(Colors::clBlack, Qt::black));
    setSelectedColors(m_selBackground, m_selForeground);
    m_gutter->update();
}

void TSynEdit::setHighlighter(TSynCustomHighlighter* highlighter)
{
    if (m_highlighter)
        m_highlighter->removeChangeListener(m_highlighterListener);
    m_highlighter = highlighter;
    m_highlighterListener = 0;
    if (m_highlighter)
        m_highlighterListener = m_highlighter->addChangeListener([this] { applyStyles(); });
    applyStyles();
    m_styler->setHighlighter(m_highlighter);
    emit highlighterChanged();
}

void TSynEdit::restyle() { m_styler->restyle(); }

// ---- editing -------------------------------------------------------------

void TSynEdit::beginUndoBlock() { send(S::SCI_BEGINUNDOACTION); }
void TSynEdit::endUndoBlock() { send(S::SCI_ENDUNDOACTION); }
void TSynEdit::undo() { send(S::SCI_UNDO); }
void TSynEdit::redo() { send(S::SCI_REDO); }
bool TSynEdit::canUndo() const { return send(S::SCI_CANUNDO) != 0; }
bool TSynEdit::canRedo() const { return send(S::SCI_CANREDO) != 0; }
void TSynEdit::copyToClipboard() { send(S::SCI_COPY); }
void TSynEdit::cutToClipboard() { send(S::SCI_CUT); }
void TSynEdit::pasteFromClipboard() { send(S::SCI_PASTE); }
void TSynEdit::setEditorFocus() { m_view->setFocus(); }

void TSynEdit::invalidateLine(int line)
{
    Q_UNUSED(line);
    // Special colours are asked for every shown line again (and at each paint).
    refreshSpecialLines();
    m_view->viewport()->update();
    m_gutter->update();
}

void TSynEdit::invalidate()
{
    refreshSpecialLines();
    m_view->viewport()->update();
    m_gutter->update();
}

int TSynEdit::addDestroyNotification(std::function<void(TSynEdit*)> notify)
{
    const int id = m_nextNotificationId++;
    m_destroyNotifications.emplace_back(id, std::move(notify));
    return id;
}

void TSynEdit::removeDestroyNotification(int id)
{
    std::erase_if(m_destroyNotifications, [id](const auto& n) { return n.first == id; });
}

// ---- marks ---------------------------------------------------------------

void TSynEdit::placeMark(const TSynEditMark& mark)
{
    m_marks.place(mark);
    m_gutter->update();
}

void TSynEdit::marksChanged()
{
    m_gutter->update();
}

void TSynEdit::clearLineMarks(int line)
{
    m_marks.clearLine(line);
    m_gutter->update();
}

void TSynEdit::setBookmark(int number, int column, int line)
{
    if (number < 0 || number > 9)
        return;
    m_marks.setBookmark(number, std::clamp(line, 1, std::max(1, lineCount())), column, !m_images.empty());
    m_gutter->update();
}

void TSynEdit::clearBookmark(int number)
{
    m_marks.clearBookmark(number);
    m_gutter->update();
}

void TSynEdit::gotoBookmark(int number)
{
    if (const auto at = bookmark(number))
        setCaretXY(at->Char, at->Line);
}

std::optional<BufferCoord> TSynEdit::bookmark(int number) const
{
    const int i = m_marks.findBookmark(number);
    if (i < 0)
        return std::nullopt;
    return BufferCoord{m_marks.at(i).Char, m_marks.at(i).Line};
}

void TSynEdit::toggleBookmark(int number)
{
    const auto at = bookmark(number);
    if (at && at->Line == caretY())
        clearBookmark(number);
    else
        setBookmark(number, caretX(), caretY());
}

void TSynEdit::setBookmarkImages(const std::vector<QPixmap>& images)
{
    m_images = images;
    m_gutter->update();
}

// ---- notifications -------------------------------------------------------

void TSynEdit::onModified(int position, int modificationType, int length, int linesAdded)
{
    if (modificationType & S::SC_MOD_BEFOREDELETE) {
        m_deleteFirstLine = int(send(S::SCI_LINEFROMPOSITION, position)) + 1;
        m_deleteLines = int(send(S::SCI_LINEFROMPOSITION, position + length)) + 1 - m_deleteFirstLine;
        return;
    }
    if (modificationType & S::SC_MOD_INSERTTEXT && linesAdded > 0) {
        const int line = int(send(S::SCI_LINEFROMPOSITION, position));
        const bool atLineStart = send(S::SCI_POSITIONFROMLINE, line) == position;
        m_marks.linesInserted(line + 1 + (atLineStart ? 0 : 1), linesAdded);
    } else if (modificationType & S::SC_MOD_DELETETEXT && m_deleteLines > 0) {
        m_marks.linesDeleted(m_deleteFirstLine, m_deleteLines);
        m_deleteLines = 0;
    }
    if (modificationType & (S::SC_MOD_INSERTTEXT | S::SC_MOD_DELETETEXT)) {
        if (linesAdded != 0)
            clearSpecialLines(); // lines shifted: ask again for what is shown
        scheduleChange();
        m_gutter->update();
    }
}

void TSynEdit::scheduleChange()
{
    if (m_loading)
        return;
    // Handlers run once the change is complete: Scintilla refuses edits made
    // from inside its own modification notice.
    if (m_changePending)
        return;
    m_changePending = true;
    QTimer::singleShot(0, this, [this] { flushPendingChange(); });
}

void TSynEdit::flushPendingChange()
{
    if (!m_changePending)
        return;
    m_changePending = false;
    if (OnChange)
        OnChange();
}

void TSynEdit::clearSpecialLines()
{
    if (m_specialApplied.empty())
        return;
    for (const auto& entry : m_specialApplied)
        for (int i = 0; i < kBackgroundMarkers; ++i)
            send(S::SCI_MARKERDELETE, entry.first - 1, kFirstBackgroundMarker + i);
    for (int i = 0; i < kForegroundIndicators; ++i) {
        send(S::SCI_SETINDICATORCURRENT, kFirstForegroundIndicator + i);
        send(S::SCI_INDICATORCLEARRANGE, 0, send(S::SCI_GETLENGTH));
    }
    m_specialApplied.clear();
}

void TSynEdit::refreshSpecialLines()
{
    if (!OnSpecialLineColors) {
        if (!m_specialApplied.empty())
            clearSpecialLines();
        return;
    }
    const int first = int(send(S::SCI_GETFIRSTVISIBLELINE)) + 1;
    const int last = std::min(first + int(send(S::SCI_LINESONSCREEN)) + 1, std::max(1, lineCount()));
    for (int line = first; line <= last; ++line) {
        bool special = false;
        TColor fg = Colors::clNone, bg = Colors::clNone;
        OnSpecialLineColors(line, special, fg, bg);
        auto it = m_specialApplied.find(line);
        if (!special) {
            if (it == m_specialApplied.end())
                continue;
            for (int i = 0; i < kBackgroundMarkers; ++i)
                send(S::SCI_MARKERDELETE, line - 1, kFirstBackgroundMarker + i);
            const long start = send(S::SCI_POSITIONFROMLINE, line - 1);
            const long len = send(S::SCI_GETLINEENDPOSITION, line - 1) - start;
            for (int i = 0; i < kForegroundIndicators; ++i) {
                send(S::SCI_SETINDICATORCURRENT, kFirstForegroundIndicator + i);
                send(S::SCI_INDICATORCLEARRANGE, start, len);
            }
            m_specialApplied.erase(it);
            continue;
        }
        if (it != m_specialApplied.end() && it->second == std::make_pair(fg, bg))
            continue;
        // A marker per background colour and an indicator per text colour,
        // reused round-robin from small pools.
        auto slotFor = [](std::vector<std::pair<TColor, int>>& pool, TColor c, int firstSlot, int size) {
            for (const auto& p : pool)
                if (p.first == c)
                    return std::make_pair(p.second, false);
            const int slot = firstSlot + int(pool.size() % std::size_t(size));
            std::erase_if(pool, [slot](const auto& p) { return p.second == slot; });
            pool.emplace_back(c, slot);
            return std::make_pair(slot, true);
        };
        for (int i = 0; i < kBackgroundMarkers; ++i)
            send(S::SCI_MARKERDELETE, line - 1, kFirstBackgroundMarker + i);
        if (toQColor(bg).isValid()) {
            const auto [marker, fresh] = slotFor(m_backgroundMarkers, bg, kFirstBackgroundMarker, kBackgroundMarkers);
            if (fresh)
                send(S::SCI_MARKERSETBACK, marker, sciColor(bg, Qt::white));
            send(S::SCI_MARKERADD, line - 1, marker);
        }
        const long start = send(S::SCI_POSITIONFROMLINE, line - 1);
        const long len = send(S::SCI_GETLINEENDPOSITION, line - 1) - start;
        for (int i = 0; i < kForegroundIndicators; ++i) {
            send(S::SCI_SETINDICATORCURRENT, kFirstForegroundIndicator + i);
            send(S::SCI_INDICATORCLEARRANGE, start, len);
        }
        if (toQColor(fg).isValid() && len > 0) {
            const auto [indicator, fresh] =
                slotFor(m_foregroundIndicators, fg, kFirstForegroundIndicator, kForegroundIndicators);
            if (fresh)
                send(S::SCI_INDICSETFORE, indicator, sciColor(fg, Qt::black));
            send(S::SCI_SETINDICATORCURRENT, indicator);
            send(S::SCI_INDICATORFILLRANGE, start, len);
        }
        m_specialApplied[line] = {fg, bg};
    }
}

// ---- events from the view ------------------------------------------------

void TSynEdit::handleMousePress(QMouseEvent* event)
{
    if (OnMouseDown) {
        const QPoint p = m_view->mapTo(this, event->position().toPoint());
        OnMouseDown(event->button(), event->modifiers(), p.x(), p.y());
    }
}

void TSynEdit::handleContextMenu(const QPoint& globalPos)
{
    if (m_popup)
        m_popup->exec(globalPos);
}

bool TSynEdit::handleDrop(const QMimeData* mime)
{
    if (!mime->hasUrls() || !(m_options & eoDropFiles))
        return false;
    QStringList paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    if (!paths.isEmpty())
        emit filesDropped(paths);
    return true;
}
