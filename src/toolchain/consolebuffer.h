#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QStringDecoder>

#include <functional>
#include <optional>

// What the console window shows of one program run, without the window:
// the child's chunks become entries appended to the pane, a partial line
// (a prompt waiting for input) is held until the timer shows it, and Enter
// turns the pane's last line into the bytes sent to the program.
//
// Repeated output is never held back: every chunk that brings a line end
// shows everything pending, even when it repeats the text shown before.
//
// Threads: addChunk runs on the worker that reads the child, the rest on the
// user-interface thread; the pending text is shared under a lock.
class ConsoleBuffer {
public:
    static inline const QString RunningCaption = QStringLiteral("Running file from: ");
    static inline const QString FinishedCaption = QStringLiteral("Finished!");
    static inline const QString DoneText = QStringLiteral("Done!");
    static constexpr int TimerIntervalMs = 1000;
    // Pending text without a line end that is shown anyway, unchanged.
    static constexpr qsizetype MaxPendingChars = 64 * 1024;

    ConsoleBuffer();

    // A chunk from the child, in UTF-8 whatever the locale (the JVM is
    // started to write it; a character split between chunks is kept whole).
    // When the pending text now holds a line end, returns it up to its last
    // line end, trimmed (trimEntry), to be appended as one
    // entry (empty trimmed text shows nothing); the rest stays pending. Pending text that has
    // grown to MaxPendingChars without a line end is returned unchanged.
    std::optional<QString> addChunk(QByteArrayView chunk);
    // The same, handing the entry to `deliver` while the pending text is
    // still locked, so a timer tick in between cannot show later text first.
    void addChunk(QByteArrayView chunk, const std::function<void(QString)>& deliver);

    // The output stream ended: the pending text without a line end, taken
    // as it stands, to be shown before DoneText.
    QString takeRest();
    // Then: returns DoneText for the pane; the caption becomes FinishedCaption.
    QString finish();
    bool finished() const { return m_finished; }

    // Every TimerIntervalMs while enabled: when the pending text is more than
    // blanks, returns it unchanged for the pane, clears it and disables the
    // timer until the next Enter.
    // `mayShow`, asked while the pending text is locked, can hold the flush
    // back (while entries taken before it are still on their way).
    std::optional<QString> timerTick(const std::function<bool()>& mayShow = {});
    bool timerEnabled() const { return m_timerEnabled; }

    // Enter on the pane, given its last line before the key is handled:
    // enables the timer and returns the bytes to write to the child.
    QByteArray enterPressed(QStringView lastLine);

    // The trimmed line in UTF-8 and CR LF, whatever its length.
    static QByteArray lineToSend(QStringView line);
    // Text as it stands, in the bytes the program reads (end of input sends
    // what is typed without a line end).
    static QByteArray textToSend(QStringView text);
    // Removes blanks and control characters (up to U+0020) at both ends.
    static QString trimControls(QStringView text);
    // An entry as shown: blank lines at the start and blanks and controls at
    // the end removed; the first line keeps its indentation.
    static QString trimEntry(QStringView text);

    QString pendingOutput() const;

private:
    mutable QMutex m_mutex;
    QStringDecoder m_decoder;
    QString m_pending;
    bool m_timerEnabled = true;
    bool m_finished = false;
};
