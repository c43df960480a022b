#include "toolchain/jdboutputparser.h"
#include "toolchain/watchscanner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

using Kind = JdbItem::Kind;

namespace {

const QString DataDir = QStringLiteral(VORNIC_TEST_DATA "/debugger");

std::vector<JdbItem> parseChunks(const QByteArray& bytes, const std::vector<qsizetype>& sizes)
{
    JdbOutputParser parser;
    std::vector<JdbItem> items;
    qsizetype at = 0;
    for (std::size_t i = 0; at < bytes.size(); ++i) {
        const qsizetype n = sizes.empty() ? bytes.size() : sizes[i % sizes.size()];
        parser.feed(QByteArrayView(bytes).sliced(at, qMin(n, bytes.size() - at)), items);
        at += n;
    }
    parser.finish(items);
    return items;
}

std::vector<JdbItem> parse(const QByteArray& bytes)
{
    return parseChunks(bytes, {});
}

// One text line per item, the form of the golden files.
QString describe(const std::vector<JdbItem>& items)
{
    QString out;
    for (const JdbItem& item : items) {
        switch (item.kind) {
        case Kind::Line:
            out += "line: " + item.text;
            break;
        case Kind::Prompt:
            out += QString(item.afterPrompt ? "prompt+: \"" : "prompt: \"") + item.text + "\"";
            break;
        case Kind::Initialised:
            out += "initialised";
            break;
        case Kind::VmStarted:
            out += "vm started";
            break;
        case Kind::Stopped:
            out += QString("stopped: %1 %2").arg(item.className).arg(item.line);
            break;
        case Kind::Ended:
            out += "ended";
            break;
        }
        out += "\n";
    }
    return out;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

// ---- cases written out -------------------------------------------------

struct ParserCase {
    const char* name;
    const char* output;
    const char* expected; // describe() of the items
};

const ParserCase parserCases[] = {
    {"RunOfPromptsAndTheDumpAfterIt", "main[1] main[1]  Hello.count = 0\n",
     "prompt: \"main[1] \"\nprompt+: \"main[1] \"\nline: Hello.count = 0\nended\n"},
    {"PromptInsideAnEventKeepsTheTextAroundIt",
     "\nBreakpoint hit: main[1] \"thread=main\", Tight.main(), line=6 bci=12\n",
     "line: Breakpoint hit:\nprompt: \"main[1] \"\nline: \"thread=main\", Tight.main(), line=6 bci=12\n"
     "stopped: Tight 6\nended\n"},
    {"AngleInsideALineIsNoPrompt", "VM Started: > No frames on the current call stack\n",
     "line: VM Started: > No frames on the current call stack\nvm started\nended\n"},
    {"OtherThreadsPromptAtALineStart", "Thread-0[1] ", "prompt: \"Thread-0[1] \"\nended\n"},
    {"ListedComparisonIsNoPrompt", "9  if (a > b) {\n", "line: 9  if (a > b) {\nended\n"},
    {"AngleAtALineStartIsAPromptAtOnce", "> ", "prompt: \"> \"\nended\n"},
    {"AngleAfterAThreadPromptIsAPrompt", "main[1] > Set deferred breakpoint Counter:5\n",
     "prompt: \"main[1] \"\nprompt+: \"> \"\nline: Set deferred breakpoint Counter:5\nended\n"},
    {"ArrayElementIsNoPrompt", " args[1] = \"x\"\nargs = instance of java.lang.String[1] (id=846)\n",
     "line: args[1] = \"x\"\nline: args = instance of java.lang.String[1] (id=846)\nended\n"},
    {"AKnownThreadPromptsInsideALine", "Thread-0[1] \nBreakpoint hit: Thread-0[2] x\n",
     "prompt: \"Thread-0[1] \"\nline: Breakpoint hit:\nprompt: \"Thread-0[2] \"\nline: x\nended\n"},
    {"CrIsDroppedAndBlankLinesShowNothing", "Initializing jdb ...\r\n\r\n  \n",
     "line: Initializing jdb ...\ninitialised\nended\n"},
    {"LineNumbersLoseTheirCommas", "Breakpoint hit: \"thread=main\", Big.main(), line=1,203 bci=11,854\n",
     "line: Breakpoint hit: \"thread=main\", Big.main(), line=1,203 bci=11,854\nstopped: Big 1203\nended\n"},
    {"StopInANestedClassNamesItWhole",
     "Step completed: \"thread=Thread-0\", Worker$Job.lambda$run$0(), line=12 bci=0\n",
     "line: Step completed: \"thread=Thread-0\", Worker$Job.lambda$run$0(), line=12 bci=0\n"
     "stopped: Worker$Job 12\nended\n"},
    {"TextWithoutLineEndShowsAtTheEnd", "The application exited", "line: The application exited\nended\n"},
    {"Utf8TextIsDecoded", " Hello.name = \"Ærø\"\n", "line: Hello.name = \"Ærø\"\nended\n"},
    // A broken sequence cut by a chunk boundary loses no byte after it.
    {"BrokenUtf8LosesNothingAfterIt",
     "h\xed"
     "it \xe2\x82\n\xe2",
     "line: h\xef\xbf\xbdit \xef\xbf\xbd\xef\xbf\xbd\nline: \xef\xbf\xbd\nended\n"},
};

class ParserCaseTest : public ::testing::TestWithParam<ParserCase> {};

TEST_P(ParserCaseTest, ItemsForWholeAndOneByteChunks)
{
    const ParserCase& c = GetParam();
    EXPECT_EQ(describe(parse(c.output)), QString::fromUtf8(c.expected));
    EXPECT_EQ(describe(parseChunks(c.output, {1})), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, ParserCaseTest, ::testing::ValuesIn(parserCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JdbOutputParser, LogMergesARunOfPromptsIntoOnePromptLine)
{
    const auto items = parse("> > \nmain[1] main[2] \nVM Started: x\n");
    EXPECT_EQ(JdbOutputParser::logLines(items), QStringList({"> ", "main[2] ", "VM Started: x"}));
    EXPECT_EQ(JdbOutputParser::logLines(parse("main[1] \n> ")), QStringList({"main[1] ", "> "}));
    EXPECT_TRUE(JdbOutputParser::isThreadPrompt(u"Thread-0[1] "));
    EXPECT_FALSE(JdbOutputParser::isThreadPrompt(u"> "));
}

// A line that never ends is shown in pieces instead of growing without end.
TEST(JdbOutputParser, EndlessLineIsCut)
{
    const QByteArray bytes(JdbOutputParser::MaxLineChars * 2 + 10, 'x');
    const auto items = parse(bytes);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text.size(), JdbOutputParser::MaxLineChars);
    EXPECT_EQ(items[2].text.size(), 10);
}

// ---- transcripts captured from jdb 17 and 25 -----------------------------

class TranscriptTest : public ::testing::TestWithParam<QString> {
protected:
    QByteArray output() const { return readFile(DataDir + "/" + GetParam() + ".jdb"); }
};

// The items of each transcript equal its golden file; on a mismatch the
// items are written to <name>.actual beside it.
TEST_P(TranscriptTest, ItemsMatchTheGoldenFile)
{
    const QString actual = describe(parse(output()));
    const QString goldenPath = DataDir + "/" + GetParam() + ".expected";
    const QString golden = QString::fromUtf8(readFile(goldenPath));
    if (actual != golden) {
        QFile f(DataDir + "/" + GetParam() + ".actual");
        if (f.open(QIODevice::WriteOnly))
            f.write(actual.toUtf8());
    }
    EXPECT_EQ(actual, golden);
}

TEST_P(TranscriptTest, AnyChunkingGivesTheSameItems)
{
    const QByteArray bytes = output();
    const auto whole = parse(bytes);
    EXPECT_EQ(parseChunks(bytes, {1}), whole);
    QRandomGenerator random(qHash(GetParam()));
    for (int round = 0; round < 5; ++round) {
        std::vector<qsizetype> sizes;
        for (int i = 0; i < 64; ++i)
            sizes.push_back(random.bounded(1, 40));
        EXPECT_EQ(parseChunks(bytes, sizes), whole) << "round " << round;
    }
}

// Every "X.y = " a transcript holds is watched, and the line-by-line scan of
// its log equals the scan of the whole log.
TEST_P(TranscriptTest, LineByLineWatchScanEqualsTheRescan)
{
    const QStringList lines = JdbOutputParser::logLines(parse(output()));
    static const QRegularExpression assignment(R"(([A-Za-z_$][\w$]*\.[\w$]+) = )");
    QStringList watches;
    for (const QString& l : lines)
        for (const auto& m : assignment.globalMatch(l))
            if (!watches.contains(m.captured(1)))
                watches << m.captured(1);
    WatchScanner scanner(watches);
    QStringList pane;
    for (const QString& l : lines)
        pane << scanner.scanLine(l);
    EXPECT_EQ(pane, WatchScanner::rescan(lines, watches));
}

QStringList transcripts()
{
    QStringList names;
    for (const QString& f : QDir(DataDir).entryList({"*.jdb"}, QDir::Files, QDir::Name))
        names << f.chopped(4);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Captured, TranscriptTest, ::testing::ValuesIn(transcripts()), [](const auto& info) {
    return info.param.toStdString().replace(info.param.indexOf(QChar(u'-')), 1, "_");
});

} // namespace
