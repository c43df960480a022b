// The snippet commands on a real edit control: indentation, selection,
// caret and one undo step.
#include "editorhost.h"

#include "generators/widgets/generatorcommands.h"
#include "generators/widgets/texeptionfrm.h"
#include "generators/widgets/texpbuilder.h"
#include "generators/widgets/tjavaklassewizfrm.h"
#include "generators/widgets/tunntak.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

using JavaSnippets::Snippet;

struct LineCase {
    const char* name;
    Snippet snippet;
    const char* before; // one line
    int caretColumn;    // before the command
    int selectionEnd;   // 0: no selection; else the selection runs from the caret to here
    const char* after;  // lines joined by "\n"
    int column, line;   // caret afterwards
};

const LineCase kCases[] = {
    {"MainUnderFourBlanks", Snippet::MainFunction, "    ", 5, 0,
     "    public static void main(String args[]) {\n\n    }", 9, 2},
    {"MainUnderATab", Snippet::MainFunction, "\t", 2, 0, "\tpublic static void main(String args[]) {\n\n}", 5, 2},
    {"SwitchUnindented", Snippet::Switch, "", 1, 0, "switch() {\n   case :\n}", 8, 1},
    {"PublicFunctionIndented", Snippet::PublicFunction, "  ", 3, 0, "  public void () {\n\n  }", 15, 1},
    {"ClassReplacesSelection", Snippet::Class, "  old", 3, 6, "  class  {\n\n  }", 9, 1},
    {"PanelUnindented", Snippet::Panel, "", 1, 0, "class  extends JPanel {\n\n}", 7, 1},
    {"PrintlnBetweenQuotes", Snippet::Println, "  x", 4, 0, "  xSystem.out.println(\"\");", 24, 1},
    {"ButtonReplacesSelection", Snippet::Button, "  old;", 3, 7, "  private JButton ;", 19, 1},
    {"FontBeforeSemicolon", Snippet::Font, "", 1, 0, "private Font ;", 14, 1},
};

class SnippetCommandTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(SnippetCommandTest, WritesTheSnippetAndPlacesTheCaret)
{
    const LineCase& c = GetParam();
    EditorGeneratorHost host;
    host.setDocument(QString::fromLatin1(c.before), c.caretColumn, 1);
    if (c.selectionEnd)
        host.edit->setSelection({c.caretColumn, 1}, {c.selectionEnd, 1});
    const QString before = host.text();

    GeneratorCommands::insertSnippet(host, c.snippet);

    EXPECT_EQ(host.text(), QString::fromLatin1(c.after));
    EXPECT_EQ(host.edit->caretXY(), (BufferCoord{c.column, c.line}));
    EXPECT_TRUE(host.undoOnceGivesBack(before));
}

INSTANTIATE_TEST_SUITE_P(All, SnippetCommandTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SnippetCommandTest, WithoutAnEditorNothingHappens)
{
    EditorGeneratorHost host(false);
    GeneratorCommands::insertSnippet(host, Snippet::MainFunction);
    EXPECT_FALSE(GeneratorCommands::insertPieces(host, {QStringLiteral("x")}));
}

} // namespace

namespace {

// Each generator dialog, made afresh for a case.
struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>(GeneratorHost&)> make;
};

const DialogCase kDialogs[] = {
    {"ClassWizard", [](GeneratorHost& h) { return std::make_unique<TJavaKlasseWizFrm>(h); }},
    {"Exception", [](GeneratorHost& h) { return std::make_unique<TUnntak>(h); }},
    {"TryCatch", [](GeneratorHost& h) { return std::make_unique<TExeptionFrm>(h); }},
    {"ExpressionBuilder", [](GeneratorHost& h) { return std::make_unique<TExpBuilder>(h); }},
};

class GeneratorDialogTest : public ::testing::TestWithParam<DialogCase> {};

// A screen reader names every control the keyboard reaches by its caption.
TEST_P(GeneratorDialogTest, EveryControlIsNamedByItsCaption)
{
    EditorGeneratorHost host;
    const std::unique_ptr<QDialog> dialog = GetParam().make(host);
    dialog->show();
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() || qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString() << " in "
            << w->parentWidget()->objectName().toStdString();
    }
}

// Escape cancels the dialog wherever the keyboard is, code boxes included,
// and writes nothing.
TEST_P(GeneratorDialogTest, EscapeCancelsFromEveryControl)
{
    EditorGeneratorHost host;
    host.setDocument(QStringLiteral("  x = a / b;"), 3, 1);
    host.edit->setSelection({3, 1}, {13, 1});
    const QString before = host.text();
    std::vector<QString> reached;
    for (int step = 0;; ++step) {
        const std::unique_ptr<QDialog> dialog = GetParam().make(host);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        // The step-th control in Tab order from the one the dialog starts in.
        for (int i = 0; i < step; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        const QString name = focus->objectName() + QLatin1Char('/') + focus->metaObject()->className();
        if (std::find(reached.begin(), reached.end(), name) != reached.end() || step > 60)
            break; // round the whole Tab chain
        reached.push_back(name);
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible()) << name.toStdString();
        EXPECT_EQ(dialog->result(), QDialog::Rejected) << name.toStdString();
    }
    EXPECT_GE(reached.size(), 3u);
    EXPECT_EQ(host.text(), before);
}

INSTANTIATE_TEST_SUITE_P(All, GeneratorDialogTest, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
