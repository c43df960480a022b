#include "utilities/widgets/tsynspellcheck.h"

#include "editor/tsyncustomhighlighter.h"
#include "editor/widgets/editview.h"
#include "editor/widgets/tsynedit.h"
#include "settings/widgets/qtcolors.h"
#include "utilities/dictionarynames.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

using S = QsciScintillaBase;

namespace {

// Indicators 8 to 11 paint the special line colours.
constexpr int kIndicator = 20;

// While the dialog asks, the caret is hidden and the cursor normal again.
class HiddenCaret {
public:
    explicit HiddenCaret(EditView* view) : m_view(view)
    {
        m_style = m_view->SendScintilla(S::SCI_GETCARETSTYLE);
        m_view->SendScintilla(S::SCI_SETCARETSTYLE, S::CARETSTYLE_INVISIBLE);
    }
    ~HiddenCaret()
    {
        if (m_view)
            m_view->SendScintilla(S::SCI_SETCARETSTYLE, m_style);
    }

private:
    QPointer<EditView> m_view;
    long m_style = 1;
};

} // namespace

TSynSpellCheck::TSynSpellCheck(QObject* parent) : QObject(parent) {}

TSynSpellCheck::~TSynSpellCheck() { detachView(); }

TSynEdit* TSynSpellCheck::editor() const { return m_editor; }

// ---- dictionaries --------------------------------------------------------

QStringList TSynSpellCheck::GetDictionaryList() const
{
    return installedDictionaryLanguages(DictionaryDirectory);
}

Result<void> TSynSpellCheck::LoadDictionary(const QString& language)
{
    const QString path = dictionaryFileOf(DictionaryDirectory, language);
    if (path.isEmpty())
        return Result<void>::failure(QStringLiteral("There is no dictionary for \"%1\" in \"%2\".")
                                         .arg(language, DictionaryDirectory));
    SpellDictionary loaded;
    if (Result<void> r = loaded.addWordListFile(path); !r)
        return r;
    // The language as the file names it, so "english" and "English" share
    // one user dictionary.
    const QString canonical = dictionaryLanguages({QFileInfo(path).fileName()}).value(0, language.trimmed());
    const QString user = userDictionaryFileOf(UserDirectory, canonical);
    if (QFile::exists(user))
        loaded.addWordListFile(user); // an unreadable user list leaves the main one
    m_dictionary = std::move(loaded);
    m_language = canonical;
    checkVisibleLines();
    return {};
}

Result<void> TSynSpellCheck::AddWord(const QString& word)
{
    if (!dictionaryLoaded())
        return Result<void>::failure(QStringLiteral("No dictionary is loaded."));
    m_dictionary.addWord(word);
    const Result<void> saved = addToWordListFile(userDictionaryFileOf(UserDirectory, m_language), word);
    checkVisibleLines();
    return saved;
}

bool TSynSpellCheck::isKnown(QStringView word) const
{
    return m_dictionary.contains(word) || m_ignored.contains(word.toString());
}

// ---- options -------------------------------------------------------------

void TSynSpellCheck::setUnderlineColor(TColor color)
{
    m_underlineColor = color;
    if (m_editor) {
        QColor c = toQColor(color);
        if (!c.isValid())
            c = Qt::red;
        m_editor->view()->SendScintilla(S::SCI_INDICSETFORE, kIndicator, c.red() | (c.green() << 8) | (c.blue() << 16));
        m_editor->view()->viewport()->update();
    }
}

void TSynSpellCheck::setAutoSpellCheck(bool on)
{
    if (on == m_auto)
        return;
    m_auto = on;
    if (!m_editor)
        return;
    if (on) {
        attachView();
    } else {
        detachView();
        clearUnderlines();
    }
}

void TSynSpellCheck::setOptions(const SpellOptions& options)
{
    m_options = options;
    checkVisibleLines();
}

// ---- the edit control ----------------------------------------------------

void TSynSpellCheck::setEditor(TSynEdit* editor)
{
    if (editor == m_editor)
        return;
    detachView();
    m_editor = editor;
    if (m_editor && m_auto)
        attachView();
}

void TSynSpellCheck::attachView()
{
    detachView();
    EditView* view = m_editor->view();
    view->SendScintilla(S::SCI_INDICSETSTYLE, kIndicator, S::INDIC_SQUIGGLE);
    view->SendScintilla(S::SCI_INDICSETUNDER, kIndicator, 1);
    setUnderlineColor(m_underlineColor);
    m_connections << connect(view, &S::SCN_MODIFIED, this,
                             [this](int position, int type, const char*, int, int, int, int, int, int, int) {
                                 // The edit control asks Scintilla for the notices
                                 // before a change only; the check runs later.
                                 if (type & (S::SC_MOD_BEFOREINSERT | S::SC_MOD_BEFOREDELETE |
                                             S::SC_MOD_INSERTTEXT | S::SC_MOD_DELETETEXT))
                                     scheduleCheck(int(m_editor->view()->SendScintilla(S::SCI_LINEFROMPOSITION,
                                                                                        position)));
                             });
    m_connections << connect(view, &S::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & S::SC_UPDATE_V_SCROLL)
            scheduleCheck(-1);
    });
    // Which words are checked depends on the highlighter: a document loaded
    // is given its own only after it is shown.
    m_connections << connect(m_editor, &TSynEdit::highlighterChanged, this, [this] { checkVisibleLines(); });
    checkVisibleLines();
}

void TSynSpellCheck::detachView()
{
    for (const QMetaObject::Connection& c : m_connections)
        disconnect(c);
    m_connections.clear();
    m_pendingFrom = -1;
}

void TSynSpellCheck::clearUnderlines()
{
    if (!m_editor)
        return;
    EditView* view = m_editor->view();
    view->SendScintilla(S::SCI_SETINDICATORCURRENT, kIndicator);
    view->SendScintilla(S::SCI_INDICATORCLEARRANGE, 0, view->SendScintilla(S::SCI_GETLENGTH));
}

void TSynSpellCheck::scheduleCheck(int fromLine)
{
    // After the edit: Scintilla is inside its notice now, and several
    // notices of one key come together.
    const bool idle = m_pendingFrom < 0;
    const int from = fromLine < 0 ? int(m_editor->view()->SendScintilla(S::SCI_GETFIRSTVISIBLELINE)) : fromLine;
    m_pendingFrom = idle ? from : std::min(m_pendingFrom, from);
    if (!idle)
        return;
    QTimer::singleShot(0, this, [this] {
        if (m_pendingFrom < 0 || !m_editor)
            return;
        const int from = m_pendingFrom;
        m_pendingFrom = -1;
        EditView* view = m_editor->view();
        const int firstVisible = int(view->SendScintilla(S::SCI_DOCLINEFROMVISIBLE,
                                                         view->SendScintilla(S::SCI_GETFIRSTVISIBLELINE)));
        const int lastVisible = firstVisible + int(view->SendScintilla(S::SCI_LINESONSCREEN)) + 1;
        // A change reaches down as far as what is shown (an opened comment
        // turns the lines below it into comment); lines out of view are
        // checked when they come into it.
        checkLines(std::max(from, firstVisible), lastVisible);
    });
}

void TSynSpellCheck::checkVisibleLines()
{
    if (!m_editor || !m_auto)
        return;
    EditView* view = m_editor->view();
    const int first = int(view->SendScintilla(S::SCI_DOCLINEFROMVISIBLE, view->SendScintilla(S::SCI_GETFIRSTVISIBLELINE)));
    checkLines(first, first + int(view->SendScintilla(S::SCI_LINESONSCREEN)) + 1);
}

int TSynSpellCheck::positionOf(int line, const QString&, int index) const
{
    EditView* view = m_editor->view();
    // UTF-16 units of our line text, counted in the document's own bytes.
    return int(view->SendScintilla(S::SCI_POSITIONRELATIVECODEUNITS, view->SendScintilla(S::SCI_POSITIONFROMLINE, line),
                                   index));
}

void TSynSpellCheck::checkLines(int first, int last)
{
    if (!m_editor || !m_auto)
        return;
    EditView* view = m_editor->view();
    last = std::min(last, m_editor->lineCount() - 1);
    if (first > last)
        return;
    TSynCustomHighlighter* highlighter = m_editor->highlighter();
    SpellScanner scanner(highlighter, m_options);
    scanner.reset();
    if (highlighter && first > 0) {
        // The styler keeps each line's end state; style up to here first,
        // from where styling stopped (Scintilla counts a colourise request as
        // a change from its start: from 0 it would restyle the whole text).
        view->SendScintilla(S::SCI_COLOURISE, view->SendScintilla(S::SCI_GETENDSTYLED),
                            view->SendScintilla(S::SCI_GETLINEENDPOSITION, last));
        scanner.setState(int(view->SendScintilla(S::SCI_GETLINESTATE, first - 1)));
    }
    view->SendScintilla(S::SCI_SETINDICATORCURRENT, kIndicator);
    for (int line = first; line <= last; ++line) {
        const QString text = m_editor->line(line);
        const long start = view->SendScintilla(S::SCI_POSITIONFROMLINE, line);
        view->SendScintilla(S::SCI_INDICATORCLEARRANGE, start, view->SendScintilla(S::SCI_GETLINEENDPOSITION, line) - start);
        if (!dictionaryLoaded())
            continue;
        for (const WordSpan& w : scanner.wordsOfLine(text, line)) {
            if (isKnown(QStringView(text).mid(w.start, w.length)))
                continue;
            const int from = positionOf(line, text, w.start);
            view->SendScintilla(S::SCI_INDICATORFILLRANGE, from, positionOf(line, text, w.start + w.length) - from);
        }
    }
}

std::vector<WordSpan> TSynSpellCheck::underlinedWords(int line) const
{
    std::vector<WordSpan> words;
    if (!m_editor)
        return words;
    EditView* view = m_editor->view();
    const long start = view->SendScintilla(S::SCI_POSITIONFROMLINE, line);
    const long end = view->SendScintilla(S::SCI_GETLINEENDPOSITION, line);
    for (long p = start; p < end;) {
        if (!view->SendScintilla(S::SCI_INDICATORVALUEAT, kIndicator, p)) {
            ++p;
            continue;
        }
        const long e = std::min(end, long(view->SendScintilla(S::SCI_INDICATOREND, kIndicator, p)));
        const int units = int(view->SendScintilla(S::SCI_COUNTCODEUNITS, start, p));
        words.push_back({units, int(view->SendScintilla(S::SCI_COUNTCODEUNITS, p, e))});
        p = std::max(e, p + 1);
    }
    return words;
}

// ---- the check on request ------------------------------------------------

void TSynSpellCheck::SpellCheck()
{
    if (!m_editor || m_checking)
        return;
    m_checking = true;
    QPointer<TSynEdit> edit = m_editor;
    HiddenCaret hidden(edit->view());
    bool busy = false;
    auto setBusy = [this, &busy](bool on) {
        if (!ShowHourglass || on == busy)
            return;
        busy = on;
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    setBusy(true);

    SpellScanner scanner(edit->highlighter(), m_options);
    scanner.reset();
    int line = edit->caretY() - 1;
    int from = edit->caretX() - 1;
    for (int i = 0; i < line; ++i)
        scanner.wordsOfLine(edit->line(i), i); // the state at the caret's line
    bool aborted = false;
    while (!aborted && edit && line < edit->lineCount()) {
        const int stateBefore = scanner.state();
        const QString text = edit->line(line);
        bool changed = false;
        for (const WordSpan& w : scanner.wordsOfLine(text, line)) {
            if (w.start < from)
                continue;
            const QString word = text.mid(w.start, w.length);
            if (isKnown(word))
                continue;
            edit->setSelection({w.start + 1, line + 1}, {w.start + w.length + 1, line + 1});
            const QStringList suggestions = m_dictionary.suggestions(word);
            QString correct = suggestions.value(0, word);
            SpellAction action = SpellAction::Abort;
            setBusy(false);
            if (OnCheckWord)
                OnCheckWord(word, suggestions, correct, action);
            if (!edit) // the window went while the question was open
                break;
            setBusy(true);
            if (action == SpellAction::Abort) {
                aborted = true;
                break;
            }
            if (action == SpellAction::SkipAll)
                m_ignored.insert(word);
            if (action == SpellAction::Add)
                if (const Result<void> added = AddWord(word); !added && OnError)
                    OnError(added.error());
            if (action == SpellAction::Correct) {
                edit->setSelText(correct);
                // The line changed: scan it again after the replacement.
                from = w.start + int(correct.size());
                scanner.setState(stateBefore);
                changed = true;
                break;
            }
        }
        if (changed)
            continue;
        ++line;
        from = 0;
    }
    setBusy(false);
    m_checking = false;
    if (edit)
        checkVisibleLines();
    if (!aborted && edit && OnDone)
        OnDone();
}
