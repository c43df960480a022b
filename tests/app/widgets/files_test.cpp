// Files as Linux has them, through the frame window: only regular files
// open, a document keeps its encoding, names that are not UTF-8 keep their
// bytes, and settings typed by hand stay in range.
#include "app/widgets/mainmenus.h"
#include "app/widgets/tmainform.h"
#include "common/framewindowtest.h"
#include "editor/widgets/tsynedit.h"
#include "editor/widgets/tsyngutter.h"
#include "settings/fileaccess.h"
#include "settings/inifile.h"
#include "workspace/widgets/teditform.h"

#include "common/messageboxes.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

class FilesTest : public FrameWindowTest {
protected:
    void start()
    {
        m_form = new TMainForm;
        m_form->resize(900, 600);
        m_form->show();
    }
    QString file(const char* name, const QByteArray& bytes)
    {
        const QString path = m_files.filePath(QString::fromUtf8(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    static QByteArray contents(const QString& path)
    {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    void trigger(const char* action) { m_form->menus->action(QLatin1String(action))->trigger(); }

    QTemporaryDir m_files;
};

TEST_F(FilesTest, AnythingButARegularFileIsRefusedAtOnceNamingThePath)
{
    start();
    const QString fifo = m_files.filePath("pipe.java");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    MessageBoxAnswerer boxes;
    for (const QString& path : {fifo, QStringLiteral("/dev/zero"), m_files.path()})
        m_form->LoadFile(path);
    ASSERT_EQ(boxes.texts.size(), 3);
    EXPECT_EQ(boxes.texts[0],
              QStringLiteral("Cannot open file \"%1\". It is a named pipe (FIFO), not a regular file.").arg(fifo));
    EXPECT_TRUE(boxes.texts[1].startsWith("Cannot open file \"/dev/zero\". It is a device"));
    EXPECT_TRUE(boxes.texts[2].endsWith("It is a directory."));
    EXPECT_TRUE(m_form->editors().empty());
    // The window goes on working.
    m_form->LoadFile(file("A.java", "class A {}\n"));
    ASSERT_EQ(m_form->editors().size(), 1u);
    EXPECT_EQ(m_form->editors()[0]->SynEdit1->line(0), "class A {}");
}

TEST_F(FilesTest, AFileOver256MBIsOpenedOnlyWhenTheUserAgrees)
{
    start();
    const QString path = m_files.filePath("huge.txt");
    {
        QFile f(path); // sparse: no disk is used
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(300) * 1024 * 1024));
    }
    MessageBoxAnswerer boxes(QStringLiteral("No"));
    m_form->LoadFile(path);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0], QStringLiteral("The file \"%1\" is 300 MB. Opening it takes much memory and time. "
                                             "Do you want to open it?")
                                  .arg(path));
    EXPECT_TRUE(m_form->editors().empty());
}

TEST_F(FilesTest, ASettingsFileThatIsNoRegularFileReadsAsEmpty)
{
    const QString ini = m_home.filePath("Vornic.ini");
    ASSERT_EQ(::mkfifo(ini.toLocal8Bit().constData(), 0600), 0);
    start(); // would block for good reading the FIFO
    EXPECT_EQ(m_form->SettingsIni->ReadString("EditorOptions", "FontType", "default"), "default");
    delete m_form;
    m_form = nullptr;
    ASSERT_EQ(::unlink(ini.toLocal8Bit().constData()), 0);
    ASSERT_EQ(::symlink("/dev/zero", ini.toLocal8Bit().constData()), 0);
    start(); // would read /dev/zero until memory runs out
    EXPECT_EQ(m_form->SettingsIni->ReadInteger("EditorOptions", "FontSize", 10), 10);
    // Nor is the device replaced by a settings file.
    EXPECT_THROW(m_form->SettingsIni->WriteInteger("EditorOptions", "FontSize", 12), IniWriteError);
    struct stat st {};
    ASSERT_EQ(::stat("/dev/zero", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST_F(FilesTest, AUtf8FileShowsRightAndSavesBackByteForByte)
{
    start();
    const QByteArray bytes = "// Gr\xC3\xBC\xC3\x9F"
                             "e, na\xC3\xAFve \xE2\x98\x83\r\nclass A {}\r\n";
    const QString path = file("A.java", bytes);
    m_form->LoadFile(path);
    TEditForm* e = m_form->GetActiveEditor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->SynEdit1->line(0), u8("// Gr\xC3\xBC\xC3\x9F"
                                       "e, na\xC3\xAFve \xE2\x98\x83"));
    EXPECT_EQ(e->encodingText(), "UTF-8");
    e->Modified = true;
    m_form->Save1Click();
    EXPECT_EQ(contents(path), bytes);
}

TEST_F(FilesTest, ReloadAndSaveWithEncodingLoseNothing)
{
    start();
    const QString path = file("notes.txt", "5 \xA4 caf\xE9\n");
    m_form->LoadFile(path);
    TEditForm* e = m_form->GetActiveEditor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->encodingText(), "Windows-1252");

    trigger("reloadISO-8859-15");
    EXPECT_EQ(e->SynEdit1->line(0), u8("5 \xE2\x82\xAC caf\xC3\xA9"));
    EXPECT_EQ(e->encodingText(), "ISO-8859-15");
    {
        MessageBoxAnswerer boxes; // the bytes are no UTF-8
        trigger("reloadUTF-8");
        ASSERT_EQ(boxes.texts.size(), 1);
        EXPECT_TRUE(boxes.texts[0].contains("not UTF-8")) << boxes.texts[0].toStdString();
    }
    EXPECT_EQ(e->SynEdit1->line(0), u8("5 \xE2\x82\xAC caf\xC3\xA9"));
    EXPECT_EQ(e->encodingText(), "ISO-8859-15");

    trigger("saveUTF-8");
    EXPECT_EQ(contents(path), "5 \xE2\x82\xAC caf\xC3\xA9\n");
    EXPECT_EQ(e->encodingText(), "UTF-8");

    e->SynEdit1->setCaretXY(1, 1);
    e->SynEdit1->setSelText(u8("\xE2\x98\x83"));
    {
        MessageBoxAnswerer boxes;
        trigger("saveISO-8859-1"); // neither the snowman nor the euro sign fit
        ASSERT_EQ(boxes.texts.size(), 1);
        EXPECT_TRUE(boxes.texts[0].startsWith(u8("ISO-8859-1 cannot hold these characters of the document: "
                                                 "\"\xE2\x98\x83\xE2\x82\xAC\"")))
            << boxes.texts[0].toStdString();
    }
    EXPECT_EQ(contents(path), "5 \xE2\x82\xAC caf\xC3\xA9\n");
    EXPECT_EQ(e->encodingText(), "UTF-8");
}

TEST_F(FilesTest, ANameThatIsNotUtf8OpensAndSavesUnderItsOwnBytes)
{
    start();
    const QByteArray raw = FileAccess::nativeFileName(m_files.path()) + "/caf\xE9.txt";
    {
        // Qt cannot name it: made by its bytes.
        const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "old\n", 4), 4);
        ::close(fd);
    }
    m_form->LoadFile(FileAccess::fileNameFromNative(raw));
    TEditForm* e = m_form->GetActiveEditor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->SynEdit1->line(0), "old");
    e->SynEdit1->setLine(0, "new");
    m_form->Save1Click();
    EXPECT_EQ(FileAccess::readRegularFile(FileAccess::fileNameFromNative(raw)).value(), "new\n");
}

TEST_F(FilesTest, NumbersTypedIntoTheSettingsFileAreKeptInRange)
{
    IniFile ini(m_home.filePath("Vornic.ini"));
    ini.WriteString("ApplicationOptions", "AutoSave", "1");
    ini.WriteString("ApplicationOptions", "AutoSaveInterval", "35792");
    ini.WriteString("EditorOptions", "FontSize", "100000");
    ini.WriteString("EditorOptions", "GutterSize", "100000");
    start();
    EXPECT_EQ(m_form->AutosaveTimer->interval(), 35791 * 60000);
    m_form->LoadFile(file("a.txt", "x\n"));
    TEditForm* e = m_form->GetActiveEditor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->SynEdit1->font().pointSize(), 72);
    EXPECT_EQ(e->SynEdit1->gutter()->gutterWidth(), 300);
}

} // namespace
