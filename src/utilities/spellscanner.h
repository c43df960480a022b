#pragma once

#include "editor/tokenwalker.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class TSynCustomHighlighter;

// Switches of the spell check that decide which words are looked up.
struct SpellOptions {
    bool IgnoreWordsWithNum = false; // skip words holding a digit
    bool IgnoreSingleChar = false;   // skip one-letter words
};

// A word in a line: the character index of its start and its length.
struct WordSpan {
    int start = 0;
    int length = 0;
    bool operator==(const WordSpan&) const = default;
};

// The words of a text worth looking up: runs of letters and digits, with
// the apostrophes ' ` ´ inside them ("don't"). A run without a letter (a
// number) is no word; the options skip more.
std::vector<WordSpan> wordsIn(QStringView text, const SpellOptions& options);
// The same, handed one by one to `found(start, length)`.
template <class Found> void forEachWord(QStringView text, const SpellOptions& options, Found&& found);

// The attribute names whose tokens are checked when a document has a
// highlighter: comments, documentation comments, strings and HTML text.
QStringList checkedAttributeNames();

// Finds the words to check in the lines of a document, through the
// document's highlighter (only tokens of checked attributes) or, without
// one, in all the text. The highlighter's state carries from one line to the
// next as in the edit control.
class SpellScanner {
public:
    SpellScanner(TSynCustomHighlighter* highlighter, const SpellOptions& options);

    // The highlighter starts outside any comment or string (line 0).
    void reset();
    // The state the highlighter has now, and setting it back (to scan a line
    // again after it changed).
    int state() const;
    void setState(int state);
    // The words to check in `line`; the state moves past it. The list lives
    // until the next call.
    const std::vector<WordSpan>& wordsOfLine(const QString& line, int lineNumber);

private:
    TSynCustomHighlighter* m_highlighter;
    SpellOptions m_options;
    std::vector<bool> m_checked; // by attribute index
    std::optional<TokenWalker> m_walker;
    std::vector<WordSpan> m_words;
};

inline bool isSpellApostrophe(QChar c)
{
    return c == u'\'' || c == u'`' || c == u'\u00B4' || c == u'\u2019';
}

template <class Found> void forEachWord(QStringView text, const SpellOptions& options, Found&& found)
{
    auto isWordChar = [](QChar c) { return c.isLetterOrNumber() || c.isMark(); };
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (!isWordChar(text[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        bool letter = false, digit = false;
        while (i < n) {
            const QChar c = text[i];
            if (isWordChar(c)) {
                letter = letter || c.isLetter();
                digit = digit || c.isDigit();
                ++i;
            } else if (isSpellApostrophe(c) && i + 1 < n && text[i + 1].isLetter()) {
                ++i; // an apostrophe between letters belongs to the word
            } else {
                break;
            }
        }
        const int length = int(i - start);
        if (!letter || (digit && options.IgnoreWordsWithNum) || (length == 1 && options.IgnoreSingleChar))
            continue;
        found(int(start), length);
    }
}

// The number of unknown words of a document (the check without a dialog).
int countUnknownWords(const QStringList& lines, TSynCustomHighlighter* highlighter, const SpellOptions& options,
                      const std::function<bool(QStringView)>& isKnown);
