#pragma once

#include "toolchain/kitcommands.h"
#include "toolchain/trunnerthread.h"

#include <QWidget>

#include <deque>

class QMenu;
class QPlainTextEdit;
class QTextCursor;
class QTimer;
class QToolButton;

// The console window of one program run: the program's output appears in
// the pane as it arrives, and a line typed there with Enter goes to the
// program's input. Closing the window hides it; the program runs on.
class TProgRunFrm : public QWidget {
    Q_OBJECT
public:
    // Starts `command` at once; `fileName` is shown in the caption. A debug
    // session's program also reports to its `debugTarget`.
    TProgRunFrm(KitCommands::KitCommand command, const QString& fileName, QWidget* parent = nullptr,
                std::shared_ptr<DebugTarget> debugTarget = {});
    ~TProgRunFrm() override;

    QPlainTextEdit* RichEdit1 = nullptr;
    QWidget* Panel1 = nullptr;
    QToolButton* Copy = nullptr;
    QToolButton* Paste = nullptr;
    QToolButton* Cut = nullptr;
    QToolButton* SelectAll = nullptr;
    QToolButton* Undo = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QTimer* Timer1 = nullptr;
    bool Finished = false;

    TRunnerThread* runner() const { return m_runner; }

    // The pane keeps at least this many of the last lines, at most half as
    // many again; older ones are dropped.
    static constexpr int MaxConsoleLines = 50000;
    // The longest a turn of showing output may take, and the pause between
    // turns while output keeps coming.
    static constexpr int SliceMs = 15;
    static constexpr int TurnIntervalMs = 30;

    void Timer1Timer();
    // Enter in the pane: the last line's input goes to the program.
    void RichEdit1KeyDown();
    // What Enter sends now: the pane's last line, less the program's output
    // that stands at its start (a prompt).
    QString typedLine() const;
    // Brings the window forward with the keyboard in the pane, the caret at
    // its end, where the program reads from.
    void takeFocus();

signals:
    void outputEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const QString& fileName);
    void takeRunnerEvents();
    void handle(const TRunnerThread::Event& event);
    // Output goes above what the user is typing; `partial` output (a prompt)
    // leaves the typing on its line.
    void appendEntry(const QString& text, bool partial = false);
    void enterPressed();
    void cascadeFromOtherConsoles();
    void dropOldLines(QTextCursor& cursor);
    void trackUserEdit(int position, int removed, int added);

    TRunnerThread* m_runner = nullptr;
    // Taken from the runner, not yet shown: a flood of output is shown a
    // slice per turn, so the window never stops answering.
    std::deque<TRunnerThread::Event> m_inbox;
    QTimer* m_turnTimer = nullptr;
    int m_outputEnd = 0;     // where the program's output ends in the pane
    bool m_appending = false;
    bool m_closed = false; // by the user
};
