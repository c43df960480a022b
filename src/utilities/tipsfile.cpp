#include "utilities/tipsfile.h"

#include "editor/linestore.h"
#include "settings/tcolor.h"

Result<TipsFile> TipsFile::read(const QString& path)
{
    Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes)
        return Result<TipsFile>::failure(bytes.error());
    return parse(bytes.value());
}

Result<TipsFile> TipsFile::parse(const QByteArray& bytes)
{
    TipsFile file;
    const QString text = QString::fromUtf8(normalizeLineEnds(bytes));
    file.m_lines = text.split(QLatin1Char('\n'));
    const QString third = file.m_lines.size() > 2 ? file.m_lines[2].trimmed() : QString();
    bool ok = false;
    const int count = third.toInt(&ok);
    // A count of 0 or less would leave no tip to pick: it is no count.
    if (!ok || count < 1)
        return Result<TipsFile>::failure(Colors::invalidIntegerMessage(third));
    file.m_count = count;
    return file;
}

std::optional<QString> TipsFile::tip(int n) const
{
    const QString marker = QLatin1Char('#') + QString::number(n) + QLatin1Char('%');
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (!m_lines[i].trimmed().contains(marker))
            continue;
        const QString next = i + 1 < m_lines.size() ? m_lines[i + 1] : QString();
        if (next.trimmed().contains(QLatin1Char('#')))
            return std::nullopt;
        return next;
    }
    return std::nullopt;
}

int nextTipNumber(int current, int count)
{
    return current >= count ? 1 : current + 1;
}
