#include "html/tablewizard.h"

#include "html/htmlescaping.h"
#include "html/insertion.h"

QString notAnIntegerMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value.").arg(text);
}

std::optional<int> readWholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString colorHexText(int red, int green, int blue)
{
    auto hex = [](int v) { return QString::number(v & 0xFF, 16).toUpper().rightJustified(2, QLatin1Char('0')); };
    return hex(red) + hex(green) + hex(blue);
}

Result<QString> tableMarkup(const TableValues& v, const QString& indentation, const HtmlEscaper& escaper)
{
    const auto rows = readWholeNumber(v.rows);
    if (!rows)
        return Result<QString>::failure(notAnIntegerMessage(v.rows));
    const auto columns = readWholeNumber(v.columns);
    if (!columns)
        return Result<QString>::failure(notAnIntegerMessage(v.columns));
    const qint64 cells = qint64(std::max(*rows, 0)) * qint64(std::max(*columns, 0));
    if (cells > MaxTableCells)
        return Result<QString>::failure(
            QStringLiteral("A table of %1 cells is too large. The wizard makes tables of up to 10,000 cells.")
                .arg(cells));

    auto attribute = [&escaper](const char* name, const QString& value, const char* suffix = "") {
        return QStringLiteral(" %1=\"%2%3\"")
            .arg(QLatin1String(name), escaper.attribute(value), QLatin1String(suffix));
    };
    QString attributes;
    if (!v.width.isEmpty())
        attributes += attribute("width", v.width, v.widthUnit == QLatin1String("Pixel") ? "" : "%");
    if (!v.height.isEmpty())
        attributes += attribute("height", v.height, v.heightUnit == QLatin1String("Prosent") ? "%" : "");
    if (!v.cellSpacing.isEmpty())
        attributes += attribute("cellspacing", v.cellSpacing);
    if (!v.cellPadding.isEmpty())
        attributes += attribute("cellpadding", v.cellPadding);
    if (!v.alignment.isEmpty())
        attributes += attribute("align", v.alignment);
    if (!v.bgColor.isEmpty()) {
        QString color = v.bgColor;
        if (color.startsWith(QLatin1Char('#')))
            color.remove(0, 1);
        attributes += QStringLiteral(" bgcolor=\"#%1\"").arg(escaper.attribute(color));
    }
    if (!v.name.isEmpty())
        attributes += attribute("name", v.name);
    attributes += v.frame ? QStringLiteral(" border=\"1\"") : QStringLiteral(" border=\"0\"");

    const QString rowStart = indentation + QStringLiteral("  <tr>") + CR;
    const QString cell = indentation + QStringLiteral("     <td>&nbsp;</td>") + CR;
    const QString rowEnd = indentation + QStringLiteral("  </tr>") + CR;
    QString text = QStringLiteral("<table") + attributes + QLatin1Char('>') + CR;
    const QString row = rowStart + cell.repeated(std::max(*columns, 0)) + rowEnd;
    text += row.repeated(std::max(*rows, 0));
    text += indentation + QStringLiteral("</table>");
    return text;
}
