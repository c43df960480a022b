#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

// "Create directory": asks for the name of a new folder and makes it
// directly under the directory selected in the file panel. The dialog is
// accepted only when the folder was made, so the caller knows to refresh.
class TCreateDirFrm : public QDialog {
    Q_OBJECT
public:
    explicit TCreateDirFrm(const QString& directory, QWidget* parent = nullptr);

    QLineEdit* nameEdit = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // The folder made by OK; empty until one is.
    QString createdPath() const { return m_created; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OKBtnClick();

    QString m_directory;
    QString m_created;
};
