#include "toolchain/widgets/debuglogpane.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace {

bool insertsText(const QKeyEvent* key)
{
    const QString text = key->text();
    return !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == u'\t') &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

} // namespace

DebugLogPane::DebugLogPane(QPlainTextEdit* log) : QObject(log), m_log(log)
{
    m_log->setReadOnly(false);
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_log->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_log->setTabChangesFocus(false);
    m_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // jdb's output is no step the user could undo.
    m_log->setUndoRedoEnabled(false);
    m_log->setAcceptDrops(false);
    m_log->installEventFilter(this);
    m_log->viewport()->installEventFilter(this);

    m_log->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* menu = new QMenu(m_log);
    connect(menu->addAction(QStringLiteral("Copy")), &QAction::triggered, m_log, &QPlainTextEdit::copy);
    connect(menu->addAction(QStringLiteral("Paste")), &QAction::triggered, this, [this] {
        if (m_log->textCursor().selectionStart() < m_outputEnd)
            m_log->moveCursor(QTextCursor::End);
        m_log->paste();
    });
    connect(menu->addAction(QStringLiteral("Select all")), &QAction::triggered, m_log, &QPlainTextEdit::selectAll);
    connect(m_log, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint& p) { menu->exec(m_log->viewport()->mapToGlobal(p)); });
    connect(m_log, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_appending)
            emit changed();
    });
}

void DebugLogPane::clear()
{
    m_appending = true;
    m_log->clear();
    m_appending = false;
    m_outputEnd = 0;
    m_lastIsPrompt = false;
    emit changed();
}

void DebugLogPane::appendLine(const QString& text)
{
    append(text, false);
    m_lastIsPrompt = false;
}

void DebugLogPane::appendPrompt(const QString& prompt, bool afterPrompt)
{
    append(prompt, afterPrompt && m_lastIsPrompt);
    m_lastIsPrompt = true;
}

void DebugLogPane::append(const QString& text, bool replaceLastLine)
{
    QTextDocument* doc = m_log->document();
    const QString typed = typedText();
    const bool follow = !m_log->textCursor().hasSelection();
    m_appending = true;
    QTextCursor c(doc);
    c.beginEditBlock();
    if (!typed.isEmpty()) {
        c.setPosition(m_outputEnd);
        c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        c.removeSelectedText();
    }
    c.movePosition(QTextCursor::End);
    if (replaceLastLine)
        c.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    else if (doc->characterCount() > 1)
        c.insertBlock();
    c.insertText(text);
    m_outputEnd = c.position();
    if (!typed.isEmpty())
        c.insertText(typed);
    c.endEditBlock();
    m_appending = false;
    if (follow) {
        m_log->moveCursor(QTextCursor::End);
        m_log->ensureCursorVisible();
    }
    emit changed();
}

QString DebugLogPane::typedText() const
{
    QTextCursor c(m_log->document());
    c.setPosition(qMin(m_outputEnd, m_log->document()->characterCount() - 1));
    c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    return c.selectedText();
}

void DebugLogPane::takeTypedText()
{
    m_outputEnd = m_log->document()->characterCount() - 1;
    m_lastIsPrompt = false;
}

bool DebugLogPane::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == m_log)
            return keyPress(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::InputMethod:
        if (watched == m_log && !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty())
            followCursor();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // X11's middle-click paste would insert where the mouse points.
        if (watched == m_log->viewport() && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
            if (event->type() == QEvent::MouseButtonRelease) {
                m_log->moveCursor(QTextCursor::End);
                m_log->insertPlainText(QApplication::clipboard()->text(QClipboard::Selection));
            }
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void DebugLogPane::followCursor()
{
    if (m_log->textCursor().selectionStart() < m_outputEnd)
        m_log->moveCursor(QTextCursor::End);
}

// Keeps jdb's text as it came: keys that would change it do nothing, and
// typing or pasting there goes to the end instead.
bool DebugLogPane::keyPress(QKeyEvent* key)
{
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        emit enterPressed();
        return true;
    }
    QTextCursor c = m_log->textCursor();
    const bool inOutput = c.selectionStart() < m_outputEnd;
    if (key == QKeySequence::Cut) {
        if (inOutput)
            m_log->copy();
        return inOutput;
    }
    if (key == QKeySequence::DeleteCompleteLine)
        return c.block().position() < m_outputEnd;
    if (key == QKeySequence::DeleteStartOfWord && !c.hasSelection()) {
        const int end = c.position();
        c.movePosition(QTextCursor::PreviousWord);
        c.setPosition(qMax(c.position(), m_outputEnd));
        c.setPosition(qMax(end, m_outputEnd), QTextCursor::KeepAnchor);
        c.removeSelectedText();
        return true;
    }
    if (key->key() == Qt::Key_Backspace && !c.hasSelection())
        return c.position() <= m_outputEnd;
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete || key == QKeySequence::DeleteEndOfWord ||
        key == QKeySequence::DeleteEndOfLine || key == QKeySequence::DeleteStartOfWord)
        return inOutput;
    if (key == QKeySequence::Paste || insertsText(key))
        followCursor();
    return false;
}
