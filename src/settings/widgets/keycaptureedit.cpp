#include "settings/widgets/keycaptureedit.h"

#include "settings/shortcuts.h"

#include <QKeyEvent>

KeyCaptureEdit::KeyCaptureEdit(QWidget* parent) : QLineEdit(parent)
{
    setPlaceholderText(QStringLiteral("press a key combination"));
    // The hint stays whole at any font size (the frame and the text margins
    // take about two characters).
    setMinimumWidth(fontMetrics().horizontalAdvance(placeholderText() + QStringLiteral("MM")));
}

void KeyCaptureEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool plain = (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((plain && (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)) || key == Qt::Key_Tab ||
        key == Qt::Key_Backtab) {
        event->ignore();
        return;
    }
    const Shortcuts::Value value = Shortcuts::qtKeyToShortcut(key, modifiers);
    if (value == 0) {
        // A modifier on its own, or a key with no name here.
        event->accept();
        return;
    }
    const QString text = Shortcuts::shortcutToText(value);
    setText(text);
    emit captured(text);
    event->accept();
}
