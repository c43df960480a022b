#include "workspace/backupfile.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {

const QByteArray Magic = "Pellam Vornic backup 1\n";
// A header longer than this is not one of ours.
constexpr qint64 MaxHeaderBytes = 64 * 1024;

QByteArray field(const QString& text)
{
    return text.toUtf8().toPercentEncoding(" /.-_~");
}

QString unfield(const QByteArray& bytes)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(bytes));
}

// The header's fields, its length up to and with the empty line, and the
// text length it announces; nothing when it is not a header of ours.
struct Header {
    DocumentBackup backup;
    qint64 headerBytes = 0;
    qint64 length = -1;
    bool encodingGiven = false;
};

std::optional<TextEncoding> encodingNamed(const QByteArray& name)
{
    for (TextEncoding e : TextEncodings::All)
        if (TextEncodings::charsetName(e).toLatin1().compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return std::nullopt;
}

std::optional<Header> parseHeader(const QByteArray& bytes)
{
    if (!bytes.startsWith(Magic))
        return std::nullopt;
    const qsizetype end = bytes.indexOf("\n\n", Magic.size() - 1);
    if (end < 0)
        return std::nullopt;
    Header h;
    h.headerBytes = end + 2;
    bool haveWritten = false, haveStamp = false, haveEncoding = false;
    for (const QByteArray& line : bytes.mid(Magic.size(), end - Magic.size() + 1).split('\n')) {
        if (line.isEmpty())
            continue;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            return std::nullopt;
        const QByteArray key = line.left(eq), value = line.mid(eq + 1);
        if (key == "Path") {
            h.backup.filePath = unfield(value);
        } else if (key == "Caption") {
            h.backup.caption = unfield(value);
        } else if (key == "Language") {
            h.backup.languageName = unfield(value);
        } else if (key == "Encoding") {
            const std::optional<TextEncoding> encoding = encodingNamed(value);
            if (!encoding)
                return std::nullopt;
            h.backup.encoding = *encoding;
            haveEncoding = true;
        } else if (key == "Written") {
            h.backup.written = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
            haveWritten = h.backup.written.isValid();
        } else if (key == "FileStamp") {
            haveStamp = true;
            if (value != "none") {
                const QList<QByteArray> parts = value.split(' ');
                bool sizeOk = false, timeOk = false;
                if (parts.size() == 2)
                    h.backup.fileStamp = FileStamp{parts[0].toLongLong(&sizeOk), parts[1].toLongLong(&timeOk)};
                if (!sizeOk || !timeOk)
                    return std::nullopt;
            }
        } else if (key == "Length") {
            bool ok = false;
            h.length = value.toLongLong(&ok);
            if (!ok || h.length < 0)
                return std::nullopt;
        }
    }
    if (!haveWritten || !haveStamp || h.length < 0 || h.backup.caption.isEmpty())
        return std::nullopt;
    h.encodingGiven = haveEncoding;
    return h;
}

} // namespace

std::optional<FileStamp> FileStamp::of(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return std::nullopt;
    return FileStamp{info.size(), info.lastModified().toMSecsSinceEpoch()};
}

bool DocumentBackup::fileChangedSince() const
{
    if (isUntitled())
        return false;
    return FileStamp::of(filePath) != fileStamp;
}

QByteArray DocumentBackup::encode() const
{
    QByteArray out = Magic;
    out += "Path=" + field(filePath) + '\n';
    out += "Caption=" + field(caption) + '\n';
    out += "Language=" + field(languageName) + '\n';
    out += "Encoding=" + TextEncodings::charsetName(encoding).toLatin1() + '\n';
    out += "Written=" + written.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    out += "FileStamp=" +
           (fileStamp ? QByteArray::number(fileStamp->size) + ' ' + QByteArray::number(fileStamp->modifiedMs)
                      : QByteArray("none")) +
           '\n';
    out += "Length=" + QByteArray::number(bytes.size()) + "\n\n";
    out += bytes;
    return out;
}

std::optional<DocumentBackup> DocumentBackup::decode(const QByteArray& bytes)
{
    std::optional<Header> h = parseHeader(bytes);
    if (!h || bytes.size() - h->headerBytes != h->length)
        return std::nullopt;
    h->backup.bytes = bytes.mid(h->headerBytes);
    if (!h->encodingGiven)
        h->backup.encoding = TextEncodings::detect(h->backup.bytes);
    return std::move(h->backup);
}

std::optional<DocumentBackup> DocumentBackup::readHeader(const QString& path)
{
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<Header> h = parseHeader(f.read(MaxHeaderBytes));
    if (!h || f.size() - h->headerBytes != h->length)
        return std::nullopt;
    return h->backup;
}

std::optional<DocumentBackup> DocumentBackup::read(const QString& path)
{
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decode(f.readAll());
}
