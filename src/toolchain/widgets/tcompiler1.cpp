#include "toolchain/widgets/tcompiler1.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TCompiler1::TCompiler1(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // 267 x 170 at the least; wider when the font needs it for the buttons.
    setMinimumSize(267, 170);
    auto* group = new QGroupBox(QStringLiteral("Information:"), this);
    auto* grid = new QGridLayout(group);
    ProjName = new QLabel(group);
    ProjName->setMaximumWidth(202);
    Label5 = new QLabel(group);
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(new QLabel(QStringLiteral("Filename:"), group), 0, 0);
    grid->addWidget(ProjName, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Number of errors:"), group), 1, 0);
    grid->addWidget(Label5, 1, 1);
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn2 = new QPushButton(QStringLiteral("Show all errors"), this);
    BitBtn3 = new QPushButton(QStringLiteral("Run"), this);
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3})
        b->setEnabled(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { (new TOutputForm1(outputText, parentWidget()))->show(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { emit runRequested(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TOutputForm1::TOutputForm1(const QString& text, QWidget* parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Compiler output window"));
    resize(495, 114);
    auto* edit = new QPlainTextEdit(this);
    edit->setFrameShape(QFrame::NoFrame);
    edit->setReadOnly(true);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Shown from its first line and column, not scrolled to the end.
    edit->setPlainText(text);
    edit->moveCursor(QTextCursor::Start);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
}
