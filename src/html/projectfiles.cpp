#include "html/projectfiles.h"

#include "html/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace ProjectFiles {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

Result<void> makeFolder(const QString& folder)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(folder).toStdString()), ec);
    if (ec)
        return Result<void>::failure(QStringLiteral("Cannot create folder \"%1\". %2")
                                         .arg(folder, QString::fromLocal8Bit(ec.message().c_str())));
    if (!QFileInfo(folder).isDir())
        return Result<void>::failure(QStringLiteral("Cannot create folder \"%1\". A file of that name is there.").arg(folder));
    return {};
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat sa {}, sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 || ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Writes a temporary file beside the target and renames it over the target,
// so a failed copy leaves the old file (and a link there is replaced, not
// followed out of the folder).
Result<void> copyFile(const QString& source, const QString& target)
{
    QFile in;
    if (const Result<void> opened = openRegularFile(in, source); !opened)
        return opened;
    QTemporaryFile out(target + QStringLiteral(".XXXXXX"));
    out.setAutoRemove(true);
    auto failure = [&](const QString& reason) {
        return Result<void>::failure(QStringLiteral("Cannot copy \"%1\" to \"%2\". %3").arg(source, target, reason));
    };
    if (!out.open())
        return failure(out.errorString());
    char buffer[65536];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0)
            return failure(in.errorString());
        if (n == 0)
            break;
        if (out.write(buffer, n) != n)
            return failure(out.errorString());
    }
    if (!out.flush())
        return failure(out.errorString());
    out.setPermissions(in.permissions() | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    if (std::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return failure(systemReason(errno));
    out.setAutoRemove(false);
    return {};
}

} // namespace

Result<Placement> placeFile(const QString& source, const QString& folder,
                            const std::function<Existing(const QString&)>& askExisting)
{
    const QString name = QFileInfo(source).fileName();
    if (const Result<void> made = makeFolder(folder); !made)
        return Result<Placement>::failure(made.error());
    const QString target = QDir(folder).filePath(name);
    if (sameFile(source, target))
        return Placement{false, name};
    if (QFileInfo(target).exists() || QFileInfo(target).isSymLink()) {
        switch (askExisting(target)) {
        case Existing::Cancel:
            return Placement{true, QString()};
        case Existing::Keep:
            return Placement{false, name};
        case Existing::Replace:
            break;
        }
    }
    if (const Result<void> copied = copyFile(source, target); !copied)
        return Result<Placement>::failure(copied.error());
    return Placement{false, name};
}

QString imagesFolderPath(const QString& projectCatalog, const QString& imagesFolder)
{
    return imagesFolder.isEmpty() ? projectCatalog : QDir(projectCatalog).filePath(imagesFolder);
}

std::optional<QString> deletableImage(const QString& projectCatalog, const QString& imagesFolder,
                                      const QString& entry)
{
    if (projectCatalog.isEmpty() || entry.trimmed().isEmpty())
        return std::nullopt;
    const QString folder = imagesFolderPath(projectCatalog, imagesFolder);
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty())
        return std::nullopt;
    const QString path = QDir(folder).filePath(entry);
    const QString resolved = QFileInfo(path).canonicalFilePath();
    if (resolved.isEmpty() || !resolved.startsWith(root + QLatin1Char('/')))
        return std::nullopt;
    struct stat st {};
    if (::stat(QFile::encodeName(resolved).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return path;
}

Result<void> deleteFile(const QString& path)
{
    if (std::remove(QFile::encodeName(path).constData()) != 0)
        return Result<void>::failure(QStringLiteral("Cannot delete file \"%1\". %2").arg(path, systemReason(errno)));
    return {};
}

Result<QStringList> readImportLines(const QString& path)
{
    QFile file;
    if (const Result<void> opened = openRegularFile(file, path); !opened)
        return Result<QStringList>::failure(opened.error());
    if (file.size() > MaxImportBytes)
        return Result<QStringList>::failure(
            QStringLiteral("Cannot import \"%1\". A list file may hold up to 1 MB of text.").arg(path));
    const QByteArray bytes = file.read(MaxImportBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return Result<QStringList>::failure(QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    if (bytes.size() > MaxImportBytes)
        return Result<QStringList>::failure(
            QStringLiteral("Cannot import \"%1\". A list file may hold up to 1 MB of text.").arg(path));
    if (bytes.contains('\0'))
        return Result<QStringList>::failure(QStringLiteral("Cannot import \"%1\". It is not a text file.").arg(path));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace ProjectFiles
