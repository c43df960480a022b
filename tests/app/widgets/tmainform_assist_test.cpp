#include "app/widgets/tmainform.h"
#include "common/framewindowtest.h"
#include "editor/widgets/tsynedit.h"
#include "workspace/widgets/teditform.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class MainFormAssistTest : public FrameWindowTest {
protected:
    void SetUp() override
    {
        FrameWindowTest::SetUp();
        startFrame();
    }
    TEditForm* open(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_files.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        m_form->LoadFile(path);
        return m_form->GetActiveEditor();
    }

    QTemporaryDir m_files;
};

TEST_F(MainFormAssistTest, ScannersReadTheActiveDocument)
{
    EXPECT_EQ(m_form->FinnKlasseNavnene(), QStringList());
    EXPECT_EQ(m_form->FinnClassStart(3), -1);
    EXPECT_EQ(m_form->FinnScopeSlutt(0), -1);

    open("Shapes.java", "public class Shape {\r\n  private int x;\r\n  public void draw(int scale) {\r\n  }\r\n}\r\n"
                        "class Circle extends Shape {\r\n  double r;\r\n}\r\n");
    EXPECT_EQ(m_form->FinnKlasseNavnene(), (QStringList{"Shape", "Circle"}));
    EXPECT_EQ(m_form->FinnAlleDatamedlemmer("Shape", false), QStringList{"public void draw(int scale)"});
    EXPECT_EQ(m_form->FinnAlleDatamedlemmer("Shape", true),
              (QStringList{"private int x", "public void draw(int scale)"}));
    EXPECT_EQ(m_form->NormalizeMemberEntries(m_form->ClipAndFindMultilineDatamembers("Shape")),
              (QStringList{"private int x", "void draw(int scale)"}));
    EXPECT_EQ(m_form->FinnClassStart(6), 5);
    EXPECT_EQ(m_form->FinnScopeSlutt(0), 4);
}

} // namespace
