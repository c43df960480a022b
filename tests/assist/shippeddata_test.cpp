// The completion data that ships in data/completion: the table of contents,
// the class lists and the templates agree with each other, and (with a JDK
// on this machine) with what javap says the classes offer.
#include "assist/autocompletetemplates.h"
#include "assist/completionlist.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

const QString kFolder = QStringLiteral(VORNIC_SHIPPED_DATA "/completion");

QStringList tableOfContents()
{
    return CompletionList::readListFile(kFolder + "/toc.cmp").value_or(QStringList());
}

TEST(ShippedCompletionData, TableOfContentsAndListFilesAgree)
{
    const QStringList toc = tableOfContents();
    EXPECT_GE(toc.size(), 80);
    EXPECT_LE(toc.size(), 120);
    QStringList files = QDir(kFolder).entryList({"*.cmp"}, QDir::Files);
    files.removeAll("toc.cmp");
    files.removeAll("auto.cmp");
    for (QString& f : files)
        f.chop(4);
    QStringList sorted = toc;
    sorted.sort();
    files.sort();
    EXPECT_EQ(sorted, files);
    for (const QString& name : toc) {
        const auto lines = CompletionList::readListFile(CompletionList::listFilePath(kFolder, name));
        ASSERT_TRUE(lines) << name.toStdString();
        EXPECT_FALSE(lines->isEmpty()) << name.toStdString();
        for (const QString& line : *lines) {
            EXPECT_FALSE(line.contains('<')) << name.toStdString() << ": " << line.toStdString();
            EXPECT_EQ(line.count('('), line.count(')')) << name.toStdString() << ": " << line.toStdString();
        }
    }
    const QStringList string = CompletionList::readListFile(kFolder + "/String.cmp").value();
    EXPECT_TRUE(string.contains("int length()"));
    EXPECT_TRUE(string.contains("String substring(int beginIndex, int endIndex)"));
    EXPECT_TRUE(CompletionList::readListFile(kFolder + "/Math.cmp")->contains("static double PI"));
    EXPECT_TRUE(CompletionList::readListFile(kFolder + "/JFrame.cmp")->contains("void setVisible(boolean b)"));
}

TEST(ShippedCompletionData, TemplatesLoadAndNameNoWordCodePutsBeforeABlank)
{
    const Result<QStringList> lines = AutoCompleteTemplates::readTemplateFile(kFolder + "/auto.cmp");
    ASSERT_TRUE(lines) << lines.error().toStdString();
    const QStringList list = AutoCompleteTemplates::listFromFileLines(lines.value());
    for (const char* name : {"if", "do", "for", "while", "class", "switch", "try", "main", "println", "fori", "foreach",
                             "tryfinally", "catchblock", "iface"})
        EXPECT_TRUE(AutoCompleteTemplates::findTemplate(list, QString::fromUtf8(name))) << name;
    for (const char* word : {"else", "new", "return", "catch", "finally", "interface", "public", "static", "int"})
        EXPECT_FALSE(AutoCompleteTemplates::findTemplate(list, QString::fromUtf8(word))) << word;
    for (const QString& entry : list) {
        if (entry.startsWith('=')) {
            EXPECT_LE(entry.count('|'), 1) << entry.toStdString();
        }
    }
}

// A class and its supertypes as javap lists them.
QString javap(const QStringList& classes)
{
    QString tool = QStandardPaths::findExecutable("javap");
    const QString home = qEnvironmentVariable("JAVA_HOME");
    if (!home.isEmpty() && QFileInfo(home + "/bin/javap").isExecutable())
        tool = home + "/bin/javap";
    if (tool.isEmpty())
        return {};
    QProcess p;
    p.start(tool, QStringList{"-public"} + classes);
    if (!p.waitForFinished(120000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(ShippedCompletionData, MethodNamesAreTheKitsOwn)
{
    const struct {
        const char* list;
        QStringList classes; // the class and its supertypes
    } samples[] = {
        {"String", {"java.lang.String", "java.lang.Object"}},
        {"ArrayList",
         {"java.util.ArrayList", "java.util.AbstractList", "java.util.AbstractCollection", "java.util.List",
          "java.util.Collection", "java.lang.Iterable", "java.lang.Object", "java.util.SequencedCollection"}},
        {"Scanner", {"java.util.Scanner", "java.util.Iterator", "java.lang.Object"}},
    };
    const QString probe = javap({"java.lang.Object"});
    if (probe.isEmpty())
        GTEST_SKIP() << "no javap (JAVA_HOME/bin or PATH)";
    for (const auto& sample : samples) {
        const QString listed = javap(sample.classes);
        const QStringList lines = CompletionList::readListFile(kFolder + "/" + sample.list + ".cmp").value();
        for (const QString& line : lines) {
            const qsizetype open = line.indexOf('(');
            if (open < 0)
                continue;
            const QString name = line.left(open).section(' ', -1);
            // Methods added after the kit on this machine are allowed to be missing.
            if (name == "getFirst" || name == "getLast" || name == "removeFirst" || name == "removeLast" ||
                name == "addFirst" || name == "addLast" || name == "reversed" || name == "splitWithDelimiters" ||
                name == "indexOf")
                continue;
            EXPECT_TRUE(listed.contains(" " + name + "(")) << sample.list << ": " << name.toStdString();
        }
    }
}

} // namespace
