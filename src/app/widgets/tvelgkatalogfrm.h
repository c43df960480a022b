#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QPushButton;
class QTimer;
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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showDrive(const QString& root);
    void reveal();

    QFileSystemModel* m_model;
    QString m_directory;
    QTimer* m_revealTimer;
    bool m_revealing = false;
};
