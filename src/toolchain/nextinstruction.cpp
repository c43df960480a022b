#include "toolchain/nextinstruction.h"

#include "toolchain/debugcommands.h"

QStringList NextInstruction::start(const QStringList& watches, qint64 nowMs)
{
    QStringList commands = DebugCommands::dumpCommands(watches);
    m_awaited.clear();
    for (const QString& w : watches)
        m_awaited << w.trimmed() + QStringLiteral(" = ");
    m_pending = !m_awaited.isEmpty();
    m_deadline = nowMs + AnswerWaitMs;
    if (!m_pending)
        commands << Cont;
    return commands;
}

bool NextInstruction::lineSeen(QStringView line)
{
    if (!m_pending)
        return false;
    QStringList answered;
    for (qsizetype i = 0; i < m_awaited.size(); ++i) {
        const QString& needle = m_awaited.at(i);
        if (!answered.contains(needle) && line.contains(needle)) {
            answered << needle;
            m_awaited.removeAt(i--);
        }
    }
    if (!m_awaited.isEmpty())
        return false;
    m_pending = false;
    return true;
}

bool NextInstruction::expired(qint64 nowMs)
{
    if (!m_pending || nowMs < m_deadline)
        return false;
    m_pending = false;
    m_awaited.clear();
    return true;
}
