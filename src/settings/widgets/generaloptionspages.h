#pragma once

#include <QWidget>

class ColorBox;
class OptionsHost;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct OptionsSettings;

// The options dialog's Editor, Compiler, Application and Spell Checker
// pages. Each copies its part of OptionsSettings in (load) and out (store).

class EditorOptionsPage : public QWidget {
    Q_OBJECT
public:
    explicit EditorOptionsPage(QWidget* parent = nullptr);
    void load(const OptionsSettings& s);
    void store(OptionsSettings& s) const;
    // The font box's list: the families fontconfig knows; its text stays.
    void fillFonts();

    QComboBox* Fonts = nullptr;
    QLineEdit* FontSize = nullptr;
    QLabel* Panel2 = nullptr; // the font preview
    ColorBox* panelGRTColor = nullptr;
    ColorBox* PanelBGColor = nullptr;
    QCheckBox* ShowGutterCbx = nullptr;
    QLabel* gutterSizeLabel = nullptr;
    QLineEdit* GutterSizeEdField = nullptr;
    QCheckBox* ShowLineNrsCbx = nullptr;
    QCheckBox* LeedingZeroCbx = nullptr;
    QCheckBox* CompPropCbx = nullptr;
    QCheckBox* AutoCompCbx = nullptr;

private:
    void showFontPreview();
};

class CompilerOptionsPage : public QWidget {
    Q_OBJECT
public:
    CompilerOptionsPage(OptionsHost* host, QWidget* parent = nullptr);
    void load(const OptionsSettings& s);
    void store(OptionsSettings& s) const;

    QLineEdit* ClassPathDir = nullptr;
    QLineEdit* JavaBinDir = nullptr;
    QPushButton* Button11 = nullptr; // "Find.."
    QCheckBox* AllDebugInfoCbx = nullptr;
    QCheckBox* NoDebugInfoCbx = nullptr;
    QCheckBox* VerboseOutputCbx = nullptr;
    QCheckBox* DisableVarnCbx = nullptr;
    QCheckBox* SelDebugLineNumCbx = nullptr;
    QCheckBox* SelDebugSourceFileCbx = nullptr;
    QCheckBox* SelDebugLocalVarCbx = nullptr;

private:
    void Button11Click();
    // "All" and "none" exclude each other and the three selected kinds.
    void debugBoxClicked(QCheckBox* box);
    OptionsHost* m_host;
};

class ApplicationOptionsPage : public QWidget {
    Q_OBJECT
public:
    explicit ApplicationOptionsPage(QWidget* parent = nullptr);
    void load(const OptionsSettings& s);
    void store(OptionsSettings& s) const;

    QCheckBox *ShowPrintLnNrCbx = nullptr, *cbShowPageNumbers = nullptr, *NameOfPrntDocCbx = nullptr;
    QCheckBox *cbPrintDate = nullptr, *ShowColorHighltPrintCbx = nullptr, *cbPrintShadedFooter = nullptr;
    QCheckBox *cbPrintShadedHeader = nullptr, *cbPrintTime = nullptr;
    QCheckBox *ViewSpecialCharCbx = nullptr, *WarnBeforeCloseCbx = nullptr, *InsTmplCodeOnNewDoc = nullptr;
    QCheckBox *ShowJavaQuickFind = nullptr, *RJavaAppsDosWindow = nullptr;
    QCheckBox* AutoSaveCbx = nullptr;
    QLabel *everyLabel = nullptr, *minLabel = nullptr;
    QLineEdit* AutoSaveIntervalEdt = nullptr;
};

class SpellCheckOptionsPage : public QWidget {
    Q_OBJECT
public:
    SpellCheckOptionsPage(OptionsHost* host, QWidget* parent = nullptr);
    // The installed languages, then "Other..".
    void fillLanguages(const QStringList& installed);
    void load(const OptionsSettings& s);
    void store(OptionsSettings& s) const;

    QComboBox* ComboBox1 = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox7 = nullptr, *CheckBox13 = nullptr, *CheckBox14 = nullptr;
    ColorBox* Panel1 = nullptr;

private:
    void ComboBox1Change(int index);
    OptionsHost* m_host;
};
