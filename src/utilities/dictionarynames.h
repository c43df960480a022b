#pragma once

#include <QStringList>

// Dictionaries are word lists in the program's dictionaries folder, named
// language + "." + a version of three single characters joined by "-" +
// ".dic" (English.1-0-0.dic). A language's user dictionary is
// language + ".user.dic" in the same folder.
namespace DictionaryNames {

// The languages of a folder's file names: for each dictionary file the part
// before its first ".", first letter in upper case; each language once,
// user dictionaries left out, sorted.
QStringList dictionaryLanguages(const QStringList& fileNames);

// The languages of the dictionaries in programFile("dictionaries").
QStringList installedDictionaryLanguages();

} // namespace DictionaryNames
