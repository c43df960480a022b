#pragma once

#include <QString>
#include <QStringList>

// Picks the values of watched variables out of the debugger log for the
// "Debug vars" pane. A line that holds a watch, " = " and a value shows from
// one character before the watch to its end, trimmed; when that text opens a
// brace (an object or array dump) the following lines show unchanged until
// one holds "}", which ends the block, and the scan goes on.
//
// Each complete line is scanned once, as it completes (scanLine); the last,
// unfinished line is only looked at (peekLine), so a long log costs nothing
// more per line than a short one.
class WatchScanner {
public:
    explicit WatchScanner(QStringList watches = {});

    const QStringList& watches() const { return m_watches; }

    // A complete line: the pane lines it adds.
    QStringList scanLine(QStringView line);
    // The pane lines an unfinished last line would add; changes nothing.
    QStringList peekLine(QStringView line) const;

    // The whole log scanned from its first line, the way the pane was once
    // rebuilt on every change: the reference the line-by-line scan equals.
    static QStringList rescan(const QStringList& lines, const QStringList& watches);

private:
    QStringList step(QStringView line, bool& inBlock) const;

    QStringList m_watches;
    QStringList m_needles; // watch + " = "
    bool m_inBlock = false;
};
