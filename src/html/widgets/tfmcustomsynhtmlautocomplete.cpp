#include "html/widgets/tfmcustomsynhtmlautocomplete.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTreeWidget>

#include <algorithm>

TfmCustomSynHTMLAutoComplete::TfmCustomSynHTMLAutoComplete(QWidget* parent) : CompletionPopup(parent)
{
    setObjectName(QStringLiteral("TfmCustomSynHTMLAutoComplete"));
    setTitle(QString());
    List->setFont(QApplication::font());
    List->setMouseTracking(true);
    List->viewport()->setCursor(Qt::PointingHandCursor);
    List->viewport()->installEventFilter(this);
}

bool TfmCustomSynHTMLAutoComplete::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == List->viewport() && (event->type() == QEvent::MouseMove || event->type() == QEvent::Leave)) {
        QRect row;
        if (event->type() == QEvent::MouseMove) {
            const QModelIndex index = List->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            row = index.isValid() ? List->visualRect(index) : QRect();
        }
        if (row != m_hovered) {
            m_hovered = row;
            List->viewport()->update();
        }
    }
    return CompletionPopup::eventFilter(watched, event);
}

void TfmCustomSynHTMLAutoComplete::paintRow(QPainter* painter, const QRect& rect, const QString& text,
                                             bool selected) const
{
    if (rect.intersects(m_hovered) && rect.top() == m_hovered.top()) {
        QFont underlined = painter->font();
        underlined.setUnderline(true);
        painter->setFont(underlined);
    }
    CompletionPopup::paintRow(painter, rect, text, selected);
}

void TfmCustomSynHTMLAutoComplete::setAttributes(const QStringList& entries)
{
    setRows(entries);
    const QFontMetrics metrics(List->font());
    int widest = 0;
    for (const QString& entry : entries)
        widest = std::max(widest, metrics.horizontalAdvance(entry));
    const int rowHeight = std::max(List->sizeHintForRow(0), metrics.height());
    const int shownRows = std::min<int>(int(entries.size()), 4);
    const bool scrolls = entries.size() > shownRows;
    // The popup's border and the one-pixel margin around the list.
    const int frame = 2 * (frameWidth() + 1);
    const int width = widest + 2 + 12 + (scrolls ? List->verticalScrollBar()->sizeHint().width() : 0) + frame;
    List->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setFixedSize(width, shownRows * rowHeight + frame);
}

void TfmCustomSynHTMLAutoComplete::rowChosen(const QString& row)
{
    if (onChosen)
        onChosen(row);
}
