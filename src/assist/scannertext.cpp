#include "assist/scannertext.h"

#include "editor/linestore.h"

#include <QByteArray>
#include <QStringDecoder>

namespace ScannerText {

std::string_view trimmed(std::string_view text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20)
        --end;
    return text.substr(begin, end - begin);
}

QString decode(std::string_view bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
            if (!utf8.hasError())
                return text;
            return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
        }
    }
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

std::string encode(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), std::size_t(utf8.size()));
}

QStringList decodeLines(const QByteArray& bytes)
{
    const QByteArray text = normalizeLineEnds(bytes);
    QStringList lines = decode(std::string_view(text.constData(), std::size_t(text.size()))).split(QLatin1Char('\n'));
    // What follows the last line end is a line only when it holds text.
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace ScannerText
