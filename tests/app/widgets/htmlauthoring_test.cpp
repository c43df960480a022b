// HTML authoring through the frame window: wizards opened from their
// launchers write into a real document, the one-click commands leave the
// caret where the user types next, the scripts reach the page's head.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "app/widgets/toolpages.h"
#include "common/framewindowtest.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "html/widgets/fieldtabledialog.h"
#include "html/widgets/htmlwizards.h"
#include "html/widgets/tkommentform.h"
#include "html/widgets/tcustomsynautocomplete1.h"
#include "html/widgets/tfmcustomsynhtmlautocomplete.h"
#include "html/widgets/ttableform.h"
#include "settings/widgets/helpwindow.h"
#include "workspace/newdocuments.h"
#include "workspace/widgets/teditform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

class HtmlAuthoringTest : public FrameWindowTest {
protected:
    void SetUp() override
    {
        FrameWindowTest::SetUp();
        startFrame();
    }
    TEditForm* htmlDocument(const QString& text)
    {
        TEditForm* e = m_form->NewDocument(NewDocuments::Kind::Html);
        e->SynEdit1->setText(text);
        return e;
    }
    TSynEdit* edit() const { return m_form->GetActiveEditor()->SynEdit1; }
    QStringList lines() const
    {
        QStringList out;
        for (int i = 0; i < edit()->lineCount(); ++i)
            out << edit()->line(i);
        return out;
    }
    template <class T>
    T* openWizard(const char* menuItem)
    {
        m_form->menus->action(QLatin1String(menuItem))->trigger();
        QCoreApplication::processEvents();
        T* wizard = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<T*>(w); d && d->isVisible())
                wizard = d;
        EXPECT_NE(wizard, nullptr) << menuItem;
        return wizard;
    }
    // Runs `answer` on the next modal dialog of type T (a message box unless
    // said otherwise) once it shows.
    template <class T = QMessageBox>
    static void onNextModal(std::function<void(QWidget*)> answer)
    {
        auto* timer = new QTimer(qApp);
        timer->setInterval(20);
        QObject::connect(timer, &QTimer::timeout, qApp, [timer, answer] {
            if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget()); modal && modal->isVisible()) {
                timer->stop();
                timer->deleteLater();
                answer(modal);
            }
        });
        timer->start();
    }
    static void clickButton(QWidget* modal, const QString& caption)
    {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons())
            if (b->text().remove(QLatin1Char('&')) == caption) {
                b->click();
                return;
            }
        ADD_FAILURE() << "no button " << caption.toStdString();
    }
    static void pickFile(QWidget* modal, const QString& path)
    {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        // Typed as a user would: the whole path in the file name field.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    }

    QTemporaryDir m_files;
};

} // namespace

TEST_F(HtmlAuthoringTest, TableWizardWritesItsMarkupAtTheCaret)
{
    htmlDocument("<body>\n    \n</body>");
    edit()->setCaretXY(5, 2);
    auto* wizard = openWizard<TTableForm>("able2");
    ASSERT_TRUE(wizard);
    EXPECT_EQ(QApplication::focusWidget(), wizard->Edit1);
    // What the user types first replaces the default, as in any field
    // reached with Tab.
    QTest::keyClicks(QApplication::focusWidget(), "2");
    EXPECT_EQ(wizard->Edit1->text(), "2");
    // A text that is no number keeps the wizard open and writes nothing.
    wizard->Edit1->setText("abc");
    QString message;
    onNextModal([&message](QWidget* modal) {
        message = static_cast<QMessageBox*>(modal)->text();
        clickButton(modal, "OK");
    });
    QTest::keyClick(wizard->Edit2, Qt::Key_Return); // Enter in a field presses OK
    EXPECT_EQ(message, "'abc' is not a valid integer value.");
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_EQ(lines(), (QStringList{"<body>", "    ", "</body>"}));

    QPointer<TTableForm> alive = wizard;
    wizard->Edit1->setText("2");
    wizard->Edit2->setText("4");
    QTest::keyClick(wizard->Edit2, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(!alive || !alive->isVisible());
    const QString cell = "         <td>&nbsp;</td>";
    const QStringList row{"      <tr>", cell, cell, cell, cell, "      </tr>"};
    EXPECT_EQ(lines(), (QStringList{"<body>", "    <table width=\"75%\" border=\"1\">"} + row + row +
                        QStringList{"    </table>", "</body>"}));
}

// A wizard's text keeps every character: written as it is into a UTF-8
// document, as a reference where an 8-bit document's set has no byte for it.
TEST_F(HtmlAuthoringTest, WizardTextFollowsTheDocumentsEncoding)
{
    const struct {
        QByteArray bytes;
        const char* expected;
    } cases[] = {
        {"\n", "<!-- \u00e9\u20ac\u0142"},
        {"caf\xe9\n", "<!-- \u00e9\u20ac&#322;"}, // Windows-1252 holds \u00e9 and \u20ac
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString path = QDir(m_files.path()).filePath(QStringLiteral("page%1.html").arg(++n));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.bytes);
        f.close();
        m_form->LoadFile(path);
        auto* wizard = openWizard<TKommentForm>("Comment3");
        ASSERT_TRUE(wizard);
        wizard->Memo1->setPlainText(QString::fromUtf8("\u00e9\u20ac\u0142"));
        wizard->okButton()->click();
        QCoreApplication::processEvents();
        EXPECT_TRUE(lines().join('\n').contains(QString::fromUtf8(c.expected))) << qPrintable(lines().join('\n'));
    }
}

TEST_F(HtmlAuthoringTest, ImageWizardReadsThePictureSizeAndCopiesIntoTheProject)
{
    const QString picture = QStringLiteral(HTML_FIXTURES "/pic.png");
    htmlDocument("");
    auto* wizard = openWizard<FieldTableDialog>("Image2");
    ASSERT_TRUE(wizard);
    auto text = [&wizard](const char* key) { return static_cast<QLineEdit*>(wizard->field(key))->text(); };
    // Without a project catalog: the full path, and a warning.
    QString warning;
    onNextModal<QFileDialog>([&](QWidget* modal) {
        pickFile(modal, picture);
        onNextModal([&](QWidget* box) {
            warning = box->windowTitle();
            clickButton(box, "OK");
        });
    });
    wizard->findChild<QPushButton*>("fileButton")->click();
    EXPECT_EQ(warning, "WARNING!");
    EXPECT_EQ(text("file"), picture);
    EXPECT_EQ(text("width"), "47");
    EXPECT_EQ(text("height"), "31");
    wizard->okButton()->click();
    EXPECT_EQ(edit()->line(0), QStringLiteral("<img src=\"%1\" Height=\"31\" Width=\"47\">").arg(picture));

    // With a catalog that holds another pic.png: No keeps that one.
    const QString site = m_files.filePath("site");
    QDir().mkpath(site + "/images");
    QFile old(site + "/images/pic.png");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("not the picked one");
    old.close();
    m_form->ProjectCatalog = site;
    edit()->setText("");
    wizard = openWizard<FieldTableDialog>("Image2");
    QString question;
    onNextModal<QFileDialog>([&](QWidget* modal) {
        pickFile(modal, picture);
        onNextModal([&](QWidget* box) {
            question = box->windowTitle();
            clickButton(box, "No");
        });
    });
    wizard->findChild<QPushButton*>("fileButton")->click();
    EXPECT_EQ(question, "Question");
    EXPECT_EQ(text("file"), "pic.png");
    QFile kept(site + "/images/pic.png");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "not the picked one");
    wizard->okButton()->click();
    EXPECT_TRUE(edit()->line(0).startsWith("<img src=\"images/pic.png\""));
}

TEST_F(HtmlAuthoringTest, InsertCommandsLeaveTheCaretWhereTheUserTypesNext)
{
    struct Case {
        const char* menuItem;
        const char* selection; // selected before the command
        QStringList lines;     // the document afterwards
        int column, line;      // the caret
    } cases[] = {
        {"able1", "", {"  <table>", "    <tr>", "      <td></td>", "    </tr>", "  </table>"}, 11, 3},
        {"Link1", "", {"  <a href=\"\"></a>"}, 12, 1},
        {"Linebreakbr1", "", {"  <br>"}, 7, 1},
        {"Nonbrakingspace1", "", {"  &nbsp;"}, 9, 1},
        {"Frameset2", "", {"  <frameset>", "    <frame src=\"\">", "  </frameset>"}, 17, 2},
        {"Font3", "word", {"  <font face=\"\">word</font>"}, 19, 1},
        {"htmlPopupMenu", "", {"  <select>", "  <option>", "</select>"}, 11, 2},
        {"FormBodyformform1", "", {"  <form method=\"POST\">", "  ", "  </form>"}, 6, 2},
        {"styleItalicsAndBold", "word", {"  <b><i>word</i></b>"}, 21, 1},
        {"alignCentered", "word", {"  <div align=\"Center\">word</div>"}, 33, 1},
    };
    htmlDocument("");
    for (const Case& c : cases) {
        edit()->setText(QStringLiteral("  ") + QLatin1String(c.selection));
        edit()->setSelection({3, 1}, {3 + int(strlen(c.selection)), 1});
        m_form->menus->action(QLatin1String(c.menuItem))->trigger();
        EXPECT_EQ(lines(), c.lines) << c.menuItem;
        EXPECT_EQ(edit()->caretX(), c.column) << c.menuItem;
        EXPECT_EQ(edit()->caretY(), c.line) << c.menuItem;
    }
}

TEST_F(HtmlAuthoringTest, ScriptsGoIntoTheHeadOnceAndTheCaretStaysInItsText)
{
    htmlDocument("<html>\n<HEAD>\n<title>x</title>\n</HEAD>\n<body bgcolor=\"white\">\n\n</body>\n</html>");
    edit()->setCaretXY(1, 6);
    QToolButton* clock = m_form->toolPages->button("htmlClock");
    QAction* statusline = clock->menu()->actions().at(0);
    statusline->trigger();
    const QStringList after = lines();
    EXPECT_EQ(after[1], "<HEAD>");
    EXPECT_EQ(after[2], "<SCRIPT LANGUAGE=\"JavaScript\">");
    EXPECT_EQ(after[13], "<body onLoad=\"TimeStatusline()\" bgcolor=\"white\">");
    // Nine lines came in above the caret's empty line.
    EXPECT_EQ(edit()->caretY(), 15);
    EXPECT_EQ(edit()->line(edit()->caretY() - 1), "");
    statusline->trigger(); // the document has the script: nothing changes
    EXPECT_EQ(lines(), after);

    // No head: the user hears that the script was not added.
    edit()->setText("<body>\n</body>");
    QString message;
    onNextModal([&message](QWidget* modal) {
        message = static_cast<QMessageBox*>(modal)->text();
        clickButton(modal, "OK");
    });
    clock->menu()->actions().at(0)->trigger();
    EXPECT_EQ(message, "The document has no <head> tag, so the clock's script was not added.");
}

TEST_F(HtmlAuthoringTest, WizardsNeedADocumentToWriteInto)
{
    auto* wizard = openWizard<FieldTableDialog>("Objectwizard1");
    ASSERT_TRUE(wizard);
    QString message;
    onNextModal([&message](QWidget* modal) {
        message = static_cast<QMessageBox*>(modal)->text();
        clickButton(modal, "OK");
    });
    wizard->okButton()->click();
    EXPECT_TRUE(message.startsWith("There is no open document"));
    EXPECT_TRUE(wizard->isVisible());
    wizard->close();
}

// Every wizard: its own caption, fields found by their labels, nothing
// clipped, and a help page for its topic.
TEST_F(HtmlAuthoringTest, EveryWizardIsLabelledUnclippedAndHasItsHelpPage)
{
    htmlDocument("");
    struct Case {
        HtmlWizard wizard;
        const char* caption;
    } cases[] = {
        {HtmlWizard::Table, "Table wizard:"},
        {HtmlWizard::Frames, "Frames"},
        {HtmlWizard::Link, "Link/Anker point"},
        {HtmlWizard::Image, "Image"},
        {HtmlWizard::Font, "Font - Wizard:"},
        {HtmlWizard::HorizontalRule, "Horisontal ruler"},
        {HtmlWizard::Comment, "Comment:"},
        {HtmlWizard::OrderedList, "Ordered list"},
        {HtmlWizard::UnorderedList, "Unordered list"},
        {HtmlWizard::Object, "Object wizard:"},
        {HtmlWizard::Rollover, "Rollover image wizard"},
        {HtmlWizard::CheckBox, "Checkbox"},
        {HtmlWizard::RadioButton, "Radio button"},
        {HtmlWizard::TextField, "Textfield"},
        {HtmlWizard::PasswordField, "Password Field"},
        {HtmlWizard::HiddenField, "Hidden field"},
        {HtmlWizard::FileField, "File field"},
        {HtmlWizard::ImageButton, "Form image button"},
        {HtmlWizard::Button, "Button"},
        {HtmlWizard::TextArea, "Textarea wizard:"},
        {HtmlWizard::PopupMenu, "Popup menu wizard"},
        {HtmlWizard::RandomImages, "Random image"},
        {HtmlWizard::LinkForwarder, "Linkscript"},
        {HtmlWizard::BrowserInformation, "Browser Information script"},
    };
    // The help pages ship in data/; the program folder here is a fresh one.
    qputenv("VORNIC_HOME", QByteArray(VORNIC_SOURCE_DIR "/data"));
    for (const Case& c : cases) {
        WizardDialog* wizard = openHtmlWizard(c.wizard, m_form->htmlHost());
        ASSERT_NE(wizard, nullptr) << c.caption;
        EXPECT_EQ(wizard->windowTitle(), c.caption);
        EXPECT_TRUE(wizard->okButton()->isDefault()) << c.caption;
        QCoreApplication::processEvents();
        QFont titleFont = wizard->font();
        titleFont.setBold(true);
        EXPECT_GE(wizard->width(),
                  QFontMetrics(titleFont).horizontalAdvance(c.caption) + WizardDialog::TitleBarButtonsWidth)
            << c.caption << ": the title bar cuts the caption short";
        for (QWidget* w : wizard->findChildren<QWidget*>()) {
            if (!w->isVisible())
                continue;
            EXPECT_GE(w->width(), std::min(w->sizeHint().width(), w->minimumSizeHint().width()))
                << c.caption << ": " << w->objectName().toStdString() << " is clipped";
            if (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget())) {
                bool labelled = false;
                for (QLabel* label : wizard->findChildren<QLabel*>())
                    labelled = labelled || label->buddy() == w;
                EXPECT_TRUE(labelled) << c.caption << ": " << w->objectName().toStdString() << " has no label";
                EXPECT_FALSE(w->objectName().isEmpty()) << c.caption;
            }
        }
        // Tab goes through the rows in order, a row's button after its field.
        auto* grid = wizard->findChild<QGridLayout*>();
        ASSERT_NE(grid, nullptr);
        auto cell = [grid, wizard](QWidget* w) -> std::pair<int, int> {
            for (; w && w != wizard; w = w->parentWidget()) {
                const int index = grid->indexOf(w);
                if (index >= 0) {
                    int row = 0, column = 0, rows = 0, columns = 0;
                    grid->getItemPosition(index, &row, &column, &rows, &columns);
                    return {row, column};
                }
            }
            return {1000, 0}; // the buttons under the rows
        };
        std::pair<int, int> previous{-1, -1};
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr) << c.caption;
        for (int steps = 0; steps < 60 && cell(w).first < 1000; ++steps) {
            EXPECT_GE(cell(w), previous) << c.caption << ": Tab reaches " << w->objectName().toStdString() << " late";
            previous = cell(w);
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(wizard) || !w->isEnabled());
        }
        if (auto* help = wizard->findChild<QPushButton*>("HelpButton")) {
            help->click();
            // A missing page would show no file at all.
            const QUrl page = HelpWindow::instance()->findChild<QTextBrowser*>()->source();
            EXPECT_TRUE(page.isLocalFile() && QFile::exists(page.toLocalFile()) &&
                        page.fileName().startsWith(QLatin1String("HID_")))
                << c.caption << ": " << page.toString().toStdString();
            HelpWindow::instance()->close();
        }
        wizard->close();
    }
    qputenv("VORNIC_HOME", m_home.path().toLocal8Bit());
}

// Space after a tag name opens the attribute popup; the choice goes in at
// the caret.
TEST_F(HtmlAuthoringTest, AttributePopupAfterSpaceInAStartTag)
{
    QDir(m_home.path()).mkpath("completion");
    QFile::copy(QStringLiteral(VORNIC_SOURCE_DIR "/data/completion/htmlattributes.txt"),
                m_home.filePath("completion/htmlattributes.txt"));
    TEditForm* e = htmlDocument("");
    auto* popup = e->HtmlAttrCompletion->popup();
    auto type = [e](const char* text) {
        // QTest types ASCII only: other letters come as a key with text,
        // as a keyboard layout sends them.
        for (const QChar c : QString::fromUtf8(text)) {
            if (c.unicode() < 0x80)
                QTest::keyClick(e->SynEdit1->view(), char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, e->SynEdit1->view(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QCoreApplication::processEvents();
    };
    type("<table ");
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->shownRows(),
              (QStringList{"align=\"center\"", "align=\"left\"", "align=\"right\"", "bgcolor", "border", "cellpadding",
                           "cellspacing", "cols", "height", "width"}));
    EXPECT_EQ(popup->selectedRow(), "align=\"center\"");
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(popup->List, Qt::Key_Down);
    QTest::keyClick(popup->List, Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(edit()->line(0), "<table border=\"\"");
    EXPECT_EQ(edit()->caretX(), 16); // between the quotes

    struct Case {
        const char* typed;
        bool shows;
    } cases[] = {
        {"<pre ", false},
        {"<a href=\"x ", false},
        {"<!-- <td ", false},
        {"<td ", true},
        {"<TD nowrap ", true},
        // Letters of several bytes before the tag or inside the value.
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9<p ", true},
        {"\xE2\x82\xAC <a href=\"\xC3\xA9\xC3\xA9 ", false},
    };
    for (const Case& c : cases) {
        edit()->setText("");
        type(c.typed);
        EXPECT_EQ(popup->isVisible(), c.shows) << c.typed;
        QTest::keyClick(popup->List, Qt::Key_Escape);
    }
    // Without the check mark of "Completion Proposal" nothing opens.
    m_form->menus->CompletionProposal1->setChecked(false);
    edit()->setText("");
    type("<table ");
    EXPECT_FALSE(popup->isVisible());
}

// A broken attribute file: no popup, and one message naming file and line.
TEST_F(HtmlAuthoringTest, ABrokenAttributeFileIsReportedOnce)
{
    QDir(m_home.path()).mkpath("completion");
    QFile broken(m_home.filePath("completion/htmlattributes.txt"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("# attributes\n<table border\n");
    broken.close();
    TEditForm* e = htmlDocument("");
    QStringList messages;
    auto* timer = new QTimer(m_form);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, m_form, [&messages] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messages << box->text();
            box->accept();
        }
    });
    timer->start();
    for (int i = 0; i < 2; ++i) {
        QTest::keyClicks(e->SynEdit1->view(), QStringLiteral("<table "));
        QCoreApplication::processEvents();
        EXPECT_FALSE(e->HtmlAttrCompletion->popup()->isVisible());
    }
    timer->stop();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(m_home.filePath("completion/htmlattributes.txt") + ", line 2:"))
        << messages[0].toStdString();
}

// The context menu's HTML groups and the "Paste Code.." drop-down run the
// same commands as the "&Insert" and "&Modify" menus.
TEST_F(HtmlAuthoringTest, ContextMenuAndPasteCodeRunTheInsertCommands)
{
    TEditForm* e = htmlDocument("word");
    auto item = [](QMenu* menu, const QString& group, const QString& caption) -> QAction* {
        for (QAction* a : menu->actions())
            if (a->menu() && a->text().remove(QLatin1Char('&')) == group)
                for (QAction* b : a->menu()->actions())
                    if (b->text().section(QLatin1Char('\t'), 0, 0) == caption)
                        return b;
        return nullptr;
    };
    edit()->setSelection({1, 1}, {5, 1});
    QAction* bold = item(e->PopupMenu1, "Font", "Bold");
    ASSERT_NE(bold, nullptr);
    bold->trigger();
    EXPECT_EQ(edit()->line(0), "<b>word</b>");
    QAction* nbsp = item(e->PopupMenu1, "Special characters", "Non braking space");
    ASSERT_NE(nbsp, nullptr);
    EXPECT_EQ(nbsp->text().section(QLatin1Char('\t'), 1), "Ctrl+M"); // shown, not registered twice
    EXPECT_TRUE(nbsp->shortcut().isEmpty());
    nbsp->trigger();
    EXPECT_EQ(edit()->line(0), "<b>word</b>&nbsp;");

    QAction* fileField = item(e->PopupMenu1, "Form", "File field");
    ASSERT_NE(fileField, nullptr);
    fileField->trigger();
    QCoreApplication::processEvents();
    bool found = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "TFileFieldFrm" && w->isVisible()) {
            found = true;
            w->close();
        }
    EXPECT_TRUE(found);

    QMenu* paste = m_form->toolPages->htmlPasteCode->menu();
    ASSERT_NE(paste, nullptr);
    EXPECT_EQ(paste->objectName(), "HTMLElement");
    QAction* copyright = item(paste, "Special Caracters", "Copyright sign (c)");
    ASSERT_NE(copyright, nullptr);
    copyright->trigger();
    EXPECT_EQ(edit()->line(0), "<b>word</b>&nbsp;&copy;");
}
