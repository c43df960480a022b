#pragma once

#include "settings/result.h"

#include <QStringList>

// Files that are a list of lines: colors/toc.col, completion/toc.cmp, a
// class's member list, completion/auto.cmp. Any line end reads; a missing
// file is an empty list.
namespace TextListFile {

// The lines, or a message naming the path when the file is there but
// cannot be read.
Result<QStringList> read(const QString& path);
// The whole list in one atomic rewrite, each line ended by the line end the
// file already uses (LF for a new file); nothing when the file holds these
// lines already. A line holding a line break would become two: the break
// is written as a blank.
Result<void> write(const QString& path, const QStringList& lines);
// The bytes write() would put in a file that now holds `current`.
QByteArray bytesOf(const QStringList& lines, const QByteArray& current = {});

} // namespace TextListFile
