#include "workspace/widgets/tgotolinefrm.h"

#include "workspace/searchsession.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TGotoLineFrm::TGotoLineFrm(int lineCount, QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Goto line"));
    auto* group = new QGroupBox(GotoLine::groupCaption(lineCount), this);
    m_edit = new QLineEdit(QStringLiteral("1"), group);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setAccessibleName(group->title());
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_edit);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    // Enter in the edit box is handled by the edit box itself, not as the
    // default button, so it is one path with the OK button.
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TGotoLineFrm::OKBtnClick);
    connect(m_edit, &QLineEdit::returnPressed, this, &TGotoLineFrm::OKBtnClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_edit->selectAll();
}

void TGotoLineFrm::OKBtnClick()
{
    const std::optional<int> line = GotoLine::parseLineNumber(m_edit->text());
    if (!line) {
        QMessageBox::critical(this, QApplication::applicationName(), GotoLine::invalidIntegerMessage(m_edit->text()));
        // The window manager hands the keyboard back to the frame window,
        // where the next number would overwrite the editor's selection.
        takeKeyboard();
        return;
    }
    emit lineChosen(*line);
    close();
}

void TGotoLineFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
    // The number typed next is for this window, not for the editor below.
    takeKeyboard();
}

void TGotoLineFrm::takeKeyboard()
{
    raise();
    activateWindow();
    m_edit->setFocus(Qt::ActiveWindowFocusReason);
    m_edit->selectAll();
}
