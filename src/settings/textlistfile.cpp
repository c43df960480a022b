#include "settings/textlistfile.h"

#include "settings/atomicfile.h"
#include "settings/fileaccess.h"

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
    if (!FileAccess::exists(path))
        return QStringList();
    // Only a regular file is read: a FIFO would hang the dialog for good.
    Result<QByteArray> read = FileAccess::readRegularFile(path);
    if (!read)
        return Result<QStringList>::failure(read.error());
    const QByteArray bytes = read.take();
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
    Result<QByteArray> read = FileAccess::readRegularFile(path);
    const bool exists = read.ok();
    const QByteArray current = exists ? read.take() : QByteArray();
    const QByteArray bytes = bytesOf(lines, current);
    // A list that holds these lines already costs no write.
    if (exists && bytes == current)
        return {};
    return writeAtomically(path, bytes);
}

} // namespace TextListFile
