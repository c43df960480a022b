#include "toolchain/kitcommands.h"

#include "settings/inifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using KitCommands::KitCommand;
using KitCommands::KitSettings;

namespace {

const QString Doc = QStringLiteral("/home/ann/my proj/Hello.java");
const QString DocDir = QStringLiteral("/home/ann/my proj");
const QString En = QStringLiteral("-J-Duser.language=en");

// The first arguments of javac and jdb: English messages written in UTF-8.
QStringList toolHead()
{
    QStringList head{En};
    for (const QString& s : KitCommands::utf8Switches())
        head << "-J" + s;
    return head;
}

// javac's, then the source read in the given encoding.
QStringList javacHead(const char* encoding = "UTF-8")
{
    return toolHead() << "-encoding" << encoding;
}

struct CommandCase {
    const char* name;
    KitSettings settings;
    std::function<KitCommand(const KitSettings&)> build;
    KitCommand expected;
};

KitSettings kit(QString bin, QString options, QString classPath)
{
    return {std::move(bin), std::move(options), std::move(classPath), false};
}

auto javac(QString path = Doc)
{
    return [path](const KitSettings& s) { return KitCommands::javacCommand(s, path); };
}
auto javacReading(QString encoding)
{
    return [encoding](const KitSettings& s) { return KitCommands::javacCommand(s, Doc, encoding); };
}
auto java(QString path = Doc)
{
    return [path](const KitSettings& s) { return KitCommands::javaCommand(s, path); };
}
auto javaInWindow(QString path = Doc)
{
    return [path](const KitSettings& s) { return KitCommands::javaCommandWindowCommand(s, path); };
}
auto javacInPackage(QString path, QString package)
{
    return [path, package](const KitSettings& s) { return KitCommands::javacCommand(s, path, QStringLiteral("UTF-8"), package); };
}
auto javaInPackage(QString path, QString package)
{
    return [path, package](const KitSettings& s) { return KitCommands::javaCommand(s, path, package); };
}
auto appletViewer()
{
    return [](const KitSettings& s) { return KitCommands::appletViewerCommand(s, Doc); };
}
auto debugProgram(QString mainClass)
{
    return [mainClass](const KitSettings& s) { return KitCommands::debugProgramCommand(s, Doc, mainClass); };
}
auto jdb(quint16 port)
{
    return [port](const KitSettings& s) { return KitCommands::jdbCommand(s, Doc, port); };
}
const QString Agent = "-agentlib:jdwp=transport=dt_socket,server=y,suspend=y,address=127.0.0.1:0";

class KitCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(KitCommandTest, ProgramArgumentsAndFolder)
{
    const CommandCase& c = GetParam();
    const KitCommand got = c.build(c.settings);
    EXPECT_EQ(got.program, c.expected.program);
    EXPECT_EQ(got.arguments, c.expected.arguments);
    EXPECT_EQ(got.workingDirectory, c.expected.workingDirectory);
}

const QString Bin = QStringLiteral("/usr/lib/jvm/jdk/bin");

const CommandCase commandCases[] = {
    {"JavacWithDefaultDialogSwitches",
     kit(Bin, "-g -verbose", "/opt/lib:."),
     javac(),
     {Bin + "/javac", javacHead() + QStringList{"-g", "-verbose", "-classpath", "/opt/lib:.", "Hello.java"}, DocDir}},
    {"JavacSwitchesWithTrailingBlankGiveNoEmptyArgument",
     kit(Bin, "-g:none -verbose -nowarn ", "lib"),
     javac(),
     {Bin + "/javac", javacHead() + QStringList{"-g:none", "-verbose", "-nowarn", "-classpath", "lib", "Hello.java"}, DocDir}},
    {"JavacWithoutSwitchesPassesNoClassPath",
     kit(Bin, "", "/opt/lib"),
     javac(),
     {Bin + "/javac", javacHead() + QStringList{"Hello.java"}, DocDir}},
    {"JavacEmptyClassPathIsOneEmptyArgument",
     kit(Bin, "-g:", ""),
     javac(),
     {Bin + "/javac", javacHead() + QStringList{"-g:", "-classpath", "", "Hello.java"}, DocDir}},
    {"JavacClassPathWithBlanksAndShellCharactersStaysWhole",
     kit(Bin, "-g", "/a b/$HOME;x:'q'\"r\""),
     javac(),
     {Bin + "/javac", javacHead() + QStringList{"-g", "-classpath", "/a b/$HOME;x:'q'\"r\"", "Hello.java"}, DocDir}},
    {"JavacBinFolderWithTrailingSlash", kit(Bin + "/", "", ""), javac(), {Bin + "/javac", javacHead() + QStringList{"Hello.java"}, DocDir}},
    {"JavacEmptyBinFolderNamesTheFailingPath", kit("", "", ""), javac(), {"/javac", javacHead() + QStringList{"Hello.java"}, DocDir}},
    {"JavacReadsAnEightBitDocumentInItsEncoding",
     kit(Bin, "", ""),
     javacReading("windows-1252"),
     {Bin + "/javac", javacHead("windows-1252") + QStringList{"Hello.java"}, DocDir}},
    {"JavacReadsLatin9",
     kit(Bin, "-g", "x"),
     javacReading("ISO-8859-15"),
     {Bin + "/javac", javacHead("ISO-8859-15") + QStringList{"-g", "-classpath", "x", "Hello.java"}, DocDir}},
    {"JavaConsoleRunGetsUtf8StreamsAndTheClassName",
     kit(Bin, "-g", "/opt/lib"),
     java(),
     {Bin + "/java", KitCommands::utf8Switches() << "Hello", DocDir}},
    {"JavaClassNameDropsOnlyTheLastExtension",
     kit(Bin, "", ""),
     java("/src/My.Test.java"),
     {Bin + "/java", KitCommands::utf8Switches() << "My.Test", "/src"}},
    {"JavaCommandWindowPutsClassPathBeforeTheClass",
     kit(Bin, "", "/opt/lib:."),
     javaInWindow(),
     {Bin + "/java", {"-classpath", "/opt/lib:.", "Hello"}, DocDir}},
    {"JavaCommandWindowEmptyClassPathMeansTheCurrentFolder",
     kit(Bin, "", ""),
     javaInWindow(),
     {Bin + "/java", {"-classpath", "", "Hello"}, DocDir}},
    {"JavacOfAPackageClassWritesBelowItsRootAndReadsThePackageFromThere",
     kit(Bin, "", ""),
     javacInPackage("/p/src/a/b/Main.java", "a.b"),
     {Bin + "/javac", javacHead() << "-d" << "/p/src" << "-sourcepath" << "/p/src" << "Main.java", "/p/src/a/b"}},
    {"JavaRunsAPackageClassFromTwoLevelsUp",
     kit(Bin, "", ""),
     javaInPackage("/p/src/a/b/Main.java", "a.b"),
     {Bin + "/java", KitCommands::utf8Switches() << "a.b.Main", "/p/src"}},
    {"APackageClassOutsideItsFoldersRunsFromItsOwnFolder",
     kit(Bin, "-g", "."),
     javacInPackage("/p/elsewhere/Main.java", "a.b"),
     {Bin + "/javac",
      javacHead() << "-g" << "-classpath" << "." << "-d" << "/p/elsewhere" << "-sourcepath" << "/p/elsewhere"
                  << "Main.java",
      "/p/elsewhere"}},
    {"JavaPackageClassOutsideItsFolders",
     kit(Bin, "", ""),
     javaInPackage("/p/elsewhere/Main.java", "a.b"),
     {Bin + "/java", KitCommands::utf8Switches() << "a.b.Main", "/p/elsewhere"}},
    {"JavaFolderNamedLikeThePackageOnlyAtTheEnd",
     kit(Bin, "", ""),
     javaInPackage("/p/xa/b/Main.java", "a.b"),
     {Bin + "/java", KitCommands::utf8Switches() << "a.b.Main", "/p/xa/b"}},
    {"AppletViewerOnTheTemporaryPage",
     kit(Bin, "-g", "x"),
     appletViewer(),
     {Bin + "/appletviewer", {"tmp.htm"}, DocDir}},
    {"DebuggedProgramWithClassPath",
     kit(Bin, "-g", "/opt/lib:."),
     debugProgram("Hello"),
     {Bin + "/java", QStringList{Agent} << KitCommands::utf8Switches() << "-classpath" << "/opt/lib:." << "Hello", DocDir}},
    {"DebuggedProgramEmptyClassPathIsTheDocumentFolder",
     kit(Bin + "/", "", ""),
     debugProgram("Hello"),
     {Bin + "/java", QStringList{Agent} << KitCommands::utf8Switches() << "-classpath" << "." << "Hello", DocDir}},
    {"DebuggedClassWithBraceIsOneArgument",
     kit(Bin, "", ""),
     debugProgram("Hello{"),
     {Bin + "/java", QStringList{Agent} << KitCommands::utf8Switches() << "-classpath" << "." << "Hello{", DocDir}},
    {"JdbAttachesInTheDocumentFolder", kit(Bin, "", "lib"), jdb(45765),
     {Bin + "/jdb", toolHead() << "-attach" << "127.0.0.1:45765", DocDir}},
};

INSTANTIATE_TEST_SUITE_P(Cases, KitCommandTest, ::testing::ValuesIn(commandCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AppletPage, OneAppletLineEndedByCrLf)
{
    EXPECT_EQ(KitCommands::appletPageText("/home/ann/Clock.java"),
              "<applet code=\"Clock.class\" width=\"500\" height=\"500\"></applet>\r\n");
}

// A temporary folder with a fake JDK and an INI file beside it.
class KitSettingsTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Makes <folder>/bin/javac; returns the bin folder.
    QString makeJdk(const QString& folder, bool executable = true)
    {
        const QString bin = path(folder + "/bin");
        EXPECT_TRUE(QDir().mkpath(bin));
        QFile javac(bin + "/javac");
        EXPECT_TRUE(javac.open(QIODevice::WriteOnly));
        javac.write("#!/bin/sh\n");
        javac.close();
        QFile::Permissions perms = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            perms |= QFile::ExeOwner;
        javac.setPermissions(perms);
        return bin;
    }
    QProcessEnvironment env(const QString& javaHome, const QString& pathVariable) const
    {
        QProcessEnvironment e;
        if (!javaHome.isNull())
            e.insert("JAVA_HOME", javaHome);
        e.insert("PATH", pathVariable);
        return e;
    }
    void writeIni(const QByteArray& text)
    {
        QFile f(path("Vornic.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QTemporaryDir m_dir;
};

TEST_F(KitSettingsTest, MissingKeysGiveTheDefaultsForCompilingAndRunning)
{
    const QString bin = makeJdk("jdk");
    const KitSettings s = KitSettings::read(IniFile(path("Vornic.ini")), env(path("jdk"), ""));
    EXPECT_EQ(s.javaBinDir, bin);
    EXPECT_EQ(s.debugGenOptions, "");
    EXPECT_EQ(s.classPathDir, "");
    EXPECT_FALSE(s.javaAppsInDosWindow);
}

TEST_F(KitSettingsTest, StoredValuesAreReadAsTyped)
{
    makeJdk("jdk");
    writeIni("[CompilerOptions]\nJavaBinDir=/opt/jdk/bin\nDebugGenOptions=-g -verbose\nClassPathDir=/a b:.\n"
             "[ApplicationOptions]\nJavaAppsInDosWindow=1\n");
    const KitSettings s = KitSettings::read(IniFile(path("Vornic.ini")), env(path("jdk"), ""));
    EXPECT_EQ(s.javaBinDir, "/opt/jdk/bin");
    EXPECT_EQ(s.debugGenOptions, "-g -verbose");
    EXPECT_EQ(s.classPathDir, "/a b:.");
    EXPECT_TRUE(s.javaAppsInDosWindow);
}

TEST_F(KitSettingsTest, EmptyJavaBinDirKeyStaysEmptyThoughAJdkIsFound)
{
    makeJdk("jdk");
    writeIni("[CompilerOptions]\nJavaBinDir=\n");
    EXPECT_EQ(KitSettings::read(IniFile(path("Vornic.ini")), env(path("jdk"), "")).javaBinDir, "");
}

TEST_F(KitSettingsTest, JavaHomeWithoutExecutableJavacFallsBackToPathWithLinksResolved)
{
    makeJdk("broken", false);
    const QString realBin = makeJdk("real");
    ASSERT_TRUE(QDir().mkpath(path("usrbin")));
    ASSERT_TRUE(QFile::link(realBin + "/javac", path("usrbin/javac")));
    EXPECT_EQ(KitCommands::defaultJavaBinDir(env(path("broken"), path("nothing") + ":" + path("usrbin"))),
              QFileInfo(realBin).canonicalFilePath());
}

TEST_F(KitSettingsTest, NoJdkAnywhereGivesEmpty)
{
    ASSERT_TRUE(QDir().mkpath(path("usrbin")));
    EXPECT_EQ(KitCommands::defaultJavaBinDir(env(QString(), path("usrbin"))), "");
    EXPECT_EQ(KitCommands::defaultJavaBinDir(env(path("none"), "")), "");
}

} // namespace
