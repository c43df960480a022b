#pragma once

class HtmlHost;
class WizardDialog;

// Opens the HTML wizards: each launch makes a fresh wizard with its default
// values and shows it beside the frame window.
enum class HtmlWizard {
    Table,
    Frames,
    Link,
    Image,
    Font,
    HorizontalRule,
    Comment,
    OrderedList,
    UnorderedList,
    Object,
    Rollover,
    CheckBox,
    RadioButton,
    TextField,
    PasswordField,
    HiddenField,
    FileField,
    ImageButton,
    Button,
    TextArea,
    PopupMenu,
    RandomImages,
    LinkForwarder,
    BrowserInformation,
};

// The wizard shown; none when it needs an open document and there is none.
WizardDialog* openHtmlWizard(HtmlWizard wizard, HtmlHost* host);
