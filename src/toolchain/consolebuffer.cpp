#include "toolchain/consolebuffer.h"

#include <QMutexLocker>

ConsoleBuffer::ConsoleBuffer() : m_decoder(QStringDecoder::Utf8) {}

void ConsoleBuffer::addChunk(QByteArrayView chunk, const std::function<void(QString)>& deliver)
{
    QMutexLocker lock(&m_mutex);
    const QString text = m_decoder.decode(chunk);
    m_pending += text;
    // The kit's tools end lines with a bare LF here; CR LF contains one too.
    if (!text.contains(u'\n')) {
        if (m_pending.size() < MaxPendingChars)
            return;
        // A program that prints on and on without a line end is shown in
        // pieces, as it stands, instead of piling up unseen.
        QString piece;
        piece.swap(m_pending);
        deliver(std::move(piece));
        return;
    }
    // The text up to the last line end is shown; a line cut by the end of a
    // chunk waits for its rest, so no line is split over two entries.
    const qsizetype lastEnd = m_pending.lastIndexOf(u'\n');
    const QString entry = trimEntry(QStringView(m_pending).left(lastEnd + 1));
    m_pending.remove(0, lastEnd + 1);
    if (!entry.isEmpty())
        deliver(entry);
}

std::optional<QString> ConsoleBuffer::addChunk(QByteArrayView chunk)
{
    std::optional<QString> shown;
    addChunk(chunk, [&shown](QString entry) { shown = std::move(entry); });
    return shown;
}

QString ConsoleBuffer::takeRest()
{
    QMutexLocker lock(&m_mutex);
    QString rest;
    rest.swap(m_pending);
    return rest;
}

QString ConsoleBuffer::finish()
{
    m_finished = true;
    return DoneText;
}

std::optional<QString> ConsoleBuffer::timerTick(const std::function<bool()>& mayShow)
{
    if (!m_timerEnabled)
        return std::nullopt;
    QMutexLocker lock(&m_mutex);
    if (trimControls(m_pending).isEmpty() || (mayShow && !mayShow()))
        return std::nullopt;
    m_timerEnabled = false;
    QString shown;
    shown.swap(m_pending);
    return shown;
}

QByteArray ConsoleBuffer::enterPressed(QStringView lastLine)
{
    m_timerEnabled = true;
    return lineToSend(lastLine);
}

QByteArray ConsoleBuffer::lineToSend(QStringView line)
{
    QByteArray bytes = textToSend(trimControls(line));
    bytes.append("\r\n", 2);
    return bytes;
}

QByteArray ConsoleBuffer::textToSend(QStringView text)
{
    // The program is started to read and write UTF-8, whatever the locale.
    QStringEncoder encoder(QStringEncoder::Utf8);
    return encoder.encode(text);
}

QString ConsoleBuffer::trimControls(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.sliced(begin, end - begin).toString();
}

QString ConsoleBuffer::trimEntry(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].unicode() <= 0x20)
        --end;
    // From the start of the first line that holds more than blanks.
    qsizetype begin = 0;
    for (qsizetype i = 0; i < end && text[i].unicode() <= 0x20; ++i)
        if (text[i] == u'\n' || text[i] == u'\r')
            begin = i + 1;
    return text.sliced(begin, end - begin).toString();
}

QString ConsoleBuffer::pendingOutput() const
{
    QMutexLocker lock(&m_mutex);
    return m_pending;
}
