#pragma once

#include <QString>

#include <optional>

// A place in the text: 1-based column and line.
struct SearchPoint {
    int Char = 1;
    int Line = 1;
    bool operator==(const SearchPoint&) const = default;
};

// The edit control as the search uses it.
class SearchEditor {
public:
    virtual ~SearchEditor() = default;
    // Searches from the caret to the end (backwards: to the start) without
    // wrapping. A find selects the match with the caret at its end
    // (backwards: at its start). Returns the number of matches.
    virtual int searchReplace(const QString& search, const QString& replace, int options) = 0;
    virtual bool selAvail() const = 0;
    virtual SearchPoint blockBegin() const = 0;
    // Replaces the selection; the caret ends after the new text.
    virtual void setSelText(const QString& text) = 0;
    virtual void setCaretXY(int column, int line) = 0;
};

// What the user is told. The window implements it with the platform's
// beep, an information box and the main window's "Find Next" item.
class SearchFeedback {
public:
    virtual ~SearchFeedback() = default;
    virtual void beep() = 0;
    virtual void showInformation(const QString& text) = 0;
    virtual void setFindNextEnabled(bool enabled) = 0;
};

// What one search dialog holds. Both dialogs open with down on and the
// rest off; replaceText and replaceAll belong to the replace dialog.
struct SearchQuery {
    QString findText;
    QString replaceText;
    bool down = true;
    bool matchCase = false;
    bool wholeWord = false;
    bool replaceAll = false; // set by Replace All, cleared by Replace
};

// The search state of one editor window (the find and the replace dialog's
// queries) and its find, find-next and replace operations.
class SearchSession {
public:
    SearchSession(SearchEditor& editor, SearchFeedback& feedback);

    SearchQuery& findQuery() { return m_find; }
    SearchQuery& replaceQuery() { return m_replace; }

    void Finn();        // Finn: find, with the find dialog's query
    void FinnNeste();   // FinnNeste: find next, the same as Finn
    bool FinnErstatt(); // FinnErstatt: find for replacing; true when found and selected
    void Erstatt();     // Erstatt: replace, or replace all
    void replaceAgain();

    // The edit control's options for a query: never entire scope, selection
    // only or a replace, so a search starts at the caret.
    static int searchOptions(const SearchQuery& query);
    static QString emptySearchMessage();
    static QString notFoundMessage(const QString& searchText);

private:
    bool search(const SearchQuery& query, bool quietMiss);
    void replaceFound();

    SearchEditor& m_editor;
    SearchFeedback& m_feedback;
    SearchQuery m_find;
    SearchQuery m_replace;
};

// The "Goto line" window's texts and its integer conversion.
namespace GotoLine {
QString groupCaption(int lineCount);
// Optional leading blanks, an optional sign and decimal digits, in int range.
std::optional<int> parseLineNumber(const QString& text);
QString invalidIntegerMessage(const QString& text);
} // namespace GotoLine
