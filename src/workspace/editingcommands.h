#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The commands that rewrite text of the active document on the main window's
// behalf: writing text at the caret (every generator and wizard goes through
// it), Comment, Uncomment, Indent, Unindent and Strip HTML. Each is a pure
// function from a snapshot of the document to the document after the
// command, plus the edits that get there and the message to show instead.
//
// Applying a result to the edit control (normal selection mode): for each
// edit, select from..to and write the text as the selected text; then put
// the caret and the selection where the result says. Edit points always lie
// inside the text (a column at most one past its line's end), so the
// control never pads them with blanks of its own.
namespace EditingCommands {

// A place in the text: 1-based column and line.
struct TextPoint {
    int column = 1;
    int line = 1;
    bool operator==(const TextPoint&) const = default;
};

// What the commands read of the edit control. A document without text has
// no lines, as the control reports it. The caret column may lie beyond its
// line's end; the selection is a stream selection given by its two ends in
// either order.
struct Document {
    QStringList lines;
    TextPoint caret;
    bool hasSelection = false;
    TextPoint selBegin, selEnd;
};

// The text between from and to replaced by text, whose lines are separated
// by "\n": one selected-text write of the control, and one undo step.
struct Replacement {
    TextPoint from, to;
    QString text;
};

// Each shown as an information box, caption "Information", button OK.
enum class Message {
    None,
    NothingToComment,
    NothingToUncomment,
    NothingToIndent,
    NothingToUnindent,
    CannotUnindent,
};
QString messageText(Message message);

struct EditResult {
    Document document;               // after the command
    std::vector<Replacement> edits;  // in order; none when nothing changes
    Message message = Message::None; // shown when set; then nothing changes
};

// SkrivTekstenTilEditor: write the text to the editor. Deletes the selection,
// then inserts text at the caret, as two edits. CR, LF and CR LF in text
// start new lines; a caret beyond its line's end is reached with blanks. The
// caret ends after the inserted text.
EditResult SkrivTekstenTilEditor(const Document& document, const QString& text);

// Deletes the selection (SkrivTekstenTilEditor with no text).
EditResult intit(const Document& document);

// The blanks (code 32 only) that begin the caret line.
QString FindWhitespaceInFront(const Document& document);

// The selection becomes "/*" + selection + "*/".
EditResult comment(const Document& document);
// Every "/*", "*/" and "//" of the selection goes, read left to right.
EditResult uncomment(const Document& document);
// Two blanks before each line of the selection (a final line break starts
// no line of its own, so the line after it stays as it is).
EditResult indent(const Document& document);
// Each line of the selection that is not blank loses its first two
// characters, blank ones become empty; refused when one of them does not
// begin with two blanks (codes up to 32). A selection of one line unindents
// that whole line and keeps caret and selection on their characters.
EditResult unindent(const Document& document);

// The question asked before stripping: caption "Information", Yes and No.
QString stripHtmlQuestion();

// Replaces every line by what the reader sees of it: text, link targets, the
// title and list markers; lines left blank go. The caret goes to the start.
EditResult stripHtml(const Document& document);

// How a document is named: the window caption and, when it has a file, the
// file's full path.
struct DocumentName {
    QString caption;
    QString fileName;
    bool hasFile = false;
};

// The name a stripped page takes: its extension becomes ".txt" (of the file
// when it has one, else of the caption). Nothing is written.
DocumentName asTextDocument(const DocumentName& name);

} // namespace EditingCommands
