#pragma once

#include "settings/atomicfile.h"
#include "settings/result.h"

#include <QByteArray>
#include <QByteArrayView>
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

// The style of the first line end (CR LF when there is none).
LineEndStyle lineEndStyleOf(QByteArrayView bytes);

// Splits at CR LF, LF or CR. The style is the first line end found (CR LF
// when there is none).
SplitText splitLines(const QByteArray& bytes);

// The inverse: LF-joined lines written with the style, a final break only
// when asked. A file with one style comes back byte for byte.
QByteArray joinLines(const QByteArray& lfText, LineEndStyle style, bool finalBreak);

// Replaces every CR LF and lone CR by LF.
QByteArray normalizeLineEnds(const QByteArray& text);

// The whole of a regular file; anything else (a FIFO, a device, a folder)
// fails at once. An error names the path and the reason.
Result<QByteArray> readFileBytes(const QString& path);
