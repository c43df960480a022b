#include "workspace/printsetup.h"

#include "settings/inifile.h"

#include <QLocale>

PrintSettings PrintSettings::read(const IniFile& ini)
{
    const IniSection s = ini.ReadSectionValues(QStringLiteral("ApplicationOptions"));
    PrintSettings p;
    p.ShowColorHighltPrint = s.ReadBool(QStringLiteral("ShowColorHighltPrint"), true);
    p.ShowPrintLnNr = s.ReadBool(QStringLiteral("ShowPrintLnNr"), false);
    p.PrintHeader = s.ReadBool(QStringLiteral("PrintHeader"), true);
    p.PrintDate = s.ReadBool(QStringLiteral("PrintDate"), true);
    p.PrintTime = s.ReadBool(QStringLiteral("PrintTime"), true);
    p.NameOfPrntDoc = s.ReadBool(QStringLiteral("NameOfPrntDoc"), true);
    p.PrintFooter = s.ReadBool(QStringLiteral("PrintFooter"), true);
    p.PrintPageNum = s.ReadBool(QStringLiteral("PrintPageNum"), true);
    return p;
}

HeaderFooterItems printHeaderItems(const PrintSettings& settings, const QString& caption, const QDateTime& now)
{
    HeaderFooterItems items;
    if (!settings.PrintHeader)
        return items;
    const QLocale locale = QLocale::system();
    QString dateTime;
    if (settings.PrintDate)
        dateTime = locale.toString(now.date(), QLocale::ShortFormat);
    if (settings.PrintTime)
        dateTime += QLatin1Char(' ') + locale.toString(now.time(), QLocale::ShortFormat);
    if (!dateTime.isEmpty())
        items.push_back({dateTime, HFAlignment::Left, 1});
    if (settings.NameOfPrntDoc)
        items.push_back({QStringLiteral("Document: ") + caption,
                         dateTime.isEmpty() ? HFAlignment::Left : HFAlignment::Right, 1});
    return items;
}

HeaderFooterItems printFooterItems(const PrintSettings& settings)
{
    HeaderFooterItems items;
    if (!settings.PrintFooter)
        return items;
    items.push_back({QStringLiteral("Printed from Pellam Vornic"), HFAlignment::Left, 1});
    if (settings.PrintPageNum)
        items.push_back({QStringLiteral("Page $PAGENUM$ of $PAGECOUNT$"), HFAlignment::Right, 1});
    return items;
}

QString exportFileName(const QString& caption, const QString& extension)
{
    const qsizetype dot = caption.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 ? caption.left(dot) : caption) + extension;
}

QString exportTitle(const QString& caption, const QString& formatName)
{
    return QLatin1Char('"') + caption + QStringLiteral("\" exported as ") + formatName;
}
