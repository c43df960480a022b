#pragma once

#include "toolchain/kitcommands.h"

#include <QWidget>

class QMenu;
class QPlainTextEdit;
class QTimer;
class QToolButton;
class TRunnerThread;

// The console window of one program run: the program's output appears in
// the pane as it arrives, and a line typed there with Enter goes to the
// program's input. Closing the window hides it; the program runs on.
class TProgRunFrm : public QWidget {
    Q_OBJECT
public:
    // Starts `command` at once; `fileName` is shown in the caption.
    TProgRunFrm(KitCommands::KitCommand command, const QString& fileName, QWidget* parent = nullptr);
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

    // The pane is kept to this many lines; older ones scroll away.
    static constexpr int MaxConsoleLines = 50000;

    void Timer1Timer();
    // Enter in the pane: the last line's input goes to the program.
    void RichEdit1KeyDown();
    // What Enter sends now: the pane's last line, less the program's output
    // that stands at its start (a prompt).
    QString typedLine() const;

signals:
    void outputEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const QString& fileName);
    void takeRunnerEvents();
    void appendEntry(const QString& text);
    void trackUserEdit(int position, int removed, int added);

    TRunnerThread* m_runner = nullptr;
    int m_outputEnd = 0;     // where the program's output ends in the pane
    bool m_appending = false;
    bool m_closed = false; // by the user
};
