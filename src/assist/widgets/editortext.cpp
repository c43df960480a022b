#include "assist/widgets/editortext.h"

#include "assist/caretcontext.h"
#include "editor/tsynjavasyn.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"

namespace EditorText {

QByteArray documentUtf8(const TSynEdit* edit)
{
    if (edit->encoding() == TextEncoding::Utf8)
        return edit->documentBytes();
    return normalizeLineEnds(edit->text().toUtf8());
}

int byteColumn(const TSynEdit* edit, int lineIndex, int column)
{
    if (column <= 1)
        return column;
    const QString text = edit->line(lineIndex);
    const qsizetype inside = std::min<qsizetype>(column - 1, text.size());
    return int(QStringView(text).left(inside).toUtf8().size() + (column - 1 - inside)) + 1;
}

int javaRangeBefore(TSynEdit* edit, int lineIndex)
{
    if (lineIndex <= 0)
        return int(TSynJavaSyn::Range::Normal);
    using S = QsciScintillaBase;
    EditView* view = edit->view();
    if (dynamic_cast<TSynJavaSyn*>(edit->highlighter())) {
        const long lineStart = view->SendScintilla(S::SCI_POSITIONFROMLINE, lineIndex);
        const long styled = view->SendScintilla(S::SCI_GETENDSTYLED);
        if (styled < lineStart)
            view->SendScintilla(S::SCI_COLOURISE, styled, lineStart);
        return int(view->SendScintilla(S::SCI_GETLINESTATE, lineIndex - 1));
    }
    TSynJavaSyn lexer;
    for (int i = 0; i < lineIndex; ++i) {
        const QByteArray bytes = edit->lineBytes(i);
        for (lexer.SetLine(std::string_view(bytes.constData(), std::size_t(bytes.size())), i); !lexer.GetEol();
             lexer.Next()) {
        }
    }
    return lexer.GetRange();
}

bool caretInCommentOrString(TSynEdit* edit)
{
    const int line = edit->caretY() - 1;
    const QByteArray bytes = edit->line(line).toUtf8();
    return CaretContext::inCommentOrString(javaRangeBefore(edit, line),
                                           std::string_view(bytes.constData(), std::size_t(bytes.size())),
                                           byteColumn(edit, line, edit->caretX()));
}

} // namespace EditorText
