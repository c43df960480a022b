#include "app/widgets/tvelgkatalogfrm.h"

#include "app/directoryrules.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

TVelgKatalogFrm::TVelgKatalogFrm(const QString& start, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Select directory"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    driveBox = new QComboBox(this);
    driveBox->addItems(fileSystemRoots());

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setRootPath(QStringLiteral("/"));
    directoryList = new QTreeView(this);
    directoryList->setModel(m_model);
    directoryList->setHeaderHidden(true);
    for (int c = 1; c < m_model->columnCount(); ++c)
        directoryList->hideColumn(c);
    directoryList->setMinimumSize(260, 260);

    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    okButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(driveBox);
    layout->addWidget(directoryList, 1);
    layout->addLayout(buttons);

    setDirectory(QFileInfo(start).isDir() ? start : QDir::homePath());

    connect(driveBox, &QComboBox::activated, this, [this](int) { showDrive(driveBox->currentText()); });
    connect(directoryList, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        m_directory = m_model->filePath(index);
        directoryList->expand(index);
    });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TVelgKatalogFrm::setDirectory(const QString& path)
{
    const QString root = fileSystemRootOf(path, fileSystemRoots());
    const int drive = driveBox->findText(root);
    if (drive >= 0)
        driveBox->setCurrentIndex(drive);
    showDrive(root);
    m_directory = path;
    const QModelIndex index = m_model->index(path);
    directoryList->setCurrentIndex(index);
    directoryList->scrollTo(index);
}

void TVelgKatalogFrm::showDrive(const QString& root)
{
    // The tree shows the drive's folders; the drive itself is chosen until
    // a folder is clicked.
    directoryList->setRootIndex(m_model->index(root));
    directoryList->clearSelection();
    m_directory = root;
}
