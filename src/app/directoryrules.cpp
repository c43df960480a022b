#include "app/directoryrules.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

QString couldNotCreate(const QString& reason)
{
    return QStringLiteral("The directory could not be created because ") + reason;
}

// Why the trimmed name cannot name a directory directly under the parent,
// or nothing when it can. A NUL would cut the name short at the system
// call and create a different directory from the one shown.
std::optional<QString> nameRefusal(const QString& name)
{
    if (name.isEmpty())
        return couldNotCreate(QStringLiteral("no directory name is given."));
    if (name.contains(QLatin1Char('/')))
        return couldNotCreate(QStringLiteral("a directory name cannot contain \"/\"."));
    if (name == QLatin1String(".") || name == QLatin1String("..") || name.contains(QChar(0)))
        return couldNotCreate(QStringLiteral("\"") + name + QStringLiteral("\" is not a valid directory name."));
    return std::nullopt;
}

QString join(const QString& parent, const QString& name)
{
    // The root "/" already ends in the separator.
    return parent.endsWith(QLatin1Char('/')) ? parent + name : parent + QLatin1Char('/') + name;
}

} // namespace

std::optional<QString> newDirectoryPath(const QString& parent, const QString& name)
{
    const QString trimmed = name.trimmed();
    if (parent.isEmpty() || nameRefusal(trimmed))
        return std::nullopt;
    return join(parent, trimmed);
}

CreateDirResult createDirectory(const QString& parent, const QString& name)
{
    const QString trimmed = name.trimmed();
    if (const auto refusal = nameRefusal(trimmed))
        return {CreateDirOutcome::InvalidName, QString(), *refusal};
    // With no directory selected there is nothing to create it under.
    if (parent.isEmpty())
        return {CreateDirOutcome::Failed, trimmed, QStringLiteral("Cannot create ") + trimmed};
    const QString path = join(parent, trimmed);
    if (QFileInfo(path).isDir())
        return {CreateDirOutcome::AlreadyExists, path,
                QStringLiteral("The directory could not be created because it already exists?")};
    // mkdir, not mkpath: a missing parent is a failure, never created.
    if (!QDir().mkdir(path))
        return {CreateDirOutcome::Failed, path, QStringLiteral("Cannot create ") + path};
    return {CreateDirOutcome::Created, path, QString()};
}

void WorkingDirectories::setAsWorkingDir(const QString& directory, bool documentOpen)
{
    if (directory.isEmpty())
        return;
    openDialog = directory;
    exportDialog = directory;
    if (documentOpen)
        saveAsDialog = directory;
}

QStringList fileSystemRoots()
{
    QStringList roots{QStringLiteral("/"), QDir::homePath()};
    static const char* const pseudo[] = {"/proc", "/sys", "/dev", "/run"};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || roots.contains(root))
            continue;
        bool system = false;
        for (const char* p : pseudo)
            system = system || root == QLatin1String(p) || root.startsWith(QLatin1String(p) + QLatin1Char('/'));
        if (!system)
            roots << root;
    }
    return roots;
}

QString fileSystemRootOf(const QString& path, const QStringList& roots)
{
    QString best = QStringLiteral("/");
    for (const QString& root : roots) {
        const bool holds =
            path == root || path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (holds && root.size() > best.size())
            best = root;
    }
    return best;
}
