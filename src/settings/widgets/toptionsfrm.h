#pragma once

#include <QDialog>

class ApplicationOptionsPage;
class ColorSchemePage;
class CompilerOptionsPage;
class CompProposalPage;
class AutoCompletionPage;
class EditorOptionsPage;
class OptionsHost;
class QListWidget;
class QPushButton;
class QStackedWidget;
class ShortcutsPage;
class SpellCheckOptionsPage;

// The options dialog ("Options"): eight pages listed beside their area and
// "OK", "Cancel", "Help". Modeless; every opening reads everything again from
// the files. Some pages write their files at once (colours on a tab switch,
// custom languages, presets, completion classes); OK writes the rest:
// Vornic.ini in one rewrite, the colour file of the language being edited and
// the templates.
class TOptionsFrm : public QDialog {
    Q_OBJECT
public:
    enum Page { Editor, Compiler, Application, Shortcuts, CompProposal, SynHighlighting, AutoCompletion, SpellChecker };

    TOptionsFrm(OptionsHost* host, QWidget* parent = nullptr);
    ~TOptionsFrm() override;

    QListWidget* PageList = nullptr;
    QStackedWidget* PageControl1 = nullptr;
    EditorOptionsPage* editorPage = nullptr;
    CompilerOptionsPage* compilerPage = nullptr;
    ApplicationOptionsPage* applicationPage = nullptr;
    ShortcutsPage* shortcutsPage = nullptr;
    CompProposalPage* compProposalPage = nullptr;
    ColorSchemePage* colorPage = nullptr;
    AutoCompletionPage* autoCompletionPage = nullptr;
    SpellCheckOptionsPage* spellPage = nullptr;
    QPushButton* Button1 = nullptr; // OK
    QPushButton* Button2 = nullptr; // Cancel
    QPushButton* Button9 = nullptr; // Help

    int currentPage() const;
    void setCurrentPage(int page);
    // "Define new custom language..": the highlighting page, "New language".
    void showNewLanguageTab();

    // OK: false (the dialog stays open) when a value is refused or a file
    // cannot be written.
    bool Button1Click();
    void Button9Click();
    // The help topic of a page.
    static QString helpTopic(int page);

private:
    void FormCreate();
    void ReadIniFile();
    void addPage(const QString& caption, QWidget* page);
    void FormClose();

    OptionsHost* m_host;
};
