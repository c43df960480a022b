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

TFindDialog::TFindDialog(SearchQuery& query, QWidget* parent) : QDialog(parent), m_query(query)
{
    setWindowTitle(QStringLiteral("Find"));
    setModal(false);
    auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
    m_findText = new QLineEdit(this);
    label->setBuddy(m_findText);
    m_wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
    m_up = new QRadioButton(QStringLiteral("&Up"), direction);
    m_down = new QRadioButton(QStringLiteral("&Down"), direction);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    m_findNext = new QPushButton(QStringLiteral("&Find Next"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_findNext->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_findText, 0, 1, 1, 2);
    grid->addWidget(m_wholeWord, 1, 0, 1, 2);
    grid->addWidget(m_matchCase, 2, 0, 1, 2);
    grid->addWidget(direction, 1, 2, 2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    load();
    connect(m_findText, &QLineEdit::textChanged, this, [this] { store(); });
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
    m_query.wholeWord = m_wholeWord->isChecked();
    m_query.matchCase = m_matchCase->isChecked();
    m_query.down = m_down->isChecked();
    // As in the platform's own dialogs, there is nothing to find without a text.
    m_findNext->setEnabled(!m_query.findText.isEmpty());
}
