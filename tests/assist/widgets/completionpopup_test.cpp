#include "assist/widgets/completionpopup.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// The smallest popup: records what was chosen.
class RecordingPopup : public CompletionPopup {
public:
    QStringList chosen;

protected:
    void rowChosen(const QString& row) override { chosen << row; }
};

struct PlacementCase {
    const char* name;
    QPoint caretTop;
    QPoint expected;
};

std::string caseName(const testing::TestParamInfo<PlacementCase>& info)
{
    return info.param.name;
}

class PopupPlacement : public testing::TestWithParam<PlacementCase> {};

// A 420 x 100 popup, 16-pixel lines, on a screen right of another one.
TEST_P(PopupPlacement, StaysOnTheScreen)
{
    const QRect screen(1000, 0, 1280, 1000);
    EXPECT_EQ(CompletionPopup::placement(QSize(420, 100), GetParam().caretTop, 16, screen), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PopupPlacement,
                         testing::Values(PlacementCase{"BelowTheCaret", {1100, 200}, {1100, 216}},
                                         PlacementCase{"RightEdgeMovesLeft", {2000, 200}, {2280 - 425, 216}},
                                         PlacementCase{"JustFitsStays", {2280 - 421, 200}, {2280 - 421, 216}},
                                         PlacementCase{"BottomOpensAbove", {1100, 950}, {1100, 850}},
                                         PlacementCase{"BottomRightCorner", {2270, 990}, {2280 - 425, 890}}),
                         caseName);

class CompletionPopupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_editor.show();
        m_popup.resize(300, 120);
        m_popup.setRows({"alpha", "beta", "gamma", "alphabet"});
        m_popup.popupAt(&m_editor, m_editor.mapToGlobal(QPoint(0, 0)), 16);
    }
    void key(Qt::Key k) { QTest::keyClick(m_popup.List, k); }

    QLineEdit m_editor;
    RecordingPopup m_popup;
};

TEST_F(CompletionPopupTest, EnterChoosesTheSelectedRowAndHides)
{
    ASSERT_TRUE(m_popup.isVisible());
    EXPECT_EQ(m_popup.selectedRow(), "alpha");
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(m_popup.selectedRow(), "gamma");
    key(Qt::Key_Return);
    EXPECT_EQ(m_popup.chosen, QStringList{"gamma"});
    EXPECT_FALSE(m_popup.isVisible());
}

TEST_F(CompletionPopupTest, EscapeHidesWithoutChoosing)
{
    bool closed = false;
    QObject::connect(&m_popup, &CompletionPopup::closed, &m_popup, [&] { closed = true; });
    key(Qt::Key_Escape);
    EXPECT_FALSE(m_popup.isVisible());
    EXPECT_TRUE(closed);
    EXPECT_TRUE(m_popup.chosen.isEmpty());
}

TEST_F(CompletionPopupTest, FilterShowsMatchingRowsWithTheFirstSelected)
{
    m_popup.setFilter("alp");
    EXPECT_EQ(m_popup.shownRows(), (QStringList{"alpha", "alphabet"}));
    EXPECT_EQ(m_popup.selectedRow(), "alpha");
    m_popup.setFilter("x");
    EXPECT_EQ(m_popup.rowCount(), 0);
    key(Qt::Key_Return); // nothing selected: nothing happens
    EXPECT_TRUE(m_popup.isVisible());
    EXPECT_TRUE(m_popup.chosen.isEmpty());
    m_popup.setFilter(QString());
    EXPECT_EQ(m_popup.rowCount(), 4);
}

TEST_F(CompletionPopupTest, DoubleClickChooses)
{
    QTreeWidgetItem* item = m_popup.List->topLevelItem(1);
    const QRect rect = m_popup.List->visualItemRect(item);
    QTest::mouseClick(m_popup.List->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(m_popup.List->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(m_popup.chosen, QStringList{"beta"});
}

} // namespace
