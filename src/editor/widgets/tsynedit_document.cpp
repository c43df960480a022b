// TSynEdit: the document as a file (load, save, encoding), the checks on
// text that enters it, and the modification notices that keep the marks in
// step with the text.
#include "editor/textencoding.h"
#include "editor/widgets/editaccessibility.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "editor/widgets/tsyngutter.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTimer>

using S = QsciScintillaBase;

namespace {

// An 8-bit file is converted into the buffer a slice at a time, so loading
// never holds a whole converted copy beside the file and the buffer.
constexpr qsizetype kLoadSlice = 256 * 1024;

int eolMode(LineEndStyle style)
{
    switch (style) {
    case LineEndStyle::CrLf:
        return S::SC_EOL_CRLF;
    case LineEndStyle::Lf:
        return S::SC_EOL_LF;
    case LineEndStyle::Cr:
        return S::SC_EOL_CR;
    }
    return S::SC_EOL_CRLF;
}

// The bytes of the file's last line break, when it ends with one.
QByteArray finalBreakOf(QByteArrayView text)
{
    if (text.endsWith("\r\n"))
        return QByteArrayLiteral("\r\n");
    if (text.endsWith('\n'))
        return QByteArrayLiteral("\n");
    if (text.endsWith('\r'))
        return QByteArrayLiteral("\r");
    return {};
}

} // namespace

// ---- files ---------------------------------------------------------------

Result<void> TSynEdit::loadFromFile(const QString& path, std::optional<TextEncoding> encoding)
{
    Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes)
        return Result<void>::failure(bytes.error());
    const TextEncoding chosen = encoding.value_or(TextEncodings::detect(bytes.value()));
    if (chosen == TextEncoding::Utf8 && encoding && !TextEncodings::isValidUtf8(bytes.value()))
        return Result<void>::failure(
            QStringLiteral("The file \"%1\" cannot be read as UTF-8: it holds bytes that are not UTF-8. "
                           "The document stays as it was.")
                .arg(path));
    loadBuffer(bytes.take(), chosen);
    return {};
}

void TSynEdit::loadBuffer(const QByteArray& file, TextEncoding encoding)
{
    QByteArrayView body(file);
    m_encoding = encoding;
    m_bom = encoding == TextEncoding::Utf8 && TextEncodings::startsWithUtf8Bom(body);
    if (m_bom)
        body = body.sliced(qsizetype(TextEncodings::Utf8Bom.size()));
    m_lineEnd = lineEndStyleOf(body);
    m_finalBreak = finalBreakOf(body);
    body.chop(m_finalBreak.size());

    // Loading is no edit: no change notice follows it, and no undo step
    // keeps a second copy of the text.
    m_loading = true;
    send(S::SCI_SETUNDOCOLLECTION, 0);
    send(S::SCI_CLEARALL);
    m_marks.clear();
    m_pendingInsertion.reset();
    send(S::SCI_SETEOLMODE, eolMode(m_lineEnd));
    if (encoding == TextEncoding::Utf8) {
        send(S::SCI_ALLOCATE, long(body.size()) + 1);
        m_view->SendScintilla(S::SCI_ADDTEXT, uintptr_t(body.size()), body.data());
    } else {
        send(S::SCI_ALLOCATE, long(body.size() + body.size() / 8) + 1);
        for (qsizetype at = 0; at < body.size(); at += kLoadSlice) {
            const QByteArray utf8 =
                TextEncodings::toUtf8(body.sliced(at, std::min(kLoadSlice, body.size() - at)), encoding);
            m_view->SendScintilla(S::SCI_ADDTEXT, uintptr_t(utf8.size()), utf8.constData());
        }
    }
    send(S::SCI_SETUNDOCOLLECTION, 1);
    m_loading = false;
    send(S::SCI_EMPTYUNDOBUFFER);
    send(S::SCI_SETSAVEPOINT);
    send(S::SCI_GOTOPOS, 0);
    m_gutter->update();
    emit encodingChanged(m_encoding);
}

void TSynEdit::loadFromBytes(const FileImage& file)
{
    const bool utf8 = file.encoding == TextEncoding::Utf8;
    loadBuffer(file.bytes, utf8 && !TextEncodings::isValidUtf8(file.bytes) ? TextEncodings::detect(file.bytes)
                                                                           : file.encoding);
}

DocumentImage TSynEdit::image() const
{
    const long length = send(S::SCI_GETLENGTH);
    const auto* utf8 = reinterpret_cast<const char*>(send(S::SCI_GETCHARACTERPOINTER));
    return {QByteArray(utf8, length), m_encoding, m_bom, m_finalBreak};
}

Result<void> TSynEdit::saveToFile(const QString& path)
{
    const long length = send(S::SCI_GETLENGTH);
    const QByteArrayView utf8(reinterpret_cast<const char*>(send(S::SCI_GETCHARACTERPOINTER)), length);
    QByteArray out;
    if (m_encoding != TextEncoding::Utf8) {
        std::optional<QByteArray> bytes = TextEncodings::fromUtf8(utf8, m_encoding);
        // Text that reached the buffer past the checks (a drop, an input
        // method) is never written as "?": the document becomes UTF-8 or
        // nothing is written.
        if (!bytes && !acceptText(QString::fromUtf8(utf8)))
            return Result<void>::failure(
                QStringLiteral("\"%1\" was not saved: the document holds characters that %2 cannot hold.")
                    .arg(path, TextEncodings::displayName(m_encoding)));
        if (bytes)
            out = std::move(*bytes);
    }
    if (m_encoding == TextEncoding::Utf8) {
        out.reserve(length + 5);
        if (m_bom)
            out += QByteArrayView(TextEncodings::Utf8Bom.data(), qsizetype(TextEncodings::Utf8Bom.size()));
        out += utf8;
    }
    out += m_finalBreak;
    Result<void> r = writeFileAtomically(path, out);
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

bool TSynEdit::setEncoding(TextEncoding encoding)
{
    if (encoding == m_encoding)
        return true;
    const long length = send(S::SCI_GETLENGTH);
    const QByteArrayView utf8(reinterpret_cast<const char*>(send(S::SCI_GETCHARACTERPOINTER)), length);
    if (!TextEncodings::fromUtf8(utf8, encoding))
        return false;
    m_encoding = encoding;
    if (encoding != TextEncoding::Utf8)
        m_bom = false;
    emit encodingChanged(m_encoding);
    return true;
}

// ---- text entering the document -------------------------------------------

bool TSynEdit::acceptText(QStringView text)
{
    if (m_encoding == TextEncoding::Utf8 || TextEncodings::encode(text, m_encoding))
        return true;
    const QString missing = TextEncodings::unencodable(text, m_encoding);
    bool convert = false;
    if (OnConvertToUtf8) {
        convert = OnConvertToUtf8(missing);
    } else {
        convert = QMessageBox::question(
                      this, QStringLiteral("Question"),
                      QStringLiteral("This document is saved as %1, which cannot hold \"%2\".\n\n"
                                     "Do you want to save it as UTF-8 from now on? If not, the text is left out.")
                          .arg(TextEncodings::displayName(m_encoding), missing.left(40)),
                      QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    if (!convert)
        return false;
    m_encoding = TextEncoding::Utf8;
    m_bom = false;
    emit encodingChanged(m_encoding);
    return true;
}

QByteArray TSynEdit::lineEndBytes() const
{
    switch (m_lineEnd) {
    case LineEndStyle::CrLf:
        return QByteArrayLiteral("\r\n");
    case LineEndStyle::Lf:
        return QByteArrayLiteral("\n");
    case LineEndStyle::Cr:
        return QByteArrayLiteral("\r");
    }
    return QByteArrayLiteral("\r\n");
}

QByteArray TSynEdit::bufferText(QStringView text) const
{
    return joinLines(normalizeLineEnds(text.toUtf8()), m_lineEnd, false);
}

void TSynEdit::pasteFromClipboard()
{
    // Scintilla pastes with its line ends turned into the document's style.
    if (acceptText(QApplication::clipboard()->text()))
        send(S::SCI_PASTE);
}

// ---- modification notices -------------------------------------------------

void TSynEdit::applyModEventMask()
{
    // Only the notices before a change: QScintilla answers the notices
    // after one by telling a screen reader, counting characters from the
    // start of the document each time (a key at line 50,000 cost 12 ms).
    // With a screen reader listening it gets them, at that cost.
    int mask = S::SC_MOD_BEFOREINSERT | S::SC_MOD_BEFOREDELETE;
    if (EditAccessibility::screenReaderActive())
        mask |= S::SC_MOD_INSERTTEXT | S::SC_MOD_DELETETEXT;
    send(S::SCI_SETMODEVENTMASK, mask);
}

void TSynEdit::onModified(int position, int modificationType, int length)
{
    // Scintilla makes one change at a time: the insertion announced last
    // is done once any other notice arrives.
    settleInsertion();
    if (m_loading)
        return;
    if (modificationType & S::SC_MOD_BEFOREINSERT) {
        const int line = int(send(S::SCI_LINEFROMPOSITION, position));
        m_pendingInsertion =
            PendingInsertion{line, send(S::SCI_POSITIONFROMLINE, line) == position, send(S::SCI_GETLINECOUNT)};
    } else if (modificationType & S::SC_MOD_BEFOREDELETE) {
        const int first = int(send(S::SCI_LINEFROMPOSITION, position)) + 1;
        const int lines = int(send(S::SCI_LINEFROMPOSITION, position + length)) + 1 - first;
        if (lines > 0) {
            m_marks.linesDeleted(first, lines);
            m_specialStale = true; // lines shifted: ask again for what is shown
        }
    }
    scheduleChange();
    m_gutter->update();
}

void TSynEdit::settleInsertion() const
{
    if (!m_pendingInsertion)
        return;
    const PendingInsertion p = *m_pendingInsertion;
    m_pendingInsertion.reset();
    const long added = send(S::SCI_GETLINECOUNT) - p.linesBefore;
    if (added > 0) {
        m_marks.linesInserted(p.line + 1 + (p.atLineStart ? 0 : 1), int(added));
        m_specialStale = true;
    }
}

const TSynEditMarkList& TSynEdit::marks() const
{
    settleInsertion();
    return m_marks;
}

TSynEditMarkList& TSynEdit::editableMarks()
{
    settleInsertion();
    return m_marks;
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
    settleInsertion();
    if (!m_changePending)
        return;
    m_changePending = false;
    if (OnChange)
        OnChange();
}
