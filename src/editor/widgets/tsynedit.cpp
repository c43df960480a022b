#include "editor/widgets/tsynedit.h"

#include "editor/tsyncustomhighlighter.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/synstyler.h"
#include "editor/widgets/tsyngutter.h"
#include "settings/widgets/qtcolors.h"

#include <QHBoxLayout>

#include <limits>

using S = QsciScintillaBase;

long TSynEdit::sciColor(TColor color, const QColor& fallback)
{
    QColor c = toQColor(color);
    if (!c.isValid())
        c = fallback;
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

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

    // UTF-8 whatever the document's encoding: Scintilla's Qt port draws
    // 8-bit text only as Latin-1, so load and save convert instead.
    send(S::SCI_SETCODEPAGE, S::SC_CP_UTF8);
    send(S::SCI_SETEOLMODE, S::SC_EOL_CRLF);
    send(S::SCI_CLEARALLCMDKEYS); // our own key map runs the commands
    send(S::SCI_SETMARGINWIDTHN, 0, 0);
    send(S::SCI_SETMARGINWIDTHN, 1, 0);
    send(S::SCI_SETMARGINWIDTHN, 2, 0);
    send(S::SCI_SETTABWIDTH, m_tabWidth);
    send(S::SCI_SETSCROLLWIDTHTRACKING, 1);
    send(S::SCI_SETSCROLLWIDTH, 1);
    send(S::SCI_SETMOUSESELECTIONRECTANGULARSWITCH, 1);
    send(S::SCI_SETMULTIPLESELECTION, 0);
    applyModEventMask();
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
            [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
                onModified(position, type, length);
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

std::string_view TSynEdit::rawLine(int index) const
{
    if (index < 0 || index >= lineCount())
        return {};
    const long start = send(S::SCI_POSITIONFROMLINE, index);
    const long end = send(S::SCI_GETLINEENDPOSITION, index);
    if (end <= start)
        return {};
    // Points into the buffer; valid until the text changes.
    const auto* p = reinterpret_cast<const char*>(send(S::SCI_GETRANGEPOINTER, start, end - start));
    return {p, std::size_t(end - start)};
}

QByteArray TSynEdit::lineBytes(int index) const
{
    const std::string_view raw = rawLine(index);
    const QByteArrayView utf8(raw.data(), qsizetype(raw.size()));
    if (m_encoding == TextEncoding::Utf8)
        return utf8.toByteArray();
    if (auto bytes = TextEncodings::fromUtf8(utf8, m_encoding))
        return *bytes;
    // Only text that bypassed the checks gets here; scanners may read "?".
    return QString::fromUtf8(utf8).toLatin1();
}

QString TSynEdit::line(int index) const
{
    const std::string_view raw = rawLine(index);
    return QString::fromUtf8(raw.data(), qsizetype(raw.size()));
}

void TSynEdit::replaceRange(long start, long end, const QByteArray& utf8)
{
    send(S::SCI_SETTARGETSTART, start);
    send(S::SCI_SETTARGETEND, end);
    // With an explicit length: the text may hold NUL bytes.
    m_view->SendScintilla(S::SCI_REPLACETARGET, uintptr_t(utf8.size()), utf8.constData());
}

void TSynEdit::setLine(int index, const QString& text)
{
    if (index < 0 || index >= lineCount() || !acceptText(text))
        return;
    replaceRange(send(S::SCI_POSITIONFROMLINE, index), send(S::SCI_GETLINEENDPOSITION, index), bufferText(text));
}

void TSynEdit::addLine(const QString& text)
{
    if (!acceptText(text))
        return;
    QByteArray bytes = bufferText(text);
    if (lineCount() > 0)
        bytes.prepend(lineEndBytes());
    const long length = send(S::SCI_GETLENGTH);
    replaceRange(length, length, bytes);
}

void TSynEdit::insertLine(int index, const QString& text)
{
    if (index >= lineCount() || lineCount() == 0) {
        addLine(text);
        return;
    }
    if (!acceptText(text))
        return;
    const long pos = send(S::SCI_POSITIONFROMLINE, std::max(index, 0));
    replaceRange(pos, pos, bufferText(text) + lineEndBytes());
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
    // The scanners take the whole document on every trigger key: one copy.
    const QByteArrayView buffer(reinterpret_cast<const char*>(send(S::SCI_GETCHARACTERPOINTER)), length);
    QByteArray bytes = m_encoding == TextEncoding::Utf8
                           ? buffer.toByteArray()
                           : TextEncodings::fromUtf8(buffer, m_encoding).value_or(QByteArray());
    if (bytes.isEmpty()) // text that reached the buffer past the checks
        bytes = QString::fromUtf8(buffer).toLatin1();
    return normalizeLineEnds(bytes);
}

QString TSynEdit::text() const
{
    QString out;
    const int count = lineCount();
    for (int i = 0; i < count; ++i)
        out += line(i) + QLatin1String("\r\n");
    return out;
}

void TSynEdit::setText(const QString& text)
{
    if (!acceptText(text))
        return;
    QStringView body(text);
    // The text's last line break ends its last line; it adds no empty one.
    if (body.endsWith(u'\n'))
        body.chop(body.endsWith(u"\r\n") ? 2 : 1);
    else if (body.endsWith(u'\r'))
        body.chop(1);
    const QByteArray bytes = bufferText(body);
    send(S::SCI_CLEARALL);
    m_view->SendScintilla(S::SCI_ADDTEXT, uintptr_t(bytes.size()), bytes.constData());
    send(S::SCI_GOTOPOS, 0);
}

int TSynEdit::byteColumn(int column, int line) const
{
    const std::string_view raw = rawLine(line - 1);
    qsizetype beyond = 0;
    const qsizetype offset = TextEncodings::utf8Offset(raw, std::max(column, 1) - 1, &beyond);
    if (m_encoding != TextEncoding::Utf8)
        return int(TextEncodings::utf16Length(raw.substr(0, std::size_t(offset))) + beyond) + 1;
    return int(offset + beyond) + 1;
}

// ---- caret ---------------------------------------------------------------

int TSynEdit::positionOf(int column, int line, int* virtualSpace) const
{
    const int count = std::max(1, lineCount());
    line = std::clamp(line, 1, count);
    const long start = send(S::SCI_POSITIONFROMLINE, line - 1);
    qsizetype beyond = 0;
    const qsizetype offset = TextEncodings::utf8Offset(rawLine(line - 1), std::max(column, 1) - 1, &beyond);
    int virt = int(beyond);
    if (!(m_options & eoScrollPastEol))
        virt = 0;
    if (virtualSpace)
        *virtualSpace = virt;
    return int(start + offset);
}

BufferCoord TSynEdit::coordOf(int position, int virtualSpace) const
{
    const int line = int(send(S::SCI_LINEFROMPOSITION, position));
    const long start = send(S::SCI_POSITIONFROMLINE, line);
    const std::string_view before = rawLine(line).substr(0, std::size_t(std::max<long>(position - start, 0)));
    return {int(TextEncodings::utf16Length(before)) + virtualSpace + 1, line + 1};
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
        return QString::fromUtf8(out);
    }
    const long s = send(S::SCI_GETSELECTIONSTART), e = send(S::SCI_GETSELECTIONEND);
    if (e <= s)
        return {};
    const QByteArray bytes(reinterpret_cast<const char*>(send(S::SCI_GETRANGEPOINTER, s, e - s)), e - s);
    return QString::fromUtf8(joinLines(normalizeLineEnds(bytes), LineEndStyle::CrLf, false));
}

void TSynEdit::setSelText(const QString& text)
{
    if (!acceptText(text))
        return;
    const QByteArray bytes = bufferText(text);
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
            // The style and its twins, which long lines use (SynStyler).
            for (int style = i + 1; style < 3 * SynStyler::TwinOffset; style += SynStyler::TwinOffset) {
                send(S::SCI_STYLESETFORE, style, sciColor(a->foreground(), Qt::black));
                send(S::SCI_STYLESETBACK, style, sciColor(a->background(), toQColor(m_color).isValid()
                                                                             ? toQColor(m_color)
                                                                             : QColor(Qt::white)));
                send(S::SCI_STYLESETBOLD, style, (a->style() & fsBold) != 0);
                send(S::SCI_STYLESETITALIC, style, (a->style() & fsItalic) != 0);
                send(S::SCI_STYLESETUNDERLINE, style, (a->style() & fsUnderline) != 0);
            }
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

