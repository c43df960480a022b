#pragma once

#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

// One thing jdb's output tells the debugger.
struct JdbItem {
    enum class Kind {
        Line,        // a line of jdb's text for the log: trimmed, never empty
        Prompt,      // "> " or "<thread>[<frame>] ", shown at once as a line of its own
        Initialised, // jdb accepts commands
        VmStarted,   // the program's start event: it waits, suspended, for "run"
        Stopped,     // a thread stopped: className and line
        Ended,       // the output has ended
    };
    Kind kind = Kind::Line;
    QString text;      // Line, Prompt
    QString className; // Stopped: as jdb names it ("Hello", "Hello$Inner", "pkg.Hello")
    int line = 0;      // Stopped: 1-based, jdb's thousands commas removed
    // Prompt: follows another prompt with nothing between, not even a line
    // end; the log shows such a run as one prompt line.
    bool afterPrompt = false;

    bool operator==(const JdbItem&) const = default;
};

// Turns jdb's byte stream into log lines, prompts and events. The result
// depends only on the bytes, never on how they were split into chunks.
//
// jdb writes its prompts without a line end and from two threads, so they
// land anywhere: "main[1] main[1]  Hello.count = 0", "Breakpoint hit: main[1]
// "thread=main", ...". The rules:
//  - LF ends a line; CR is dropped.
//  - "> " and "<thread>[<n>] " are prompts at a line start or right after
//    another prompt. "<thread>[<n>] " is one inside a line too, for a thread
//    jdb has already prompted with (or main) after a blank; "> " never is,
//    since listings hold "a > b" and arrays print "args[1] ".
//  - The text before and after a prompt is kept; the log shows a run of
//    prompts, one right after the other, as one prompt line (logLines).
//  - Events are read from each line with its prompts taken out, so an event
//    split by a prompt is still seen.
class JdbOutputParser {
public:
    // A line longer than this without a line end is shown as it stands.
    static constexpr qsizetype MaxLineChars = 64 * 1024;

    JdbOutputParser();

    // Appends the items the bytes complete.
    void feed(QByteArrayView bytes, std::vector<JdbItem>& items);
    // The output has ended: what is pending, then Ended.
    void finish(std::vector<JdbItem>& items);

    // A prompt of a stopped thread ("main[1] ", "Thread-0[2] "), not "> ".
    static bool isThreadPrompt(QStringView prompt);
    // The log lines the items make: a prompt that follows a prompt replaces it.
    static QStringList logLines(const std::vector<JdbItem>& items);

private:
    void addChar(QChar c, std::vector<JdbItem>& items);
    bool takePrompt(std::vector<JdbItem>& items);
    void endLine(std::vector<JdbItem>& items);

    QByteArray m_undecoded; // a character's first bytes, its last still to come
    QString m_pending;      // the line's text since its start or its last prompt
    QString m_logical;      // the whole line without its prompts
    QSet<QString> m_threads;
    bool m_promptLast = false; // nothing since the last prompt
};
