#include "workspace/widgets/recoverydialog.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

RecoveryDialog::RecoveryDialog(const std::vector<DocumentBackup>& backups, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Recover unsaved documents"));
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto* text = new QLabel(QStringLiteral("Pellam Vornic ended without saving the documents below; their unsaved "
                                           "text was kept.\nRestore opens each checked one as a modified "
                                           "document: nothing is written to its file until you save it."),
                            this);
    text->setWordWrap(true);
    auto* listLabel = new QLabel(QStringLiteral("&Unsaved documents:"), this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("RecoveryList"));
    listLabel->setBuddy(m_list);
    m_list->setHeaderLabels({QStringLiteral("Document"), QStringLiteral("Backed up"), QStringLiteral("Its file")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    const QLocale locale;
    for (const DocumentBackup& b : backups) {
        const QString where = b.isUntitled() ? QString() : QDir::toNativeSeparators(QFileInfo(b.filePath).path());
        auto* item = new QTreeWidgetItem(
            m_list, {b.caption, locale.toString(b.written.toLocalTime(), QLocale::ShortFormat), fileState(b)});
        item->setToolTip(0, where.isEmpty() ? QStringLiteral("Never saved") : b.filePath);
        item->setCheckState(0, Qt::Checked);
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);
    m_list->setMinimumWidth(560);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));

    auto* restore = new QPushButton(QStringLiteral("&Restore"), this);
    restore->setObjectName(QStringLiteral("Restore"));
    auto* discardButton = new QPushButton(QStringLiteral("&Discard"), this);
    discardButton->setObjectName(QStringLiteral("Discard"));
    auto* keep = new QPushButton(QStringLiteral("&Keep for later"), this);
    keep->setObjectName(QStringLiteral("KeepForLater"));
    restore->setDefault(true);
    connect(restore, &QPushButton::clicked, this, [this] {
        m_choice = Choice::Restore;
        accept();
    });
    connect(discardButton, &QPushButton::clicked, this, &RecoveryDialog::discard);
    connect(keep, &QPushButton::clicked, this, [this] {
        m_choice = Choice::KeepForLater;
        reject();
    });

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {restore, discardButton, keep})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
}

QString RecoveryDialog::fileState(const DocumentBackup& backup)
{
    if (backup.isUntitled())
        return QStringLiteral("Never saved");
    if (!QFileInfo::exists(backup.filePath))
        return QStringLiteral("Gone since the backup");
    return backup.fileChangedSince() ? QStringLiteral("Changed since the backup")
                                     : QStringLiteral("Unchanged since the backup");
}

RecoveryDialog::Choice RecoveryDialog::ask()
{
    m_choice = Choice::KeepForLater;
    exec();
    return m_choice;
}

void RecoveryDialog::discard()
{
    const std::size_t count = checkedRows().size();
    if (count == 0)
        return;
    // The text is gone for good once discarded.
    if (QMessageBox::question(this, QStringLiteral("Question"),
                              QStringLiteral("Discard the unsaved text of %1 document(s)? It cannot be brought back.")
                                  .arg(count),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    m_choice = Choice::Discard;
    accept();
}

std::vector<int> RecoveryDialog::checkedRows() const
{
    std::vector<int> rows;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->checkState(0) == Qt::Checked)
            rows.push_back(i);
    return rows;
}

void RecoveryDialog::setChecked(int row, bool checked)
{
    if (QTreeWidgetItem* item = m_list->topLevelItem(row))
        item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}
