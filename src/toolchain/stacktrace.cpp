#include "toolchain/stacktrace.h"

#include <QDir>
#include <QRegularExpression>

namespace {

bool isHeading(QStringView line)
{
    static const QRegularExpression exceptionLine(
        QStringLiteral("^[\\w$.]+(Exception|Error|Throwable)(: .*)?$"));
    const QString trimmed = line.trimmed().toString();
    return trimmed.startsWith(QLatin1String("Exception in thread ")) ||
           trimmed.startsWith(QLatin1String("Caused by: ")) || trimmed.startsWith(QLatin1String("Suppressed: ")) ||
           exceptionLine.match(trimmed).hasMatch();
}

// A line that belongs to a trace without pointing anywhere itself.
bool isTraceLine(QStringView line)
{
    const QStringView trimmed = line.trimmed();
    return trimmed.startsWith(QLatin1String("at ")) ||
           (trimmed.startsWith(QLatin1String("... ")) && trimmed.endsWith(QLatin1String(" more")));
}

} // namespace

QString StackFrameLocation::packageFolder() const
{
    const qsizetype dot = className.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : className.left(dot).replace(QLatin1Char('.'), QLatin1Char('/'));
}

namespace StackTrace {

std::optional<StackFrameLocation> parseFrame(QStringView line)
{
    static const QRegularExpression frame(QStringLiteral("^\\s*at\\s+(\\S+)\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch m = frame.match(line.toString());
    if (!m.hasMatch())
        return std::nullopt;
    // "java.base/java.lang.Thread.run", "app//Main.main": the module or
    // class loader stands before the last slash.
    QString method = m.captured(1);
    method = method.mid(method.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype methodDot = method.lastIndexOf(QLatin1Char('.'));
    const QString where = m.captured(2);
    const qsizetype colon = where.lastIndexOf(QLatin1Char(':'));
    if (methodDot <= 0 || colon <= 0)
        return std::nullopt;
    bool ok = false;
    // jdb writes line numbers from 1,000 up with a thousands comma.
    const int number = where.mid(colon + 1).remove(QLatin1Char(',')).toInt(&ok);
    const QString file = where.left(colon);
    if (!ok || number <= 0 || file.contains(QLatin1Char('/')) || !file.contains(QLatin1Char('.')))
        return std::nullopt;
    return StackFrameLocation{method.left(methodDot), file, number};
}

std::optional<StackFrameLocation> locationAt(const QStringList& lines)
{
    if (lines.isEmpty())
        return std::nullopt;
    if (std::optional<StackFrameLocation> own = parseFrame(lines.first()))
        return own;
    if (!isHeading(lines.first()))
        return std::nullopt;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (std::optional<StackFrameLocation> below = parseFrame(lines[i]))
            return below;
        if (!isTraceLine(lines[i]))
            break;
    }
    return std::nullopt;
}

QStringList candidatePaths(const StackFrameLocation& location, const QString& classRoot,
                           const QString& sourceFolder)
{
    QStringList paths;
    const auto add = [&paths](const QString& path) {
        const QString clean = QDir::cleanPath(path);
        if (!paths.contains(clean))
            paths << clean;
    };
    const QString package = location.packageFolder();
    if (!classRoot.isEmpty())
        add(QDir(classRoot).filePath(package.isEmpty() ? location.fileName : package + QLatin1Char('/') + location.fileName));
    if (!sourceFolder.isEmpty())
        add(QDir(sourceFolder).filePath(location.fileName));
    return paths;
}

} // namespace StackTrace
