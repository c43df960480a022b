#include "app/widgets/filepanel.h"
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "app/widgets/toolpages.h"
#include "common/framewindowtest.h"
#include "editor/tsyncustomhighlighter.h"
#include "editor/tsynhighlighterattributes.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "editor/widgets/tsyngutter.h"
#include "settings/inifile.h"
#include "workspace/widgets/teditform.h"
#include "workspace/widgets/tfinddialog.h"
#include "workspace/widgets/tgotolinefrm.h"
#include "workspace/widgets/treplacedialog.h"
#include "workspace/widgets/tsavedocchangefrm.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSet>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFileSystemModel>
#include <QPlainTextEdit>
#include <QTreeView>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Answers the next modal dialog when it shows: a message box by the text of
// a button, any other dialog by rejecting it.
void answerNextDialog(const QString& button)
{
    QTimer::singleShot(50, qApp, [button] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            for (QAbstractButton* b : box->buttons())
                if (b->text().remove(QLatin1Char('&')) == button) {
                    b->click();
                    return;
                }
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
}

// Answers the next file dialog once it shows: notes the folder it started
// in, then accepts `path` (or cancels for an empty one) and runs `then`.
void answerNextFileDialog(const QString& path, QString* startedIn = nullptr, std::function<void()> then = {})
{
    QTimer::singleShot(50, qApp, [path, startedIn, then] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (startedIn)
            *startedIn = dialog->directory().absolutePath();
        if (then)
            then();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // selectFile() leaves the name box alone while it has the focus.
        dialog->setDirectory(QFileInfo(path).absolutePath());
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
            name->setText(QFileInfo(path).fileName());
        QMetaObject::invokeMethod(dialog, "accept"); // protected in QFileDialog
    });
}

class TMainFormTest : public FrameWindowTest {
protected:
    void SetUp() override
    {
        FrameWindowTest::SetUp();
        startFrame();
    }
    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_files.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QStringList listRows() const
    {
        QStringList rows;
        for (int i = 0; i < m_form->ListView1->topLevelItemCount(); ++i)
            rows << m_form->ListView1->topLevelItem(i)->text(0);
        return rows;
    }
    static void settle() { QCoreApplication::processEvents(); }
    void openGotoLineOnTenLines(TEditForm*& e, TGotoLineFrm*& dialog);

    QTemporaryDir m_files;
};

TEST_F(TMainFormTest, StartsWithNoDocumentState)
{
    EXPECT_EQ(m_form->windowTitle(), "Pellam Vornic v3.2");
    EXPECT_FALSE(m_form->menus->Save1->isEnabled());
    EXPECT_TRUE(m_form->menus->action("Load1")->isEnabled());
    EXPECT_FALSE(m_form->toolPages->isPageVisible(ToolPages::Page::Java));
    EXPECT_FALSE(m_form->toolPages->isPageVisible(ToolPages::Page::Html));
    EXPECT_TRUE(m_form->toolPages->isPageVisible(ToolPages::Page::General));
    EXPECT_FALSE(m_form->PageControl4->isTabVisible(1));
    EXPECT_EQ(m_form->PageControl4->tabText(0), "Open Files");
    EXPECT_EQ(m_form->menus->action("Load1")->shortcut(), QKeySequence("Ctrl+L"));
    EXPECT_EQ(m_form->menus->action("Save1")->shortcut(), QKeySequence("Ctrl+S"));
}

TEST_F(TMainFormTest, OpeningFilesPicksHighlighterPageAndMask)
{
    struct Case {
        const char* name;
        const char* language; // empty: no highlighter
        ToolPages::Page page;
        const char* mask;
    } cases[] = {
        {"Hello.java", "Java", ToolPages::Page::Java, "*.java"},
        {"page.html", "HTML", ToolPages::Page::Html, "*.htm;*.html"},
        {"style.css", "CSS", ToolPages::Page::General, "*.css"},
        {"data.xml", "XML", ToolPages::Page::General, "*.xml"},
        {"notes.txt", "", ToolPages::Page::General, "*.txt"},
        {"style.perl", "General", ToolPages::Page::General, "*.perl"},
    };
    for (const Case& c : cases) {
        m_form->LoadFile(writeFile(c.name, "x\n"));
        TEditForm* e = m_form->GetActiveEditor();
        ASSERT_TRUE(e) << c.name;
        EXPECT_EQ(e->caption(), c.name);
        EXPECT_TRUE(e->HasFile);
        EXPECT_FALSE(e->Modified) << c.name;
        const QString language = e->SynEdit1->highlighter() ? e->SynEdit1->highlighter()->languageName() : "";
        EXPECT_EQ(language, c.language) << c.name;
        EXPECT_TRUE(m_form->toolPages->isPageVisible(c.page)) << c.name;
        EXPECT_EQ(m_form->filePanel->fileMask(), c.mask) << c.name;
    }
    EXPECT_EQ(listRows().size(), 6);
    EXPECT_EQ(m_form->OpenDocumentCount, 6);
}

// The language's words are set after the window has its highlighter: the
// text opened must be coloured by them all the same.
TEST_F(TMainFormTest, ACustomLanguageFileIsColouredByItsKeywords)
{
    QDir(m_home.path()).mkpath("customlang");
    auto write = [this](const QString& name, const QByteArray& text) {
        QFile f(m_home.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    write("customlang/toc.ini", "[CustomLanguages]\nCount=1\n1=Lisp\n");
    write("customlang/Lisp.ini", "[FileInfo]\nFileExt=*.lsp\n[Keywords]\nKeyWordsCount=1\n0=defun\n");
    m_form->UpdateFilesFilter();
    m_form->LoadFile(writeFile("prog.lsp", "defun f\n"));
    TEditForm* e = m_form->GetActiveEditor();
    ASSERT_EQ(e->LanguageName, "Lisp");
    TSynCustomHighlighter* h = e->SynEdit1->highlighter();
    h->ResetRange();
    h->SetLine("defun f", 0);
    while (!h->GetEol() && h->GetToken() != "defun")
        h->Next();
    ASSERT_FALSE(h->GetEol());
    const int keywordStyle = h->GetTokenAttribute()->index() + 1;
    using S = QsciScintillaBase;
    e->SynEdit1->view()->SendScintilla(S::SCI_COLOURISE, 0, -1);
    EXPECT_EQ(e->SynEdit1->view()->SendScintilla(S::SCI_GETSTYLEAT, 2), keywordStyle);
}

TEST_F(TMainFormTest, NewWindowGetsDefaultSettings)
{
    m_form->LoadFile(writeFile("A.java", "class A {}\n"));
    TEditForm* e = m_form->GetActiveEditor();
    EXPECT_EQ(e->SynEdit1->font().family(), "Courier New");
    EXPECT_EQ(e->SynEdit1->font().pointSize(), 10);
    EXPECT_EQ(e->SynEdit1->color(), Colors::clWhite);
    EXPECT_EQ(e->SynEdit1->gutter()->gutterWidth(), 52);
    EXPECT_EQ(e->SynEdit1->gutter()->color(), Colors::clBtnFace);
    EXPECT_FALSE(e->SynEdit1->gutter()->showLineNumbers());
    EXPECT_TRUE(m_form->menus->CompletionProposal1->isChecked());
    EXPECT_TRUE(m_form->menus->Autocompletion1->isChecked());
}

TEST_F(TMainFormTest, SameFileNameIgnoringCaseIsNotOpenedTwice)
{
    QDir(m_files.path()).mkdir("b");
    m_form->LoadFile(writeFile("b/test.JAVA", "x"));
    EXPECT_TRUE(m_form->AllreadyOpen("Test.java"));
    QDir(m_files.path()).mkdir("a");
    const QString other = writeFile("a/Test.java", "y");
    answerNextDialog("No"); // "A document with the same filename is already open..."
    emit m_form->filePanel->fileActivated(other);
    settle();
    EXPECT_EQ(m_form->editors().size(), 1u);
    EXPECT_EQ(m_form->GetActiveEditor()->SynEdit1->line(0), "x");
}

TEST_F(TMainFormTest, UntitledNamesNeverRepeatAnOpenOne)
{
    m_form->MakeUnit(".java");
    m_form->MakeUnit(".java");
    m_form->MakeUnit(".java");
    EXPECT_EQ(listRows(), QStringList({"Untitled1.java", "Untitled2.java", "Untitled3.java"}));
    m_form->editors().front()->close();
    settle();
    m_form->MakeUnit(".java");
    EXPECT_EQ(m_form->GetActiveEditor()->caption(), "Untitled4.java");
    EXPECT_EQ(listRows(), QStringList({"Untitled2.java", "Untitled3.java", "Untitled4.java"}));
}

TEST_F(TMainFormTest, UnreadableFileLeavesAnUnboundWindow)
{
    const QString path = writeFile("Locked.java", "precious");
    QFile::setPermissions(path, QFileDevice::Permissions());
    const QString missing = m_files.filePath("Gone.java");
    answerNextDialog("OK");
    m_form->LoadFile(missing);
    settle();
    TEditForm* e = m_form->GetActiveEditor();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->caption(), "Gone.java");
    EXPECT_TRUE(e->FileName.isEmpty());
    EXPECT_FALSE(e->HasFile);
    // Save must ask for a name rather than write the empty text anywhere.
    e->SynEdit1->setText("typed");
    settle();
    answerNextDialog("Cancel");
    EXPECT_FALSE(e->SaveFileNow());
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(TMainFormTest, CancelledSaveOnCloseKeepsTheWindowAndItsText)
{
    TEditForm* e = m_form->MakeUnit(".java");
    e->SynEdit1->setText("work in progress");
    settle();
    ASSERT_TRUE(e->Modified);
    QPointer<TEditForm> guard = e;
    answerNextDialog("Yes");      // save changes?
    QTimer::singleShot(300, qApp, [] { // then cancel the save dialog
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    e->close();
    settle();
    ASSERT_TRUE(guard);
    EXPECT_TRUE(guard->isVisible());
    EXPECT_EQ(guard->SynEdit1->line(0), "work in progress");
    EXPECT_EQ(listRows(), QStringList({"Untitled1.java"}));
}

TEST_F(TMainFormTest, CancelOnCloseKeepsWindowAndRowThenNextCloseRemovesRow)
{
    TEditForm* e = m_form->MakeUnit(".txt");
    e->SynEdit1->setText("x");
    settle();
    m_form->ListView1->setCurrentItem(m_form->ListView1->topLevelItem(0));
    answerNextDialog("Cancel");
    m_form->Delete1Click();
    settle();
    EXPECT_EQ(m_form->editors().size(), 1u);
    EXPECT_EQ(listRows().size(), 1);
    EXPECT_FALSE(m_form->ClosingFromList);
    answerNextDialog("No");
    e->close();
    settle();
    EXPECT_TRUE(m_form->editors().empty());
    EXPECT_TRUE(listRows().isEmpty());
    EXPECT_FALSE(m_form->menus->Save1->isEnabled());
}

TEST_F(TMainFormTest, QuitWithACancelledSaveDoesNotClose)
{
    TEditForm* e = m_form->MakeUnit(".java");
    e->SynEdit1->setText("unsaved");
    settle();
    QTimer::singleShot(50, qApp, [] { // "Save document changes": Yes
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            for (auto* b : dialog->findChildren<QAbstractButton*>())
                if (b->text() == "Yes") {
                    b->click();
                    break;
                }
        }
        QTimer::singleShot(300, qApp, [] { // the save dialog: cancel
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                d->reject();
        });
    });
    EXPECT_FALSE(m_form->close());
    settle();
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(m_form->editors().size(), 1u);
}

TEST_F(TMainFormTest, SaveKeepsLineEndsAndCaret)
{
    const QString path = writeFile("Keep.java", "a\nb\n");
    m_form->LoadFile(path);
    TEditForm* e = m_form->GetActiveEditor();
    e->SynEdit1->setCaretXY(2, 2);
    QTest::keyClicks(e->SynEdit1->view(), "X");
    settle();
    EXPECT_TRUE(e->Modified);
    EXPECT_EQ(e->statusText(1), "Modified");
    m_form->Save1Click();
    EXPECT_FALSE(e->Modified);
    EXPECT_EQ(e->statusText(1), "");
    EXPECT_EQ(e->SynEdit1->caretXY(), (BufferCoord{3, 2}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "a\nbX\n");
}

TEST_F(TMainFormTest, TypingGreaterThanClosesHtmlTags)
{
    m_form->LoadFile(writeFile("page.htm", ""));
    TEditForm* e = m_form->GetActiveEditor();
    e->SynEdit1->setEditorFocus();
    QTest::keyClicks(e->SynEdit1->view(), "<b>");
    EXPECT_EQ(e->SynEdit1->line(0), "<b></b>");
    EXPECT_EQ(e->SynEdit1->caretX(), 4);
}

TEST_F(TMainFormTest, ListColumnLeavesRoomForTheScrollBar)
{
    for (int i = 0; i < 25; ++i)
        new QTreeWidgetItem(m_form->ListView1, {QString::number(i)});
    m_form->ListView1->setFixedSize(300, 200);
    settle();
    m_form->UpdateListView1ItemSize();
    EXPECT_EQ(m_form->ListView1->columnWidth(0), 300 - 21);
}

TEST_F(TMainFormTest, UserShortcutsReplaceDefaults)
{
    IniFile ini(m_home.filePath("Vornic.ini"));
    ini.WriteString("ShortCutList", "2", "Alt+F2");
    m_form->LoadShortcuts();
    EXPECT_EQ(m_form->menus->action("Load1")->shortcut(), QKeySequence("Alt+F2"));
}

} // namespace

namespace {

TEST_F(TMainFormTest, ShortcutsOfHiddenMenusLeaveKeysToTheEditor)
{
    // Ctrl+M belongs to the HTML Insert menu, hidden for Java documents,
    // where the edit control's own Ctrl+M breaks the line.
    m_form->LoadFile(writeFile("Brk.java", "ab"));
    TEditForm* e = m_form->GetActiveEditor();
    int triggered = 0;
    QObject::connect(m_form->menus->action("Nonbrakingspace1"), &QAction::triggered, m_form, [&] { ++triggered; });
    QApplication::setActiveWindow(m_form);
    e->SynEdit1->setEditorFocus();
    e->SynEdit1->setCaretXY(2, 1);
    QTest::keyClick(e->SynEdit1->view(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(triggered, 0);
    EXPECT_EQ(e->SynEdit1->lineCount(), 2);
}

} // namespace

namespace {

TEST_F(TMainFormTest, ActivatingAWindowFollowsItsKind)
{
    m_form->LoadFile(writeFile("One.java", "x"));
    m_form->LoadFile(writeFile("two.htm", "y"));
    m_form->LoadFile(writeFile("three.css", "z"));
    EXPECT_EQ(m_form->filePanel->filterIndex(), 5);
    EXPECT_TRUE(m_form->toolPages->isPageVisible(ToolPages::Page::General));
    m_form->mdiArea->setActiveSubWindow(m_form->editors()[1]);
    settle();
    EXPECT_TRUE(m_form->toolPages->isPageVisible(ToolPages::Page::Html));
    EXPECT_FALSE(m_form->toolPages->isPageVisible(ToolPages::Page::Java));
    EXPECT_FALSE(m_form->PageControl4->isTabVisible(1));
    EXPECT_TRUE(m_form->menus->htmlInsertMenu->menuAction()->isVisible());
    EXPECT_FALSE(m_form->menus->debuggingMenu->menuAction()->isVisible());
    m_form->mdiArea->setActiveSubWindow(m_form->editors()[0]);
    settle();
    EXPECT_TRUE(m_form->toolPages->isPageVisible(ToolPages::Page::Java));
    EXPECT_TRUE(m_form->PageControl4->isTabVisible(1));
    EXPECT_EQ(m_form->filePanel->filterIndex(), 0);
}

} // namespace

namespace {

// "a.java" is part of "data.java": unchecking data.java must keep it unsaved.
TEST_F(TMainFormTest, QuitSavesOnlyTheCheckedDocuments)
{
    QDir(m_files.path()).mkdir("sub");
    const QString first = writeFile("sub/a.java", "one\n");
    const QString second = writeFile("sub/data.java", "two\n");
    m_form->LoadFile(first);
    m_form->GetActiveEditor()->SynEdit1->setText("ONE\n");
    m_form->LoadFile(second);
    m_form->GetActiveEditor()->SynEdit1->setText("TWO\n");
    settle();
    // Controls a screen reader cannot name, found while the dialog shows.
    QStringList unnamed{"no dialog"};
    QTimer::singleShot(50, qApp, [&unnamed] {
        auto* dialog = qobject_cast<TSaveDocChangeFrm*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        unnamed.clear();
        for (QWidget* w : dialog->findChildren<QWidget*>())
            if ((w->focusPolicy() & Qt::TabFocus) &&
                QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
                unnamed << w->metaObject()->className();
        dialog->setChecked(1, false);
        for (auto* b : dialog->findChildren<QAbstractButton*>())
            if (b->text() == "Yes")
                b->click();
    });
    EXPECT_TRUE(m_form->close());
    auto contents = [](const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    EXPECT_EQ(contents(first), "ONE\n");
    EXPECT_EQ(contents(second), "two\n");
    EXPECT_EQ(unnamed, QStringList());
}

} // namespace

namespace {

TEST_F(TMainFormTest, CtrlJMakesAJavaApplicationFromItsTemplate)
{
    QApplication::setActiveWindow(m_form);
    m_form->setFocus();
    QTest::keyClick(m_form, Qt::Key_J, Qt::ControlModifier);
    settle();
    TEditForm* e = m_form->GetActiveEditor();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->caption(), "Untitled1.java");
    EXPECT_EQ(e->SynEdit1->text(),
              "\r\nclass Classname {\r\n  public static void main(String args[]) {\r\n     \r\n  }\r\n}\r\n");
    EXPECT_EQ(e->SynEdit1->caretXY(), (BufferCoord{6, 4}));
    EXPECT_FALSE(e->Modified);
    EXPECT_EQ(e->statusText(1), "");
    EXPECT_TRUE(m_form->toolPages->isPageVisible(ToolPages::Page::Java));
    EXPECT_TRUE(m_form->PageControl4->isTabVisible(1));
}

TEST_F(TMainFormTest, NewDocumentsOfEveryKind)
{
    using NewDocuments::Kind;
    struct Case {
        Kind kind;
        const char* caption;
        BufferCoord caret;
        ToolPages::Page page;
    } cases[] = {
        {Kind::Html, "Untitled1.htm", {1, 6}, ToolPages::Page::Html},
        {Kind::Xml, "Untitled2.xml", {3, 8}, ToolPages::Page::General},
        {Kind::Php, "Untitled3.php", {4, 2}, ToolPages::Page::General},
        {Kind::Css, "Untitled4.css", {3, 5}, ToolPages::Page::General},
        {Kind::Text, "Untitled5.txt", {1, 1}, ToolPages::Page::General},
    };
    for (const Case& c : cases) {
        TEditForm* e = m_form->NewDocument(c.kind);
        settle();
        EXPECT_EQ(e->caption(), c.caption);
        EXPECT_EQ(e->SynEdit1->caretXY(), c.caret) << c.caption;
        EXPECT_FALSE(e->Modified) << c.caption;
        EXPECT_TRUE(m_form->toolPages->isPageVisible(c.page)) << c.caption;
    }
}

TEST_F(TMainFormTest, CommentAndIndentFromTheEditMenu)
{
    TEditForm* e = m_form->NewDocument(NewDocuments::Kind::JavaApplication);
    e->SynEdit1->setText("int a;\nint b;\nint c;\n");
    e->SynEdit1->setSelection({1, 1}, {1, 3});
    m_form->menus->action("Comment1")->trigger();
    const QString commented = e->SynEdit1->text();
    EXPECT_NE(commented, "int a;\r\nint b;\r\nint c;\r\n");
    e->SynEdit1->undo();
    EXPECT_EQ(e->SynEdit1->text(), "int a;\r\nint b;\r\nint c;\r\n");
}

TEST_F(TMainFormTest, BreakpointsMoveWithTheTextAndCtrlNJumpsToThem)
{
    // Next breakpoint is a Java command; elsewhere Ctrl+N is the editor's.
    TEditForm* e = m_form->NewDocument(NewDocuments::Kind::JavaApplication);
    QString text;
    for (int i = 1; i <= 20; ++i)
        text += QString("line %1\n").arg(i);
    e->SynEdit1->setText(text);
    e->SynEdit1->setCaretXY(1, 10);
    m_form->menus->action("Setbreakpoint1")->trigger();
    ASSERT_EQ(e->SynEdit1->marks().count(), 1);
    e->SynEdit1->setCaretXY(1, 2);
    e->SynEdit1->setSelText("a\rb\rc\r");
    EXPECT_EQ(e->SynEdit1->marks().at(0).Line, 13);
    e->SynEdit1->setCaretXY(1, 1);
    QApplication::setActiveWindow(m_form);
    QTest::keyClick(e->SynEdit1->view(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(e->SynEdit1->caretY(), 13);
}

} // namespace

namespace {

TEST_F(TMainFormTest, FindFindNextAndReplaceAllThroughTheDialogs)
{
    TEditForm* e = m_form->NewDocument(NewDocuments::Kind::Text);
    e->SynEdit1->setText("banana\nbandana\n");
    e->SynEdit1->setCaretXY(1, 1);
    QApplication::setActiveWindow(m_form);
    QTest::keyClick(e->SynEdit1->view(), Qt::Key_F, Qt::ControlModifier);
    settle();
    auto* find = e->findChild<TFindDialog*>();
    ASSERT_TRUE(find);
    auto* what = find->findChild<QLineEdit*>();
    ASSERT_TRUE(what);
    QTest::keyClicks(what, "an");
    for (auto* b : find->findChildren<QAbstractButton*>())
        if (b->text().remove('&') == "Find Next")
            b->click();
    EXPECT_EQ(e->SynEdit1->selText(), "an");
    EXPECT_EQ(e->SynEdit1->blockBegin(), (BufferCoord{2, 1}));
    find->hide();
    QTest::keyClick(e->SynEdit1->view(), Qt::Key_F3);
    EXPECT_EQ(e->SynEdit1->blockBegin(), (BufferCoord{4, 1}));

    e->SynEdit1->setCaretXY(1, 1);
    QTest::keyClick(e->SynEdit1->view(), Qt::Key_R, Qt::ControlModifier);
    settle();
    auto* replace = e->findChild<TReplaceDialog*>();
    ASSERT_TRUE(replace);
    const auto edits = replace->findChildren<QLineEdit*>();
    ASSERT_GE(edits.size(), 2);
    edits[0]->setText("a");
    edits[1]->setText("b");
    for (auto* b : replace->findChildren<QAbstractButton*>())
        if (b->text().remove('&') == "Replace All")
            b->click();
    settle();
    EXPECT_EQ(e->SynEdit1->text(), "bbnbnb\r\nbbndbnb\r\n");
}

} // namespace

namespace {

TEST_F(TMainFormTest, ReopenMenuListsFilesOpenedBeforeARestart)
{
    const QString a = writeFile("A.java", "a");
    const QString b = writeFile("B.htm", "b");
    m_form->LoadFile(a);
    m_form->LoadFile(b);
    delete m_form;
    m_form = new TMainForm;
    QStringList listed;
    for (QAction* action : m_form->menus->Reopen1->actions())
        if (action->property("historyPath").isValid())
            listed << action->text();
    EXPECT_EQ(listed, QStringList({b, a}));
    EXPECT_FALSE(m_form->menus->reopenEmpty->isVisible());
    // Reopening a file that is open already only says so.
    m_form->LoadHistFile(a);
    answerNextDialog("OK");
    m_form->LoadHistFile(a);
    settle();
    EXPECT_EQ(m_form->editors().size(), 1u);
}

} // namespace

namespace {

TEST_F(TMainFormTest, ErrorLineIsWhiteOnMaroonUntilThatLineIsEdited)
{
    TEditForm* e = m_form->NewDocument(NewDocuments::Kind::JavaApplication);
    e->SynEdit1->setText("1\n2\n3\n4\n5\n6\n7\n8\n");
    settle();
    auto colours = [&](int line) {
        bool special = false;
        TColor fg = Colors::clNone, bg = Colors::clNone;
        e->SynEdit1->OnSpecialLineColors(line, special, fg, bg);
        return special ? std::make_pair(fg, bg) : std::make_pair(Colors::clNone, Colors::clNone);
    };
    e->HighlightLine = 7;
    m_form->setErrorLineActive(true);
    EXPECT_EQ(colours(7), std::make_pair(Colors::clWhite, Colors::clMaroon));
    EXPECT_EQ(colours(6), std::make_pair(Colors::clNone, Colors::clNone));
    e->SynEdit1->setEditorFocus();
    e->SynEdit1->setCaretXY(2, 3);
    QTest::keyClicks(e->SynEdit1->view(), "x");
    settle();
    EXPECT_TRUE(m_form->ErrorLineActive); // another line: still painted
    e->SynEdit1->setCaretXY(2, 7);
    QTest::keyClicks(e->SynEdit1->view(), "y");
    settle();
    EXPECT_FALSE(m_form->ErrorLineActive);
    EXPECT_EQ(colours(7), std::make_pair(Colors::clNone, Colors::clNone));
    EXPECT_EQ(e->HighlightLine, 7);
}

} // namespace

namespace {

TEST_F(TMainFormTest, StripHtmlNeverSilentlyOverwritesAnExistingTextFile)
{
    const QString page = writeFile("index.htm", "<html><title>T</title><body>Hello world</body></html>\n");
    const QString existing = writeFile("index.txt", "keep me\n");
    m_form->LoadFile(page);
    answerNextDialog("Yes"); // strip the html?
    m_form->Button5Click();
    settle();
    TEditForm* e = m_form->GetActiveEditor();
    EXPECT_EQ(e->caption(), "index.txt");
    EXPECT_EQ(listRows(), QStringList({"index.txt"}));
    EXPECT_EQ(e->SynEdit1->highlighter(), nullptr);
    answerNextDialog("No"); // "File aldready exists, overwrite ?"
    EXPECT_FALSE(e->SaveFileNow());
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "keep me\n");
    QFile original(page);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_TRUE(original.readAll().startsWith("<html>"));
}

} // namespace

namespace {

// A row finds its window by its whole name: "a.java" is no match for the
// row "data.java", in either list command.
TEST_F(TMainFormTest, ListRowsFindTheirWindowByTheWholeName)
{
    QDir(m_files.path()).mkdir("sub");
    m_form->LoadFile(writeFile("sub/data.java", "d\n"));
    m_form->LoadFile(writeFile("sub/a.java", "a\n"));
    auto selectRow = [this](const QString& caption) {
        for (int i = 0; i < m_form->ListView1->topLevelItemCount(); ++i)
            if (m_form->ListView1->topLevelItem(i)->text(0) == caption)
                m_form->ListView1->setCurrentItem(m_form->ListView1->topLevelItem(i));
    };
    selectRow("data.java");
    m_form->Gotodocumentwindow1Click();
    EXPECT_EQ(m_form->GetActiveEditor()->caption(), "data.java");

    m_form->LoadFile(writeFile("sub/Other.java", "o\n"));
    selectRow("data.java");
    m_form->Delete1Click();
    settle();
    QStringList open;
    for (TEditForm* e : m_form->editors())
        open << e->caption();
    EXPECT_EQ(open, QStringList({"a.java", "Other.java"}));
    EXPECT_EQ(listRows(), QStringList({"a.java", "Other.java"}));
}

// The "already open" question's Yes brings the open one forward, whatever
// the letter case of the two names.
TEST_F(TMainFormTest, AlreadyOpenYesActivatesTheWindowOfAnyLetterCase)
{
    QDir(m_files.path()).mkdir("b");
    QDir(m_files.path()).mkdir("a");
    m_form->LoadFile(writeFile("b/test.JAVA", "x"));
    m_form->LoadFile(writeFile("Else.java", "e"));
    answerNextDialog("Yes");
    emit m_form->filePanel->fileActivated(writeFile("a/Test.java", "y"));
    settle();
    EXPECT_EQ(m_form->editors().size(), 2u);
    EXPECT_EQ(m_form->GetActiveEditor()->caption(), "test.JAVA");
}

// Save as under the name of another open document would leave two windows
// of one name: it is refused and nothing is written.
TEST_F(TMainFormTest, SaveAsRefusesTheNameOfAnotherOpenDocument)
{
    m_form->LoadFile(writeFile("Taken.java", "open\n"));
    TEditForm* untitled = m_form->MakeUnit(".java");
    untitled->SynEdit1->setText("new text");
    QDir(m_files.path()).mkdir("elsewhere");
    const QString target = m_files.filePath("elsewhere/Taken.java");
    m_form->filePanel->setDirectory(m_files.filePath("elsewhere")); // where Save as starts
    QString question;
    answerNextFileDialog(target, nullptr, [&question] {
        QTimer::singleShot(50, qApp, [&question] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                question = box->text();
                box->button(QMessageBox::No)->click();
            }
        });
    });
    EXPECT_FALSE(untitled->SaveFileAs()) << untitled->FileName.toStdString();
    EXPECT_TRUE(question.startsWith("A document with the same filename is already open.")) << question.toStdString();
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(untitled->caption(), "Untitled2.java");
    EXPECT_EQ(listRows(), QStringList({"Taken.java", "Untitled2.java"}));
}

TEST_F(TMainFormTest, WorkingDirIsWhereOpenAndSaveAsStart)
{
    QDir(m_files.path()).mkdir("work");
    const QString work = QFileInfo(m_files.filePath("work")).absoluteFilePath();
    m_form->filePanel->setDirectory(work);
    m_form->MakeUnit(".java");
    for (QAction* a : m_form->PopupMenu5->actions())
        if (a->text() == "Set as working dir")
            a->trigger();
    QString openStart, saveStart;
    answerNextFileDialog(QString(), &openStart);
    m_form->Load1Click();
    answerNextFileDialog(QString(), &saveStart);
    m_form->SaveAs1Click();
    EXPECT_EQ(openStart, work);
    EXPECT_EQ(saveStart, work);
}

// The directory commands act on the folder that was right-clicked, not on
// the one the file list shows.
TEST_F(TMainFormTest, DirectoryPopupActsOnTheRightClickedFolder)
{
    QDir(m_files.path()).mkpath("top/inner");
    const QString top = QFileInfo(m_files.filePath("top")).absoluteFilePath();
    const QString inner = top + "/inner";
    QTreeView* tree = m_form->filePanel->DirectoryListBox3;
    auto* model = static_cast<QFileSystemModel*>(tree->model());
    m_form->filePanel->setDirectory(top);
    tree->expand(model->index(top));
    QRect cell;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        tree->expand(model->index(top));
        cell = tree->visualRect(model->index(inner));
        return cell.isValid();
    }, 5000));
    QTimer::singleShot(100, qApp, [] {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    });
    emit tree->customContextMenuRequested(cell.center());
    EXPECT_EQ(m_form->filePanel->directory(), inner);
}

// Two slots whose texts name one key would make neither command run: the
// lower slot keeps the key, and the clash is said once.
TEST_F(TMainFormTest, ClashingShortcutsAtLoadLeaveTheKeyToTheLowerSlot)
{
    IniFile ini(m_home.filePath("Vornic.ini"));
    ini.WriteString("ShortCutList", "2", "ctrl+shift+k");
    ini.WriteString("ShortCutList", "15", "Shift+Ctrl+K");
    QStringList reports;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &answer, [&reports] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            reports << box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start(50);
    m_form->LoadShortcuts();
    QTest::qWait(400);
    answer.stop();
    EXPECT_EQ(m_form->menus->action("Load1")->shortcut(), QKeySequence("Ctrl+Shift+K"));
    EXPECT_TRUE(m_form->menus->action("Save1")->shortcut().isEmpty());
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("File: Save")) << reports[0].toStdString();
    EXPECT_TRUE(reports[0].contains("File: Load")) << reports[0].toStdString();
}

// Copy and Select All act on the read-only pane that has the focus.
TEST_F(TMainFormTest, CopyInTheCompilerLogCopiesTheLog)
{
    m_form->LoadFile(writeFile("Sel.java", "editor text"));
    m_form->GetActiveEditor()->SynEdit1->selectAll();
    m_form->PageControl4->setCurrentWidget(m_form->KompilatorLogTxt);
    m_form->KompilatorLogTxt->setPlainText("log line");
    QApplication::setActiveWindow(m_form);
    m_form->KompilatorLogTxt->setFocus();
    settle();
    QApplication::clipboard()->clear();
    m_form->menus->action("SelectAll1")->trigger();
    m_form->menus->action("Copy1")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "log line");
    EXPECT_EQ(m_form->GetActiveEditor()->SynEdit1->line(0), "editor text");
}

// Alt with a letter opens the menu of that letter: no caption in the frame
// window's panels may take one of them (the "&Insert" of HTML documents
// went to the file panel's filter box).
TEST_F(TMainFormTest, PanelMnemonicsLeaveTheMenusTheirAltKeys)
{
    const auto mnemonic = [](const QString& text) -> QChar {
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != u'&')
                continue;
            if (text[i + 1] != u'&')
                return text[i + 1].toLower();
            ++i;
        }
        return {};
    };
    QSet<QChar> menuKeys;
    for (QAction* a : m_form->menuBar()->actions())
        if (const QChar c = mnemonic(a->text()); !c.isNull())
            menuKeys.insert(c);
    ASSERT_TRUE(menuKeys.contains(u'i'));
    for (const QLabel* label : m_form->findChildren<QLabel*>()) {
        if (label->window() != m_form)
            continue;
        const QChar c = mnemonic(label->text());
        EXPECT_TRUE(c.isNull() || !menuKeys.contains(c)) << label->text().toStdString();
    }
}

TEST_F(TMainFormTest, OpenFilesColumnIsFittedAtStart)
{
    settle();
    QTest::qWait(200);
    EXPECT_EQ(m_form->ListView1->columnWidth(0), m_form->ListView1->width() - 5);
}

// A ten-line document with the keyboard in its editor, and "Goto line"
// opened from the menu with the keyboard in its box.
void TMainFormTest::openGotoLineOnTenLines(TEditForm*& e, TGotoLineFrm*& dialog)
{
    QByteArray text;
    for (int i = 1; i <= 10; ++i)
        text += "line " + QByteArray::number(i) + "\n";
    m_form->LoadFile(writeFile("Ten.java", text));
    e = m_form->GetActiveEditor();
    QApplication::setActiveWindow(m_form);
    e->SynEdit1->setEditorFocus();
    m_form->menus->action("Gotoline1")->trigger();
    dialog = m_form->findChild<TGotoLineFrm*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->edit()->hasFocus(); }, 3000));
}

// The number typed into "Goto line" is for the dialog, not the editor.
TEST_F(TMainFormTest, GotoLineTakesTheKeyboard)
{
    TEditForm* e = nullptr;
    TGotoLineFrm* dialog = nullptr;
    ASSERT_NO_FATAL_FAILURE(openGotoLineOnTenLines(e, dialog));
    QTest::keyClicks(QApplication::focusWidget(), "7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(e->SynEdit1->caretY(), 7);
    EXPECT_EQ(e->SynEdit1->line(0), "line 1");
}

// After the message about a number that is none, the keyboard is back in
// the window's box with the wrong text selected: the next number replaces
// it instead of the editor's text.
TEST_F(TMainFormTest, GotoLineKeepsTheKeyboardAfterAWrongNumber)
{
    TEditForm* e = nullptr;
    TGotoLineFrm* dialog = nullptr;
    ASSERT_NO_FATAL_FAILURE(openGotoLineOnTenLines(e, dialog));
    QTest::keyClicks(dialog->edit(), "abc");
    answerNextDialog("OK");
    QTest::keyClick(dialog->edit(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QApplication::activeModalWidget(); }, 3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->edit()->hasFocus(); }, 3000));
    EXPECT_EQ(dialog->edit()->selectedText(), "abc");
    QTest::keyClicks(QApplication::focusWidget(), "7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(e->SynEdit1->caretY(), 7);
    EXPECT_EQ(e->SynEdit1->line(0), "line 1");
    EXPECT_EQ(e->SynEdit1->lineCount(), 10);
    EXPECT_EQ(e->SynEdit1->line(9), "line 10");
}

} // namespace
