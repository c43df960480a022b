#include "editor/textencoding.h"

#include <QSet>
#include <QStringDecoder>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

const char* codecName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Windows1252:
        return "windows-1252";
    case TextEncoding::Latin1:
        return "ISO-8859-1";
    case TextEncoding::Latin9:
        return "ISO-8859-15";
    }
    return "UTF-8";
}

// A single-byte encoding as two tables, taken once from Qt's codec (ICU
// beneath): scanners ask for every line's bytes, and a codec made per line
// would cost more than the scan.
struct SingleByteTable {
    std::array<char16_t, 256> toUnicode{};
    std::vector<std::int16_t> fromUnicode = std::vector<std::int16_t>(0x10000, -1); // BMP code -> byte
};

SingleByteTable makeTable(TextEncoding encoding)
{
    SingleByteTable t;
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    QStringDecoder decoder(codecName(encoding), QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(all);
    // The tables are complete (Windows-1252's undefined bytes read as their
    // Latin-1 code points), one character per byte.
    Q_ASSERT(text.size() == 256);
    for (int i = 0; i < 256 && i < text.size(); ++i) {
        t.toUnicode[std::size_t(i)] = text[i].unicode();
        t.fromUnicode[text[i].unicode()] = std::int16_t(i);
    }
    return t;
}

const SingleByteTable& tableFor(TextEncoding encoding)
{
    static const SingleByteTable windows1252 = makeTable(TextEncoding::Windows1252);
    static const SingleByteTable latin1 = makeTable(TextEncoding::Latin1);
    static const SingleByteTable latin9 = makeTable(TextEncoding::Latin9);
    switch (encoding) {
    case TextEncoding::Latin1:
        return latin1;
    case TextEncoding::Latin9:
        return latin9;
    default:
        return windows1252;
    }
}

void appendUtf8(QByteArray& out, char16_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

} // namespace

namespace TextEncodings {

QString displayName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case TextEncoding::Latin1:
        return QStringLiteral("ISO-8859-1");
    case TextEncoding::Latin9:
        return QStringLiteral("ISO-8859-15");
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
    const SingleByteTable& table = tableFor(encoding);
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char b : bytes)
        appendUtf8(out, table.toUnicode[static_cast<unsigned char>(b)]);
    return out;
}

QString decode(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return QString::fromUtf8(bytes);
    const SingleByteTable& table = tableFor(encoding);
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t* p = reinterpret_cast<char16_t*>(out.data());
    for (const char b : bytes)
        *p++ = table.toUnicode[static_cast<unsigned char>(b)];
    return out;
}

std::optional<QByteArray> fromUtf8(QByteArrayView utf8, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return utf8.toByteArray();
    const SingleByteTable& table = tableFor(encoding);
    QByteArray out;
    out.reserve(utf8.size());
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* const end = p + utf8.size();
    while (p < end) {
        char32_t code = *p;
        int extra = code < 0x80 ? 0 : code >= 0xF0 ? 3 : code >= 0xE0 ? 2 : code >= 0xC0 ? 1 : -1;
        if (extra < 0 || end - p <= extra)
            return std::nullopt;
        code &= 0xFF >> (extra + 1 + (extra > 0));
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return std::nullopt;
            code = (code << 6) | (p[i] & 0x3F);
        }
        p += extra + 1;
        if (code > 0xFFFF || table.fromUnicode[code] < 0)
            return std::nullopt;
        out += char(table.fromUnicode[code]);
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
    const SingleByteTable& table = tableFor(encoding);
    QByteArray out(text.size(), Qt::Uninitialized);
    char* p = out.data();
    for (const QChar c : text) {
        const std::int16_t b = table.fromUnicode[c.unicode()];
        if (b < 0)
            return std::nullopt; // surrogates are never in the table
        *p++ = char(b);
    }
    return out;
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
