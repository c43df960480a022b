#include "editor/linestore.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

SplitText splitLines(const QByteArray& bytes)
{
    SplitText out;
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    const void* cr = std::memchr(p, '\r', std::size_t(n));
    const void* lf = std::memchr(p, '\n', std::size_t(n));
    if (cr && (!lf || cr < lf))
        out.style = (static_cast<const char*>(cr) + 1 < p + n && static_cast<const char*>(cr)[1] == '\n')
                        ? LineEndStyle::CrLf
                        : LineEndStyle::Cr;
    else if (lf)
        out.style = LineEndStyle::Lf;
    out.text = cr ? normalizeLineEnds(bytes) : bytes;
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
    QFile f(path);
    if (QFileInfo(path).isDir())
        return Result<QByteArray>::failure(QStringLiteral("Cannot open file \"%1\". It is a directory.").arg(path));
    if (!f.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(QStringLiteral("Cannot open file \"%1\". %2").arg(path, f.errorString()));
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return Result<QByteArray>::failure(QStringLiteral("Cannot read file \"%1\". %2").arg(path, f.errorString()));
    return bytes;
}

