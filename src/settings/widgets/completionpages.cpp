#include "settings/widgets/completionpages.h"

#include "settings/completionlists.h"
#include "settings/widgets/highlightpreview.h"
#include "settings/widgets/optionshost.h"
#include "settings/widgets/tkeywordfrm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidget* oneColumnList(QWidget* parent, const char* name, const char* column)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setHeaderLabels({QLatin1String(column)});
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAccessibleName(QLatin1String(column));
    return list;
}

void fillList(QTreeWidget* list, const QStringList& rows)
{
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const QString& row : rows)
        items << new QTreeWidgetItem({row});
    list->clear();
    list->addTopLevelItems(items);
}

QPushButton* button(QWidget* parent, const char* name, const char* caption)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

// ---- Comp. proposal -------------------------------------------------------

CompProposalPage::CompProposalPage(QWidget* parent) : QWidget(parent)
{
    auto* group = new QGroupBox(QStringLiteral("Completion proposal options (java only):"), this);
    ClassesList = oneColumnList(group, "ClassesList", "Classes");
    DatamembersList = oneColumnList(group, "DatamembersList", "Datamembers");
    Button3 = button(group, "Button3", "Delete..");
    Button3->setToolTip(QStringLiteral("Delete the selected class"));
    Button4 = button(group, "Button4", "Delete..");
    Button4->setToolTip(QStringLiteral("Delete the selected datamember"));
    auto* addGroup = new QGroupBox(QStringLiteral("          Add:    "), group);
    Edit4 = new QLineEdit(addGroup);
    Edit4->setObjectName(QStringLiteral("Edit4"));
    Button5 = button(addGroup, "Button5", "<");
    Button5->setToolTip(QStringLiteral("Add the text as a class"));
    Button5->setAccessibleName(QStringLiteral("Add class"));
    Button6 = button(addGroup, "Button6", ">");
    Button6->setToolTip(QStringLiteral("Add the text as a datamember of the selected class"));
    Button6->setAccessibleName(QStringLiteral("Add datamember"));
    auto* textLabel = new QLabel(QStringLiteral("Class or datamember:"), addGroup);
    textLabel->setBuddy(Edit4);
    auto* addLayout = new QGridLayout(addGroup);
    addLayout->addWidget(textLabel, 0, 0, 1, 3);
    addLayout->addWidget(Button5, 1, 0);
    addLayout->addWidget(Edit4, 1, 1);
    addLayout->addWidget(Button6, 1, 2);
    addLayout->setColumnStretch(1, 1);

    auto* grid = new QGridLayout(group);
    grid->addWidget(ClassesList, 0, 0);
    grid->addWidget(DatamembersList, 0, 1);
    grid->addWidget(Button3, 1, 0, Qt::AlignLeft);
    grid->addWidget(Button4, 1, 1, Qt::AlignLeft);
    grid->addWidget(addGroup, 2, 0, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);

    connect(ClassesList, &QTreeWidget::currentItemChanged, this, [this] { ClassesListClick(); });
    connect(DatamembersList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        // The whole text shows when the pointer rests on the list.
        DatamembersList->setToolTip(item ? item->text(0) : QString());
    });
    connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
}

void CompProposalPage::inform(const QString& message)
{
    QMessageBox::information(this, QStringLiteral("Information"), message);
}

QString CompProposalPage::selectedClass() const
{
    const QTreeWidgetItem* item = ClassesList->currentItem();
    return item ? item->text(0) : QString();
}

void CompProposalPage::fillClasses()
{
    const QString selected = selectedClass();
    const Result<QStringList> classes = CompletionLists::readClasses();
    const QSignalBlocker block(ClassesList);
    fillList(ClassesList, classes ? classes.value() : QStringList());
    if (const auto found = ClassesList->findItems(selected, Qt::MatchExactly); !selected.isEmpty() && !found.isEmpty())
        ClassesList->setCurrentItem(found.first());
    if (!classes)
        QMessageBox::critical(this, QStringLiteral("Error"), classes.error());
}

void CompProposalPage::fillMembers()
{
    const QString name = selectedClass();
    const Result<QStringList> members = name.isEmpty() ? QStringList() : CompletionLists::readMembers(name);
    fillList(DatamembersList, members ? members.value() : QStringList());
    if (!members)
        QMessageBox::critical(this, QStringLiteral("Error"), members.error());
}

void CompProposalPage::ClassesListClick()
{
    fillMembers();
}

void CompProposalPage::Button5Click()
{
    const QString text = Edit4->text();
    if (text.trimmed().isEmpty()) {
        inform(QStringLiteral("Can't add empty text!"));
        Edit4->clear();
        return;
    }
    const Result<CompletionLists::AddClassOutcome> added = CompletionLists::addClass(text);
    if (!added) {
        inform(added.error());
        return;
    }
    if (added.value() == CompletionLists::AddClassOutcome::AlreadyListed) {
        inform(QStringLiteral("The class \"%1\" is in the list already; its datamembers are kept.")
                   .arg(text.trimmed()));
        return;
    }
    Edit4->clear();
    fillClasses();
    // The new class is the last row: show it, whatever the list's length.
    ClassesList->scrollToBottom();
}

void CompProposalPage::Button6Click()
{
    const QString text = Edit4->text();
    if (text.trimmed().isEmpty()) {
        inform(QStringLiteral("Can't add empty text!"));
        Edit4->clear();
        return;
    }
    const QString name = selectedClass();
    if (name.isEmpty()) {
        inform(QStringLiteral("Please select the class that you want the datamember to be added to!"));
        Edit4->clear();
        return;
    }
    if (Result<void> r = CompletionLists::addMember(name, text); !r) {
        QMessageBox::critical(this, QStringLiteral("Error"), r.error());
        return;
    }
    fillMembers();
    DatamembersList->scrollToBottom();
    Edit4->clear();
}

void CompProposalPage::Button3Click()
{
    const QString name = selectedClass();
    if (name.isEmpty()) {
        inform(QStringLiteral("Please select the class that you want to delete!"));
        return;
    }
    if (QMessageBox::warning(this, QStringLiteral("Warning"),
                             QStringLiteral("This operation is inreversible! Deleting this class will cause the data "
                                            "for this class to be lost forever. Are you sure that you want to delete "
                                            "class \"") +
                                 name + QStringLiteral("\"?"),
                             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    if (Result<void> r = CompletionLists::deleteClass(name); !r)
        QMessageBox::critical(this, QStringLiteral("Error"), r.error());
    {
        const QSignalBlocker block(ClassesList);
        ClassesList->setCurrentItem(nullptr);
    }
    fillClasses();
    DatamembersList->clear();
}

void CompProposalPage::Button4Click()
{
    QTreeWidgetItem* member = DatamembersList->currentItem();
    if (!member) {
        inform(QStringLiteral("Please select the datamember you want to remove!"));
        return;
    }
    const int row = DatamembersList->indexOfTopLevelItem(member);
    if (Result<void> r = CompletionLists::deleteMember(selectedClass(), row, member->text(0)); !r)
        QMessageBox::critical(this, QStringLiteral("Error"), r.error());
    Edit4->clear();
    fillMembers();
}

// ---- Auto completion ------------------------------------------------------

AutoCompletionPage::AutoCompletionPage(OptionsHost* host, QWidget* parent) : QWidget(parent)
{
    auto* group = new QGroupBox(QStringLiteral("Auto completion options (java only):"), this);
    ListView2 = oneColumnList(group, "ListView2", "Keywords");
    SynEdit1 = host->createHighlightPreview(group);
    SynEdit1->setObjectName(QStringLiteral("SynEdit1"));
    SynEdit1->showHighlighter(PreviewLanguage::Java);
    auto* codeLabel = new QLabel(QStringLiteral("Completion code:"), group);
    codeLabel->setBuddy(SynEdit1);
    SynEdit1->setAccessibleName(codeLabel->text());
    NewKeyword = button(group, "NewKeyword", "New..");
    DeleteKeyword = button(group, "DeleteKeyword", "Delete");
    auto* caretHint1 = new QLabel(QStringLiteral("Type the | (not i or 1) character to make the caret start in the position"), group);
    caretHint1->setWordWrap(true);
    auto* caretHint2 = new QLabel(QStringLiteral("of the | character."), group);

    auto* left = new QVBoxLayout;
    left->addWidget(ListView2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NewKeyword);
    buttons->addWidget(DeleteKeyword);
    left->addLayout(buttons);
    auto* right = new QVBoxLayout;
    right->addWidget(codeLabel);
    right->addWidget(SynEdit1, 1);
    right->addWidget(caretHint1);
    right->addWidget(caretHint2);
    auto* columns = new QHBoxLayout(group);
    columns->addLayout(left, 1);
    columns->addLayout(right, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);

    connect(ListView2, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem* previous) { ListView2Click(current, previous); });
    connect(NewKeyword, &QPushButton::clicked, this, [this] { NewKeywordClick(); });
    connect(DeleteKeyword, &QPushButton::clicked, this, [this] { DeleteKeywordClick(); });
}

void AutoCompletionPage::GetKeywordList()
{
    Result<TemplateWorkingCopy> copy = TemplateWorkingCopy::load();
    if (!copy) {
        QMessageBox::critical(this, QStringLiteral("Error"), copy.error());
        return;
    }
    m_copy = copy.take();
    const QSignalBlocker block(ListView2);
    fillList(ListView2, m_copy.names());
}

bool AutoCompletionPage::codeIsValid()
{
    if (const auto line = TemplateWorkingCopy::forbiddenLine(SynEdit1->lines())) {
        QMessageBox::information(this, QStringLiteral("Information"), TemplateWorkingCopy::forbiddenLineMessage(*line));
        return false;
    }
    return true;
}

void AutoCompletionPage::selectSilently(QTreeWidgetItem* item)
{
    const QSignalBlocker block(ListView2);
    ListView2->setCurrentItem(item);
}

void AutoCompletionPage::ListView2Click(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    if (!codeIsValid()) {
        selectSilently(previous);
        return;
    }
    m_copy.putBack(SynEdit1->lines());
    SynEdit1->setLines(current ? m_copy.FindElementCode(current->text(0)) : QStringList());
}

bool AutoCompletionPage::commit()
{
    if (!codeIsValid())
        return false;
    if (QTreeWidgetItem* row = ListView2->currentItem())
        m_copy.UpdateKewordCode(row->text(0), SynEdit1->lines());
    return true;
}

void AutoCompletionPage::NewKeywordClick()
{
    if (!commit())
        return;
    TKeywordFrm dialog(this);
    const bool ok = dialog.exec() == QDialog::Accepted;
    const QString name = dialog.Keywordtext->text();
    const auto outcome = ok ? m_copy.addTemplate(name) : TemplateWorkingCopy::NewOutcome::Empty;
    if (ok && outcome != TemplateWorkingCopy::NewOutcome::Added)
        QMessageBox::information(this, QStringLiteral("Information"),
                                 outcome == TemplateWorkingCopy::NewOutcome::Empty
                                     ? QStringLiteral("Can't add empty text!")
                                     : QStringLiteral("Can't create keyword. The keyword already exists!"));
    if (outcome != TemplateWorkingCopy::NewOutcome::Added) {
        // The selected template's code, committed above, shows again.
        const QTreeWidgetItem* row = ListView2->currentItem();
        SynEdit1->setLines(row ? m_copy.FindElementCode(row->text(0)) : QStringList());
        return;
    }
    auto* item = new QTreeWidgetItem({name});
    ListView2->addTopLevelItem(item);
    selectSilently(item);
    ListView2->setFocus();
    SynEdit1->setLines({});
}

void AutoCompletionPage::DeleteKeywordClick()
{
    QTreeWidgetItem* row = ListView2->currentItem();
    if (!row)
        return;
    m_copy.deleteTemplate(row->text(0));
    {
        const QSignalBlocker block(ListView2);
        delete row;
        ListView2->setCurrentItem(nullptr);
        ListView2->clearSelection();
    }
    SynEdit1->setLines({});
    ListView2->setFocus();
}
