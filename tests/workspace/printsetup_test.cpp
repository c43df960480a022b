#include "settings/inifile.h"
#include "workspace/printsetup.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

void PrintTo(const HeaderFooterItem& item, std::ostream* os)
{
    *os << '{' << item.text.toStdString() << ", "
        << (item.alignment == HFAlignment::Left ? "left" : item.alignment == HFAlignment::Right ? "right" : "centre")
        << ", line " << item.lineNumber << '}';
}

namespace {

struct HeaderCase {
    const char* name;
    bool header, date, time, documentName;
    // The expected items; "{d}" and "{t}" stand for the date and the time.
    std::vector<std::pair<const char*, HFAlignment>> expected;
};

void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.name; }

class PrintHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(PrintHeader, ItemsFollowTheSettings)
{
    const HeaderCase& c = GetParam();
    PrintSettings settings;
    settings.PrintHeader = c.header;
    settings.PrintDate = c.date;
    settings.PrintTime = c.time;
    settings.NameOfPrntDoc = c.documentName;
    const QDateTime now(QDate(2024, 3, 9), QTime(14, 5, 7));
    const QString date = QLocale::system().toString(now.date(), QLocale::ShortFormat);
    const QString time = QLocale::system().toString(now.time(), QLocale::ShortFormat);
    HeaderFooterItems expected;
    for (const auto& [text, alignment] : c.expected)
        expected.push_back({QString::fromLatin1(text).replace(QLatin1String("{d}"), date).replace(QLatin1String("{t}"), time),
                            alignment, 1});
    EXPECT_EQ(printHeaderItems(settings, QStringLiteral("Hello.java"), now), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, PrintHeader,
    ::testing::Values(
        HeaderCase{"All", true, true, true, true,
                   {{"{d} {t}", HFAlignment::Left}, {"Document: Hello.java", HFAlignment::Right}}},
        // Without the date the text starts with the blank before the time.
        HeaderCase{"TimeOnly", true, false, true, true,
                   {{" {t}", HFAlignment::Left}, {"Document: Hello.java", HFAlignment::Right}}},
        HeaderCase{"DateOnly", true, true, false, false, {{"{d}", HFAlignment::Left}}},
        HeaderCase{"NameOnlyStandsLeft", true, false, false, true, {{"Document: Hello.java", HFAlignment::Left}}},
        HeaderCase{"NothingInIt", true, false, false, false, {}},
        HeaderCase{"HeaderOff", false, true, true, true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintFooter, ItemsFollowTheSettings)
{
    PrintSettings settings;
    EXPECT_EQ(printFooterItems(settings),
              (HeaderFooterItems{{"Printed from Pellam Vornic", HFAlignment::Left, 1},
                                 {"Page $PAGENUM$ of $PAGECOUNT$", HFAlignment::Right, 1}}));
    settings.PrintPageNum = false;
    EXPECT_EQ(printFooterItems(settings), (HeaderFooterItems{{"Printed from Pellam Vornic", HFAlignment::Left, 1}}));
    settings.PrintPageNum = true;
    settings.PrintFooter = false;
    EXPECT_TRUE(printFooterItems(settings).empty());
    EXPECT_EQ(expandPageMacros(QStringLiteral("Page $PAGENUM$ of $PAGECOUNT$"), 2, 7), QStringLiteral("Page 2 of 7"));
}

TEST(PrintSettings, ReadWithTheirDefaults)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("Vornic.ini")));
    const PrintSettings defaults = PrintSettings::read(ini);
    EXPECT_TRUE(defaults.ShowColorHighltPrint && defaults.PrintHeader && defaults.PrintDate && defaults.PrintTime &&
                defaults.NameOfPrntDoc && defaults.PrintFooter && defaults.PrintPageNum);
    EXPECT_FALSE(defaults.ShowPrintLnNr);
    ini.WriteBool(QStringLiteral("ApplicationOptions"), QStringLiteral("ShowPrintLnNr"), true);
    ini.WriteString(QStringLiteral("ApplicationOptions"), QStringLiteral("PrintHeader"), QStringLiteral("0"));
    ini.WriteString(QStringLiteral("ApplicationOptions"), QStringLiteral("PrintFooter"), QStringLiteral("junk"));
    const PrintSettings read = PrintSettings::read(ini);
    EXPECT_TRUE(read.ShowPrintLnNr);
    EXPECT_FALSE(read.PrintHeader);
    EXPECT_TRUE(read.PrintFooter); // no integer: the default
}

TEST(Export, ProposedNameAndTitle)
{
    EXPECT_EQ(exportFileName(QStringLiteral("Untitled1.java"), QStringLiteral(".rtf")), QStringLiteral("Untitled1.rtf"));
    EXPECT_EQ(exportFileName(QStringLiteral("page.old.htm"), QStringLiteral(".html")), QStringLiteral("page.old.html"));
    EXPECT_EQ(exportFileName(QStringLiteral("Makefile"), QStringLiteral(".rtf")), QStringLiteral("Makefile.rtf"));
    EXPECT_EQ(exportTitle(QStringLiteral("A.java"), QStringLiteral("RTF")), QStringLiteral("\"A.java\" exported as RTF"));
}

} // namespace
