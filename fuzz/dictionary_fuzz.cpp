// Fuzzes the dictionary reader and the spell-check word rules: the input is
// a word list. Every line that is a word (trimmed, not too long) must be
// found again, suggestions must be known words, and the words of the input
// read as text must be non-empty runs inside it.
#include "fuzzcheck.h"
#include "utilities/spelldictionary.h"
#include "utilities/spellscanner.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <cstdio>

namespace {

// The reader's own trimming: blanks, tabs and carriage returns.
QString trimmedAsRead(const QString& line)
{
    auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; };
    qsizetype start = 0, end = line.size();
    while (start < end && blank(line[start]))
        ++start;
    while (end > start && blank(line[end - 1]))
        --end;
    return line.mid(start, end - start);
}


} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    SpellDictionary dictionary;
    dictionary.addWordList(bytes);
    check(dictionary.size() <= bytes.count('\n') + 1, "more words than lines");

    const bool utf8 = QByteArrayView(bytes).isValidUtf8();
    const QString text = utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    int looked = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString word = trimmedAsRead(line);
        if (word.isEmpty() || word.size() > SpellDictionary::MaxWordLength || ++looked > 64)
            continue;
        check(dictionary.contains(word), "a word of the list was not found");
        for (const QString& s : dictionary.suggestions(word, 5))
            check(dictionary.contains(s), "a suggestion is no known word");
    }

    for (const bool ignoreNumbers : {false, true})
        for (const WordSpan& w : wordsIn(QStringView(text).left(1 << 16), {ignoreNumbers, true})) {
            check(w.length >= 2 && w.start >= 0 && w.start + w.length <= text.size(), "word span outside the text");
            check(!text[w.start].isSpace(), "a word starts with a blank");
        }
    return 0;
}
