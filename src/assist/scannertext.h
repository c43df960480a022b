#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

// Text tests of the Java scanners, on bytes. Every test on token text and
// collected declarations is a containment test: "a token contains {" holds
// wherever the character occurs in it.
namespace ScannerText {

inline bool has(std::string_view text, char c)
{
    return text.find(c) != std::string_view::npos;
}
// An empty part is never found, as in the scanners' original string tests.
inline bool has(std::string_view text, std::string_view part)
{
    return !part.empty() && text.find(part) != std::string_view::npos;
}

// Without the blanks and control characters (bytes up to 0x20) at both ends.
std::string_view trimmed(std::string_view text);

// A found name or declaration as text: UTF-8 when its bytes are valid UTF-8,
// else one character per byte (8-bit documents).
QString decode(std::string_view bytes);

// The lines of a list file's bytes, decoded as decode() does, split at
// every line end (CR LF, LF or CR); a last line without one counts.
QStringList decodeLines(const QByteArray& bytes);

// The inverse for a name to look for, in the UTF-8 form.
std::string encode(const QString& text);

} // namespace ScannerText
