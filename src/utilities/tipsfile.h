#pragma once

#include "settings/result.h"

#include <QString>
#include <QStringList>

#include <optional>

// The tips file: two lines of heading, the number of tips N on line 3, then
// for each tip n a marker line holding "#n%" followed by one line of text.
class TipsFile {
public:
    // Reads the file. A missing or unreadable file gives the file's error;
    // a third line that is no number, or a count below 1, the conversion
    // error "'<text>' is not a valid integer value".
    static Result<TipsFile> read(const QString& path);
    // The same over the file's bytes (UTF-8).
    static Result<TipsFile> parse(const QByteArray& bytes);

    int count() const { return m_count; }
    // The tip of number n: the line after the first line that, trimmed,
    // holds "#n%". Nothing when no line holds the marker or the line after
    // it holds a "#" (then the tip shown before stays).
    std::optional<QString> tip(int n) const;

private:
    QStringList m_lines;
    int m_count = 0;
};

// The tip that follows `current` in the cycle 1..count.
int nextTipNumber(int current, int count);
