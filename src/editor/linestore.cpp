#include "editor/linestore.h"

#include "settings/fileaccess.h"

#include <cstring>

LineEndStyle lineEndStyleOf(QByteArrayView bytes)
{
    const char* p = bytes.data();
    const std::size_t n = std::size_t(bytes.size());
    if (n == 0)
        return LineEndStyle::CrLf;
    const void* cr = std::memchr(p, '\r', n);
    const void* lf = std::memchr(p, '\n', cr ? std::size_t(static_cast<const char*>(cr) - p) : n);
    if (lf)
        return LineEndStyle::Lf;
    if (!cr)
        return LineEndStyle::CrLf;
    const char* at = static_cast<const char*>(cr);
    return at + 1 < p + n && at[1] == '\n' ? LineEndStyle::CrLf : LineEndStyle::Cr;
}

SplitText splitLines(const QByteArray& bytes)
{
    SplitText out;
    out.style = lineEndStyleOf(bytes);
    out.text = bytes.contains('\r') ? normalizeLineEnds(bytes) : bytes;
    if (out.text.endsWith('\n')) {
        out.finalBreak = true;
        out.text.chop(1);
    }
    return out;
}

QByteArray normalizeLineEnds(const QByteArray& text)
{
    if (!text.contains('\r'))
        return text;
    QByteArray out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += '\n';
            if (i + 1 < n && text[i + 1] == '\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray joinLines(const QByteArray& lfText, LineEndStyle style, bool finalBreak)
{
    QByteArray out = lfText;
    if (finalBreak)
        out += '\n';
    switch (style) {
    case LineEndStyle::Lf:
        break;
    case LineEndStyle::Cr:
        out.replace('\n', '\r');
        break;
    case LineEndStyle::CrLf:
        out.replace("\n", "\r\n");
        break;
    }
    return out;
}

Result<QByteArray> readFileBytes(const QString& path)
{
    return FileAccess::readRegularFile(path);
}

