#include "settings/widgets/shortcutspage.h"

#include "settings/inifile.h"
#include "settings/widgets/optionshost.h"
#include "settings/widgets/tnewshortcutfrm.h"

#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

ShortcutsPage::ShortcutsPage(OptionsHost* host, QWidget* parent) : QWidget(parent), m_host(host)
{
    LbShortcutList = new QTreeWidget(this);
    LbShortcutList->setObjectName(QStringLiteral("LbShortcutList"));
    LbShortcutList->setHeaderLabels({QStringLiteral("Menu item"), QStringLiteral("Shortcut")});
    LbShortcutList->setRootIsDecorated(false);
    LbShortcutList->setUniformRowHeights(true);
    LbShortcutList->setAllColumnsShowFocus(true);
    LbShortcutList->header()->setStretchLastSection(false);
    LbShortcutList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    LbShortcutList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    auto* label = new QLabel(QStringLiteral("Shortcuts of the menu commands:"), this);
    label->setBuddy(LbShortcutList);
    LbShortcutList->setAccessibleName(label->text());
    Button7 = new QPushButton(QStringLiteral("Change.."), this);
    Button7->setObjectName(QStringLiteral("Button7"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button7);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(LbShortcutList, 1);
    layout->addLayout(buttons);

    connect(Button7, &QPushButton::clicked, this, [this] { Button7Click(); });
    connect(LbShortcutList, &QTreeWidget::itemDoubleClicked, this, [this] { Button7Click(); });
}

void ShortcutsPage::LoadShortcuts()
{
    const Shortcuts::TextList texts = Shortcuts::appliedTexts(m_host->settingsStore());
    QList<QTreeWidgetItem*> rows;
    for (int slot = 0; slot < Shortcuts::SlotCount; ++slot)
        rows << new QTreeWidgetItem(
            {QString::fromLatin1(Shortcuts::kSlots[std::size_t(slot)].optionsText), texts[std::size_t(slot)]});
    LbShortcutList->clear();
    LbShortcutList->addTopLevelItems(rows);
}

void ShortcutsPage::LoadShortcutList()
{
    IniFile& ini = m_host->settingsStore();
    if (ini.ReadBool(QLatin1String(Shortcuts::Section), QLatin1String(Shortcuts::DefaultListKey), true))
        return;
    const Shortcuts::TextList stored = Shortcuts::listedTexts(ini);
    for (int slot = 0; slot < Shortcuts::SlotCount && slot < LbShortcutList->topLevelItemCount(); ++slot)
        if (!m_changedRows.count(slot))
            LbShortcutList->topLevelItem(slot)->setText(1, stored[std::size_t(slot)]);
}

void ShortcutsPage::showEvent(QShowEvent* event)
{
    LoadShortcutList();
    QWidget::showEvent(event);
}

Shortcuts::TextList ShortcutsPage::texts() const
{
    Shortcuts::TextList out;
    for (int slot = 0; slot < Shortcuts::SlotCount && slot < LbShortcutList->topLevelItemCount(); ++slot)
        out[std::size_t(slot)] = LbShortcutList->topLevelItem(slot)->text(1);
    return out;
}

void ShortcutsPage::UpdateShortcutList(IniBatch& settings) const
{
    Shortcuts::writeTexts(settings, texts());
}

void ShortcutsPage::Button7Click()
{
    QTreeWidgetItem* row = LbShortcutList->currentItem();
    if (!row)
        return;
    TNewShortcutFrm dialog(row->text(1), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_changed = true;
    changeRow(LbShortcutList->indexOfTopLevelItem(row), dialog.newText());
}

bool ShortcutsPage::changeRow(int slot, const QString& typed)
{
    QTreeWidgetItem* row = LbShortcutList->topLevelItem(slot);
    if (!row)
        return false;
    const QString text = typed.trimmed();
    switch (Shortcuts::checkNewText(texts(), text)) {
    case Shortcuts::NewTextCheck::Clash:
        QMessageBox::information(
            this, QStringLiteral("Information"),
            QStringLiteral("Can't insert this shortcut, it already exists somewhere else in the program (keeping old)!"));
        return false;
    case Shortcuts::NewTextCheck::NotAShortcut:
        QMessageBox::information(this, QStringLiteral("Information"),
                                 QStringLiteral("\"%1\" is not a shortcut: write modifier words such as Shift+, Ctrl+ "
                                                "or Alt+ and a key name such as L, F5 or Del (keeping old)!")
                                     .arg(text));
        return false;
    case Shortcuts::NewTextCheck::Accepted:
        break;
    }
    row->setText(1, text);
    m_changedRows.insert(slot);
    m_changed = true;
    const int qtKey = Shortcuts::shortcutToQtKey(Shortcuts::textToShortcut(text));
    const QString command = qtKey ? m_host->editorCommandOfKey(qtKey) : QString();
    if (!command.isEmpty())
        QMessageBox::information(this, QStringLiteral("Information"),
                                 QStringLiteral("%1 is also the editor's key for \"%2\". While the menu command "
                                                "has it, the key runs the menu command instead.")
                                     .arg(text, command));
    return true;
}
