#include "generators/widgets/texpbuilder.h"

#include "editor/widgets/editview.h"
#include "generators/expressionbuilder.h"
#include "generators/widgets/generatorcommands.h"
#include "generators/widgets/generatorhost.h"
#include "generators/widgets/javacodebox.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kButtonsPerRow = 8;
constexpr int kMaxMemberColumn = 500;

QTreeWidget* makeList(const char* name, QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setColumnCount(1);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformRowHeights(true);
    // Nine rows or so; more scroll.
    list->setFixedHeight(150);
    return list;
}

// The label is the control's buddy, and its caption is the control's name
// for screen readers: a buddy names neither a list nor the code box's view.
QLabel* makeLabel(const char* caption, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setBuddy(buddy);
    if (auto* box = qobject_cast<JavaCodeBox*>(buddy))
        box->setCaption(label->text());
    else
        buddy->setAccessibleName(label->text());
    return label;
}

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

TExpBuilder::TExpBuilder(GeneratorHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("TExpBuilder"));
    setWindowTitle(QStringLiteral("Expression Builder"));

    ListView1 = makeList("ListView1", this);
    ListView1->setColumnWidth(0, ExpressionBuilder::classColumnWidth(0));
    ListView1->setMinimumWidth(ExpressionBuilder::classColumnWidth(0) + 2 * ListView1->frameWidth());
    ListView2 = makeList("ListView2", this);
    ListView2->setColumnWidth(0, ExpressionBuilder::memberColumnWidth(0));
    ListView2->setMinimumWidth(ExpressionBuilder::memberColumnWidth(0) + 2 * ListView2->frameWidth());
    ListView2->installEventFilter(this);
    SynMemo1 = new JavaCodeBox(this);
    SynMemo1->setObjectName(QStringLiteral("SynMemo1"));
    SynMemo1->setMinimumHeight(5 * SynMemo1->lineHeight() + 4);

    auto* lists = new QGridLayout;
    lists->addWidget(makeLabel("Classes:", ListView1, this), 0, 0);
    lists->addWidget(makeLabel("Class members:", ListView2, this), 0, 1);
    lists->addWidget(ListView1, 1, 0);
    lists->addWidget(ListView2, 1, 1);
    lists->setColumnStretch(1, 1);

    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    const auto table = ExpressionBuilder::insertButtons();
    for (int i = 0; i < int(table.size()); ++i) {
        // "&" marks a mnemonic on a button; the "&&" button shows two of them.
        QString caption = QString::fromLatin1(table[i].caption);
        caption.replace(QLatin1String("&"), QLatin1String("&&"));
        QPushButton* b = makeButton(caption, QStringLiteral("Button%1").arg(i + 5), this);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        // Eight to a row in the dialog's width: as wide as the caption needs.
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 16);
        if (*table[i].hint)
            b->setToolTip(QString::fromLatin1(table[i].hint));
        b->setAccessibleName(QString::fromLatin1(table[i].caption));
        connect(b, &QPushButton::clicked, this, [this, i] { insertionButtonClick(i); });
        grid->addWidget(b, i / kButtonsPerRow, i % kButtonsPerRow);
        insertionButtons.push_back(b);
    }

    Button3 = makeButton(QStringLiteral("Undo"), QStringLiteral("Button3"), this);
    Button4 = makeButton(QStringLiteral("Redo"), QStringLiteral("Button4"), this);
    Button1 = makeButton(QStringLiteral("OK"), QStringLiteral("Button1"), this);
    Button2 = makeButton(QStringLiteral("Cancel"), QStringLiteral("Button2"), this);
    for (QPushButton* b : {Button3, Button4})
        b->setAutoDefault(false);
    Button1->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Button3);
    bottom->addWidget(Button4);
    bottom->addStretch(1);
    bottom->addWidget(Button1);
    bottom->addWidget(Button2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(makeLabel("Expression:", SynMemo1, this));
    layout->addWidget(SynMemo1, 1);
    layout->addLayout(grid);
    layout->addLayout(bottom);

    QWidget* order[] = {ListView1, ListView2, SynMemo1};
    setTabOrder(order[0], order[1]);
    setTabOrder(order[1], order[2]);
    QWidget* previous = SynMemo1;
    for (QPushButton* b : insertionButtons) {
        setTabOrder(previous, b);
        previous = b;
    }
    for (QPushButton* b : {Button3, Button4, Button1, Button2}) {
        setTabOrder(previous, b);
        previous = b;
    }

    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { ListView1Click(); });
    connect(ListView2, &QTreeWidget::itemClicked, this, [this] { ListView2Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, [this] {
        SynMemo1->undo();
        SynMemo1->setEditorFocus();
    });
    connect(Button4, &QPushButton::clicked, this, [this] {
        SynMemo1->redo();
        SynMemo1->setEditorFocus();
    });

    GeneratorCommands::shapeDialog(*this, {506, 0});
    SynMemo1->setEditorFocus();
}

void TExpBuilder::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_classesFilled)
        FillClassList();
}

void TExpBuilder::FillClassList()
{
    m_classesFilled = true;
    const QStringList names = m_host.documentClassNames();
    const QIcon icon = QIcon::fromTheme(QStringLiteral("code-class"));
    QList<QTreeWidgetItem*> items;
    items.reserve(names.size());
    for (const QString& name : names) {
        auto* item = new QTreeWidgetItem({name});
        item->setIcon(0, icon);
        items << item;
    }
    ListView1->clear();
    ListView1->addTopLevelItems(items);
    ListView1->setColumnWidth(0, ExpressionBuilder::classColumnWidth(int(names.size())));
}

void TExpBuilder::ListView1Click()
{
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return;
    const QStringList entries =
        ExpressionBuilder::memberEntries(m_host.documentClassMembers(selected.front()->text(0)));
    const bool none = entries.size() == 1 && entries.front() == ExpressionBuilder::noMembersText();
    const QIcon icon = QIcon::fromTheme(QStringLiteral("code-variable"));
    const QFontMetrics metrics(ListView2->font());
    int widest = 0;
    QList<QTreeWidgetItem*> items;
    items.reserve(entries.size());
    for (const QString& entry : entries) {
        auto* item = new QTreeWidgetItem({entry});
        if (!none)
            item->setIcon(0, icon);
        widest = std::max(widest, metrics.horizontalAdvance(entry));
        items << item;
    }
    ListView2->clear();
    ListView2->addTopLevelItems(items);
    // Long declarations widen the column up to a limit, with a scroll bar.
    const int room = widest + ListView2->iconSize().width() + 16;
    ListView2->setColumnWidth(
        0, std::max(ExpressionBuilder::memberColumnWidth(int(entries.size())), std::min(room, kMaxMemberColumn)));
}

void TExpBuilder::ListView2Click()
{
    const QList<QTreeWidgetItem*> selected = ListView2->selectedItems();
    if (selected.isEmpty())
        return;
    const QString entry = selected.front()->text(0);
    if (entry == ExpressionBuilder::noMembersText()) {
        SynMemo1->setEditorFocus();
        return;
    }
    replaceBoxSelection(ExpressionBuilder::memberPickText(entry));
}

void TExpBuilder::insertionButtonClick(int index)
{
    const ExpressionBuilder::InsertButton& b = ExpressionBuilder::insertButtons()[std::size_t(index)];
    replaceBoxSelection(QString::fromLatin1(b.text));
    if (b.caretMove)
        SynMemo1->setCaretX(SynMemo1->caretX() + b.caretMove);
}

void TExpBuilder::replaceBoxSelection(const QString& text)
{
    SynMemo1->setSelText(text);
    SynMemo1->setEditorFocus();
}

void TExpBuilder::Button1Click()
{
    QStringList lines;
    for (int i = 0; i < SynMemo1->lineCount(); ++i)
        lines << SynMemo1->line(i);
    GeneratorCommands::insertPieces(m_host, ExpressionBuilder::insertionPieces(lines, m_host.caretLineIndent()));
    accept();
}

bool TExpBuilder::eventFilter(QObject* watched, QEvent* event)
{
    // Enter or Space on a member picks it, as a click does; Enter must not
    // reach the dialog's default button.
    if (watched == ListView2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            ListView2Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
