#include "utilities/widgets/tspellcheckfrm.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TSpellCheckFrm::TSpellCheckFrm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SpellCheckFrm"));
    setWindowTitle(QStringLiteral("Spell check"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    editUnknown = new QLineEdit(this);
    editUnknown->setObjectName(QStringLiteral("editUnknown"));
    editUnknown->setReadOnly(true);
    SuggestionsCombo = new QLineEdit(this);
    SuggestionsCombo->setObjectName(QStringLiteral("SuggestionsCombo"));
    SuggestionsList = new QListWidget(this);
    SuggestionsList->setObjectName(QStringLiteral("SuggestionsList"));
    SuggestionsList->setAccessibleName(QStringLiteral("Suggestions"));
    SuggestionsList->setMinimumHeight(120);
    auto* unknownLabel = new QLabel(QStringLiteral("Unknown word:"), this);
    unknownLabel->setBuddy(editUnknown);
    auto* suggestionsLabel = new QLabel(QStringLiteral("Suggestions:"), this);
    suggestionsLabel->setBuddy(SuggestionsCombo);

    auto button = [this](const char* caption, const char* name, SpellAction action) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, action] {
            m_answer = action;
            m_answered = true;
            accept();
        });
        return b;
    };
    btnChange = button("&Change", "btnChange", SpellAction::Correct);
    btnAbort = button("&Abort", "btnAbort", SpellAction::Abort);
    btnIgnore = button("&Ignore", "btnIgnore", SpellAction::Skip);
    btnIgnoreAll = button("I&gnore All", "btnIgnoreAll", SpellAction::SkipAll);
    btnAdd = button("&Add", "btnAdd", SpellAction::Add);
    btnChange->setDefault(true);

    auto* fields = new QVBoxLayout;
    fields->addWidget(unknownLabel);
    fields->addWidget(editUnknown);
    fields->addWidget(suggestionsLabel);
    fields->addWidget(SuggestionsCombo);
    fields->addWidget(SuggestionsList, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {btnChange, btnIgnore, btnIgnoreAll, btnAdd, btnAbort})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->addLayout(fields, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->setColumnStretch(0, 1);

    connect(SuggestionsList, &QListWidget::currentTextChanged, SuggestionsCombo, &QLineEdit::setText);
    connect(SuggestionsList, &QListWidget::itemDoubleClicked, btnChange, &QPushButton::click);
    setFixedWidth(432);
}

void TSpellCheckFrm::ask(const QString& word, const QStringList& suggestions, QString& correct, SpellAction& action)
{
    editUnknown->setText(word);
    SuggestionsList->clear();
    SuggestionsList->addItems(suggestions);
    SuggestionsCombo->setText(suggestions.value(0, word));
    if (!suggestions.isEmpty())
        SuggestionsList->setCurrentRow(0);
    SuggestionsCombo->setFocus();
    SuggestionsCombo->selectAll();
    m_answered = false;
    exec();
    correct = SuggestionsCombo->text();
    if (m_answered)
        action = m_answer;
}
