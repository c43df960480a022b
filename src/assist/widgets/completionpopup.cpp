#include "assist/widgets/completionpopup.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

// Draws every row through the popup's paintRow hook.
class CompletionRowDelegate : public QStyledItemDelegate {
public:
    explicit CompletionRowDelegate(CompletionPopup* popup) : QStyledItemDelegate(popup), m_popup(popup) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        painter->setFont(option.font);
        m_popup->paintRow(painter, option.rect, index.data().toString(), (option.state & QStyle::State_Selected) != 0);
        painter->restore();
    }

private:
    CompletionPopup* m_popup;
};

CompletionPopup::CompletionPopup(QWidget* parent) : QFrame(parent, Qt::Popup)
{
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    List = new QTreeWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->setColumnCount(1);
    List->setRootIsDecorated(false);
    List->setUniformRowHeights(true);
    List->setFrameShape(QFrame::NoFrame);
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List->header()->setStretchLastSection(true);
    List->header()->setSectionsClickable(false);
    List->setItemDelegate(new CompletionRowDelegate(this));
    List->installEventFilter(this);
    layout->addWidget(List);
    setFocusProxy(List);
    connect(List, &QTreeWidget::itemDoubleClicked, this, [this] { chooseSelected(); });
}

CompletionPopup::~CompletionPopup() = default;

void CompletionPopup::setTitle(const QString& title)
{
    List->setHeaderLabels({title});
    List->setHeaderHidden(title.isEmpty());
}

QString CompletionPopup::title() const
{
    return List->headerItem() ? List->headerItem()->text(0) : QString();
}

void CompletionPopup::setRows(const QStringList& rows)
{
    m_allRows = rows;
    m_filter.clear();
    showRows(rows);
}

void CompletionPopup::setFilter(const QString& filter)
{
    m_filter = filter;
    showRows(rowsForFilter(filter));
}

QStringList CompletionPopup::rowsForFilter(const QString& filter) const
{
    QStringList rows;
    for (const QString& row : m_allRows)
        if (row.startsWith(filter))
            rows << row;
    return rows;
}

void CompletionPopup::showRows(const QStringList& rows)
{
    List->setUpdatesEnabled(false);
    List->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const QString& row : rows)
        items << new QTreeWidgetItem(QStringList{row});
    List->addTopLevelItems(items);
    if (!items.isEmpty())
        selectRow(0);
    List->setUpdatesEnabled(true);
}

QStringList CompletionPopup::shownRows() const
{
    QStringList rows;
    for (int i = 0; i < List->topLevelItemCount(); ++i)
        rows << List->topLevelItem(i)->text(0);
    return rows;
}

int CompletionPopup::rowCount() const
{
    return List->topLevelItemCount();
}

QString CompletionPopup::selectedRow() const
{
    const QList<QTreeWidgetItem*> selected = List->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(0);
}

void CompletionPopup::selectRow(int index)
{
    if (QTreeWidgetItem* item = List->topLevelItem(index)) {
        List->setCurrentItem(item);
        item->setSelected(true);
        List->scrollToItem(item);
    }
}

QPoint CompletionPopup::placement(const QSize& size, const QPoint& caretTop, int lineHeight, const QRect& screen)
{
    int x = caretTop.x();
    int y = caretTop.y() + lineHeight;
    const int right = screen.x() + screen.width();
    const int bottom = screen.y() + screen.height();
    if (x + size.width() >= right)
        x = right - size.width() - 5;
    x = std::max(x, screen.x());
    if (y + size.height() > bottom)
        y = caretTop.y() - size.height();
    y = std::max(y, screen.y());
    return {x, y};
}

void CompletionPopup::popupAt(QWidget* editor, const QPoint& caretTop, int lineHeight)
{
    m_editor = editor;
    QScreen* screen = QGuiApplication::screenAt(caretTop);
    if (!screen)
        screen = editor ? editor->screen() : QGuiApplication::primaryScreen();
    move(placement(size(), caretTop, lineHeight, screen->availableGeometry()));
    show();
    raise();
    List->setFocus();
}

void CompletionPopup::chooseSelected()
{
    if (List->selectedItems().isEmpty())
        return;
    const QString row = selectedRow();
    hide();
    rowChosen(row);
}

bool CompletionPopup::keyPressed(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        chooseSelected();
        return true;
    case Qt::Key_Escape:
        hide();
        return true;
    default:
        return false;
    }
}

bool CompletionPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == List && event->type() == QEvent::KeyPress)
        return keyPressed(static_cast<QKeyEvent*>(event));
    return QFrame::eventFilter(watched, event);
}

void CompletionPopup::paintRow(QPainter* painter, const QRect& rect, const QString& text, bool selected) const
{
    painter->fillRect(rect, selected ? palette().color(QPalette::Midlight) : List->palette().color(QPalette::Base));
    painter->setPen(List->palette().color(QPalette::Text));
    painter->drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void CompletionPopup::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    if (m_editor)
        m_editor->setFocus();
    emit closed();
}
