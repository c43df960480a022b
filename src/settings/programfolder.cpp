#include "settings/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#ifndef VORNIC_DATA_RELATIVE
#define VORNIC_DATA_RELATIVE "../share/pellam-vornic"
#endif

namespace {

// Set once, at start, before any other thread runs.
QString g_shippedFallback;

QString executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application object exists (or in tools without one).
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return self.isEmpty() ? QDir::currentPath() : QFileInfo(self).absolutePath();
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// mkdir -p, telling why it failed: QDir::mkpath only says that it did.
Result<void> makeFolder(const QString& path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    QString sofar;
    for (const QString& part : clean.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        sofar += QLatin1Char('/') + part;
        const QByteArray native = QFile::encodeName(sofar);
        if (::mkdir(native.constData(), 0700) == 0 || errno == EEXIST) {
            if (!QFileInfo(sofar).isDir())
                return Result<void>::failure(
                    QStringLiteral("The folder \"%1\" cannot be created: \"%2\" is a file.").arg(clean, sofar));
            continue;
        }
        return Result<void>::failure(
            QStringLiteral("The folder \"%1\" cannot be created: %2.").arg(clean, systemReason(errno)));
    }
    return {};
}

// Whole or not at all: a copy cut short by a crash is never taken for the
// user's own file at the next start.
Result<void> copyFile(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return Result<void>::failure(QStringLiteral("Cannot read \"%1\": %2").arg(from, source.errorString()));
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return Result<void>::failure(QStringLiteral("Cannot create \"%1\": %2").arg(to, target.errorString()));
    const QByteArray bytes = source.readAll();
    if (target.write(bytes) != bytes.size() || !target.commit())
        return Result<void>::failure(QStringLiteral("Cannot write \"%1\": %2").arg(to, target.errorString()));
    return {};
}

QSet<QString> readSeededList(const QString& path)
{
    QSet<QString> names;
    QFile f(path);
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& line : f.readAll().split('\n'))
            if (!line.isEmpty())
                names.insert(QString::fromUtf8(line));
    return names;
}

} // namespace

QString shippedDataFolder()
{
    const QString exe = executableFolder();
    const QString installed = QDir::cleanPath(exe + QLatin1Char('/') + QStringLiteral(VORNIC_DATA_RELATIVE));
    return QFileInfo(installed).isDir() ? installed : exe;
}

QString userFolder()
{
    const QByteArray home = qgetenv("VORNIC_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(QFile::decodeName(home));
    // As the XDG base directory rules say: a relative XDG_CONFIG_HOME is ignored.
    QString config = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(config + QStringLiteral("/pellam-vornic"));
}

QString programFolder()
{
    return userFolder();
}

QString programFile(const QString& relativePath)
{
    const QString path = QDir(userFolder()).filePath(relativePath);
    if (g_shippedFallback.isEmpty() || !qEnvironmentVariableIsEmpty("VORNIC_HOME") || QFileInfo::exists(path))
        return path;
    const QString shipped = QDir(g_shippedFallback).filePath(relativePath);
    return QFileInfo::exists(shipped) ? shipped : path;
}

void readShippedFilesTheUserFolderLacks(const QString& shippedFolder)
{
    g_shippedFallback = shippedFolder;
}

Result<SeedReport> seedUserFolder(const QString& shippedFolder, const QString& user)
{
    if (Result<void> made = makeFolder(user); !made)
        return Result<SeedReport>::failure(made.error());
    const QDir userDir(user);
    const QString listPath = userDir.filePath(QString::fromLatin1(SeededListName));
    QSet<QString> seeded = readSeededList(listPath);
    SeedReport report;
    QString failure;
    bool listChanged = false;
    const QDir shipped(shippedFolder);
    QDirIterator it(shippedFolder, QDir::Files, QDirIterator::Subdirectories);
    // Copying into a user folder that is the shipped one would do nothing.
    const bool same = QFileInfo(shippedFolder).canonicalFilePath() == QFileInfo(user).canonicalFilePath();
    while (!same && it.hasNext()) {
        const QString from = it.next();
        const QString relative = shipped.relativeFilePath(from);
        if (relative.startsWith(QLatin1Char('.')) || relative.contains(QLatin1String("/.")))
            continue;
        const QFileInfo info(from);
        // The executable and the build's own files sit beside the data in a
        // build tree; only data is shipped.
        if (info.isExecutable() || seeded.contains(relative))
            continue;
        const QString to = userDir.filePath(relative);
        if (!QFileInfo::exists(to)) {
            Result<void> r = makeFolder(QFileInfo(to).absolutePath());
            if (r)
                r = copyFile(from, to);
            if (!r) {
                if (failure.isEmpty())
                    failure = r.error();
                continue;
            }
            report.copied << relative;
        }
        seeded.insert(relative);
        listChanged = true;
    }
    if (listChanged) {
        QStringList names(seeded.begin(), seeded.end());
        names.sort();
        QSaveFile list(listPath);
        if (!list.open(QIODevice::WriteOnly) || list.write((names.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) < 0 ||
            !list.commit()) {
            if (failure.isEmpty())
                failure = QStringLiteral("Cannot write \"%1\": %2").arg(listPath, list.errorString());
        }
    }
    // The settings are written at the first change; find out now whether
    // they can be, while the user can still be told.
    // Every file there is replaced by a new one beside it, so the folder
    // itself must be writable.
    if (failure.isEmpty() && ::access(QFile::encodeName(user).constData(), W_OK | X_OK) != 0)
        failure = QStringLiteral("The folder \"%1\" cannot be written: %2.").arg(user, systemReason(errno));
    const QString ini = userDir.filePath(QStringLiteral("Vornic.ini"));
    QFile settings(ini);
    if (failure.isEmpty() && !settings.open(QIODevice::Append))
        failure = QStringLiteral("Cannot write \"%1\": %2").arg(ini, settings.errorString());
    if (!failure.isEmpty())
        return Result<SeedReport>::failure(failure);
    return report;
}
