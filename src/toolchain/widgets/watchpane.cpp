#include "toolchain/widgets/watchpane.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

WatchPane::WatchPane(QPlainTextEdit* pane) : QObject(pane), m_pane(pane)
{
    m_pane->setUndoRedoEnabled(false);
}

void WatchPane::start()
{
    m_pane->clear();
    m_scanner = WatchScanner();
    m_scannedLines = m_shownLines = m_tailStart = 0;
    m_lastLine.clear();
    m_note = StartedNote;
    showTail();
}

void WatchPane::logChanged(const QTextDocument& log, const QStringList& watches)
{
    if (watches != m_scanner.watches()) {
        m_scanner = WatchScanner(watches);
        m_scannedLines = m_shownLines = m_tailStart = 0;
        m_pane->clear();
    }
    QStringList added;
    const int complete = log.blockCount() - 1;
    if (m_scannedLines < complete) {
        for (QTextBlock b = log.findBlockByNumber(m_scannedLines); b.isValid() && b.blockNumber() < complete;
             b = b.next())
            added << m_scanner.scanLine(b.text());
        m_scannedLines = complete;
    }
    if (log.isEmpty()) {
        // A cleared log starts the scan again.
        m_scanner = WatchScanner(watches);
        m_scannedLines = m_shownLines = m_tailStart = 0;
        m_pane->clear();
    }
    m_lastLine = m_scanner.peekLine(log.lastBlock().text());
    m_note.clear();

    QTextCursor c(m_pane->document());
    c.beginEditBlock();
    c.setPosition(m_tailStart);
    c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    for (const QString& line : std::as_const(added)) {
        if (m_shownLines++ > 0)
            c.insertBlock();
        c.insertText(line);
    }
    m_tailStart = c.position();
    c.endEditBlock();
    showTail();
}

void WatchPane::sessionStopped()
{
    m_note = ExitedNote;
    showTail();
}

void WatchPane::showTail()
{
    QTextCursor c(m_pane->document());
    c.beginEditBlock();
    c.setPosition(m_tailStart);
    c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    int lines = m_shownLines;
    QStringList tail = m_lastLine;
    if (!m_note.isEmpty())
        tail << m_note;
    for (const QString& line : std::as_const(tail)) {
        if (lines++ > 0)
            c.insertBlock();
        c.insertText(line);
    }
    c.endEditBlock();
}
