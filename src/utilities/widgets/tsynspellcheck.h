#pragma once

#include "settings/result.h"
#include "settings/tcolor.h"
#include "utilities/spelldictionary.h"
#include "utilities/spellscanner.h"

#include <QObject>
#include <QPointer>
#include <QSet>

#include <functional>

class TSynEdit;

// What to do with an unknown word.
enum class SpellAction { Abort, Skip, SkipAll, Correct, Add };

// The spell checker: a dictionary of one language with its user dictionary,
// attached to one edit control at a time. On request it walks the document
// from the caret and asks about every unknown word (OnCheckWord); while the
// user types it underlines unknown words with a wavy line, on the lines that
// change and the lines that come into view only.
class TSynSpellCheck : public QObject {
    Q_OBJECT
public:
    explicit TSynSpellCheck(QObject* parent = nullptr);
    ~TSynSpellCheck() override;

    void setEditor(TSynEdit* editor); // none detaches
    TSynEdit* editor() const;

    // Where the dictionaries and the user dictionaries are.
    QString DictionaryDirectory;
    QString UserDirectory;
    // The languages of the dictionaries installed.
    QStringList GetDictionaryList() const;
    // Loads a language's dictionary and its user dictionary.
    Result<void> LoadDictionary(const QString& language);
    bool dictionaryLoaded() const { return !m_language.isEmpty(); }
    QString loadedLanguage() const { return m_language; }
    const SpellDictionary& dictionary() const { return m_dictionary; }

    // Adds a word to the user dictionary (file and memory).
    Result<void> AddWord(const QString& word);
    // In the dictionary, or ignored for this run of the program.
    bool isKnown(QStringView word) const;

    TColor underlineColor() const { return m_underlineColor; }
    void setUnderlineColor(TColor color);
    // Check while typing.
    bool autoSpellCheck() const { return m_auto; }
    void setAutoSpellCheck(bool on);
    SpellOptions options() const { return m_options; }
    void setOptions(const SpellOptions& options);
    bool ShowHourglass = false; // busy cursor while checking

    // Asked about each unknown word: the suggestions, the replacement to
    // fill in and the action (Abort when the handler leaves it).
    std::function<void(const QString& word, const QStringList& suggestions, QString& correctWord, SpellAction& action)>
        OnCheckWord;
    // The check has reached the end of the document.
    std::function<void()> OnDone;
    // A word could not be added to the user dictionary file.
    std::function<void(const QString& message)> OnError;

    // Checks from the caret to the end of the document.
    void SpellCheck();

    // The underlined words of a line (0-based), as character ranges.
    std::vector<WordSpan> underlinedWords(int line) const;
    // Checks the lines shown now, at once (the checks while typing wait for
    // the edit to finish).
    void checkVisibleLines();

private:
    void attachView();
    void detachView();
    void scheduleCheck(int fromLine);
    void checkLines(int first, int last);
    void clearUnderlines();
    int positionOf(int line, const QString& text, int index) const;

    QPointer<TSynEdit> m_editor;
    QList<QMetaObject::Connection> m_connections;
    SpellDictionary m_dictionary;
    QString m_language;
    QSet<QString> m_ignored;
    TColor m_underlineColor = Colors::clRed;
    bool m_auto = true;
    SpellOptions m_options;
    int m_pendingFrom = -1; // first line changed since the last check, -1 none
    bool m_checking = false;
};
