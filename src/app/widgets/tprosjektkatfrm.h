#pragma once

#include "app/directoryrules.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// TProsjektKatFrm (prosjektkatalog: project catalogue): edits the HTML
// project's root directory and its images sub-folder. The caller copies
// catalogue() back when the dialog is accepted.
class TProsjektKatFrm : public QDialog {
    Q_OBJECT
public:
    explicit TProsjektKatFrm(const ProjectCatalogue& catalogue, QWidget* parent = nullptr);

    QLineEdit* rootEdit = nullptr;
    QLineEdit* imagesEdit = nullptr;
    QPushButton* findButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* helpButton = nullptr;

    // The two boxes as they stand.
    ProjectCatalogue catalogue() const;

private:
    void findClick();
};
