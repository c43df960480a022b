#include "workspace/widgets/treplacedialog.h"

#include "workspace/searchsession.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TReplaceDialog::TReplaceDialog(SearchQuery& query, QWidget* parent) : QDialog(parent), m_query(query)
{
    setWindowTitle(QStringLiteral("Replace"));
    setModal(false);
    auto* findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    m_findText = new QLineEdit(this);
    findLabel->setBuddy(m_findText);
    auto* replaceLabel = new QLabel(QStringLiteral("Re&place with:"), this);
    m_replaceText = new QLineEdit(this);
    replaceLabel->setBuddy(m_replaceText);
    m_wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
    m_up = new QRadioButton(QStringLiteral("&Up"), direction);
    m_down = new QRadioButton(QStringLiteral("&Down"), direction);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    m_findNext = new QPushButton(QStringLiteral("&Find Next"), this);
    m_replace = new QPushButton(QStringLiteral("&Replace"), this);
    m_replaceAll = new QPushButton(QStringLiteral("Replace &All"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_findNext->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(m_findText, 0, 1, 1, 2);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(m_replaceText, 1, 1, 1, 2);
    grid->addWidget(m_wholeWord, 2, 0, 1, 2);
    grid->addWidget(m_matchCase, 3, 0, 1, 2);
    grid->addWidget(direction, 2, 2, 2, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_findNext, m_replace, m_replaceAll, cancel})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    load();
    for (QLineEdit* edit : {m_findText, m_replaceText})
        connect(edit, &QLineEdit::textChanged, this, [this] { store(); });
    for (QCheckBox* box : {m_wholeWord, m_matchCase})
        connect(box, &QCheckBox::toggled, this, [this] { store(); });
    connect(m_down, &QRadioButton::toggled, this, [this] { store(); });
    connect(m_findNext, &QPushButton::clicked, this, [this] { emit findNextClicked(); });
    connect(m_replace, &QPushButton::clicked, this, [this] { replace(false); });
    connect(m_replaceAll, &QPushButton::clicked, this, [this] { replace(true); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TReplaceDialog::showDialog()
{
    load();
    show();
    raise();
    activateWindow();
    m_findText->setFocus();
    m_findText->selectAll();
}

void TReplaceDialog::replace(bool all)
{
    m_query.replaceAll = all;
    emit replaceClicked();
}

void TReplaceDialog::load()
{
    m_loading = true;
    m_findText->setText(m_query.findText);
    m_replaceText->setText(m_query.replaceText);
    m_wholeWord->setChecked(m_query.wholeWord);
    m_matchCase->setChecked(m_query.matchCase);
    (m_query.down ? m_down : m_up)->setChecked(true);
    m_loading = false;
    store();
}

void TReplaceDialog::store()
{
    if (m_loading)
        return;
    m_query.findText = m_findText->text();
    m_query.replaceText = m_replaceText->text();
    m_query.wholeWord = m_wholeWord->isChecked();
    m_query.matchCase = m_matchCase->isChecked();
    m_query.down = m_down->isChecked();
    // As in the platform's own dialogs, there is nothing to do without a text.
    const bool any = !m_query.findText.isEmpty();
    for (QPushButton* b : {m_findNext, m_replace, m_replaceAll})
        b->setEnabled(any);
}
