#include "toolchain/widgets/tvartrackerfrm.h"

#include "settings/widgets/helpwindow.h"
#include "toolchain/vartracker.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The "small images" beside the class and its fields.
QIcon entryIcon()
{
    return QIcon::fromTheme(QStringLiteral("code-variable"), QIcon::fromTheme(QStringLiteral("text-x-generic")));
}

QStringList texts(const QTreeWidget* list)
{
    QStringList result;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        result << list->topLevelItem(i)->text(0);
    return result;
}

} // namespace

TVarTrackerFrm::TVarTrackerFrm(MemberSource members, QWidget* parent) : QDialog(parent), m_members(std::move(members))
{
    setWindowTitle(QStringLiteral("Variable value tracker"));
    // A fixed dialog border: no minimise or maximise, kept above the rest.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setModal(true);

    ListView1 = makeList("ListView1");
    ListView2 = makeList("ListView2");
    ListView3 = makeList("ListView3");
    ListView3->setHeaderHidden(false);
    ListView3->setHeaderLabels({QStringLiteral("Variable names:")});
    ListView1->setMaximumHeight(ListView1->fontMetrics().height() * 3);

    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    Button2 = button("Button2", "Add..");
    Button3 = button("Button3", "Delete..");
    Button1 = button("Button1", "OK");
    Button4 = button("Button4", "Cancel");
    Button5 = button("Button5", "Help");
    Button1->setDefault(true);

    auto label = [this](const char* caption, QWidget* buddy) {
        auto* l = new QLabel(QString::fromLatin1(caption), this);
        l->setBuddy(buddy);
        return l;
    };
    auto* grid = new QGridLayout;
    grid->addWidget(label("&Mainclass:", ListView1), 0, 0);
    grid->addWidget(ListView1, 1, 0);
    grid->addWidget(label("&Datamembers:", ListView2), 0, 1);
    grid->addWidget(ListView2, 1, 1, 2, 1);
    grid->addWidget(Button2, 3, 1, Qt::AlignRight);
    grid->addWidget(label("&Variables being tracked:", ListView3), 4, 0, 1, 2);
    grid->addWidget(ListView3, 5, 0, 1, 2);
    grid->addWidget(Button3, 6, 1, Qt::AlignRight);
    grid->setRowStretch(2, 1);
    grid->setRowStretch(5, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {Button1, Button4, Button5})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TVarTrackerFrm::ListView1Click);
    connect(ListView1, &QTreeWidget::itemClicked, this, &TVarTrackerFrm::ListView1Click);
    connect(ListView2, &QTreeWidget::itemDoubleClicked, this, &TVarTrackerFrm::Button2Click);
    connect(Button2, &QPushButton::clicked, this, &TVarTrackerFrm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TVarTrackerFrm::Button3Click);
    connect(Button1, &QPushButton::clicked, this, &TVarTrackerFrm::Button1Click);
    connect(Button4, &QPushButton::clicked, this, &TVarTrackerFrm::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TVarTrackerFrm::Button5Click);

    // A fixed size: 439 pixels wide, as high as the layout needs, at least 380.
    setFixedSize(439, qMax(380, layout->sizeHint().height()));
    if (QScreen* screen = parent ? parent->screen() : QWidget::screen())
        move(screen->availableGeometry().center() - QPoint(439 / 2, height() / 2));
}

QTreeWidget* TVarTrackerFrm::makeList(const char* name)
{
    auto* list = new QTreeWidget(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setColumnCount(1);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setStretchLastSection(true);
    return list;
}

void TVarTrackerFrm::fitColumn(QTreeWidget* list)
{
    // The one column fills the list; a longer entry gets a scroll bar.
    list->resizeColumnToContents(0);
    list->header()->setStretchLastSection(true);
}

void TVarTrackerFrm::FormShow(const QStringList& trackedVariables)
{
    ListView3->clear();
    for (const QString& w : trackedVariables)
        new QTreeWidgetItem(ListView3, {w});
    fitColumn(ListView3);
    ListView1->clear();
    auto* item = new QTreeWidgetItem(ListView1, {MainClassName});
    item->setIcon(0, entryIcon());
    fitColumn(ListView1);
}

void TVarTrackerFrm::ListView1Click()
{
    const QTreeWidgetItem* selected = ListView1->currentItem();
    if (!selected || !selected->isSelected())
        return;
    ListView2->clear();
    const QStringList fields = VarTracker::fields(m_members ? m_members(selected->text(0)) : QStringList());
    for (const QString& f : fields)
        (new QTreeWidgetItem(ListView2, {f}))->setIcon(0, entryIcon());
    if (fields.isEmpty())
        new QTreeWidgetItem(ListView2, {VarTracker::NoneFound});
    fitColumn(ListView2);
}

void TVarTrackerFrm::Button2Click()
{
    const QTreeWidgetItem* member = ListView2->currentItem();
    const QTreeWidgetItem* mainClass = ListView1->topLevelItem(0);
    if (!member || !member->isSelected() || !mainClass)
        return;
    if (const std::optional<QString> entry = VarTracker::trackedEntry(mainClass->text(0), member->text(0))) {
        ListView3->setCurrentItem(new QTreeWidgetItem(ListView3, {*entry}));
        fitColumn(ListView3);
    }
}

void TVarTrackerFrm::Button3Click()
{
    QTreeWidgetItem* entry = ListView3->currentItem();
    if (!entry || !entry->isSelected())
        return;
    delete entry;
    fitColumn(ListView3);
}

void TVarTrackerFrm::Button1Click()
{
    m_result = VarTracker::confirmed(texts(ListView3));
    accept();
}

void TVarTrackerFrm::Button4Click()
{
    reject();
}

void TVarTrackerFrm::Button5Click()
{
    // This modal dialog, kept on top, would block the help window and cover
    // it; as a window of the dialog's own it can be read, above it. It goes
    // with the dialog, and the next help is a new window.
    HelpWindow* help = HelpWindow::instance();
    help->setParent(this, Qt::Dialog);
    help->showTopic(QStringLiteral("HID_VARTRACKERDLG"));
}
