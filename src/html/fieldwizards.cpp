#include "html/fieldwizards.h"

#include "html/htmlescaping.h"

namespace {

// Reads the values as the wizard takes them: a text is given when it is not
// empty, after trimming for the form fields.
class Reader {
public:
    Reader(const FieldValues& values, bool trim, const HtmlEscaper& escaper)
        : m_values(values), m_trim(trim), m_escaper(escaper)
    {
    }
    QString text(const char* key) const
    {
        const QString t = m_values.text(key);
        return m_trim ? t.trimmed() : t;
    }
    bool given(const char* key) const { return !text(key).isEmpty(); }
    bool ticked(const char* key) const { return m_values.isTicked(key); }
    // ` name="value"` when the field is given.
    QString attribute(const char* name, const char* key, const char* valuePrefix = "") const
    {
        if (!given(key))
            return {};
        return QStringLiteral(" %1=\"%2%3\"")
            .arg(QLatin1String(name), QLatin1String(valuePrefix), m_escaper.attribute(text(key)));
    }
    const HtmlEscaper& escaper() const { return m_escaper; }

private:
    const FieldValues& m_values;
    bool m_trim;
    const HtmlEscaper& m_escaper;
};

Insertion inputWithLabel(const char* type, const FieldValues& values, const HtmlEscaper& escaper)
{
    const Reader r(values, true, escaper);
    QString text = QStringLiteral("<input type=\"%1\"").arg(QLatin1String(type)) + r.attribute("name", "name");
    if (r.ticked("checked"))
        text += QStringLiteral(" checked");
    text += QLatin1Char('>');
    // The label is element content, written as typed.
    const QString label = values.text("label");
    if (!label.trimmed().isEmpty())
        text += escaper.content(label);
    return {text, std::nullopt};
}

Insertion checkBox(const FieldValues& v, const FieldContext&, const HtmlEscaper& e)
{
    return inputWithLabel("checkbox", v, e);
}

Insertion radioButton(const FieldValues& v, const FieldContext&, const HtmlEscaper& e)
{
    return inputWithLabel("radio", v, e);
}

Insertion input(const char* type, const FieldValues& v, const HtmlEscaper& e, std::initializer_list<const char*> keys)
{
    const Reader r(v, true, e);
    QString text = QStringLiteral("<input type=\"%1\"").arg(QLatin1String(type));
    for (const char* key : keys)
        text += r.attribute(key, key);
    return {text + QLatin1Char('>'), std::nullopt};
}

Insertion textField(const FieldValues& v, const FieldContext&, const HtmlEscaper& e)
{
    return input("text", v, e, {"name", "value", "size"});
}

Insertion passwordField(const FieldValues& v, const FieldContext&, const HtmlEscaper& e)
{
    return input("password", v, e, {"name", "value", "size"});
}

Insertion hiddenField(const FieldValues& v, const FieldContext&, const HtmlEscaper& e)
{
    return input("hidden", v, e, {"name", "value"});
}

Insertion fileField(const FieldValues& v, const FieldContext&, const HtmlEscaper& e)
{
    return input("file", v, e, {"name", "size"});
}

Insertion imageButton(const FieldValues& v, const FieldContext&, const HtmlEscaper& e)
{
    const Reader r(v, true, e);
    return {QStringLiteral("<input type=\"image\"") + r.attribute("name", "name") + r.attribute("src", "source") +
                QLatin1Char('>'),
            std::nullopt};
}

Insertion button(const FieldValues& v, const FieldContext&, const HtmlEscaper& e)
{
    const Reader r(v, true, e);
    const QString choice = v.text("type");
    const char* type = choice == QLatin1String("Send button")    ? "submit"
                       : choice == QLatin1String("Reset button") ? "reset"
                                                                 : "button";
    return {QStringLiteral("<input") + r.attribute("name", "name") + r.attribute("value", "value") +
                QStringLiteral(" type=\"%1\">").arg(QLatin1String(type)),
            std::nullopt};
}

Insertion textArea(const FieldValues& v, const FieldContext&, const HtmlEscaper& e)
{
    const Reader r(v, false, e);
    QString text = QStringLiteral("<textarea") + r.attribute("Name", "name") + r.attribute("rows", "rows") +
                   r.attribute("cols", "cols");
    const QString wrap = v.text("wrap");
    if (wrap == QLatin1String("Virtual"))
        text += QStringLiteral(" wrap=\"virtual\"");
    else if (wrap == QLatin1String("Physical"))
        text += QStringLiteral(" wrap=\"physical\"");
    else if (wrap == QLatin1String("Off"))
        text += QStringLiteral(" wrap=\"off\"");
    return {text + QStringLiteral("></textarea>"), std::nullopt};
}

Insertion horizontalRule(const FieldValues& v, const FieldContext&, const HtmlEscaper& e)
{
    const Reader r(v, false, e);
    QString text = QStringLiteral("<hr") + r.attribute("align", "alignment") + r.attribute("Size", "size") +
                   r.attribute("width", "width");
    if (r.ticked("noshade"))
        text += QStringLiteral(" noshade");
    return {text + QLatin1Char('>'), std::nullopt};
}

Insertion object(const FieldValues& v, const FieldContext& c, const HtmlEscaper& e)
{
    const Reader r(v, false, e);
    const QString text = QStringLiteral("<object") + r.attribute("Width", "width") + r.attribute("Height", "height") +
                         r.attribute("ClassID", "classId") + r.attribute("Data", "data") +
                         r.attribute("Codebase", "codebase") + r.attribute("type", "mimeType") +
                         r.attribute("ID", "id") + QLatin1Char('>') + CR + CR + c.indentation +
                         QStringLiteral("</object>");
    // Into the empty middle line, indented a little.
    return {text, CaretMove{-1, CaretMove::Column::Absolute, int(c.indentation.size()) + 5}};
}

Insertion image(const FieldValues& v, const FieldContext& c, const HtmlEscaper& e)
{
    const Reader r(v, false, e);
    QString text = QStringLiteral("<img");
    if (r.given("file")) {
        const QString file = c.hasProjectCatalog ? imageInFolder(c.imagesFolder, r.text("file")) : r.text("file");
        text += QStringLiteral(" src=\"%1\"").arg(e.attribute(file));
    }
    text += r.attribute("Height", "height") + r.attribute("Width", "width") + r.attribute("Name", "name") +
            r.attribute("Align", "alignment") + r.attribute("hspace", "hspace") + r.attribute("vspace", "vspace") +
            r.attribute("alt", "alt") + r.attribute("usemap", "useMap", "#") + r.attribute("lowsrc", "lowsrc") +
            r.attribute("border", "border");
    if (r.ticked("ismap"))
        text += QStringLiteral(" ismap");
    return {text + QLatin1Char('>'), std::nullopt};
}

Insertion browserInformation(const FieldValues& v, const FieldContext&, const HtmlEscaper& e)
{
    static const struct {
        const char* key;
        const char* caption;
        const char* property;
    } lines[] = {
        {"browserType", "Nettleser: ", "appName"},
        {"browserVersion", "Nettleser versjon: ", "appVersion"},
        {"codeName", "Program kode name: ", "appCodeName"},
        {"platform", "Platform: ", "platform"},
        {"language", "Språk: ", "language"},
    };
    QString body;
    for (const auto& line : lines)
        if (v.isTicked(line.key))
            body += QStringLiteral("document.write(\"%1\"+window.navigator.%2+\"<br>\");")
                        .arg(e.scriptString(QString::fromUtf8(line.caption)), QLatin1String(line.property)) +
                    CR;
    if (body.isEmpty())
        return {};
    return {QStringLiteral("<script>") + CR + QStringLiteral("<!--") + CR + body + QStringLiteral("-->") + CR +
                QStringLiteral("</script>"),
            std::nullopt};
}

using K = FieldKind;

const FieldWizard kWizards[] = {
    {"TCheckBoxGenFrm", "Checkbox", "HID_CHECKBOX", true,
     {{"name", "Name:"}, {"label", "Checkbox label:"}, {"checked", "Checked", K::Check}}, checkBox},
    {"TRadioButtonFrm", "Radio button", "HID_RADIOBUTTONDLG", true,
     {{"name", "Belongs to group (name):"}, {"label", "Radio button label:"}, {"checked", "Checked", K::Check}},
     radioButton},
    {"TTextfieldFrm", "Textfield", "HID_TEXTFIELDDLG", true,
     {{"name", "Name:"}, {"value", "Value:"}, {"size", "Size:"}}, textField},
    {"TPasswordFieldFrm", "Password Field", "HID_PWDFIELDDLG", true,
     {{"name", "Name:"}, {"value", "Value:"}, {"size", "Size:"}}, passwordField},
    {"THidnFieldFrm", "Hidden field", "", true, {{"name", "Name:"}, {"value", "Value:"}}, hiddenField},
    {"TFileFieldFrm", "File field", "", true, {{"name", "Name:"}, {"size", "Size:"}}, fileField},
    {"TImageButtonFrm", "Form image button", "HID_IMAGEBUTTON", true,
     {{"name", "Name:"}, {"source", "Source:", K::ImageFile, "#", {}, "", ".."}}, imageButton, "", "", true},
    {"TKnappeForm", "Button", "HID_BUTTON", true,
     {{"name", "Name:"},
      {"type", "Type:", K::Choice, "", {"Ordinary button", "Send button", "Reset button"}},
      {"value", "Value:"}},
     button},
    {"TTextArea", "Textarea wizard:", "HID_TEXTAREA", false,
     {{"name", "Name:"},
      {"rows", "Rows:", K::Text, "10"},
      {"cols", "Cols:", K::Text, "30"},
      {"wrap", "Encapulation:", K::Choice, "", {"Virtual", "Physical", "Off"}}},
     textArea},
    {"THorisontalLinjalFrm", "Horisontal ruler", "HID_HR", false,
     {{"alignment", "Alignment:", K::Choice, "", {"left", "right", "center"}},
      {"size", "Size:"},
      {"width", "Width:"},
      {"noshade", "No shadowing", K::Check}},
     horizontalRule},
    {"TMediaForm", "Object wizard:", "HID_OBJECTWIZ", false,
     {{"width", "Width:"},
      {"height", "Height:"},
      {"classId", "Class ID:"},
      {"data", "Data:"},
      {"codebase", "Codebase:"},
      {"mimeType", "MIMEtype:"},
      {"id", "ID:"}},
     object},
    {"TBildeFrm", "Image", "HID_IMAGEDLG", false,
     {{"file", "File:", K::ImageFile, "", {}, "", "Find.."},
      {"height", "Height:"},
      {"width", "Width:"},
      {"name", "Name:"},
      {"alignment", "Alignment:", K::EditableChoice, "",
       {"top", "texttop", "middle", "absmiddle", "bottom", "absbottom", "baseline", "left", "right", "center"}},
      {"hspace", "hspace:"},
      {"vspace", "vspace:"},
      {"alt", "Alt text:"},
      {"useMap", "Use map:"},
      {"lowsrc", "lowsrc", K::ImagePath, "", {}, "", "Find.."},
      {"border", "Border size:"},
      {"ismap", "Is map", K::Check}},
     image, "width", "height"},
    {"TNettleserInfFrm", "Browser Information script", "", false,
     {{"browserType", "Browser type", K::Check, "", {}, "(e.g: Netscape)"},
      {"browserVersion", "Browser version", K::Check, "", {}, "(e.g: 4.0)"},
      {"codeName", "Program code name", K::Check, "", {}, "(e.g: Modzilla)"},
      {"platform", "Platform", K::Check, "", {}, "(e.g: Win32)"},
      {"language", "Language", K::Check, "", {}, "(e.g: English)"}},
     browserInformation},
};

} // namespace

const FieldWizard& fieldWizard(FieldWizardKind kind)
{
    return kWizards[int(kind)];
}

QString imageInFolder(const QString& folder, const QString& name)
{
    return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
}
