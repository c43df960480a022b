#include "toolchain/javasource.h"

#include <gtest/gtest.h>

namespace {

struct ClassNameCase {
    const char* name;
    QStringList lines;
    QString expected;
};

class FindMainClassNameTest : public ::testing::TestWithParam<ClassNameCase> {};

TEST_P(FindMainClassNameTest, NameFromTheHeaderAboveMain)
{
    EXPECT_EQ(JavaSource::FindMainClassName(GetParam().lines), GetParam().expected);
}

const ClassNameCase classNameCases[] = {
    {"HeaderWithExtends",
     {"import java.awt.*;", "public class Hello extends Frame {", "  public static void main(String[] a) {", "  }",
      "}"},
     "Hello"},
    {"BraceRightAfterTheName", {"class Hello{", "  public static void main(String[] a) {}", "}"}, "Hello{"},
    {"TabAfterClassIsTheSkippedCharacter", {"class\tHello {", "  static void main(String[] a) {}", "}"}, "Hello"},
    {"TwoBlanksAfterClassGiveNothing", {"class  Hello {", "  static void main(String[] a) {}", "}"}, ""},
    {"MainInTheSecondClass",
     {"class Helper {", "  int x;", "}", "public class App {", "  public static void main(String[] a) {}", "}"},
     "App"},
    {"LastMainWins",
     {"class First {", "  static void main(String[] a) {}", "}", "class Second {", "  static void main(String[] a) {}",
      "}"},
     "Second"},
    {"CommentMentioningClassBetweenHeaderAndMain",
     {"public class Hello {", "  // the class prints a greeting", "  public static void main(String[] a) {}", "}"},
     "prints"},
    {"ClassInsideAWord",
     {"public class Hello {", "  // subclasses override", "  static void main(String[] a) {}"},
     "s"},
    {"MainLineItselfHoldsClass", {"class A { public static void main(String[] a) {} }"}, "A"},
    {"WithoutMainTheSearchStartsAtLineZero",
     {"public class Applet1 extends Applet {", "  class Inner {}", "}"},
     "Applet1"},
    {"WithoutMainOrClassOnLineZero", {"package demo.app;", "public class Clock extends Applet {", "}"}, "ge"},
    {"NoClassAnywhereTakesLineZeroFromItsSixthCharacter",
     {"package demo.app;", "  static void main(String[] a) {}"},
     "ge"},
    {"NoClassAndShortLineZero", {"int", "  void main("}, ""},
    {"ClassAtTheEndOfItsLine", {"public class", "Hello {", "  static void main(String[] a) {}", "}"}, ""},
    {"ClassIsCaseSensitive", {"public Class Hello {", "  static void main(String[] a) {}"}, "c"},
    {"TrailingControlCharactersAreTrimmed", {"class Hello\r", "static void main("}, "Hello"},
    {"MainWithoutVoidIsNotTheAnchor", {"class A {", "}", "class B {", "  static int main(int x) {}", "}"}, "A"},
    {"EmptyDocument", {}, ""},
    {"OnlyEmptyLines", {"", "", ""}, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, FindMainClassNameTest, ::testing::ValuesIn(classNameCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FindMainClassName, LineCallbackReadsOnlyWhatItNeedsAndAgrees)
{
    const QStringList lines{"class Helper {}", "public class App {", "  public static void main(String[] a) {}", "}"};
    int reads = 0;
    const QString name = JavaSource::FindMainClassName(int(lines.size()), [&](int i) {
        ++reads;
        return lines.at(i);
    });
    EXPECT_EQ(name, "App");
    EXPECT_EQ(name, JavaSource::FindMainClassName(lines));
    EXPECT_LE(reads, 6);
}

struct MainFuncCase {
    const char* name;
    QStringList lines;
    bool expected;
};

class FinnesMainFuncTest : public ::testing::TestWithParam<MainFuncCase> {};

TEST_P(FinnesMainFuncTest, BlankBeforeMainMarksAnApplication)
{
    EXPECT_EQ(JavaSource::FinnesMainFunc(GetParam().lines), GetParam().expected);
}

const MainFuncCase mainFuncCases[] = {
    {"Application", {"public class Hello {", "  public static void main(String[] args) {}", "}"}, true},
    {"MainAtLineStartIsAnApplet", {"public class Clock extends Applet {", "main(", "}"}, false},
    {"TabBeforeMainIsAnApplet", {"static void\tmain(String[] a)"}, false},
    {"BlankAtLineEndDoesNotJoinTheNextLine", {"static void ", "main(String[] a)"}, false},
    {"MainInACommentCounts", {"// call main() later: x main(", "class A {}"}, true},
    {"BlankMainWithoutParenthesis", {"int main = 0;"}, false},
    {"EmptyDocument", {}, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, FinnesMainFuncTest, ::testing::ValuesIn(mainFuncCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PackageName, TheFirstDeclarationAfterBlanksAndComments)
{
    const struct {
        const char* name;
        QStringList lines;
        const char* expected;
    } cases[] = {
        {"plain", {"package a.b;", "public class Main {}"}, "a.b"},
        {"after comments", {"/* Copyright", " * 2024 */", "// the demo", "", "package  org.demo . app ;"}, "org.demo.app"},
        {"over lines", {"package", "  a.", "  b;"}, "a.b"},
        {"comment inside", {"package a/* x */.b; // yes"}, "a.b"},
        {"one level", {"package tools;"}, "tools"},
        {"default package", {"import java.util.*;", "public class Main {}"}, ""},
        {"in a comment only", {"// package a.b;", "class Main {}"}, ""},
        {"after other code", {"class X {}", "package a.b;"}, ""},
        {"not a name", {"package 1a.b;"}, ""},
        {"no semicolon", {"package a.b", "class Main {}"}, ""},
        {"empty", {}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JavaSource::packageName(c.lines), QString::fromLatin1(c.expected)) << c.name;
}

} // namespace
