#include "html/regularfile.h"

#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Result<void> openRegularFile(QFile& file, const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Result<void>::failure(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Result<void>::failure(QStringLiteral("Cannot open file \"%1\". It is not a regular file.").arg(path));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Result<void>::failure(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    }
    return {};
}
