#pragma once

#include <QObject>
#include <QString>

class QPlainTextEdit;

// The "Debugger" log: jdb's lines and prompts as they come, and the command
// the user types behind the last one. jdb's text stays as it came: the user
// edits only what follows jdb's last output, and Enter, never inserted,
// hands that text on. Output that comes while the user types goes above the
// typing, which stays at the end.
class DebugLogPane : public QObject {
    Q_OBJECT
public:
    explicit DebugLogPane(QPlainTextEdit* log);

    QPlainTextEdit* edit() const { return m_log; }

    void clear();
    void appendLine(const QString& text);
    // A prompt right after another (afterPrompt) replaces it, so a run of
    // prompts shows as one prompt line.
    void appendPrompt(const QString& prompt, bool afterPrompt);

    // What the user typed after jdb's last output.
    QString typedText() const;
    // The typed text has been sent: what is typed next comes after it.
    void takeTypedText();

signals:
    void enterPressed();
    // After every change of the log, by jdb's output or the user's typing.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void append(const QString& text, bool replaceLastLine);
    bool keyPress(class QKeyEvent* key);
    void followCursor();

    QPlainTextEdit* m_log;
    int m_outputEnd = 0; // where jdb's output ends
    bool m_lastIsPrompt = false;
    bool m_appending = false;
};
