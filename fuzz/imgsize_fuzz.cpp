// Fuzzes the picture size readers: each of the three reads the input
// through a device that traps when asked to go back or past the data, once
// as a file (skips seek) and once as a stream (skips read). A PNG signature
// and 24 bytes must give the header's width and height.
#include "fuzzcheck.h"
#include "html/bytereader.h"
#include "html/imgsize.h"

#include <QIODevice>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {


// The input as a device that watches how it is read.
class WatchedDevice : public QIODevice {
public:
    WatchedDevice(const std::uint8_t* data, qint64 size, bool sequential)
        : m_data(data), m_size(size), m_sequential(sequential)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return m_sequential; }
    qint64 size() const override { return m_sequential ? 0 : m_size; }
    bool seek(qint64 pos) override
    {
        check(!m_sequential, "seek on a stream");
        check(pos >= m_at, "the position moved back");
        m_at = pos;
        return QIODevice::seek(pos);
    }
    qint64 delivered() const { return m_delivered; }

protected:
    qint64 readData(char* out, qint64 max) override
    {
        check(max >= 0, "negative read");
        const qint64 n = std::max<qint64>(0, std::min(max, m_size - m_at));
        if (n > 0)
            std::memcpy(out, m_data + m_at, std::size_t(n));
        m_at += n;
        m_delivered += n;
        check(m_delivered <= m_size, "more bytes read than the input holds");
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    const std::uint8_t* m_data;
    qint64 m_size;
    bool m_sequential;
    qint64 m_at = 0;
    qint64 m_delivered = 0;
};

quint32 big32(const std::uint8_t* p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::uint8_t pngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    for (bool sequential : {false, true}) {
        for (ImageSize (*reader)(ByteReader&) : {readGifSize, readPngSize, readJpegSize}) {
            WatchedDevice device(data, qint64(size), sequential);
            ByteReader bytes(device);
            const ImageSize found = reader(bytes);
            check(bytes.position() <= qint64(size), "the reader's position is past the data");
            check(bytes.bytesFetched() == device.delivered(), "the reader counts bytes it was not given");
            if (reader == readPngSize && size >= 24 && std::memcmp(data, pngSignature, 8) == 0)
                check(found == ImageSize{big32(data + 16), big32(data + 20)}, "a PNG header read wrong");
        }
    }
    return 0;
}
