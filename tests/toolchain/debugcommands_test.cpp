#include "toolchain/debugcommands.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

// Marks 7 and 12 and a watch: the dumps, then the stops in mark-list order
// (a bookmark's too). A German locale groups 1203 as
// "1.203", which jdb would read as line 1.
TEST(DebugCommands, OpeningCommands)
{
    EXPECT_EQ(DebugCommands::dumpCommands({"Hello.count", "Hello.name"}),
              QStringList({"dump Hello.count", "dump Hello.name"}));
    EXPECT_EQ(DebugCommands::breakpointCommands({7, 12}, "Hello"),
              QStringList({"stop at Hello:7", "stop at Hello:12"}));
    EXPECT_EQ(DebugCommands::breakpointCommands({}, "Hello"), QStringList());

    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(DebugCommands::breakpointCommands({1203, 12}, "Big"),
              QStringList({"stop at Big:1203", "stop at Big:12"}));
    QLocale::setDefault(before);
}

TEST(DebugCommands, ACommandIsTrimmedAndEndsInOneLineFeedWhateverItsLength)
{
    EXPECT_EQ(DebugCommands::commandBytes(u"  cont \t"), "cont\n");
    EXPECT_EQ(DebugCommands::commandBytes(u""), "\n");
    const QString long_ = "print " + QString(5000, u'x');
    EXPECT_EQ(DebugCommands::commandBytes(long_), long_.toUtf8() + "\n");
    EXPECT_EQ(DebugCommands::commandBytes(u"print \"Ærø\""), QByteArray("print \"\xc3\x86r\xc3\xb8\"\n"));
}

struct PortCase {
    const char* line;
    int port; // 0: none
};

TEST(DebugCommands, ListeningPort)
{
    const PortCase cases[] = {
        {"Listening for transport dt_socket at address: 45765", 45765},
        {"Listening for transport dt_socket at address: 45765\r", 45765},
        {"Listening for transport dt_socket at address: 99999", 0},
        {"Listening for transport dt_socket at address: 0", 0},
        {"Picked up JAVA_TOOL_OPTIONS: -Dx=1", 0},
        {"Listening for transport dt_socket at address: 4576x", 0},
        {"", 0},
    };
    for (const PortCase& c : cases) {
        const std::optional<quint16> port = DebugCommands::listeningPort(QString::fromLatin1(c.line));
        EXPECT_EQ(port.value_or(0), c.port) << c.line;
    }
}

struct WatchCase {
    const char* line;
    const char* identifier; // nullptr: nothing is added
};

TEST(DebugCommands, WatchedIdentifierIsTheLastIdentifierBeforeTheFirstSymbol)
{
    const WatchCase cases[] = {
        {"    int count = 0;", "count"},
        {"String name;", "name"},
        {"static int[] arr = {1};", nullptr},
        {"    count++;", "count"},
        {"private static final long serialVersionUID = 1L;", "serialVersionUID"},
        {"return;", nullptr},
        {"int count", nullptr},
        {"", nullptr},
        {"; int x", nullptr},
    };
    for (const WatchCase& c : cases) {
        const std::optional<QString> got = DebugCommands::watchedIdentifier(QString::fromUtf8(c.line));
        if (c.identifier)
            EXPECT_EQ(got.value_or("<none>"), QString::fromUtf8(c.identifier)) << c.line;
        else
            EXPECT_FALSE(got) << c.line << " gave " << got->toStdString();
    }
}

TEST(DebugCommands, OuterClassEndsBeforeTheFirstDollar)
{
    EXPECT_EQ(DebugCommands::outerClass("Hello"), "Hello");
    EXPECT_EQ(DebugCommands::outerClass("Hello$Inner$1"), "Hello");
    EXPECT_EQ(DebugCommands::outerClass("pkg.Hello$Inner"), "pkg.Hello");
}

} // namespace
