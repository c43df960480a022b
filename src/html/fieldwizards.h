#pragma once

#include "html/insertion.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <vector>

class HtmlEscaper;

// The wizards that are a table of fields and one generator: checkbox, radio
// button, text, password, hidden and file fields, image button, button,
// text area, horizontal rule, object, image and browser information. Each
// is a description (caption, help topic, rows) the dialog builds itself
// from, and a generator of the values the user entered.

// What the user entered: texts by row key (a choice gives its caption, or
// nothing when none was made) and the keys of the ticked boxes.
struct FieldValues {
    QHash<QString, QString> texts;
    QSet<QString> ticked;
    QString text(const char* key) const { return texts.value(QLatin1String(key)); }
    bool isTicked(const char* key) const { return ticked.contains(QLatin1String(key)); }
};

enum class FieldKind {
    Text,
    Check,
    Choice,         // a fixed list; starts with no choice
    EditableChoice, // a list whose text may also be typed
    ImageFile,      // text with "Find..": picks a picture into the project
    ImagePath,      // text with "Find..": a picture's full path, not copied
};

struct FieldRow {
    const char* key;   // the control's object name
    const char* label; // its visible caption
    FieldKind kind = FieldKind::Text;
    const char* defaultText = "";
    std::vector<const char*> choices = {};
    const char* note = "";        // a further label after the control
    const char* buttonText = "";  // the picker button's caption
};

// What a generator needs besides the values.
struct FieldContext {
    QString indentation;  // the caret line's leading blanks
    QString imagesFolder; // prefix of a picture in the project; empty without a catalog
    bool hasProjectCatalog = false;
};

struct FieldWizard {
    const char* objectName; // TCheckBoxGenFrm ...
    const char* caption;
    const char* helpTopic;  // empty: no Help button
    bool trimTexts;         // form fields trim what was typed
    std::vector<FieldRow> rows;
    Insertion (*generate)(const FieldValues&, const FieldContext&, const HtmlEscaper&);
    // Rows the image wizard fills with the picked picture's size.
    const char* widthKey = "";
    const char* heightKey = "";
    // A picture picked into the project is entered with its folder.
    bool pickedImageWithFolder = false;
};

enum class FieldWizardKind {
    CheckBox,
    RadioButton,
    TextField,
    PasswordField,
    HiddenField,
    FileField,
    ImageButton,
    Button,
    TextArea,
    HorizontalRule,
    Object,
    Image,
    BrowserInformation,
};

const FieldWizard& fieldWizard(FieldWizardKind kind);

// The project path of a picture: folder, "/" and name; the bare name when
// the folder is empty.
QString imageInFolder(const QString& folder, const QString& name);
