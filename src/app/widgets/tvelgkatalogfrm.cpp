#include "app/widgets/tvelgkatalogfrm.h"

#include "app/directoryrules.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
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

    // The model lists folders in the background and the rows it adds move
    // the start folder down: scroll to it again once the listing settles.
    m_revealTimer = new QTimer(this);
    m_revealTimer->setSingleShot(true);
    m_revealTimer->setInterval(50);
    connect(m_revealTimer, &QTimer::timeout, this, [this] { reveal(); });
    const auto settle = [this] {
        if (m_revealing)
            m_revealTimer->start();
    };
    connect(m_model, &QFileSystemModel::directoryLoaded, this, settle);
    connect(m_model, &QFileSystemModel::rowsInserted, this, settle);
    connect(driveBox, &QComboBox::activated, this, [this](int) { showDrive(driveBox->currentText()); });
    connect(directoryList, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        m_revealing = false;
        m_directory = m_model->filePath(index);
        directoryList->expand(index);
    });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    setDirectory(QFileInfo(start).isDir() ? start : QDir::homePath());
}

void TVelgKatalogFrm::setDirectory(const QString& path)
{
    const QString root = fileSystemRootOf(path, fileSystemRoots());
    const int drive = driveBox->findText(root);
    if (drive >= 0)
        driveBox->setCurrentIndex(drive);
    showDrive(root);
    m_directory = path;
    m_revealing = true;
    reveal();
}

void TVelgKatalogFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_revealing)
        m_revealTimer->start();
}

void TVelgKatalogFrm::reveal()
{
    if (!m_revealing)
        return;
    const QModelIndex index = m_model->index(m_directory);
    directoryList->setCurrentIndex(index);
    directoryList->scrollTo(index);
}

void TVelgKatalogFrm::showDrive(const QString& root)
{
    // The tree shows the drive's folders; the drive itself is chosen until
    // a folder is clicked.
    directoryList->setRootIndex(m_model->index(root));
    directoryList->clearSelection();
    m_revealing = false;
    m_directory = root;
}
