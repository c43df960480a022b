#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

// Types characters as a keyboard layout that has them would: a key press and
// release carrying each character (QTest::keyClicks knows only Latin-1).
inline void typeCharacters(QWidget* target, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text.mid(i, n));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text.mid(i, n));
        QApplication::sendEvent(target, &release);
        i += n - 1;
    }
}
