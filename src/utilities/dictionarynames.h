#pragma once

#include <QString>
#include <QStringList>

// Spelling dictionaries are word lists named language + "." + a version of
// three single characters separated by "-" + ".dic" (english.1-0-0.dic).
// A language's user dictionary is language + ".user.dic".

// Whether a file name follows the "*.?-?-?.dic" pattern (letter case ignored).
bool isDictionaryFileName(const QString& fileName);
// The languages of the file names: the part before the first ".", its first
// letter in upper case, each once, sorted; user dictionaries are skipped.
QStringList dictionaryLanguages(const QStringList& fileNames);
// The same for the files of a folder (none when it does not exist).
QStringList installedDictionaryLanguages(const QString& folder);
// The dictionary file of a language in a folder (the first in name order),
// or empty when there is none.
QString dictionaryFileOf(const QString& folder, const QString& language);
// The user dictionary's path of a language.
QString userDictionaryFileOf(const QString& folder, const QString& language);
