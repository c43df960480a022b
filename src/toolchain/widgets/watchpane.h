#pragma once

#include "toolchain/watchscanner.h"

#include <QObject>
#include <QStringList>

class QPlainTextEdit;
class QTextDocument;

// The "Debug vars" pane: the watched values the log holds (WatchScanner),
// then a note on the session's state. Every change of the log scans only the
// lines it completed and looks again at its last line; a new watch list
// scans the log once from the start.
class WatchPane : public QObject {
    Q_OBJECT
public:
    static inline const QString StartedNote =
        QStringLiteral("[Debugger started, but no variabel information found yet]");
    static inline const QString ExitedNote = QStringLiteral("[Debugger has exited, no longer tracking vars]");

    explicit WatchPane(QPlainTextEdit* pane);

    // A session starts on an empty log.
    void start();
    // The log changed: its values for these watches. The note goes, as the
    // pane shows the log's values alone until a session ends.
    void logChanged(const QTextDocument& log, const QStringList& watches);
    void sessionStopped();

private:
    void showTail(); // the last line's values and the note, after the rest

    QPlainTextEdit* m_pane;
    WatchScanner m_scanner;
    int m_scannedLines = 0; // lines of the log scanned for good
    int m_shownLines = 0;   // pane lines those gave
    int m_tailStart = 0;    // where the tail begins in the pane
    QStringList m_lastLine; // the values of the log's unfinished last line
    QString m_note;
};
