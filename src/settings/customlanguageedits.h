#pragma once

#include "settings/customlanguages.h"
#include "settings/result.h"

#include <QString>
#include <QStringList>

// The changes the options dialog makes to custom languages, each written at
// once (none waits for OK). Each reads the files as they are at that moment,
// so two open dialogs never undo each other's changes, and each goes through
// a ChangeSet: a failure leaves every file whole and the list naming only
// languages whose files are there. Failures carry the message to show.
namespace CustomLanguageEdits {

// The placeholder a sample text can hold; such a sample is never stored.
inline constexpr char NoCodePlaceholder[] = "[No code spesified for this language!]";

// Add language: the name (blanks trimmed) and mask are checked by
// NameRules; the definition file gets the mask, the name, the five comment
// keys, the keywords and no sample; then the name ends the list. Gives the
// name as stored.
Result<QString> addLanguage(const QString& name, const QString& mask, const CustomLanguageDefinition& definition);

// Removes the entry equal to the name from the list (later entries move down
// one key, Count drops by one only when an entry went), then the definition
// and colour files. A built-in language's colour file is never removed.
Result<void> deleteLanguage(const QString& name);

// The definition and colour files move to the new name (blanks trimmed,
// checked as a new name), LangName is written, and the first list entry
// equal to the old name takes the new one. Gives the new name.
Result<QString> renameLanguage(const QString& oldName, const QString& newName);

// FileExt from a mask checked by NameRules; gives the mask as stored.
Result<QString> changeFileExt(const QString& name, const QString& mask);

// One comment key ("PascalComments" ...) of the definition.
Result<void> writeCommentKey(const QString& name, const QString& key, bool on);
// The Keywords section, erased and written from the list.
Result<void> writeKeywords(const QString& name, const QStringList& keywords);
// The sample text, unless it holds the placeholder (then nothing changes).
Result<void> writeSample(const QString& name, const QStringList& lines);

} // namespace CustomLanguageEdits
