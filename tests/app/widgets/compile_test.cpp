#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "toolchain/kitcommands.h"
#include "workspace/widgets/teditform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// Compiles with the JDK on this machine; CI installs default-jdk-headless.
class CompileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_javaBin = KitCommands::defaultJavaBinDir(QProcessEnvironment::systemEnvironment());
        if (m_javaBin.isEmpty())
            GTEST_SKIP() << "no JDK found (JAVA_HOME/bin or javac on PATH): these tests need javac";
        qputenv("VORNIC_HOME", m_home.path().toLocal8Bit());
        IniFile(m_home.filePath("Vornic.ini")).WriteString("CompilerOptions", "JavaBinDir", m_javaBin);
        m_form = new TMainForm;
        m_form->show();
    }
    void TearDown() override
    {
        if (m_form) {
            for (TEditForm* e : m_form->editors())
                e->Modified = false;
            delete m_form;
        }
        qunsetenv("VORNIC_HOME");
    }
    QString writeJava(const QString& name, const QByteArray& text)
    {
        const QString path = m_src.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }
    QTemporaryDir m_home, m_src;
    QString m_javaBin;
    TMainForm* m_form = nullptr;
};

TEST_F(CompileTest, AnErrorIsListedAndLeadsToItsLine)
{
    m_form->LoadFile(writeJava("Hello.java", "public class Hello {\n"
                                             "    public static void main(String[] args) {\n"
                                             "        int a = 1;\n"
                                             "        a++;\n"
                                             "        undefinedThing(a);\n"
                                             "    }\n"
                                             "}\n"));
    m_form->Compile1Click();
    ASSERT_EQ(m_form->KompilerErrors->topLevelItemCount(), 1);
    QTreeWidgetItem* item = m_form->KompilerErrors->topLevelItem(0);
    EXPECT_EQ(item->text(0), "5");
    EXPECT_TRUE(item->text(1).contains("error: cannot find symbol")) << item->text(1).toStdString();
    EXPECT_TRUE(m_form->KompilatorLogTxt->toPlainText().contains("Compiling: "));
    EXPECT_FALSE(m_form->KompilatorLogTxt->toPlainText().contains("No errors found."));
    m_form->KompilerErrors->setCurrentItem(item);
    m_form->SelectErrorLine(m_form->GetActiveEditor());
    TEditForm* e = m_form->GetActiveEditor();
    EXPECT_EQ(e->SynEdit1->caretY(), 5);
    EXPECT_EQ(e->HighlightLine, 5);
    EXPECT_TRUE(m_form->ErrorLineActive);
}

TEST_F(CompileTest, ACleanCompileWritesTheClassFile)
{
    m_form->LoadFile(writeJava("Fine.java", "public class Fine { public static void main(String[] a) {} }\n"));
    m_form->Compile1Click();
    EXPECT_EQ(m_form->KompilerErrors->topLevelItemCount(), 0);
    EXPECT_TRUE(QFile::exists(m_src.filePath("Fine.class")));
    EXPECT_TRUE(m_form->KompilatorLogTxt->toPlainText().contains("No errors found."));
}

TEST_F(CompileTest, AMissingCompilerIsReportedWithItsPath)
{
    QTemporaryDir empty;
    IniFile(m_home.filePath("Vornic.ini")).WriteString("CompilerOptions", "JavaBinDir", empty.path());
    m_form->LoadFile(writeJava("Gone.java", "class Gone {}\n"));
    QTimer::singleShot(100, qApp, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    m_form->Compile1Click();
    const QString log = m_form->KompilatorLogTxt->toPlainText();
    EXPECT_TRUE(log.contains(empty.path() + "/javac")) << log.toStdString();
    EXPECT_FALSE(log.contains("No errors found."));
}

} // namespace
