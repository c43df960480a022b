#pragma once

#include "settings/result.h"

#include <QString>
#include <QStringList>

#include <optional>

// The Java completion lists as the options dialog maintains them:
// completion/toc.cmp lists the classes, one per line, and each class has
// completion/<class>.cmp with one member per line. Every change is written
// at once and reads the file as it is at that moment, so two open dialogs
// never undo each other's additions. Blank lines are no entries.
namespace CompletionLists {

QString classListFile();
// completion/<class>.cmp; nothing for a name that is no plain file name.
std::optional<QString> memberFile(const QString& className);

Result<QStringList> readClasses();
// A class without a list file has no members.
Result<QStringList> readMembers(const QString& className);

enum class AddClassOutcome { Added, AlreadyListed };
// Checks the name (NameRules::checkClassName). A listed class is left
// alone, its list file untouched. Otherwise the class's list file is made
// empty when there is none (a file already there keeps its members) and the
// name ends toc.cmp.
Result<AddClassOutcome> addClass(const QString& name);
// toc.cmp without the class, then its list file removed.
Result<void> deleteClass(const QString& name);

// Appends a member (blanks kept; an empty text is refused by the caller).
Result<void> addMember(const QString& className, const QString& member);
// Removes the member at `row` of the list as read now, or, when the file
// changed meanwhile, the first member equal to `member`.
Result<void> deleteMember(const QString& className, int row, const QString& member);

} // namespace CompletionLists
