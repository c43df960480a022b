#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

class QComboBox;
class QFileSystemModel;
class QListView;
class QTreeView;

// The "Files" page: the drive box (the roots a user reaches here: "/", the
// home folder, mounted volumes), the directory tree, the masked file list
// and the file-type box.
class FilePanel : public QWidget {
    Q_OBJECT
public:
    explicit FilePanel(QWidget* parent = nullptr);

    QComboBox* DriveComboBox3 = nullptr;
    QTreeView* DirectoryListBox3 = nullptr;
    QListView* FileListBox3 = nullptr;
    QComboBox* FilterComboBox1 = nullptr;

    // Entries of the file-type box: description and mask ("*.java").
    void setFilterEntries(const std::vector<std::pair<QString, QString>>& entries);
    int filterIndex() const;
    void setFilterIndex(int index);
    // The mask of the selected file-type entry.
    QString filterMask() const;
    // The file list's mask; several masks are separated by ";".
    QString fileMask() const { return m_mask; }
    void setFileMask(const QString& mask);
    QString directory() const;
    void setDirectory(const QString& path);
    // The folder of the directory tree at a point of its viewport; empty
    // where there is none.
    QString directoryAt(const QPoint& viewportPoint) const;

signals:
    void fileActivated(const QString& path);

private:
    QFileSystemModel* m_dirs;
    QFileSystemModel* m_files;
    QString m_mask = QStringLiteral("*.*");
};
