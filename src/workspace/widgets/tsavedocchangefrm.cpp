#include "workspace/widgets/tsavedocchangefrm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

TSaveDocChangeFrm::TSaveDocChangeFrm(const QStringList& captions, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Save document changes"));
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto* text = new QLabel(QStringLiteral("The document(s) below have been modified. Would you\n"
                                           "like to save the changes to the document(s)?"),
                            this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("DocumentList"));
    m_list->setHeaderLabels({QStringLiteral("Document")});
    // The question above is the list's caption; a screen reader reads it
    // when the list takes the keyboard, as it does when the dialog opens.
    m_list->setAccessibleName(text->text().simplified());
    m_list->setRootIsDecorated(false);
    for (const QString& caption : captions) {
        auto* item = new QTreeWidgetItem(m_list, {caption});
        item->setCheckState(0, Qt::Checked);
    }
    // With more rows than fit, leave room for the scroll bar.
    m_list->setColumnWidth(0, captions.size() > 8 ? 359 : 376);
    m_list->setFixedWidth(380);

    auto* yes = new QPushButton(QStringLiteral("Yes"), this);
    auto* no = new QPushButton(QStringLiteral("No"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* all = new QPushButton(QStringLiteral("Select all"), this);
    auto* none = new QPushButton(QStringLiteral("Deselect all"), this);
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, [this] { m_answer = Answer::Yes; accept(); });
    connect(no, &QPushButton::clicked, this, [this] { m_answer = Answer::No; accept(); });
    connect(cancel, &QPushButton::clicked, this, [this] { m_answer = Answer::Cancel; reject(); });
    connect(all, &QPushButton::clicked, this, [this] { selectAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { selectAll(false); });

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {yes, no, cancel, all, none})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TSaveDocChangeFrm::Answer TSaveDocChangeFrm::ask()
{
    m_answer = Answer::Cancel;
    exec();
    return m_answer;
}

QStringList TSaveDocChangeFrm::checkedCaptions() const
{
    QStringList out;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->checkState(0) == Qt::Checked)
            out << m_list->topLevelItem(i)->text(0);
    return out;
}

void TSaveDocChangeFrm::setChecked(int row, bool checked)
{
    if (QTreeWidgetItem* item = m_list->topLevelItem(row))
        item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

void TSaveDocChangeFrm::selectAll(bool checked)
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        setChecked(i, checked);
}
