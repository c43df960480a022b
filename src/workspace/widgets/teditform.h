#pragma once

#include "settings/tcolor.h"

#include <QMdiSubWindow>
#include <QPixmap>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class EditorHost;
class EditorSearch;
class ParameterHint;
class TCustomSynAutoComplete;
class QLabel;
class QMenu;
class TSynEdit;
class TSynCustomHighlighter;
class TSynJavaSyn;
class TSynHTMLSyn;
class TSynCssSyn;
class TSynXMLSyn;
class TSynPerlSyn;
class TSynPHPSyn;
class TSynGeneralSyn;
class TCustomSynAutoComplete1;
class TSynCustomExporter;
class TSynExporterRTF;
class TSynExporterHTML;

// One open document: an MDI child holding the edit control, the status bar,
// the context menu, the seven highlighters and the per-document record.
// The caption (window title) is the document's name.
class TEditForm : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit TEditForm(EditorHost* host, QWidget* parent = nullptr);
    ~TEditForm() override;

    // The per-document record.
    QString FileName;          // full path; empty when never saved
    bool Modified = false;
    bool HasFile = false;
    bool LineNumbersOn = false;
    QString LanguageName;      // custom language, empty for the built-in kinds
    int HighlightLine = -1;    // line painted as the error line, -1 for none
    QStringList TrackedVariables;
    QString LastChosenMethod;

    TSynEdit* SynEdit1 = nullptr;
    TCustomSynAutoComplete1* HtmlAttrCompletion = nullptr; // the HTML attribute popup's component
    // Code assistance (teditform_assist.cpp): the member popup's component
    // and the parameter hint, both freed with the window.
    TCustomSynAutoComplete* JavaCompletion = nullptr;
    ParameterHint* scpParams = nullptr;
    // Whether the parameter hint applies at the caret, and its current parameter.
    std::optional<int> scpParamsExecute() const;
    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    // Lower-case extension of the caption, with its dot.
    QString captionExtension() const;
    // Where the document is saved: the caption in the folder of FileName, so
    // a document renamed to .txt is saved beside the file it came from.
    QString savePath() const;

    bool SaveFileNow();
    // Modified cleared and its status text with it.
    void markUnmodified();
    // The next save goes to a name no file of this document had: ask before
    // it replaces a file that is there (set when the document is renamed).
    void confirmOverwriteOnNextSave() { m_confirmOverwrite = true; }
    // False when the user cancelled or the file could not be written.
    bool SaveFileAs();
    void SkrivUtTekst(const QString& text); // SkrivUtTekst: write out the text
    // Export with the document's colours, of the selection or of all lines.
    void ExporterTilRTF();  // ExporterTilRTF: export to RTF
    void ExporterTilHTML(); // ExporterTilHTML: export to HTML
    // The document's lines, for the print engine and the statistics.
    QStringList documentLines() const;

    void ChangeSyntaxToJava();
    void ChangeSyntaxToHTML();
    void ChangeSyntaxToCSS();
    void ChangeSyntaxToXML();
    void ChangeSyntaxToPerl();
    void ChangeSyntaxToPHP();
    void ChangeSyntaxToGeneralHighlighter();
    void ChangeSyntaxToNoHighlighter();
    TSynGeneralSyn* generalHighlighter() const { return m_general.get(); }
    TSynJavaSyn* javaHighlighter() const { return m_java.get(); }

    bool isCaretXYInCommentHTMLv() const;
    bool isCaretXYInCommentXMLv() const;
    bool isCaretXYInComment() const;
    void FindAndInsertEndTagHTML(const QString& lineText);
    void FindAndInsertEndTagXML(const QString& lineText);
    static bool SingleTag(const QString& tag);
    void LeggTilEditor(); // LeggTilEditor: attach the HTML attribute completion again
    // The selection wrapped in a div of that alignment, or between the two
    // texts; one undoable step.
    void AlignmentTekst(const QString& alignment);
    void StartEndTagTekst(const QString& start, const QString& end);

    // Breakpoints are the edit control's marks.
    void SetBreakpoint();
    void BreakPointChange(int line, int imageIndex);
    void ClearBreakPoint();
    void NextBreakPointJump();
    void PreviousBreakPointJump();
    QStringList SorterBreakPoints() const; // SorterBreakPoints: sort the breakpoints
    bool IsBookmarkAtLine(int line) const;
    void Fjernallbokmerker1Click();        // clear all breakpoints
    // Watches the variable declared on the caret line (the debugger dumps it).
    void Addtodebuggerwatch1Click();

    // Search and replace of this window.
    void Soek();       // Soek: search
    void Finn();       // Finn: find
    void FinnNeste();  // FinnNeste: find next
    void Replace1Click();
    void Replaceagain1Click();
    void Gotoline1Click();

    void Undo1Click();
    void Gjenta1Click();   // redo
    void Copier1Click();   // copy
    void Klipput1Click();  // cut
    void Liminn1Click();   // paste
    void VelgAlt1Click();  // select all

    // Status bar panels 0..3.
    QString statusText(int panel) const;
    void setStatusText(int panel, const QString& text);
    // The status bar's encoding field: "UTF-8", "UTF-8 BOM", "Windows-1252", ...
    QString encodingText() const;
    QMenu* PopupMenu1 = nullptr;
    // Shows the context-menu groups for a kind of document.
    void setPopupGroups(const QString& extension);
    const std::vector<QPixmap>& imglGutterGlyphs() const { return m_glyphs; }
    // Called by the frame window each time this window has become the active one.
    void FormActivate();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPopupMenu();
    void setUpHtmlCompletion();
    // Space in an HTML document: the attribute popup, once the blank is in.
    void htmlSpaceDown(Qt::KeyboardModifiers shift);
    void SynEdit1Change();
    void SynEdit1KeyDown(int& key, Qt::KeyboardModifiers shift);
    void SynEdit1KeyPress(QChar& key);
    void SynEdit1SpecialLineColors(int line, bool& special, TColor& foreground, TColor& background);
    void markModified();
    int caretByteColumn() const;
    void showEncoding();
    void setUpCodeAssistance();
    void dotTyped();                               // after "." is written
    void spaceDown(Qt::KeyboardModifiers shift);   // before the blank is typed
    // "File aldready exists, overwrite ?": true for Yes.
    bool confirmOverwrite();
    bool writeTo(const QString& path);
    void exportWith(TSynCustomExporter& exporter, const QString& extension);

    EditorHost* m_host;
    QLabel* m_panels[4] = {};
    QLabel* m_encodingPanel = nullptr;
    std::vector<QPixmap> m_glyphs;
    std::unique_ptr<TSynJavaSyn> m_java;
    std::unique_ptr<TSynHTMLSyn> m_html;
    std::unique_ptr<TSynCssSyn> m_css;
    std::unique_ptr<TSynXMLSyn> m_xml;
    std::unique_ptr<TSynPerlSyn> m_perl;
    std::unique_ptr<TSynPHPSyn> m_php;
    std::unique_ptr<TSynGeneralSyn> m_general;
    // Context-menu groups shown by document kind.
    std::vector<QAction*> m_javaItems, m_htmlItems, m_markItems;
    QAction* m_addWatch = nullptr;
    bool m_confirmOverwrite = false;
    std::unique_ptr<EditorSearch> m_search;
    std::unique_ptr<TSynExporterRTF> SynExporterRTF1;
    std::unique_ptr<TSynExporterHTML> SynExporterHTML1;
};
