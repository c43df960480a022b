// TSynEdit: the key map's commands and search. Kept apart from the data
// side of the control (tsynedit.cpp) only to keep both files readable.
#include "editor/keymap.h"
#include "editor/textsearch.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"

#include <QKeyEvent>

using S = QsciScintillaBase;

namespace {
constexpr int kBlockIndent = 2;
}

bool TSynEdit::handleKeyPress(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    int key = event->key();
    const int vk = virtualKeyFromQt(key, event->nativeScanCode());
    if (OnKeyDown && vk != 0) {
        int k = vk;
        OnKeyDown(k, mods);
        if (k == 0)
            return true;
    }
    if ((mods & Qt::ControlModifier) && (mods & Qt::ShiftModifier)) {
        const int digit = digitUnderKey(key, event->nativeScanCode());
        if (digit >= 0)
            key = Qt::Key_0 + digit;
    }
    if (const auto command = lookupKeyCommand(key, mods)) {
        runCommand(*command);
        return true;
    }
    if (key == Qt::Key_Escape) {
        // No command of the control: the window around it gets the key, so
        // that Escape cancels a dialog holding a code box.
        event->ignore();
        return true;
    }
    const QString text = event->text();
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return true; // unbound combinations must not type control characters
    if (text.isEmpty() || text[0].unicode() < 0x20 || text[0].unicode() == 0x7F)
        return true;
    QChar ch = text[0];
    if (OnKeyPress) {
        OnKeyPress(ch);
        if (ch.isNull())
            return true;
    }
    if (!acceptText(ch != text[0] ? QString(ch) : text))
        return true;
    if (ch != text[0]) {
        QKeyEvent replaced(QEvent::KeyPress, event->key(), event->modifiers(), QString(ch));
        m_view->insertTextKey(&replaced);
        return true;
    }
    return false; // the view types it, overwriting when insert mode is off
}

void TSynEdit::handleKeyRelease(QKeyEvent* event)
{
    if (!OnKeyUp)
        return;
    int k = virtualKeyFromQt(event->key(), event->nativeScanCode());
    if (k != 0)
        OnKeyUp(k, event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

void TSynEdit::moveCaret(int command, bool select)
{
    if (!select || m_selectionMode == SelectionMode::Normal) {
        // Scintilla's extending commands follow the plain ones by one.
        static const std::pair<int, int> kExtend[] = {
            {S::SCI_CHARLEFT, S::SCI_CHARLEFTEXTEND},       {S::SCI_CHARRIGHT, S::SCI_CHARRIGHTEXTEND},
            {S::SCI_LINEUP, S::SCI_LINEUPEXTEND},           {S::SCI_LINEDOWN, S::SCI_LINEDOWNEXTEND},
            {S::SCI_WORDLEFT, S::SCI_WORDLEFTEXTEND},       {S::SCI_WORDRIGHT, S::SCI_WORDRIGHTEXTEND},
            {S::SCI_PAGEUP, S::SCI_PAGEUPEXTEND},           {S::SCI_PAGEDOWN, S::SCI_PAGEDOWNEXTEND},
            {S::SCI_HOME, S::SCI_HOMEEXTEND},               {S::SCI_LINEEND, S::SCI_LINEENDEXTEND},
            {S::SCI_DOCUMENTSTART, S::SCI_DOCUMENTSTARTEXTEND}, {S::SCI_DOCUMENTEND, S::SCI_DOCUMENTENDEXTEND},
        };
        int msg = command;
        if (select)
            for (const auto& [plain, extend] : kExtend)
                if (plain == command)
                    msg = extend;
        send(unsigned(msg));
        return;
    }
    // Column and line modes: move as if unselected, then span anchor..caret.
    // A column selection being extended keeps its anchor also while it is
    // no column wide (straight down from the anchor), when it counts as no
    // selection.
    BufferCoord anchor = caretXY();
    if (m_selectionMode == SelectionMode::Column && send(S::SCI_SELECTIONISRECTANGLE))
        anchor = coordOf(int(send(S::SCI_GETRECTANGULARSELECTIONANCHOR)),
                         int(send(S::SCI_GETRECTANGULARSELECTIONANCHORVIRTUALSPACE)));
    else if (selAvail()) {
        if (m_selectionMode == SelectionMode::Line)
            anchor = m_lineModeAnchor;
        else
            anchor = coordOf(int(send(S::SCI_GETANCHOR)), int(send(S::SCI_GETSELECTIONNANCHORVIRTUALSPACE, 0)));
    }
    if (m_selectionMode == SelectionMode::Line && selAvail())
        setCaretXY(m_lineModeCaret.Char, m_lineModeCaret.Line);
    else if (send(S::SCI_SELECTIONISRECTANGLE))
        setCaretXY(caretX(), caretY());
    send(unsigned(command));
    const BufferCoord caret = caretXY();
    m_lineModeCaret = caret;
    extendSelectionTo(anchor, caret);
}

void TSynEdit::runCommand(const KeyCommand& c)
{
    using C = EditorCommand;
    switch (c.command) {
    case C::Left: moveCaret(S::SCI_CHARLEFT, c.select); break;
    case C::Right: moveCaret(S::SCI_CHARRIGHT, c.select); break;
    case C::Up: moveCaret(S::SCI_LINEUP, c.select); break;
    case C::Down: moveCaret(S::SCI_LINEDOWN, c.select); break;
    case C::WordLeft: moveCaret(S::SCI_WORDLEFT, c.select); break;
    case C::WordRight: moveCaret(S::SCI_WORDRIGHT, c.select); break;
    case C::PageUp: moveCaret(S::SCI_PAGEUP, c.select); break;
    case C::PageDown: moveCaret(S::SCI_PAGEDOWN, c.select); break;
    case C::LineStart: moveCaret(S::SCI_HOME, c.select); break;
    case C::LineEnd: moveCaret(S::SCI_LINEEND, c.select); break;
    case C::DocStart: moveCaret(S::SCI_DOCUMENTSTART, c.select); break;
    case C::DocEnd: moveCaret(S::SCI_DOCUMENTEND, c.select); break;
    case C::PageTop:
    case C::PageBottom: {
        const int first = int(send(S::SCI_GETFIRSTVISIBLELINE)) + 1;
        const int line = c.command == C::PageTop ? first : first + int(send(S::SCI_LINESONSCREEN)) - 1;
        const BufferCoord anchor = selAvail() ? blockBegin() : caretXY();
        const int column = caretX();
        if (c.select)
            extendSelectionTo(anchor, {column, std::min(line, std::max(1, lineCount()))});
        else
            setCaretXY(column, line);
        break;
    }
    case C::ScrollUp: send(S::SCI_LINESCROLLUP); break;
    case C::ScrollDown: send(S::SCI_LINESCROLLDOWN); break;
    case C::ToggleMode: setInsertMode(!insertMode()); break;
    case C::Copy: copyToClipboard(); break;
    case C::Cut: cutToClipboard(); break;
    case C::Paste: pasteFromClipboard(); break;
    case C::DeleteChar: send(S::SCI_CLEAR); break;
    case C::DeleteLastChar: send(S::SCI_DELETEBACK); break;
    case C::DeleteLastWord: send(S::SCI_DELWORDLEFT); break;
    case C::DeleteWord: send(S::SCI_DELWORDRIGHT); break;
    case C::DeleteLine: send(S::SCI_LINEDELETE); break;
    case C::DeleteEol: send(S::SCI_DELLINERIGHT); break;
    case C::Undo: undo(); break;
    case C::Redo: redo(); break;
    case C::LineBreak: insertLineBreak(); break;
    case C::InsertLine: {
        const BufferCoord at = caretXY();
        insertLineBreak();
        setCaretXY(at.Char, at.Line);
        break;
    }
    case C::Tab: insertTab(); break;
    case C::ShiftTab: send(S::SCI_BACKTAB); break;
    case C::ContextHelp:
        if (OnContextHelp)
            OnContextHelp();
        break;
    case C::SelectAll: selectAll(); break;
    case C::BlockIndent: indentBlock(true); break;
    case C::BlockUnindent: indentBlock(false); break;
    case C::GotoBookmark: gotoBookmark(c.param); break;
    case C::SetBookmark: toggleBookmark(c.param); break;
    case C::NormalSelect: setSelectionMode(SelectionMode::Normal); break;
    case C::ColumnSelect: setSelectionMode(SelectionMode::Column); break;
    case C::LineSelect: setSelectionMode(SelectionMode::Line); break;
    case C::MatchBracket: {
        const long pos = send(S::SCI_GETCURRENTPOS);
        long match = send(S::SCI_BRACEMATCH, pos);
        if (match < 0 && pos > 0)
            match = send(S::SCI_BRACEMATCH, pos - 1);
        if (match >= 0)
            send(S::SCI_GOTOPOS, match);
        break;
    }
    }
}

void TSynEdit::insertLineBreak()
{
    QByteArray indent;
    if (m_options & eoAutoIndent) {
        const QByteArray current = lineBytes(caretY() - 1);
        const int limit = std::min<int>(int(current.size()), caretX() - 1);
        for (int i = 0; i < limit && (current[i] == ' ' || current[i] == '\t'); ++i)
            indent += current[i];
    }
    send(S::SCI_BEGINUNDOACTION);
    setSelText(QStringLiteral("\n") + QString::fromLatin1(indent));
    send(S::SCI_ENDUNDOACTION);
}

void TSynEdit::insertTab()
{
    if (!(m_options & eoWantTabs)) {
        m_view->m_allowFocusChange = true;
        m_view->focusNextPrevChild(true);
        m_view->m_allowFocusChange = false;
        return;
    }
    if (selAvail() && blockBegin().Line != blockEnd().Line) {
        indentBlock(true);
        return;
    }
    const int column = caretX();
    int target = 0;
    if (m_options & eoSmartTabs) {
        // The next word start on the nearest non-empty line above.
        for (int l = caretY() - 2; l >= 0 && target == 0; --l) {
            const QString above = line(l);
            if (above.trimmed().isEmpty())
                continue;
            for (int i = column; i < above.size(); ++i)
                if (above[i] != ' ' && above[i] != '\t' && (above[i - 1] == ' ' || above[i - 1] == '\t')) {
                    target = i + 1;
                    break;
                }
            break;
        }
    }
    if (target == 0 && !(m_options & eoTabsToSpaces)) {
        setSelText(QStringLiteral("\t"));
        return;
    }
    if (target == 0)
        target = ((column - 1) / m_tabWidth + 1) * m_tabWidth + 1;
    setSelText(QString(target - column, QLatin1Char(' ')));
}

void TSynEdit::indentBlock(bool indent)
{
    const BufferCoord b = blockBegin(), e = blockEnd();
    int last = e.Line;
    if (selAvail() && e.Char == 1 && e.Line > b.Line)
        last = e.Line - 1;
    send(S::SCI_BEGINUNDOACTION);
    for (int l = b.Line; l <= last; ++l) {
        const long start = send(S::SCI_POSITIONFROMLINE, l - 1);
        if (indent) {
            m_view->SendScintilla(S::SCI_INSERTTEXT, uintptr_t(start), QByteArray(kBlockIndent, ' ').constData());
            continue;
        }
        const QByteArray text = lineBytes(l - 1);
        int n = 0;
        if (!text.isEmpty() && text[0] == '\t')
            n = 1;
        else
            while (n < kBlockIndent && n < text.size() && text[n] == ' ')
                ++n;
        if (n > 0)
            send(S::SCI_DELETERANGE, start, n);
    }
    send(S::SCI_ENDUNDOACTION);
}

int TSynEdit::searchReplace(const QString& search, const QString& replace, int options)
{
    if (search.isEmpty())
        return 0;
    if ((options & (ssoReplace | ssoReplaceAll)) && !acceptText(replace))
        return 0;
    const TextSearch finder(bufferText(search), options);
    const QByteArray replacement = bufferText(replace);
    const long length = send(S::SCI_GETLENGTH);
    const long selStart = send(S::SCI_GETSELECTIONSTART), selEnd = send(S::SCI_GETSELECTIONEND);
    const long caret = send(S::SCI_GETCURRENTPOS);
    const bool backwards = options & ssoBackwards;
    long from = 0, to = length;
    if ((options & ssoSelectedOnly) && selEnd > selStart) {
        from = selStart;
        to = selEnd;
    } else if (!(options & ssoEntireScope)) {
        if (backwards)
            to = caret;
        else
            from = caret;
    }
    auto documentView = [this] {
        const long n = send(S::SCI_GETLENGTH);
        return std::string_view(reinterpret_cast<const char*>(send(S::SCI_GETCHARACTERPOINTER)), std::size_t(n));
    };

    if (!(options & (ssoReplace | ssoReplaceAll))) {
        const auto hit = finder.find(documentView(), std::size_t(from), std::size_t(to));
        if (!hit)
            return 0;
        const long s = long(hit->position), e = s + long(hit->length);
        if (backwards)
            send(S::SCI_SETSEL, e, s);
        else
            send(S::SCI_SETSEL, s, e);
        send(S::SCI_SCROLLCARET);
        return 1;
    }

    int count = 0;
    long lastEnd = -1;
    send(S::SCI_BEGINUNDOACTION);
    while (from < to) {
        const auto hit = finder.find(documentView(), std::size_t(from), std::size_t(to));
        if (!hit)
            break;
        const long at = long(hit->position);
        replaceRange(at, at + long(hit->length), replacement);
        ++count;
        const long delta = long(replacement.size()) - long(hit->length);
        lastEnd = at + long(replacement.size());
        if (!(options & ssoReplaceAll))
            break;
        if (backwards) {
            to = at;
        } else {
            from = lastEnd;
            to += delta;
        }
    }
    send(S::SCI_ENDUNDOACTION);
    if (lastEnd >= 0) {
        send(S::SCI_SETEMPTYSELECTION, lastEnd);
        send(S::SCI_SCROLLCARET);
    }
    return count;
}
