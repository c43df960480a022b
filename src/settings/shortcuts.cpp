#include "settings/shortcuts.h"

#include "settings/inifile.h"

#include <Qt>

#include <algorithm>

namespace Shortcuts {

constexpr std::array<Slot, SlotCount> kSlots = {{
    {"File: Close", "Close1", "Close", ""},
    {"File: Close all", "Closeall2", "Close all", ""},
    {"File: Load", "Load1", "&Load..", "Ctrl+L"},
    {"File: New java application document", "NyApplikasjonkode1", "Java application document", "Ctrl+J"},
    {"File: New java applet document", "NyAppletkode1", "Java applet document", ""},
    {"File: New html document", "HTMLdocument1", "HTML document", "Ctrl+H"},
    {"File: New xml document", "XMLdocument1", "XML document", "Alt+X"},
    {"File: New perl document", "Perldocument1", "Perl document", ""},
    {"File: New php document", "PHPdocument1", "PHP document", ""},
    {"File: New css document", "CSSdocument1", "CSS document", ""},
    {"File: New txt document", "Textfile1", "Text file", "Alt+Z"},
    {"File: Print", "Print1", "P&rint..", "Shift+Ctrl+P"},
    {"File: Printer setup", "PrinterSetup1", "&Print Setup..", ""},
    {"File: Print preview", "ForhndVisning1", "Print Preview", "Ctrl+O"},
    {"File: Quit", "Exit1", "Q&uit", "Ctrl+Q"},
    {"File: Save", "Save1", "S&ave", "Ctrl+S"},
    {"File: Save as", "SaveAs1", "Sa&ve as..", "Shift+Ctrl+S"},
    {"File: Save all", "Saveall1", "Save all", ""},
    {"Edit: Undo", "Undo1", "Undo", "Ctrl+Z"},
    {"Edit: Redo", "Redo1", "Redo", "Shift+Ctrl+Z"},
    {"Edit: Paste", "Past1", "Paste", "Ctrl+V"},
    {"Edit: Cut", "Cut1", "Cut", "Ctrl+X"},
    {"Edit: Select all", "SelectAll1", "Select All", "Ctrl+A"},
    {"Edit: Options", "Options2", "Options..", ""},
    {"Edit: Copy", "Copy1", "Copy", "Ctrl+C"},
    {"Edit: Comment (java only)", "Comment1", "Comment", ""},
    {"Edit: Uncommet (java only)", "Uncomment1", "Uncomment", ""},
    {"Edit: Indent (java only)", "Indent1", "Indent", ""},
    {"Edit: Unindent (java only)", "Unindent1", "Unindent", ""},
    {"Insert (java code): System.out.println", "Systemoutprintln2", "System.out.println", "F2"},
    {"Insert (java code): Main function", "Mainfunction1", "Main function", ""},
    {"Insert (html code): Non breaking space", "Nonbrakingspace1", "Non braking space", "Ctrl+M"},
    {"Insert (html code): Linebreal <br>", "Linebreakbr1", "Linebreak (<br>)", "Ctrl+B"},
    {"Insert (html code): Frameset", "Frameset2", "Frameset", ""},
    {"Insert (html code): Table", "able1", "Table", ""},
    {"Insert (html code): Form body <form></form>", "FormBodyformform1", "Form Body (<form></form>)", ""},
    {"Insert (html code): Image", "Image1", "Image", ""},
    {"Insert (html code): Link", "Link1", "Link", ""},
    {"Insert (html code): Comment", "Comment2", "Comment", ""},
    {"Insert (html code): Ordered list", "OrderedList1", "Ordered List", ""},
    {"Insert (html code): Unordered list", "UnorderedList1", "Unordered List", ""},
    {"Insert (html code): Font", "Font3", "Font", ""},
    {"Search: Spellcheck", "Spellcheck1", "Spell check..", ""},
    {"Search: Find", "Find1", "Find..", "Ctrl+F"},
    {"Search: Find next", "FindNext1", "Find Next", "F3"},
    {"Search: Replace", "Replace1", "Replace..", "Ctrl+R"},
    {"Search: Replace again", "Replaceagain1", "Replace again", "Shift+Ctrl+R"},
    {"Search: Next breakpoint (java only)", "Nextbookmark1", "Next breakpoint", "Ctrl+N"},
    {"Search: Previous breakpoint (java only)", "Previousbookmark1", "Previous breakpoint", "Ctrl+P"},
    {"Search: Goto linenumber", "Gotoline1", "Goto line number..", ""},
    {"View: Line numbers", "Linenumbers1", "Line Numbers", "F4"},
    {"View: Special characters", "Specialcharacters1", "Special characters", "Alt+F1"},
    {"View (java and html): Completion proposal", "CompletionProposal1", "Completion Proposal", "F7"},
    {"View (java only): Autocompletion", "Autocompletion1", "Autocompletion", "F10"},
    {"View: Statistics", "Statistics1", "Statistics", ""},
    {"Debugging (java): Start debug", "Startdebug1", "Start debug", "F11"},
    {"Debugging (java): Stop debug", "Stopdebug1", "Stop debug", ""},
    {"Debugging (java): Next instruction", "Nextinstruction1", "Next instruction", ""},
    {"Debugging (java): Set breakpoint", "Setbreakpoint1", "Set breakpoint", ""},
    {"Debugging (java): Delete breakpoint", "Deletebreakpoint1", "Delete breakpoint", ""},
    {"Debugging (java): Variable tracker", "Variabletracker1", "Variable tracker..", "F12"},
    {"Tools (java): Compile", "Compile1", "Compile current file", "F8"},
    {"Tools (java): Compile and run", "CompileandRun1", "Compile and Run current files", "F9"},
    {"Tools (java): Class wizzard", "Classwizard1", "Class wizard..", "Ctrl+W"},
    {"Tools: (java) Expression builder", "Expressionbuilder1", "Expression builder..", "Ctrl+E"},
    {"Tools (java): Exception code generator", "Exceptioncodegenerator1", "Exception code generator..", ""},
    {"Tools (java): Try-Catch code generator", "rycatchcodegenerator1", "Try-catch code generator..", ""},
    {"Tools (html): Strip html from document", "StripHTMLcode1", "Strip HTML from document", ""},
    {"Tools (html): Popupmenu code generator", "Popupmenu8", "Popupmenu..", ""},
    {"Tools (html): Button code generator", "Button3", "Button..", ""},
    {"Tools (html): Textarea code generator", "extarea2", "Textarea..", ""},
    {"Tools (html): Image code generator", "Image2", "Image..", ""},
    {"Tools (html): Link code generator", "Link2", "Link..", ""},
    {"Tools (html): Comment code generator", "Comment3", "Comment..", ""},
    {"Tools (html): Table code generator", "able2", "Table..", ""},
    {"Tools (html): Object wizard code generator", "Objectwizard1", "Object wizard..", ""},
    {"Tools (html): Font wizard code generator", "Fontwizard1", "Font wizard..", ""},
    {"Tools (html): Frames code generator", "Frames1", "Frames..", ""},
    {"Tools (html): Ordered List code generator", "OrderedLists1", "Ordered Lists..", ""},
    {"Tools (html): Unordered List code generator", "Unorderedlist2", "Unordered list..", ""},
    {"Tools (html): Rollover image code generator", "Rollover1", "Rollover..", ""},
    {"Window: Devide horrisontally", "TileHorizontally1", "Devide Horisontally", ""},
    {"Window: Dos promt", "Showdospromt1", "Show dos promt", ""},
    {"Window: Windows explorer ", "WindowsExplorer1", "Windows Explorer", ""},
    {"Window: Devide vertically", "TileVertically1", "Devide Vertically", ""},
    {"Window: Minimize all", "MinimizeAll1", "Minimize All", ""},
    {"Window: Next editor window", "Nexteditorwindow1", "Next editor window", "F5"},
    {"Window: Previous editor window", "Previouseditorwindow1", "Previous editor window", "F6"},
    {"Window: View in browser (html documents only)", "Viewpageinbrowser1", "View page in browser", "Ctrl+G"},
}};

namespace {

constexpr int NameLength = 16;
using KeyNames = std::array<std::array<char, NameLength>, 256>;

struct NamedKey {
    int code;
    const char* name;
};

// Besides the fixed names, the keys a keyboard layout would name itself
// (punctuation, keypad operators, lock keys) take the US layout's unshifted
// name: the same on every machine, and unique, so a value survives the trip
// to text and back.
constexpr NamedKey kNamedKeys[] = {
    {0x08, "BkSp"}, {0x09, "Tab"}, {0x0D, "Enter"}, {0x13, "Pause"}, {0x14, "Caps Lock"},
    {0x1B, "Esc"}, {0x20, "Space"}, {0x21, "PgUp"}, {0x22, "PgDn"}, {0x23, "End"},
    {0x24, "Home"}, {0x25, "Left"}, {0x26, "Up"}, {0x27, "Right"}, {0x28, "Down"},
    {0x2C, "Print Screen"}, {0x2D, "Ins"}, {0x2E, "Del"}, {0x5D, "Application"},
    {0x6A, "Num *"}, {0x6B, "Num +"}, {0x6D, "Num -"}, {0x6E, "Num ."}, {0x6F, "Num /"},
    {0x90, "Num Lock"}, {0x91, "Scroll Lock"}, {0xBA, ";"}, {0xBB, "="}, {0xBC, ","},
    {0xBD, "-"}, {0xBE, "."}, {0xBF, "/"}, {0xC0, "`"}, {0xDB, "["}, {0xDC, "\\"},
    {0xDD, "]"}, {0xDE, "'"},
};

constexpr void setName(KeyNames& names, int code, const char* name)
{
    for (int i = 0; name[i] && i < NameLength - 1; ++i)
        names[code][i] = name[i];
}

constexpr KeyNames buildKeyNames()
{
    KeyNames names{};
    for (const NamedKey& k : kNamedKeys)
        setName(names, k.code, k.name);
    for (int d = 0; d <= 9; ++d) {
        names['0' + d][0] = char('0' + d);
        // The numeric keypad's digits share the names of the main digits;
        // text to value finds the main ones first.
        names[0x60 + d][0] = char('0' + d);
    }
    for (int c = 'A'; c <= 'Z'; ++c)
        names[c][0] = char(c);
    for (int f = 1; f <= 24; ++f) {
        auto& n = names[0x70 + f - 1];
        n[0] = 'F';
        n[1] = char(f < 10 ? '0' + f : '0' + f / 10);
        n[2] = char(f < 10 ? 0 : '0' + f % 10);
    }
    return names;
}

constexpr KeyNames kKeyNames = buildKeyNames();

// Letter case is ignored for ASCII letters only, so no other script's case
// folding can turn a typed text into a key name.
constexpr bool sameLetter(QChar typed, char expected)
{
    const char16_t c = typed.unicode();
    const auto lower = [](char16_t x) { return x >= u'A' && x <= u'Z' ? char16_t(x + (u'a' - u'A')) : x; };
    return lower(c) == lower(char16_t(expected));
}

bool startsWithWord(QStringView text, const char* word)
{
    for (qsizetype i = 0; word[i]; ++i)
        if (i >= text.size() || !sameLetter(text[i], word[i]))
            return false;
    return true;
}

bool equalsName(QStringView text, const std::array<char, NameLength>& name)
{
    qsizetype i = 0;
    for (; i < NameLength && name[i]; ++i)
        if (i >= text.size() || !sameLetter(text[i], name[i]))
            return false;
    return i == text.size();
}

constexpr int Keypad = int(Qt::KeypadModifier);

int qtKeyOf(int code)
{
    if (code >= 'A' && code <= 'Z')
        return Qt::Key_A + (code - 'A');
    if (code >= '0' && code <= '9')
        return Qt::Key_0 + (code - '0');
    if (code >= 0x70 && code <= 0x87)
        return Qt::Key_F1 + (code - 0x70);
    if (code >= 0x60 && code <= 0x69)
        return (Qt::Key_0 + (code - 0x60)) | Keypad;
    switch (code) {
    case 0x08: return Qt::Key_Backspace;
    case 0x09: return Qt::Key_Tab;
    case 0x0D: return Qt::Key_Return;
    case 0x13: return Qt::Key_Pause;
    case 0x14: return Qt::Key_CapsLock;
    case 0x1B: return Qt::Key_Escape;
    case 0x20: return Qt::Key_Space;
    case 0x21: return Qt::Key_PageUp;
    case 0x22: return Qt::Key_PageDown;
    case 0x23: return Qt::Key_End;
    case 0x24: return Qt::Key_Home;
    case 0x25: return Qt::Key_Left;
    case 0x26: return Qt::Key_Up;
    case 0x27: return Qt::Key_Right;
    case 0x28: return Qt::Key_Down;
    case 0x2C: return Qt::Key_Print;
    case 0x2D: return Qt::Key_Insert;
    case 0x2E: return Qt::Key_Delete;
    case 0x5D: return Qt::Key_Menu;
    case 0x6A: return Qt::Key_Asterisk | Keypad;
    case 0x6B: return Qt::Key_Plus | Keypad;
    case 0x6D: return Qt::Key_Minus | Keypad;
    case 0x6E: return Qt::Key_Period | Keypad;
    case 0x6F: return Qt::Key_Slash | Keypad;
    case 0x90: return Qt::Key_NumLock;
    case 0x91: return Qt::Key_ScrollLock;
    case 0xBA: return Qt::Key_Semicolon;
    case 0xBB: return Qt::Key_Equal;
    case 0xBC: return Qt::Key_Comma;
    case 0xBD: return Qt::Key_Minus;
    case 0xBE: return Qt::Key_Period;
    case 0xBF: return Qt::Key_Slash;
    case 0xC0: return Qt::Key_QuoteLeft;
    case 0xDB: return Qt::Key_BracketLeft;
    case 0xDC: return Qt::Key_Backslash;
    case 0xDD: return Qt::Key_BracketRight;
    case 0xDE: return Qt::Key_Apostrophe;
    default: return 0;
    }
}

} // namespace

QString keyName(int keyCode)
{
    if (keyCode < 0)
        return {};
    return QString::fromLatin1(kKeyNames[keyCode & 0xFF].data());
}

Value textToShortcut(const QString& text)
{
    QStringView rest(text);
    Value modifiers = 0;
    for (;;) {
        if (startsWithWord(rest, "Shift+")) {
            modifiers |= ShiftBit;
            rest = rest.mid(6);
        } else if (startsWithWord(rest, "Ctrl+")) {
            modifiers |= CtrlBit;
            rest = rest.mid(5);
        } else if (rest.startsWith(u'^')) {
            modifiers |= CtrlBit;
            rest = rest.mid(1);
        } else if (startsWithWord(rest, "Alt+")) {
            modifiers |= AltBit;
            rest = rest.mid(4);
        } else {
            break;
        }
    }
    if (rest.isEmpty())
        return 0;
    for (int code = FirstKeyCode; code <= LastKeyCode; ++code) {
        const auto& name = kKeyNames[code & 0xFF];
        if (name[0] && equalsName(rest, name))
            return Value(code | modifiers);
    }
    return 0;
}

QString shortcutToText(Value value)
{
    if (value == 0)
        return {};
    QString text;
    if (value & ShiftBit)
        text += QLatin1String("Shift+");
    if (value & CtrlBit)
        text += QLatin1String("Ctrl+");
    if (value & AltBit)
        text += QLatin1String("Alt+");
    return text + keyName(value & 0xFF);
}

int shortcutToQtKey(Value value)
{
    const int key = qtKeyOf(value & 0xFF);
    if (key == 0)
        return 0;
    int modifiers = 0;
    if (value & ShiftBit)
        modifiers |= int(Qt::ShiftModifier);
    if (value & CtrlBit)
        modifiers |= int(Qt::ControlModifier);
    if (value & AltBit)
        modifiers |= int(Qt::AltModifier);
    return key | modifiers;
}

bool sameShortcut(const QString& a, const QString& b)
{
    const Value value = textToShortcut(a.trimmed());
    return value != 0 && value == textToShortcut(b.trimmed());
}

AppliedShortcuts appliedShortcuts(const TextList& texts)
{
    AppliedShortcuts applied;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const Value value = textToShortcut(texts[slot].trimmed());
        if (value == 0)
            continue;
        const auto earlier = std::find(applied.values.begin(), applied.values.begin() + slot, value);
        if (earlier != applied.values.begin() + slot) {
            applied.clashes.push_back({slot, int(earlier - applied.values.begin())});
            continue;
        }
        applied.values[slot] = value;
    }
    return applied;
}

QString clashMessage(const std::vector<ShortcutClash>& clashes, const TextList& texts)
{
    QString message = QStringLiteral(
        "Some shortcuts in Vornic.ini give one key to two commands. The key stays with the first of the two; "
        "these commands have no shortcut until you give them another one under Edit > Options.. > Shortcuts:\n");
    for (const ShortcutClash& c : clashes)
        message += QStringLiteral("\n%1 (%2): the key of %3")
                       .arg(QString::fromLatin1(kSlots[c.slot].optionsText), texts[c.slot].trimmed(),
                            QString::fromLatin1(kSlots[c.keptBy].optionsText));
    return message;
}

Value qtKeyToShortcut(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::MetaModifier)
        return 0;
    const int wanted = qtKey | (modifiers & Qt::KeypadModifier ? Keypad : 0);
    for (int code = FirstKeyCode; code <= 0xFF; ++code) {
        if (qtKeyOf(code) != wanted || !kKeyNames[code][0])
            continue;
        Value value = Value(code);
        if (modifiers & Qt::ShiftModifier)
            value |= ShiftBit;
        if (modifiers & Qt::ControlModifier)
            value |= CtrlBit;
        if (modifiers & Qt::AltModifier)
            value |= AltBit;
        return value;
    }
    return 0;
}

NewTextCheck checkNewText(const TextList& rows, const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return NewTextCheck::Accepted;
    for (const QString& row : rows)
        if (row.trimmed().compare(t, Qt::CaseInsensitive) == 0 || sameShortcut(row, t))
            return NewTextCheck::Clash;
    if (shortcutToQtKey(textToShortcut(t)) == 0)
        return NewTextCheck::NotAShortcut;
    return NewTextCheck::Accepted;
}

TextList appliedTexts(const IniFile& ini)
{
    const IniSection stored = ini.ReadSectionValues(QLatin1String(Section));
    TextList texts;
    for (int slot = 0; slot < SlotCount; ++slot)
        texts[slot] = stored.value(QString::number(slot)).value_or(QString::fromLatin1(kSlots[slot].defaultText));
    return texts;
}

TextList listedTexts(const IniFile& ini)
{
    const IniSection stored = ini.ReadSectionValues(QLatin1String(Section));
    const bool noListSaved = stored.ReadBool(QLatin1String(DefaultListKey), true);
    TextList texts;
    for (int slot = 0; slot < SlotCount; ++slot)
        texts[slot] = stored.value(QString::number(slot))
                          .value_or(noListSaved ? QString::fromLatin1(kSlots[slot].defaultText) : QString());
    return texts;
}

void writeTexts(IniBatch& batch, const TextList& texts)
{
    batch.WriteString(QLatin1String(Section), QLatin1String(DefaultListKey), QStringLiteral("0"));
    for (int slot = 0; slot < SlotCount; ++slot)
        batch.WriteString(QLatin1String(Section), QString::number(slot), texts[slot].trimmed());
}

void writeTexts(IniFile& ini, const TextList& texts)
{
    IniBatch batch;
    writeTexts(batch, texts);
    ini.Apply(batch);
}

} // namespace Shortcuts
