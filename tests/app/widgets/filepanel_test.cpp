#include "app/widgets/filepanel.h"

#include <QFile>
#include <QFileSystemModel>
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

TEST(FilePanel, MaskedFileListIgnoresLetterCaseAndOpensOnDoubleClick)
{
    QTemporaryDir dir;
    for (const char* name : {"a.java", "B.JAVA", "c.txt", "page.HTM"}) {
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
    QTRY_COMPARE(shownFiles(panel), QStringList({"B.JAVA", "a.java"}));
    panel.setFileMask("*.htm");
    QTRY_COMPARE(shownFiles(panel), QStringList({"page.HTM"}));
    panel.setFileMask("*.*");
    QTRY_COMPARE(shownFiles(panel).size(), 4);

    QSignalSpy opened(&panel, &FilePanel::fileActivated);
    panel.setFileMask("*.txt");
    QTRY_COMPARE(shownFiles(panel).size(), 1);
    const QModelIndex first = model->index(0, 0, panel.FileListBox3->rootIndex());
    emit panel.FileListBox3->doubleClicked(first);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.at(0).at(0).toString(), dir.filePath("c.txt"));
}

} // namespace
