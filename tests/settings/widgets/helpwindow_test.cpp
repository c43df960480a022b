#include "settings/widgets/helpwindow.h"
#include "settings/widgets/qtcolors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("VORNIC_HOME", m_home.path().toLocal8Bit());
        QDir(m_home.path()).mkdir("help");
        QFile f(m_home.filePath("help/HID_PROJECT.html"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<html><body><p>Project catalogue help</p></body></html>");
    }
    void TearDown() override { qunsetenv("VORNIC_HOME"); }
    static QString shownText() { return HelpWindow::instance()->findChild<QTextBrowser*>()->toPlainText(); }
    QTemporaryDir m_home;
};

TEST_F(HelpWindowTest, TopicsArePagesInTheHelpFolder)
{
    EXPECT_EQ(HelpWindow::topicFile("HID_PROJECT"), m_home.filePath("help/HID_PROJECT.html"));
    // A topic never leads out of help/.
    EXPECT_EQ(HelpWindow::topicFile("../../etc/passwd"), m_home.filePath("help/index.html"));
    HelpWindow::instance()->showTopic("HID_PROJECT");
    EXPECT_TRUE(shownText().contains("Project catalogue help"));
    HelpWindow::instance()->showTopic("HID_MISSING");
    EXPECT_TRUE(shownText().contains("HID_MISSING"));
    HelpWindow::instance()->close();
}

TEST(QtColors, SystemColoursComeFromThePalette)
{
    EXPECT_EQ(toQColor(Colors::clNavy), QColor(0, 0, 0x80));
    EXPECT_FALSE(toQColor(Colors::clNone).isValid());
    EXPECT_TRUE(toQColor(Colors::clBtnFace).isValid());
    EXPECT_EQ(fromQColor(QColor(1, 2, 3)), Colors::rgb(1, 2, 3));
}

} // namespace
