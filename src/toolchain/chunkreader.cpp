#include "toolchain/chunkreader.h"

#include <QIODevice>

Chunk ChunkReader::take(QIODevice& device, bool streamEnded) const
{
    const qint64 available = device.bytesAvailable();
    if (available <= 0)
        return {streamEnded ? Chunk::Kind::End : Chunk::Kind::Waiting, {}};
    QByteArray bytes = device.read(qMin(available, m_readSize));
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return {Chunk::Kind::Data, bytes};
}
