#include "toolchain/widgets/tprogrunfrm.h"

#include "settings/tcolor.h"
#include "settings/widgets/qtcolors.h"
#include "toolchain/trunnerthread.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TProgRunFrm::TProgRunFrm(KitCommands::KitCommand command, const QString& fileName, QWidget* parent,
                         std::shared_ptr<DebugTarget> debugTarget)
    : QWidget(parent, Qt::Tool)
{
    resize(492, 203);
    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Tabs as a terminal shows them: every eighth column.
    RichEdit1->setTabStopDistance(8 * RichEdit1->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    QPalette palette = RichEdit1->palette();
    palette.setColor(QPalette::Base, toQColor(Colors::cl3DLight));
    RichEdit1->setPalette(palette);
    RichEdit1->installEventFilter(this);

    Panel1 = new QWidget(this);
    auto* buttons = new QHBoxLayout(Panel1);
    buttons->setContentsMargins(2, 2, 2, 2);
    buttons->setSpacing(1);
    PopupMenu1 = new QMenu(this);
    QList<QAction*> items;
    auto command_ = [&](QToolButton*& button, const char* name, const char* hint, const char* icon,
                        QKeySequence key, auto handler) {
        button = new QToolButton(Panel1);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoRaise(true);
        button->setToolTip(QString::fromLatin1(hint));
        button->setIcon(QIcon::fromTheme(QString::fromLatin1(icon)));
        if (button->icon().isNull())
            button->setText(QString::fromLatin1(hint));
        connect(button, &QToolButton::clicked, RichEdit1, handler);
        buttons->addWidget(button);
        auto* item = new QAction(QString::fromLatin1(hint), PopupMenu1);
        item->setShortcut(key); // the pane itself handles these keys
        items << item;
        connect(item, &QAction::triggered, RichEdit1, handler);
    };
    command_(Copy, "Copy", "Copy", "edit-copy", QKeySequence::Copy, [this] { RichEdit1->copy(); });
    command_(Paste, "Paste", "Paste", "edit-paste", QKeySequence::Paste, [this] { RichEdit1->paste(); });
    command_(Cut, "Cut", "Cut", "edit-cut", QKeySequence::Cut, [this] { RichEdit1->cut(); });
    command_(SelectAll, "SelectAll", "Select all", "edit-select-all", QKeySequence::SelectAll,
             [this] { RichEdit1->selectAll(); });
    command_(Undo, "Undo", "Undo", "edit-undo", QKeySequence::Undo, [this] { RichEdit1->undo(); });
    buttons->addStretch();
    // The menu lists the items in its own order, not the buttons'.
    for (int i : {0, 1, 3, 2, 4})
        PopupMenu1->addAction(items[i]);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->exec(RichEdit1->viewport()->mapToGlobal(p)); });
    connect(RichEdit1->document(), &QTextDocument::contentsChange, this, &TProgRunFrm::trackUserEdit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(RichEdit1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(ConsoleBuffer::TimerIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &TProgRunFrm::Timer1Timer);
    Timer1->start();

    if (QScreen* screen = parent ? parent->screen() : QWidget::screen())
        move(screen->availableGeometry().center() - rect().center());
    cascadeFromOtherConsoles();

    m_runner = new TRunnerThread(std::move(command), this);
    m_runner->setDebugTarget(std::move(debugTarget));
    m_turnTimer = new QTimer(this);
    m_turnTimer->setInterval(TurnIntervalMs);
    connect(m_turnTimer, &QTimer::timeout, this, &TProgRunFrm::takeRunnerEvents);
    // Output that comes while the window is idle shows at once.
    connect(
        m_runner, &TRunnerThread::eventsReady, this,
        [this] {
            if (!m_turnTimer->isActive())
                takeRunnerEvents();
        },
        Qt::QueuedConnection);
    FormCreate(fileName);
}

TProgRunFrm::~TProgRunFrm()
{
    // The worker is a child: its destructor stops the program and waits.
    disconnect(m_runner, nullptr, this, nullptr);
}

void TProgRunFrm::cascadeFromOtherConsoles()
{
    // Each console starts centred; one that would cover another exactly
    // moves down and right by a title bar until it stands free.
    if (!parentWidget())
        return;
    const QList<TProgRunFrm*> others = parentWidget()->findChildren<TProgRunFrm*>(Qt::FindDirectChildrenOnly);
    constexpr int Step = 28;
    QPoint place = pos();
    for (int tries = 0; tries < 20; ++tries) {
        const bool covered = std::any_of(others.begin(), others.end(), [&](const TProgRunFrm* other) {
            return other != this && other->isVisible() && (other->pos() - place).manhattanLength() < Step;
        });
        if (!covered)
            break;
        place += QPoint(Step, Step);
    }
    move(place);
}

void TProgRunFrm::takeFocus()
{
    raise();
    activateWindow();
    QTextCursor end = RichEdit1->textCursor();
    end.movePosition(QTextCursor::End);
    RichEdit1->setTextCursor(end);
    RichEdit1->setFocus(Qt::OtherFocusReason);
}

void TProgRunFrm::FormCreate(const QString& fileName)
{
    RichEdit1->clear();
    m_outputEnd = 0;
    Finished = false;
    CurrentRunner = m_runner;
    m_runner->Wake();
    setWindowTitle(ConsoleBuffer::RunningCaption + fileName);
}

void TProgRunFrm::takeRunnerEvents()
{
    if (m_inbox.empty())
        for (TRunnerThread::Event& event : m_runner->takeEvents())
            m_inbox.push_back(std::move(event));
    QElapsedTimer turn;
    turn.start();
    QTextDocument* doc = RichEdit1->document();
    // One edit of the document per turn: the pane lays itself out once.
    // Output is no step the user can undo; nor does the undo history grow
    // with it.
    doc->setUndoRedoEnabled(false);
    // The document reports the turn's changes when the edit ends; they are
    // the program's, not the user's.
    m_appending = true;
    QTextCursor end(doc);
    end.beginEditBlock();
    while (!m_inbox.empty() && turn.elapsed() < SliceMs) {
        const TRunnerThread::Event event = std::move(m_inbox.front());
        m_inbox.pop_front();
        handle(event);
    }
    dropOldLines(end);
    end.endEditBlock();
    m_appending = false;
    doc->setUndoRedoEnabled(true);
    if (!RichEdit1->textCursor().hasSelection()) {
        RichEdit1->moveCursor(QTextCursor::End);
        RichEdit1->ensureCursorVisible();
    }
    // More waiting: the next turn comes after a pause that leaves the
    // window free for the user.
    if (!m_inbox.empty() || m_runner->hasEvents())
        m_turnTimer->start();
    else
        m_turnTimer->stop();
}

void TProgRunFrm::dropOldLines(QTextCursor& cursor)
{
    // Lines are dropped in large steps, so the cost of removing text at the
    // start of the pane is spread over many lines of output.
    QTextDocument* doc = RichEdit1->document();
    if (doc->blockCount() <= MaxConsoleLines + MaxConsoleLines / 2)
        return;
    const QTextBlock keep = doc->findBlockByNumber(doc->blockCount() - MaxConsoleLines);
    cursor.setPosition(0);
    cursor.setPosition(keep.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    m_outputEnd = qMax(0, m_outputEnd - keep.position());
    cursor.movePosition(QTextCursor::End);
}

void TProgRunFrm::handle(const TRunnerThread::Event& event)
{
    switch (event.kind) {
    case TRunnerThread::Event::Kind::Entry:
    case TRunnerThread::Event::Kind::StartFailed:
        appendEntry(event.text);
        break;
    case TRunnerThread::Event::Kind::Prompt: {
        appendEntry(event.text, true);
        // The program waits for the user: the keyboard goes to it while the
        // user works in this console or in the frame window it belongs to.
        const QWidget* active = QApplication::activeWindow();
        if (isVisible() && active && (active == this || (parentWidget() && active == parentWidget()->window())))
            takeFocus();
        break;
    }
    case TRunnerThread::Event::Kind::Ended: {
        // The program's last words without a line end, then the end.
        const QString rest = m_runner->console().takeRest();
        if (!ConsoleBuffer::trimControls(rest).isEmpty())
            appendEntry(rest);
        appendEntry(m_runner->console().finish());
        setWindowTitle(ConsoleBuffer::FinishedCaption);
        if (isVisible()) {
            activateWindow();
            RichEdit1->setFocus();
        }
        Finished = true;
        emit outputEnded();
        // A console closed while its program ran goes once the program has.
        if (m_closed)
            deleteLater();
        break;
    }
    }
}

void TProgRunFrm::appendEntry(const QString& text, bool partial)
{
    QTextCursor end(RichEdit1->document());
    end.movePosition(QTextCursor::End);
    // What the user has typed and not yet sent is taken out and put back
    // below the output, so the line Enter sends stays whole.
    QString typed;
    if (m_outputEnd < end.position()) {
        end.setPosition(m_outputEnd, QTextCursor::KeepAnchor);
        typed = end.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        end.removeSelectedText();
    }
    if (!end.block().text().isEmpty())
        end.insertBlock();
    end.insertText(text);
    m_outputEnd = end.position();
    if (!typed.isEmpty()) {
        if (!partial)
            end.insertBlock();
        end.insertText(typed);
    }
}

void TProgRunFrm::enterPressed()
{
    RichEdit1KeyDown();
    // The line break goes at the end, and all before it has been sent:
    // output that comes now goes above what the user types next.
    QTextCursor end = RichEdit1->textCursor();
    end.clearSelection();
    end.movePosition(QTextCursor::End);
    end.insertBlock();
    RichEdit1->setTextCursor(end);
    m_outputEnd = end.position();
}

void TProgRunFrm::trackUserEdit(int position, int removed, int added)
{
    if (m_appending || position >= m_outputEnd)
        return;
    if (position + removed <= m_outputEnd)
        m_outputEnd += added - removed;
    else
        m_outputEnd = position; // the user's text replaced the end of the output
}

QString TProgRunFrm::typedLine() const
{
    const QTextBlock last = RichEdit1->document()->lastBlock();
    const int from = qMax(0, m_outputEnd - last.position());
    return last.text().mid(from);
}

void TProgRunFrm::RichEdit1KeyDown()
{
    m_runner->sendBytes(m_runner->console().enterPressed(typedLine()));
}

void TProgRunFrm::Timer1Timer()
{
    // The pending text follows what is still to be shown.
    if (!m_inbox.empty())
        return;
    if (std::optional<QString> shown =
            m_runner->console().timerTick([this] { return !m_runner->hasEvents(); })) {
        m_inbox.push_back({TRunnerThread::Event::Kind::Prompt, std::move(*shown)});
        takeRunnerEvents();
    }
}

bool TProgRunFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RichEdit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterPressed();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TProgRunFrm::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    m_closed = true;
    if (Finished)
        deleteLater();
}
