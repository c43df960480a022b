#include "editor/widgets/tsynedit.h"
#include "workspace/searchsession.h"
#include "workspace/widgets/editorsearch.h"
#include "workspace/widgets/tfinddialog.h"
#include "workspace/widgets/tgotolinefrm.h"
#include "workspace/widgets/treplacedialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class SilentFeedback : public SearchFeedback {
public:
    QStringList messages;
    void beep() override {}
    void showInformation(const QString& text) override { messages << text; }
    void setFindNextEnabled(bool) override {}
};

class SearchOnSynEditTest : public ::testing::Test {
protected:
    TSynEdit m_edit;
    SynEditSearch m_target{m_edit};
    SilentFeedback m_feedback;
    SearchSession m_session{m_target, m_feedback};
};

TEST_F(SearchOnSynEditTest, FindsForwardAndBackwardFromTheCaret)
{
    m_edit.setText("one two\r\none\r\n");
    m_edit.setCaretXY(1, 1);
    m_session.findQuery().findText = "one";
    m_session.Finn();
    m_session.FinnNeste();
    EXPECT_EQ(m_edit.blockBegin(), (BufferCoord{1, 2}));
    EXPECT_EQ(m_edit.caretXY(), (BufferCoord{4, 2}));

    // Backwards from the caret, which ends the match just found: that one
    // again first, with the caret at its start, then line 1's.
    m_session.findQuery().down = false;
    m_session.FinnNeste();
    EXPECT_EQ(m_edit.caretXY(), (BufferCoord{1, 2}));
    m_session.FinnNeste();
    EXPECT_EQ(m_edit.caretXY(), (BufferCoord{1, 1}));
    EXPECT_EQ(m_edit.selText(), "one");
    m_session.FinnNeste();
    EXPECT_EQ(m_feedback.messages, QStringList{"Searchtext 'one' not found"});
}

TEST_F(SearchOnSynEditTest, ReplaceAllForwardAndBackward)
{
    m_edit.setText("banana\r\n");
    m_edit.setCaretXY(1, 1);
    SearchQuery& q = m_session.replaceQuery();
    q.findText = "a";
    q.replaceText = "b";
    q.replaceAll = true;
    m_session.Erstatt();
    EXPECT_EQ(m_edit.line(0), "bbnbnb");

    m_edit.setText("banana\r\n");
    m_edit.setCaretXY(7, 1);
    q.replaceText = "aa";
    q.down = false;
    m_session.Erstatt();
    EXPECT_EQ(m_edit.line(0), "baanaanaa");
    EXPECT_TRUE(m_feedback.messages.isEmpty());
}

template <class T> T* child(QWidget& w, const QString& text)
{
    for (T* c : w.findChildren<T*>())
        if (c->text() == text)
            return c;
    return nullptr;
}

TEST(SearchDialogsTest, ReplaceDialogEditsItsQueryAndSetsReplaceAllByButton)
{
    SearchQuery query;
    TReplaceDialog dialog(query);
    QSignalSpy replaced(&dialog, &TReplaceDialog::replaceClicked);
    QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 2);
    QPushButton* all = child<QPushButton>(dialog, "Replace &All");
    QPushButton* one = child<QPushButton>(dialog, "&Replace");
    ASSERT_TRUE(all && one);
    EXPECT_FALSE(all->isEnabled()); // nothing to find yet

    edits[0]->setText("a");
    edits[1]->setText("b");
    child<QCheckBox>(dialog, "Match &case")->setChecked(true);
    child<QRadioButton>(dialog, "&Up")->setChecked(true);
    EXPECT_EQ(query.findText, "a");
    EXPECT_EQ(query.replaceText, "b");
    EXPECT_TRUE(query.matchCase);
    EXPECT_FALSE(query.down);

    all->click();
    EXPECT_TRUE(query.replaceAll);
    one->click();
    EXPECT_FALSE(query.replaceAll);
    EXPECT_EQ(replaced.count(), 2);
}

TEST(SearchDialogsTest, FindDialogShowsTheQueryItWasLeftWith)
{
    SearchQuery query;
    query.findText = "needle";
    query.wholeWord = true;
    TFindDialog dialog(query);
    QSignalSpy found(&dialog, &TFindDialog::findNextClicked);
    dialog.showDialog();
    EXPECT_EQ(dialog.findChild<QLineEdit*>()->text(), "needle");
    EXPECT_TRUE(child<QCheckBox>(dialog, "Match &whole word only")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "&Down")->isChecked());
    child<QPushButton>(dialog, "&Find Next")->click();
    EXPECT_EQ(found.count(), 1);
}

TEST(SearchDialogsTest, GotoLineHandsOverTheNumberAndCloses)
{
    auto* form = new TGotoLineFrm(40);
    QSignalSpy chosen(form, &TGotoLineFrm::lineChosen);
    QSignalSpy gone(form, &QObject::destroyed);
    form->show();
    EXPECT_EQ(form->windowTitle(), "Goto line");
    EXPECT_EQ(form->findChild<QGroupBox*>()->title(), "Line number (1 - 40):");
    EXPECT_EQ(form->edit()->text(), "1");
    form->edit()->setText("12");
    form->OKBtnClick();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 12);
    EXPECT_FALSE(form->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(gone.count(), 1); // made anew for each command
}

} // namespace
