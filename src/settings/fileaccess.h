#pragma once

#include "settings/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <limits>

// Reading and writing the user's files on POSIX terms, so that no file can
// hang the program or be changed in ways the user did not ask for:
// - only regular files are read; a FIFO, a device, a socket or a folder is
//   refused at once with a message that names the path (a FIFO would block
//   the open for good, /dev/zero would fill memory);
// - a save replaces the file atomically where it can, and otherwise writes
//   it in place: a file with several hard links (so every link sees the
//   change), or one whose folder the user may not write to;
// - a saved file keeps its owner, group and mode bits (set-user-ID
//   included) where the user may set them; where it could not, the file is
//   written in place instead of being replaced by one the user owns.
//
// File names are bytes on Linux. A name that is not UTF-8 is carried in a
// QString with each byte it cannot decode as U+DC80 + (byte - 0x80), a lone
// surrogate no real name contains, so it opens and saves under its own
// bytes; it shows with replacement characters.
namespace FileAccess {

// Files above this size are opened only after the user agrees.
inline constexpr qint64 LargeFileBytes = qint64(256) * 1024 * 1024;

QByteArray nativeFileName(const QString& path);
QString fileNameFromNative(QByteArrayView bytes);

// The command line with each argument decoded as a file name (as above).
// main() records argv once Qt has taken its own options out of it; until
// then this is Qt's decoding, which loses the bytes of such a name.
void setProgramArguments(int argc, char** argv);
QStringList programArguments();

// Whether anything (a dangling link included) has that name.
bool exists(const QString& path);

// The size of a regular file; anything else fails with a message naming
// the path and what it is.
Result<qint64> regularFileSize(const QString& path);

// The whole of a regular file, read without ever blocking on a FIFO; a
// file larger than `maxBytes` fails.
Result<QByteArray> readRegularFile(const QString& path, qint64 maxBytes = std::numeric_limits<qint64>::max());

// Writes `bytes` to `path` as described above. A symbolic link is followed
// and its target written, so the link itself survives.
Result<void> writeFileSafely(const QString& path, QByteArrayView bytes);

} // namespace FileAccess
