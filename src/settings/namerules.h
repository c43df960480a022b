#pragma once

#include "settings/result.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the user may call a custom language, a colour preset and a completion
// class. These names become file names (customlang/<name>.ini,
// colors/lang/<name>.ini, colors/<name>.ini, completion/<name>.cmp), so none
// may leave its folder or stand for a file the program keeps for itself.
// Each check gives nothing for a good name, else the message to show.
namespace NameRules {

// Not blank, ".", ".." and without "/", "\", NUL or control characters.
std::optional<QString> checkFileName(const QString& name);

// The file a name stands for in a folder of the program folder
// (programFile(folder + "/" + name + suffix)); nothing for a name that fails
// checkFileName, so a name read from a hand-edited list never reaches a file
// outside its folder.
std::optional<QString> fileNamed(const QString& folder, const QString& name, const QString& suffix);

// A file name without "|", "(" or ")" (they break the file-type filter and
// the extension lookup), not "toc", not a built-in language (Java, HTML,
// CSS, PERL, PHP, XML, TXT) and not one of `listed`; letter case ignored.
std::optional<QString> checkLanguageName(const QString& name, const QStringList& listed);
bool isBuiltInLanguageName(const QString& name);

// "*.ext" items joined by ";". A bare "ext" or ".ext" item, as the hint
// beside the box invites, becomes "*.ext". The mask to store, or a message.
Result<QString> checkFileMask(const QString& mask);

std::optional<QString> checkPresetName(const QString& name);

// Java identifiers joined by "." (java.util.Vector), never "toc" or "auto",
// whose .cmp files are the class list and the templates.
std::optional<QString> checkClassName(const QString& name);

} // namespace NameRules
