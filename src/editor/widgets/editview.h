#pragma once

#include <Qsci/qsciscintillabase.h>

class QDropEvent;
class TSynEdit;

// The Scintilla view inside a TSynEdit. It hands keys, mouse presses,
// drops and the context menu to its owner first, and lets the main
// window's shortcuts win over the control's own keys.
class EditView : public QsciScintillaBase {
    Q_OBJECT
public:
    explicit EditView(TSynEdit* owner);
    // A screen reader started or stopped listening.
    void accessibilityChanged();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    bool focusNextPrevChild(bool next) override;

private:
    friend class TSynEdit;
    void insertTextKey(QKeyEvent* e) { QsciScintillaBase::keyPressEvent(e); }
    bool screenDrag(QDropEvent* e);
    TSynEdit* m_owner;
    bool m_allowFocusChange = false;
};
