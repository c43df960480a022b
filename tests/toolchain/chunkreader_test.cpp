#include "toolchain/chunkreader.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <vector>

namespace {

struct SizeCase {
    const char* name;
    ChildUser user;
    qint64 size;
};

class ReadSize : public testing::TestWithParam<SizeCase> {};

// Reading 120 bytes gives full chunks of the user's size, then the rest,
// then End.
TEST_P(ReadSize, ChunksOfTheUsersSize)
{
    const QByteArray output(120, 'x');
    QBuffer device;
    device.setData(output);
    device.open(QIODevice::ReadOnly);
    const ChunkReader reader(GetParam().user);
    EXPECT_EQ(reader.readSize(), GetParam().size);

    std::vector<qsizetype> sizes;
    QByteArray all;
    for (Chunk chunk = reader.take(device, true); chunk.kind == Chunk::Kind::Data; chunk = reader.take(device, true)) {
        sizes.push_back(chunk.bytes.size());
        all += chunk.bytes;
    }
    EXPECT_EQ(all, output);
    std::vector<qsizetype> expected(size_t(120 / GetParam().size), GetParam().size);
    if (120 % GetParam().size)
        expected.push_back(120 % GetParam().size);
    EXPECT_EQ(sizes, expected);
}

const SizeCase sizeCases[] = {
    {"CompileFile", ChildUser::CompileFile, 50},
    {"RunAndWait", ChildUser::RunAndWait, 16},
    {"ConsoleRun", ChildUser::ConsoleRun, 1500},
    {"Debugger", ChildUser::Debugger, 1},
};

INSTANTIATE_TEST_SUITE_P(Users, ReadSize, testing::ValuesIn(sizeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChunkReader, EndOnlyWhenStreamEndedAndDrained)
{
    QBuffer device;
    device.open(QIODevice::ReadWrite);
    const ChunkReader reader(ChildUser::CompileFile);
    EXPECT_EQ(reader.take(device, false).kind, Chunk::Kind::Waiting);

    device.write("abc");
    device.seek(0);
    const Chunk data = reader.take(device, true);
    EXPECT_EQ(data.kind, Chunk::Kind::Data);
    EXPECT_EQ(data.bytes, QByteArray("abc"));
    EXPECT_EQ(reader.take(device, false).kind, Chunk::Kind::Waiting);
    EXPECT_EQ(reader.take(device, true).kind, Chunk::Kind::End);
}

TEST(ChunkReader, ChunkTextStopsAtZeroByte)
{
    QBuffer device;
    device.setData(QByteArray("ab\0cd\nef", 8));
    device.open(QIODevice::ReadOnly);
    const ChunkReader reader(4);
    EXPECT_EQ(reader.take(device, true).bytes, QByteArray("ab"));
    EXPECT_EQ(reader.take(device, true).bytes, QByteArray("d\nef"));
    EXPECT_EQ(reader.take(device, true).kind, Chunk::Kind::End);
}

} // namespace
