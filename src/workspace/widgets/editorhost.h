#pragma once

#include <QString>

class IniFile;
class TEditForm;
class TSynEdit;

// What an editor window asks of the frame window that holds it. The frame
// window implements it; the editor window never reaches further.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    virtual IniFile& settingsStore() = 0;
    virtual int openDocumentCount() const = 0;
    // Called from an editor window's close handling once it goes.
    virtual void editorClosing(TEditForm* editor, bool lastWindow) = 0;
    virtual void editorActivated(TEditForm* editor) = 0;

    virtual bool errorLineActive() const = 0;
    virtual void setErrorLineActive(bool active) = 0;
    virtual bool closingFromList() const = 0;
    virtual void setClosingFromList(bool closing) = 0;

    // The open document of that name, letter case ignored; none when no
    // document has it.
    virtual TEditForm* editorNamed(const QString& name) const = 0;

    virtual void RemoveItemFromList(const QString& caption) = 0;
    virtual void OppdaterListeView(const QString& newCaption, const QString& oldCaption) = 0;
    virtual void AddFileToHist(const QString& path) = 0;

    // The file-type filter of the save dialog and its number of entries.
    virtual QString filesFilter() const = 0;
    virtual int filesFilterCount() const = 0;
    virtual QString projectCatalog() const = 0;
    // Where the export dialog starts; empty: the document's folder.
    virtual QString exportDirectory() const { return {}; }
    // The folder "Set as working dir" chose for the save-as dialog (empty
    // when none was chosen) and the folder the file panel shows.
    virtual QString workingFolder() const = 0;
    virtual QString browsedFolder() const = 0;

    // Check marks of the View menu that the window reads.
    virtual bool lineNumbersChecked() const = 0;
    virtual bool completionProposalChecked() const = 0;
    virtual bool autocompletionChecked() const = 0;

    // Loads a custom language's definition into the window's configurable
    // highlighter (withSample replaces the text by the sample).
    virtual void LoadLangData(const QString& name, bool withSample) = 0;

    // "Find Next" follows the outcome of the last search.
    virtual void setFindNextEnabled(bool enabled) = 0;

    // Runs the frame window's command of that menu item (context-menu items
    // that forward to the main window).
    virtual void runMainCommand(const QString& objectName) = 0;

    // Expands the template named word before the caret of the control, if
    // there is one (the frame window's template component).
    virtual void expandTemplate(const QString& word, TSynEdit* edit) = 0;
};
