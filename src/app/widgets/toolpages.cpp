#include "app/widgets/toolpages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

struct ToolButtonEntry {
    const char* name;
    const char* hint; // shown as the tooltip, the button's only label
    const char* icon; // freedesktop icon name
    bool disabled = false;
};

struct ToolGroup {
    const char* title;
    const ToolButtonEntry* buttons;
    int count;
};

namespace {

// The panel is 179 pixels wide: six 22-pixel buttons fit beside each other
// inside a group box.
constexpr int buttonsPerRow = 6;
constexpr int buttonSize = 22;

template <std::size_t N>
constexpr ToolGroup group(const char* title, const ToolButtonEntry (&buttons)[N])
{
    return {title, buttons, static_cast<int>(N)};
}

constexpr ToolButtonEntry javaTools[] = {
    {"SpeedButton31", "Class wizard code generator", "code-class"},
    {"SpeedButton32", "Try..Catch code generator", "code-block"},
    {"SpeedButton1", "Exception code generator", "exception"},
    {"SpeedButton46", "Expression builder", "formula"},
    {"SpeedButton36", "Compile and run..", "media-playback-start"},
    {"SpeedButton37", "Compile..", "run-build"},
};
constexpr ToolButtonEntry javaDebugging[] = {
    {"SpeedButton41", "Start debugging", "debug-run"},
    {"SpeedButton42", "Next instruction", "debug-step-over", true},
    {"SpeedButton3", "Stop execution", "process-stop", true},
    {"SpeedButton45", "Set breakpoint", "bookmark-new"},
    {"SpeedButton2", "Clear breakpoint", "bookmark-remove"},
    {"SpeedButton44", "Variabel value tracker", "code-variable"},
};
constexpr ToolButtonEntry javaOther[] = {
    {"SpeedButton38", "New java document..", "document-new"},
    {"javaSaveDocument", "Save document", "document-save"},
    {"javaOpenDocument", "Open document..", "document-open"},
    {"SpeedButton47", "Insert code..", "insert-text"},
    {"javaPaste", "Paste", "edit-paste"},
    {"javaCut", "Cut", "edit-cut"},
    {"javaCopy", "Copy", "edit-copy"},
    {"javaSelectAll", "Select all", "edit-select-all"},
    {"SpeedButton10", "Comment", "edit-comment"},
    {"SpeedButton11", "Uncomment", "delete-comment"},
    {"SpeedButton12", "Indent", "format-indent-more"},
    {"SpeedButton13", "Unindent", "format-indent-less"},
    {"javaSaveAs", "Save as..", "document-save-as"},
    {"javaPrint", "Print", "document-print"},
    {"javaPrintPreview", "Print preview", "document-print-preview"},
};
constexpr ToolButtonEntry javaSearch[] = {
    {"javaFind", "Find..", "edit-find"},
    {"javaFindNext", "Find next", "go-down-search"},
    {"javaReplace", "Replace", "edit-find-replace"},
    {"SpeedButton15", "Replace again", "view-refresh"},
    {"javaNextBreakpoint", "Next breakpoint", "go-down-skip"},
    {"javaPreviousBreakpoint", "Previous breakpoint", "go-up-skip"},
};

constexpr ToolButtonEntry htmlForm[] = {
    {"htmlCheckboxWizard", "Checkbox", "checkbox"},
    {"htmlRadioButtonWizard", "Radio button", "draw-circle"},
    {"htmlTextfieldWizard", "Textfield", "text-field"},
    {"htmlPasswordFieldWizard", "Password field", "dialog-password"},
    {"htmlHiddenFieldWizard", "Hidden field", "view-hidden"},
    {"htmlFileFieldWizard", "File field", "quickopen-file"},
    {"htmlImageButtonWizard", "Image button", "viewimage"},
    {"htmlButtonWizard", "Button", "insert-button"},
    {"htmlTextAreaWizard", "Text Area", "text-field-framed"},
    {"htmlPopupMenuWizard", "Popup menu", "gnumeric-object-combo"},
};
constexpr ToolButtonEntry htmlCommon[] = {
    {"htmlTableWizard", "Table", "insert-table"},
    {"htmlFramesetWizard", "Frameset", "view-split-left-right"},
    {"htmlLinkWizard", "Link", "insert-link"},
    {"htmlImageWizard", "Image", "insert-image"},
    {"htmlFontWizard", "Font", "font"},
    {"htmlHorizontalRulerWizard", "Horisontal Ruler", "insert-horizontal-rule"},
    {"htmlCommentWizard", "Comment", "edit-comment"},
    {"htmlOrderedListWizard", "Ordered List", "format-list-ordered"},
    {"htmlUnorderedListWizard", "Unordered List", "format-list-unordered"},
    {"htmlObjectWizard", "Object - Used for ActiveX, Applet etc.", "object"},
    {"htmlRolloverWizard", "Rollover", "document-swap"},
    {"SpeedButton100", "View page in browser (Ctrl+G)", "globe"},
};
constexpr ToolButtonEntry htmlJavascripts[] = {
    {"htmlTodaysDate", "Todays date", "view-calendar-day"},
    {"htmlBrowserInformation", "Browser information", "documentinfo"},
    {"htmlDocumentLastModified", "Document last modified", "document-edit"},
    {"htmlClock", "Clock", "clock"},
    {"htmlRandomImages", "Random images", "randomize"},
    {"htmlLinkForwarder", "Popup menu with link forwarder", "gnumeric-link-url"},
};
constexpr ToolButtonEntry htmlOther[] = {
    {"htmlNewDocument", "New HTML document..", "document-new"},
    {"htmlSaveDocument", "Save document", "document-save"},
    {"htmlOpenDocument", "Open document..", "document-open"},
    {"htmlPasteCode", "Paste Code..", "xml-element-new"},
    {"htmlFindNext", "Find next", "go-down-search"},
    {"htmlFind", "Find..", "edit-find"},
    {"htmlSelectAll", "Select all", "edit-select-all"},
    {"htmlCopy", "Copy", "edit-copy"},
    {"htmlCut", "Cut", "edit-cut"},
    {"htmlPaste", "Paste", "edit-paste"},
    {"htmlPrint", "Print", "document-print"},
    {"htmlPrintPreview", "Print preview", "document-print-preview"},
    {"htmlReplace", "Replace", "edit-find-replace"},
    {"htmlReplaceAgain", "Replace again", "view-refresh"},
    {"htmlSaveAs", "Save as..", "document-save-as"},
    {"Button5", "Strip html from current document (renames the file to .txt)", "edit-clear"},
};

constexpr ToolButtonEntry generalFile[] = {
    {"generalSaveDocument", "Save document", "document-save"},
    {"generalOpenDocument", "Open document..", "document-open"},
    {"generalSaveAs", "Save as..", "document-save-as"},
    {"generalPrint", "Print", "document-print"},
    {"generalPrintPreview", "Print preview", "document-print-preview"},
    {"SpeedButton60", "New document..", "document-new"},
};
constexpr ToolButtonEntry generalSearch[] = {
    {"generalFind", "Find..", "edit-find"},
    {"generalFindNext", "Find next", "go-down-search"},
    {"generalReplace", "Replace", "edit-find-replace"},
    {"generalReplaceAgain", "Replace again", "view-refresh"},
};
// Undo and Redo share their cells with two disabled stand-ins; only one of
// each pair is shown (EnableGeneralButtons).
constexpr ToolButtonEntry generalEdit[] = {
    {"generalSelectAll", "Select all", "edit-select-all"},
    {"generalCut", "Cut", "edit-cut"},
    {"generalCopy", "Copy", "edit-copy"},
    {"generalPaste", "Paste", "edit-paste"},
    {"SpeedButton79", "Undo", "edit-undo"},
    {"SpeedButton93", "Redo", "edit-redo"},
};

constexpr ToolGroup javaGroups[] = {group("Tools:", javaTools), group("Debugging:", javaDebugging),
                                    group("Other:", javaOther), group("Search:", javaSearch)};
constexpr ToolGroup htmlGroups[] = {group("Form:", htmlForm), group("Common:", htmlCommon),
                                    group("Javascripts:", htmlJavascripts), group("Other:", htmlOther)};
constexpr ToolGroup generalGroups[] = {group("File:", generalFile), group("Search:", generalSearch),
                                       group("Edit:", generalEdit)};

// The General page's buttons that need an open document.
constexpr const char* generalDocumentButtons[] = {
    "generalSaveDocument", "generalSaveAs", "generalPrint", "generalPrintPreview",
    "generalCut", "generalCopy", "generalSelectAll", "generalPaste",
    "generalFind", "generalFindNext", "generalReplace", "generalReplaceAgain",
};

// Short text for a button whose icon the theme lacks: the initials of the
// hint's first two words ("Class wizard code generator" gives "CW").
QString fallbackText(const QString& hint)
{
    QString text;
    for (const QString& word : hint.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.at(0).isLetterOrNumber())
            text += word.at(0).toUpper();
        if (text.size() == 2)
            break;
    }
    return text.isEmpty() ? hint.left(2) : text;
}

// Without a desktop's platform theme Qt has no icon theme (and, offscreen,
// not even the system icon folders), so every button would show its text.
// Breeze is the theme the program is installed with; under a desktop theme
// it only fills in the names that theme lacks. Must run before the first
// icon lookup: Qt caches a theme's parents when it first loads it.
void useInstalledIconTheme()
{
    const QString theme = QIcon::themeName();
    if (!theme.isEmpty() && theme != QLatin1String("hicolor")) {
        QIcon::setFallbackThemeName(QStringLiteral("breeze"));
        return;
    }
    QStringList paths = QIcon::themeSearchPaths();
    const QStringList systemDirs = QStandardPaths::locateAll(
        QStandardPaths::GenericDataLocation, QStringLiteral("icons"), QStandardPaths::LocateDirectory);
    for (const QString& dir : systemDirs) {
        if (!paths.contains(dir))
            paths << dir;
    }
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(QStringLiteral("breeze"));
}

template <std::size_t N>
constexpr int groupCount(const ToolGroup (&)[N])
{
    return static_cast<int>(N);
}

} // namespace

ToolPages::ToolPages(QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("PageControl3"));
    setUsesScrollButtons(true);
    setDocumentMode(true);
    useInstalledIconTheme();

    TabSheet5 = new QWidget(this);
    TabSheet5->setObjectName(QStringLiteral("TabSheet5"));
    filesLayout = new QVBoxLayout(TabSheet5);
    filesLayout->setContentsMargins(0, 0, 0, 0);
    JavaSheet = makeToolSheet(javaGroups, groupCount(javaGroups), "JavaSheet");
    HTMLSheet = makeToolSheet(htmlGroups, groupCount(htmlGroups), "HTMLSheet");
    GeneralSheet = makeToolSheet(generalGroups, groupCount(generalGroups), "GeneralSheet");

    addTab(TabSheet5, QStringLiteral("Files"));
    addTab(JavaSheet, QStringLiteral("Java"));
    addTab(HTMLSheet, QStringLiteral("HTML"));
    addTab(GeneralSheet, QStringLiteral("General"));
    setCurrentIndex(0);

    SpeedButton41 = button(QStringLiteral("SpeedButton41"));
    SpeedButton42 = button(QStringLiteral("SpeedButton42"));
    SpeedButton3 = button(QStringLiteral("SpeedButton3"));
    SpeedButton38 = button(QStringLiteral("SpeedButton38"));
    SpeedButton47 = button(QStringLiteral("SpeedButton47"));
    SpeedButton60 = button(QStringLiteral("SpeedButton60"));
    htmlNewDocument = button(QStringLiteral("htmlNewDocument"));
    htmlPasteCode = button(QStringLiteral("htmlPasteCode"));

    QToolButton* clock = button(QStringLiteral("htmlClock"));
    clockMenu = new QMenu(clock);
    clockMenu->setObjectName(QStringLiteral("clockMenu"));
    clockMenu->addAction(QStringLiteral("Statusline clock"))->setObjectName(QStringLiteral("statuslineClock"));
    clockMenu->addAction(QStringLiteral("Textfield clock"))->setObjectName(QStringLiteral("textfieldClock"));
    clock->setMenu(clockMenu);
    clock->setPopupMode(QToolButton::InstantPopup);

    EnableGeneralButtons(false);

    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_changingPages)
            emit userChangedPage(index);
    });
}

QToolButton* ToolPages::button(const QString& objectName) const
{
    return m_buttons.value(objectName, nullptr);
}

QList<QToolButton*> ToolPages::allButtons() const
{
    return m_buttons.values();
}

QWidget* ToolPages::page(Page p) const
{
    switch (p) {
    case Page::Files:
        return TabSheet5;
    case Page::Java:
        return JavaSheet;
    case Page::Html:
        return HTMLSheet;
    case Page::General:
        return GeneralSheet;
    }
    return nullptr;
}

void ToolPages::setPageVisible(Page p, bool visible)
{
    const bool wasChanging = m_changingPages;
    m_changingPages = true;
    setTabVisible(indexOf(page(p)), visible);
    m_changingPages = wasChanging;
}

bool ToolPages::isPageVisible(Page p) const
{
    return isTabVisible(indexOf(page(p)));
}

void ToolPages::selectPage(Page p)
{
    const bool wasChanging = m_changingPages;
    m_changingPages = true;
    setCurrentWidget(page(p));
    m_changingPages = wasChanging;
}

void ToolPages::showOnlyPage(Page p)
{
    // Show first, so hiding the current page never lands on a hidden one.
    setPageVisible(p, true);
    for (Page kind : {Page::Java, Page::Html, Page::General}) {
        if (kind != p)
            setPageVisible(kind, false);
    }
}

void ToolPages::EnableGeneralButtons(bool v)
{
    for (const char* name : generalDocumentButtons)
        button(QString::fromUtf8(name))->setEnabled(v);
    button(QStringLiteral("SpeedButton79"))->setVisible(v);
    button(QStringLiteral("SpeedButton93"))->setVisible(v);
    button(QStringLiteral("undoStandIn"))->setVisible(!v);
    button(QStringLiteral("redoStandIn"))->setVisible(!v);
}

QWidget* ToolPages::makeToolSheet(const ToolGroup* groups, int count, const char* name)
{
    auto* sheet = new QScrollArea(this);
    sheet->setObjectName(QString::fromUtf8(name));
    sheet->setWidgetResizable(true);
    sheet->setFrameShape(QFrame::NoFrame);
    sheet->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* content = new QWidget(sheet);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    for (int i = 0; i < count; ++i)
        layout->addWidget(makeGroup(groups[i]));
    if (groups == javaGroups)
        layout->addWidget(makeQuickFind());
    layout->addStretch(1);
    sheet->setWidget(content);
    return sheet;
}

QGroupBox* ToolPages::makeGroup(const ToolGroup& group)
{
    auto* box = new QGroupBox(QString::fromUtf8(group.title));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(1);
    grid->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int i = 0; i < group.count; ++i) {
        const ToolButtonEntry& e = group.buttons[i];
        QToolButton* b = makeButton(box, e.name, e.hint, e.icon);
        b->setEnabled(!e.disabled);
        grid->addWidget(b, i / buttonsPerRow, i % buttonsPerRow);
    }
    if (group.buttons == generalEdit) {
        const ToolButtonEntry standIns[] = {{"undoStandIn", "Undo", "edit-undo", true},
                                            {"redoStandIn", "Redo", "edit-redo", true}};
        const char* working[] = {"SpeedButton79", "SpeedButton93"};
        for (int i = 0; i < 2; ++i) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(grid->indexOf(button(QString::fromUtf8(working[i]))), &row,
                                  &column, &rowSpan, &columnSpan);
            QToolButton* b = makeButton(box, standIns[i].name, standIns[i].hint, standIns[i].icon);
            b->setEnabled(false);
            grid->addWidget(b, row, column);
        }
    }
    return box;
}

QGroupBox* ToolPages::makeQuickFind()
{
    GroupBox12 = new QGroupBox(QStringLiteral("Quick find:"));
    GroupBox12->setObjectName(QStringLiteral("GroupBox12"));
    auto* layout = new QVBoxLayout(GroupBox12);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);

    auto* top = new QHBoxLayout;
    auto* classLabel = new QLabel(QStringLiteral("Class name:"), GroupBox12);
    top->addWidget(classLabel);
    top->addStretch(1);
    SpeedButton101 = makeButton(GroupBox12, "SpeedButton101", "Close quick find", "window-close");
    SpeedButton101->setFixedSize(16, 16);
    SpeedButton101->setIconSize(QSize(12, 12));
    top->addWidget(SpeedButton101);
    layout->addLayout(top);

    ClassNameCompoBox1 = new QComboBox(GroupBox12);
    ClassNameCompoBox1->setObjectName(QStringLiteral("ClassNameCompoBox1"));
    classLabel->setBuddy(ClassNameCompoBox1);
    layout->addWidget(ClassNameCompoBox1);

    auto* memberLabel = new QLabel(QStringLiteral("Class datamember:"), GroupBox12);
    layout->addWidget(memberLabel);
    // Stays disabled until a class is chosen in the box above.
    ClassDatamemberComboBox2 = new QComboBox(GroupBox12);
    ClassDatamemberComboBox2->setObjectName(QStringLiteral("ClassDatamemberComboBox2"));
    ClassDatamemberComboBox2->setEnabled(false);
    memberLabel->setBuddy(ClassDatamemberComboBox2);
    layout->addWidget(ClassDatamemberComboBox2);
    return GroupBox12;
}

QToolButton* ToolPages::makeButton(QWidget* parent, const char* name, const char* hint,
                                   const char* icon)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setToolTip(QString::fromUtf8(hint));
    // Without it a screen reader names every icon after its group's caption.
    b->setAccessibleName(b->toolTip());
    b->setAutoRaise(true);
    b->setFixedSize(buttonSize, buttonSize);
    b->setIconSize(QSize(16, 16));
    const QString iconName = QString::fromUtf8(icon);
    if (!iconName.isEmpty() && QIcon::hasThemeIcon(iconName)) {
        b->setIcon(QIcon::fromTheme(iconName));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        b->setText(fallbackText(b->toolTip()));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    m_buttons.insert(b->objectName(), b);
    return b;
}
