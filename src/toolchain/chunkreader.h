#pragma once

#include <QByteArray>

class QIODevice;

// The four users of a captured child; each reads its output in chunks of its
// own size.
enum class ChildUser { CompileFile, RunAndWait, ConsoleRun, Debugger };

// Bytes per read: small for the compiler and the applet viewer so the
// window gets a turn between reads, one byte for the debugger so a prompt
// without a line end is seen at once.
constexpr qint64 readSizeFor(ChildUser user)
{
    switch (user) {
    case ChildUser::CompileFile:
        return 50;
    case ChildUser::RunAndWait:
        return 16;
    case ChildUser::ConsoleRun:
        return 1500;
    case ChildUser::Debugger:
        return 1;
    }
    return 1;
}

// One step of reading a child's merged output.
struct Chunk {
    enum class Kind { Data, Waiting, End };
    Kind kind = Kind::Waiting;
    // The chunk's text: the bytes read, cut at the first zero byte (the text
    // of a chunk stops there; the bytes after it are dropped).
    QByteArray bytes;
};

// Takes a child's output from a device at most readSize bytes at a time.
// The end is the end of the output stream, not the exit of the process:
// whatever the device still holds is delivered before End.
class ChunkReader {
public:
    explicit ChunkReader(ChildUser user) : m_readSize(readSizeFor(user)) {}
    explicit ChunkReader(qint64 readSize) : m_readSize(readSize > 0 ? readSize : 1) {}

    qint64 readSize() const { return m_readSize; }

    // streamEnded: the writing side has closed (for a QProcess: it has
    // finished, which drains its pipe into the device).
    Chunk take(QIODevice& device, bool streamEnded) const;

private:
    qint64 m_readSize;
};
