#include "html/widgets/listeditor.h"

#include "html/projectfiles.h"
#include "html/widgets/filepicking.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

ListEditor::ListEditor(Setup setup, QWidget* parent) : QWidget(parent), m_setup(std::move(setup))
{
    setObjectName(m_setup.objectName + QStringLiteral("Editor"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(m_setup.objectName);
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(int(m_setup.headers.size()));
    m_list->setHeaderLabels(m_setup.headers);
    m_list->setHeaderHidden(m_setup.headers.size() < 2);
    m_list->header()->setStretchLastSection(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_list, 1);
    setFocusProxy(m_list);

    auto* buttons = new QVBoxLayout;
    if (!m_setup.addCaption.isEmpty()) {
        m_add = new QPushButton(m_setup.addCaption, this);
        m_add->setObjectName(m_setup.objectName + QStringLiteral("Add"));
        m_add->setAutoDefault(false);
        buttons->addWidget(m_add);
    }
    auto* remove = new QPushButton(m_setup.deleteCaption, this);
    remove->setObjectName(m_setup.objectName + QStringLiteral("Delete"));
    remove->setAutoDefault(false);
    buttons->addWidget(remove);
    connect(remove, &QPushButton::clicked, this, [this] { deleteSelected(); });
    if (!m_setup.importFilter.isEmpty()) {
        auto* importButton = new QPushButton(QStringLiteral("Import.."), this);
        importButton->setObjectName(m_setup.objectName + QStringLiteral("Import"));
        importButton->setAutoDefault(false);
        buttons->addWidget(importButton);
        connect(importButton, &QPushButton::clicked, this, [this] { import(); });
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);

    int width = 4 + 2 * m_list->frameWidth();
    for (int c = 0; c + 1 < m_list->columnCount(); ++c) {
        m_list->setColumnWidth(c, m_setup.fullWidth);
        width += m_setup.fullWidth;
    }
    width += m_setup.fullWidth;
    m_list->setMinimumWidth(width);
    m_list->setMinimumHeight(120);
    fitColumn();
}

void ListEditor::addRow(const QStringList& columns)
{
    new QTreeWidgetItem(m_list, columns);
    fitColumn();
}

std::vector<QStringList> ListEditor::rows() const
{
    std::vector<QStringList> out;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QStringList row;
        for (int c = 0; c < m_list->columnCount(); ++c)
            row << m_list->topLevelItem(i)->text(c);
        out.push_back(row);
    }
    return out;
}

QStringList ListEditor::firstColumn() const
{
    QStringList out;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        out << m_list->topLevelItem(i)->text(0);
    return out;
}

int ListEditor::rowCount() const
{
    return m_list->topLevelItemCount();
}

int ListEditor::lastColumnWidth() const
{
    return m_list->columnWidth(m_list->columnCount() - 1);
}

void ListEditor::fitColumn()
{
    // Room for the scroll bar once the list is long enough to need one.
    m_list->setColumnWidth(m_list->columnCount() - 1,
                           rowCount() >= m_setup.narrowAt ? m_setup.narrowWidth : m_setup.fullWidth);
}

void ListEditor::deleteSelected()
{
    QTreeWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected())
        return;
    QStringList row;
    for (int c = 0; c < m_list->columnCount(); ++c)
        row << item->text(c);
    delete item;
    fitColumn();
    if (onDeleted)
        onDeleted(row);
}

void ListEditor::import()
{
    const auto path = FilePicking::chooseFile(this, m_setup.importTitle, m_setup.importFilter);
    if (!path)
        return;
    const Result<QStringList> lines = ProjectFiles::readImportLines(*path);
    if (!lines) {
        QMessageBox::critical(this, QApplication::applicationName(), lines.error());
        return;
    }
    m_list->setUpdatesEnabled(false);
    for (const QStringList& row : m_setup.rowsFromLines(lines.value()))
        new QTreeWidgetItem(m_list, row);
    m_list->setUpdatesEnabled(true);
    fitColumn();
}
