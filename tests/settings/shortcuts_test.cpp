#include "settings/shortcuts.h"

#include "settings/inifile.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Shortcuts;

namespace {

constexpr Value S = ShiftBit, C = CtrlBit, A = AltBit;

int slotOf(const char* component)
{
    for (int i = 0; i < SlotCount; ++i)
        if (qstrcmp(kSlots[i].component, component) == 0)
            return i;
    return -1;
}

struct TextCase {
    const char* name;
    QString text;
    Value value;
};

const TextCase kTextCases[] = {
    {"plain letter", "L", 'L'},
    {"ctrl letter", "Ctrl+L", C | 'L'},
    {"lower case words and key", "ctrl+l", C | 'L'},
    {"upper case words", "SHIFT+CTRL+P", S | C | 'P'},
    {"shift before ctrl", "Shift+Ctrl+A", S | C | 'A'},
    {"ctrl before shift", "Ctrl+Shift+A", S | C | 'A'},
    {"alt first of three", "Alt+Shift+Ctrl+F12", S | C | A | 0x7B},
    {"repeated word counts once", "Ctrl+Ctrl+A", C | 'A'},
    {"caret is ctrl", "^S", C | 'S'},
    {"caret lower case key", "^s", C | 'S'},
    {"caret after shift", "Shift+^S", S | C | 'S'},
    {"alt function key", "Alt+F1", A | 0x70},
    {"last function key", "F24", 0x87},
    {"function key any case", "f10", 0x79},
    {"digit is main keyboard not keypad", "Ctrl+5", C | '5'},
    {"named keys", "Shift+BkSp", S | 0x08},
    {"enter", "enter", 0x0D},
    {"esc", "Esc", 0x1B},
    {"space", "Alt+Space", A | 0x20},
    {"page down", "PgDn", 0x22},
    {"insert", "Shift+Ins", S | 0x2D},
    {"delete", "Ctrl+Del", C | 0x2E},
    {"punctuation", "Ctrl+;", C | 0xBA},
    {"keypad operator", "Ctrl+Num +", C | 0x6B},
    {"empty", "", 0},
    {"modifier alone", "Ctrl+", 0},
    {"modifiers alone", "Shift+Alt+", 0},
    {"caret alone", "^", 0},
    {"unknown name", "Ctrl+Foo", 0},
    {"beyond last function key", "F25", 0},
    {"word without plus", "Ctrl A", 0},
    {"modifier name as key", "Ctrl", 0},
    {"blank before key not trimmed", "Ctrl+ A", 0},
    {"leading blank not trimmed", " Ctrl+A", 0},
    {"modifier after key", "A+Ctrl", 0},
    {"other spelling", "Control+A", 0},
    {"no case folding beyond ascii", QString::fromUtf8("Ctrl+\u017F"), 0},
};

TEST(ShortcutText, ConvertsToValue)
{
    for (const TextCase& c : kTextCases)
        EXPECT_EQ(textToShortcut(c.text), c.value) << c.name;
}

TEST(ShortcutText, ValueToTextWritesModifiersInFixedOrder)
{
    const struct {
        Value value;
        const char* text;
    } cases[] = {
        {0, ""},
        {C | 'A', "Ctrl+A"},
        {A | C | S | 0x70, "Shift+Ctrl+Alt+F1"},
        {A | S | 0x24, "Shift+Alt+Home"},
        {0x65, "5"}, // keypad 5 carries the digit's name
        {0x141, "A"}, // bits between the key byte and Shift are no modifier
    };
    for (const auto& c : cases)
        EXPECT_EQ(shortcutToText(c.value), QString::fromLatin1(c.text)) << c.value;
}

// Every named key with every modifier set comes back as the same value,
// except the keypad digits, which come back as the main keyboard's digits.
TEST(ShortcutText, EveryNamedKeyRoundTrips)
{
    int named = 0;
    for (int code = FirstKeyCode; code <= 0xFF; ++code) {
        if (keyName(code).isEmpty())
            continue;
        ++named;
        const int expected = code >= 0x60 && code <= 0x69 ? code - 0x60 + '0' : code;
        for (int mods = 0; mods <= (S | C | A); mods += S) {
            const Value value = Value(code | mods);
            EXPECT_EQ(textToShortcut(shortcutToText(value)), Value(expected | mods))
                << shortcutToText(value).toStdString();
        }
    }
    EXPECT_GE(named, 10 + 26 + 24 + 10 + 15);
    for (int code = 0x100; code <= LastKeyCode; ++code)
        EXPECT_EQ(keyName(code), keyName(code & 0xFF)) << code;
}

TEST(ShortcutSlots, EveryDefaultRoundTripsAndNoTwoClash)
{
    QSet<Value> used;
    for (int i = 0; i < SlotCount; ++i) {
        const QString text = QString::fromLatin1(kSlots[i].defaultText);
        const Value value = textToShortcut(text);
        EXPECT_EQ(shortcutToText(value), text) << "slot " << i;
        EXPECT_EQ(text.isEmpty(), value == 0) << "slot " << i;
        if (value) {
            EXPECT_FALSE(used.contains(value)) << "slot " << i << " " << text.toStdString();
            used.insert(value);
        }
    }
    EXPECT_EQ(used.size(), 38);
}

TEST(ShortcutClash, TextsOfOneKeyAreTheSameShortcut)
{
    EXPECT_TRUE(sameShortcut("ctrl+shift+k", "Shift+Ctrl+K"));
    EXPECT_TRUE(sameShortcut("^S", " Ctrl+S "));
    EXPECT_FALSE(sameShortcut("Ctrl+K", "Shift+Ctrl+K"));
    // Texts that give no key never clash, not even with each other.
    EXPECT_FALSE(sameShortcut("", ""));
    EXPECT_FALSE(sameShortcut("Ctrl+Nothing", "Ctrl+Nothing"));
}

// The lower slot keeps a key that a later slot names as well; each later
// slot is one clash.
TEST(ShortcutClash, LowerSlotKeepsTheKey)
{
    TextList texts;
    for (int i = 0; i < SlotCount; ++i)
        texts[i] = QString::fromLatin1(kSlots[i].defaultText);
    EXPECT_TRUE(appliedShortcuts(texts).clashes.empty());

    texts[slotOf("Load1")] = "ctrl+shift+k";
    texts[slotOf("Save1")] = "Shift+Ctrl+K";
    texts[slotOf("Saveall1")] = "Ctrl+Shift+K";
    texts[slotOf("Close1")] = "f8"; // the default of Compile1, a later slot
    const AppliedShortcuts applied = appliedShortcuts(texts);
    EXPECT_EQ(applied.values[slotOf("Load1")], S | C | 'K');
    EXPECT_EQ(applied.values[slotOf("Save1")], 0);
    EXPECT_EQ(applied.values[slotOf("Saveall1")], 0);
    EXPECT_EQ(applied.values[slotOf("Close1")], 0x77);
    EXPECT_EQ(applied.values[slotOf("Compile1")], 0);
    const std::vector<ShortcutClash> expected = {{slotOf("Save1"), slotOf("Load1")},
                                                 {slotOf("Saveall1"), slotOf("Load1")},
                                                 {slotOf("Compile1"), slotOf("Close1")}};
    EXPECT_EQ(applied.clashes, expected);
    const QString message = clashMessage(applied.clashes, texts);
    EXPECT_TRUE(message.contains("File: Save (Shift+Ctrl+K): the key of File: Load")) << message.toStdString();
    EXPECT_TRUE(message.contains("Tools (java): Compile (F8): the key of File: Close")) << message.toStdString();
}

TEST(ShortcutSlots, TableKeepsTheProgramsTexts)
{
    const struct {
        int slot;
        const char* optionsText;
        const char* component;
        const char* caption;
        const char* defaultText;
    } cases[] = {
        {0, "File: Close", "Close1", "Close", ""},
        {2, "File: Load", "Load1", "&Load..", "Ctrl+L"},
        {3, "File: New java application document", "NyApplikasjonkode1", "Java application document",
         "Ctrl+J"},
        {26, "Edit: Uncommet (java only)", "Uncomment1", "Uncomment", ""},
        {34, "Insert (html code): Table", "able1", "Table", ""},
        {51, "View: Special characters", "Specialcharacters1", "Special characters", "Alt+F1"},
        {64, "Tools: (java) Expression builder", "Expressionbuilder1", "Expression builder..", "Ctrl+E"},
        {83, "Window: Windows explorer ", "WindowsExplorer1", "Windows Explorer", ""},
        {88, "Window: View in browser (html documents only)", "Viewpageinbrowser1", "View page in browser",
         "Ctrl+G"},
    };
    for (const auto& c : cases) {
        const Slot& s = kSlots[c.slot];
        EXPECT_STREQ(s.optionsText, c.optionsText) << c.slot;
        EXPECT_STREQ(s.component, c.component) << c.slot;
        EXPECT_STREQ(s.caption, c.caption) << c.slot;
        EXPECT_STREQ(s.defaultText, c.defaultText) << c.slot;
    }
    QSet<QString> components;
    for (const Slot& s : kSlots)
        components.insert(QString::fromLatin1(s.component));
    EXPECT_EQ(components.size(), SlotCount);
}

class ShortcutListTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath("Vornic.ini"); }
    void writeFile(const QByteArray& bytes)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray fileBytes() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static TextList defaults()
    {
        TextList t;
        for (int i = 0; i < SlotCount; ++i)
            t[i] = QString::fromLatin1(kSlots[i].defaultText);
        return t;
    }
    QTemporaryDir m_dir;
};

TEST_F(ShortcutListTest, WithoutSettingsFileEverySlotHasItsDefault)
{
    IniFile ini(path());
    const TextList applied = appliedTexts(ini);
    EXPECT_EQ(applied, defaults());
    EXPECT_EQ(listedTexts(ini), defaults());
    EXPECT_EQ(textToShortcut(applied[slotOf("Load1")]), C | 'L');
    EXPECT_EQ(textToShortcut(applied[slotOf("Save1")]), C | 'S');
    EXPECT_EQ(textToShortcut(applied[slotOf("Compile1")]), 0x77);
    EXPECT_EQ(textToShortcut(applied[slotOf("Close1")]), 0);
    EXPECT_FALSE(QFile::exists(path()));
}

// Slot 2 is changed, slot 15 cleared, slot 43 missing from the file.
TEST_F(ShortcutListTest, DefaultListDecidesWhatAMissingKeyMeansOnTheOptionsPage)
{
    const struct {
        const char* name;
        QByteArray defaultListLine;
        const char* applied43;
        const char* listed43;
    } cases[] = {
        {"no list saved yet (key absent)", "", "Ctrl+F", "Ctrl+F"},
        {"no list saved yet (true)", "DefaultList=1\n", "Ctrl+F", "Ctrl+F"},
        {"list saved", "DefaultList=0\n", "Ctrl+F", ""},
    };
    for (const auto& c : cases) {
        writeFile("[ShortCutList]\n" + c.defaultListLine + "2= Alt+L \n15=\n44=F3\n");
        IniFile ini(path());
        const TextList applied = appliedTexts(ini);
        const TextList listed = listedTexts(ini);
        EXPECT_EQ(applied[2], "Alt+L") << c.name;
        EXPECT_EQ(listed[2], "Alt+L") << c.name;
        EXPECT_EQ(applied[15], "") << c.name;
        EXPECT_EQ(listed[15], "") << c.name;
        EXPECT_EQ(applied[43], c.applied43) << c.name;
        EXPECT_EQ(listed[43], c.listed43) << c.name;
    }
}

TEST_F(ShortcutListTest, WritingStoresEverySlotTrimmedAndClearsDefaultList)
{
    writeFile("[History]\nCount=0\n");
    IniFile ini(path());
    TextList texts = defaults();
    texts[2] = "  Shift+Ctrl+L ";
    texts[15] = "";
    texts[0] = "not a key";
    writeTexts(ini, texts);

    QByteArray expected = "[History]\nCount=0\n[ShortCutList]\nDefaultList=0\n";
    for (int i = 0; i < SlotCount; ++i)
        expected += QByteArray::number(i) + '=' + texts[i].trimmed().toLatin1() + '\n';
    EXPECT_EQ(fileBytes(), expected);

    texts[2] = "Shift+Ctrl+L";
    EXPECT_EQ(appliedTexts(ini), texts);
    EXPECT_EQ(listedTexts(ini), texts);
    EXPECT_EQ(textToShortcut(appliedTexts(ini)[0]), 0);
}

TEST(ShortcutQtKey, MapsKeysAndModifiers)
{
    const int Keypad = Qt::KeypadModifier, Shift = Qt::ShiftModifier, Ctrl = Qt::ControlModifier,
              Alt = Qt::AltModifier;
    const struct {
        Value value;
        int qtKey;
    } cases[] = {
        {0, 0},
        {C | 'L', Qt::Key_L | Ctrl},
        {S | C | 'P', Qt::Key_P | Shift | Ctrl},
        {A | 0x70, Qt::Key_F1 | Alt},
        {0x87, Qt::Key_F24},
        {'7', Qt::Key_7},
        {0x0D, Qt::Key_Return},
        {0x08, Qt::Key_Backspace},
        {0x1B, Qt::Key_Escape},
        {0x22, Qt::Key_PageDown},
        {0x2E, Qt::Key_Delete},
        {0x65, Qt::Key_5 | Keypad},
        {0x6F, Qt::Key_Slash | Keypad},
        {C | 0xBA, Qt::Key_Semicolon | Ctrl},
        {0xBB, Qt::Key_Equal},
        {0xC0, Qt::Key_QuoteLeft},
        {0xDE, Qt::Key_Apostrophe},
        {0x0A, 0},
        {C | 0x10, 0}, // the Shift key itself is no shortcut key
    };
    for (const auto& c : cases)
        EXPECT_EQ(shortcutToQtKey(c.value), c.qtKey) << c.value;
}

// A text that converts always yields a key the menu can show, and a code
// without a name has no Qt key either.
TEST(ShortcutQtKey, NamedKeysAreExactlyTheMappedKeys)
{
    for (int code = FirstKeyCode; code <= 0xFF; ++code)
        EXPECT_EQ(keyName(code).isEmpty(), shortcutToQtKey(Value(code)) == 0) << code;
}

// A pressed key back to a value: the inverse of shortcutToQtKey.
TEST(ShortcutQtKey, PressedKeysConvertBack)
{
    for (int code = FirstKeyCode; code <= 0xFF; ++code) {
        const int qtKey = shortcutToQtKey(Value(code | C | S));
        if (qtKey == 0)
            continue;
        const auto modifiers = Qt::KeyboardModifiers(qtKey & int(Qt::KeyboardModifierMask));
        EXPECT_EQ(qtKeyToShortcut(qtKey & ~int(Qt::KeyboardModifierMask), modifiers), Value(code | C | S)) << code;
    }
    EXPECT_EQ(qtKeyToShortcut(Qt::Key_J, Qt::ControlModifier | Qt::MetaModifier), 0);
    EXPECT_EQ(qtKeyToShortcut(Qt::Key_Shift, Qt::ShiftModifier), 0);
}

struct ClashCase {
    const char* label;
    const char* text;
    NewTextCheck expected;
};

// The options page refuses a text naming a key some row already holds, the
// changed row included, by its text or by its key value.
TEST(ShortcutClash, NewTextsAgainstTheListedRows)
{
    TextList rows;
    for (int slot = 0; slot < SlotCount; ++slot)
        rows[slot] = kSlots[slot].defaultText;
    rows[30] = "  Ctrl+Shift+Y  "; // typed with blanks, another order
    rows[31] = "Foo";              // a hand-edited text that converts to nothing
    const ClashCase cases[] = {
        {"same text", "Ctrl+L", NewTextCheck::Clash},
        {"same text, other case and blanks", " ctrl+l ", NewTextCheck::Clash},
        {"own row counts", "F8", NewTextCheck::Clash},
        {"same value, words reordered", "Ctrl+Shift+P", NewTextCheck::Clash},
        {"same value, caret", "^S", NewTextCheck::Clash},
        {"value against a reordered row", "Shift+Ctrl+Y", NewTextCheck::Clash},
        {"same text as a row that names no key", "foo", NewTextCheck::Clash},
        {"free key", "Shift+Ctrl+J", NewTextCheck::Accepted},
        {"free function key", "Alt+F12", NewTextCheck::Accepted},
        {"empty", "", NewTextCheck::Accepted},
        {"blanks", "   ", NewTextCheck::Accepted},
        {"unknown key name", "Ctrl+Foo", NewTextCheck::NotAShortcut},
        {"modifier alone", "Ctrl+", NewTextCheck::NotAShortcut},
        {"typing error", "Ctrl L", NewTextCheck::NotAShortcut},
    };
    for (const ClashCase& c : cases)
        EXPECT_EQ(checkNewText(rows, c.text), c.expected) << c.label;
    EXPECT_TRUE(sameShortcut("Ctrl+Shift+P", "Shift+Ctrl+P"));
    EXPECT_FALSE(sameShortcut("Foo", "Bar"));
}

} // namespace
