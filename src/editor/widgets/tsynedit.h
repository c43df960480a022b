#pragma once

#include "editor/linestore.h"
#include "editor/tsyneditmarklist.h"
#include "settings/result.h"
#include "settings/tcolor.h"

#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class QMenu;
class QMimeData;
class QMouseEvent;
class QKeyEvent;
class TSynCustomHighlighter;
class TSynGutter;
class SynStyler;
class EditView;

// Options of the edit control.
enum SynEditOption {
    eoAutoIndent = 1,
    eoDragDropEditing = 2,
    eoDropFiles = 4,
    eoScrollPastEol = 8,
    eoSmartTabs = 16,
    eoTabsToSpaces = 32,
    eoShowSpecialChars = 64,
    eoWantTabs = 128,
};

enum class SelectionMode { Normal, Column, Line };

// A point in the text: 1-based column and line.
struct BufferCoord {
    int Char = 1;
    int Line = 1;
    bool operator==(const BufferCoord&) const = default;
};

// The syntax-highlighting edit control: an 8-bit document (each byte one
// character, shown as Latin-1) over QScintilla, with our own line store,
// mark list, gutter, key map, highlighters and search. Positions are
// 1-based (column, line); line indexes are 0-based.
class TSynEdit : public QWidget {
    Q_OBJECT
public:
    explicit TSynEdit(QWidget* parent = nullptr);
    ~TSynEdit() override;

    // Lines (0-based indexes; outside the list reads as an empty line).
    int lineCount() const;
    QString line(int index) const;
    QByteArray lineBytes(int index) const;
    void setLine(int index, const QString& text);
    void addLine(const QString& text);
    void insertLine(int index, const QString& text);
    void deleteLine(int index);
    void clearLines();
    QString text() const; // every line followed by CR LF
    void setText(const QString& text);
    QByteArray documentBytes() const; // the lines joined by LF

    // Files. The line-end style and final break of a loaded file are kept.
    Result<void> loadFromFile(const QString& path);
    Result<void> saveToFile(const QString& path);
    LineEndStyle lineEndStyle() const { return m_lineEnd; }
    bool isModified() const;
    void setModified(bool modified);

    // Caret.
    int caretX() const;
    int caretY() const;
    BufferCoord caretXY() const { return {caretX(), caretY()}; }
    void setCaretX(int column);
    void setCaretY(int line);
    void setCaretXY(int column, int line);
    QPoint caretPixelPos() const; // client coordinates of the caret's top
    int lineHeight() const;
    QString lineText() const;
    void setLineText(const QString& text);

    // Selection.
    BufferCoord blockBegin() const;
    BufferCoord blockEnd() const;
    void setSelection(BufferCoord anchor, BufferCoord caret);
    bool selAvail() const;
    QString selText() const;
    void setSelText(const QString& text);
    SelectionMode selectionMode() const { return m_selectionMode; }
    void setSelectionMode(SelectionMode mode);
    void selectAll();

    bool insertMode() const;
    void setInsertMode(bool insert);

    int options() const { return m_options; }
    void setOptions(int options);
    int tabWidth() const { return m_tabWidth; }

    // Appearance.
    QFont font() const { return m_font; }
    void setFont(const QFont& font);
    TColor color() const { return m_color; }
    void setColor(TColor background);
    void setSelectedColors(TColor background, TColor foreground);
    TColor selectedBackground() const { return m_selBackground; }
    TColor selectedForeground() const { return m_selForeground; }
    TSynGutter* gutter() const { return m_gutter; }
    void setHighlighter(TSynCustomHighlighter* highlighter);
    // Styles the text anew, for a highlighter whose rules have changed.
    void restyle();
    TSynCustomHighlighter* highlighter() const { return m_highlighter; }

    // Editing.
    // Edits between these two undo as one step.
    void beginUndoBlock();
    void endUndoBlock();
    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;
    void copyToClipboard();
    void cutToClipboard();
    void pasteFromClipboard();
    void setEditorFocus();
    // Runs a change notice that is still waiting, now (so a handler's effect
    // can be undone right after an edit made in code).
    void flushPendingChange();
    void invalidateLine(int line);
    void invalidate();
    void setPopupMenu(QMenu* menu) { m_popup = menu; }

    // Marks and bookmarks.
    const TSynEditMarkList& marks() const { return m_marks; }
    // For callers that change the list themselves; they call marksChanged().
    TSynEditMarkList& editableMarks() { return m_marks; }
    void marksChanged();
    void placeMark(const TSynEditMark& mark);
    void clearLineMarks(int line);
    std::vector<TSynEditMark> marksOfLine(int line) const { return m_marks.marksOfLine(line); }
    void setBookmark(int number, int column, int line);
    void clearBookmark(int number);
    void gotoBookmark(int number);
    std::optional<BufferCoord> bookmark(int number) const;
    // The gutter's image list; none means bookmarks use built-in glyphs.
    void setBookmarkImages(const std::vector<QPixmap>& images);
    const std::vector<QPixmap>& bookmarkImages() const { return m_images; }

    // Search; returns the number of matches found or replaced.
    int searchReplace(const QString& search, const QString& replace, int searchOptions);

    // Events, in the order a key produces them. A handler may swallow a key
    // (set it to 0) or a character (set it to '\0').
    std::function<void(int& key, Qt::KeyboardModifiers shift)> OnKeyDown;
    std::function<void(QChar& key)> OnKeyPress;
    std::function<void(int& key, Qt::KeyboardModifiers shift)> OnKeyUp;
    std::function<void()> OnChange;
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)> OnMouseDown;
    // Asked for each painted line (1-based).
    std::function<void(int line, bool& special, TColor& foreground, TColor& background)> OnSpecialLineColors;
    std::function<void()> OnContextHelp;

    // Companions that must forget this control when it goes.
    int addDestroyNotification(std::function<void(TSynEdit*)> notify);
    void removeDestroyNotification(int id);

    // The engine beneath, for the few callers that need it (tests, printing).
    EditView* view() const { return m_view; }

signals:
    void filesDropped(const QStringList& paths);
    void insertModeChanged(bool insert);
    void caretMoved();
    // Another highlighter (or none) colours the text now.
    void highlighterChanged();

private:
    friend class EditView;
    bool handleKeyPress(QKeyEvent* event);
    void handleKeyRelease(QKeyEvent* event);
    void handleMousePress(QMouseEvent* event);
    void handleContextMenu(const QPoint& globalPos);
    bool handleDrop(const QMimeData* mime);
    void onModified(int position, int modificationType, int length, int linesAdded);
    void runCommand(const struct KeyCommand& command);
    void moveCaret(int command, bool select);
    void extendSelectionTo(BufferCoord anchor, BufferCoord caret);
    void insertLineBreak();
    void insertTab();
    void indentBlock(bool indent);
    void toggleBookmark(int number);
    void applyStyles();
    void applyViewOptions();
    void refreshSpecialLines();
    void clearSpecialLines();
    void scheduleChange();

    long send(unsigned int msg, unsigned long wParam = 0, long lParam = 0) const;
    int positionOf(int column, int line, int* virtualSpace = nullptr) const;
    BufferCoord coordOf(int position, int virtualSpace = 0) const;

    EditView* m_view = nullptr;
    TSynGutter* m_gutter = nullptr;
    SynStyler* m_styler = nullptr;
    TSynCustomHighlighter* m_highlighter = nullptr;
    int m_highlighterListener = 0;
    TSynEditMarkList m_marks;
    std::vector<QPixmap> m_images;
    QMenu* m_popup = nullptr;

    LineEndStyle m_lineEnd = LineEndStyle::CrLf;
    bool m_finalBreak = false;
    int m_options = 0;
    int m_tabWidth = 8;
    SelectionMode m_selectionMode = SelectionMode::Normal;
    BufferCoord m_lineModeAnchor;
    BufferCoord m_lineModeCaret;
    QFont m_font;
    TColor m_color = Colors::clWhite;
    TColor m_selBackground = Colors::clHighlight;
    TColor m_selForeground = Colors::clHighlightText;

    // Special line colours applied to the view, by line.
    std::map<int, std::pair<TColor, TColor>> m_specialApplied;
    std::vector<std::pair<TColor, int>> m_backgroundMarkers; // colour, marker
    std::vector<std::pair<TColor, int>> m_foregroundIndicators;
    int m_deleteFirstLine = 0;
    int m_deleteLines = 0;
    bool m_changePending = false;
    bool m_loading = false;
    std::vector<std::pair<int, std::function<void(TSynEdit*)>>> m_destroyNotifications;
    int m_nextNotificationId = 1;
};
