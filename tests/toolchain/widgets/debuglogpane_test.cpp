#include "toolchain/jdboutputparser.h"
#include "toolchain/watchscanner.h"
#include "toolchain/widgets/debuglogpane.h"
#include "toolchain/widgets/watchpane.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class DebugLogPaneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_edit.show();
        m_edit.setFocus();
    }
    QString text() const { return m_edit.toPlainText(); }
    QPlainTextEdit m_edit;
    DebugLogPane m_pane{&m_edit};
};

// Enter is never inserted: it hands on what was typed behind jdb's last
// output, and what is typed next comes after that.
TEST_F(DebugLogPaneTest, EnterHandsOnOnlyWhatWasTypedAfterTheOutput)
{
    QSignalSpy enter(&m_pane, &DebugLogPane::enterPressed);
    m_pane.appendLine("> Set deferred breakpoint Ask:8");
    QTest::keyClicks(&m_edit, "threads");
    EXPECT_EQ(m_pane.typedText(), "threads");
    QTest::keyClick(&m_edit, Qt::Key_Return);
    EXPECT_EQ(enter.count(), 1);
    EXPECT_EQ(text(), "> Set deferred breakpoint Ask:8threads");
    m_pane.takeTypedText();
    EXPECT_EQ(m_pane.typedText(), "");
    QTest::keyClicks(&m_edit, "up");
    EXPECT_EQ(m_pane.typedText(), "up");
}

// A prompt without a line end shows at once; a run of prompts is one line;
// output that comes while the user types goes above the typing.
TEST_F(DebugLogPaneTest, PromptsAndOutputArrivingWhileTyping)
{
    m_pane.appendLine("VM Started: No frames on the current call stack");
    m_pane.appendPrompt("main[1] ", false);
    m_pane.appendPrompt("> ", true);
    EXPECT_EQ(text(), "VM Started: No frames on the current call stack\n> ");
    QTest::keyClicks(&m_edit, "whe");
    m_pane.appendLine("Breakpoint hit: x");
    m_pane.appendPrompt("main[1] ", false);
    QTest::keyClicks(&m_edit, "re");
    EXPECT_EQ(text(), "VM Started: No frames on the current call stack\n> \nBreakpoint hit: x\nmain[1] where");
    EXPECT_EQ(m_pane.typedText(), "where");
}

// jdb's text stays as it came: deleting it does nothing, and typing or
// pasting inside it goes to the end.
TEST_F(DebugLogPaneTest, JdbsOutputCannotBeEdited)
{
    m_pane.appendLine("Initializing jdb ...");
    m_pane.appendPrompt("main[1] ", false);
    QTest::keyClick(&m_edit, Qt::Key_Backspace);
    QTest::keyClick(&m_edit, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(text(), "Initializing jdb ...\nmain[1] ");
    m_edit.moveCursor(QTextCursor::Start);
    QTest::keyClick(&m_edit, Qt::Key_Delete);
    m_edit.selectAll();
    QTest::keyClick(&m_edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(text(), "Initializing jdb ...\nmain[1] ");
    m_edit.moveCursor(QTextCursor::Start);
    QTest::keyClicks(&m_edit, "cont");
    EXPECT_EQ(text(), "Initializing jdb ...\nmain[1] cont");
    QTest::keyClick(&m_edit, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(text(), "Initializing jdb ...\nmain[1] ");
}

// The watch pane fed line by line through the log shows, for every captured
// transcript, what scanning the whole log gives, and keeps the notes of
// the session around it.
TEST(WatchPane, EqualsTheWholeLogScanOverEveryTranscript)
{
    const QString dir = QStringLiteral(VORNIC_TEST_DATA "/debugger");
    const QStringList names = QDir(dir).entryList({"*.jdb"}, QDir::Files);
    ASSERT_FALSE(names.isEmpty()) << dir.toStdString();
    for (const QString& name : names) {
        QFile f(dir + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        JdbOutputParser parser;
        std::vector<JdbItem> items;
        parser.feed(f.readAll(), items);
        parser.finish(items);
        const QStringList watches{"Dumps.count", "Dumps.origin", "Dumps.arr", "Tight.i", "Ask.name", "Counter.count"};

        QPlainTextEdit log, vars;
        DebugLogPane pane(&log);
        WatchPane watchPane(&vars);
        QObject::connect(&pane, &DebugLogPane::changed, &pane, [&] { watchPane.logChanged(*log.document(), watches); });
        watchPane.start();
        EXPECT_EQ(vars.toPlainText(), WatchPane::StartedNote);
        for (const JdbItem& item : items) {
            if (item.kind == JdbItem::Kind::Line)
                pane.appendLine(item.text);
            else if (item.kind == JdbItem::Kind::Prompt)
                pane.appendPrompt(item.text, item.afterPrompt);
            EXPECT_EQ(vars.toPlainText(), WatchScanner::rescan(log.toPlainText().split('\n'), watches).join('\n'))
                << name.toStdString() << " after " << item.text.toStdString();
        }
        watchPane.sessionStopped();
        QStringList expected = WatchScanner::rescan(log.toPlainText().split('\n'), watches);
        expected << WatchPane::ExitedNote;
        EXPECT_EQ(vars.toPlainText(), expected.join('\n')) << name.toStdString();
    }
}

} // namespace
