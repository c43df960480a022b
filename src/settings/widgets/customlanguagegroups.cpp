#include "settings/widgets/customlanguagegroups.h"

#include "settings/customlanguageedits.h"
#include "settings/widgets/tchangelangnamefrm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

const char* const LanguageFields::kCommentCaptions[5] = {"Pascal", "C", "Asm", "Bas", "Ansi"};

QString LanguageFields::commentKey(int index)
{
    return QLatin1String(kCommentCaptions[index]) + QStringLiteral("Comments");
}

QStringList LanguageFields::keywordList() const
{
    QStringList out;
    for (int i = 0; i < keywords->count(); ++i)
        out << keywords->item(i)->text();
    return out;
}

namespace {

const char* const kCommentHints[5] = {"Pascal comments ({ and //)", "C comments (// and /*)",
                                      "Assembler comments (;)", "Basic comments ( ; )", "Ansi comments (//)"};

QLabel* buddyLabel(QWidget* parent, const QString& caption, QWidget* buddy)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    // Line edits take their name from the buddy label; other boxes (combo
    // boxes, lists) would be known by their contents.
    if (!qobject_cast<QLineEdit*>(buddy))
        buddy->setAccessibleName(label->text());
    return label;
}

// Return in a keyword box adds the keyword. The key must stop there: the
// dialog would otherwise take it for its default button and close with OK,
// before the language the user is defining has been added.
class ReturnClicksButton : public QObject {
public:
    ReturnClicksButton(QLineEdit* box, QPushButton* button) : QObject(box), m_button(button)
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton* m_button;
};

// Builds the comment row and the keyword part of a group; `prefix` keeps
// the object names of the two groups apart.
QLayout* buildFields(QWidget* parent, LanguageFields& f, const QString& prefix, const char* keywordBoxName)
{
    auto* layout = new QVBoxLayout;
    layout->addWidget(new QLabel(QStringLiteral("Comment types recognized:"), parent));
    auto* commentRow = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        f.comments[i] = new QCheckBox(QLatin1String(LanguageFields::kCommentCaptions[i]), parent);
        f.comments[i]->setObjectName(prefix + LanguageFields::commentKey(i));
        f.comments[i]->setToolTip(QLatin1String(kCommentHints[i]));
        commentRow->addWidget(f.comments[i]);
    }
    commentRow->addStretch();
    layout->addLayout(commentRow);

    layout->addWidget(new QLabel(QStringLiteral("Keywords:"), parent));
    f.keywordBox = new QLineEdit(parent);
    f.keywordBox->setObjectName(QLatin1String(keywordBoxName));
    f.addKeyword = new QPushButton(QStringLiteral("Add "), parent);
    f.addKeyword->setObjectName(prefix + QStringLiteral("AddKeyword"));
    f.deleteKeyword = new QPushButton(QStringLiteral("Delete"), parent);
    f.deleteKeyword->setObjectName(prefix + QStringLiteral("DeleteKeyword"));
    auto* keywordRow = new QHBoxLayout;
    keywordRow->addWidget(buddyLabel(parent, QStringLiteral("Keyword:"), f.keywordBox));
    keywordRow->addWidget(f.keywordBox, 1);
    keywordRow->addWidget(f.addKeyword);
    keywordRow->addWidget(f.deleteKeyword);
    layout->addLayout(keywordRow);
    f.keywords = new QListWidget(parent);
    f.keywords->setObjectName(prefix + QStringLiteral("Keywords"));
    layout->addWidget(buddyLabel(parent, QStringLiteral("Language keywords"), f.keywords));
    layout->addWidget(f.keywords, 1);
    new ReturnClicksButton(f.keywordBox, f.addKeyword);
    return layout;
}

void addKeyword(LanguageFields& f)
{
    // An empty keyword could never be typed as a word.
    if (f.keywordBox->text().trimmed().isEmpty())
        return;
    f.keywords->addItem(f.keywordBox->text().trimmed());
    f.keywordBox->clear();
}

bool deleteKeyword(LanguageFields& f)
{
    QListWidgetItem* item = f.keywords->currentItem();
    if (!item)
        return false;
    delete item;
    return true;
}

} // namespace

// ---- New language ---------------------------------------------------------

NewLanguageGroup::NewLanguageGroup(QWidget* parent) : QGroupBox(QStringLiteral("Define new custom language:"), parent)
{
    setObjectName(QStringLiteral("NewLanguageGroup"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setToolTip(QStringLiteral("Enter the name of the language here"));
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setToolTip(QStringLiteral("Enter the file extension here (e.g. html for *.html documents)"));
    auto* names = new QGridLayout;
    names->addWidget(buddyLabel(this, QStringLiteral("Language name:"), Edit1), 0, 0);
    names->addWidget(Edit1, 0, 1);
    names->addWidget(buddyLabel(this, QStringLiteral("File extenstion:"), Edit3), 1, 0);
    names->addWidget(Edit3, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(names);
    layout->addLayout(buildFields(this, fields, QStringLiteral("new"), "Edit2"));
    // Made after the fields, so that Tab reaches it last.
    Button13 = new QPushButton(QStringLiteral("Add language"), this);
    Button13->setObjectName(QStringLiteral("Button13"));
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(Button13);
    layout->addLayout(bottom);

    connect(fields.addKeyword, &QPushButton::clicked, this, [this] { addKeyword(fields); });
    connect(fields.deleteKeyword, &QPushButton::clicked, this, [this] { deleteKeyword(fields); });
    connect(Button13, &QPushButton::clicked, this, [this] { Button13Click(); });
}

void NewLanguageGroup::Button13Click()
{
    CustomLanguageDefinition def;
    def.PascalComments = fields.comments[0]->isChecked();
    def.CComments = fields.comments[1]->isChecked();
    def.AsmComments = fields.comments[2]->isChecked();
    def.BasComments = fields.comments[3]->isChecked();
    def.AnsiComments = fields.comments[4]->isChecked();
    def.keywords = fields.keywordList();
    const Result<QString> added = CustomLanguageEdits::addLanguage(Edit1->text(), Edit3->text(), def);
    if (!added) {
        QMessageBox::information(this, QStringLiteral("Information"), added.error());
        return;
    }
    Edit1->clear();
    Edit3->clear();
    fields.keywordBox->clear();
    for (QCheckBox* box : fields.comments)
        box->setChecked(false);
    fields.keywords->clear();
    emit languageAdded(added.value());
}

// ---- Edit language --------------------------------------------------------

EditLanguageGroup::EditLanguageGroup(QWidget* parent) : QGroupBox(QStringLiteral("Edit custom language:"), parent)
{
    setObjectName(QStringLiteral("EditLanguageGroup"));
    languageList = new QListWidget(this);
    languageList->setObjectName(QStringLiteral("languageList"));
    Label23 = new QLabel(this);
    Label23->setObjectName(QStringLiteral("Label23"));

    auto* left = new QVBoxLayout;
    left->addWidget(buddyLabel(this, QStringLiteral("Custom languages spesified"), languageList));
    left->addWidget(languageList, 1);
    auto* right = new QVBoxLayout;
    auto* current = new QHBoxLayout;
    current->addWidget(buddyLabel(this, QStringLiteral("Current language:"), Label23));
    current->addWidget(Label23, 1);
    right->addLayout(current);
    right->addLayout(buildFields(this, fields, QStringLiteral("edit"), "KeywordTextfield"));
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);
    // Made after the fields, so that Tab reaches them last.
    Button14 = new QPushButton(QStringLiteral("Delete language"), this);
    Button14->setObjectName(QStringLiteral("Button14"));
    Button15 = new QPushButton(QStringLiteral("Change name"), this);
    Button15->setObjectName(QStringLiteral("Button15"));
    Button16 = new QPushButton(QStringLiteral("Change file ext"), this);
    Button16->setObjectName(QStringLiteral("Button16"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button14);
    buttons->addWidget(Button15);
    buttons->addWidget(Button16);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    clearSelection();

    connect(languageList, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty())
            selectLanguage(name);
    });
    for (int i = 0; i < 5; ++i)
        connect(fields.comments[i], &QCheckBox::clicked, this, [this, i](bool on) {
            const QString name = selectedLanguage();
            if (name.isEmpty())
                return;
            if (Result<void> r = CustomLanguageEdits::writeCommentKey(name, LanguageFields::commentKey(i), on); !r)
                showError(r.error());
        });
    connect(fields.addKeyword, &QPushButton::clicked, this, [this] {
        if (selectedLanguage().isEmpty())
            return;
        addKeyword(fields);
        writeKeywords();
    });
    connect(fields.deleteKeyword, &QPushButton::clicked, this, [this] {
        if (!selectedLanguage().isEmpty() && deleteKeyword(fields))
            writeKeywords();
    });
    connect(Button14, &QPushButton::clicked, this, [this] { Button14Click(); });
    connect(Button15, &QPushButton::clicked, this, [this] { Button15Click(); });
    connect(Button16, &QPushButton::clicked, this, [this] { Button16Click(); });
}

void EditLanguageGroup::showEvent(QShowEvent* event)
{
    refresh();
    QGroupBox::showEvent(event);
}

void EditLanguageGroup::showError(const QString& message)
{
    QMessageBox::critical(this, QStringLiteral("Error"), message);
}

void EditLanguageGroup::refresh()
{
    const QString selected = selectedLanguage();
    const QSignalBlocker block(languageList);
    languageList->clear();
    for (const QString& name : LoadCustomLanglistFromFile())
        if (!name.trimmed().isEmpty())
            languageList->addItem(name);
    const QList<QListWidgetItem*> found = languageList->findItems(selected, Qt::MatchExactly);
    if (!selected.isEmpty() && !found.isEmpty())
        languageList->setCurrentItem(found.first());
    else
        clearSelection();
}

QString EditLanguageGroup::selectedLanguage() const
{
    // While none is chosen the label holds "[Select from list below]".
    return Label23->text().contains(u'[') ? QString() : Label23->text();
}

void EditLanguageGroup::selectLanguage(const QString& name)
{
    Label23->setText(name);
    const CustomLanguageDefinition def = readCustomLanguageDefinition(name);
    const bool states[5] = {def.PascalComments, def.CComments, def.AsmComments, def.BasComments, def.AnsiComments};
    for (int i = 0; i < 5; ++i)
        fields.comments[i]->setChecked(states[i]);
    fields.keywords->clear();
    fields.keywords->addItems(def.keywords);
    const QList<QListWidgetItem*> found = languageList->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty() && languageList->currentItem() != found.first()) {
        const QSignalBlocker block(languageList);
        languageList->setCurrentItem(found.first());
    }
}

void EditLanguageGroup::clearSelection()
{
    Label23->setText(QStringLiteral("[Select from list below]"));
    fields.keywords->clear();
    for (QCheckBox* box : fields.comments)
        box->setChecked(false);
}

void EditLanguageGroup::writeKeywords()
{
    if (Result<void> r = CustomLanguageEdits::writeKeywords(selectedLanguage(), fields.keywordList()); !r)
        showError(r.error());
}

void EditLanguageGroup::Button14Click()
{
    const QString name = selectedLanguage();
    if (name.isEmpty())
        return;
    if (QMessageBox::question(this, QStringLiteral("Question"),
                              QStringLiteral("Are you sure you want to delete this language?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const Result<void> r = CustomLanguageEdits::deleteLanguage(name);
    clearSelection();
    refresh();
    if (!LoadCustomLanglistFromFile().contains(name))
        emit languageDeleted(name);
    if (!r)
        showError(r.error());
}

void EditLanguageGroup::Button15Click()
{
    const QString name = selectedLanguage();
    if (name.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Information"),
                                 QStringLiteral("You have to select the language that you want to change the name "
                                                "for, in the list of custom languages!"));
        return;
    }
    TChangeLangNameFrm dialog(name, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Result<QString> renamed = CustomLanguageEdits::renameLanguage(name, dialog.newNameEdit->text());
    if (!renamed) {
        QMessageBox::information(this, QStringLiteral("Information"), renamed.error());
        return;
    }
    refresh();
    selectLanguage(renamed.value());
    emit languageRenamed(name, renamed.value());
}

void EditLanguageGroup::Button16Click()
{
    const QString name = selectedLanguage();
    if (name.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Information"),
                                 QStringLiteral("You have to select the language that you want to change the file "
                                                "extention for, in the list of custom languages!"));
        return;
    }
    TChangeFileExtFrm dialog(name, readCustomLanguageDefinition(name).FileExt, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Result<QString> mask = CustomLanguageEdits::changeFileExt(name, dialog.newMaskEdit->text());
    if (!mask) {
        QMessageBox::information(this, QStringLiteral("Information"), mask.error());
        return;
    }
    emit fileMaskChanged(name);
}
