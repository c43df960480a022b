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

    // Unbuffered: a buffered QSaveFile meets a full disk only when commit()
    // flushes, and commit() then renames the cut temporary file over the old
    // one and reports success.
    QSaveFile f(target);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Result<void>::failure(QStringLiteral("Cannot create file \"%1\". %2").arg(path, f.errorString()));
    // A short write carries no reason; the next one fails with the system's.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 n = f.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString reason = f.errorString();
            f.cancelWriting();
            return Result<void>::failure(QStringLiteral("Cannot write file \"%1\". %2").arg(path, reason));
        }
        written += n;
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
