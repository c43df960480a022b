#include "html/widgets/tfmcustomsynhtmlautocomplete.h"

#include <QApplication>
#include <QFontMetrics>
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
