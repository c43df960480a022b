#pragma once

#include <QString>

#include <vector>

// One text of a printed header or footer: where it stands on its line and on
// which line (1-based) of the header or footer. The texts may hold the
// macros $PAGENUM$ and $PAGECOUNT$.
enum class HFAlignment { Left, Right, Center };

struct HeaderFooterItem {
    QString text;
    HFAlignment alignment = HFAlignment::Left;
    int lineNumber = 1;
    bool operator==(const HeaderFooterItem&) const = default;
};
using HeaderFooterItems = std::vector<HeaderFooterItem>;

// The text with $PAGENUM$ and $PAGECOUNT$ replaced.
QString expandPageMacros(QString text, int pageNumber, int pageCount);
// The number of lines the items take (the highest line number), 0 for none.
int headerFooterLineCount(const HeaderFooterItems& items);
