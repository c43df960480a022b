#include "html/bytereader.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

ByteReader::ByteReader(QIODevice& device) : m_device(device) {}

bool ByteReader::fill()
{
    if (m_atEnd)
        return false;
    const qint64 n = m_device.read(m_buffer, BufferSize);
    if (n <= 0) {
        m_atEnd = true;
        return false;
    }
    m_begin = 0;
    m_end = int(n);
    m_fetched += n;
    return true;
}

std::optional<quint8> ByteReader::readByte()
{
    if (m_begin == m_end && !fill())
        return std::nullopt;
    ++m_position;
    return quint8(m_buffer[m_begin++]);
}

qint64 ByteReader::read(char* out, qint64 count)
{
    qint64 done = 0;
    while (done < count) {
        if (m_begin == m_end && !fill())
            break;
        const int n = int(std::min<qint64>(count - done, m_end - m_begin));
        std::memcpy(out + done, m_buffer + m_begin, std::size_t(n));
        m_begin += n;
        done += n;
    }
    m_position += done;
    return done;
}

bool ByteReader::skip(qint64 count)
{
    if (count <= 0)
        return true;
    const qint64 buffered = m_end - m_begin;
    if (count <= buffered) {
        m_begin += int(count);
        m_position += count;
        return true;
    }
    m_begin = m_end = 0;
    m_position += buffered;
    qint64 rest = count - buffered;
    if (!m_device.isSequential()) {
        const qint64 target = m_device.pos() + rest;
        if (target > m_device.size()) {
            // Past the end: the data ends here; nothing more is read.
            m_position += m_device.size() - m_device.pos();
            m_device.seek(m_device.size());
            m_atEnd = true;
            return false;
        }
        m_device.seek(target);
        m_position += rest;
        return true;
    }
    while (rest > 0) {
        if (!fill())
            return false;
        const int n = int(std::min<qint64>(rest, m_end - m_begin));
        m_begin += n;
        m_position += n;
        rest -= n;
    }
    return true;
}

std::optional<quint16> ReadBigEndianWord(ByteReader& reader)
{
    const auto high = reader.readByte();
    if (!high)
        return std::nullopt;
    const auto low = reader.readByte();
    if (!low)
        return std::nullopt;
    return quint16((*high << 8) | *low);
}
