#include "html/inlineinsertion.h"

namespace InlineInsertion {

namespace {

using Column = CaretMove::Column;

// The fixed texts; \x01 stands for the indentation, \x02 for the selection. The caret
// moves: lineDelta, and a column counted back from the caret or absolute
// (with `indented` adding the indentation's length).
struct Entry {
    Command command;
    const char* text;
    int lineDelta;
    Column rule;
    int column;
    bool indented;
    bool moves;
};

const Entry kEntries[] = {
    {{"Table1Click", "Table", "able1"}, "<table>\r\x01  <tr>\r\x01    <td></td>\r\x01  </tr>\r\x01</table>", -2, Column::Absolute, 9, true, true},
    {{"Frameset11Click", "Frameset", "Frameset2"}, "<frameset>\r\x01  <frame src=\"\">\r\x01</frameset>", -1, Column::Absolute, 15, true, true},
    {{"Breakbr1Click", "Linebreak (<br>)", "Linebreakbr1"}, "<br>", 0, Column::FromCaret, 0, false, false},
    {{"Bilde1Click", "Image", "Image1"}, "<img src=\"\">", 0, Column::FromCaret, -2, false, true},
    {{"Lenke1Click", "Link", "Link1"}, "<a href=\"\"></a>", 0, Column::FromCaret, -6, false, true},
    {{"Font2Click", "Font", "Font3"}, "<font face=\"\">\x02</font>", 0, Column::FromCaret, -9, false, true},
    {{"OrdnetListe1Click", "Ordered List", "OrderedList1"}, "<ol>\r\x01  <li></li>\r\x01</ol>", -1, Column::Absolute, 7, true, true},
    {{"Uordnetliste1Click", "Unordered List", "UnorderedList1"}, "<ul>\r\x01  <li></li>\r\x01</ul>", -1, Column::Absolute, 7, true, true},
    {{"Horisonallinjal1Click", "Horisontal Ruler", "htmlHorizontalRuler"}, "<hr>", 0, Column::FromCaret, 0, false, false},
    {{"Kommentar1Click", "Comment", "Comment2"}, "<!--  -->", 0, Column::FromCaret, -4, false, true},
    {{"PasswordField1Click", "Password Field", "htmlPasswordField"}, "<input type=\"password\" name=\"\">", 0, Column::FromCaret, -2, false, true},
    {{"Hiddenfield1Click", "Hidden Field", "htmlHiddenField"}, "<input type=\"hidden\" name=\"\">", 0, Column::FromCaret, -2, false, true},
    {{"Resetbutton1Click", "Button", "htmlButton"}, "<input type=\"button\" value=\"\">", 0, Column::FromCaret, -2, false, true},
    {{"Button1Click", "Send Button", "htmlSendButton"}, "<input type=\"submit\" value=\"Submit\" name=\"\">", 0, Column::FromCaret, -2, false, true},
    {{"ResetButton2Click", "Reset Button", "htmlResetButton"}, "<input type=\"reset\" value=\"Reset\" name=\"\">", 0, Column::FromCaret, -2, false, true},
    {{"extfield2Click", "Textfield", "htmlTextfield"}, "<input type=\"text\" name=\"\">", 0, Column::FromCaret, -2, false, true},
    {{"Selectfield1Click", "Popup menu", "htmlPopupMenu"}, "<select>\r  <option>\r</select>", -1, Column::Absolute, 11, false, true},
    {{"Checkbox3Click", "Checkbox", "htmlCheckbox"}, "<input type=\"checkbox\" name=\"\">", 0, Column::FromCaret, -2, false, true},
    {{"RadioButton2Click", "Radio Button", "htmlRadioButton"}, "<input type=\"radio\" name=\"\">", 0, Column::FromCaret, -2, false, true},
    {{"FileField1Click", "File Field", "htmlFileField"}, "<input type=\"file\" name=\"\">", 0, Column::FromCaret, -2, false, true},
    {{"ImageButton1Click", "Image Button", "htmlImageButton"}, "<input type=\"image\" src=\"\">", 0, Column::FromCaret, -2, false, true},
    {{"Textarea1Click", "Text Area", "htmlTextArea"}, "<textarea rows=\"10\" cols=\"30\"></textarea>", 0, Column::FromCaret, 0, false, false},
    {{"Formbodyformform1Click", "Form Body (<form></form>)", "FormBodyformform1"}, "<form method=\"POST\">\r\x01\r\x01</form>", -1, Column::Absolute, 4, true, true},
    {{"Nonbrakingspaca1Click", "Non braking space", "Nonbrakingspace1"}, "&nbsp;", 0, Column::FromCaret, 0, false, false},
    {{"Centsign1Click", "Vertical bar", "htmlVerticalBar"}, "&brvbar;", 0, Column::FromCaret, 0, false, false},
    {{"Copyrightsign1Click", "Copyright sign (c)", "htmlCopyrightSign"}, "&copy;", 0, Column::FromCaret, 0, false, false},
    {{"Circularregistrationsign1Click", "Registration mark (r)", "htmlRegistrationMark"}, "&reg;", 0, Column::FromCaret, 0, false, false},
    {{"Degreesign1Click", "Degree sign", "htmlDegreeSign"}, "&deg;", 0, Column::FromCaret, 0, false, false},
    {{"Leftquotationmark1Click", "Left brackets", "htmlLeftBrackets"}, "&laquo;", 0, Column::FromCaret, 0, false, false},
    {{"Rightquiotationmark1Click", "Right brackets", "htmlRightBrackets"}, "&raquo;", 0, Column::FromCaret, 0, false, false},
};

} // namespace

const std::vector<Command>& commands()
{
    static const std::vector<Command> list = [] {
        std::vector<Command> out;
        for (const Entry& e : kEntries)
            out.push_back(e.command);
        return out;
    }();
    return list;
}

Insertion insertion(const QString& handler, const QString& indentation, const QString& selection)
{
    for (const Entry& e : kEntries) {
        if (handler != QLatin1String(e.command.handler))
            continue;
        QString text;
        for (const char* p = e.text; *p; ++p) {
            if (*p == '\x01')
                text += indentation;
            else if (*p == '\x02')
                text += selection;
            else
                text += QLatin1Char(*p);
        }
        if (!e.moves)
            return {text, std::nullopt};
        const int column = e.column + (e.indented ? int(indentation.size()) : 0);
        return {text, CaretMove{e.lineDelta, e.rule, column}};
    }
    return {};
}

QString alignmentText(const QString& alignment, const QString& selection)
{
    return QStringLiteral("<div align=\"%1\">").arg(alignment) + selection + QStringLiteral("</div>");
}

QString startEndTagText(const QString& start, const QString& end, const QString& selection)
{
    return start + selection + end;
}

} // namespace InlineInsertion
