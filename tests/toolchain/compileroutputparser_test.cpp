#include "toolchain/compileroutputparser.h"

#include <QFile>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

inline void PrintTo(const CompilerMessage& m, std::ostream* os)
{
    *os << "{\"" << m.line.toStdString() << "\", \"" << m.message.toStdString() << "\", \"" << m.file.toStdString()
        << "\"}";
}

namespace {

QString readFixture(const QString& name)
{
    QFile file(QStringLiteral(VORNIC_TEST_DATA "/compiler/") + name);
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read fixture " << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

// Real JDK 17 output, captured through a pipe with stdout and stderr merged
// and -J-Duser.language=en, javac run in the source's folder.
struct FixtureCase {
    const char* name; // <name>.java beside <name>.out
    std::vector<CompilerMessage> entries;
    int errorCount;
};

class AnalyseJavacOutput : public testing::TestWithParam<FixtureCase> {};

TEST_P(AnalyseJavacOutput, ListsTheDiagnosticsAndReadsTheSummary)
{
    const FixtureCase& c = GetParam();
    const QString fileName = QString::fromLatin1(c.name) + ".java";
    const QStringList output = CompilerOutputParser::splitLines(readFixture(QString::fromLatin1(c.name) + ".out"));

    const CompilerOutputAnalysis result = CompilerOutputParser::AnalyseOutput(output, fileName);

    EXPECT_EQ(std::vector<CompilerMessage>(result.entries.begin(), result.entries.end()), c.entries);
    EXPECT_EQ(result.errorCount, c.errorCount);
}

// javac echoes the offending source line right after the diagnostic: the
// number in the "Line" column must name exactly that line of the source.
TEST_P(AnalyseJavacOutput, LineColumnNamesTheEchoedSourceLine)
{
    const FixtureCase& c = GetParam();
    const QString fileName = QString::fromLatin1(c.name) + ".java";
    const QStringList source = CompilerOutputParser::splitLines(readFixture(fileName));
    const QStringList output = CompilerOutputParser::splitLines(readFixture(QString::fromLatin1(c.name) + ".out"));

    for (const CompilerMessage& entry : CompilerOutputParser::AnalyseOutput(output, fileName).entries) {
        const auto n = entry.lineNumber();
        if (!n)
            continue;
        const qsizetype at = output.indexOf(fileName + ":" + entry.line + ":" + entry.message);
        ASSERT_GE(at, 0);
        ASSERT_LT(at + 1, output.size());
        ASSERT_LE(*n, source.size());
        EXPECT_EQ(source[*n - 1], output[at + 1]) << "line " << *n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jdk17, AnalyseJavacOutput,
    testing::Values(FixtureCase{"Hello", {{"5", " error: cannot find symbol"}}, 1},
                    FixtureCase{"Three",
                                {{"3", " error: cannot find symbol"},
                                 {"4", " error: incompatible types: int cannot be converted to String"},
                                 {"5", " error: cannot find symbol"}},
                                3},
                    // The removal warning carries brackets yet is a diagnostic; the
                    // deprecation note names the file with a single colon.
                    FixtureCase{"Warn",
                                {{"5", " warning: [removal] Integer(int) in Integer has been deprecated and "
                                       "marked for removal"},
                                 {"", " Warn.java uses or overrides a deprecated API."}},
                                0},
                    // [parsing started SimpleFileObject[/tmp/cap/Verbose.java]] names the file.
                    FixtureCase{"Verbose", {{"3", " error: cannot find symbol"}}, 1}, FixtureCase{"Clean", {}, 0}),
    [](const testing::TestParamInfo<FixtureCase>& info) { return std::string(info.param.name); });

struct LinesCase {
    const char* name;
    QStringList lines;
    std::vector<CompilerMessage> entries;
    int errorCount;
};

// javac runs in the document's folder, /home/ann/src, on Hello.java.
const QString Compiled = QStringLiteral("/home/ann/src/Hello.java");

const LinesCase kLinesCases[] = {
    // Before javac 7 the message followed the line number directly.
    {"OldStyleDiagnostic", {"Hello.java:12: cannot resolve symbol"}, {{"12", " cannot resolve symbol"}}, 0},
    {"DriveLetterInFront", {"C:\\work\\Hello.java:12: cannot resolve symbol"}, {{"12", " cannot resolve symbol"}}, 0},
    {"FullPathInFront", {"/home/ann/src/Hello.java:7: error: ';' expected"}, {{"7", " error: ';' expected"}}, 0},
    {"DotSlashInFront", {"./Hello.java:7: error: ';' expected"}, {{"7", " error: ';' expected"}}, 0},
    {"BracketedVerboseLine", {"[parsing started SimpleFileObject[/tmp/Hello.java]]", "[total 212ms]"}, {}, 0},
    {"ErrorsInEchoedSourceLine", {"3 errors", "        int errors = 0;", "        errors++;"}, {}, 3},
    {"OneColon",
     {"Note: Hello.java uses unchecked or unsafe operations."},
     {{"", " Hello.java uses unchecked or unsafe operations."}},
     0},
    {"NoColon", {"    // Hello.java greets"}, {{"", "    // Hello.java greets"}}, 0},
    // No line number after the name: the field scan, last colon wins.
    {"CommandLineError", {"error: file not found: Hello.java"}, {{" file not found", " Hello.java"}}, 0},
    {"NameThenDigitsToTheEnd", {"Hello.java:12"}, {{"", "12"}}, 0},
    {"NameThenColonAtTheEnd", {"Hello.java:"}, {{"", ""}}, 0},
    // A second class of the program, found by javac beside the first: its
    // errors are listed with that file, never on Hello.java's lines.
    {"AnotherFilesError",
     {"./MyHello.java:3: error: cannot find symbol", "1 error"},
     {{"3", " error: cannot find symbol", "/home/ann/src/MyHello.java"}},
     1},
    {"AnotherFilesWarning",
     {"sub/Other.java:9: warning: [removal] x"},
     {{"9", " warning: [removal] x", "/home/ann/src/sub/Other.java"}},
     0},
    {"SameNameInAnotherFolder",
     {"/home/bob/Hello.java:4: error: x"},
     {{"4", " error: x", "/home/bob/Hello.java"}},
     0},
    // The name must start at a path boundary.
    {"NameInsideAnotherName", {"MyHello.java:3: cannot resolve symbol", "Note: MyHello.java uses unchecked"}, {}, 0},
    {"OneError", {"1 error"}, {}, 1},
    {"ThreeErrors", {"3 errors"}, {}, 3},
    {"WarningsDoNotCount", {"1 warning", "2 warnings"}, {}, 0},
    {"ErrorsThenWarnings", {"3 errors", "1 warning"}, {}, 3},
    {"LaterSummaryWins", {"1 error", "3 errors"}, {}, 3},
    // Over 100 errors javac lists 100 and names the total after the summary.
    {"TotalBeyondTheFirstHundred",
     {"100 errors", "only showing the first 100 errors, of 150 total; use -Xmaxerrs if you would like to see more"},
     {},
     150},
    {"WarningTotalDoesNotCount",
     {"2 errors", "100 warnings",
      "only showing the first 100 warnings, of 120 total; use -Xmaxwarns if you would like to see more"},
     {},
     2},
    {"NotANumberBeforeErrors", {"-3 errors", "0x3 errors", " errors"}, {}, 0},
};

class AnalyseLines : public testing::TestWithParam<LinesCase> {};

TEST_P(AnalyseLines, GivesEntriesAndCount)
{
    const LinesCase& c = GetParam();
    const CompilerOutputAnalysis result = CompilerOutputParser::AnalyseOutput(c.lines, Compiled);
    EXPECT_EQ(std::vector<CompilerMessage>(result.entries.begin(), result.entries.end()), c.entries);
    EXPECT_EQ(result.errorCount, c.errorCount);
}

INSTANTIATE_TEST_SUITE_P(Cases, AnalyseLines, testing::ValuesIn(kLinesCases),
                         [](const testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.name); });

// The two-file program: Test.java uses MyTest, whose line 3 is wrong.
TEST(AnalyseOutput, AnErrorInTheSecondClassIsNotTheCompiledFiles)
{
    const auto result = CompilerOutputParser::AnalyseOutput(
        {"./MyTest.java:3: error: cannot find symbol", "        int x = y;", "                ^", "1 error"},
        "/w/Test.java");
    ASSERT_EQ(result.entries.size(), 1);
    EXPECT_EQ(result.entries[0].line, "3");
    EXPECT_EQ(result.entries[0].file, "/w/MyTest.java");
    EXPECT_EQ(result.entries[0].hint(), "Line 3 of MyTest.java:  error: cannot find symbol");
    EXPECT_EQ(result.errorCount, 1);
}

TEST(AnalyseOutput, EmptyFileNameListsNothing)
{
    const auto result = CompilerOutputParser::AnalyseOutput({"Hello.java:5: error: x", "1 error"}, QString());
    EXPECT_TRUE(result.entries.isEmpty());
    EXPECT_EQ(result.errorCount, 1);
}

TEST(CompilerMessage, HintAndLineNumber)
{
    const CompilerMessage numbered{"5", " error: cannot find symbol"};
    EXPECT_EQ(numbered.hint(), "Line 5:  error: cannot find symbol");
    EXPECT_EQ(numbered.lineNumber(), 5);

    const CompilerMessage unnumbered{"", " Hello.java uses unchecked or unsafe operations."};
    EXPECT_EQ(unnumbered.hint(), " Hello.java uses unchecked or unsafe operations.");
    EXPECT_EQ(unnumbered.lineNumber(), std::nullopt);

    const CompilerMessage textField{" file not found", " Hello.java"};
    EXPECT_EQ(textField.hint(), "Line  file not found:  Hello.java");
    EXPECT_EQ(textField.lineNumber(), std::nullopt);
}

TEST(CompilerOutputLines, SplitAtLineEnds)
{
    EXPECT_EQ(CompilerOutputParser::splitLines(""), QStringList());
    EXPECT_EQ(CompilerOutputParser::splitLines("1 error\n"), QStringList({"1 error"}));
    EXPECT_EQ(CompilerOutputParser::splitLines("a\n\nb"), QStringList({"a", "", "b"}));
    EXPECT_EQ(CompilerOutputParser::splitLines("a\r\nb\r\n"), QStringList({"a", "b"}));
}

} // namespace
