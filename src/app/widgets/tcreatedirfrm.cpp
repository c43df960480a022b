#include "app/widgets/tcreatedirfrm.h"

#include "app/directoryrules.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TCreateDirFrm::TCreateDirFrm(const QString& directory, QWidget* parent) : QDialog(parent), m_directory(directory)
{
    setWindowTitle(QStringLiteral("Create directory"));

    // The information text speaks of the name box "below".
    auto* info = new QGroupBox(QStringLiteral("Information:"), this);
    auto* text = new QLabel(QStringLiteral("The directory spesified under directory name below will be\n"
                                           "created as a subfolder of:"),
                            info);
    auto* where = new QLabel(QLatin1Char('"') + directory + QLatin1Char('"'), info);
    where->setTextFormat(Qt::PlainText);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* infoLayout = new QVBoxLayout(info);
    infoLayout->addWidget(text);
    infoLayout->addWidget(where);

    auto* nameBox = new QGroupBox(QStringLiteral("Directory name:"), this);
    nameEdit = new QLineEdit(nameBox);
    auto* nameLayout = new QVBoxLayout(nameBox);
    nameLayout->addWidget(nameEdit);

    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addWidget(nameBox);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    nameEdit->setFocus();
}

void TCreateDirFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the screen, not on the main window.
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void TCreateDirFrm::OKBtnClick()
{
    const CreateDirResult r = createDirectory(m_directory, nameEdit->text());
    switch (r.outcome) {
    case CreateDirOutcome::Created:
        m_created = r.path;
        accept();
        return;
    case CreateDirOutcome::InvalidName:
        // Stays open so the name can be put right.
        QMessageBox::information(this, QStringLiteral("Information"), r.message);
        nameEdit->setFocus();
        nameEdit->selectAll();
        return;
    case CreateDirOutcome::AlreadyExists:
        QMessageBox::information(this, QStringLiteral("Information"), r.message);
        break;
    case CreateDirOutcome::Failed:
        QMessageBox::critical(this, QApplication::applicationName(), r.message);
        break;
    }
    reject();
}
