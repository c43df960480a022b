#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Where a line of a Java stack trace points: "\tat a.b.Main$Inner.run(Main.java:12)"
// names the class a.b.Main$Inner, whose source is Main.java, line 12.
struct StackFrameLocation {
    QString className; // with its package; module and class-loader prefixes removed
    QString fileName;
    int line = 0; // 1-based

    // "a/b" for a class of package a.b; empty in the default package.
    QString packageFolder() const;
    bool operator==(const StackFrameLocation&) const = default;
};

namespace StackTrace {

// A frame line with a file and a line number; none for any other line, and
// for frames without them ("(Native Method)", "(Unknown Source)").
std::optional<StackFrameLocation> parseFrame(QStringView line);

// Where a double click on the first of `lines` (the pane's lines from there
// on) leads: a frame's own place; for the heading of a trace ("Exception
// in thread ...", "Caused by: ...", an exception's own line), the first
// frame below it that has one.
std::optional<StackFrameLocation> locationAt(const QStringList& lines);

// The files that may hold the frame's source, most likely first: the
// package's folder under the class path root the program ran from, then
// the folder of the source that was run.
QStringList candidatePaths(const StackFrameLocation& location, const QString& classRoot,
                           const QString& sourceFolder);

} // namespace StackTrace
