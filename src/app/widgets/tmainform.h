#pragma once

#include "app/directoryrules.h"
#include "app/filehistory.h"
#include "assist/widgets/tsynautocomplete.h"
#include "generators/widgets/generatorhost.h"
#include "settings/customlanguages.h"
#include "toolchain/kitcommands.h"
#include "workspace/editingcommands.h"
#include "workspace/newdocuments.h"
#include "settings/widgets/optionshost.h"
#include "workspace/widgets/editorhost.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class DebugLogPane;
class FilePanel;
class HtmlEscaper;
class HtmlHost;
class IniFile;
class MainMenus;
class QDialog;
class QMdiArea;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QWidget;
class TDebugger;
class TEditForm;
enum class TextEncoding;
class TProgRunFrm;
class QPrinter;
class TPrintPreviewFrm;
class TSynEditPrint;
class TSpellCheckFrm;
class TSynSpellCheck;
class TTipWindowFrm;
enum class SpellAction;
class TSynEdit;
class ToolPages;
class WatchPane;
struct JdbItem;
struct Insertion;

// The frame window: the left tool pages with the file panel, the MDI area
// of editor windows, the bottom panes with the open-files list, the menus,
// the settings store and the timers. Every command acts on the active
// editor window.
class TMainForm : public QMainWindow, public EditorHost, public GeneratorHost, public OptionsHost {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Settings.
    std::unique_ptr<IniFile> SettingsIni;
    QString SettingsPath;
    // State of the open documents.
    int OpenDocumentCount = 0;
    QString CurrentExtension;
    bool ClosingFromList = false;
    bool ErrorLineActive = false;
    QString ProjectCatalog;
    QString ImagesFolder = QStringLiteral("images");

    // Components other parts reach.
    QMdiArea* mdiArea = nullptr;
    ToolPages* toolPages = nullptr;
    QTabWidget* PageControl3 = nullptr;
    QTabWidget* PageControl4 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QTreeWidget* KompilerErrors = nullptr;
    QPlainTextEdit* REDebugLog = nullptr;
    QPlainTextEdit* KompilatorLogTxt = nullptr;
    QPlainTextEdit* REDebugVar = nullptr;
    FilePanel* filePanel = nullptr;
    MainMenus* menus = nullptr;
    QTimer* AutosaveTimer = nullptr;
    QTimer* OneTimeTimer = nullptr;

    TEditForm* GetActiveEditor() const;
    void FindUnitFileName(QString& fileName) const;
    std::vector<TEditForm*> editors() const; // in window order
    TEditForm* AddUnit(const QString& name, const QString& extension);
    TEditForm* MakeUnit(const QString& extension);
    TEditForm* MakeUnitByName(const QString& name, const QString& text);
    void LoadFile(const QString& path);
    bool AllreadyOpen(const QString& fileName) const;
    bool CloseAll();
    void UpdateListView1ItemSize();
    void SkrivTekstenTilEditor(const QString& text); // write the text to the editor
    QString FindWhitespaceInFront() const; // the caret line's leading blanks
    // Java source scanners on the active document (JavaSourceModel); with no
    // document open the lists are empty and the lines -1.
    QStringList FinnKlasseNavnene() const; // find the class names
    QStringList FinnAlleDatamedlemmer(const QString& className, bool includePrivate) const; // find all data members
    QStringList ClipAndFindMultilineDatamembers(const QString& className) const;
    QStringList NormalizeMemberEntries(const QStringList& entries) const;
    int FinnClassStart(int line) const;
    int FinnScopeSlutt(int line) const; // find scope end
    // Code assistance (tmainform_assist.cpp): the templates of every editor
    // window, the completion switches and Quick find.
    TSynAutoComplete SynAutoComplete1;
    QStringList TemplateList; // the built-ins until completion/auto.cmp is read
    void LagNyCompletionListe(); // make new completion list: read completion/auto.cmp again
    void CompletionProposal1Click();
    void Autocompletion1Click();
    void ClassNameCompoBox1Enter();
    void ClassNameCompoBox1Click();
    void ClassDatamemberComboBox2Click();
    void SpeedButton101Click();
    // Compiling.
    QStringList CompilerOutputLines;
    int ErrorCount = 0;
    QPointer<QDialog> CompilerDialog;
    void Compile1Click();
    // Runs a kit tool hidden and returns all it wrote; `started` is called
    // once the tool runs.
    QString CompileFile(const KitCommands::KitCommand& command, QString* failure,
                        const std::function<void()>& started = {});
    void AnalyseOutput(const QString& compiledPath);
    // A row of the list leads to its line in its own file.
    void KompilerErrorsDblClick();
    void SelectErrorLine(TEditForm* editor);
    // Running.
    QPointer<TProgRunFrm> RunWindow; // the console of the last run
    void SpeedButton36Click();       // compile and run
    void RunJava();
    bool FinnesMainFunc() const;     // is there a main function
    QString FindMainClassName() const;
    // Debugging.
    QPointer<TDebugger> Debugger; // the last session's; null until the first
    void SpeedButton41Click();    // start debugging
    void SpeedButton42Click();    // next instruction
    void SpeedButton3Click();     // stop execution
    void SpeedButton44Click();    // variable value tracker
    void REDebugLogKeyDown();
    void REDebugLogChange();
    // External programs.
    void Viewpageinbrowser1Click();
    void WindowsExplorer1Click();
    void Showdospromt1Click();
    void Explorefromhere1Click();
    void Opendirindospromtfromhere1Click();
    QMenu* PopupMenu5 = nullptr; // the file panel's directory popup
    // File history and the Reopen menu.
    void SaveFileHistory(const QString& path);
    void LoadHistFromFile();
    void LoadHistFile(const QString& path);
    void ClearList1Click();
    void Button5Click();                   // strip HTML
    // A new document of a kind, with its template, page, menus and settings.
    TEditForm* NewDocument(NewDocuments::Kind kind);
    TEditForm* GeneralDocument(const QString& language);
    QMenu* PopupMenu3 = nullptr;
    QMenu* Customlanguages2 = nullptr;

    // Printing, preview and export.
    std::unique_ptr<TSynEditPrint> SynEditPrint1;
    QPointer<TPrintPreviewFrm> PrintPreviewFrm;
    void SkrivUt(); // SkrivUt: print out (prepares the print engine and the preview)
    void Print1Click();
    void PrinterSetup1Click();
    void ForhndVisning1Click(); // ForhndVisning: print preview
    void RTFfiltekst1Click();
    void HTML3Click();

    // Statistics, spell checking and the tip of the day.
    TSynSpellCheck* SpellChecker1 = nullptr;
    QPointer<TSpellCheckFrm> SpellCheckFrm;
    void Statistics1Click();
    void Spellcheck1Click();
    void SpellChecker1CheckWord(const QString& word, const QStringList& suggestions, QString& correctWord,
                                SpellAction& action);
    void SpellChecker1Done();
    void ipoftheday1Click();
    // The [SpellCheck] switches and underline colour, applied to the checker.
    void ApplySpellCheckOptions();

    // HTML authoring (tmainform_html.cpp).
    TEditForm* LagEnhetHTML(const QString& text, int caretLine); // LagEnhetHTML: make an HTML document
    // SoekOgLeggInn (search and insert): the text on a new line after the
    // tag; LeggInnTekstITag (insert text into tag): after the tag itself.
    // False when the document lacks the tag.
    bool SoekOgLeggInn(const QString& tag, const QString& text);
    bool LeggInnTekstITag(const QString& tag, const QString& text, int lineBreaks);
    QString ActiveEditorText() const;
    QString FindKeyWordInNow() const;
    HtmlHost* htmlHost();

    // Menus and panels by document kind.
    void EnableMainMenu();
    void DisableMainMenu();
    void EnableGeneralButtons(bool enable);
    void EnableDisableTabs(bool show);
    void ViewJavaInMainMenu(bool show);
    void ViewMainMenu(const QString& extension);
    void UpdateMaskAndJTab();
    void PopupMenuItemsUpdate(const QString& extension);
    void LoadUserSettings();
    void UpdateColorsInEditor();
    void UpdateColorsInEditor(TEditForm* editor);
    void LoadShortcuts() override;
    void UpdateFilesFilter();
    void LoadCustomLanglistFromFile();

    // Commands.
    void Load1Click();
    void Save1Click();
    void SaveAs1Click();
    void Saveall1Click();
    void Close1Click();
    void TileHorizontally1Click();
    void TileVertically1Click();
    void MinimizeAll1Click();
    void Nexteditorwindow1Click();
    void Previouseditorwindow1Click();
    void Gotodocumentwindow1Click();
    void Delete1Click();
    void Linenumbers1Click();
    void Specialcharacters1Click();
    void Tools1Click();
    void Messagepane1Click();
    void AutosaveTimerTimer();
    void OneTimeTimerTimer();

    // The options dialog (tmainform_options.cpp).
    void Options2Click();
    void Definenewcustomlanguage1Click();
    bool editorOpen() const override { return GetActiveEditor() != nullptr; }
    std::optional<AttributeList> activeJavaColors() const override;
    void applyOptions(const OptionsSettings& settings) override;
    void templatesSaved() override;
    void customLanguagesChanged() override;
    std::optional<QString> selectDirectory(const QString& start) override;
    void openHomepage() override;
    QStringList dictionaryLanguages() const override;
    HighlightPreview* createHighlightPreview(QWidget* parent) override;
    QString editorCommandOfKey(int qtKey) const override;

    // EditorHost and OptionsHost.
    IniFile& settingsStore() override { return *SettingsIni; }
    int openDocumentCount() const override { return OpenDocumentCount; }
    void editorClosing(TEditForm* editor, bool lastWindow) override;
    void editorActivated(TEditForm* editor) override;
    bool errorLineActive() const override { return ErrorLineActive; }
    void setErrorLineActive(bool active) override;
    bool closingFromList() const override { return ClosingFromList; }
    void setClosingFromList(bool closing) override { ClosingFromList = closing; }
    TEditForm* editorNamed(const QString& name) const override;
    void RemoveItemFromList(const QString& caption) override;
    void OppdaterListeView(const QString& newCaption, const QString& oldCaption) override;
    void AddFileToHist(const QString& path) override;
    QString filesFilter() const override;
    int filesFilterCount() const override;
    QString projectCatalog() const override { return ProjectCatalog; }
    QString exportDirectory() const override { return m_workingDirs.exportDialog; }
    QString workingFolder() const override { return m_workingDirs.saveAsDialog; }
    QString browsedFolder() const override;
    bool lineNumbersChecked() const override;
    bool completionProposalChecked() const override;
    bool autocompletionChecked() const override;
    void LoadLangData(const QString& name, bool withSample) override;
    void runMainCommand(const QString& objectName) override;
    void setFindNextEnabled(bool enabled) override;
    void expandTemplate(const QString& word, TSynEdit* edit) override;

    // Java code generators (tmainform_generators.cpp): the snippets, and
    // the class wizard, exception, try-catch and expression dialogs.
    void Systemoutprintln1Click();
    void publicfunksjonsnavn1Click(); // public function name
    void MainFunksjon2Click();        // main function
    void switch1Click();
    void class1Click();
    void Panel3Click();
    void Knapp2Click();     // button
    void Checkboks1Click(); // check box
    void Radioknapp2Click(); // radio button
    void Tekstfelt2Click(); // text field
    void Label1Click();
    void Listeboks2Click(); // list box
    void Font1Click();
    void SpeedButton47Click(); // opens JavaElementer beside the button
    void SpeedButton31Click(); // class wizard
    void SpeedButton1Click();  // exception generator
    void SpeedButton32Click(); // try-catch generator
    void SpeedButton46Click(); // expression builder
    QMenu* JavaElementer = nullptr; // JavaElementer: Java elements (the snippets)

    // GeneratorHost.
    TSynEdit* generatorEdit() const override;
    void insertGeneratedText(const QString& text) override;
    QString caretLineIndent() const override;
    QStringList documentClassNames() const override;
    QStringList documentClassMembers(const QString& className) const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void buildNewDocumentMenus();
    void wireEditingCommands();
    void wireHistory();
    void wireCompiler();
    void wireRunner();
    void wireDebugger();
    QString whyNotDebuggable(const TEditForm* editor) const;
    void setDebugButtons(bool running);
    void takeDebuggerEvents();
    void focusDebugLog(bool raise);
    void showStop(const JdbItem& stop);
    QStringList debugWatches() const;
    void debugEditorClosing(TEditForm* editor);
    void wireHtml();
    void buildPasteCodeMenu();
    void runInlineCommand(const QString& handler);
    void writeInsertion(const Insertion& insertion);
    HtmlEscaper documentEscaper() const;
    void wireCodeAssistance();
    void wirePrinting();
    void wireUtilities();
    void setUpSpellChecker(); // the one-shot start step
    TTipWindowFrm* showTipOfTheDay();
    QPrinter& printer();
    bool printWithDialog(TEditForm* editor);
    void wireGenerators();
    void wireOptions();
    void wireEncodings();
    // False when the path is no regular file (the user is told) or is too
    // large and the user declined.
    bool mayOpenFile(const QString& path);
    void reloadWithEncoding(TextEncoding encoding);
    void saveWithEncoding(TextEncoding encoding);
    // One compile at a time, the document saved, a kit named; else none.
    std::optional<KitCommands::KitSettings> beginCompile(TEditForm* editor, const QString& noKitMessage);
    void runJava(const KitCommands::KitSettings& settings, TEditForm* editor);
    // A second compile or run while javac or the applet viewer runs.
    void reportBusy();
    // LoadLangData with the definition already read.
    void applyLangData(const CustomLanguageDefinition& definition, bool withSample);
    void runApplet(const KitCommands::KitSettings& settings, const QString& path);
    void runInCommandWindow(const KitCommands::KitCommand& program);
    void openCommandWindow(const QString& folder);
    void openWithDesktop(const QString& path);
    void rebuildReopenMenu();
    bool applyEditResult(const EditingCommands::EditResult& result);
    void runEditingCommand(EditingCommands::EditResult (*command)(const EditingCommands::Document&));
    void fillCustomLanguageMenu(QMenu* menu, const QStringList& names);
    void showKindPage(NewDocuments::ToolPage page, bool java);
    void buildBottomPane();
    void wireCommands();
    void FormCreate();
    bool FormCloseQuery();
    void FormClose();
    void applyQuickFind();
    void showAbout();
    void reportError(const QString& message);
    void openFromPanel(const QString& path);
    // Brings an editor window to the front, restored when it was minimized.
    void activateEditor(TEditForm* editor);

    QWidget* m_leftPanel = nullptr;
    QSplitter* m_splitter1 = nullptr;
    QSplitter* m_splitter2 = nullptr;
    QList<FileFilterEntry> m_filterEntries;
    ReopenMenuItems m_reopen;
    bool m_compiling = false;
    WorkingDirectories m_workingDirs;
    DebugLogPane* m_debugLog = nullptr;
    WatchPane* m_watchPane = nullptr;
    QPointer<TEditForm> m_debugEditor; // the running session's document
    class HtmlWizardHost;
    std::shared_ptr<HtmlHost> m_htmlHost;
    std::unique_ptr<QPrinter> m_printer;
};
