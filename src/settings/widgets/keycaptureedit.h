#pragma once

#include <QLineEdit>

// A field that writes the text of the key combination pressed in it
// ("Shift+Ctrl+J") instead of the typed characters. Tab, Escape and Enter
// without modifiers keep their dialog meaning.
class KeyCaptureEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit KeyCaptureEdit(QWidget* parent = nullptr);

signals:
    void captured(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
