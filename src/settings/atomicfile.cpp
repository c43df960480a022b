#include "settings/atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        // Write the link's target so the link itself survives.
        const QString resolved = info.symLinkTarget();
        if (!resolved.isEmpty())
            target = resolved;
    }
    const bool existed = QFileInfo::exists(target);
    const QFileDevice::Permissions permissions = existed ? QFile::permissions(target) : QFileDevice::Permissions();

    QSaveFile f(target);
    if (!f.open(QIODevice::WriteOnly))
        return Result<void>::failure(QStringLiteral("Cannot create file \"%1\". %2").arg(path, f.errorString()));
    if (f.write(bytes) != bytes.size()) {
        const QString reason = f.errorString();
        f.cancelWriting();
        return Result<void>::failure(QStringLiteral("Cannot write file \"%1\". %2").arg(path, reason));
    }
    if (!f.commit())
        return Result<void>::failure(QStringLiteral("Cannot write file \"%1\". %2").arg(path, f.errorString()));
    if (existed)
        QFile::setPermissions(target, permissions);
    return {};
}

Result<void> writeAtomically(const QString& path, const QByteArray& bytes)
{
    if (!writeFileAtomically(path, bytes))
        return Result<void>::failure(QStringLiteral("Unable to write to ") + path);
    return {};
}
