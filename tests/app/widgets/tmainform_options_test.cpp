// The options dialog as the frame window opens it, with real files in a
// program folder of each case's own.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "common/modalanswerer.h"
#include "common/programfolderfixture.h"
#include "editor/tsyncustomhighlighter.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "settings/programfolder.h"
#include "settings/widgets/colorbox.h"
#include "settings/widgets/colorschemepage.h"
#include "settings/widgets/completionpages.h"
#include "settings/widgets/customlanguagegroups.h"
#include "settings/widgets/generaloptionspages.h"
#include "settings/widgets/highlightpreview.h"
#include "settings/widgets/shortcutspage.h"
#include "settings/widgets/tchangelangnamefrm.h"
#include "settings/widgets/tkeywordfrm.h"
#include "settings/widgets/toptionsfrm.h"
#include "workspace/widgets/teditform.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

namespace {

class OptionsDialogTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        m_form = new TMainForm;
        m_form->resize(1000, 700);
        m_form->show();
    }
    void TearDown() override
    {
        for (TEditForm* e : m_form->editors())
            e->Modified = false;
        delete m_form;
        ProgramFolderTest::TearDown();
    }
    // Edit > Options.., as the user opens it.
    TOptionsFrm* openOptions()
    {
        m_form->menus->action("Options2")->trigger();
        const QList<TOptionsFrm*> dialogs = m_form->findChildren<TOptionsFrm*>();
        return dialogs.isEmpty() ? nullptr : dialogs.last();
    }
    IniFile settings() const { return IniFile(programFile("Vornic.ini")); }
    static void settle() { QCoreApplication::processEvents(); }
    // Shows every page and every tab of the colour page once.
    static void colorsOfEveryTab(TOptionsFrm* dialog)
    {
        for (int page = 0; page < 8; ++page)
            dialog->setCurrentPage(page);
        dialog->setCurrentPage(TOptionsFrm::SynHighlighting);
        for (int tab = 0; tab < dialog->colorPage->TabSet1->count(); ++tab)
            dialog->colorPage->TabSet1->setCurrentIndex(tab);
    }

    TMainForm* m_form = nullptr;
};

TEST_F(OptionsDialogTest, OpensModelessWithTheEightPages)
{
    TOptionsFrm* dialog = openOptions();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), "Options");
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), m_form);
    QStringList captions;
    for (int i = 0; i < dialog->PageList->count(); ++i)
        captions << dialog->PageList->item(i)->text();
    EXPECT_EQ(captions, QStringList({"Editor", "Compiler", "Application", "Shortcuts", "Comp. proposal",
                                     "Syn.Higlighting", "Auto completion", "Spell Checker"}));
    EXPECT_EQ(TOptionsFrm::helpTopic(TOptionsFrm::SynHighlighting), "HID_SYNHIGOPT");
    // Each opening is a dialog of its own.
    TOptionsFrm* second = openOptions();
    EXPECT_NE(second, dialog);
    second->reject();
    dialog->reject();
}

// At one and a half times the default font every page still fits a
// 1024x768 screen (a title bar and a panel left over), so nothing is cut.
TEST_F(OptionsDialogTest, FitsASmallScreenWithALargeFont)
{
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * 1.5);
    QApplication::setFont(large);
    TOptionsFrm* dialog = openOptions();
    colorsOfEveryTab(dialog);
    const QSize needed = dialog->minimumSizeHint();
    dialog->reject();
    QApplication::setFont(normal);
    EXPECT_LE(needed.width(), 1024) << needed.height();
    EXPECT_LE(needed.height(), 768 - 60);
}

// OK on the defaults; Cancel on a fresh dialog writes no more than what
// opening it writes at once (the first run of the colours, a missing colour
// file made).
TEST_F(OptionsDialogTest, OkWritesTheListCancelWritesNothing)
{
    TOptionsFrm* dialog = openOptions();
    const QStringList opened = snapshot();
    EXPECT_FALSE(settings().ReadBool("SynHighlOptions", "FirstRun", true));
    EXPECT_TRUE(exists("colors/lang/Java.ini"));
    dialog->reject();
    settle();
    EXPECT_EQ(snapshot(), opened);

    dialog = openOptions();
    ASSERT_TRUE(dialog->Button1Click());
    const IniFile ini = settings();
    EXPECT_EQ(ini.ReadString("ShortCutList", "DefaultList", ""), "0");
    EXPECT_EQ(ini.ReadSection("ShortCutList").size(), 90);
    EXPECT_EQ(ini.ReadString("ShortCutList", "2", ""), "Ctrl+L");
    EXPECT_EQ(ini.ReadString("ShortCutList", "0", "x"), "");
    EXPECT_EQ(ini.ReadString("CompilerOptions", "DebugGenOptions", ""), "-g -verbose");
    EXPECT_EQ(ini.ReadString("SynHighlOptions", "FirstRun", ""), "0");
    EXPECT_EQ(ini.ReadString("EditorOptions", "FontType", ""), "Courier New");
}

TEST_F(OptionsDialogTest, NoNumberSizeRefusedBeforeAnythingIsWritten)
{
    TOptionsFrm* dialog = openOptions();
    const QStringList before = snapshot();
    dialog->editorPage->FontSize->setText("12x");
    dialog->applicationPage->cbPrintDate->setChecked(true);
    ModalAnswerer answerer;
    EXPECT_FALSE(dialog->Button1Click());
    EXPECT_EQ(answerer.messages, QStringList{"'12x' is not a valid integer value"});
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(dialog->isVisible());
    dialog->editorPage->FontSize->setText("12");
    EXPECT_TRUE(dialog->Button1Click());
    EXPECT_EQ(settings().ReadString("EditorOptions", "FontSize", ""), "12");
}

// Clashes are refused with the page's message; a key changed and OK'd
// runs exactly its command.
TEST_F(OptionsDialogTest, ShortcutsRefuseClashesAndWorkAtOnce)
{
    TOptionsFrm* dialog = openOptions();
    ShortcutsPage* page = dialog->shortcutsPage;
    const QString clash =
        "Can't insert this shortcut, it already exists somewhere else in the program (keeping old)!";
    ModalAnswerer answerer;
    EXPECT_FALSE(page->changeRow(0, "ctrl+j"));       // File: Close, Ctrl+J is New java application
    EXPECT_FALSE(page->changeRow(0, "Ctrl+Shift+P")); // Shift+Ctrl+P is Print
    EXPECT_FALSE(page->changeRow(0, "Ctrl+Nothing"));
    EXPECT_EQ(answerer.messages.mid(0, 2), QStringList({clash, clash}));
    EXPECT_EQ(answerer.messages.size(), 3);
    EXPECT_TRUE(page->changeRow(3, "Shift+Ctrl+J"));
    // A key of the edit control is taken, with a note naming its command.
    EXPECT_TRUE(page->changeRow(0, "Ctrl+Y"));
    EXPECT_TRUE(answerer.messages.last().contains("Delete line")) << answerer.messages.last().toStdString();
    EXPECT_EQ(page->LbShortcutList->topLevelItem(3)->text(1), "Shift+Ctrl+J");

    // Showing the page again reads the file but keeps the rows changed.
    settings().WriteString("ShortCutList", "DefaultList", "0");
    dialog->setCurrentPage(TOptionsFrm::Shortcuts);
    dialog->setCurrentPage(TOptionsFrm::Editor);
    dialog->setCurrentPage(TOptionsFrm::Shortcuts);
    EXPECT_EQ(page->LbShortcutList->topLevelItem(3)->text(1), "Shift+Ctrl+J");

    ASSERT_TRUE(dialog->Button1Click());
    EXPECT_EQ(settings().ReadString("ShortCutList", "3", ""), "Shift+Ctrl+J");
    EXPECT_EQ(m_form->menus->action("NyApplikasjonkode1")->shortcut(), QKeySequence("Shift+Ctrl+J"));
    EXPECT_EQ(m_form->menus->action("Close1")->shortcut(), QKeySequence("Ctrl+Y"));
    QApplication::setActiveWindow(m_form);
    const std::size_t before = m_form->editors().size();
    QTest::keyClick(m_form, Qt::Key_J, Qt::ShiftModifier | Qt::ControlModifier);
    settle();
    ASSERT_EQ(m_form->editors().size(), before + 1);
    EXPECT_TRUE(m_form->GetActiveEditor()->caption().endsWith(".java"));
    // The old key does nothing any more.
    QTest::keyClick(m_form, Qt::Key_J, Qt::ControlModifier);
    settle();
    EXPECT_EQ(m_form->editors().size(), before + 1);
}

TEST_F(OptionsDialogTest, DefineNewCustomLanguageFromTheMenu)
{
    // Both menus: "(empty)", a separator and the command that opens the page.
    QMenu* menu = m_form->menus->Customlanguages1;
    ASSERT_TRUE(m_form->menus->Definenewcustomlanguage1);
    EXPECT_TRUE(m_form->menus->empty4->isVisible());
    m_form->menus->Definenewcustomlanguage1->trigger();
    TOptionsFrm* dialog = m_form->findChildren<TOptionsFrm*>().last();
    EXPECT_EQ(dialog->currentPage(), TOptionsFrm::SynHighlighting);
    ColorSchemePage* colors = dialog->colorPage;
    EXPECT_EQ(colors->TabSet1->tabText(colors->TabSet1->currentIndex()), "New language");

    NewLanguageGroup* group = colors->newGroup;
    // Tab goes down the group, "Add language" last.
    QStringList order;
    QWidget* w = group->Edit1;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(group) && group->isAncestorOf(w))
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != group->Edit1);
    EXPECT_EQ(order, QStringList({"Edit1", "Edit3", "newPascalComments", "newCComments", "newAsmComments",
                                  "newBasComments", "newAnsiComments", "Edit2", "newAddKeyword",
                                  "newDeleteKeyword", "newKeywords", "Button13"}));

    group->Edit1->setText("Lisp");
    group->Edit3->setText("*.lsp");
    group->fields.comments[2]->setChecked(true); // Asm
    // Return in the keyword box adds the keyword; the dialog stays open.
    group->fields.keywordBox->setText("defun");
    QTest::keyClick(group->fields.keywordBox, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(group->fields.keywordList(), QStringList{"defun"});
    group->Button13->click();
    EXPECT_EQ(read("customlang/toc.ini"), "[CustomLanguages]\nCount=1\n1=Lisp\n");
    EXPECT_TRUE(read("customlang/Lisp.ini").contains("FileExt=*.lsp\nLangName=Lisp\n"));
    EXPECT_TRUE(read("customlang/Lisp.ini").contains("AsmComments=1"));
    EXPECT_TRUE(read("customlang/Lisp.ini").contains("KeyWordsCount=1\n0=defun\n"));
    EXPECT_EQ(colors->TabSet1->tabText(6), "Lisp");
    EXPECT_EQ(menu->actions().value(0)->text(), "Lisp");
    EXPECT_FALSE(m_form->menus->empty4->isVisible());
    EXPECT_EQ(m_form->menus->action("Definenewcustomlanguage1"), m_form->menus->Definenewcustomlanguage1);
    EXPECT_TRUE(m_form->filesFilter().contains("Lisp (*.lsp)"));

    // A name listed already, in another case, is refused; nothing changes.
    ModalAnswerer answerer;
    group->Edit1->setText("LISP");
    group->Edit3->setText("*.l");
    group->Button13->click();
    EXPECT_EQ(answerer.messages, QStringList{"There is already a language named \"LISP\"."});
    EXPECT_EQ(read("customlang/toc.ini"), "[CustomLanguages]\nCount=1\n1=Lisp\n");
    ASSERT_TRUE(dialog->Button1Click());

    // A file of the language opens highlighted by its definition.
    write("../x.lsp", "(defun f (x) x)\n");
    m_form->LoadFile(QDir::cleanPath(homeFile("../x.lsp")));
    TEditForm* e = m_form->GetActiveEditor();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->SynEdit1->highlighter()->languageName(), "General");
}

// Add, edit, rename and delete languages, colours with a tab switch, a
// preset, classes and templates, then OK: the files as expected.
TEST_F(OptionsDialogTest, EditingEveryPageThenOk)
{
    write("completion/auto.cmp", "%if\nif (|) {\n}\n#\n");
    write("completion/toc.cmp", "Vector\n");
    write("completion/Vector.cmp", "int size()\n");
    write("../Hello.java", "// hi\nclass Hello {}\n");
    write("../Other.java", "// other\n");
    m_form->LoadFile(QDir::cleanPath(homeFile("../Other.java")));
    TEditForm* otherWindow = m_form->GetActiveEditor();
    m_form->LoadFile(QDir::cleanPath(homeFile("../Hello.java")));
    TEditForm* javaWindow = m_form->GetActiveEditor();
    TOptionsFrm* dialog = openOptions();
    ColorSchemePage* colors = dialog->colorPage;
    ModalAnswerer answerer("Yes");

    // Colours: Comment of Java made red, then another tab: Java.ini holds it.
    dialog->setCurrentPage(TOptionsFrm::SynHighlighting);
    colors->cbxAttrSelect->setCurrentText("Comment");
    answerer.setHandler([](QDialog* d) {
        if (auto* colorDialog = qobject_cast<QColorDialog*>(d)) {
            colorDialog->setCurrentColor(QColor(200, 0, 0));
            colorDialog->accept();
        }
    });
    colors->FGColor->click();
    EXPECT_EQ(colors->FGColor->color(), Colors::rgb(200, 0, 0));
    colors->TabSet1->setCurrentIndex(1); // HTML
    EXPECT_EQ(IniFile(homeFile("colors/lang/Java.ini")).ReadInteger("Comment", "Foreground", 0),
              Colors::rgb(200, 0, 0));
    // A cancelled colour dialog changes nothing.
    answerer.setHandler([](QDialog* d) { d->reject(); });
    colors->cbxAttrSelect->setCurrentText("Comment");
    const TColor htmlComment = colors->FGColor->color();
    ASSERT_NE(htmlComment, Colors::rgb(200, 0, 0));
    colors->FGColor->click();
    EXPECT_EQ(colors->SynEditor->attributes(PreviewLanguage::HTML).value(1).foreground, htmlComment);

    // A preset saved from HTML, listed once, applied back on Java.
    colors->ComboBox2->setEditText("Mine");
    colors->Button8->click();
    EXPECT_TRUE(exists("colors/Mine.ini"));
    EXPECT_EQ(read("colors/toc.col"), "Mine\n");
    colors->ComboBox2->setEditText("Mine");
    colors->Button8->click();
    EXPECT_EQ(read("colors/toc.col"), "Mine\n");
    colors->TabSet1->setCurrentIndex(0); // Java
    colors->ComboBox2Click(colors->ComboBox2->findText("Mine"));
    EXPECT_EQ(colors->SynEditor->attributes(PreviewLanguage::Java).value(0).foreground, htmlComment);

    // Languages: add A, B; rename B to Bee; delete A.
    for (const char* name : {"A", "B"}) {
        colors->newGroup->Edit1->setText(name);
        colors->newGroup->Edit3->setText(QString("*.%1x").arg(name));
        colors->newGroup->Button13->click();
    }
    EditLanguageGroup* edit = colors->editGroup;
    colors->TabSet1->setCurrentIndex(colors->TabSet1->count() - 1);
    edit->selectLanguage("B");
    edit->fields.comments[1]->click(); // C comments, written at once
    EXPECT_TRUE(readCustomLanguageDefinition("B").CComments);
    answerer.setHandler([](QDialog* d) {
        if (auto* rename = qobject_cast<TChangeLangNameFrm*>(d)) {
            rename->newNameEdit->setText("Bee");
            rename->accept();
        }
    });
    edit->Button15->click();
    EXPECT_EQ(LoadCustomLanglistFromFile(), QStringList({"A", "Bee"}));
    EXPECT_EQ(colors->TabSet1->tabText(6), "Bee");
    EXPECT_EQ(m_form->menus->Customlanguages1->actions().value(0)->text(), "Bee");
    edit->selectLanguage("A");
    edit->Button14->click(); // "Are you sure ...?" Yes
    EXPECT_EQ(LoadCustomLanglistFromFile(), QStringList({"Bee"}));
    EXPECT_FALSE(exists("customlang/A.ini"));
    EXPECT_EQ(colors->TabSet1->count(), 9);

    // Classes: String added, Vector again refused with its file untouched.
    dialog->setCurrentPage(TOptionsFrm::CompProposal);
    CompProposalPage* classes = dialog->compProposalPage;
    answerer.messages.clear();
    classes->Edit4->setText("String");
    classes->Button5->click();
    classes->Edit4->setText("Vector");
    classes->Button5->click();
    EXPECT_EQ(answerer.messages.size(), 1);
    EXPECT_EQ(read("completion/toc.cmp"), "Vector\nString\n");
    EXPECT_EQ(read("completion/Vector.cmp"), "int size()\n");

    // Templates: a new one with two lines, and "%" refused in code.
    dialog->setCurrentPage(TOptionsFrm::AutoCompletion);
    AutoCompletionPage* templates = dialog->autoCompletionPage;
    answerer.setHandler([](QDialog* d) {
        if (auto* keyword = qobject_cast<TKeywordFrm*>(d)) {
            keyword->Keywordtext->setText("fori");
            keyword->accept();
        }
    });
    templates->NewKeyword->click();
    templates->SynEdit1->setLines({"for (int i = 0; i < n; i++) {", "}"});

    // OK: the Java colours of the preview into Vornic.ini and the open
    // Java window, the templates into auto.cmp.
    ASSERT_TRUE(dialog->Button1Click());
    EXPECT_EQ(read("completion/auto.cmp"), "%if\nif (|) {\n}\n#\n%fori\nfor (int i = 0; i < n; i++) {\n}\n#\n");
    EXPECT_EQ(settings().ReadInteger("Comment", "Foreground", 0), htmlComment);
    EXPECT_EQ(javaWindow->SynEdit1->highlighter()->attributeByName("Comment")->foreground(), htmlComment);
    EXPECT_EQ(otherWindow->SynEdit1->highlighter()->attributeByName("Comment")->foreground(), htmlComment);
}

TEST_F(OptionsDialogTest, TemplateCodeWithPercentIsRefusedNamingTheLine)
{
    write("completion/auto.cmp", "%if\nif (|) {\n}\n#\n%for\nfor (;;) {\n}\n#\n");
    TOptionsFrm* dialog = openOptions();
    AutoCompletionPage* page = dialog->autoCompletionPage;
    page->ListView2->setCurrentItem(page->ListView2->topLevelItem(0));
    EXPECT_EQ(page->SynEdit1->lines(), QStringList({"if (|) {", "}"}));
    page->SynEdit1->setLines({"printf(\"%d\");"});
    ModalAnswerer answerer;
    page->ListView2->setCurrentItem(page->ListView2->topLevelItem(1));
    ASSERT_EQ(answerer.messages.size(), 1);
    EXPECT_TRUE(answerer.messages[0].startsWith("The line \"printf(\"%d\");\""));
    EXPECT_EQ(page->ListView2->currentItem()->text(0), "if");
    EXPECT_FALSE(dialog->Button1Click());
    EXPECT_EQ(read("completion/auto.cmp"), "%if\nif (|) {\n}\n#\n%for\nfor (;;) {\n}\n#\n");
}

} // namespace
