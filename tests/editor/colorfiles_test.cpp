// The colour files that ship in data/colors: each language's file holds
// exactly its highlighter's elements, each preset every element of all seven
// highlighters, and every foreground is readable on its background.
#include "editor/tsyncsssyn.h"
#include "editor/tsyngeneralsyn.h"
#include "editor/tsynhtmlsyn.h"
#include "editor/tsynjavasyn.h"
#include "editor/tsynperlsyn.h"
#include "editor/tsynphpsyn.h"
#include "editor/tsynxmlsyn.h"
#include "settings/inifile.h"
#include "settings/textlistfile.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

const QString kData = QStringLiteral(VORNIC_SOURCE_DATA "/colors");

QStringList namesOf(const TSynCustomHighlighter& h)
{
    QStringList names;
    for (const AttributeStyle& a : h.attributeStyles())
        names << a.name;
    return names;
}

// WCAG relative luminance of an RGB colour value (0x00BBGGRR).
double luminance(TColor c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(Colors::red(c)) + 0.7152 * channel(Colors::green(c)) + 0.0722 * channel(Colors::blue(c));
}

double contrast(TColor a, TColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every section: three keys, plain colours, readable text.
void checkSections(const QString& path, const QStringList& expected)
{
    SCOPED_TRACE(path.toStdString());
    ASSERT_TRUE(QFileInfo::exists(path));
    const IniFile file(path);
    QStringList sections = file.ReadSections();
    QStringList wanted = expected;
    sections.sort(Qt::CaseInsensitive);
    wanted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(sections, wanted);
    for (const QString& name : sections) {
        const IniSection s = file.ReadSectionValues(name);
        const auto fg = parseIniInteger(s.value("Foreground").value_or(""));
        const auto bg = parseIniInteger(s.value("Background").value_or(""));
        const auto style = parseIniInteger(s.value("Style").value_or(""));
        ASSERT_TRUE(fg && bg && style) << name.toStdString();
        EXPECT_FALSE(Colors::isSystemColor(*fg) || *fg == Colors::clNone) << name.toStdString();
        EXPECT_GE(*style, 0);
        EXPECT_LE(*style, 15);
        const TColor back = *bg == Colors::clNone ? Colors::clWhite : *bg;
        EXPECT_GE(contrast(*fg, back), 4.5) << name.toStdString();
    }
}

TEST(ShippedColorFiles, LanguageFilesHoldTheirHighlightersElements)
{
    const std::pair<const char*, std::shared_ptr<TSynCustomHighlighter>> languages[] = {
        {"Java", std::make_shared<TSynJavaSyn>()}, {"HTML", std::make_shared<TSynHTMLSyn>()},
        {"CSS", std::make_shared<TSynCssSyn>()},   {"PERL", std::make_shared<TSynPerlSyn>()},
        {"PHP", std::make_shared<TSynPHPSyn>()},   {"XML", std::make_shared<TSynXMLSyn>()},
    };
    for (const auto& [name, highlighter] : languages)
        checkSections(kData + "/lang/" + name + ".ini", namesOf(*highlighter));
    // The named built-in colours stand.
    const IniFile java(kData + "/lang/Java.ini");
    EXPECT_EQ(java.ReadInteger("Comment", "Foreground", 0), Colors::clNavy);
    EXPECT_EQ(java.ReadInteger("Reserved word", "Foreground", 0), Colors::clTeal);
    EXPECT_EQ(java.ReadInteger("String", "Foreground", 0), Colors::clMaroon);
    const IniFile xml(kData + "/lang/XML.ini");
    EXPECT_EQ(xml.ReadInteger("Comment", "Style", 0), 2);
}

TEST(ShippedColorFiles, PresetsHoldEveryElementOfEveryHighlighter)
{
    QStringList all;
    for (const auto& h : std::initializer_list<std::shared_ptr<TSynCustomHighlighter>>{
             std::make_shared<TSynJavaSyn>(), std::make_shared<TSynHTMLSyn>(), std::make_shared<TSynCssSyn>(),
             std::make_shared<TSynPerlSyn>(), std::make_shared<TSynPHPSyn>(), std::make_shared<TSynXMLSyn>(),
             std::make_shared<TSynGeneralSyn>()})
        for (const QString& name : namesOf(*h))
            if (!all.contains(name, Qt::CaseInsensitive))
                all << name;
    const QStringList presets = TextListFile::read(kData + "/toc.col").value();
    EXPECT_GE(presets.size(), 4);
    EXPECT_LE(presets.size(), 6);
    for (const QString& preset : presets)
        checkSections(kData + "/" + preset + ".ini", all);
}

} // namespace
