#include "settings/widgets/tnewshortcutfrm.h"
#include "settings/widgets/smalldialog.h"

#include "settings/widgets/keycaptureedit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

TNewShortcutFrm::TNewShortcutFrm(const QString& oldText, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TNewShortcutFrm"));
    setWindowTitle(QStringLiteral("Change shortcut"));
    auto* group = new QGroupBox(QStringLiteral("Shortcut:"), this);
    auto* form = new QFormLayout(group);

    Label2 = new QLabel(oldText.trimmed().isEmpty() ? QStringLiteral("NONE SPESIFIED") : oldText, group);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* oldLabel = new QLabel(QStringLiteral("Old shortcut name:"), group);
    oldLabel->setBuddy(Label2);
    form->addRow(oldLabel, Label2);

    Edit1 = new QLineEdit(oldText.trimmed(), group);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Shift+Ctrl+Alt+PgDn")) + 20);
    auto* newLabel = new QLabel(QStringLiteral("New shortcut:"), group);
    newLabel->setBuddy(Edit1);
    form->addRow(newLabel, Edit1);

    captureField = new KeyCaptureEdit(group);
    captureField->setObjectName(QStringLiteral("captureField"));
    auto* captureLabel = new QLabel(QStringLiteral("&Or press the keys:"), group);
    captureLabel->setBuddy(captureField);
    form->addRow(captureLabel, captureField);
    connect(captureField, &KeyCaptureEdit::captured, this, [this](const QString& text) { Edit1->setText(text); });

    layOutGroupWithOkCancel(this, group, &okButton, &cancelButton);
    Edit1->setFocus();
    Edit1->selectAll();
}

QString TNewShortcutFrm::newText() const
{
    return Edit1->text().trimmed();
}
