#include "generators/widgets/texeptionfrm.h"

#include "generators/exceptiongenerators.h"
#include "generators/widgets/generatorcommands.h"
#include "generators/widgets/generatorhost.h"
#include "generators/widgets/javacodebox.h"
#include "settings/widgets/helpwindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPushButton* makeButton(const char* caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

constexpr int kWideColumn = 365;

} // namespace

TExeptionFrm::TExeptionFrm(GeneratorHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("TExeptionFrm"));
    setWindowTitle(QStringLiteral("Try catch code generator"));

    auto* codeGroup = new QGroupBox(QStringLiteral("Try code:"), this);
    SynMemo1 = new JavaCodeBox(codeGroup);
    SynMemo1->setObjectName(QStringLiteral("SynMemo1"));
    // The group's caption names the box for screen readers too.
    SynMemo1->setCaption(codeGroup->title());
    SynMemo1->setMinimumHeight(90);
    auto* codeLayout = new QVBoxLayout(codeGroup);
    codeLayout->addWidget(SynMemo1);

    auto* catchGroup = new QGroupBox(QStringLiteral("Catch:"), this);
    ComboBox1 = new QComboBox(catchGroup);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(ExceptionGenerators::catchableExceptions());
    ComboBox1->setCurrentIndex(-1);
    auto* comboLabel = new QLabel(QStringLiteral("Exception:"), catchGroup);
    comboLabel->setBuddy(ComboBox1);
    Button3 = makeButton("Add..", "Button3", catchGroup);
    ListView1 = new QTreeWidget(catchGroup);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setHeaderLabels({QStringLiteral("Exceptions:")});
    ListView1->setAccessibleName(QStringLiteral("Exceptions:"));
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->header()->setStretchLastSection(false);
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->setMinimumWidth(kWideColumn + 2 * ListView1->frameWidth());
    applyColumnWidth();
    Button4 = makeButton("Delete..", "Button4", catchGroup);

    auto* comboRow = new QHBoxLayout;
    comboRow->addWidget(comboLabel);
    comboRow->addWidget(ComboBox1, 1);
    comboRow->addWidget(Button3);
    auto* deleteRow = new QHBoxLayout;
    deleteRow->addStretch(1);
    deleteRow->addWidget(Button4);
    auto* catchLayout = new QVBoxLayout(catchGroup);
    catchLayout->addLayout(comboRow);
    catchLayout->addWidget(ListView1, 1);
    catchLayout->addLayout(deleteRow);

    Button1 = makeButton("OK", "Button1", this);
    Button1->setDefault(true);
    Button2 = makeButton("Cancel", "Button2", this);
    Button5 = makeButton("Help", "Button5", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {Button1, Button2, Button5})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(codeGroup, 1);
    layout->addWidget(catchGroup, 1);
    layout->addLayout(buttons);

    setTabOrder(SynMemo1, ComboBox1);
    setTabOrder(ComboBox1, Button3);
    setTabOrder(Button3, ListView1);
    setTabOrder(ListView1, Button4);
    setTabOrder(Button4, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button5);

    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });

    // The code to wrap: the selection (of a column selection, the selected
    // columns of each line), which OK then replaces.
    if (const TSynEdit* edit = m_host.generatorEdit())
        SynMemo1->setText(edit->selText());

    GeneratorCommands::shapeDialog(*this, {445, 370});
    SynMemo1->setEditorFocus();
}

void TExeptionFrm::Button3Click()
{
    new QTreeWidgetItem(ListView1, {ComboBox1->currentText()});
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->clearEditText();
    applyColumnWidth();
}

void TExeptionFrm::Button4Click()
{
    QTreeWidgetItem* item = ListView1->currentItem();
    if (ListView1->topLevelItemCount() == 0 || !item || !item->isSelected())
        return;
    delete item;
    applyColumnWidth();
}

void TExeptionFrm::Button1Click()
{
    GeneratorCommands::insertPieces(
        m_host, {ExceptionGenerators::tryCatchText(SynMemo1->text(), exceptions(), m_host.caretLineIndent())});
    accept();
}

void TExeptionFrm::Button5Click()
{
    HelpWindow::instance()->showTopic(QStringLiteral("HID_TRYCATCHDLG"));
}

QStringList TExeptionFrm::exceptions() const
{
    QStringList result;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        result << ListView1->topLevelItem(i)->text(0);
    return result;
}

void TExeptionFrm::applyColumnWidth()
{
    ListView1->setColumnWidth(0, ExceptionGenerators::exceptionColumnWidth(ListView1->topLevelItemCount()));
}
