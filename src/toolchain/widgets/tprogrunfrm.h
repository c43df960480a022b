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
    QToolButton* Stop = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* StopItem = nullptr;
    QAction* EndOfInputItem = nullptr;
    QTimer* Timer1 = nullptr;
    bool Finished = false;

    TRunnerThread* runner() const { return m_runner; }

    // The pane keeps at least this many of the last lines; older ones are
    // dropped DropStepLines at a time.
    static constexpr int MaxConsoleLines = 50000;
    // The longest a turn of showing output may take; while output keeps
    // coming, turns follow each other with the user's events in between.
    static constexpr int SliceMs = 15;
    // Entries joined into one insert (more would overrun a slice).
    static constexpr qsizetype MaxInsertChars = 32 * 1024;
    static constexpr int DropStepLines = MaxConsoleLines / 10;

    void Timer1Timer();
    // Enter in the pane: the last line's input goes to the program.
    void RichEdit1KeyDown();
    // What Enter sends now: the pane's last line, less the program's output
    // that stands at its start (a prompt).
    QString typedLine() const;
    // Brings the window forward with the keyboard in the pane, the caret at
    // its end, where the program reads from.
    void takeFocus();
    // Stop (button, popup, Ctrl+F2): the program and what it started are
    // stopped (TRunnerThread::Stop); the caption becomes "Finished!" when
    // its output has ended.
    void StopClick();
    // Ctrl+D: what is typed goes to the program without a line end and its
    // input closes.
    void EndOfInputClick();
    // The folder of the source that was run, where a stack trace's files
    // are looked for (the working folder is a package's root).
    QString sourceFolder;
    // The name of the document that was run.
    const QString& documentName() const { return m_documentName; }

signals:
    void outputEnded();
    // A line of a stack trace was double-clicked: the pane's text from that
    // line on (StackTrace::locationAt reads it).
    void stackTraceActivated(const QStringList& linesFromThere);

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
    void stackTraceClicked(const QPoint& pos);
    void cascadeFromOtherConsoles();
    QString takeEntries();
    void dropOldLines();
    void trackUserEdit(int position, int removed, int added);

    TRunnerThread* m_runner = nullptr;
    // Taken from the runner, not yet shown: a flood of output is shown a
    // slice per turn, so the window never stops answering.
    std::deque<TRunnerThread::Event> m_inbox;
    QTimer* m_turnTimer = nullptr;
    int m_outputEnd = 0;     // where the program's output ends in the pane
    bool m_appending = false;
    bool m_closed = false; // by the user
    QString m_documentName;
};
