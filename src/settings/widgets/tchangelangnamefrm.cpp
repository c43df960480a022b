#include "settings/widgets/tchangelangnamefrm.h"
#include "settings/widgets/smalldialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The two change windows share their shape: a group with the old value in
// brackets, a box for the new one, OK and Cancel.
QLineEdit* buildChangeWindow(QDialog* dialog, const QString& group, const QString& oldCaption, const QString& old,
                             const QString& newCaption, QLabel** oldLabelOut, QPushButton** ok, QPushButton** cancel)
{
    auto* box = new QGroupBox(group, dialog);
    auto* form = new QFormLayout(box);
    auto* oldValue = new QLabel(QLatin1Char('[') + old + QLatin1Char(']'), box);
    oldValue->setObjectName(QStringLiteral("oldValue"));
    oldValue->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* oldLabel = new QLabel(oldCaption, box);
    oldLabel->setBuddy(oldValue);
    form->addRow(oldLabel, oldValue);
    auto* edit = new QLineEdit(box);
    edit->setObjectName(QStringLiteral("newValue"));
    edit->setMinimumWidth(dialog->fontMetrics().averageCharWidth() * 28);
    auto* newLabel = new QLabel(newCaption, box);
    newLabel->setBuddy(edit);
    form->addRow(newLabel, edit);

    layOutGroupWithOkCancel(dialog, box, ok, cancel);
    *oldLabelOut = oldValue;
    edit->setFocus();
    return edit;
}

} // namespace

TChangeLangNameFrm::TChangeLangNameFrm(const QString& oldName, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TChangeLangNameFrm"));
    setWindowTitle(QStringLiteral("Change Language Name"));
    newNameEdit = buildChangeWindow(this, QString(), QStringLiteral("Old language name:"), oldName,
                                    QStringLiteral("New language name:"), &oldNameLabel, &okButton, &cancelButton);
}

TChangeFileExtFrm::TChangeFileExtFrm(const QString& language, const QString& oldMask, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TChangeFileExtFrm"));
    setWindowTitle(QStringLiteral("Change File Extention"));
    newMaskEdit = buildChangeWindow(this, QStringLiteral("Change extention for ") + language + QLatin1Char(':'),
                                    QStringLiteral("Old file extention:"), oldMask,
                                    QStringLiteral("New file extention:"), &oldMaskLabel, &okButton, &cancelButton);
    newMaskEdit->setText(oldMask);
    newMaskEdit->selectAll();
}
