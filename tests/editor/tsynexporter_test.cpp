#include "editor/linestore.h"
#include "editor/tsynexporterhtml.h"
#include "editor/tsynexporterrtf.h"
#include "editor/tsynhtmlsyn.h"
#include "editor/tsynjavasyn.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QString dataFile(const QString& name)
{
    return QStringLiteral(VORNIC_TEST_DATA "/export/") + name;
}

// The sample's lines as the edit control gives them: 8-bit text.
QStringList sampleLines(const QString& name)
{
    const Result<QByteArray> bytes = readFileBytes(dataFile(name));
    EXPECT_TRUE(bytes.ok()) << bytes.error().toStdString();
    QByteArray text = splitLines(bytes.ok() ? bytes.value() : QByteArray()).text;
    return QString::fromLatin1(text).split(QLatin1Char('\n'));
}

// Compares with the golden file; a difference leaves <golden>.actual beside
// it for review.
void expectGolden(const QByteArray& actual, const QString& golden)
{
    const Result<QByteArray> expected = readFileBytes(dataFile(golden));
    const bool same = expected.ok() && expected.value() == actual;
    QFile out(dataFile(golden + QStringLiteral(".actual")));
    if (!same) {
        if (out.open(QIODevice::WriteOnly))
            out.write(actual);
    } else {
        out.remove();
    }
    EXPECT_TRUE(same) << "differs from " << golden.toStdString() << "; see the .actual file beside it";
}

struct GoldenCase {
    const char* name;
    const char* input;
    const char* golden;
    std::function<std::unique_ptr<TSynCustomHighlighter>()> highlighter;
    std::function<std::unique_ptr<TSynCustomExporter>()> exporter;
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

class ExporterGolden : public ::testing::TestWithParam<GoldenCase> {};

// Every attribute kind of the language, with "<", "&", quotes, braces, a
// backslash and a byte above 127 in the text.
TEST_P(ExporterGolden, WholeDocumentMatchesGoldenFile)
{
    const GoldenCase& c = GetParam();
    const auto highlighter = c.highlighter();
    const auto exporter = c.exporter();
    exporter->setHighlighter(highlighter.get());
    exporter->CompleteDocument = true;
    exporter->Title = QStringLiteral("\"%1\" exported as %2").arg(QLatin1String(c.input), exporter->formatName());
    exporter->ExportAll(sampleLines(QLatin1String(c.input)));
    expectGolden(exporter->data(), QLatin1String(c.golden));
}

auto java = [] { return std::unique_ptr<TSynCustomHighlighter>(std::make_unique<TSynJavaSyn>()); };
auto html = [] { return std::unique_ptr<TSynCustomHighlighter>(std::make_unique<TSynHTMLSyn>()); };
auto rtf = [] { return std::unique_ptr<TSynCustomExporter>(std::make_unique<TSynExporterRTF>()); };
auto htmlOut = [] { return std::unique_ptr<TSynCustomExporter>(std::make_unique<TSynExporterHTML>()); };

INSTANTIATE_TEST_SUITE_P(Samples, ExporterGolden,
                         ::testing::Values(GoldenCase{"JavaAsRtf", "sample.java", "sample.java.rtf", java, rtf},
                                           GoldenCase{"JavaAsHtml", "sample.java", "sample.java.html", java, htmlOut},
                                           GoldenCase{"HtmlAsRtf", "sample.html", "sample.html.rtf", html, rtf},
                                           GoldenCase{"HtmlAsHtml", "sample.html", "sample.html.html", html, htmlOut}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TSynExporterHTML, EscapesMarkupQuotesAndControlCharacters)
{
    EXPECT_EQ(TSynExporterHTML::escape(u"if (a < b && c) \"x\" 'y' >"),
              QStringLiteral("if (a &lt; b &amp;&amp; c) &quot;x&quot; &#39;y&#39; &gt;"));
    EXPECT_EQ(TSynExporterHTML::escape(QString::fromLatin1("\x80\xe9\t", 3)), QStringLiteral("&#128;\u00e9\t"));
    EXPECT_EQ(TSynExporterHTML::escape(QStringView(u"a\u0000b", 3)), QStringLiteral("a\uFFFDb"));
}

TEST(TSynExporterRTF, EscapesSpecialCharactersAndWritesSevenBits)
{
    EXPECT_EQ(TSynExporterRTF::escape(u"{a}\\b\tc"), QByteArray("\\{a\\}\\\\b\\tab c"));
    EXPECT_EQ(TSynExporterRTF::escape(QString::fromLatin1("caf\xe9\x01", 5)), QByteArray("caf\\'e9\\'01"));
    EXPECT_EQ(TSynExporterRTF::escape(u"\u20ac\u4e2d"), QByteArray("\\u8364?\\u20013?"));
}

// A selection of three lines (from a column in the first to a column in
// the last) writes exactly that text, highlighted as in the whole document.
TEST(TSynCustomExporter, SelectionExportsOnlyTheSelectedText)
{
    const QStringList lines = {"/* a", "   b */ int x;", "int y; // c", "int z;", "int w;"};
    TSynJavaSyn java;
    TSynExporterHTML exporter;
    exporter.setHighlighter(&java);
    exporter.ExportRange(lines, 4, 2, 4, 4); // from "b */" up to "int|"
    const QString html = QString::fromUtf8(exporter.data());
    const QString body = html.section(QStringLiteral("size=\"3\">"), 1).section(QStringLiteral("</font>"), 0, 0);
    QString text = body;
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    EXPECT_EQ(text, QStringLiteral("b */ int x;\nint y; // c\nint"));
    // "b */" is still comment: the state of the lines before carried over.
    EXPECT_TRUE(body.startsWith(QStringLiteral("<span style=\"color: #008000; font-style: italic;\">b */")))
        << body.toStdString();
    EXPECT_FALSE(html.contains(QLatin1String("<title>"))); // a fragment without the flag
}

TEST(TSynCustomExporter, WithoutHighlighterTextIsPlainAndEveryLineKept)
{
    TSynExporterRTF exporter;
    exporter.ExportAll({"one", "", "t{w}o"});
    const QByteArray rtf = exporter.data();
    EXPECT_TRUE(rtf.contains("{\\cf1 one}\\par\n\\par\n{\\cf1 t\\{w\\}o}\\par\n")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("{\\colortbl ;\\red0\\green0\\blue0;}"));
}

// NUL bytes, bytes 0x80-0xFF and a 1 MB line export without trouble.
TEST(TSynCustomExporter, HostileLinesExport)
{
    QString longLine(1 << 20, QLatin1Char('x'));
    longLine[500] = QChar(0);
    const QStringList lines = {longLine, QString::fromLatin1("\x00\x80\xff\"<", 5)};
    TSynJavaSyn java;
    for (TSynCustomExporter* exporter : std::initializer_list<TSynCustomExporter*>{new TSynExporterRTF, new TSynExporterHTML}) {
        std::unique_ptr<TSynCustomExporter> owned(exporter);
        exporter->setHighlighter(&java);
        exporter->ExportAll(lines);
        EXPECT_GT(exporter->data().size(), 1 << 20);
        EXPECT_FALSE(exporter->data().contains('\0'));
    }
}

TEST(TSynCustomExporter, SaveFailureNamesThePath)
{
    QTemporaryDir dir;
    TSynExporterHTML exporter;
    exporter.ExportAll({"x"});
    const QString path = dir.filePath(QStringLiteral("missing/folder/out.html"));
    const Result<void> saved = exporter.SaveToFile(path);
    ASSERT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error().contains(path)) << saved.error().toStdString();
    ASSERT_TRUE(exporter.SaveToFile(dir.filePath(QStringLiteral("out.html"))).ok());
    EXPECT_EQ(readFileBytes(dir.filePath(QStringLiteral("out.html"))).value(), exporter.data());
}

} // namespace
