#include "toolchain/jdboutputparser.h"

#include "toolchain/consolebuffer.h"

#include <QRegularExpression>

#include <utility>

namespace {

bool isNameChar(QChar c)
{
    return c > u' ' && c != u'[' && c != u']' && c != u'>';
}

// Where a "<thread>[<n>] " ends `text`, the index of the thread name and the
// name; -1 when it does not end so.
qsizetype threadPromptAt(QStringView text, QString* name)
{
    qsizetype i = text.size() - 2;
    if (i < 2 || text.at(i) != u']' || text.at(i + 1) != u' ')
        return -1;
    const qsizetype close = i;
    while (i > 0 && text.at(i - 1).isDigit())
        --i;
    if (i == close || i < 2 || text.at(i - 1) != u'[')
        return -1;
    const qsizetype open = i - 1;
    qsizetype start = open;
    while (start > 0 && isNameChar(text.at(start - 1)))
        --start;
    if (start == open)
        return -1;
    *name = text.mid(start, open - start).toString();
    return start;
}

// jdb's location of a stop: "thread=main", Hello.main(), line=1,203 bci=3
const QRegularExpression& stopLocation()
{
    static const QRegularExpression rx(
        QStringLiteral(R"("thread=[^"]*", ([^\s(),"]+)\.([^.\s(),"]+)\(\), line=(\d[\d,]*))"));
    return rx;
}

// The length of `data` without a last UTF-8 sequence that lacks bytes.
qsizetype completeLength(const QByteArray& data)
{
    for (qsizetype i = data.size() - 1; i >= 0 && i >= data.size() - 3; --i) {
        const auto b = static_cast<unsigned char>(data.at(i));
        if ((b & 0xC0) == 0x80)
            continue;
        if (b < 0xC0)
            return data.size();
        const qsizetype needed = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
        return data.size() - i < needed ? i : data.size();
    }
    return data.size();
}

} // namespace

JdbOutputParser::JdbOutputParser() : m_threads({QStringLiteral("main")}) {}

bool JdbOutputParser::isThreadPrompt(QStringView prompt)
{
    QString name;
    return threadPromptAt(prompt, &name) == 0;
}

void JdbOutputParser::feed(QByteArrayView bytes, std::vector<JdbItem>& items)
{
    // A character split between chunks is decoded whole. Qt's stateful
    // decoder would not do: it drops a byte after a broken sequence that a
    // chunk boundary cuts, so the text would depend on the chunks.
    QByteArray data = m_undecoded;
    data.append(bytes);
    const qsizetype cut = completeLength(data);
    m_undecoded = data.mid(cut);
    data.truncate(cut);
    for (QChar c : QString::fromUtf8(data))
        addChar(c, items);
}

void JdbOutputParser::finish(std::vector<JdbItem>& items)
{
    for (QChar c : QString::fromUtf8(std::exchange(m_undecoded, {})))
        addChar(c, items);
    if (!m_pending.isEmpty() || !m_logical.isEmpty())
        endLine(items);
    items.push_back({JdbItem::Kind::Ended, {}, {}, 0});
}

void JdbOutputParser::addChar(QChar c, std::vector<JdbItem>& items)
{
    if (c == u'\r')
        return;
    if (c == u'\n') {
        endLine(items);
        return;
    }
    m_pending += c;
    m_logical += c;
    if (c == u' ' && takePrompt(items))
        return;
    if (m_pending.size() >= MaxLineChars)
        endLine(items);
}

bool JdbOutputParser::takePrompt(std::vector<JdbItem>& items)
{
    QString prompt;
    qsizetype at = -1;
    if (m_pending == QLatin1String("> ")) {
        at = 0;
    } else {
        QString name;
        at = threadPromptAt(m_pending, &name);
        if (at > 0 && !(m_threads.contains(name) && m_pending.at(at - 1).isSpace()))
            at = -1;
        if (at == 0)
            m_threads.insert(name);
    }
    if (at < 0)
        return false;
    prompt = m_pending.mid(at);
    const QString before = ConsoleBuffer::trimControls(QStringView(m_pending).left(at));
    if (!before.isEmpty())
        items.push_back({JdbItem::Kind::Line, before, {}, 0});
    items.push_back({JdbItem::Kind::Prompt, prompt, {}, 0, at == 0 && m_promptLast});
    m_promptLast = true;
    m_pending.clear();
    m_logical.chop(prompt.size());
    return true;
}

void JdbOutputParser::endLine(std::vector<JdbItem>& items)
{
    const QString text = ConsoleBuffer::trimControls(m_pending);
    if (!text.isEmpty())
        items.push_back({JdbItem::Kind::Line, text, {}, 0});
    if (m_logical.contains(QLatin1String("Initializing jdb ...")) ||
        m_logical.contains(QLatin1String("Initializing jdb...")))
        items.push_back({JdbItem::Kind::Initialised, {}, {}, 0});
    if (m_logical.contains(QLatin1String("VM Started:")))
        items.push_back({JdbItem::Kind::VmStarted, {}, {}, 0});
    const QRegularExpressionMatch stop = stopLocation().match(m_logical);
    if (stop.hasMatch()) {
        const int line = stop.captured(3).remove(u',').toInt();
        if (line > 0)
            items.push_back({JdbItem::Kind::Stopped, {}, stop.captured(1), line});
    }
    m_pending.clear();
    m_logical.clear();
    m_promptLast = false;
}

QStringList JdbOutputParser::logLines(const std::vector<JdbItem>& items)
{
    QStringList lines;
    for (const JdbItem& item : items) {
        if (item.kind == JdbItem::Kind::Prompt && item.afterPrompt && !lines.isEmpty())
            lines.last() = item.text;
        else if (item.kind == JdbItem::Kind::Prompt || item.kind == JdbItem::Kind::Line)
            lines << item.text;
    }
    return lines;
}
