#include "assist/javasourcemodel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace JavaSourceModel;

QStringList number(int n)
{
    return {QString::number(n)};
}

struct ScannerCase {
    const char* name;
    const char* source;
    std::function<QStringList(std::string_view)> query;
    QStringList expected;
};

std::string caseName(const testing::TestParamInfo<ScannerCase>& info)
{
    return info.param.name;
}

const auto classNames = [](std::string_view doc) { return FinnKlasseNavnene(doc); };
auto members(const char* cls, bool withPrivate)
{
    return [cls, withPrivate](std::string_view doc) {
        return FinnAlleDatamedlemmer(doc, QString::fromUtf8(cls), withPrivate);
    };
}
auto quickFind(const char* cls)
{
    return [cls](std::string_view doc) { return ClipAndFindMultilineDatamembers(doc, QString::fromUtf8(cls)); };
}
auto classStart(int line)
{
    return [line](std::string_view doc) { return number(FinnClassStart(doc, line)); };
}
auto scopeEnd(int line)
{
    return [line](std::string_view doc) { return number(FinnScopeSlutt(doc, line)); };
}

class JavaScannerCases : public testing::TestWithParam<ScannerCase> {};

TEST_P(JavaScannerCases, GiveWhatTheRulesYield)
{
    const ScannerCase& c = GetParam();
    EXPECT_EQ(c.query(c.source), c.expected) << c.source;
}

const char* const kSmallClass = "class A { private int x; public int size = 3; public void run() { int y = 0; } }";

INSTANTIATE_TEST_SUITE_P(
    Scanners, JavaScannerCases,
    testing::Values(
        ScannerCase{"TopLevelClassesOnly",
                    "public class A extends B implements C { }\nclass D { }\ninterface I { }\n"
                    "class Outer { class Inner { } }",
                    classNames,
                    {"A", "D", "Outer"}},
        ScannerCase{"TypeParameterIsListedToo", "class Box<T> { }", classNames, {"Box", "T"}},
        ScannerCase{"ClassInCommentOrStringIsNoClass",
                    "/* class Fake {\n  more */ class Real { String s = \"class Str {\"; }",
                    classNames,
                    {"Real"}},
        ScannerCase{
            "MembersWithoutPrivateOnes", kSmallClass, members("A", false), {"public int size", "public void run()"}},
        ScannerCase{"MembersWithPrivateOnes",
                    kSmallClass,
                    members("A", true),
                    {"private int x", "public int size", "public void run()"}},
        ScannerCase{
            "NameListGivesOneEntryEach", "class A {\n  String a, b;\n}", members("A", false), {"String a", "String b"}},
        ScannerCase{"KeywordTypedListTakesTheKeyword",
                    "class A {\n  Object o;\n  int a, b, c;\n}",
                    members("A", false),
                    {"Object o", "int a", "int b", "int c"}},
        ScannerCase{"ConstructorsAndMainLeftOut",
                    "class A {\n  public A(int v) { }\n  A(int v) { }\n  public static void main(String[] a) { }\n"
                    "  int get() { return 1; }\n}",
                    members("A", false),
                    {"int get()"}},
        ScannerCase{"ThrowsClauseSkipped",
                    "class A {\n  void work() throws IOException {\n  }\n  void setA(int v) throws E {\n  }\n"
                    "  void setA(int v) {\n  }\n}",
                    members("A", false),
                    {"void work()", "void setA(int v)"}},
        ScannerCase{"HeadOverTwoLinesJoined",
                    "class A {\n  void f(int a,\n         int b) {\n  }\n}",
                    members("A", false),
                    {"void f(int a, int b)"}},
        ScannerCase{"HeadOverTwoLinesCutForQuickFind",
                    "class A {\n  void f(int a,\n         int b) {\n  }\n}",
                    quickFind("A"),
                    {"void f(int a,"}},
        ScannerCase{"CommentedClassChangesNothing",
                    "class A {\n  /* class Fake {\n     int hidden; */\n  int shown;\n}",
                    members("A", false),
                    {"int shown"}},
        ScannerCase{"StaticBlockAndNestedClass",
                    "class A {\n  static { x = 1; }\n  class Inner { int z; }\n}",
                    members("A", false),
                    {"static", "class Inner"}},
        ScannerCase{"AbstractMethodTakenAtSemicolon",
                    "abstract class A {\n  abstract void go();\n}",
                    members("A", false),
                    {"abstract void go()"}},
        ScannerCase{"NameIsAContainmentTest",
                    "class AB { int inAB; }\nclass C { int inC; }",
                    members("A", false),
                    {"int inAB"}},
        ScannerCase{"BraceOnNextLineKeepsBodyOut",
                    "class A {\n  public int count()\n  {\n    int local = 2;\n    return local;\n  }\n"
                    "  private String name = \"x\";\n}",
                    quickFind("A"),
                    {"public int count()", "private String name"}},
        ScannerCase{"QuickFindGoesOnAfterOneLineMethods",
                    "class A {\n  void go() { }\n  Runnable r = new Runnable() {\n    public void run() { }\n  };\n"
                    "  int x; /* a comment\n  int hidden; */\n  int last;\n}",
                    quickFind("A"),
                    {"void go()", "Runnable r", "int x", "int last"}},
        ScannerCase{"QuickFindSkipsObjectCreation",
                    "class A {\n  Thread t = new Thread(r);\n  Thread u(a, new X()) {\n  }\n  int v(new X());\n}",
                    quickFind("A"),
                    {"Thread t", "int v(new X())"}},
        ScannerCase{"ClassStartIsLastDeclarationBefore",
                    "class A {\n  class Inner {\n    int x;\n  }\n  int y;\n}",
                    classStart(4),
                    {"1"}},
        ScannerCase{"FieldsAfterTheHeadAreNoClassStart",
                    "public class Demo extends Base {\n  String s;\n  Helper h;\n}",
                    classStart(3),
                    {"0"}},
        ScannerCase{
            "HeadOverLinesEndsAtTheBrace", "class Pair<K,\n           V>\n{\n  Key k;\n}", classStart(4), {"1"}},
        ScannerCase{"ClassStartExcludesTheLineItself", "int x;\nclass A {\n}", classStart(1), {"-1"}},
        ScannerCase{"ClassStartNeedsNoCommentBetween", "class /* c */ A {\n}", classStart(2), {"-1"}},
        ScannerCase{"ScopeEndSkipsInnerBraces",
                    "class A {\n  void f() {\n    if (x) { }\n  }\n}\nclass B { }",
                    scopeEnd(0),
                    {"4"}},
        ScannerCase{"ScopeEndIgnoresBracesInStringsAndComments",
                    "class A {\n  String s = \"}\";\n  // }\n  char c = '}';\n}",
                    scopeEnd(0),
                    {"4"}},
        ScannerCase{"ScopeWithoutEndIsTheLastLine", "class A {\n  void f() {\n  }\n", scopeEnd(0), {"3"}},
        ScannerCase{"ScopeEndOfNoLinesIsMinusOne", "", scopeEnd(0), {"-1"}}),
    caseName);

TEST(NormalizeMemberEntries, KeepsTheReturnTypeOfMethodsAndThreeWordsOfFields)
{
    const QStringList in = {"public static final int MAX",
                            "protected void go()",
                            "public void foo(int a, int b)",
                            "void foo()",
                            "private int count",
                            "int x",
                            "  String open(int a,  "};
    const QStringList out = {"final int MAX",     "void go()", "void foo(int a, int b)", "void foo()",
                             "private int count", "int x",     "String open(int"};
    EXPECT_EQ(NormalizeMemberEntries(in), out);
}

TEST(JavaScanners, ReadEveryLineEndAndLatin1Names)
{
    // Documents with CR LF or CR line ends, as loaded files keep them.
    const std::string doc = "class A {\r\n  int a;\r  void b() {\n  }\r\n}";
    EXPECT_EQ(FinnAlleDatamedlemmer(doc, QStringLiteral("A"), false), (QStringList{"int a", "void b()"}));
    EXPECT_EQ(FinnScopeSlutt(doc, 0), 4);
    // A non-ASCII name in an 8-bit document.
    const std::string latin1 = "class Gr\xfc\xdf"
                               "e {\n  int a;\n}";
    EXPECT_EQ(FinnAlleDatamedlemmer(latin1, QStringLiteral("Grüße"), false), QStringList{"int a"});
}

} // namespace
