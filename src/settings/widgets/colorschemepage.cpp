#include "settings/widgets/colorschemepage.h"

#include "settings/changeset.h"
#include "settings/customlanguageedits.h"
#include "settings/customlanguages.h"
#include "settings/inifile.h"
#include "settings/namerules.h"
#include "settings/textlistfile.h"
#include "settings/widgets/colorbox.h"
#include "settings/widgets/customlanguagegroups.h"
#include "settings/widgets/highlightpreview.h"
#include "settings/widgets/optionshost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

constexpr int FirstCustomTab = 6;
const QString kFirstRunSection = QStringLiteral("SynHighlOptions");
const char* const kStyleCaptions[4] = {"Bold", "Italic", "Underlined", "Striketru"};

IniBatch attributeBatch(const AttributeList& attributes)
{
    IniBatch batch;
    ColorSchemes::writeAttributes(batch, attributes);
    return batch;
}

} // namespace

ColorSchemePage::ColorSchemePage(OptionsHost* host, QWidget* parent) : QWidget(parent), m_host(host)
{
    TabSet1 = new QTabBar(this);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setExpanding(false);
    TabSet1->setUsesScrollButtons(true);
    for (const QString& tab : ColorSchemes::builtInTabs())
        TabSet1->addTab(tab);
    TabSet1->addTab(QStringLiteral("New language"));
    TabSet1->addTab(QStringLiteral("Edit language"));

    colorGroup = new QWidget(this);
    SynEditor = m_host->createHighlightPreview(colorGroup);
    SynEditor->setObjectName(QStringLiteral("SynEditor"));
    SynEditor->setMinimumHeight(SynEditor->fontMetrics().height() * 9);
    SynEditor->setAccessibleName(QStringLiteral("Preview"));
    ComboBox2 = new QComboBox(colorGroup);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->setMinimumContentsLength(14);
    auto* presetLabel = new QLabel(QStringLiteral("Select Preset:"), colorGroup);
    presetLabel->setBuddy(ComboBox2);
    ComboBox2->setAccessibleName(presetLabel->text());
    Button8 = new QPushButton(QStringLiteral("Save.."), colorGroup);
    Button8->setObjectName(QStringLiteral("Button8"));
    Button8->setToolTip(QStringLiteral("Save these colours as a preset named in the box"));
    cbxAttrSelect = new QComboBox(colorGroup);
    cbxAttrSelect->setObjectName(QStringLiteral("cbxAttrSelect"));
    cbxAttrSelect->setMinimumContentsLength(16);
    auto* elementLabel = new QLabel(QStringLiteral("Element:"), colorGroup);
    elementLabel->setBuddy(cbxAttrSelect);
    cbxAttrSelect->setAccessibleName(elementLabel->text());
    FGColor = new ColorBox(QStringLiteral("FG"), QStringLiteral("Keyword foreground color"), colorGroup);
    FGColor->setObjectName(QStringLiteral("FGColor"));
    BGColor = new ColorBox(QStringLiteral("BG"), QStringLiteral("Keyword backgound color"), colorGroup);
    BGColor->setObjectName(QStringLiteral("BGColor"));
    for (int i = 0; i < 4; ++i) {
        styleBoxes[i] = new QCheckBox(QLatin1String(kStyleCaptions[i]), colorGroup);
        styleBoxes[i]->setObjectName(QLatin1String(kStyleCaptions[i]));
    }

    auto* presetRow = new QHBoxLayout;
    presetRow->addWidget(presetLabel);
    presetRow->addWidget(ComboBox2, 1);
    presetRow->addWidget(Button8);
    auto* element = new QGridLayout;
    element->addWidget(elementLabel, 0, 0);
    element->addWidget(cbxAttrSelect, 0, 1, 1, 3);
    element->addWidget(FGColor, 1, 0);
    element->addWidget(BGColor, 1, 1);
    auto* hint = new QLabel(QStringLiteral("(Click on colorbox to select color)"), colorGroup);
    hint->setWordWrap(true);
    element->addWidget(hint, 1, 2, 1, 2);
    for (int i = 0; i < 4; ++i)
        element->addWidget(styleBoxes[i], 2, i);
    auto* colorLayout = new QVBoxLayout(colorGroup);
    colorLayout->setContentsMargins(0, 0, 0, 0);
    colorLayout->addWidget(SynEditor, 1);
    colorLayout->addLayout(presetRow);
    colorLayout->addLayout(element);

    newGroup = new NewLanguageGroup(this);
    editGroup = new EditLanguageGroup(this);
    groups = new QStackedWidget(this);
    groups->addWidget(colorGroup);
    groups->addWidget(newGroup);
    groups->addWidget(editGroup);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TabSet1);
    layout->addWidget(groups, 1);

    connect(TabSet1, &QTabBar::currentChanged, this, [this](int index) { TabSet1Click(index); });
    connect(cbxAttrSelect, &QComboBox::currentIndexChanged, this, [this] { cbxAttrSelectChange(); });
    connect(FGColor, &QPushButton::clicked, this, [this] { editAttribute(true); });
    connect(BGColor, &QPushButton::clicked, this, [this] { editAttribute(false); });
    for (QCheckBox* box : styleBoxes)
        connect(box, &QCheckBox::clicked, this, [this] { styleClicked(); });
    connect(ComboBox2, &QComboBox::activated, this, [this](int index) { ComboBox2Click(index); });
    connect(Button8, &QPushButton::clicked, this, [this] { Button8Click(); });
    connect(SynEditor, &HighlightPreview::clicked, this, [this] {
        if (SynEditor->lines().join(QLatin1Char('\n')).contains(QLatin1String(CustomLanguageEdits::NoCodePlaceholder)))
            SynEditor->setLines({});
    });
    connect(newGroup, &NewLanguageGroup::languageAdded, this, [this](const QString& name) {
        insertCustomTab(name);
        m_host->customLanguagesChanged();
    });
    connect(editGroup, &EditLanguageGroup::languageDeleted, this,
            [this](const QString& name) { languageDeleted(name); });
    connect(editGroup, &EditLanguageGroup::languageRenamed, this,
            [this](const QString& oldName, const QString& newName) { languageRenamed(oldName, newName); });
    connect(editGroup, &EditLanguageGroup::fileMaskChanged, this, [this] { m_host->customLanguagesChanged(); });
}

void ColorSchemePage::showError(const QString& message)
{
    QMessageBox::critical(this, QStringLiteral("Error"), message);
}

bool ColorSchemePage::isLanguageTab(int index) const
{
    return index >= 0 && index < TabSet1->count() - 2;
}

// ---- opening --------------------------------------------------------------

void ColorSchemePage::startOnJava()
{
    CurrentLangName = QStringLiteral("Java");
    CurrentLangTab = 0;
    SynEditor->showHighlighter(PreviewLanguage::Java);
    SynEditor->setLines(ColorSchemes::javaSample());
    LoadFromIni(CurrentLangName);
}

void ColorSchemePage::insertCustomTabs(const QStringList& listed)
{
    for (const QString& name : listed)
        if (!name.trimmed().isEmpty())
            insertCustomTab(name);
}

void ColorSchemePage::insertCustomTab(const QString& name)
{
    const QSignalBlocker block(TabSet1);
    TabSet1->insertTab(FirstCustomTab, name);
    if (CurrentLangTab >= FirstCustomTab)
        ++CurrentLangTab;
}

void ColorSchemePage::fillPresets()
{
    const QString typed = ComboBox2->currentText();
    ComboBox2->clear();
    const Result<QStringList> presets = ColorSchemes::readPresetList();
    if (!presets) {
        showError(presets.error());
        return;
    }
    ComboBox2->addItems(presets.value());
    ComboBox2->setCurrentIndex(-1);
    ComboBox2->setEditText(typed);
}

void ColorSchemePage::firstRun()
{
    IniFile& ini = m_host->settingsStore();
    if (ini.ReadBool(kFirstRunSection, QStringLiteral("FirstRun"), true)) {
        IniBatch batch;
        if (const auto java = m_host->activeJavaColors())
            ColorSchemes::writeAttributes(batch, *java);
        batch.WriteBool(kFirstRunSection, QStringLiteral("FirstRun"), false);
        try {
            ini.Apply(batch);
        } catch (const IniWriteError& e) {
            showError(e.message());
        }
    }
    SynEditor->loadAttributes(PreviewLanguage::Java, ini);
}

void ColorSchemePage::ReloadAttributes()
{
    const QSignalBlocker block(cbxAttrSelect);
    cbxAttrSelect->clear();
    for (const AttributeStyle& a : SynEditor->attributes(SynEditor->shownHighlighter()))
        cbxAttrSelect->addItem(a.name);
    cbxAttrSelect->setCurrentIndex(0);
    cbxAttrSelectChange();
}

// ---- colour files ---------------------------------------------------------

void ColorSchemePage::UpdateAllColorIniFiles(ChangeSet& changes, const QString& language) const
{
    if (const auto path = languageColorFile(language))
        changes.editIni(*path, attributeBatch(SynEditor->attributes(ColorSchemes::highlighterOf(language))));
}

void ColorSchemePage::LoadFromIni(const QString& language)
{
    const auto path = languageColorFile(language);
    if (!path)
        return;
    if (QFileInfo::exists(*path)) {
        SynEditor->loadAttributes(ColorSchemes::highlighterOf(language), IniFile(*path));
        return;
    }
    ChangeSet changes;
    UpdateAllColorIniFiles(changes, language);
    if (Result<void> r = changes.apply(); !r)
        showError(r.error());
}

void ColorSchemePage::LoadLangData(const QString& language)
{
    const CustomLanguageDefinition def = readCustomLanguageDefinition(language);
    SynEditor->applyCustomLanguage(def);
    SynEditor->setLines(def.codeLines.isEmpty() ? QStringList{QLatin1String(CustomLanguageEdits::NoCodePlaceholder)}
                                                : def.codeLines);
}

// The language being left keeps its colours and, when custom, its sample.
bool ColorSchemePage::saveLeftLanguage()
{
    if (CurrentLangName.isEmpty())
        return true;
    ChangeSet changes;
    UpdateAllColorIniFiles(changes, CurrentLangName);
    Result<void> r = changes.apply();
    if (r && CurrentLangTab >= FirstCustomTab)
        r = CustomLanguageEdits::writeSample(CurrentLangName, SynEditor->lines());
    if (!r)
        showError(r.error());
    return r.ok();
}

void ColorSchemePage::TabSet1Click(int index)
{
    if (!isLanguageTab(index)) {
        groups->setCurrentWidget(index == TabSet1->count() - 2 ? static_cast<QWidget*>(newGroup) : editGroup);
        return;
    }
    if (!saveLeftLanguage()) {
        const QSignalBlocker block(TabSet1);
        TabSet1->setCurrentIndex(CurrentLangTab);
        groups->setCurrentWidget(colorGroup);
        return;
    }
    const QString name = TabSet1->tabText(index);
    if (index >= FirstCustomTab)
        LoadLangData(name);
    groups->setCurrentWidget(colorGroup);
    const PreviewLanguage language = ColorSchemes::highlighterOf(name);
    SynEditor->showHighlighter(language);
    // A custom language shows its own sample, whichever highlighter it has.
    if (index < FirstCustomTab) {
        switch (language) {
        case PreviewLanguage::Java: SynEditor->setLines(ColorSchemes::javaSample()); break;
        case PreviewLanguage::HTML: SynEditor->setLines(ColorSchemes::htmlSample()); break;
        default: SynEditor->setLines(SynEditor->sampleText(language)); break;
        }
    }
    CurrentLangName = name;
    CurrentLangTab = index;
    LoadFromIni(name);
    ReloadAttributes();
}

void ColorSchemePage::showNewLanguageTab()
{
    TabSet1->setCurrentIndex(TabSet1->count() - 2);
    newGroup->Edit1->setFocus();
}

// ---- elements -------------------------------------------------------------

void ColorSchemePage::cbxAttrSelectChange()
{
    const QString name = cbxAttrSelect->currentText();
    for (const AttributeStyle& a : SynEditor->attributes(SynEditor->shownHighlighter())) {
        if (a.name != name)
            continue;
        FGColor->setColor(a.foreground);
        BGColor->setColor(a.background);
        for (int i = 0; i < 4; ++i)
            styleBoxes[i]->setChecked(a.style & (1 << i));
        return;
    }
}

void ColorSchemePage::editAttribute(bool foreground)
{
    ColorBox* box = foreground ? FGColor : BGColor;
    // A cancelled colour dialog leaves the element as it was.
    if (!box->chooseColor())
        return;
    const PreviewLanguage language = SynEditor->shownHighlighter();
    for (AttributeStyle a : SynEditor->attributes(language))
        if (a.name == cbxAttrSelect->currentText()) {
            (foreground ? a.foreground : a.background) = box->color();
            SynEditor->setAttribute(language, a);
        }
}

void ColorSchemePage::styleClicked()
{
    int style = 0;
    for (int i = 0; i < 4; ++i)
        if (styleBoxes[i]->isChecked())
            style |= 1 << i;
    const PreviewLanguage language = SynEditor->shownHighlighter();
    for (AttributeStyle a : SynEditor->attributes(language))
        if (a.name == cbxAttrSelect->currentText()) {
            a.style = style;
            SynEditor->setAttribute(language, a);
        }
}

// ---- presets --------------------------------------------------------------

void ColorSchemePage::ComboBox2Click(int index)
{
    const QString name = ComboBox2->itemText(index);
    const auto path = ColorSchemes::presetFile(name);
    if (!path || !QFileInfo::exists(*path)) {
        QMessageBox::information(this, QStringLiteral("Information"),
                                 ColorSchemes::missingPresetMessage(path.value_or(name)));
        return;
    }
    SynEditor->loadAttributes(ColorSchemes::highlighterOf(CurrentLangName), IniFile(*path));
    cbxAttrSelectChange();
}

void ColorSchemePage::Button8Click()
{
    const QString name = ComboBox2->currentText().trimmed();
    if (auto message = NameRules::checkPresetName(name)) {
        QMessageBox::information(this, QStringLiteral("Information"), *message);
        return;
    }
    const Result<QStringList> presets = ColorSchemes::readPresetList();
    if (!presets) {
        showError(presets.error());
        return;
    }
    ChangeSet changes;
    changes.editIni(*ColorSchemes::presetFile(name),
                    attributeBatch(SynEditor->attributes(ColorSchemes::highlighterOf(CurrentLangName))));
    const QStringList list = ColorSchemes::presetListWith(presets.value(), name);
    if (list != presets.value())
        changes.writeList(ColorSchemes::presetListFile(), list);
    if (Result<void> r = changes.apply(); !r) {
        showError(r.error());
        return;
    }
    ComboBox2->setEditText(QString());
    fillPresets();
}

// ---- custom languages -----------------------------------------------------

void ColorSchemePage::languageDeleted(const QString& name)
{
    const QSignalBlocker block(TabSet1);
    for (int i = TabSet1->count() - 3; i >= FirstCustomTab; --i) {
        if (TabSet1->tabText(i) != name)
            continue;
        TabSet1->removeTab(i);
        if (i < CurrentLangTab)
            --CurrentLangTab;
    }
    // Its colours are gone with it: nothing is saved for it any more.
    if (CurrentLangName == name) {
        CurrentLangName.clear();
        CurrentLangTab = 0;
    }
    m_host->customLanguagesChanged();
}

void ColorSchemePage::languageRenamed(const QString& oldName, const QString& newName)
{
    for (int i = FirstCustomTab; i < TabSet1->count() - 2; ++i)
        if (TabSet1->tabText(i) == oldName)
            TabSet1->setTabText(i, newName);
    if (CurrentLangName == oldName)
        CurrentLangName = newName;
    m_host->customLanguagesChanged();
}

bool ColorSchemePage::commit(IniBatch& settings, ChangeSet& changes)
{
    ColorSchemes::writeAttributes(settings, SynEditor->attributes(PreviewLanguage::Java));
    if (CurrentLangName.isEmpty())
        return true;
    UpdateAllColorIniFiles(changes, CurrentLangName);
    if (CurrentLangTab >= FirstCustomTab) {
        if (Result<void> r = CustomLanguageEdits::writeSample(CurrentLangName, SynEditor->lines()); !r) {
            showError(r.error());
            return false;
        }
    }
    return true;
}
