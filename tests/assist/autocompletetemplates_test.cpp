#include "assist/autocompletetemplates.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using namespace AutoCompleteTemplates;

TEST(Templates, BuiltInsHoldTheSevenTemplates)
{
    const QStringList list = builtInList();
    for (const char* name : {"if", "do", "for", "while", "class", "switch", "try"})
        EXPECT_TRUE(findTemplate(list, QString::fromUtf8(name))) << name;
    EXPECT_EQ(findTemplate(list, "switch")->body, (QStringList{"switch(number) {", " case 0:| ", " default:", "}"}));
    EXPECT_EQ(findTemplate(list, "if")->body, (QStringList{"if (count < 2) {", "  |", "} else {", " ", "}"}));
}

TEST(Templates, FileLinesBecomeTheList)
{
    const QStringList lines = {"stray body line", "%if", "if (a) {", "  |", "}", "#", "# a comment", "%for", "",
                               "for (;;) {",      "}",   "#",        "%"};
    EXPECT_EQ(listFromFileLines(lines),
              (QStringList{"if", "=if (a) {", "=  |", "=}", "for", "=", "=for (;;) {", "=}", ""}));
    const QStringList list = listFromFileLines(lines);
    EXPECT_EQ(findTemplate(list, "IF")->body, (QStringList{"if (a) {", "  |", "}"}));
    EXPECT_EQ(findTemplate(list, "For")->body, (QStringList{"", "for (;;) {", "}"}));
    EXPECT_FALSE(findTemplate(list, "")); // a lone "%" never expands
    EXPECT_FALSE(findTemplate(list, "=if"));
}

TEST(Templates, ExpansionIndentsLaterLinesAndPlacesTheCaret)
{
    const Expansion e = expand({"if (a) {", "  |", "}"}, "    ");
    EXPECT_EQ(e.text, "if (a) {\n      \n    }");
    EXPECT_EQ(e.caret, 15);
    const Expansion noBar = expand({"x();"}, "  ");
    EXPECT_EQ(noBar.text, "x();");
    EXPECT_EQ(noBar.caret, 4);
    const Expansion lastBar = expand({"a || b |"}, "");
    EXPECT_EQ(lastBar.text, "a || b ");
    EXPECT_EQ(lastBar.caret, 7);
}

TEST(Templates, OnlyAWordEndingAtTheCaretExpands)
{
    struct Case {
        const char* line;
        int caret;
        bool expands;
    } cases[] = {
        {"if", 3, true},   {"    for", 8, true}, {"fo", 2, false}, // fo|r: the word runs past the caret
        {"if ", 5, false},                                         // virtual space after "if"
        {"if ", 4, false}, {"", 1, false},       {"x=if", 5, true}, {"\tif\tx", 4, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wordEndsAtCaret(QString::fromUtf8(c.line), c.caret), c.expands) << c.line << " @" << c.caret;
    EXPECT_FALSE(wordEndsAtCaret("for", 3)); // caret before the "r"
}

TEST(Templates, IndentationFollowsTheDisplayColumn)
{
    EXPECT_EQ(displayColumn("    if", 5, 8), 5);
    EXPECT_EQ(displayColumn("\tif", 2, 8), 9);
    EXPECT_EQ(displayColumn("ab", 6, 8), 6); // beyond the end
    EXPECT_EQ(indentation(4, false, 8), "    ");
    EXPECT_EQ(indentation(10, true, 8), "\t  ");
}

TEST(Templates, TemplateFileReadsEveryLineEndAndRefusesBadFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("auto.cmp");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("%if\r\nif (x) {\r\n  |\r\n}\r\n#\r%do\ndo {\n");
    f.close();
    const Result<QStringList> read = readTemplateFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value(), (QStringList{"%if", "if (x) {", "  |", "}", "#", "%do", "do {"}));

    const Result<QStringList> missing = readTemplateFile(dir.filePath("none.cmp"));
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.error().startsWith("Cannot open file " + dir.filePath("none.cmp")))
        << missing.error().toStdString();
    EXPECT_FALSE(readTemplateFile(dir.path()));
    QFile big(dir.filePath("big.cmp"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(1024 * 1024 + 1, 'x'));
    big.close();
    EXPECT_FALSE(readTemplateFile(big.fileName()));
    // A FIFO is refused at once; opening it would wait for a writer.
    const QString fifo = dir.filePath("fifo.cmp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const Result<QStringList> pipe = readTemplateFile(fifo);
    ASSERT_FALSE(pipe);
    EXPECT_TRUE(pipe.error().contains(fifo)) << pipe.error().toStdString();
}

} // namespace
