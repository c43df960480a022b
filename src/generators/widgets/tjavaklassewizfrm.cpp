#include "generators/widgets/tjavaklassewizfrm.h"

#include "generators/widgets/generatorcommands.h"
#include "generators/widgets/generatorhost.h"
#include "settings/widgets/helpwindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPushButton* makeButton(const char* caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLabel* makeLabel(const char* caption, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TJavaKlasseWizFrm::TJavaKlasseWizFrm(GeneratorHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("TJavaKlasseWizFrm"));
    setWindowTitle(QStringLiteral("Java class wizard"));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));

    auto* group = new QGroupBox(QStringLiteral("Class members:"), this);
    ComboBox1 = new QComboBox(group);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(ClassWizard::dataTypes());
    ComboBox1->setCurrentIndex(-1);
    Edit3 = new QLineEdit(group);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Button1 = makeButton("Add..", "Button1", group);
    Datamedlemmer = new QTreeWidget(group);
    Datamedlemmer->setObjectName(QStringLiteral("Datamedlemmer"));
    Datamedlemmer->setHeaderLabels({QStringLiteral("Classmember name"), QStringLiteral("Type")});
    Datamedlemmer->setRootIsDecorated(false);
    Datamedlemmer->setSelectionBehavior(QAbstractItemView::SelectRows);
    Datamedlemmer->setSelectionMode(QAbstractItemView::SingleSelection);
    Datamedlemmer->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Datamedlemmer->header()->setStretchLastSection(false);
    Datamedlemmer->header()->setSectionsMovable(false);
    Datamedlemmer->setColumnWidth(0, ClassWizard::kNameColumnWidth);
    Datamedlemmer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Both columns and a vertical scroll bar fit side by side.
    Datamedlemmer->setMinimumWidth(ClassWizard::kNameColumnWidth + ClassWizard::typeColumnWidth(0) +
                                   2 * Datamedlemmer->frameWidth());
    applyTypeColumnWidth();
    Button5 = makeButton("Delete..", "Button5", group);

    auto* inputs = new QGridLayout;
    inputs->addWidget(makeLabel("Datatype:", ComboBox1, group), 0, 0);
    inputs->addWidget(makeLabel("Class member name", Edit3, group), 0, 1);
    inputs->addWidget(ComboBox1, 1, 0);
    inputs->addWidget(Edit3, 1, 1);
    inputs->addWidget(Button1, 1, 2);
    inputs->setColumnStretch(0, 1);
    inputs->setColumnStretch(1, 1);
    auto* deleteRow = new QHBoxLayout;
    deleteRow->addStretch(1);
    deleteRow->addWidget(Button5);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(inputs);
    groupLayout->addWidget(makeLabel("Mark the members your wish to have a set function on:", Datamedlemmer, group));
    // A buddy label names no list for screen readers.
    Datamedlemmer->setAccessibleName(QStringLiteral("Mark the members your wish to have a set function on:"));
    groupLayout->addWidget(Datamedlemmer, 1);
    groupLayout->addLayout(deleteRow);

    Button2 = makeButton("OK", "Button2", this);
    Button3 = makeButton("Cancel", "Button3", this);
    Button4 = makeButton("Help", "Button4", this);
    Button2->setDefault(true);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(makeLabel("Classname:", Edit1, this));
    nameRow->addWidget(Edit1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {Button2, Button3, Button4})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);

    setTabOrder(Edit1, ComboBox1);
    setTabOrder(ComboBox1, Edit3);
    setTabOrder(Edit3, Button1);
    setTabOrder(Button1, Datamedlemmer);
    setTabOrder(Datamedlemmer, Button5);
    setTabOrder(Button5, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });

    GeneratorCommands::shapeDialog(*this, {441, 377});
    Edit1->setFocus();
}

void TJavaKlasseWizFrm::Button1Click()
{
    auto* item = new QTreeWidgetItem(Datamedlemmer, {Edit3->text(), ComboBox1->currentText()});
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
    Edit3->clear();
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->clearEditText();
    applyTypeColumnWidth();
}

void TJavaKlasseWizFrm::Button5Click()
{
    QTreeWidgetItem* item = Datamedlemmer->currentItem();
    if (Datamedlemmer->topLevelItemCount() == 0 || !item || !item->isSelected())
        return;
    delete item;
    applyTypeColumnWidth();
}

void TJavaKlasseWizFrm::Button2Click()
{
    GeneratorCommands::insertPieces(m_host, {ClassWizard::classText(Edit1->text(), members())});
    accept();
}

void TJavaKlasseWizFrm::Button4Click()
{
    HelpWindow::instance()->showTopic(QStringLiteral("HID_CLASSWIZDLG"));
}

std::vector<ClassWizard::Member> TJavaKlasseWizFrm::members() const
{
    std::vector<ClassWizard::Member> result;
    for (int i = 0; i < Datamedlemmer->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = Datamedlemmer->topLevelItem(i);
        result.push_back({item->text(0), item->text(1), item->checkState(0) == Qt::Checked});
    }
    return result;
}

void TJavaKlasseWizFrm::applyTypeColumnWidth()
{
    Datamedlemmer->setColumnWidth(1, ClassWizard::typeColumnWidth(Datamedlemmer->topLevelItemCount()));
}
