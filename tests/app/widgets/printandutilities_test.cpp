// The frame window's printing, export, statistics, spell check and tip of
// the day commands, driven as a user drives them.
#include "app/widgets/tmainform.h"
#include "common/framewindowtest.h"
#include "editor/widgets/tsynedit.h"
#include "settings/inifile.h"
#include "utilities/widgets/statisticswindows.h"
#include "utilities/widgets/tspellcheckfrm.h"
#include "utilities/widgets/tsynspellcheck.h"
#include "utilities/widgets/ttipwindowfrm.h"
#include "workspace/widgets/teditform.h"
#include "workspace/widgets/tprintpreviewfrm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `answer` on each modal window that shows until it returns true.
void whenModal(const std::function<bool(QWidget*)>& answer)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible())
            if (answer(modal)) {
                timer->stop();
                timer->deleteLater();
            }
    });
    timer->start();
}

QString clickMessageBox(QWidget* modal)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box)
        return {};
    const QString text = box->text();
    box->buttons().first()->click();
    return text;
}

class PrintAndUtilitiesTest : public FrameWindowTest {
protected:
    void start()
    {
        m_form = new TMainForm;
        m_form->resize(1000, 700);
        m_form->show();
        QCoreApplication::processEvents(); // start-up ends before a user acts
    }
    QString writeFile(const QString& folder, const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(folder);
        const QString path = QDir(folder).filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    TEditForm* open(const QString& name, const QByteArray& text)
    {
        m_form->LoadFile(writeFile(m_files.path(), name, text));
        return m_form->GetActiveEditor();
    }
    template <class Window> Window* shownWindow() const
    {
        for (Window* w : m_form->findChildren<Window*>())
            if (w->isVisible())
                return w;
        return nullptr;
    }

    QTemporaryDir m_files;
};

// Shown at start once the frame window is up: a window manager keeps a
// dialog above its parent only when the parent was there first.
TEST_F(PrintAndUtilitiesTest, TipShowsAtStartUntilTurnedOff)
{
    writeFile(m_home.path(), "tips.txt", "Tips\n--\n2\n#1%\nOne\n#2%\nTwo\n");
    struct ShownAfterFrame : QObject {
        bool tipShown = false, frameWasUp = false;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Show && qobject_cast<TTipWindowFrm*>(watched) && !tipShown) {
                tipShown = true;
                auto* frame = static_cast<QWidget*>(watched)->parentWidget();
                frameWasUp = frame && frame->isVisible();
            }
            return false;
        }
    } watch;
    qApp->installEventFilter(&watch);
    start();
    qApp->removeEventFilter(&watch);
    EXPECT_TRUE(watch.tipShown);
    EXPECT_TRUE(watch.frameWasUp);
    TTipWindowFrm* tip = shownWindow<TTipWindowFrm>();
    ASSERT_TRUE(tip);
    EXPECT_FALSE(tip->RichEdit1->toPlainText().isEmpty());
    tip->CheckBox1->setChecked(false);
    tip->Button2->click();
    delete m_form;

    m_form = nullptr;
    start();
    EXPECT_FALSE(shownWindow<TTipWindowFrm>());
    m_form->ipoftheday1Click(); // the menu item shows it always
    EXPECT_TRUE(shownWindow<TTipWindowFrm>());
}

TEST_F(PrintAndUtilitiesTest, StatisticsWindowFollowsTheExtension)
{
    start();
    open("Count.java", "x = 5;\n");
    m_form->Statistics1Click();
    auto* java = shownWindow<TStatisticsFrm>();
    ASSERT_TRUE(java);
    EXPECT_EQ(java->windowTitle(), "Java document statistics");
    EXPECT_EQ(java->WordsLabel->text(), "4");
    EXPECT_EQ(java->LettersLabel->text(), "6");
    EXPECT_EQ(java->IDsLabel->text(), "1");
    EXPECT_EQ(java->NumbersLabel->text(), "1");
    java->Button1->click();

    open("Two.java", "public class Hello {}\nclass Two extends Hello {}\n");
    m_form->Statistics1Click();
    ASSERT_TRUE(shownWindow<TStatisticsFrm>());
    EXPECT_EQ(shownWindow<TStatisticsFrm>()->Label2->text(), "2"); // classes
    shownWindow<TStatisticsFrm>()->close();

    open("page.html", "<b>A &amp; B</b>\n");
    m_form->Statistics1Click();
    ASSERT_TRUE(shownWindow<TStatisticsHTMLFrm>());
    EXPECT_EQ(shownWindow<TStatisticsHTMLFrm>()->TagCountLabel->text(), "1");
    EXPECT_EQ(shownWindow<TStatisticsHTMLFrm>()->AmpersandLabel->text(), "1");
    shownWindow<TStatisticsHTMLFrm>()->close();

    open("notes.txt", "Hello, world\n");
    m_form->Statistics1Click();
    ASSERT_TRUE(shownWindow<TGeneralStatistics>());
    EXPECT_EQ(shownWindow<TGeneralStatistics>()->windowTitle(), "General Statistics");
    EXPECT_EQ(shownWindow<TGeneralStatistics>()->WordsLabel->text(), "3");
}

TEST_F(PrintAndUtilitiesTest, SpellCheckWithoutDictionarySaysSo)
{
    start();
    QTest::qWait(200); // the start step has looked for dictionaries
    open("A.java", "// recieve\n");
    QString said;
    whenModal([&](QWidget* modal) { said = clickMessageBox(modal); return !said.isEmpty(); });
    m_form->Spellcheck1Click();
    EXPECT_EQ(said, "No dictionary is loaded.");
}

// Stops once, at the comment's word and not at the identifier; Change
// replaces it; the caret goes back; the end is announced.
TEST_F(PrintAndUtilitiesTest, SpellCheckStopsAtCommentWordsAndChangeReplaces)
{
    writeFile(m_home.filePath("dictionaries"), "english.1-0-0.dic", "the\nname\nreceive\nint\n");
    start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_form->SpellChecker1->dictionaryLoaded(); }, 5000));
    TEditForm* e = open("A.java", "// recieve the name\nint recieve = 1;\n");
    QStringList asked;
    QString done;
    whenModal([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<TSpellCheckFrm*>(modal)) {
            asked << dialog->editUnknown->text();
            dialog->btnChange->click();
            return false;
        }
        done = clickMessageBox(modal);
        return !done.isEmpty();
    });
    e->SynEdit1->setCaretXY(2, 1); // the check starts here
    m_form->Spellcheck1Click();
    EXPECT_EQ(asked, QStringList{"recieve"});
    EXPECT_EQ(done, "Spell check done!");
    EXPECT_EQ(e->SynEdit1->line(0), "// receive the name");
    EXPECT_EQ(e->SynEdit1->line(1), "int recieve = 1;");
    EXPECT_EQ(e->SynEdit1->caretXY(), (BufferCoord{2, 1}));
}

TEST_F(PrintAndUtilitiesTest, PreviewOfThreePagesOpensOnPageOne)
{
    start();
    QByteArray text;
    for (int i = 0; i < 130; ++i)
        text += "int a" + QByteArray::number(i) + " = " + QByteArray::number(i) + ";\n";
    open("Name.java", text);
    QString status, caption;
    whenModal([&](QWidget* modal) {
        auto* preview = qobject_cast<TPrintPreviewFrm*>(modal);
        if (!preview)
            return false;
        status = preview->StatusPanels[1]->text();
        caption = preview->windowTitle();
        preview->close();
        return true;
    });
    m_form->ForhndVisning1Click();
    EXPECT_EQ(status, " Page: 1 of 3");
    EXPECT_EQ(caption, "Print preview of document - Name.java");
}

// Printing to a file proposes the document's own name in the folder of the
// last file printed, not the last document's file.
TEST_F(PrintAndUtilitiesTest, PrintToFileProposesTheDocumentsName)
{
    start();
    QStringList proposed;
    auto answer = [&proposed](const QString& chosen) {
        whenModal([&proposed, chosen](QWidget* modal) {
            auto* dialog = qobject_cast<QPrintDialog*>(modal);
            if (!dialog)
                return false;
            auto* file = dialog->findChild<QLineEdit*>("filename");
            proposed << (file ? file->text() : QString());
            if (file && !chosen.isEmpty()) {
                file->setText(chosen);
                QMetaObject::invokeMethod(dialog, "accept");
            } else {
                dialog->reject();
            }
            return true;
        });
    };
    open("First.java", "int a;\n");
    answer(m_files.filePath("First.pdf"));
    m_form->Print1Click();
    open("Second.txt", "one line\n");
    answer(QString());
    m_form->Print1Click();
    ASSERT_EQ(proposed.size(), 2); // the first depends on the platform
    EXPECT_EQ(proposed[1], m_files.filePath("Second.pdf"));
    EXPECT_TRUE(QFile::exists(m_files.filePath("First.pdf")));
}

// Export of a selection of three lines writes only those, with "<" and "&"
// escaped, and no temporary file is left beside it.
TEST_F(PrintAndUtilitiesTest, ExportToHtmlOfASelection)
{
    start();
    TEditForm* e = open("Sel.java", "int a;\nif (a < b && c) {}\nint c;\nint d;\nint e;\n");
    e->SynEdit1->setSelection({1, 2}, {7, 4});
    const QString target = m_files.filePath("out.html");
    QString proposed;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return false;
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (!name)
            return false;
        proposed = name->text();
        // Typed as a user types it: selectFile() leaves the name box alone
        // once it has the focus, which a loaded machine gives it before this
        // runs now and then.
        dialog->setDirectory(m_files.path());
        name->setText(QFileInfo(target).fileName());
        QMetaObject::invokeMethod(dialog, "accept");
        return true;
    });
    m_form->HTML3Click();
    EXPECT_EQ(proposed, "Sel.html");
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << QDir(m_files.path()).entryList(QDir::Files).join(' ').toStdString();
    const QString html = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(html.contains("<title>&quot;Sel.java&quot; exported as HTML</title>"));
    EXPECT_TRUE(html.contains("&lt;")) << html.toStdString();
    EXPECT_TRUE(html.contains("&amp;&amp;"));
    EXPECT_FALSE(html.contains("int a;"));
    EXPECT_FALSE(html.contains("int e;"));
    EXPECT_EQ(QDir(m_files.path()).entryList({"*.html*", ".*"}, QDir::Files | QDir::Hidden), QStringList{"out.html"});
}

} // namespace
