#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QPushButton;
class QTreeView;

// TVelgKatalogFrm (velg katalog: choose directory): "Select directory", a
// drive box and the directory tree of that drive; a click on a directory
// opens and chooses it.
class TVelgKatalogFrm : public QDialog {
    Q_OBJECT
public:
    // Starts at `start` when it is a directory, else in the home folder.
    explicit TVelgKatalogFrm(const QString& start, QWidget* parent = nullptr);

    QComboBox* driveBox = nullptr;
    QTreeView* directoryList = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    QString directory() const { return m_directory; }
    void setDirectory(const QString& path);

private:
    void showDrive(const QString& root);

    QFileSystemModel* m_model;
    QString m_directory;
};
