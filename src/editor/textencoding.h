#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <string_view>

// The character encodings a document can have. A document's encoding is
// decided when it is loaded: bytes that are valid UTF-8 (plain ASCII
// included) are UTF-8, anything else is 8-bit text read as Windows-1252.
// Windows-1252 leaves five bytes undefined; they read as their Latin-1 code
// points, so every 8-bit file, whatever it holds, comes back byte for byte.
enum class TextEncoding { Utf8, Windows1252, Latin1, Latin9 };

namespace TextEncodings {

// Every encoding, in the order the File menu lists them.
inline constexpr std::array<TextEncoding, 4> All = {TextEncoding::Utf8, TextEncoding::Windows1252, TextEncoding::Latin1,
                                                    TextEncoding::Latin9};

// As the user reads it: "UTF-8", "Windows-1252", "ISO-8859-1", "ISO-8859-15".
QString displayName(TextEncoding encoding);
// The registered name, which javac and Qt's codecs understand.
QString charsetName(TextEncoding encoding);

bool isValidUtf8(QByteArrayView bytes);
bool startsWithUtf8Bom(QByteArrayView bytes);
inline constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// UTF-8 when the bytes are valid UTF-8, else Windows-1252.
TextEncoding detect(QByteArrayView bytes);

// Text in `encoding` as UTF-8, the form the edit control holds. UTF-8 input
// must be valid and is returned as it is.
QByteArray toUtf8(QByteArrayView bytes, TextEncoding encoding);
QString decode(QByteArrayView bytes, TextEncoding encoding);

// The text in `encoding`; nothing when a character has no byte there (never
// a "?" in its place).
std::optional<QByteArray> fromUtf8(QByteArrayView utf8, TextEncoding encoding);
std::optional<QByteArray> encode(QStringView text, TextEncoding encoding);
// The characters of `text` that `encoding` cannot hold, each once, in order.
QString unencodable(QStringView text, TextEncoding encoding);

// Columns of the edit control count UTF-16 code units, as QString does, so
// a column indexes line(i) directly. These map them onto UTF-8 bytes.
qsizetype utf16Length(std::string_view utf8);
// The byte offset that lies `units` code units into `utf8` (a unit inside a
// character rounds up to the character's end); units beyond the end add to
// `beyond` when given, and the offset stops at the end.
qsizetype utf8Offset(std::string_view utf8, qsizetype units, qsizetype* beyond = nullptr);

} // namespace TextEncodings
