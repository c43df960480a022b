#include "assist/widgets/tfmcompletionproposal.h"

#include "assist/completionlist.h"
#include "assist/widgets/tcustomsynautocomplete.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QTreeWidget>

namespace {

constexpr int kWidth = 420;
constexpr int kVisibleRows = 5;

bool isPrintable(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0).unicode() != 0x7F;
}

} // namespace

TfmCompletionProposal::TfmCompletionProposal(TCustomSynAutoComplete* owner, QWidget* parent)
    : CompletionPopup(parent), m_owner(owner)
{
    setObjectName(QStringLiteral("TfmCompletionProposal"));
    setTitle(QStringLiteral("Class: "));
    List->setFont(QApplication::font());
    fitRows();
}

void TfmCompletionProposal::fitRows()
{
    // The header and whole rows, none cut at the bottom.
    int row = List->topLevelItemCount() > 0 ? List->sizeHintForRow(0) : 0;
    if (row <= 0)
        row = QFontMetrics(List->font()).height() + 4;
    const int header = List->header()->sizeHint().height();
    const QMargins margins = contentsMargins() + layout()->contentsMargins();
    setFixedSize(kWidth, header + kVisibleRows * row + margins.top() + margins.bottom() + 2 * List->frameWidth());
}

void TfmCompletionProposal::FyllMedParameter(const QString& className, const QStringList& entries)
{
    setTitle(QStringLiteral("Class: ") + className);
    m_entries = entries;
    setRows(CompletionList::rowsFor(entries));
    fitRows();
}

void TfmCompletionProposal::startTyping(TSynEdit* edit)
{
    m_edit = edit;
    m_savedLine = edit->lineText();
    m_popupColumn = edit->caretX();
}

QStringList TfmCompletionProposal::rowsForFilter(const QString& filter) const
{
    return CompletionList::filterRows(m_entries, filter);
}

void TfmCompletionProposal::replaceLine(const QString& text, int caretColumn)
{
    m_edit->setLineText(text);
    m_edit->setCaretX(caretColumn);
}

void TfmCompletionProposal::moveCaretAfterTyping()
{
    if (m_edit)
        m_edit->setCaretX(CompletionList::typingEnd(m_edit->lineText(), m_popupColumn) + 1);
}

void TfmCompletionProposal::closeAndType(QKeyEvent* event)
{
    hide();
    moveCaretAfterTyping();
    if (m_edit) {
        QKeyEvent again(QEvent::KeyPress, event->key(), event->modifiers(), event->text());
        QApplication::sendEvent(m_edit->view(), &again);
    }
}

bool TfmCompletionProposal::keyPressed(QKeyEvent* event)
{
    if (!m_edit) {
        hide();
        return true;
    }
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (List->selectedItems().isEmpty())
            closeAndType(event);
        else
            chooseSelected();
        return true;
    }
    if (key == Qt::Key_Escape) {
        hide();
        moveCaretAfterTyping();
        return true;
    }
    const QString line = m_edit->lineText();
    if (key == Qt::Key_Backspace) {
        const QString shorter = CompletionList::withBackspace(line, m_popupColumn);
        if (line.size() - 1 < m_savedLine.size()) {
            // Back past the place where the popup opened.
            replaceLine(shorter, m_popupColumn - 1);
            hide();
            return true;
        }
        replaceLine(shorter, m_popupColumn);
        setFilter(CompletionList::typedPrefix(shorter, m_popupColumn));
        return true;
    }
    if (isPrintable(event)) {
        const QString longer = CompletionList::withCharacterTyped(line, m_popupColumn, event->text().at(0));
        replaceLine(longer, m_popupColumn);
        setFilter(CompletionList::typedPrefix(longer, m_popupColumn));
        return true;
    }
    return CompletionPopup::keyPressed(event);
}

void TfmCompletionProposal::rowChosen(const QString& row)
{
    if (!m_edit)
        return;
    // What was typed for filtering goes; the member is written in its place.
    replaceLine(m_savedLine, m_popupColumn);
    m_owner->InsertChoice(row, m_edit);
}

bool TfmCompletionProposal::isBoldWord(const QString& word)
{
    const QString w = word.trimmed();
    if (word.contains(QStringLiteral("[]")) &&
        !(!word.isEmpty() && word.at(0) >= QLatin1Char('A') && word.at(0) <= QLatin1Char('Z')))
        return true;
    for (const char* type : {"int", "boolean", "char", "float", "long", "byte", "short", "double"})
        if (w == QLatin1String(type))
            return true;
    for (const char* part : {"public", "private", "static", "void", "protected", "final", "return"})
        if (word.contains(QLatin1String(part)))
            return true;
    return false;
}

QStringList TfmCompletionProposal::rowWords(const QString& row)
{
    QStringList words;
    QString word;
    for (QChar c : row.trimmed()) {
        word += c;
        if (c == QLatin1Char(' ') || c == QLatin1Char('(') || c == QLatin1Char(')')) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

void TfmCompletionProposal::paintRow(QPainter* painter, const QRect& rect, const QString& text, bool selected) const
{
    painter->fillRect(rect, selected ? palette().color(QPalette::Midlight) : List->palette().color(QPalette::Base));
    painter->setPen(List->palette().color(QPalette::Text));
    const QFont normal = List->font();
    QFont bold = normal;
    bold.setBold(true);
    int offset = 0;
    for (const QString& word : rowWords(text)) {
        const QString shown = word.trimmed();
        if (shown.isEmpty())
            continue;
        const QFont& font = isBoldWord(word) ? bold : normal;
        painter->setFont(font);
        const QRect box(rect.left() + offset + 2, rect.top(), rect.width(), rect.height());
        painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter, shown);
        // Words that a blank ended keep a blank's width apart.
        offset += QFontMetrics(font).horizontalAdvance(shown) +
                  (word.endsWith(QLatin1Char(' ')) ? QFontMetrics(normal).horizontalAdvance(QLatin1Char(' ')) : 0);
    }
}

TSynEdit* TfmCompletionProposal::edit() const
{
    return m_edit;
}
