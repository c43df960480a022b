#include "settings/atomicfile.h"

#include "settings/fileaccess.h"

Result<void> writeFileAtomically(const QString& path, QByteArrayView bytes)
{
    return FileAccess::writeFileSafely(path, bytes);
}

Result<void> writeAtomically(const QString& path, const QByteArray& bytes)
{
    if (!writeFileAtomically(path, bytes))
        return Result<void>::failure(QStringLiteral("Unable to write to ") + path);
    return {};
}
