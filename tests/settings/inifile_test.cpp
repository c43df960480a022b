#include "settings/inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <thread>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath("Vornic.ini"); }
    void writeFile(const QByteArray& bytes)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray fileBytes() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir m_dir;
};

TEST_F(IniFileTest, MissingFileReadsDefaultsAndIsNotCreatedByReads)
{
    IniFile ini(path());
    EXPECT_EQ(ini.ReadString("EditorOptions", "FontType", "Courier New"), "Courier New");
    EXPECT_EQ(ini.ReadInteger("EditorOptions", "FontSize", 10), 10);
    EXPECT_TRUE(ini.ReadBool("EditorOptions", "ShowGutter", true));
    ini.EraseSection("History");
    ini.DeleteKey("History", "1");
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(IniFileTest, WriteCreatesFileAndSectionAndIsSeenByAnotherStore)
{
    IniFile a(path());
    a.WriteString("EditorOptions", "FontType", "Arial");
    a.WriteInteger("EditorOptions", "FontSize", 12);
    a.WriteBool("History", "Flag", true);
    IniFile b(path());
    EXPECT_EQ(b.ReadString("editoroptions", "FONTTYPE", ""), "Arial");
    EXPECT_EQ(b.ReadInteger("EditorOptions", "FontSize", 0), 12);
    EXPECT_EQ(fileBytes(), "[EditorOptions]\nFontType=Arial\nFontSize=12\n[History]\nFlag=1\n");
    a.WriteBool("History", "Flag", false);
    EXPECT_EQ(b.ReadString("History", "Flag", ""), "0");
}

TEST_F(IniFileTest, ReadsIgnoreCaseAndTrimBlanks)
{
    writeFile("  [ Editor Options ]  \r\n  Font Type =   Courier New  \r\nEmpty=\r\nEq=a=b\r\n");
    IniFile ini(path());
    EXPECT_EQ(ini.ReadString("editor options", "font type", "x"), "Courier New");
    EXPECT_EQ(ini.ReadString("EDITOR OPTIONS", "Empty", "x"), "");
    EXPECT_EQ(ini.ReadString("Editor Options", "Eq", "x"), "a=b");
    EXPECT_EQ(ini.ReadString("Editor Options", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Other", "Font Type", "dflt"), "dflt");
}

struct IntCase {
    const char* name;
    const char* stored;
    int expected;
};

class IniIntegerTest : public IniFileTest, public ::testing::WithParamInterface<IntCase> {};

TEST_P(IniIntegerTest, ReadInteger)
{
    writeFile(QByteArray("[S]\nK=") + GetParam().stored + "\n");
    EXPECT_EQ(IniFile(path()).ReadInteger("S", "K", -77), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniIntegerTest,
                         ::testing::Values(IntCase{"Decimal", "52", 52}, IntCase{"Negative", "-2147483648", INT_MIN},
                                           IntCase{"HexLower", "0x10", 16}, IntCase{"HexUpper", "0X1f", 31},
                                           IntCase{"Dollar", "$FF", 255}, IntCase{"HexWraps", "$FFFFFFFF", -1}, IntCase{"NegativeHexMinimum", "-$80000000", INT_MIN},
                                           IntCase{"NegativeHex", "-0x10", -16},
                                           IntCase{"Word", "yes", -77}, IntCase{"Trailing", "12px", -77},
                                           IntCase{"Empty", "", -77}, IntCase{"Overflow", "2147483648", -77},
                                           IntCase{"BareHexPrefix", "0x", -77}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(IniFileTest, BooleanReadAsInteger)
{
    writeFile("[S]\nOne=1\nTwo=2\nZero=0\nWord=true\n");
    IniFile ini(path());
    EXPECT_TRUE(ini.ReadBool("S", "One", false));
    EXPECT_TRUE(ini.ReadBool("S", "Two", false));
    EXPECT_FALSE(ini.ReadBool("S", "Zero", true));
    EXPECT_TRUE(ini.ReadBool("S", "Word", true));
    EXPECT_FALSE(ini.ReadBool("S", "Word", false));
}

TEST_F(IniFileTest, RewriteKeepsForeignLinesAndLineEnds)
{
    writeFile("; my notes\r\n[A]\r\nx=1\r\ngarbage line\r\n\r\n[B]\r\ny=2");
    IniFile ini(path());
    ini.WriteString("A", "X", "5");   // replaces, written with the caller's spelling
    ini.WriteString("A", "z", "new"); // appended after the last key of A
    ini.WriteString("B", "y", "3");
    EXPECT_EQ(fileBytes(), "; my notes\r\n[A]\r\nX=5\r\nz=new\r\ngarbage line\r\n\r\n[B]\r\ny=3");
    ini.WriteString("C", "k", "v");
    EXPECT_EQ(fileBytes(), "; my notes\r\n[A]\r\nX=5\r\nz=new\r\ngarbage line\r\n\r\n[B]\r\ny=3\r\n[C]\r\nk=v\r\n");
}

TEST_F(IniFileTest, EraseSectionAndDeleteKey)
{
    writeFile("[History]\nCount=2\n1=/a\n2=/b\n[Tips]\ndoShow=0\n[history]\n3=/c\n");
    IniFile ini(path());
    ini.DeleteKey("Tips", "DOSHOW");
    EXPECT_FALSE(ini.ValueExists("Tips", "doShow"));
    EXPECT_TRUE(ini.SectionExists("Tips"));
    ini.EraseSection("HISTORY");
    EXPECT_FALSE(ini.SectionExists("History"));
    EXPECT_EQ(fileBytes(), "[Tips]\n");
}

// A batch gives the bytes of its changes made one by one, in one rewrite.
TEST_F(IniFileTest, BatchEqualsSingleChangesInOneRewrite)
{
    const QByteArray start = "; keep\r\n[A]\r\nx=1\r\n[Old]\r\n1=a\r\n2=b\r\n";
    auto changeOneByOne = [](IniFile& ini) {
        ini.WriteString("A", "x", "2");
        ini.WriteInteger("New", "n", -7);
        ini.EraseSection("Old");
        ini.WriteBool("Old", "Count", true);
        ini.DeleteKey("A", "x");
        ini.WriteColor("A", "c", Colors::clRed);
    };
    writeFile(start);
    IniFile ini(path());
    changeOneByOne(ini);
    const QByteArray expected = fileBytes();

    writeFile(start);
    IniBatch batch;
    batch.WriteString("A", "x", "2");
    batch.WriteInteger("New", "n", -7);
    batch.EraseSection("Old");
    batch.WriteBool("Old", "Count", true);
    batch.DeleteKey("A", "x");
    batch.WriteColor("A", "c", Colors::clRed);
    ini.Apply(batch);
    EXPECT_EQ(fileBytes(), expected);
    EXPECT_EQ(expected, "; keep\r\n[A]\r\nc=clRed\r\n[New]\r\nn=-7\r\n[Old]\r\nCount=1\r\n");
}

// A file that cannot be read is not rewritten from nothing.
TEST_F(IniFileTest, UnreadableFileIsNotRewritten)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkpath("Vornic.ini/inside"));
    IniFile ini(path());
    EXPECT_THROW(ini.WriteString("S", "K", "V"), IniWriteError);
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(IniFileTest, SectionAndKeyListing)
{
    writeFile("[A]\nk1=1\n; c\nk2=2\n[B]\n");
    IniFile ini(path());
    EXPECT_EQ(ini.ReadSection("a"), QStringList({"k1", "k2"}));
    EXPECT_TRUE(ini.ReadSection("B").isEmpty());
    EXPECT_EQ(ini.ReadSections(), QStringList({"A", "B"}));
}

TEST_F(IniFileTest, LongValuesAreCutAt2047AndLineBreaksCannotPlantKeys)
{
    IniFile ini(path());
    ini.WriteString("S", "Long", QString(3000, 'x'));
    EXPECT_EQ(ini.ReadString("S", "Long", "").size(), 2047);
    ini.WriteString("S", "Evil", "a\n[Other]\nplanted=1");
    EXPECT_FALSE(ini.SectionExists("Other"));
    EXPECT_EQ(ini.ReadString("S", "Evil", ""), "a [Other] planted=1");
}

TEST_F(IniFileTest, MalformedLinesAreSkipped)
{
    writeFile(QByteArray("[unterminated\nk=1\n=novalue\n[]\n\x00\xff=\xfe\n[ok]\nv=2\n", 44));
    IniFile ini(path());
    EXPECT_EQ(ini.ReadString("unterminated", "k", ""), "1");
    EXPECT_EQ(ini.ReadInteger("ok", "v", 0), 2);
}

TEST_F(IniFileTest, UnwritableFileRaisesUnableToWrite)
{
    const QString missingDir = m_dir.filePath("no/such/dir/Vornic.ini");
    IniFile ini(missingDir);
    try {
        ini.WriteString("S", "K", "V");
        FAIL() << "no error raised";
    } catch (const IniWriteError& e) {
        EXPECT_EQ(e.message(), "Unable to write to " + missingDir);
    }
}

// A full disk, made by a file-size limit in a child: the write is refused
// and the settings file keeps what it held, not a cut copy of the new text.
TEST_F(IniFileTest, FullDiskRaisesUnableToWriteAndKeepsTheFile)
{
    QByteArray old = "[History]\r\n";
    for (int i = 0; i < 100; ++i)
        old += "File" + QByteArray::number(i) + "=/home/someone/projects/Example.java\r\n";
    writeFile(old);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        IniFile ini(path());
        try {
            ini.WriteString("Options", "Long", QString(2000, 'x'));
        } catch (const IniWriteError&) {
            ::_exit(0);
        }
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write was reported as done";
    EXPECT_EQ(fileBytes(), old);
}

TEST_F(IniFileTest, ColoursUseNamesOrDollarHex)
{
    IniFile ini(path());
    ini.WriteColor("EditorOptions", "BGColor", Colors::clWhite);
    ini.WriteColor("EditorOptions", "GTRColor", Colors::clBtnFace);
    ini.WriteColor("EditorOptions", "Other", Colors::rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(ini.ReadString("EditorOptions", "BGColor", ""), "clWhite");
    EXPECT_EQ(ini.ReadString("EditorOptions", "GTRColor", ""), "clBtnFace");
    EXPECT_EQ(ini.ReadString("EditorOptions", "Other", ""), "$00563412");
    EXPECT_EQ(ini.ReadColor("EditorOptions", "Other", 0), Colors::rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(ini.ReadColor("EditorOptions", "Missing", Colors::clRed), Colors::clRed);
    ini.WriteString("EditorOptions", "Bad", "pinkish");
    try {
        ini.ReadColor("EditorOptions", "Bad", 0);
        FAIL() << "no error raised";
    } catch (const IniConversionError& e) {
        EXPECT_EQ(e.message(), "'pinkish' is not a valid integer value");
    }
}

TEST_F(IniFileTest, ConcurrentSingleReadsAndWritesStayConsistent)
{
    IniFile ini(path());
    ini.WriteString("CompilerOptions", "JavaBinDir", "/usr/bin");
    std::thread reader([&] {
        for (int i = 0; i < 200; ++i)
            ASSERT_EQ(IniFile(path()).ReadString("CompilerOptions", "JavaBinDir", ""), "/usr/bin");
    });
    for (int i = 0; i < 200; ++i)
        ini.WriteInteger("Other", "Counter", i);
    reader.join();
    EXPECT_EQ(ini.ReadInteger("Other", "Counter", 0), 199);
}

} // namespace
