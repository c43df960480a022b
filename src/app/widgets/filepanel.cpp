#include "app/widgets/filepanel.h"

#include "app/directoryrules.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QTreeView>

FilePanel::FilePanel(QWidget* parent) : QWidget(parent)
{
    DriveComboBox3 = new QComboBox(this);
    DriveComboBox3->setObjectName(QStringLiteral("DriveComboBox3"));
    DriveComboBox3->addItems(fileSystemRoots());

    m_dirs = new QFileSystemModel(this);
    m_dirs->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_dirs->setRootPath(QStringLiteral("/"));
    DirectoryListBox3 = new QTreeView(this);
    DirectoryListBox3->setObjectName(QStringLiteral("DirectoryListBox3"));
    DirectoryListBox3->setModel(m_dirs);
    DirectoryListBox3->setHeaderHidden(true);
    for (int c = 1; c < m_dirs->columnCount(); ++c)
        DirectoryListBox3->hideColumn(c);

    m_files = new QFileSystemModel(this);
    m_files->setFilter(QDir::Files);
    m_files->setNameFilterDisables(false);
    m_files->setOption(QFileSystemModel::DontWatchForChanges, false);
    FileListBox3 = new QListView(this);
    FileListBox3->setObjectName(QStringLiteral("FileListBox3"));
    FileListBox3->setModel(m_files);

    FilterComboBox1 = new QComboBox(this);
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));

    // The panel is narrow: the boxes must not widen it to their longest item.
    for (QComboBox* box : {DriveComboBox3, FilterComboBox1}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(8);
    }
    DirectoryListBox3->setMinimumWidth(60);
    FileListBox3->setMinimumWidth(60);

    // Each box has its caption beside it; the layout gives the boxes the
    // rest of the panel's width, whatever its splitter does.
    auto* driveLabel = new QLabel(QStringLiteral("&Drive:"), this);
    driveLabel->setBuddy(DriveComboBox3);
    // No Alt key for the filter: its letters open menus (Alt+I is the
    // Insert menu of HTML documents).
    auto* filterLabel = new QLabel(QStringLiteral("Filter:"), this);
    filterLabel->setBuddy(FilterComboBox1);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(driveLabel, 0, 0);
    layout->addWidget(DriveComboBox3, 0, 1);
    layout->addWidget(DirectoryListBox3, 1, 0, 1, 2);
    layout->addWidget(FileListBox3, 2, 0, 1, 2);
    layout->addWidget(filterLabel, 3, 0);
    layout->addWidget(FilterComboBox1, 3, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    layout->setRowStretch(2, 1);

    connect(DriveComboBox3, &QComboBox::currentTextChanged, this, [this](const QString& root) { setDirectory(root); });
    connect(DirectoryListBox3, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { setDirectory(m_dirs->filePath(index)); });
    connect(FileListBox3, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { emit fileActivated(m_files->filePath(index)); });
    connect(FilterComboBox1, &QComboBox::activated, this, [this](int) { setFileMask(filterMask()); });
    // The folder the program was started in, as a file list box starts.
    setDirectory(QDir::currentPath());
}

void FilePanel::setFilterEntries(const std::vector<std::pair<QString, QString>>& entries)
{
    const int keep = FilterComboBox1->currentIndex();
    FilterComboBox1->clear();
    for (const auto& [description, mask] : entries)
        FilterComboBox1->addItem(description, mask);
    if (keep >= 0 && keep < FilterComboBox1->count())
        FilterComboBox1->setCurrentIndex(keep);
    // The list shows what the box names: at start, before any document
    // sets a mask, "Java (*.java)" stood over a list of every file.
    if (FilterComboBox1->currentIndex() >= 0)
        setFileMask(filterMask());
}

int FilePanel::filterIndex() const { return FilterComboBox1->currentIndex(); }

void FilePanel::setFilterIndex(int index)
{
    if (index >= 0 && index < FilterComboBox1->count())
        FilterComboBox1->setCurrentIndex(index);
}

QString FilePanel::filterMask() const { return FilterComboBox1->currentData().toString(); }

void FilePanel::setFileMask(const QString& mask)
{
    m_mask = mask;
    QStringList masks;
    for (const QString& m : mask.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        masks << m.trimmed();
    // "*.*" means every file here, also those without a dot.
    if (masks.contains(QStringLiteral("*.*")))
        masks = {QStringLiteral("*")};
    m_files->setNameFilters(masks); // QFileSystemModel matches ignoring letter case
}

QString FilePanel::directory() const { return m_files->rootPath(); }

void FilePanel::setDirectory(const QString& path)
{
    m_files->setRootPath(path);
    FileListBox3->setRootIndex(m_files->index(path));
    const QModelIndex dir = m_dirs->index(path);
    DirectoryListBox3->setCurrentIndex(dir);
    DirectoryListBox3->scrollTo(dir);
}

QString FilePanel::directoryAt(const QPoint& viewportPoint) const
{
    const QModelIndex index = DirectoryListBox3->indexAt(viewportPoint);
    return index.isValid() ? m_dirs->filePath(index) : QString();
}
