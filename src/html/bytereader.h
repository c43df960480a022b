#pragma once

#include <QtGlobal>

#include <optional>

class QIODevice;

// Forward-only reader over a device, with a small buffer of its own: the
// picture readers take a few header bytes and skip whole segments, so a
// skip past the buffer seeks instead of reading (a 50 MB picture costs a
// few hundred bytes). The position never moves back.
class ByteReader {
public:
    explicit ByteReader(QIODevice& device);

    std::optional<quint8> readByte();
    // Reads up to count bytes; returns how many were read.
    qint64 read(char* out, qint64 count);
    // Moves forward count bytes; false when the data ends before that.
    bool skip(qint64 count);

    qint64 position() const { return m_position; }
    // Bytes taken from the device so far (buffer fills included).
    qint64 bytesFetched() const { return m_fetched; }

private:
    bool fill();

    QIODevice& m_device;
    static constexpr int BufferSize = 512;
    char m_buffer[BufferSize];
    int m_begin = 0, m_end = 0;
    qint64 m_position = 0;
    qint64 m_fetched = 0;
    bool m_atEnd = false;
};

// ReadBigEndianWord: the next two bytes, the first the high one; none on a
// short read.
std::optional<quint16> ReadBigEndianWord(ByteReader& reader);
