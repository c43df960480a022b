#include "toolchain/vartracker.h"

#include "toolchain/consolebuffer.h"

#include <algorithm>

namespace VarTracker {

QStringList fields(const QStringList& members)
{
    QStringList result;
    for (const QString& m : members)
        if (!ConsoleBuffer::trimControls(m).isEmpty() && !m.contains(u'(') && !m.contains(u')'))
            result << m;
    return result;
}

std::optional<QString> trackedEntry(const QString& className, const QString& member)
{
    const QString d = ConsoleBuffer::trimControls(member);
    if (d.isEmpty() || d == NoneFound)
        return std::nullopt;
    QString name = d.mid(d.lastIndexOf(u' ') + 1);
    name.remove(u' ');
    name.remove(u'\t');
    return className + u'.' + name;
}

QStringList confirmed(const QStringList& entries)
{
    QStringList reversed = entries;
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

} // namespace VarTracker
