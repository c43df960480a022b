#include "workspace/backupsession.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Extension = QStringLiteral(".vbak");

// Close-on-exec above all: a program started from the editor that inherited
// the lock would keep a crashed session "alive" for as long as it runs.
int openLock(const QString& path, bool create)
{
    const int flags = O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0);
    return ::open(QFile::encodeName(path).constData(), flags, 0600);
}

bool tryLock(int fd)
{
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

QString reason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

BackupSession::BackupSession(QString folder, QString lockPath, int lockFd)
    : m_folder(std::move(folder)), m_lockPath(std::move(lockPath)), m_lockFd(lockFd)
{
}

Result<std::unique_ptr<BackupSession>> BackupSession::start(const QString& backupFolder)
{
    using R = Result<std::unique_ptr<BackupSession>>;
    if (!QDir().mkpath(backupFolder))
        return R::failure(QStringLiteral("The folder \"%1\" cannot be created.").arg(backupFolder));
    const QString id = QStringLiteral("%1-%2").arg(::getpid()).arg(
        QString::number(QDateTime::currentMSecsSinceEpoch(), 36) +
        QString::number(QRandomGenerator::global()->bounded(36 * 36 * 36), 36));
    const QDir dir(backupFolder);
    const QString lockPath = dir.filePath(id + QStringLiteral(".lock"));
    // The lock first, the folder second: whoever sees the folder finds it
    // locked.
    const int fd = openLock(lockPath, true);
    if (fd < 0)
        return R::failure(QStringLiteral("Cannot create \"%1\": %2").arg(lockPath, reason()));
    if (!tryLock(fd)) {
        const QString why = reason();
        ::close(fd);
        return R::failure(QStringLiteral("Cannot lock \"%1\": %2").arg(lockPath, why));
    }
    const QString folder = dir.filePath(id);
    // Private: the backups hold the text of the user's documents, some of
    // them readable by the user alone, and the backup folder may be shared
    // (a portable user folder, one the user made beforehand).
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0) {
        ::unlink(QFile::encodeName(lockPath).constData());
        ::close(fd);
        return R::failure(QStringLiteral("The folder \"%1\" cannot be created.").arg(folder));
    }
    return std::unique_ptr<BackupSession>(new BackupSession(folder, lockPath, fd));
}

BackupSession::~BackupSession()
{
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

QString BackupSession::backupPath(int documentId) const
{
    return QDir(m_folder).filePath(QStringLiteral("document-%1").arg(documentId) + Extension);
}

void BackupSession::end()
{
    QDir(m_folder).removeRecursively();
    // Still locked while it goes: nobody takes it for a crash meanwhile.
    ::unlink(QFile::encodeName(m_lockPath).constData());
}

bool LeftoverBackups::isBackupFileName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^document-\\d+\\.vbak$"));
    return pattern.match(name).hasMatch();
}

bool LeftoverBackups::isSessionName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d+-[0-9a-z]+$"));
    return pattern.match(name).hasMatch();
}

LeftoverBackups LeftoverBackups::claim(const QString& backupFolder)
{
    LeftoverBackups found;
    const QDir dir(backupFolder);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!isSessionName(name))
            continue;
        Claimed session{dir.filePath(name), dir.filePath(name + QStringLiteral(".lock")), -1};
        // A session without its lock file ended before it was cleaned up;
        // one whose lock is held belongs to a run that is alive.
        if (QFileInfo::exists(session.lockPath)) {
            session.lockFd = openLock(session.lockPath, false);
            if (session.lockFd < 0)
                continue;
            if (!tryLock(session.lockFd)) {
                ::close(session.lockFd);
                continue;
            }
        }
        const QDir sessionDir(session.folder);
        for (const QString& file : sessionDir.entryList(QDir::Files, QDir::Name)) {
            if (!isBackupFileName(file))
                continue;
            const QString path = sessionDir.filePath(file);
            if (std::optional<DocumentBackup> header = DocumentBackup::readHeader(path))
                found.m_entries.push_back({path, std::move(*header)});
        }
        found.m_sessions.push_back(std::move(session));
    }
    std::stable_sort(found.m_entries.begin(), found.m_entries.end(),
                     [](const Entry& a, const Entry& b) { return a.header.written < b.header.written; });
    return found;
}

LeftoverBackups::LeftoverBackups(LeftoverBackups&& other) noexcept
    : m_sessions(std::move(other.m_sessions)), m_entries(std::move(other.m_entries))
{
    other.m_sessions.clear();
}

LeftoverBackups& LeftoverBackups::operator=(LeftoverBackups&& other) noexcept
{
    if (this != &other) {
        release();
        m_sessions = std::move(other.m_sessions);
        m_entries = std::move(other.m_entries);
        other.m_sessions.clear();
    }
    return *this;
}

LeftoverBackups::~LeftoverBackups()
{
    release();
}

void LeftoverBackups::discard(const Entry& entry)
{
    QFile::remove(entry.path);
    std::erase_if(m_entries, [&](const Entry& e) { return e.path == entry.path; });
}

void LeftoverBackups::release()
{
    for (const Claimed& session : m_sessions) {
        bool holdsBackups = false;
        for (const QString& file : QDir(session.folder).entryList(QDir::Files))
            if (isBackupFileName(file) && DocumentBackup::readHeader(QDir(session.folder).filePath(file)))
                holdsBackups = true;
        if (!holdsBackups) {
            QDir(session.folder).removeRecursively();
            ::unlink(QFile::encodeName(session.lockPath).constData());
        }
        if (session.lockFd >= 0)
            ::close(session.lockFd);
    }
    m_sessions.clear();
}
