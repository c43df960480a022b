#pragma once

#include "editor/documentimage.h"
#include "editor/linestore.h"
#include "editor/textencoding.h"
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
#include <string_view>
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

// The syntax-highlighting edit control over QScintilla, with our own mark
// list, gutter, key map, highlighters and search. Positions are 1-based
// (column, line); line indexes are 0-based.
//
// Text and encodings. The document has an encoding (encoding()), decided
// when a file is loaded (UTF-8 when its bytes are valid UTF-8, else
// Windows-1252) and UTF-8 for new text. Scintilla always holds the text as
// UTF-8 (its Qt port can only draw 8-bit text as Latin-1); the file's bytes
// are converted on load and save, which give back every byte, line end,
// byte-order mark and final line break as they were.
// - The QString side (line(), text(), setSelText(), ...) is plain Unicode.
//   Text entering an 8-bit document that it cannot hold asks once whether
//   to make the document UTF-8; refused, nothing is written (never "?").
// - lineBytes() returns the line in the document's encoding: UTF-8 bytes
//   for a UTF-8 document (a character may take several bytes, every one of
//   them 0x80 or more), one byte per character for an 8-bit one.
// - Columns count UTF-16 code units, as QString indexes do; byteColumn()
//   turns one into a column of lineBytes().
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
    QByteArray documentBytes() const; // in the document's encoding, lines joined by LF
    // The column of lineBytes(line - 1) where the character column starts.
    int byteColumn(int column, int line) const;

    // Files: only regular files are read. Each line keeps its own line end;
    // lines added take the style of the file's first line end. `encoding`
    // reads the file as that encoding instead of detecting it (UTF-8 fails
    // when the bytes are not UTF-8).
    Result<void> loadFromFile(const QString& path, std::optional<TextEncoding> encoding = std::nullopt);
    Result<void> saveToFile(const QString& path);
    // The text as a file's bytes would give it, loaded as a file is (no
    // change notice, no undo step): a document restored from its backup.
    // Bytes that are not the UTF-8 they claim to be load as 8-bit text.
    void loadFromBytes(const FileImage& file);
    // What a save would write, cheap to take: fileImage() of it is the file.
    DocumentImage image() const;
    LineEndStyle lineEndStyle() const { return m_lineEnd; }
    TextEncoding encoding() const { return m_encoding; }
    bool hasByteOrderMark() const { return m_bom; }
    // Saves from now on in `encoding`; false (nothing changes) when the text
    // holds characters it cannot hold.
    bool setEncoding(TextEncoding encoding);
    // Asked when text an 8-bit document cannot hold is to enter it, with
    // those characters; true makes the document UTF-8. Unset, the control
    // asks the user itself.
    std::function<bool(const QString& characters)> OnConvertToUtf8;
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
    const TSynEditMarkList& marks() const;
    // For callers that change the list themselves; they call marksChanged().
    TSynEditMarkList& editableMarks();
    void marksChanged();
    void placeMark(const TSynEditMark& mark);
    void clearLineMarks(int line);
    std::vector<TSynEditMark> marksOfLine(int line) const { return marks().marksOfLine(line); }
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
    void encodingChanged(TextEncoding encoding);
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
    void onModified(int position, int modificationType, int length);
    // The marks follow an insertion once it is done (see onModified).
    void settleInsertion() const;
    void applyModEventMask();
    // Text about to enter the document: false when it may not (an 8-bit
    // document that cannot hold it, and the user keeps it 8-bit).
    bool acceptText(QStringView text);
    // Text for the buffer: UTF-8 with every line break in the line-end style.
    QByteArray bufferText(QStringView text) const;
    QByteArray lineEndBytes() const;
    void replaceRange(long start, long end, const QByteArray& utf8);
    void loadBuffer(const QByteArray& bytes, TextEncoding encoding);
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

    static constexpr int kFirstBackgroundMarker = 20; // 20..23: special line backgrounds
    static constexpr int kBackgroundMarkers = 4;
    static constexpr int kFirstForegroundIndicator = 8; // 8..11: special line text colours
    static constexpr int kForegroundIndicators = 4;
    // Scintilla's colour value (blue, green, red) of a colour.
    static long sciColor(TColor color, const QColor& fallback);

    long send(unsigned int msg, unsigned long wParam = 0, long lParam = 0) const;
    // The UTF-8 bytes of a line in the buffer, without its line end.
    std::string_view rawLine(int index) const;
    int positionOf(int column, int line, int* virtualSpace = nullptr) const;
    BufferCoord coordOf(int position, int virtualSpace = 0) const;

    EditView* m_view = nullptr;
    TSynGutter* m_gutter = nullptr;
    SynStyler* m_styler = nullptr;
    TSynCustomHighlighter* m_highlighter = nullptr;
    int m_highlighterListener = 0;
    mutable TSynEditMarkList m_marks;
    std::vector<QPixmap> m_images;
    QMenu* m_popup = nullptr;

    // The file as loaded: its encoding, byte-order mark and final line
    // break, none of which is in the buffer, and its first line end.
    LineEndStyle m_lineEnd = LineEndStyle::CrLf;
    QByteArray m_finalBreak;
    TextEncoding m_encoding = TextEncoding::Utf8;
    bool m_bom = false;
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
    // An insertion announced but not yet accounted for in the marks: the
    // notice before it carries no text, so the lines it added are counted
    // once it is done.
    struct PendingInsertion {
        int line = 0; // 0-based line of the insertion point
        bool atLineStart = false;
        long linesBefore = 0;
    };
    mutable std::optional<PendingInsertion> m_pendingInsertion;
    mutable bool m_specialStale = false;
    bool m_changePending = false;
    bool m_loading = false;
    std::vector<std::pair<int, std::function<void(TSynEdit*)>>> m_destroyNotifications;
    int m_nextNotificationId = 1;
};
