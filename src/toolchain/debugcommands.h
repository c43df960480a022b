#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the debugger says to jdb and reads from the program, as plain text.
namespace DebugCommands {

// SendWatchDumps: "dump " + each watch, in order.
QStringList dumpCommands(const QStringList& watches);
// SendBreakpointsAndRun: "stop at <class>:<line>" for each mark in the mark
// list's order (bookmarks too). Line numbers are plain digits whatever the
// locale: jdb reads "1,203" as 1203 but "1.203" as line 1.
QStringList breakpointCommands(const std::vector<int>& markLines, const QString& mainClass);
// Resumes the attached program; jdb refuses "run <class>" there.
inline const QString Run = QStringLiteral("run");

// The bytes of one command: the trimmed text and one LF, sent whole however
// long. A second LF would only add a prompt, and under jdb's "repeat on"
// would run "up", "list" or "step" again.
QByteArray commandBytes(QStringView text);

// The port in the debug agent's "Listening for transport dt_socket at
// address: 45765" line; nothing for any other line.
std::optional<quint16> listeningPort(QStringView line);

// "Add to debugger watch": walking the Java tokens of the line, the last
// identifier before the first symbol ("count" in "int count = 0;", "name" in
// "String name;"). Nothing when no symbol comes or no identifier precedes it
// ("return;").
std::optional<QString> watchedIdentifier(const QString& line);

// The class a stop belongs to in its source file: "Hello" for "Hello",
// "Hello$Inner" and "Hello$1".
QString outerClass(const QString& className);

} // namespace DebugCommands
