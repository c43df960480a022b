#pragma once

#include "settings/result.h"

#include <QByteArray>
#include <QString>

// How a document file ends its lines.
enum class LineEndStyle { CrLf, Lf, Cr };

// A file's bytes split into lines: the lines joined by LF (the edit
// control's own line end), the style the file used and whether its last
// line ended with a break.
struct SplitText {
    QByteArray text;
    LineEndStyle style = LineEndStyle::CrLf;
    bool finalBreak = false;
};

// Splits at CR LF, LF or CR. The style is the first line end found (CR LF
// when there is none).
SplitText splitLines(const QByteArray& bytes);

// The inverse: LF-joined lines written with the style, a final break only
// when asked. A file with one style comes back byte for byte.
QByteArray joinLines(const QByteArray& lfText, LineEndStyle style, bool finalBreak);

// A document's text as the edit control holds it and the way it is written
// to its file: taken on the user-interface thread in one copy, and turned
// into the file's bytes (fileBytes) wherever that costs the user nothing.
struct DocumentImage {
    QByteArray text; // the lines joined by LF
    LineEndStyle style = LineEndStyle::CrLf;
    bool finalBreak = false;
};

// The bytes a save writes for the image.
QByteArray fileBytes(const DocumentImage& image);

// Replaces every CR LF and lone CR by LF.
QByteArray normalizeLineEnds(const QByteArray& text);

// The whole file; an error names the path and the system's reason.
Result<QByteArray> readFileBytes(const QString& path);

// Writes a temporary file in the target's folder, flushes it to disk and
// renames it over the target, so a failure leaves the old file as it was.
// A symbolic link is followed (its target is written) and an existing file
// keeps its permission bits.
Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes);
