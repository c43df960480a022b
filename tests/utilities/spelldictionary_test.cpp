#include "utilities/dictionarynames.h"
#include "utilities/spelldictionary.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(Soundex, CodesOfWellKnownNames)
{
    const std::pair<const char16_t*, const char*> cases[] = {
        {u"Robert", "R163"},  {u"Rupert", "R163"},   {u"Rubin", "R150"},  {u"Ashcraft", "A261"},
        {u"Tymczak", "T522"}, {u"Pfister", "P236"},  {u"Honeyman", "H555"}, {u"receive", "R210"},
        {u"recieve", "R210"}, {u"\u00e9t\u00e9", "E300"}, {u"a", "A000"}, {u"123", ""},
    };
    for (const auto& [word, code] : cases)
        EXPECT_EQ(soundex(QStringView(word)), QLatin1String(code)) << QString::fromUtf16(word).toStdString();
}

TEST(EditDistance, CountsSwapsOfNeighboursAsOneEdit)
{
    EXPECT_EQ(editDistance(u"recieve", u"receive"), 1);
    EXPECT_EQ(editDistance(u"kitten", u"sitting"), 3);
    EXPECT_EQ(editDistance(u"", u"abc"), 3);
    EXPECT_EQ(editDistance(u"same", u"same"), 0);
}

SpellDictionary dictionaryOf(const char* words)
{
    SpellDictionary d;
    d.addWordList(QByteArray(words));
    return d;
}

TEST(SpellDictionary, LookUpFollowsTheLetterCaseOfTheEntry)
{
    const SpellDictionary d = dictionaryOf("apple\nParis\n  spaced  \r\n\nNASA\ndon't\ncaf\xc3\xa9\n");
    const std::pair<const char16_t*, bool> cases[] = {
        {u"apple", true},   {u"Apple", true},   {u"APPLE", true},     // lower-case entry: any case
        {u"Paris", true},   {u"PARIS", true},   {u"paris", false},    // capitalised entry: itself and capitals
        {u"NASA", true},    {u"nasa", false},   {u"spaced", true},    // blanks around are not part of a word
        {u"don't", true},   {u"don`t", true},   {u"don\u00b4t", true}, // the three apostrophes are one
        {u"apple's", true}, {u"Paris's", true}, {u"caf\u00e9", true}, // possessives through their stem; UTF-8
        {u"pear", false},   {u"", false},
    };
    for (const auto& [word, known] : cases)
        EXPECT_EQ(d.contains(QStringView(word)), known) << QString::fromUtf16(word).toStdString();
}

// Suggestions sound alike; the likeliest (fewest edits) comes first, and
// they take the case of the word asked about.
TEST(SpellDictionary, SuggestionsAreRankedByEditDistance)
{
    const SpellDictionary d = dictionaryOf("recipe\nreceive\nrecife\nreceiver\nrecap\nbanana\n");
    // "receiver" sounds otherwise (R216), "banana" too.
    EXPECT_EQ(d.suggestions(u"recieve"), (QStringList{"receive", "recife", "recipe", "recap"}));
    EXPECT_EQ(d.suggestions(u"Recieve", 2), (QStringList{"Receive", "Recife"}));
    EXPECT_EQ(d.suggestions(u"RECIEVE", 1), (QStringList{"RECEIVE"}));
    EXPECT_TRUE(d.suggestions(u"zzz").isEmpty());
    // Only forms the look-up accepts: "AIS" would be reported again.
    EXPECT_EQ(dictionaryOf("AIs\n").suggestions(u"AIZ"), QStringList{"AIs"});
}

TEST(SpellDictionary, AnyBytesReadAsWordsOrSkipped)
{
    QByteArray junk(70000, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 7919) & 0xFF);
    junk += "\nhello\n" + QByteArray(1 << 20, 'x') + "\nworld";
    SpellDictionary d;
    d.addWordList(junk);
    EXPECT_TRUE(d.contains(u"hello"));
    EXPECT_TRUE(d.contains(u"world")); // no final line end
    EXPECT_FALSE(d.contains(QString(1 << 20, u'x'))); // far too long for a word
}

TEST(SpellDictionary, AddedWordIsKnownAndSoundsAlike)
{
    SpellDictionary d = dictionaryOf("receive\n");
    EXPECT_EQ(d.suggestions(u"recieve"), QStringList{"receive"}); // builds the sound index
    d.addWord(QStringLiteral("receve"));
    EXPECT_TRUE(d.contains(u"receve"));
    EXPECT_EQ(d.suggestions(u"recieve"), (QStringList{"receive", "receve"}));
}

// "Add" appends the word on a line of its own and keeps what the file held.
TEST(SpellDictionary, AddToWordListFileKeepsTheWordsBefore)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("English.user.dic"));
    ASSERT_TRUE(addToWordListFile(path, QStringLiteral("first")).ok());
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("second"); // no line end, as an editor may leave it
    }
    ASSERT_TRUE(addToWordListFile(path, QStringLiteral("th\u00efrd")).ok());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("first\nsecond\nth\xc3\xafrd\n"));
    EXPECT_FALSE(addToWordListFile(dir.filePath(QStringLiteral("no/such/dir/x.dic")), QStringLiteral("w")).ok());
}

TEST(DictionaryNames, LanguagesFromFileNames)
{
    EXPECT_EQ(dictionaryLanguages({"english.1-0-0.dic", "English.2-1-0.DIC", "german.1-0-0.dic",
                                   "english.user.dic", "french.dic", "spanish.1-0.dic", "dutch.1-0-0.dic.bak",
                                   "norsk.user.1-0-0.dic", "english.a-b-c.dic"}),
              (QStringList{"English", "German"}));
    EXPECT_TRUE(isDictionaryFileName(QStringLiteral("x.y.1-2-3.dic")));
    EXPECT_FALSE(isDictionaryFileName(QStringLiteral("x.12-2-3.dic")));
}

TEST(DictionaryNames, FilesOfALanguageInAFolder)
{
    QTemporaryDir dir;
    for (const char* name : {"english.1-0-0.dic", "english.user.dic", "german.2-0-0.dic"})
        QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
    EXPECT_EQ(installedDictionaryLanguages(dir.path()), (QStringList{"English", "German"}));
    EXPECT_EQ(dictionaryFileOf(dir.path(), QStringLiteral("english")), dir.filePath("english.1-0-0.dic"));
    EXPECT_EQ(dictionaryFileOf(dir.path(), QStringLiteral("French")), QString());
    EXPECT_EQ(userDictionaryFileOf(dir.path(), QStringLiteral("English")), dir.filePath("English.user.dic"));
    EXPECT_TRUE(installedDictionaryLanguages(dir.filePath(QStringLiteral("missing"))).isEmpty());
}

} // namespace
