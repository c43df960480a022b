#include "html/widgets/tcustomsynautocomplete1.h"

#include "editor/widgets/tsynedit.h"
#include "html/htmlattributes.h"
#include "html/tagatcaret.h"
#include "html/widgets/tfmcustomsynhtmlautocomplete.h"

#include <QMessageBox>
#include <QPointer>

#include <algorithm>

namespace {

// A broken attribute file is reported once per run, not at every blank.
bool g_fileErrorShown = false;

} // namespace

TCustomSynAutoComplete1::TCustomSynAutoComplete1(QWidget* window)
    : QObject(window), m_window(window), m_popup(new TfmCustomSynHTMLAutoComplete(window))
{
}

TCustomSynAutoComplete1::~TCustomSynAutoComplete1()
{
    for (const Served& s : m_served)
        s.editor->removeDestroyNotification(s.notification);
}

bool TCustomSynAutoComplete1::serves(const TSynEdit* editor) const
{
    return std::any_of(m_served.begin(), m_served.end(), [editor](const Served& s) { return s.editor == editor; });
}

void TCustomSynAutoComplete1::attach(TSynEdit* editor)
{
    if (!editor || serves(editor))
        return;
    const int id = editor->addDestroyNotification([this](TSynEdit* gone) {
        m_served.erase(std::remove_if(m_served.begin(), m_served.end(),
                                      [gone](const Served& s) { return s.editor == gone; }),
                       m_served.end());
    });
    m_served.push_back({editor, id});
}

void TCustomSynAutoComplete1::ShowAtCaret(TSynEdit* editor)
{
    if (!editor || !serves(editor))
        return;
    const QPoint caretTop = editor->mapToGlobal(editor->caretPixelPos());
    FillAndShow(editor, caretTop, editor->lineHeight());
}

void TCustomSynAutoComplete1::FillAndShow(TSynEdit* editor, const QPoint& caretTop, int lineHeight)
{
    const QByteArray text = editor->documentBytes();
    // The lexer walks bytes: the caret's column is counted in bytes too, or
    // an accented letter before the tag hides it.
    const int line = editor->caretY();
    const QString tag = TagAtCaret::FindKeyWordInNow(std::string_view(text.constData(), std::size_t(text.size())),
                                                     editor->byteColumn(editor->caretX(), line), line);
    if (tag.isEmpty())
        return;
    const QString path = HtmlAttributeTable::defaultPath();
    const Result<HtmlAttributeTable> table = HtmlAttributeTable::read(path);
    if (!table) {
        if (!g_fileErrorShown) {
            g_fileErrorShown = true;
            QMessageBox::warning(m_window, QStringLiteral("Warning"),
                                 QStringLiteral("The HTML attribute list cannot be used, so no attributes are "
                                                "offered.\n\n%1")
                                     .arg(table.error()));
        }
        return;
    }
    const QStringList entries = table.value().entriesFor(tag);
    if (entries.isEmpty())
        return;
    m_popup->setAttributes(entries);
    QPointer<TSynEdit> target = editor;
    m_popup->onChosen = [this, target](const QString& row) {
        if (target)
            InsertChoice(row, target);
    };
    m_popup->popupAt(editor, caretTop, lineHeight);
}

void TCustomSynAutoComplete1::InsertChoice(const QString& attribute, TSynEdit* editor)
{
    const AttributeInsertion insertion = attributeInsertion(attribute);
    if (insertion.text.isEmpty())
        return;
    editor->setSelText(insertion.text);
    if (insertion.caretBack)
        editor->setCaretX(editor->caretX() - insertion.caretBack);
}
