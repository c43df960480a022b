#pragma once

#include "editor/headerfooteritems.h"

#include <QDateTime>
#include <QString>

class IniFile;

// The print settings of [ApplicationOptions], read each time a document is
// printed or previewed.
struct PrintSettings {
    bool ShowColorHighltPrint = true; // syntax colours
    bool ShowPrintLnNr = false;       // line numbers
    bool PrintHeader = true;
    bool PrintDate = true;
    bool PrintTime = true;
    bool NameOfPrntDoc = true;        // the document's name in the header
    bool PrintFooter = true;
    bool PrintPageNum = true;         // "Page n of m" in the footer

    static PrintSettings read(const IniFile& ini);
};

// Header line 1: the date and time on the left, then "Document: " and the
// caption, on the right when the date or time is there, else on the left.
// Empty when the header is off.
HeaderFooterItems printHeaderItems(const PrintSettings& settings, const QString& caption, const QDateTime& now);
// Footer line 1: "Printed from Pellam Vornic" on the left and the page
// number with the page count on the right. Empty when the footer is off.
HeaderFooterItems printFooterItems(const PrintSettings& settings);

// The file name an export proposes: the caption with its extension replaced
// by `extension` (".rtf", ".html"); a caption without one gets it appended.
QString exportFileName(const QString& caption, const QString& extension);
// The export's title: the caption in double quotes, " exported as " and the
// format's name.
QString exportTitle(const QString& caption, const QString& formatName);
