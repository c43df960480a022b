#include "app/widgets/filepanel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList shownFiles(const FilePanel& panel)
{
    QStringList names;
    const QModelIndex root = panel.FileListBox3->rootIndex();
    const QAbstractItemModel* model = panel.FileListBox3->model();
    for (int r = 0; r < model->rowCount(root); ++r)
        names << model->index(r, 0, root).data().toString();
    names.sort();
    return names;
}

// The list fills from a thread of the model's own: wait until it shows
// what is expected, or give up and show what it holds.
::testing::AssertionResult showsInTime(const FilePanel& panel, const QStringList& expected)
{
    if (QTest::qWaitFor([&] { return shownFiles(panel) == expected; }, 5000))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shown: " << shownFiles(panel).join(", ").toStdString();
}

TEST(FilePanel, MaskedFileListIgnoresLetterCaseAndOpensOnDoubleClick)
{
    QTemporaryDir dir;
    for (const char* name : {"a.java", "B.JAVA", "c.txt", "page.HTM", "page.html"}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    FilePanel panel;
    panel.show();
    auto* model = static_cast<QFileSystemModel*>(panel.FileListBox3->model());
    QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
    panel.setDirectory(dir.path());
    panel.setFileMask("*.java");
    ASSERT_TRUE(loaded.wait(3000) || model->rowCount(panel.FileListBox3->rootIndex()) > 0);
    EXPECT_TRUE(showsInTime(panel, QStringList({"B.JAVA", "a.java"})));
    panel.setFileMask("*.htm");
    EXPECT_TRUE(showsInTime(panel, QStringList({"page.HTM"})));
    panel.setFileMask("*.htm;*.html");
    EXPECT_TRUE(showsInTime(panel, QStringList({"page.HTM", "page.html"})));
    panel.setFileMask("*.*");
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownFiles(panel).size() == 5; }, 5000));

    QSignalSpy opened(&panel, &FilePanel::fileActivated);
    panel.setFileMask("*.txt");
    ASSERT_TRUE(showsInTime(panel, QStringList({"c.txt"})));
    const QModelIndex first = model->index(0, 0, panel.FileListBox3->rootIndex());
    emit panel.FileListBox3->doubleClicked(first);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.at(0).at(0).toString(), dir.filePath("c.txt"));
}

// The list shows the files the filter box names from the start, before any
// entry is chosen.
TEST(FilePanel, FilledFilterBoxMasksTheListAtOnce)
{
    QTemporaryDir dir;
    for (const char* name : {"a.java", "c.txt"}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    FilePanel panel;
    panel.show();
    panel.setDirectory(dir.path());
    panel.setFilterEntries({{"Java (*.java)", "*.java"}, {"All files (*.*)", "*.*"}});
    EXPECT_EQ(panel.FilterComboBox1->currentText(), "Java (*.java)");
    EXPECT_TRUE(showsInTime(panel, QStringList({"a.java"})));
}

// The two boxes carry their captions, and the panel opens on the folder the
// program was started in.
TEST(FilePanel, BoxesAreLabelledAndTheWorkingFolderShows)
{
    FilePanel panel;
    panel.show();
    for (const auto& [caption, box] : {std::pair<QString, QComboBox*>{"Drive:", panel.DriveComboBox3},
                                       std::pair<QString, QComboBox*>{"Filter:", panel.FilterComboBox1}}) {
        QLabel* label = nullptr;
        for (QLabel* l : panel.findChildren<QLabel*>())
            if (l->text().remove('&') == caption)
                label = l;
        ASSERT_NE(label, nullptr) << caption.toStdString();
        EXPECT_EQ(label->buddy(), box);
        EXPECT_TRUE(label->isVisible());
    }
    EXPECT_EQ(panel.directory(), QDir::currentPath());
}

} // namespace
