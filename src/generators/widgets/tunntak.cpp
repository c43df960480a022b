#include "generators/widgets/tunntak.h"

#include "generators/exceptiongenerators.h"
#include "generators/widgets/generatorcommands.h"
#include "generators/widgets/generatorhost.h"
#include "generators/widgets/javacodebox.h"
#include "settings/widgets/helpwindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TUnntak::TUnntak(GeneratorHost& host, QWidget* parent) : QDialog(parent), m_host(host), m_ind(host.caretLineIndent())
{
    setObjectName(QStringLiteral("TUnntak"));
    setWindowTitle(QStringLiteral("Exception"));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(ExceptionGenerators::baseClasses());
    ComboBox1->setCurrentIndex(-1);
    SynMemo1 = new JavaCodeBox(this);
    SynMemo1->setObjectName(QStringLiteral("SynMemo1"));
    SynMemo1->setMinimumHeight(120);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("Help"), this);
    Button3->setObjectName(QStringLiteral("Button3"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Exception name:"), Edit1);
    form->addRow(QStringLiteral("Extends:"), ComboBox1);
    auto* previewLabel = new QLabel(QStringLiteral("Preview:"), this);
    previewLabel->setBuddy(SynMemo1);
    SynMemo1->setCaption(previewLabel->text());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {Button1, Button2, Button3})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(previewLabel);
    layout->addWidget(SynMemo1, 1);
    layout->addLayout(buttons);

    setTabOrder(Edit1, ComboBox1);
    setTabOrder(ComboBox1, SynMemo1);
    setTabOrder(SynMemo1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);

    connect(Edit1, &QLineEdit::textChanged, this, [this] { ComboBox1Click(); });
    connect(ComboBox1, &QComboBox::currentTextChanged, this, [this] { ComboBox1Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    GeneratorCommands::shapeDialog(*this, {442, 306});
    Edit1->setFocus();
}

QString TUnntak::LagKode() const
{
    return ExceptionGenerators::LagKode(Edit1->text(), ComboBox1->currentText(), m_ind);
}

void TUnntak::ComboBox1Click()
{
    SynMemo1->clearLines();
    if (!ComboBox1->currentText().isEmpty())
        SynMemo1->setText(LagKode());
}

void TUnntak::Button1Click()
{
    // Built afresh: what was typed into the preview is not used.
    GeneratorCommands::insertPieces(m_host, {LagKode()});
    accept();
}

void TUnntak::Button3Click()
{
    HelpWindow::instance()->showTopic(QStringLiteral("HID_EXCEPTIONCODEDLG"));
}
