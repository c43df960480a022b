#include "workspace/widgets/tfinddialog.h"

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

TFindDialog::TFindDialog(SearchQuery& query, QWidget* parent) : TFindDialog(query, false, parent) {}

TFindDialog::TFindDialog(SearchQuery& query, bool replacing, QWidget* parent) : QDialog(parent), m_query(query)
{
    setWindowTitle(replacing ? QStringLiteral("Replace") : QStringLiteral("Find"));
    setModal(false);
    auto* grid = new QGridLayout;
    auto* findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    m_findText = new QLineEdit(this);
    findLabel->setBuddy(m_findText);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(m_findText, 0, 1, 1, 2);
    int row = 1;
    if (replacing) {
        auto* replaceLabel = new QLabel(QStringLiteral("Re&place with:"), this);
        m_replaceText = new QLineEdit(this);
        replaceLabel->setBuddy(m_replaceText);
        grid->addWidget(replaceLabel, row, 0);
        grid->addWidget(m_replaceText, row, 1, 1, 2);
        ++row;
    }
    m_wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
    m_up = new QRadioButton(QStringLiteral("&Up"), direction);
    m_down = new QRadioButton(QStringLiteral("&Down"), direction);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);
    grid->addWidget(m_wholeWord, row, 0, 1, 2);
    grid->addWidget(m_matchCase, row + 1, 0, 1, 2);
    grid->addWidget(direction, row, 2, 2, 1);

    m_findNext = new QPushButton(QStringLiteral("&Find Next"), this);
    m_findNext->setDefault(true);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    if (replacing) {
        m_replace = new QPushButton(QStringLiteral("&Replace"), this);
        m_replaceAll = new QPushButton(QStringLiteral("Replace &All"), this);
        buttons->addWidget(m_replace);
        buttons->addWidget(m_replaceAll);
    }
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    load();
    connect(m_findText, &QLineEdit::textChanged, this, [this] { store(); });
    if (m_replaceText)
        connect(m_replaceText, &QLineEdit::textChanged, this, [this] { store(); });
    for (QCheckBox* box : {m_wholeWord, m_matchCase})
        connect(box, &QCheckBox::toggled, this, [this] { store(); });
    connect(m_down, &QRadioButton::toggled, this, [this] { store(); });
    connect(m_findNext, &QPushButton::clicked, this, [this] { emit findNextClicked(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFindDialog::showDialog()
{
    load();
    show();
    raise();
    activateWindow();
    m_findText->setFocus();
    m_findText->selectAll();
}

void TFindDialog::load()
{
    m_loading = true;
    m_findText->setText(m_query.findText);
    if (m_replaceText)
        m_replaceText->setText(m_query.replaceText);
    m_wholeWord->setChecked(m_query.wholeWord);
    m_matchCase->setChecked(m_query.matchCase);
    (m_query.down ? m_down : m_up)->setChecked(true);
    m_loading = false;
    store();
}

void TFindDialog::store()
{
    if (m_loading)
        return;
    m_query.findText = m_findText->text();
    if (m_replaceText)
        m_query.replaceText = m_replaceText->text();
    m_query.wholeWord = m_wholeWord->isChecked();
    m_query.matchCase = m_matchCase->isChecked();
    m_query.down = m_down->isChecked();
    // As in the platform's own dialogs, there is nothing to do without a text.
    const bool any = !m_query.findText.isEmpty();
    for (QPushButton* b : {m_findNext, m_replace, m_replaceAll})
        if (b)
            b->setEnabled(any);
}
