#include "toolchain/nextinstruction.h"

#include "toolchain/debugcommands.h"

QStringList NextInstruction::start(const QStringList& watches, qint64 nowMs)
{
    m_toSend = watches;
    m_inBlock = false;
    m_pending = true;
    return sendNext(nowMs);
}

QStringList NextInstruction::sendNext(qint64 nowMs)
{
    if (m_toSend.isEmpty()) {
        m_pending = false;
        m_awaited.clear();
        return {Cont};
    }
    const QString watch = m_toSend.takeFirst();
    m_awaited = watch.trimmed() + QStringLiteral(" = ");
    m_deadline = nowMs + AnswerWaitMs;
    return DebugCommands::dumpCommands({watch});
}

QStringList NextInstruction::lineSeen(QStringView line, qint64 nowMs)
{
    if (!m_pending)
        return {};
    if (m_inBlock) {
        if (!line.contains(u'}'))
            return {};
        m_inBlock = false;
        return sendNext(nowMs);
    }
    const qsizetype at = line.indexOf(m_awaited);
    if (at < 0)
        return {};
    // An object or an array: " Shapes.origin = {", its lines, then "}". A
    // string value may hold a brace; jdb's "{" of a block stands alone.
    if (line.mid(at + m_awaited.size()).trimmed() == u"{") {
        m_inBlock = true;
        return {};
    }
    return sendNext(nowMs);
}

QStringList NextInstruction::expired(qint64 nowMs)
{
    if (!m_pending || nowMs < m_deadline)
        return {};
    m_toSend.clear();
    m_inBlock = false;
    return sendNext(nowMs);
}
