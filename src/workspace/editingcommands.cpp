#include "workspace/editingcommands.h"

#include "editor/tsynhtmlsyn.h"

#include <QByteArray>

#include <algorithm>
#include <optional>
#include <string_view>

namespace EditingCommands {
namespace {

// Blank as trimming counts it: every code up to 32, so tabs and control
// characters are blanks too.
bool isBlankChar(QChar c)
{
    return c.unicode() <= 32;
}
bool isBlank(QStringView text)
{
    return std::all_of(text.begin(), text.end(), isBlankChar);
}

// The control's empty document reports no lines but still has one to type
// in; the commands work on that one and report it back as none.
QStringList editableLines(const QStringList& lines)
{
    return lines.isEmpty() ? QStringList{QString()} : lines;
}

QStringList reportedLines(QStringList lines)
{
    if (lines.size() == 1 && lines.first().isEmpty())
        lines.clear();
    return lines;
}

TextPoint clamped(const QStringList& lines, TextPoint point)
{
    const int line = std::clamp(point.line, 1, int(lines.size()));
    return {std::clamp(point.column, 1, int(lines[line - 1].size()) + 1), line};
}

bool isBefore(TextPoint a, TextPoint b)
{
    return a.line < b.line || (a.line == b.line && a.column < b.column);
}

struct Range {
    TextPoint from, to;
};

// The selection as a range inside the text, ordered; none when nothing is
// selected. A selection end beyond its line's end selects up to the end.
std::optional<Range> selectedRange(const QStringList& lines, const Document& document)
{
    if (!document.hasSelection)
        return std::nullopt;
    TextPoint a = clamped(lines, document.selBegin), b = clamped(lines, document.selEnd);
    if (isBefore(b, a))
        std::swap(a, b);
    if (a == b)
        return std::nullopt;
    return Range{a, b};
}

// The text of a range, one piece per line it touches; the pieces are what
// lies between its line breaks.
QStringList piecesOf(const QStringList& lines, Range range)
{
    const TextPoint from = range.from, to = range.to;
    if (from.line == to.line)
        return {lines[from.line - 1].mid(from.column - 1, to.column - from.column)};
    QStringList pieces{lines[from.line - 1].mid(from.column - 1)};
    for (int line = from.line + 1; line < to.line; ++line)
        pieces << lines[line - 1];
    pieces << lines[to.line - 1].left(to.column - 1);
    return pieces;
}

// Splits at CR LF, LF or CR; always at least one piece.
QStringList splitAtBreaks(const QString& text)
{
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        pieces << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    pieces << text.mid(start);
    return pieces;
}

// How many of the pieces a selected text splits into count as its lines:
// an empty text has none, and a final line break ends the last line rather
// than starting an empty one. The pieces after them stay as they are.
qsizetype lineCountOf(const QStringList& pieces)
{
    if (pieces.size() == 1 && pieces.first().isEmpty())
        return 0;
    return pieces.last().isEmpty() ? pieces.size() - 1 : pieces.size();
}

// Replaces the text between two points inside the text; returns the point
// right after the inserted text, where the control leaves the caret.
TextPoint apply(QStringList& lines, const Replacement& edit)
{
    QStringList inserted = splitAtBreaks(edit.text);
    inserted.first().prepend(lines[edit.from.line - 1].left(edit.from.column - 1));
    const TextPoint end{int(inserted.last().size()) + 1, edit.from.line + int(inserted.size()) - 1};
    inserted.last().append(lines[edit.to.line - 1].mid(edit.to.column - 1));
    // Built afresh rather than inserted line by line: Strip HTML replaces a
    // whole document this way.
    lines = lines.mid(0, edit.from.line - 1) + inserted + lines.mid(edit.to.line);
    return end;
}

// A document being changed by a run of selected-text writes.
struct Editing {
    QStringList lines;
    TextPoint caret;
    std::vector<Replacement> edits;

    void replace(Range range, const QString& text)
    {
        const Replacement edit{range.from, range.to, text};
        caret = apply(lines, edit);
        edits.push_back(edit);
    }

    // A selected-text write leaves the caret after the text and no selection.
    EditResult result() const
    {
        Document after{reportedLines(lines), caret, false, caret, caret};
        return {after, edits, Message::None};
    }
};

EditResult refused(const Document& document, Message message)
{
    return {document, {}, message};
}

QString withoutCommentMarkers(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i + 1 < text.size()) {
            const QChar a = text[i], b = text[i + 1];
            if ((a == u'/' && (b == u'*' || b == u'/')) || (a == u'*' && b == u'/')) {
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// A line may lose two characters when it is blank or begins with two blanks.
bool canUnindent(const QString& line)
{
    return isBlank(line) || (line.size() >= 2 && isBlankChar(line[0]) && isBlankChar(line[1]));
}

QString unindented(const QString& line)
{
    return isBlank(line) ? QString() : line.mid(2);
}

// The single-line case: the whole line changes, and the caret and the
// selection stay on the characters they were on, so the command can be
// repeated at once.
EditResult unindentWholeLine(const Document& document, const QStringList& lines, Range selection)
{
    const int line = selection.from.line;
    const QString& text = lines[line - 1];
    if (!canUnindent(text))
        return refused(document, Message::CannotUnindent);
    const QString changed = unindented(text);
    const int removed = int(text.size() - changed.size());
    Editing editing{lines};
    editing.replace({{1, line}, {int(text.size()) + 1, line}}, changed);

    const auto shifted = [&](TextPoint p) {
        return p.line == line ? TextPoint{std::max(1, p.column - removed), line} : p;
    };
    EditResult result = editing.result();
    result.document.caret =
        shifted({std::max(document.caret.column, 1), std::clamp(document.caret.line, 1, int(lines.size()))});
    result.document.hasSelection = true;
    result.document.selBegin = shifted(selection.from);
    result.document.selEnd = shifted(selection.to);
    return result;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x >= 'A' && x <= 'Z' ? x + 32 : x) == (y >= 'A' && y <= 'Z' ? y + 32 : y);
           });
}

// The page is read as UTF-8 bytes, so text outside Latin-1 survives.
QString utf8(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

// A value without the quotes around it. Only quotes that are there go: an
// unquoted value keeps every character, and a value quoted across lines
// loses its opening quote on one line and its closing quote on the next.
std::string_view unquoted(std::string_view value)
{
    if (!value.empty() && (value.front() == '"' || value.front() == '\''))
        value.remove_prefix(1);
    if (!value.empty() && (value.back() == '"' || value.back() == '\''))
        value.remove_suffix(1);
    return value;
}

// Turns a page into what its reader sees, line by line: one highlighter
// walks every line with its state carried, and what has been seen of links,
// styles and lists runs on from line to line (the ordered-list counter
// through the whole page). The title and list markers go where their tag
// stands, so several items on one line each keep their own marker.
class HtmlStripper {
public:
    QString strip(const QByteArray& bytes, int lineIndex)
    {
        QString out;
        m_highlighter.SetLine(std::string_view(bytes.constData(), std::size_t(bytes.size())), lineIndex);
        for (; !m_highlighter.GetEol(); m_highlighter.Next())
            token(m_highlighter.GetTokenKind(), m_highlighter.GetToken(), out);
        return out;
    }

private:
    void token(TokenKind kind, std::string_view text, QString& out)
    {
        switch (kind) {
        case TokenKind::AttributeName:
            // Of the last attribute name only whether it is "href" matters.
            m_lastAttributeIsHref = equalsIgnoringCase(text, "href");
            // Only the link's own href counts: one of a <link>, <base> or
            // <area> elsewhere in the page must not become a link target.
            if (m_inLink && m_lastAttributeIsHref)
                m_linkHasHref = true;
            break;
        case TokenKind::AttributeValue:
            if (m_inLink && m_lastAttributeIsHref)
                m_linkTarget += utf8(unquoted(text));
            break;
        case TokenKind::KnownTag:
            tag(text, out);
            break;
        case TokenKind::Text:
            if (m_inLink)
                out += QStringLiteral("(") + utf8(text) + QStringLiteral(") ");
            else if (!m_inStyle)
                out += utf8(text);
            break;
        default:
            break; // symbols, blanks, entities, comments, unknown tags
        }
    }

    void tag(std::string_view name, QString& out)
    {
        const auto is = [name](std::string_view known) { return equalsIgnoringCase(name, known); };
        if (is("style")) {
            m_inStyle = true;
        } else if (is("/style")) {
            m_inStyle = false;
        } else if (is("a")) {
            m_inLink = true;
        } else if (is("/a")) {
            if (m_linkHasHref)
                out += m_linkTarget;
            m_inLink = m_linkHasHref = false;
            m_linkTarget.clear();
        } else if (is("title")) {
            out += QStringLiteral("Title: ");
        } else if (is("ul")) {
            m_inUnordered = true;
        } else if (is("/ul")) {
            m_inUnordered = false;
        } else if (is("ol")) {
            m_inOrdered = true;
        } else if (is("/ol")) {
            m_inOrdered = false;
        } else if (is("li")) {
            // The number before the dash, as for an item of a list in a list.
            if (m_inOrdered)
                out += QString::number(++m_listCounter) + u'.';
            if (m_inUnordered)
                out += u'-';
        }
    }

    TSynHTMLSyn m_highlighter;
    bool m_inLink = false;
    bool m_linkHasHref = false;
    QString m_linkTarget;
    bool m_lastAttributeIsHref = false;
    bool m_inStyle = false;
    bool m_inUnordered = false;
    bool m_inOrdered = false;
    int m_listCounter = 0;
};

// ChangeFileExt as the old runtime did it: the extension is what follows the
// name's last dot, and a name without one gets the extension appended.
QString withTextExtension(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return (dot > path.lastIndexOf(u'/') ? path.left(dot) : path) + QStringLiteral(".txt");
}

} // namespace

QString messageText(Message message)
{
    switch (message) {
    case Message::None:
        return {};
    case Message::NothingToComment:
        return QStringLiteral("You have to select the text you want to comment out!");
    case Message::NothingToUncomment:
        return QStringLiteral("You have to select the text you want to uncomment!");
    case Message::NothingToIndent:
        return QStringLiteral("You have to select the text you want to indent!");
    case Message::NothingToUnindent:
        return QStringLiteral("You have to select the text you want to unindent!");
    case Message::CannotUnindent:
        return QStringLiteral("Can't unindent this code because one of the lines in the code does not contain "
                              "enought empty characters to perform the unindentation.");
    }
    return {};
}

EditResult SkrivTekstenTilEditor(const Document& document, const QString& text)
{
    Editing editing{editableLines(document.lines)};
    editing.caret = {std::max(document.caret.column, 1), std::clamp(document.caret.line, 1, int(editing.lines.size()))};
    if (const auto selection = selectedRange(editing.lines, document))
        editing.replace(*selection, {});
    if (!text.isEmpty()) {
        // A caret beyond the line's end: the blanks up to it are part of the
        // insertion, so the edit point stays inside the text.
        const int length = int(editing.lines[editing.caret.line - 1].size());
        const int padding = std::max(0, editing.caret.column - 1 - length);
        const TextPoint at{editing.caret.column - padding, editing.caret.line};
        editing.replace({at, at}, QString(padding, u' ') + splitAtBreaks(text).join(u'\n'));
    }
    if (editing.edits.empty())
        return {document, {}, Message::None};
    return editing.result();
}

EditResult intit(const Document& document)
{
    return SkrivTekstenTilEditor(document, {});
}

QString FindWhitespaceInFront(const Document& document)
{
    if (document.caret.line < 1 || document.caret.line > document.lines.size())
        return {};
    const QString& line = document.lines[document.caret.line - 1];
    qsizetype blanks = 0;
    while (blanks < line.size() && line[blanks] == u' ')
        ++blanks;
    return QString(blanks, u' ');
}

EditResult comment(const Document& document)
{
    Editing editing{editableLines(document.lines)};
    const auto selection = selectedRange(editing.lines, document);
    if (!selection)
        return refused(document, Message::NothingToComment);
    editing.replace(*selection,
                    QStringLiteral("/*") + piecesOf(editing.lines, *selection).join(u'\n') + QStringLiteral("*/"));
    return editing.result();
}

EditResult uncomment(const Document& document)
{
    Editing editing{editableLines(document.lines)};
    const auto selection = selectedRange(editing.lines, document);
    if (!selection)
        return refused(document, Message::NothingToUncomment);
    editing.replace(*selection, withoutCommentMarkers(piecesOf(editing.lines, *selection).join(u'\n')));
    return editing.result();
}

EditResult indent(const Document& document)
{
    Editing editing{editableLines(document.lines)};
    const auto selection = selectedRange(editing.lines, document);
    QStringList pieces = selection ? piecesOf(editing.lines, *selection) : QStringList{QString()};
    const qsizetype count = lineCountOf(pieces);
    if (count == 0)
        return refused(document, Message::NothingToIndent);
    for (qsizetype i = 0; i < count; ++i)
        pieces[i].prepend(u"  ");
    editing.replace(*selection, pieces.join(u'\n'));
    return editing.result();
}

EditResult unindent(const Document& document)
{
    const QStringList lines = editableLines(document.lines);
    const auto selection = selectedRange(lines, document);
    QStringList pieces = selection ? piecesOf(lines, *selection) : QStringList{QString()};
    const qsizetype count = lineCountOf(pieces);
    if (count == 0)
        return refused(document, Message::NothingToUnindent);
    if (count == 1)
        return unindentWholeLine(document, lines, *selection);
    for (qsizetype i = 0; i < count; ++i) {
        if (!canUnindent(pieces[i]))
            return refused(document, Message::CannotUnindent);
    }
    for (qsizetype i = 0; i < count; ++i)
        pieces[i] = unindented(pieces[i]);
    Editing editing{lines};
    editing.replace(*selection, pieces.join(u'\n'));
    return editing.result();
}

QString stripHtmlQuestion()
{
    return QStringLiteral("Are you sure that you want to strip the html code from this document? Doing this will cause "
                          "the html code to be removed from the current active editor document. Do you want to "
                          "presede with this operation now?");
}

EditResult stripHtml(const Document& document)
{
    HtmlStripper stripper;
    QStringList kept;
    for (qsizetype i = 0; i < document.lines.size(); ++i) {
        const QString text = stripper.strip(document.lines[i].toUtf8(), int(i));
        if (!isBlank(text))
            kept << text;
    }
    if (kept == document.lines)
        return {document, {}, Message::None};
    Editing editing{editableLines(document.lines)};
    const int lastLine = int(editing.lines.size());
    editing.replace({{1, 1}, {int(editing.lines.last().size()) + 1, lastLine}}, kept.join(u'\n'));
    editing.caret = {1, 1};
    return editing.result();
}

DocumentName asTextDocument(const DocumentName& name)
{
    DocumentName text = name;
    if (name.hasFile) {
        text.fileName = withTextExtension(name.fileName);
        text.caption = text.fileName.mid(text.fileName.lastIndexOf(u'/') + 1);
    } else {
        text.caption = withTextExtension(name.caption);
    }
    return text;
}

} // namespace EditingCommands
