#pragma once

#include "settings/colorschemes.h"

#include <QWidget>

class ChangeSet;
class ColorBox;
class EditLanguageGroup;
class HighlightPreview;
class IniBatch;
class NewLanguageGroup;
class OptionsHost;
class QCheckBox;
class QComboBox;
class QPushButton;
class QStackedWidget;
class QTabBar;

// The options dialog's "Syn.Higlighting" page: a tab per language (the six
// built-in ones, then the custom ones, then "New language" and "Edit
// language"); on a language tab the preview with its elements, colours,
// styles and presets, on the last two the custom-language groups. Colour
// files are written when a tab is left, a preset is saved and on OK.
class ColorSchemePage : public QWidget {
    Q_OBJECT
public:
    ColorSchemePage(OptionsHost* host, QWidget* parent = nullptr);

    QTabBar* TabSet1 = nullptr;
    QStackedWidget* groups = nullptr;
    QWidget* colorGroup = nullptr;
    HighlightPreview* SynEditor = nullptr;
    QComboBox* ComboBox2 = nullptr; // presets
    QPushButton* Button8 = nullptr; // "Save.."
    QComboBox* cbxAttrSelect = nullptr;
    ColorBox* FGColor = nullptr;
    ColorBox* BGColor = nullptr;
    QCheckBox* styleBoxes[4] = {}; // "Bold", "Italic", "Underlined", "Striketru"
    NewLanguageGroup* newGroup = nullptr;
    EditLanguageGroup* editGroup = nullptr;

    // The language whose colours are edited and the index of its tab.
    QString CurrentLangName = QStringLiteral("Java");
    int CurrentLangTab = 0;

    // Opening the dialog, in its order: Java first, the custom tabs, the
    // presets and the first run of the colours.
    void startOnJava();
    void insertCustomTabs(const QStringList& listed);
    void fillPresets();
    void firstRun();
    void ReloadAttributes();

    void LoadFromIni(const QString& language);
    void TabSet1Click(int index);
    void cbxAttrSelectChange();
    void ComboBox2Click(int index);
    void Button8Click();
    void showNewLanguageTab();
    bool isLanguageTab(int index) const;

    // What OK writes of this page: the Java colours into the settings batch,
    // the edited language's colour file (and a custom language's sample).
    bool commit(IniBatch& settings, ChangeSet& changes);

private:
    void LoadLangData(const QString& language);
    void editAttribute(bool foreground);
    void styleClicked();
    // The preview highlighter of a language into its colour file.
    void UpdateAllColorIniFiles(ChangeSet& changes, const QString& language) const;
    bool saveLeftLanguage();
    void insertCustomTab(const QString& name);
    void languageDeleted(const QString& name);
    void languageRenamed(const QString& oldName, const QString& newName);
    void showError(const QString& message);

    OptionsHost* m_host;
};
