#include "settings/fileaccess.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <optional>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

QString reason(int error)
{
    return qt_error_string(error);
}

// What a path is, for the message that refuses it.
QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("It is a directory.");
    if (S_ISFIFO(mode))
        return QStringLiteral("It is a named pipe (FIFO), not a regular file.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("It is a device, not a regular file.");
    if (S_ISSOCK(mode))
        return QStringLiteral("It is a socket, not a regular file.");
    return QStringLiteral("It is not a regular file.");
}

QString openFailure(const QString& path, const QString& why)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, why);
}

// Opens for reading without blocking (a FIFO would wait for a writer) and
// checks on the open descriptor, not the name, that it is a regular file.
Result<int> openRegular(const QString& path, struct stat& st)
{
    const QByteArray name = FileAccess::nativeFileName(path);
    Fd fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        const int error = errno;
        // open() of a folder for reading succeeds; other failures say why.
        return Result<int>::failure(openFailure(path, reason(error)));
    }
    if (::fstat(fd.get(), &st) != 0)
        return Result<int>::failure(openFailure(path, reason(errno)));
    if (!S_ISREG(st.st_mode))
        return Result<int>::failure(openFailure(path, kindOf(st.st_mode)));
    return fd.release();
}

bool writeAll(int fd, QByteArrayView bytes)
{
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, std::size_t(std::min<qsizetype>(left, qsizetype(1) << 30)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// The file a path names once symbolic links are followed; a link whose
// target does not exist yet gives that target, so saving creates it.
QByteArray resolveLinks(const QByteArray& name)
{
    QByteArray current = name;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (::lstat(current.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        QByteArray target(qsizetype(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(current.constData(), target.data(), std::size_t(target.size()));
        if (n <= 0)
            return current;
        target.truncate(n);
        if (!target.startsWith('/')) {
            const qsizetype slash = current.lastIndexOf('/');
            target.prepend(slash < 0 ? QByteArray() : current.left(slash + 1));
        }
        current = target;
    }
    return current;
}

QByteArray folderOf(const QByteArray& name)
{
    const qsizetype slash = name.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : name.left(slash);
}

QByteArray baseNameOf(const QByteArray& name)
{
    return name.mid(name.lastIndexOf('/') + 1);
}

Result<void> writeFailure(const QString& path, int error)
{
    return Result<void>::failure(QStringLiteral("Cannot write file \"%1\". %2").arg(path, reason(error)));
}

// Overwrites the file itself: its owner, mode and every hard link stay.
// Not atomic, so it is the fallback, never the first choice.
Result<void> writeInPlace(const QString& path, const QByteArray& target, QByteArrayView bytes)
{
    Fd fd(::open(target.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return Result<void>::failure(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason(errno)));
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return writeFailure(path, errno);
    if (!S_ISREG(st.st_mode))
        return Result<void>::failure(QStringLiteral("Cannot write file \"%1\". %2").arg(path, kindOf(st.st_mode)));
    if (!writeAll(fd.get(), bytes) || ::ftruncate(fd.get(), off_t(bytes.size())) != 0 || ::fsync(fd.get()) != 0)
        return writeFailure(path, errno);
    // The write cleared the set-user-ID and set-group-ID bits; the owner
    // may set them again.
    if (st.st_mode & (S_ISUID | S_ISGID))
        ::fchmod(fd.get(), st.st_mode & 07777);
    if (::close(fd.release()) != 0)
        return writeFailure(path, errno);
    return {};
}

// A new file beside the target, created with the default mode (the umask
// applies), so it can be renamed over the target.
int createTemporary(const QByteArray& target, QByteArray& tempName)
{
    const QByteArray stem = folderOf(target) + "/." + baseNameOf(target) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = stem + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// The temporary file takes the old file's owner, group and mode; false when
// the user may not give it that owner or group.
bool copyOwnerAndMode(int fd, const struct stat& old)
{
    struct stat now;
    if (::fstat(fd, &now) != 0)
        return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    // After fchown, which clears the set-user-ID and set-group-ID bits.
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

} // namespace

namespace FileAccess {

QByteArray nativeFileName(const QString& path)
{
    QByteArray out;
    out.reserve(path.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path[i].unicode();
        if (c < 0xDC80 || c > 0xDCFF)
            continue;
        // A low surrogate after a high one is half of a real character.
        if (i > 0 && path[i - 1].isHighSurrogate())
            continue;
        out += QStringView(path).mid(start, i - start).toUtf8();
        out += char(c - 0xDC00);
        start = i + 1;
    }
    out += QStringView(path).mid(start).toUtf8();
    return out;
}

QString fileNameFromNative(QByteArrayView bytes)
{
    QString out;
    qsizetype at = 0;
    while (at < bytes.size()) {
        // The longest valid UTF-8 stretch, then one byte that is not.
        qsizetype end = at;
        while (end < bytes.size()) {
            qsizetype n = 1;
            const auto c = static_cast<unsigned char>(bytes[end]);
            if (c >= 0xC2 && c <= 0xDF)
                n = 2;
            else if (c >= 0xE0 && c <= 0xEF)
                n = 3;
            else if (c >= 0xF0 && c <= 0xF4)
                n = 4;
            else if (c >= 0x80)
                break;
            if (end + n > bytes.size())
                break;
            const QByteArrayView piece = bytes.sliced(end, n);
            if (n > 1 && !QString::fromUtf8(piece).toUtf8().startsWith(piece.toByteArray()))
                break;
            end += n;
        }
        out += QString::fromUtf8(bytes.sliced(at, end - at));
        if (end < bytes.size()) {
            out += QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes[end])));
            ++end;
        }
        at = end;
    }
    return out;
}

namespace {
std::optional<QStringList>& recordedArguments()
{
    static std::optional<QStringList> arguments;
    return arguments;
}
} // namespace

void setProgramArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << fileNameFromNative(QByteArrayView(argv[i]));
    recordedArguments() = arguments;
}

QStringList programArguments()
{
    return recordedArguments().value_or(QCoreApplication::arguments());
}

bool exists(const QString& path)
{
    struct stat st;
    return ::lstat(nativeFileName(path).constData(), &st) == 0;
}

Result<qint64> regularFileSize(const QString& path)
{
    struct stat st;
    const Result<int> fd = openRegular(path, st);
    if (!fd)
        return Result<qint64>::failure(fd.error());
    ::close(fd.value());
    return qint64(st.st_size);
}

Result<QByteArray> readRegularFile(const QString& path, qint64 maxBytes)
{
    struct stat st;
    const Result<int> opened = openRegular(path, st);
    if (!opened)
        return Result<QByteArray>::failure(opened.error());
    Fd fd(opened.value());
    auto tooLarge = [&] {
        return Result<QByteArray>::failure(
            QStringLiteral("Cannot read file \"%1\". It is larger than %2 bytes.").arg(path).arg(maxBytes));
    };
    if (qint64(st.st_size) > maxBytes)
        return tooLarge();
    QByteArray bytes;
    // One allocation for a file that keeps its size while it is read.
    bytes.resize(qsizetype(st.st_size) + 1);
    qsizetype used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > maxBytes)
                return tooLarge();
            bytes.resize(used + std::max<qsizetype>(used / 2, 64 * 1024));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + used, std::size_t(bytes.size() - used));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Result<QByteArray>::failure(QStringLiteral("Cannot read file \"%1\". %2").arg(path, reason(errno)));
        }
        if (n == 0)
            break;
        used += n;
    }
    if (used > maxBytes)
        return tooLarge();
    bytes.truncate(used);
    bytes.squeeze();
    return bytes;
}

Result<void> writeFileSafely(const QString& path, QByteArrayView bytes)
{
    const QByteArray target = resolveLinks(nativeFileName(path));
    struct stat old;
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return Result<void>::failure(QStringLiteral("Cannot write file \"%1\". %2").arg(path, kindOf(old.st_mode)));
    // Replacing a file with several names would split it from the others.
    if (exists && old.st_nlink > 1)
        return writeInPlace(path, target, bytes);

    QByteArray tempName;
    Fd fd(createTemporary(target, tempName));
    if (fd.get() < 0) {
        const int error = errno;
        // A folder the user may not write to can still hold a file the user
        // may write: write that file itself.
        if (exists && ::access(target.constData(), W_OK) == 0)
            return writeInPlace(path, target, bytes);
        return Result<void>::failure(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason(error)));
    }
    auto discard = [&] {
        fd.reset();
        ::unlink(tempName.constData());
    };
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) {
        const int error = errno;
        discard();
        return writeFailure(path, error);
    }
    // After writing: a write by a user clears the set-user-ID bit.
    if (exists && !copyOwnerAndMode(fd.get(), old)) {
        discard();
        return writeInPlace(path, target, bytes);
    }
    if (::close(fd.release()) != 0 || ::rename(tempName.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(tempName.constData());
        return writeFailure(path, error);
    }
    return {};
}

} // namespace FileAccess
