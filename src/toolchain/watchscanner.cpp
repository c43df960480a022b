#include "toolchain/watchscanner.h"

#include "toolchain/consolebuffer.h"

namespace {

const QString Assignment = QStringLiteral(" = ");

} // namespace

WatchScanner::WatchScanner(QStringList watches) : m_watches(std::move(watches))
{
    for (const QString& w : m_watches)
        m_needles << w + Assignment;
}

QStringList WatchScanner::step(QStringView line, bool& inBlock) const
{
    QStringList shown;
    if (inBlock) {
        shown << line.toString();
        if (line.contains(u'}'))
            inBlock = false;
    }
    for (const QString& needle : m_needles) {
        const qsizetype at = line.indexOf(needle);
        if (at < 0)
            continue;
        const QString value = ConsoleBuffer::trimControls(line.mid(at > 0 ? at - 1 : 0));
        shown << value;
        if (value.contains(u'{'))
            inBlock = true;
    }
    return shown;
}

QStringList WatchScanner::scanLine(QStringView line)
{
    return step(line, m_inBlock);
}

QStringList WatchScanner::peekLine(QStringView line) const
{
    bool inBlock = m_inBlock;
    return step(line, inBlock);
}

QStringList WatchScanner::rescan(const QStringList& lines, const QStringList& watches)
{
    QStringList pane;
    bool inBlock = false;
    for (const QString& line : lines) {
        if (inBlock) {
            pane << line;
            if (line.contains(u'}'))
                inBlock = false;
        }
        for (const QString& w : watches) {
            const qsizetype at = line.indexOf(w + Assignment);
            if (at < 0)
                continue;
            const QString value = ConsoleBuffer::trimControls(QStringView(line).mid(qMax<qsizetype>(0, at - 1)));
            pane << value;
            if (value.contains(u'{'))
                inBlock = true;
        }
    }
    return pane;
}
