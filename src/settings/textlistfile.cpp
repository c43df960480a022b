#include "settings/textlistfile.h"

#include "settings/atomicfile.h"

#include <QFile>
#include <QFileInfo>

namespace TextListFile {

namespace {

QByteArray lineEndOf(const QByteArray& bytes)
{
    const qsizetype at = bytes.indexOf('\n');
    const qsizetype cr = bytes.indexOf('\r');
    if (cr >= 0 && (at < 0 || cr < at))
        return cr + 1 < bytes.size() && bytes[cr + 1] == '\n' ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
    return QByteArrayLiteral("\n");
}

} // namespace

Result<QStringList> read(const QString& path)
{
    QFile f(path);
    if (!f.exists())
        return QStringList();
    if (!f.open(QIODevice::ReadOnly))
        return Result<QStringList>::failure(QStringLiteral("Cannot open file ") + path + QStringLiteral(": ") +
                                            f.errorString());
    const QByteArray bytes = f.readAll();
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\n' && c != '\r')
            continue;
        lines.append(QString::fromUtf8(bytes.constData() + start, i - start));
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(QString::fromUtf8(bytes.constData() + start, n - start));
    return lines;
}

QByteArray bytesOf(const QStringList& lines, const QByteArray& current)
{
    const QByteArray eol = lineEndOf(current);
    QByteArray out;
    for (const QString& line : lines) {
        QByteArray b = line.toUtf8();
        b.replace('\r', ' ');
        b.replace('\n', ' ');
        out += b;
        out += eol;
    }
    return out;
}

Result<void> write(const QString& path, const QStringList& lines)
{
    QByteArray current;
    bool exists = false;
    if (QFile f(path); f.open(QIODevice::ReadOnly)) {
        current = f.readAll();
        exists = true;
    }
    const QByteArray bytes = bytesOf(lines, current);
    // A list that holds these lines already costs no write.
    if (exists && bytes == current)
        return {};
    return writeAtomically(path, bytes);
}

} // namespace TextListFile
