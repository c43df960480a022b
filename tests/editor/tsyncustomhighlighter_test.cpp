#include "editor/editorcolors.h"
#include "editor/tsyncsssyn.h"
#include "editor/tsyngeneralsyn.h"
#include "editor/tsynhtmlsyn.h"
#include "editor/tsynjavasyn.h"
#include "editor/tsynperlsyn.h"
#include "editor/tsynphpsyn.h"
#include "editor/tsynxmlsyn.h"
#include "settings/inifile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList attributeNames(const TSynCustomHighlighter& hl)
{
    QStringList names;
    for (int i = 0; i < hl.attrCount(); ++i)
        names << hl.attribute(i)->name();
    return names;
}

TEST(TSynCustomHighlighter, EachHighlighterOwnsItsAttributesSortedByName)
{
    struct Case {
        std::unique_ptr<TSynCustomHighlighter> hl;
        QStringList names;
    };
    Case cases[] = {
        {std::make_unique<TSynJavaSyn>(),
         {"Comment", "Documentation", "Identifier", "Invalid symbol", "Number", "Reserved word", "Space", "String",
          "Symbol"}},
        {std::make_unique<TSynHTMLSyn>(),
         {"Asp", "Comment", "Escape ampersand", "Identifier", "Reserved word", "Space", "Symbol", "Text",
          "Unknown word", "Value"}},
        {std::make_unique<TSynCssSyn>(), {"Comment", "Identifier", "Number", "Space", "String", "Symbol"}},
        {std::make_unique<TSynXMLSyn>(),
         {"Attribute Name", "Attribute Value", "CDATA Section", "Comment", "DOCTYPE Section", "Element Name",
          "Entity Reference", "Namespace Attribute Name", "Namespace Attribute Value", "Processing Instruction",
          "Symbol", "Text", "Whitespace"}},
        {std::make_unique<TSynPerlSyn>(),
         {"Comment", "Identifier", "Illegal char", "Number", "Operator", "Pragma", "Reserved word", "Space",
          "String", "Symbol", "Variable"}},
        {std::make_unique<TSynPHPSyn>(),
         {"Comment", "Identifier", "Invalid symbol", "Number", "Reserved word", "Space", "String", "Symbol",
          "Variable"}},
        {std::make_unique<TSynGeneralSyn>(),
         {"Comment", "Identifier", "Number", "Preprocessor", "Reserved word", "Space", "String", "Symbol"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(attributeNames(*c.hl), c.names) << c.hl->languageName().toStdString();
        for (int i = 0; i < c.hl->attrCount(); ++i)
            EXPECT_EQ(c.hl->attribute(i)->index(), i);
    }
}

class AttributeFiles : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(name); }
    static QByteArray bytes(const QString& p)
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir m_dir;
};

TEST_F(AttributeFiles, SaveWritesThreeSignedKeysPerAttributeAndLoadsBack)
{
    TSynJavaSyn java;
    java.attributeByName("Comment")->assign(Colors::clNavy, Colors::clNone, fsItalic | fsBold);
    java.attributeByName("Space")->assign(Colors::clBtnFace, Colors::clWindow, 0);
    IniFile ini(path("Java.ini"));
    java.SaveAttributesToIni(ini);
    EXPECT_EQ(ini.ReadSections().size(), 9);
    EXPECT_EQ(ini.ReadString("Comment", "Background", ""), "536870911");
    EXPECT_EQ(ini.ReadString("Comment", "Foreground", ""), "8388608");
    EXPECT_EQ(ini.ReadString("Comment", "Style", ""), "3");
    EXPECT_EQ(ini.ReadString("Space", "Foreground", ""), "-2147483633");

    TSynJavaSyn other;
    other.LoadAttributesFromIni(ini);
    for (int i = 0; i < java.attrCount(); ++i) {
        EXPECT_EQ(other.attribute(i)->foreground(), java.attribute(i)->foreground());
        EXPECT_EQ(other.attribute(i)->background(), java.attribute(i)->background());
        EXPECT_EQ(other.attribute(i)->style(), java.attribute(i)->style());
    }
    const QByteArray first = bytes(path("Java.ini"));
    other.SaveAttributesToIni(ini);
    EXPECT_EQ(bytes(path("Java.ini")), first);
}

TEST_F(AttributeFiles, LoadAppliesOnlyPresentKeysOfMatchingSections)
{
    QFile f(path("mixed.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Comment]\nStyle=6\n[String]\n[Symbol]\nForeground=255\nStyle=junk\n[NotAnAttribute]\nStyle=1\n");
    f.close();
    TSynHTMLSyn html;
    const TColor commentFg = html.attributeByName("Comment")->foreground();
    const TColor symbolBg = html.attributeByName("Symbol")->background();
    const int symbolStyle = html.attributeByName("Symbol")->style();
    html.LoadAttributesFromIni(IniFile(path("mixed.ini")));
    EXPECT_EQ(html.attributeByName("Comment")->style(), fsItalic | fsUnderline);
    EXPECT_EQ(html.attributeByName("Comment")->foreground(), commentFg);
    EXPECT_EQ(html.attributeByName("Symbol")->foreground(), Colors::clRed);
    EXPECT_EQ(html.attributeByName("Symbol")->background(), symbolBg);
    EXPECT_EQ(html.attributeByName("Symbol")->style(), symbolStyle);

    TSynJavaSyn java;
    const QStringList before = attributeNames(java);
    java.LoadAttributesFromIni(IniFile(path("missing.ini")));
    EXPECT_EQ(attributeNames(java), before);
}

TEST(TSynCustomHighlighter, ChangesReachListenersUntilRemoved)
{
    TSynCssSyn css;
    int calls = 0;
    const int id = css.addChangeListener([&] { ++calls; });
    css.attribute(0)->setForeground(Colors::clRed);
    css.attribute(0)->setForeground(Colors::clRed); // no change, no notice
    css.attribute(0)->setStyle(fsBold);
    EXPECT_EQ(calls, 2);
    css.removeChangeListener(id);
    css.attribute(0)->setStyle(0);
    EXPECT_EQ(calls, 2);
}

TEST(TSynCustomHighlighter, EditorWindowColors)
{
    TSynJavaSyn java;
    applyEditorWindowColors(java);
    EXPECT_EQ(java.attributeByName("Comment")->foreground(), Colors::clNavy);
    EXPECT_EQ(java.attributeByName("Documentation")->foreground(), Colors::clBlue);
    EXPECT_EQ(java.attributeByName("Reserved word")->foreground(), Colors::clTeal);
    EXPECT_EQ(java.attributeByName("String")->foreground(), Colors::clMaroon);
    TSynXMLSyn xml;
    applyEditorWindowColors(xml);
    EXPECT_EQ(xml.attributeByName("Comment")->foreground(), Colors::clTeal);
    EXPECT_EQ(xml.attributeByName("Comment")->background(), Colors::clNone);
    EXPECT_EQ(xml.attributeByName("Comment")->style(), fsItalic);
    TSynHTMLSyn html;
    applyEditorWindowColors(html);
    EXPECT_EQ(html.attributeByName("Escape ampersand")->style(), 0);
    EXPECT_EQ(html.attributeByName("Comment")->style(), fsItalic);
}

} // namespace
