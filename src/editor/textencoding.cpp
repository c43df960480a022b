#include "editor/textencoding.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

namespace {

// Large texts are converted in slices, so a conversion never holds a second
// whole copy of the text in UTF-16 beside the input and the result.
constexpr qsizetype kSlice = 64 * 1024;

const char* codecName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return "UTF-8";
    case TextEncoding::Windows1252: return "windows-1252";
    case TextEncoding::Latin1: return "ISO-8859-1";
    case TextEncoding::Latin9: return "ISO-8859-15";
    }
    return "UTF-8";
}

// Qt's codecs (ICU beneath for the 8-bit ones). The single-byte tables are
// complete: decoding never fails and needs no state across slices.
QStringDecoder decoderFor(TextEncoding encoding)
{
    return QStringDecoder(codecName(encoding), QStringConverter::Flag::Stateless);
}

QStringEncoder encoderFor(TextEncoding encoding)
{
    return QStringEncoder(codecName(encoding), QStringConverter::Flag::Stateless);
}

// Encodes and decodes back: equal only when every character has a byte.
// (Qt's own Latin-1 encoder turns a surrogate pair into "??" without
// reporting an error, so its error flag alone cannot be trusted.)
std::optional<QByteArray> encodeChecked(QStringView text, TextEncoding encoding)
{
    QStringEncoder encoder = encoderFor(encoding);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    QStringDecoder decoder = decoderFor(encoding);
    const QString back = decoder.decode(bytes);
    if (back != text)
        return std::nullopt;
    return bytes;
}

} // namespace

namespace TextEncodings {

QString displayName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return QStringLiteral("UTF-8");
    case TextEncoding::Windows1252: return QStringLiteral("Windows-1252");
    case TextEncoding::Latin1: return QStringLiteral("ISO-8859-1");
    case TextEncoding::Latin9: return QStringLiteral("ISO-8859-15");
    }
    return {};
}

QString charsetName(TextEncoding encoding)
{
    return QString::fromLatin1(codecName(encoding));
}

bool isValidUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        // Runs of ASCII, eight bytes at a time.
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int extra;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            if (c == 0xE0)
                low = 0xA0; // no overlong forms
            else if (c == 0xED)
                high = 0x9F; // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F; // nothing above U+10FFFF
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        if (p[1] < low || p[1] > high)
            return false;
        for (int i = 2; i <= extra; ++i)
            if ((p[i] & 0xC0) != 0x80)
                return false;
        p += extra + 1;
    }
    return true;
}

bool startsWithUtf8Bom(QByteArrayView bytes)
{
    return bytes.startsWith(QByteArrayView(Utf8Bom.data(), qsizetype(Utf8Bom.size())));
}

TextEncoding detect(QByteArrayView bytes)
{
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

QByteArray toUtf8(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return bytes.toByteArray();
    QStringDecoder decoder = decoderFor(encoding);
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (qsizetype at = 0; at < bytes.size(); at += kSlice)
        out += QString(decoder.decode(bytes.sliced(at, std::min(kSlice, bytes.size() - at)))).toUtf8();
    return out;
}

QString decode(QByteArrayView bytes, TextEncoding encoding)
{
    QStringDecoder decoder = decoderFor(encoding);
    return decoder.decode(bytes);
}

std::optional<QByteArray> fromUtf8(QByteArrayView utf8, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return utf8.toByteArray();
    QByteArray out;
    out.reserve(utf8.size());
    qsizetype at = 0;
    while (at < utf8.size()) {
        qsizetype n = std::min(kSlice, utf8.size() - at);
        // A slice ends on a character boundary.
        while (at + n < utf8.size() && (static_cast<unsigned char>(utf8[at + n]) & 0xC0) == 0x80)
            ++n;
        const std::optional<QByteArray> slice = encodeChecked(QString::fromUtf8(utf8.sliced(at, n)), encoding);
        if (!slice)
            return std::nullopt;
        out += *slice;
        at += n;
    }
    return out;
}

std::optional<QByteArray> encode(QStringView text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8) {
        // A lone surrogate has no UTF-8 form either.
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate())
                return std::nullopt;
        }
        return text.toUtf8();
    }
    return encodeChecked(text, encoding);
}

QString unencodable(QStringView text, TextEncoding encoding)
{
    QString out;
    QSet<char32_t> seen;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const QStringView character = text.mid(i, n);
        const char32_t code = n == 2 ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (!seen.contains(code) && !encode(character, encoding)) {
            seen.insert(code);
            out += character;
        }
        i += n - 1;
    }
    return out;
}

qsizetype utf16Length(std::string_view utf8)
{
    qsizetype units = 0;
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        // Continuation bytes add nothing; a four-byte character is a pair.
        units += (c & 0xC0) != 0x80;
        units += c >= 0xF0;
    }
    return units;
}

qsizetype utf8Offset(std::string_view utf8, qsizetype units, qsizetype* beyond)
{
    qsizetype at = 0;
    const qsizetype n = qsizetype(utf8.size());
    while (units > 0 && at < n) {
        const auto c = static_cast<unsigned char>(utf8[std::size_t(at)]);
        units -= c >= 0xF0 ? 2 : 1;
        ++at;
        while (at < n && (static_cast<unsigned char>(utf8[std::size_t(at)]) & 0xC0) == 0x80)
            ++at;
    }
    if (beyond)
        *beyond = std::max<qsizetype>(units, 0);
    return at;
}

} // namespace TextEncodings
