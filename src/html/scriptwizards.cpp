#include "html/scriptwizards.h"

#include "html/htmlescaping.h"
#include "html/insertion.h"

#include <QRegularExpression>

namespace ScriptWizards {

QString defaultRolloverName(int number)
{
    return QStringLiteral("ImageID%1").arg(number);
}

bool isScriptIdentifier(const QString& name)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_$][A-Za-z0-9_$]*$"));
    return identifier.match(name).hasMatch();
}

QString rolloverIdentifierMessage()
{
    return QStringLiteral("The image name is used as a JavaScript name: it must begin with a letter, \"_\" or "
                          "\"$\" and hold only letters, digits, \"_\" and \"$\".");
}

QString rolloverMarkup(const RolloverValues& v, const QString& imagesPrefix, const HtmlEscaper& e)
{
    return QStringLiteral("<a href=\"%1\" onMouseOver=\"ShowStatusMSG('%2');TheRollover(%3);return true\" "
                          "onMouseOut=\"TheRollover(%3);ShowStatusMSG(' ');return true\">")
               .arg(e.attribute(v.link), e.scriptInAttribute(v.message), v.name) +
           CR +
           QStringLiteral("  <img border=0 name=\"%1\" lowsrc=\"%2\" src=\"%3\"></a>")
               .arg(v.name, e.attribute(imagesPrefix + v.rolloverImage), e.attribute(imagesPrefix + v.originalImage));
}

QString rolloverHeadScript()
{
    return QStringLiteral("<script language=\"JavaScript\">\r<!--\rfunction TheRollover(Image) {\rif "
                          "(document.images) {\r  Temp = Image.src;\r  Image.src = Image.lowsrc;\r  Image.lowsrc = "
                          "Temp;\r}\r}\r\rfunction ShowStatusMSG(TheStatusMSG) {\r  status=TheStatusMSG;\r}\r-->\r</"
                          "script>");
}

std::vector<LinkRow> linkRowsFromLines(const QStringList& lines)
{
    std::vector<LinkRow> rows;
    QStringList given;
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty())
            given << line;
    for (qsizetype i = 0; i < given.size(); i += 2)
        rows.push_back({given[i], i + 1 < given.size() ? given[i + 1] : QString()});
    return rows;
}

std::optional<int> linkListNumberInDocument(const QString& documentText)
{
    if (!documentText.contains(QLatin1String(LinkListMarker)))
        return std::nullopt;
    static const QRegularExpression list(QStringLiteral("form\\.listID(\\d+)\\.selectedIndex"));
    const QRegularExpressionMatch m = list.match(documentText);
    if (!m.hasMatch())
        return std::nullopt;
    bool ok = false;
    const int n = m.captured(1).toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

QString linkListMarkup(const std::vector<LinkRow>& rows, int number, const QString& I, const HtmlEscaper& e)
{
    // The placeholder's value is the one the script skips.
    QString out = QStringLiteral("<form") + QLatin1Char('>') + CR + I +
                  QStringLiteral("  <select name=\"listID%1\" onchange=\"showThePage(this.form);\">").arg(number) + CR +
                  I + QStringLiteral("     <option value=\"x\">Select") + CR;
    for (const LinkRow& row : rows)
        out += I + QStringLiteral("     <option value=\"%1\">").arg(e.attribute(row.link.trimmed())) +
               e.content(row.value) + CR;
    return out + I + QStringLiteral("  </select>") + CR + I + QStringLiteral("</form>");
}

QString linkListHeadScript(int number)
{
    return QStringLiteral("<Script LANGUAGE=\"JavaScript\">\r function showThePage(form) {\r   var item = "
                          "form.listID%1.selectedIndex;\r   choice = form.listID%1.options[item].value;\r   if "
                          "(choice!=\"x\")\r     top.location.href=\"http://\"+(choice);\r };\r</script>")
        .arg(number);
}

QString randomImageMarkup(const QStringList& entries, const QString& imagesPrefix, bool background,
                          const HtmlEscaper& e)
{
    QStringList quoted;
    for (const QString& entry : entries)
        quoted << QLatin1Char('"') + e.scriptString(imagesPrefix + entry) + QLatin1Char('"');
    const QString writer =
        background ? QStringLiteral("  document.writeln('<body background=\"'+bilder[tilfeldigNr]+'\">')")
                   : QStringLiteral("  document.writeln('<IMG SRC=\"'+bilder[tilfeldigNr]+'\">')");
    return QStringLiteral("<SCRIPT language=\"javascript\">") + CR + QStringLiteral("  bilder=new Array(") +
           quoted.join(QLatin1Char(',')) + QLatin1Char(')') + CR +
           QStringLiteral("  var tilfeldigNr=Math.floor(Math.random()*bilder.length)") + CR + writer + CR +
           QStringLiteral("</SCRIPT>");
}

QString statuslineClockScript()
{
    return QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\">\r<!--\rfunction TimeStatusline() {\rNow1 = new "
                          "Date\rstatus = Now1.getHours() + \":\" + Now1.getMinutes() + \":\" + "
                          "Now1.getSeconds()\rsetTimeout(\"TimeStatusline()\",1000)\r}\r// End -->\r</script>");
}

QString statuslineClockOnLoad()
{
    return QStringLiteral(" onLoad=\"TimeStatusline()\"");
}

QString textfieldClockForm()
{
    return QStringLiteral("<form name=\"TimeForm\">\r  <input type=text name=\"TheTime\" size=\"8\"><p>\r</form>");
}

QString textfieldClockScript()
{
    return QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\">\r<!--\rfunction TimeTextfield() {\rNow1 = new "
                          "Date\rdocument.TimeForm.TheTime.value = Now1.getHours() + \":\" + Now1.getMinutes() + "
                          "\":\" + Now1.getSeconds()\rsetTimeout(\"TimeTextfield()\",1000)\r}\r// End "
                          "-->\r</script>");
}

QString textfieldClockOnLoad()
{
    return QStringLiteral(" onLoad=\"TimeTextfield()\"");
}

QString todaysDateScript()
{
    return QStringLiteral(
        "<script language=\"Javascript\">\r<!--\rMonth = Array(\"January\", \"February\", \"March\", \"April\", "
        "\"May\",\r                \"June\", \"Juli\", \"August\", \"September\", \"October\",\r                "
        "\"November\", \"December\")\r\rDate = new Date()\rNumber = Date.getMonth()\rdocument.write(Date.getDate()+\r "
        "              \" \"+Month[Number]+\r               \" \"+Date.getFullYear())\r-->\r</script>");
}

QString lastModifiedScript()
{
    return QStringLiteral(
        "<script language=\"Javascript\">\r<!--\rMonth = Array(\"January\", \"February\",\r              \"March\", "
        "\"April\", \"May\",\r              \"June\", \"July\", \"August\", \"September\", \r              "
        "\"October\",\"November\", \"December\")\rlastmod = document.lastModified\rTheDate = new "
        "Date(lastmod);\rNumber = TheDate.getMonth()\rdocument.write(\"Last modified: \"+TheDate.getDate()+\" \"+\r  "
        "             Month[Number]+\" \"+TheDate.getFullYear()+\" \"+\r               "
        "TheDate.getHours()+\":\"+TheDate.getMinutes()+\":\"+TheDate.getSeconds())\r-->\r</script>");
}

} // namespace ScriptWizards
