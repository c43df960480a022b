#include "settings/widgets/generaloptionspages.h"

#include "settings/inifile.h"
#include "settings/optionssettings.h"
#include "settings/widgets/colorbox.h"
#include "settings/widgets/optionshost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QCheckBox* check(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QLineEdit* edit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

QLabel* buddyLabel(QWidget* parent, const char* caption, QWidget* buddy)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setBuddy(buddy);
    // Line edits take their name from the buddy label; other boxes (combo
    // boxes, lists) would be known by their contents.
    if (!qobject_cast<QLineEdit*>(buddy))
        buddy->setAccessibleName(label->text());
    return label;
}

QLineEdit* numberBox(QWidget* parent, const char* name, int digits)
{
    QLineEdit* e = edit(parent, name);
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QString(digits + 3, u'0')) + 16);
    return e;
}

} // namespace

// ---- Editor ---------------------------------------------------------------

EditorOptionsPage::EditorOptionsPage(QWidget* parent) : QWidget(parent)
{
    auto* fontGroup = new QGroupBox(QStringLiteral("Font options:"), this);
    Fonts = new QComboBox(fontGroup);
    Fonts->setObjectName(QStringLiteral("Fonts"));
    Fonts->setEditable(true);
    Fonts->setInsertPolicy(QComboBox::NoInsert);
    Fonts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Fonts->setMinimumContentsLength(18);
    FontSize = numberBox(fontGroup, "FontSize", 3);
    Panel2 = new QLabel(QStringLiteral("Font preview"), fontGroup);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::StyledPanel);
    Panel2->setFrameShadow(QFrame::Sunken);
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setMinimumHeight(Panel2->fontMetrics().height() * 3);
    Panel2->setWordWrap(true);
    auto* fontGrid = new QGridLayout(fontGroup);
    fontGrid->addWidget(buddyLabel(fontGroup, "Font:", Fonts), 0, 0);
    fontGrid->addWidget(Fonts, 0, 1);
    fontGrid->addWidget(buddyLabel(fontGroup, "Size:", FontSize), 0, 2);
    fontGrid->addWidget(FontSize, 0, 3);
    fontGrid->addWidget(Panel2, 1, 0, 1, 4);
    fontGrid->setColumnStretch(1, 1);

    auto* colorGroup = new QGroupBox(QStringLiteral("Editor colors:"), this);
    panelGRTColor = new ColorBox(QStringLiteral("GTR"), QStringLiteral("Editor gutter color"), colorGroup);
    panelGRTColor->setObjectName(QStringLiteral("panelGRTColor"));
    PanelBGColor = new ColorBox(QStringLiteral("BG"), QStringLiteral("Editor background color"), colorGroup);
    PanelBGColor->setObjectName(QStringLiteral("PanelBGColor"));
    auto* colorRow = new QHBoxLayout(colorGroup);
    colorRow->addWidget(panelGRTColor);
    colorRow->addWidget(PanelBGColor);
    auto* hint = new QLabel(QStringLiteral("(Click on color boxes to change the colors)"), colorGroup);
    hint->setWordWrap(true);
    colorRow->addWidget(hint, 1);

    auto* gutterGroup = new QGroupBox(QStringLiteral("Editor gutter:"), this);
    ShowGutterCbx = check(gutterGroup, "ShowGutterCbx", "Show gutter");
    GutterSizeEdField = numberBox(gutterGroup, "GutterSizeEdField", 4);
    gutterSizeLabel = buddyLabel(gutterGroup, "Gutter size:", GutterSizeEdField);
    ShowLineNrsCbx = check(gutterGroup, "ShowLineNrsCbx", "Show line numbers");
    LeedingZeroCbx = check(gutterGroup, "LeedingZeroCbx", "Show leding zeros on line numbers");
    auto* gutterGrid = new QGridLayout(gutterGroup);
    gutterGrid->addWidget(ShowGutterCbx, 0, 0);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(gutterSizeLabel);
    sizeRow->addWidget(GutterSizeEdField);
    sizeRow->addStretch();
    gutterGrid->addLayout(sizeRow, 0, 1);
    gutterGrid->addWidget(ShowLineNrsCbx, 1, 0);
    gutterGrid->addWidget(LeedingZeroCbx, 1, 1);

    auto* completionGroup = new QGroupBox(QStringLiteral("Code completion:"), this);
    CompPropCbx = check(completionGroup, "CompPropCbx", "Enable completion proposal at startup (html and java)");
    AutoCompCbx = check(completionGroup, "AutoCompCbx", "Enable autocompletion at startup (java only)");
    auto* completionLayout = new QVBoxLayout(completionGroup);
    completionLayout->addWidget(CompPropCbx);
    completionLayout->addWidget(AutoCompCbx);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* g : {static_cast<QWidget*>(fontGroup), static_cast<QWidget*>(colorGroup),
                       static_cast<QWidget*>(gutterGroup), static_cast<QWidget*>(completionGroup)})
        layout->addWidget(g);
    layout->addStretch();

    connect(Fonts, &QComboBox::currentTextChanged, this, [this] { showFontPreview(); });
    connect(FontSize, &QLineEdit::textChanged, this, [this] { showFontPreview(); });
    connect(panelGRTColor, &QPushButton::clicked, this, [this] { panelGRTColor->chooseColor(); });
    connect(PanelBGColor, &QPushButton::clicked, this, [this] { PanelBGColor->chooseColor(); });
    connect(ShowGutterCbx, &QCheckBox::toggled, this, [this](bool on) {
        GutterSizeEdField->setEnabled(on);
        gutterSizeLabel->setEnabled(on);
    });
}

void EditorOptionsPage::fillFonts()
{
    const QString text = Fonts->currentText();
    const QSignalBlocker block(Fonts);
    Fonts->addItems(QFontDatabase::families());
    Fonts->setCurrentText(text);
}

void EditorOptionsPage::showFontPreview()
{
    const QString size = FontSize->text();
    if (size.isEmpty())
        return;
    const auto points = parseIniInteger(size);
    // The preview tells of a size that is no number while typing goes on.
    if (!points || *points < 1 || *points > 200) {
        Panel2->setFont(font());
        Panel2->setText(Colors::invalidIntegerMessage(size));
        return;
    }
    QFont preview(Fonts->currentText(), *points);
    preview.setStyleHint(QFont::TypeWriter);
    Panel2->setFont(preview);
    Panel2->setText(Fonts->currentText() + QLatin1Char(' ') + QString::number(*points));
}

void EditorOptionsPage::load(const OptionsSettings& s)
{
    Fonts->setCurrentText(s.FontType);
    FontSize->setText(s.FontSize);
    panelGRTColor->setColor(s.GTRColor);
    PanelBGColor->setColor(s.BGColor);
    ShowGutterCbx->setChecked(s.ShowGutter);
    GutterSizeEdField->setText(s.GutterSize);
    GutterSizeEdField->setEnabled(s.ShowGutter);
    gutterSizeLabel->setEnabled(s.ShowGutter);
    ShowLineNrsCbx->setChecked(s.ShowLineNumbers);
    LeedingZeroCbx->setChecked(s.LeadingZeros);
    CompPropCbx->setChecked(s.CompProposal);
    AutoCompCbx->setChecked(s.AutoCompletion);
}

void EditorOptionsPage::store(OptionsSettings& s) const
{
    s.FontType = Fonts->currentText().trimmed();
    s.FontSize = FontSize->text().trimmed();
    s.GTRColor = panelGRTColor->color();
    s.BGColor = PanelBGColor->color();
    s.ShowGutter = ShowGutterCbx->isChecked();
    s.GutterSize = GutterSizeEdField->text().trimmed();
    s.ShowLineNumbers = ShowLineNrsCbx->isChecked();
    s.LeadingZeros = LeedingZeroCbx->isChecked();
    s.CompProposal = CompPropCbx->isChecked();
    s.AutoCompletion = AutoCompCbx->isChecked();
}

// ---- Compiler -------------------------------------------------------------

CompilerOptionsPage::CompilerOptionsPage(OptionsHost* host, QWidget* parent) : QWidget(parent), m_host(host)
{
    auto* dirGroup = new QGroupBox(QStringLiteral("Directory:"), this);
    ClassPathDir = edit(dirGroup, "ClassPathDir");
    JavaBinDir = edit(dirGroup, "JavaBinDir");
    Button11 = new QPushButton(QStringLiteral("Find.."), dirGroup);
    Button11->setObjectName(QStringLiteral("Button11"));
    Button11->setToolTip(QStringLiteral("Choose the folder that holds javac, java and jdb"));
    auto* dirGrid = new QGridLayout(dirGroup);
    dirGrid->addWidget(buddyLabel(dirGroup, "Classpath directories:", ClassPathDir), 0, 0);
    dirGrid->addWidget(ClassPathDir, 0, 1, 1, 2);
    dirGrid->addWidget(buddyLabel(dirGroup, "Java binary catalog:", JavaBinDir), 1, 0);
    dirGrid->addWidget(JavaBinDir, 1, 1);
    dirGrid->addWidget(Button11, 1, 2);
    dirGrid->setColumnStretch(1, 1);

    auto* generalGroup = new QGroupBox(QStringLiteral("General java compiler options:"), this);
    AllDebugInfoCbx = check(generalGroup, "AllDebugInfoCbx", "Generate all debugging information");
    NoDebugInfoCbx = check(generalGroup, "NoDebugInfoCbx", "Do not generate any debug information");
    VerboseOutputCbx = check(generalGroup, "VerboseOutputCbx", "Verbose output");
    DisableVarnCbx = check(generalGroup, "DisableVarnCbx", "Disable warnings");
    auto* generalLayout = new QVBoxLayout(generalGroup);
    for (QCheckBox* b : {AllDebugInfoCbx, NoDebugInfoCbx, VerboseOutputCbx, DisableVarnCbx})
        generalLayout->addWidget(b);

    auto* selectedGroup = new QGroupBox(QStringLiteral("Selected debugging information:"), this);
    SelDebugLineNumCbx = check(selectedGroup, "SelDebugLineNumCbx", "Line number debugging information");
    SelDebugSourceFileCbx = check(selectedGroup, "SelDebugSourceFileCbx", "Source file debugging information");
    SelDebugLocalVarCbx = check(selectedGroup, "SelDebugLocalVarCbx", "Local variable debugging information ");
    auto* selectedLayout = new QVBoxLayout(selectedGroup);
    for (QCheckBox* b : {SelDebugLineNumCbx, SelDebugSourceFileCbx, SelDebugLocalVarCbx})
        selectedLayout->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(dirGroup);
    layout->addWidget(generalGroup);
    layout->addWidget(selectedGroup);
    layout->addStretch();

    connect(Button11, &QPushButton::clicked, this, [this] { Button11Click(); });
    // A click (mouse or keyboard) acts whatever state the box ends in.
    for (QCheckBox* b : {AllDebugInfoCbx, NoDebugInfoCbx, SelDebugLineNumCbx, SelDebugSourceFileCbx,
                         SelDebugLocalVarCbx})
        connect(b, &QCheckBox::clicked, this, [this, b] { debugBoxClicked(b); });
}

void CompilerOptionsPage::Button11Click()
{
    if (const auto folder = m_host->selectDirectory(JavaBinDir->text()))
        JavaBinDir->setText(*folder);
}

void CompilerOptionsPage::debugBoxClicked(QCheckBox* box)
{
    const QList<QCheckBox*> selected = {SelDebugLineNumCbx, SelDebugSourceFileCbx, SelDebugLocalVarCbx};
    if (box == AllDebugInfoCbx) {
        NoDebugInfoCbx->setChecked(false);
    } else if (box == NoDebugInfoCbx) {
        AllDebugInfoCbx->setChecked(false);
    } else {
        AllDebugInfoCbx->setChecked(false);
        NoDebugInfoCbx->setChecked(false);
        return;
    }
    for (QCheckBox* b : selected)
        b->setChecked(false);
}

void CompilerOptionsPage::load(const OptionsSettings& s)
{
    ClassPathDir->setText(s.ClassPathDir);
    JavaBinDir->setText(s.JavaBinDir);
    AllDebugInfoCbx->setChecked(s.compiler.AllDebugInfo);
    NoDebugInfoCbx->setChecked(s.compiler.NoDebugInfo);
    VerboseOutputCbx->setChecked(s.compiler.VerboseOutput);
    DisableVarnCbx->setChecked(s.compiler.DisableVarn);
    SelDebugLineNumCbx->setChecked(s.compiler.SelDebugLineNum);
    SelDebugSourceFileCbx->setChecked(s.compiler.SelDebugSourceFile);
    SelDebugLocalVarCbx->setChecked(s.compiler.SelDebugLocalVar);
}

void CompilerOptionsPage::store(OptionsSettings& s) const
{
    s.ClassPathDir = ClassPathDir->text();
    s.JavaBinDir = JavaBinDir->text();
    s.compiler.AllDebugInfo = AllDebugInfoCbx->isChecked();
    s.compiler.NoDebugInfo = NoDebugInfoCbx->isChecked();
    s.compiler.VerboseOutput = VerboseOutputCbx->isChecked();
    s.compiler.DisableVarn = DisableVarnCbx->isChecked();
    s.compiler.SelDebugLineNum = SelDebugLineNumCbx->isChecked();
    s.compiler.SelDebugSourceFile = SelDebugSourceFileCbx->isChecked();
    s.compiler.SelDebugLocalVar = SelDebugLocalVarCbx->isChecked();
}

// ---- Application ----------------------------------------------------------

ApplicationOptionsPage::ApplicationOptionsPage(QWidget* parent) : QWidget(parent)
{
    auto* printGroup = new QGroupBox(QStringLiteral("Printing:"), this);
    ShowPrintLnNrCbx = check(printGroup, "ShowPrintLnNrCbx", "Show line numbers");
    cbShowPageNumbers = check(printGroup, "cbShowPageNumbers", "Show page numbers");
    NameOfPrntDocCbx = check(printGroup, "NameOfPrntDocCbx", "Show name of document");
    cbPrintDate = check(printGroup, "cbPrintDate", "Show date");
    ShowColorHighltPrintCbx = check(printGroup, "ShowColorHighltPrintCbx", "Show color hightlighting");
    cbPrintShadedFooter = check(printGroup, "cbPrintShadedFooter", "Show footer");
    cbPrintShadedHeader = check(printGroup, "cbPrintShadedHeader", "Show header");
    cbPrintTime = check(printGroup, "cbPrintTime", "Show time");
    auto* printGrid = new QGridLayout(printGroup);
    QCheckBox* const printBoxes[] = {ShowPrintLnNrCbx,    cbShowPageNumbers,       NameOfPrntDocCbx,
                                     cbPrintDate,         ShowColorHighltPrintCbx, cbPrintShadedFooter,
                                     cbPrintShadedHeader, cbPrintTime};
    for (int i = 0; i < 8; ++i)
        printGrid->addWidget(printBoxes[i], i % 4, i / 4);

    auto* windowsGroup = new QGroupBox(QStringLiteral("Windows:"), this);
    ViewSpecialCharCbx = check(windowsGroup, "ViewSpecialCharCbx", "View special characters in editor windows");
    WarnBeforeCloseCbx =
        check(windowsGroup, "WarnBeforeCloseCbx", "Show warning before closing unsaved editor windows ");
    InsTmplCodeOnNewDoc = check(windowsGroup, "InsTmplCodeOnNewDoc", "Insert template code on new document creation");
    auto* windowsLayout = new QVBoxLayout(windowsGroup);
    for (QCheckBox* b : {ViewSpecialCharCbx, WarnBeforeCloseCbx, InsTmplCodeOnNewDoc})
        windowsLayout->addWidget(b);

    auto* javaGroup = new QGroupBox(QStringLiteral("Java specific:"), this);
    ShowJavaQuickFind = check(javaGroup, "ShowJavaQuickFind", "Show java quickfind tool");
    RJavaAppsDosWindow = check(javaGroup, "RJavaAppsDosWindow", "Run java applications in ordinary dos window");
    auto* javaLayout = new QVBoxLayout(javaGroup);
    javaLayout->addWidget(ShowJavaQuickFind);
    javaLayout->addWidget(RJavaAppsDosWindow);

    auto* otherGroup = new QGroupBox(QStringLiteral("Other:"), this);
    AutoSaveCbx = check(otherGroup, "AutoSaveCbx", "Autosave");
    AutoSaveIntervalEdt = numberBox(otherGroup, "AutoSaveIntervalEdt", 4);
    everyLabel = buddyLabel(otherGroup, "Every:", AutoSaveIntervalEdt);
    minLabel = new QLabel(QStringLiteral("min"), otherGroup);
    auto* otherRow = new QHBoxLayout(otherGroup);
    otherRow->addWidget(AutoSaveCbx);
    otherRow->addSpacing(12);
    otherRow->addWidget(everyLabel);
    otherRow->addWidget(AutoSaveIntervalEdt);
    otherRow->addWidget(minLabel);
    otherRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* g : {static_cast<QWidget*>(printGroup), static_cast<QWidget*>(windowsGroup),
                       static_cast<QWidget*>(javaGroup), static_cast<QWidget*>(otherGroup)})
        layout->addWidget(g);
    layout->addStretch();

    connect(AutoSaveCbx, &QCheckBox::toggled, this, [this](bool on) {
        for (QWidget* w : {static_cast<QWidget*>(AutoSaveIntervalEdt), static_cast<QWidget*>(everyLabel),
                           static_cast<QWidget*>(minLabel)})
            w->setEnabled(on);
    });
}

void ApplicationOptionsPage::load(const OptionsSettings& s)
{
    ShowPrintLnNrCbx->setChecked(s.ShowPrintLnNr);
    cbShowPageNumbers->setChecked(s.PrintPageNum);
    NameOfPrntDocCbx->setChecked(s.NameOfPrntDoc);
    cbPrintDate->setChecked(s.PrintDate);
    ShowColorHighltPrintCbx->setChecked(s.ShowColorHighltPrint);
    cbPrintShadedFooter->setChecked(s.PrintFooter);
    cbPrintShadedHeader->setChecked(s.PrintHeader);
    cbPrintTime->setChecked(s.PrintTime);
    ViewSpecialCharCbx->setChecked(s.ViewSecialChars);
    WarnBeforeCloseCbx->setChecked(s.WarnBeforeClose);
    InsTmplCodeOnNewDoc->setChecked(s.TmpltCodeOnNewDoc);
    ShowJavaQuickFind->setChecked(s.JavaQuickFind);
    RJavaAppsDosWindow->setChecked(s.JavaAppsInDosWindow);
    AutoSaveCbx->setChecked(s.AutoSave);
    AutoSaveIntervalEdt->setText(s.AutoSaveInterval);
    for (QWidget* w : {static_cast<QWidget*>(AutoSaveIntervalEdt), static_cast<QWidget*>(everyLabel),
                       static_cast<QWidget*>(minLabel)})
        w->setEnabled(s.AutoSave);
}

void ApplicationOptionsPage::store(OptionsSettings& s) const
{
    s.ShowPrintLnNr = ShowPrintLnNrCbx->isChecked();
    s.PrintPageNum = cbShowPageNumbers->isChecked();
    s.NameOfPrntDoc = NameOfPrntDocCbx->isChecked();
    s.PrintDate = cbPrintDate->isChecked();
    s.ShowColorHighltPrint = ShowColorHighltPrintCbx->isChecked();
    s.PrintFooter = cbPrintShadedFooter->isChecked();
    s.PrintHeader = cbPrintShadedHeader->isChecked();
    s.PrintTime = cbPrintTime->isChecked();
    s.ViewSecialChars = ViewSpecialCharCbx->isChecked();
    s.WarnBeforeClose = WarnBeforeCloseCbx->isChecked();
    s.TmpltCodeOnNewDoc = InsTmplCodeOnNewDoc->isChecked();
    s.JavaQuickFind = ShowJavaQuickFind->isChecked();
    s.JavaAppsInDosWindow = RJavaAppsDosWindow->isChecked();
    s.AutoSave = AutoSaveCbx->isChecked();
    s.AutoSaveInterval = AutoSaveIntervalEdt->text().trimmed();
}

// ---- Spell Checker --------------------------------------------------------

SpellCheckOptionsPage::SpellCheckOptionsPage(OptionsHost* host, QWidget* parent) : QWidget(parent), m_host(host)
{
    auto* group = new QGroupBox(QStringLiteral("Options:"), this);
    ComboBox1 = new QComboBox(group);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMinimumContentsLength(16);
    CheckBox1 = check(group, "CheckBox1", "Automatically spellcheck text in editor");
    CheckBox7 = check(group, "CheckBox7", "Ignore words with numbers in them");
    CheckBox13 = check(group, "CheckBox13", "Ignore single characters");
    CheckBox14 = check(group, "CheckBox14", "Show hourglass while searching");
    Panel1 = new ColorBox(QString(), QStringLiteral("Spellcheck word underline color"), group);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(buddyLabel(group, "Dictionary language:", ComboBox1), 0, 0);
    grid->addWidget(ComboBox1, 0, 1);
    int row = 1;
    for (QCheckBox* b : {CheckBox1, CheckBox7, CheckBox13, CheckBox14})
        grid->addWidget(b, row++, 0, 1, 3);
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(Panel1);
    colorRow->addWidget(buddyLabel(group, "(Spellcheck word underline color)", Panel1));
    colorRow->addStretch();
    grid->addLayout(colorRow, row, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
    layout->addStretch();

    connect(Panel1, &QPushButton::clicked, this, [this] { Panel1->chooseColor(); });
    connect(ComboBox1, &QComboBox::activated, this, [this](int index) { ComboBox1Change(index); });
}

void SpellCheckOptionsPage::fillLanguages(const QStringList& installed)
{
    ComboBox1->clear();
    ComboBox1->addItems(installed);
    ComboBox1->addItem(QStringLiteral("Other.."));
}

void SpellCheckOptionsPage::ComboBox1Change(int index)
{
    if (!ComboBox1->itemText(index).contains(QLatin1String("Other")))
        return;
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Information"),
        QStringLiteral("You can download dictionaries for the following languages from the program webpage: czech, "
                       "danish, dutch, italian, japanese, latin, norwegian, polish, russian and turkish. Do you want to "
                       "visit the program homepage to download one of these languages?"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        m_host->openHomepage();
}

void SpellCheckOptionsPage::load(const OptionsSettings& s)
{
    // A stored language with no dictionary here still shows, so OK keeps it.
    int index = ComboBox1->findText(s.DictLanguage);
    if (index < 0 && !s.DictLanguage.isEmpty()) {
        ComboBox1->insertItem(0, s.DictLanguage);
        index = 0;
    }
    ComboBox1->setCurrentIndex(index);
    CheckBox1->setChecked(s.AutoSpellCheck);
    CheckBox7->setChecked(s.IgnoreWordsWithNum);
    CheckBox13->setChecked(s.IgnoreSingleChar);
    CheckBox14->setChecked(s.ShowHourglass);
    Panel1->setColor(s.UnderlineColor);
}

void SpellCheckOptionsPage::store(OptionsSettings& s) const
{
    s.DictLanguage = ComboBox1->currentIndex() < 0 ? QString() : ComboBox1->currentText();
    s.AutoSpellCheck = CheckBox1->isChecked();
    s.IgnoreWordsWithNum = CheckBox7->isChecked();
    s.IgnoreSingleChar = CheckBox13->isChecked();
    s.ShowHourglass = CheckBox14->isChecked();
    s.UnderlineColor = Panel1->color();
}
