#include "app/widgets/filepanel.h"
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "editor/widgets/tsynedit.h"
#include "workspace/widgets/teditform.h"

#include "common/shellscript.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Stands in for the desktop's handler of file URLs.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

// A stand-in terminal on PATH that notes the folder it starts in.
class FakeTerminal {
public:
    FakeTerminal() : m_path(qgetenv("PATH"))
    {
        writeShellScript(m_bin.filePath("x-terminal-emulator"), QString("pwd > '%1'").arg(seen()));
        qputenv("PATH", m_bin.path().toLocal8Bit() + ":" + m_path);
    }
    ~FakeTerminal() { qputenv("PATH", m_path); }
    QString seen() const { return m_bin.filePath("seen.txt"); }
    QString folder() const
    {
        if (!QTest::qWaitFor([this] { return QFileInfo(seen()).size() > 0; }, 5000))
            return {};
        QFile f(seen());
        f.open(QIODevice::ReadOnly);
        return QString::fromLocal8Bit(f.readAll()).trimmed();
    }

private:
    QTemporaryDir m_bin;
    QByteArray m_path;
};

class ExternalProgramsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("VORNIC_HOME", m_home.path().toLocal8Bit());
        m_form = new TMainForm;
        QDesktopServices::setUrlHandler("file", &m_catcher, "open");
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler("file");
        for (TEditForm* e : m_form->editors())
            e->Modified = false;
        delete m_form;
        qunsetenv("VORNIC_HOME");
    }
    QTemporaryDir m_home, m_work;
    TMainForm* m_form = nullptr;
    UrlCatcher m_catcher;
};

TEST_F(ExternalProgramsTest, TheBrowserGetsTheSavedDocument)
{
    const QString path = m_work.filePath("notes.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old\n");
    f.close();
    m_form->LoadFile(path);
    m_form->GetActiveEditor()->SynEdit1->setLine(0, "new");
    m_form->GetActiveEditor()->Modified = true;
    m_form->menus->action("Viewpageinbrowser1")->trigger();
    ASSERT_EQ(m_catcher.urls.size(), 1);
    EXPECT_EQ(m_catcher.urls[0], QUrl::fromLocalFile(path));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("new"));
}

TEST_F(ExternalProgramsTest, ANeverSavedDocumentWhoseSaveIsCancelledIsNotShown)
{
    m_form->NewDocument(NewDocuments::Kind::Html);
    m_form->GetActiveEditor()->Modified = true;
    QTimer::singleShot(100, qApp, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    m_form->Viewpageinbrowser1Click();
    EXPECT_TRUE(m_catcher.urls.isEmpty());
}

TEST_F(ExternalProgramsTest, TheFilePanelsCommandsStartInItsFolder)
{
    const QString folder = QDir(m_work.path()).canonicalPath();
    m_form->filePanel->setDirectory(folder);
    m_form->Explorefromhere1Click();
    ASSERT_EQ(m_catcher.urls.size(), 1);
    EXPECT_EQ(m_catcher.urls[0], QUrl::fromLocalFile(folder));

    FakeTerminal terminal;
    QStringList items;
    for (QAction* a : m_form->PopupMenu5->actions())
        items << a->text();
    EXPECT_EQ(items, QStringList({"Create new directory", "Set as working dir", "Explore from here",
                                  "Open in dos promt from here"}));
    m_form->PopupMenu5->actions().last()->trigger();
    EXPECT_EQ(terminal.folder(), folder);
}

TEST_F(ExternalProgramsTest, TheFileManagerOpensOnTheHomeFolder)
{
    m_form->WindowsExplorer1Click();
    ASSERT_EQ(m_catcher.urls.size(), 1);
    EXPECT_EQ(m_catcher.urls[0], QUrl::fromLocalFile(QDir::homePath()));
}

} // namespace

#include "externalprograms_test.moc"
