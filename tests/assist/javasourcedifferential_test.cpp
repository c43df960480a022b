// The program's Java scanners against the plain reference: generated
// documents full of what trips lexical scanners (unbalanced braces, braces in
// strings and comments, comments and text blocks over lines, heads split over
// lines), edited at random between queries. The whole-document scanners and
// the per-line index behind the completion popup must give exactly the
// reference's answers after every edit.
#include "assist/javasourcedifferential.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(JavaScannersDifferential, SmallDocumentsEditedAtRandom)
{
    for (unsigned seed = 1; seed <= 25; ++seed) {
        JavaSourceDifferential::Session session(seed);
        session.generate(60);
        for (int round = 0; round < 25; ++round) {
            const std::string failure = session.compareAll();
            ASSERT_TRUE(failure.empty()) << "seed " << seed << " round " << round << ": " << failure;
            session.editAtRandom();
        }
    }
}

TEST(JavaScannersDifferential, ManyLines)
{
    JavaSourceDifferential::Session session(4242);
    session.generate(3000);
    for (int round = 0; round < 4; ++round) {
        const std::string failure = session.compareSome(40);
        ASSERT_TRUE(failure.empty()) << "round " << round << ": " << failure;
        session.editAtRandom();
    }
}

// Long lines, NUL bytes and what never ends: the answers still agree.
TEST(JavaScannersDifferential, LongLinesAndStrayBytes)
{
    std::string longLine = "class A { ";
    for (int i = 0; i < 20000; ++i)
        longLine += i % 7 ? "int a" + std::to_string(i) + ", " : "{ /* } */ \"}\" ";
    JavaSourceDifferential::Session session(7);
    session.setLines({"class Open {", longLine, std::string("  int x\0y;", 10), "  /* never closed", "  \"\"\"",
                      "class B { int z; }", "}"});
    const std::string failure = session.compareSome(8);
    EXPECT_TRUE(failure.empty()) << failure;
}

} // namespace
