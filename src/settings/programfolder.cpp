#include "settings/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString programFolder()
{
    const QByteArray home = qgetenv("VORNIC_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(QString::fromLocal8Bit(home));
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application object exists (or in tools without one).
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    return self.canonicalFilePath().isEmpty() ? QDir::currentPath() : QFileInfo(self.canonicalFilePath()).absolutePath();
}

QString programFile(const QString& relativePath)
{
    return QDir(programFolder()).filePath(relativePath);
}
