#include "settings/inifile.h"
#include "utilities/widgets/ttipwindowfrm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

class TipWindowTest : public ::testing::Test {
protected:
    QString tipsFile(const QByteArray& text)
    {
        const QString path = m_dir.filePath(QStringLiteral("tips.txt"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }
    // The error box the window shows beside itself, if any.
    static QString errorShown(const QWidget* window)
    {
        for (QMessageBox* box : window->findChildren<QMessageBox*>())
            if (box->isVisible())
                return box->text();
        return {};
    }

    QTemporaryDir m_dir;
    IniFile m_ini{m_dir.filePath(QStringLiteral("Vornic.ini"))};
};

TEST_F(TipWindowTest, ShowsTipsInACycleOnThePicture)
{
    const QString path = tipsFile("Tips\n--\n3\n#1%\nFirst tip\n#2%\nSecond tip\n#3%\nThird tip\n");
    QPointer<TTipWindowFrm> tip = new TTipWindowFrm(m_ini, path);
    tip->show();
    EXPECT_EQ(tip->tipCount(), 3);
    EXPECT_FALSE(tip->Image1->pixmap().isNull());
    EXPECT_EQ(tip->Image1->pixmap().size(), QSize(399, 198));
    EXPECT_EQ(errorShown(tip), QString());
    tip->setCurrentTip(3);
    tip->Button1->click(); // "Next tip"
    EXPECT_EQ(tip->RichEdit1->toPlainText(), QStringLiteral("First tip"));
    tip->Button1->click();
    EXPECT_EQ(tip->RichEdit1->toPlainText(), QStringLiteral("Second tip"));
    tip->Button2->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(tip.isNull()); // closed windows go
}

TEST_F(TipWindowTest, CheckBoxIsWrittenWhenTheWindowCloses)
{
    const QString path = tipsFile("T\n-\n1\n#1%\nOnly tip\n");
    auto* tip = new TTipWindowFrm(m_ini, path);
    tip->show();
    EXPECT_TRUE(tip->CheckBox1->isChecked()); // doShow defaults to true
    EXPECT_EQ(tip->RichEdit1->toPlainText(), QStringLiteral("Only tip"));
    tip->CheckBox1->setChecked(false);
    tip->close();
    EXPECT_EQ(m_ini.ReadString(QStringLiteral("Tips"), QStringLiteral("doShow"), QString()), QStringLiteral("0"));

    QPointer<TTipWindowFrm> again = new TTipWindowFrm(m_ini, path);
    again->show();
    EXPECT_FALSE(again->CheckBox1->isChecked());
    again->CheckBox1->setChecked(true);
    again->reject(); // Escape closes it as well
    EXPECT_EQ(m_ini.ReadString(QStringLiteral("Tips"), QStringLiteral("doShow"), QString()), QStringLiteral("1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(again.isNull());
}

// A missing file or a count that is no number: the error is shown once and
// the window opens without a tip; "Next tip" does nothing.
TEST_F(TipWindowTest, UnreadableTipsOpenTheWindowEmpty)
{
    const std::pair<QByteArray, QString> cases[] = {
        {QByteArray(), QStringLiteral("tips.txt")},
        {"T\n-\nzero\n#1%\ntip\n", QStringLiteral("'zero' is not a valid integer value")},
        {"T\n-\n0\n#0%\ntip\n", QStringLiteral("'0' is not a valid integer value")},
    };
    for (const auto& [text, error] : cases) {
        const QString path = text.isEmpty() ? m_dir.filePath(QStringLiteral("tips.txt")) : tipsFile(text);
        if (text.isEmpty())
            QFile::remove(path);
        auto* tip = new TTipWindowFrm(m_ini, path);
        tip->show();
        EXPECT_TRUE(errorShown(tip).contains(error)) << errorShown(tip).toStdString();
        EXPECT_EQ(tip->RichEdit1->toPlainText(), QString());
        tip->Button1->click();
        EXPECT_EQ(tip->RichEdit1->toPlainText(), QString());
        delete tip;
    }
}

} // namespace
