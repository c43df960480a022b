#include "app/widgets/tcreatedirfrm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Clicks OK on the next message box and keeps its text.
void answerNextMessage(QString* text)
{
    QTimer::singleShot(50, qApp, [text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->accept();
        }
    });
}

class TCreateDirFrmTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
};

TEST_F(TCreateDirFrmTest, ShowsTheSelectedDirectoryAndCreatesTheTrimmedName)
{
    TCreateDirFrm dialog(m_dir.path());
    EXPECT_EQ(dialog.windowTitle(), "Create directory");
    bool quoted = false;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        quoted = quoted || label->text() == '"' + m_dir.path() + '"';
    EXPECT_TRUE(quoted);
    dialog.show();
    dialog.nameEdit->setText(" docs ");
    dialog.okButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.createdPath(), m_dir.path() + "/docs");
    EXPECT_TRUE(QDir(m_dir.path() + "/docs").exists());
}

TEST_F(TCreateDirFrmTest, RefusedNameKeepsTheDialogOpenAndCreatesNothing)
{
    TCreateDirFrm dialog(m_dir.path());
    dialog.show();
    dialog.nameEdit->setText("../escape");
    QString message;
    answerNextMessage(&message);
    dialog.okButton->click();
    EXPECT_EQ(message, "The directory could not be created because a directory name cannot contain \"/\".");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.createdPath().isEmpty());
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_FALSE(QDir(m_dir.path() + "/../escape").exists());
}

TEST_F(TCreateDirFrmTest, ExistingDirectoryIsReportedAndTheDialogCloses)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("old"));
    TCreateDirFrm dialog(m_dir.path());
    dialog.show();
    dialog.nameEdit->setText("old");
    QString message;
    answerNextMessage(&message);
    dialog.okButton->click();
    EXPECT_EQ(message, "The directory could not be created because it already exists?");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
