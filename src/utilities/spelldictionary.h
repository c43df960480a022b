#pragma once

#include "settings/result.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <unordered_set>

// The American Soundex code of a word: its first letter and three digits
// ("R210" for both "receive" and "recieve"); empty when it has no letter.
// Accented letters count as their base letter.
QString soundex(QStringView word);
// Edits that turn one word into the other: insertions, deletions,
// substitutions and swaps of two neighbours, one each.
int editDistance(QStringView a, QStringView b);

// The words of one language: a hash set filled from word lists, asked with
// the look-up rules of spelling: a word in lower case in the list matches
// any letter case of it, one in capitals ("Paris") only itself and its
// all-capital form; the apostrophes ` and ´ count as '; a possessive "'s"
// is found through its stem.
class SpellDictionary {
public:
    // Adds the words of a word list: one a line, blanks around and blank
    // lines ignored. UTF-8, or Latin-1 when the list is no valid UTF-8.
    // Lines too long to be words are skipped, so any file reads safely.
    void addWordList(const QByteArray& bytes);
    Result<void> addWordListFile(const QString& path);
    void addWord(const QString& word);
    void clear();
    int size() const { return int(m_words.size()); }

    bool contains(QStringView word) const;
    // Words that sound alike (the same Soundex code), likeliest first: by
    // edit distance, then by nearness of length, then alphabetically; in the
    // letter case of the word asked about (Capitalised, CAPITALS).
    QStringList suggestions(QStringView word, int maximum = 10) const;

    static constexpr int MaxWordLength = 100;

private:
    // Looked up by QStringView: no string is made for a word found as it is.
    struct WordHash {
        using is_transparent = void;
        std::size_t operator()(QStringView w) const { return qHash(w); }
    };
    struct WordEqual {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const { return a == b; }
    };
    bool containsExactly(QStringView word) const;
    bool has(QStringView word) const { return m_words.find(word) != m_words.end(); }
    void buildSoundIndex() const;

    std::unordered_set<QString, WordHash, WordEqual> m_words;
    // Soundex code -> words, built on the first request for suggestions.
    mutable QHash<QString, QStringList> m_bySound;
    mutable bool m_soundIndexBuilt = false;
};

// Adds a word to a user dictionary file on a line of its own. The file is
// rewritten whole and atomically, so what it held survives any failure.
Result<void> addToWordListFile(const QString& path, const QString& word);
