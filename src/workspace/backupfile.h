#pragma once

#include "editor/textencoding.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The size and modification time of a document's file, to tell later
// whether the file changed.
struct FileStamp {
    qint64 size = 0;
    qint64 modifiedMs = 0; // since the epoch

    bool operator==(const FileStamp&) const = default;
    // The file's stamp now; none when there is no such file.
    static std::optional<FileStamp> of(const QString& path);
};

// One document's crash-recovery backup: what the user would lose, and what
// is needed to give it back. The file is a few header lines, an empty line
// and the document's bytes as its own save would write them, in its
// encoding:
//
//   Pellam Vornic backup 1
//   Path=<the document's file, percent-encoded; empty when untitled>
//   Caption=<its name, percent-encoded>
//   Language=<its custom language, percent-encoded>
//   Encoding=<the bytes' encoding: UTF-8, windows-1252, ISO-8859-1, ...>
//   Written=<UTC time, ISO 8601 with milliseconds>
//   FileStamp=<size> <ms>   (or "none": no file when the backup was written)
//   Length=<number of bytes that follow the empty line>
struct DocumentBackup {
    QString filePath;     // empty for an untitled document
    QString caption;
    QString languageName; // a custom language; empty for the built-in kinds
    QDateTime written;
    std::optional<FileStamp> fileStamp; // the file when the backup was written
    // What the bytes are in; a backup without it (none are) is read as a
    // file is, UTF-8 when its bytes are.
    TextEncoding encoding = TextEncoding::Utf8;
    QByteArray bytes; // empty when only the header was read

    bool isUntitled() const { return filePath.isEmpty(); }
    // The file is not as it was when the backup was written (changed,
    // written anew, or gone).
    bool fileChangedSince() const;

    QByteArray encode() const;
    // Anything that is not a whole backup (garbage, a file cut short) gives
    // nothing.
    static std::optional<DocumentBackup> decode(const QByteArray& bytes);
    // Reads the header and checks the length against the file's size,
    // without reading the text.
    static std::optional<DocumentBackup> readHeader(const QString& path);
    static std::optional<DocumentBackup> read(const QString& path);
};
