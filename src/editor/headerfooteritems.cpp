#include "editor/headerfooteritems.h"

#include <algorithm>

QString expandPageMacros(QString text, int pageNumber, int pageCount)
{
    text.replace(QLatin1String("$PAGENUM$"), QString::number(pageNumber), Qt::CaseInsensitive);
    text.replace(QLatin1String("$PAGECOUNT$"), QString::number(pageCount), Qt::CaseInsensitive);
    return text;
}

int headerFooterLineCount(const HeaderFooterItems& items)
{
    int lines = 0;
    for (const HeaderFooterItem& item : items)
        lines = std::max(lines, item.lineNumber);
    return lines;
}
