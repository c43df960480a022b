#include "assist/completionsource.h"

#include "assist/documentlines.h"
#include "assist/javadocumentindex.h"
#include "assist/memberaccess.h"
#include "assist/quickfind.h"
#include "assist/typelookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(MemberAccess, TheNameBeforeTheDot)
{
    struct Case {
        const char* line; // the dot is typed at the end
        const char* lastIdentifier;
        const char* objectName;
        const char* qualifier;
    } cases[] = {
        {"s.", "s", "s", ""},
        {"    int n = s.", "s", "s", ""},
        {"Math.", "Math", "Math", ""},
        {"System.out.", "out", "out", "System"},
        {"a.b.c.", "c", "c", "b"},
        {"x = 1.5.", "x", "x", ""}, // a number empties the object name: the last identifier takes its place
        {"if (a) s.", "s", "s", ""},
        {"\"x\".", "", "", ""},
        {"foo(bar).", "bar", "bar", ""},
    };
    for (const Case& c : cases) {
        const std::string line = c.line;
        const MemberAccess a = findMemberAccess(line, int(line.size()) + 1);
        EXPECT_EQ(a.lastIdentifier, c.lastIdentifier) << c.line;
        EXPECT_EQ(a.objectName, c.objectName) << c.line;
        EXPECT_EQ(a.qualifier, c.qualifier) << c.line;
    }
    // The walk stops at the caret: what follows it does not count.
    const MemberAccess middle = findMemberAccess("f(s.);", 5);
    EXPECT_EQ(middle.objectName, "s");
}

struct LookupCase {
    const char* name;
    const char* source; // "|" marks the caret line (the line after the dot)
    const char* object;
    const char* type; // "" for none
    const char* raw;
};

std::string lookupName(const testing::TestParamInfo<LookupCase>& info)
{
    return info.param.name;
}

class TypeLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(TypeLookup, FindsTheDeclarationInScope)
{
    const LookupCase& c = GetParam();
    std::string text = c.source;
    const std::size_t mark = text.find('|');
    ASSERT_NE(mark, std::string::npos);
    text.erase(mark, 1);
    const DocumentLines lines(text);
    int caretLine = 0;
    for (std::size_t i = 0; i < mark; ++i)
        caretLine += text[i] == '\n';
    JavaDocumentIndex index;
    index.update(lines);
    const DeclaredType t = lookUpDeclaredType(lines, index.classStart(caretLine), caretLine, c.object);
    EXPECT_EQ(t.type.value_or(QString()), c.type);
    EXPECT_EQ(t.rawGenericType.value_or(QString()), c.raw);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypeLookup,
    testing::Values(
        LookupCase{"Field", "class A {\n  String s;\n  void m() {\n    |s.\n  }\n}", "s", "String", ""},
        LookupCase{"InnerBlockHidesField",
                   "class A {\n  String s;\n  void m() {\n    if (x) {\n      Helper s;\n      |s.\n    }\n  }\n}", "s",
                   "Helper", ""},
        LookupCase{"HiddenUntilTheBlockCloses",
                   "class A {\n  String s;\n  void m() {\n    {\n      Helper s;\n    }\n    |s.\n  }\n}", "s",
                   "String", ""},
        LookupCase{"ParameterForgottenAfterTheBody",
                   "class A {\n  void m(Helper h) {\n  }\n  void n() {\n    |h.\n  }\n}", "h", "", ""},
        LookupCase{"ParameterInsideTheBody", "class A {\n  void m(Helper h) {\n    |h.\n  }\n}", "h", "Helper", ""},
        LookupCase{"PointContainsInt", "class A {\n  Point p;\n  void m() {\n    |p.\n  }\n}", "p", "", ""},
        LookupCase{"ListOfNames", "class A {\n  String a, b;\n  void m() {\n    |b.\n  }\n}", "b", "String", ""},
        LookupCase{"GenericGivesRawType", "class A {\n  List<String> names;\n  void m() {\n    |names.\n  }\n}",
                   "names", "", "List"},
        LookupCase{"NestedGenericGivesRawType",
                   "class A {\n  void run() {\n    Map<String, List<Integer>> m = new HashMap<>();\n    |m.\n  }\n}",
                   "m", "", "Map"},
        LookupCase{"ComparisonIsNoGeneric", "class A {\n  void m() {\n    if (a > s) { }\n    |s.\n  }\n}", "s", "",
                   ""},
        LookupCase{"ClassClosedBeforeCaret", "class A {\n  String s;\n}\n|s.", "s", "", ""},
        LookupCase{"UnfinishedClassOnTheLastLine", "class A {\n  String s;\n  void m() {\n    |s.", "s", "String", ""},
        LookupCase{"NoClassBefore", "String s;\n|s.", "s", "", ""},
        LookupCase{"CaretLineIsNoDeclaration", "class A {\n  void m() {\n    |Helper h.\n  }\n}", "h", "", ""}),
    lookupName);

class CompletionSourceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        write("Math.cmp", "static double PI\r\nstatic double sin(double a)\r\n");
        write("String.cmp", "int length()\r\nString substring(int beginIndex, int endIndex)\r\n");
        write("PrintStream.cmp", "void println(String x)\n");
        write("List.cmp", "int size()\n");
        write("toc.cmp", "Math\r\nString\r\n");
        write("auto.cmp", "%if\r\nif () {\r\n#\r\n");
        QDir(m_folder.path()).mkdir("Folder.cmp");
    }
    void write(const char* name, const QByteArray& bytes)
    {
        QFile f(m_folder.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The header and entries for a dot typed at the end of the last line.
    std::optional<CompletionSource> dotAtEnd(const std::string& text)
    {
        const DocumentLines lines(text);
        const int last = lines.count() - 1;
        return chooseCompletionSource(lines, m_index, last, int(lines.line(last).size()) + 1, m_folder.path());
    }

    QTemporaryDir m_folder;
    JavaDocumentIndex m_index;
};

TEST_F(CompletionSourceTest, ListFilesDeclaredTypesAndClassesOfTheDocument)
{
    const std::string helper = "class Helper {\n  private int secret;\n  public void grow() { }\n  int size;\n}\n";
    struct Case {
        std::string text;
        const char* className; // "" when nothing is offered
        QStringList entries;
    } cases[] = {
        {"class A {\n  void m() {\n    double d = Math.", "Math", {"static double PI", "static double sin(double a)"}},
        {"class A {\n  String s;\n  void m() {\n    s.",
         "String",
         {"int length()", "String substring(int beginIndex, int endIndex)"}},
        {helper + "class A {\n  Helper h;\n  void m() {\n    h.", "Helper", {"public void grow()", "int size"}},
        {"class A {\n  Unknown u;\n  void m() {\n    u.", "Unknown", {}}, // a type, but nothing to offer
        {"class A {\n  void m() {\n    System.out.", "PrintStream", {"void println(String x)"}},
        {"class A {\n  List<String> names;\n  void m() {\n    names.", "List", {"int size()"}},
        {"class A {\n  void m() {\n    toc.", "", {}},
        {"class A {\n  void m() {\n    auto.", "", {}},
        {"class A {\n  void m() {\n    x = \"x\".", "", {}},
        {"class A {\n  void m() {\n    Folder.", "", {}}, // a folder is no list
        {"class A {\n  void m() {\n    nothing.", "", {}},
    };
    for (const Case& c : cases) {
        const auto source = dotAtEnd(c.text);
        EXPECT_EQ(source ? source->className : QString(), c.className) << c.text;
        EXPECT_EQ(source ? source->entries : QStringList(), c.entries) << c.text;
    }
}

TEST(QuickFindJump, FirstMemberLineFromTheClassLineOn)
{
    const std::string doc = "// uses count\nclass Other {\n  int count;\n}\nclass Counter {\n  int count;\n"
                            "  void up() { count++; }\n}\n";
    EXPECT_EQ(QuickFind::memberLine(doc, "Counter", "int count"), 5);
    EXPECT_EQ(QuickFind::memberLine(doc, "Counter", "void up()"), 6);
    EXPECT_EQ(QuickFind::memberLine(doc, "Other", "int count"), 2);
    EXPECT_EQ(QuickFind::memberLine(doc, "Counter", "missing"), -1);
    EXPECT_EQ(QuickFind::memberLine(doc, "Nowhere", "int count"), -1);
}

} // namespace
