#include "editor/widgets/editview.h"

#include "editor/widgets/editaccessibility.h"
#include "editor/widgets/tsynedit.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

EditView::EditView(TSynEdit* owner) : QsciScintillaBase(owner), m_owner(owner)
{
    EditAccessibility::registerView(this);
}

void EditView::accessibilityChanged()
{
    m_owner->applyModEventMask();
}

bool EditView::event(QEvent* e)
{
    // Not accepting the override lets the main window's menu shortcuts take
    // the key first; keys no shortcut wants still arrive as key presses.
    if (e->type() == QEvent::ShortcutOverride) {
        e->ignore();
        return false;
    }
    return QsciScintillaBase::event(e);
}

void EditView::keyPressEvent(QKeyEvent* e)
{
    if (!m_owner->handleKeyPress(e))
        QsciScintillaBase::keyPressEvent(e);
}

void EditView::keyReleaseEvent(QKeyEvent* e)
{
    m_owner->handleKeyRelease(e);
    QsciScintillaBase::keyReleaseEvent(e);
}

void EditView::mousePressEvent(QMouseEvent* e)
{
    m_owner->handleMousePress(e);
    QsciScintillaBase::mousePressEvent(e);
}

void EditView::contextMenuEvent(QContextMenuEvent* e)
{
    m_owner->handleContextMenu(e->globalPos());
}

// Dropped files go to the owner when it takes them; dragged text only
// while drag-and-drop editing is on. False when the event was dealt with.
bool EditView::screenDrag(QDropEvent* e)
{
    if (e->mimeData()->hasUrls()) {
        if (m_owner->options() & eoDropFiles)
            e->acceptProposedAction();
        else
            e->ignore();
        return false;
    }
    if (!(m_owner->options() & eoDragDropEditing)) {
        e->ignore();
        return false;
    }
    return true;
}

void EditView::dragEnterEvent(QDragEnterEvent* e)
{
    if (screenDrag(e))
        QsciScintillaBase::dragEnterEvent(e);
}

void EditView::dragMoveEvent(QDragMoveEvent* e)
{
    if (screenDrag(e))
        QsciScintillaBase::dragMoveEvent(e);
}

void EditView::dropEvent(QDropEvent* e)
{
    if (m_owner->handleDrop(e->mimeData())) {
        e->acceptProposedAction();
        return;
    }
    // Text from elsewhere must fit the document's encoding.
    if (!(m_owner->options() & eoDragDropEditing) || !m_owner->acceptText(e->mimeData()->text())) {
        e->ignore();
        return;
    }
    QsciScintillaBase::dropEvent(e);
}

void EditView::paintEvent(QPaintEvent* e)
{
    m_owner->refreshSpecialLines();
    QsciScintillaBase::paintEvent(e);
}

bool EditView::focusNextPrevChild(bool next)
{
    // Tab is handled as a key; focus moves only when the owner asks.
    if (m_allowFocusChange)
        return QWidget::focusNextPrevChild(next);
    return false;
}

void EditView::inputMethodEvent(QInputMethodEvent* e)
{
    if (!e->commitString().isEmpty() && !m_owner->acceptText(e->commitString())) {
        e->ignore();
        return;
    }
    QsciScintillaBase::inputMethodEvent(e);
}
