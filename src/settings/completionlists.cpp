#include "settings/completionlists.h"

#include "settings/changeset.h"
#include "settings/namerules.h"
#include "settings/programfolder.h"
#include "settings/textlistfile.h"

#include <QFileInfo>

namespace CompletionLists {

namespace {

Result<QStringList> readEntries(const QString& path)
{
    Result<QStringList> lines = TextListFile::read(path);
    if (!lines)
        return lines;
    QStringList entries;
    for (const QString& line : lines.value())
        if (!line.trimmed().isEmpty())
            entries << line;
    return entries;
}

Result<QString> requireMemberFile(const QString& className)
{
    if (const auto path = memberFile(className))
        return *path;
    return Result<QString>::failure(QStringLiteral("\"%1\" cannot be used as a class name.").arg(className));
}

} // namespace

QString classListFile()
{
    return programFile(QStringLiteral("completion/toc.cmp"));
}

std::optional<QString> memberFile(const QString& className)
{
    // toc.cmp is the class list and auto.cmp the templates: a hand-edited
    // list naming them must neither show nor change nor delete either file.
    for (const char* reserved : {"toc", "auto"})
        if (className.compare(QLatin1String(reserved), Qt::CaseInsensitive) == 0)
            return std::nullopt;
    return NameRules::fileNamed(QStringLiteral("completion"), className, QStringLiteral(".cmp"));
}

Result<QStringList> readClasses()
{
    return readEntries(classListFile());
}

Result<QStringList> readMembers(const QString& className)
{
    Result<QString> path = requireMemberFile(className);
    if (!path)
        return Result<QStringList>::failure(path.error());
    return readEntries(path.value());
}

Result<AddClassOutcome> addClass(const QString& typed)
{
    const QString name = typed.trimmed();
    if (auto message = NameRules::checkClassName(name))
        return Result<AddClassOutcome>::failure(*message);
    Result<QStringList> classes = readClasses();
    if (!classes)
        return Result<AddClassOutcome>::failure(classes.error());
    if (classes.value().contains(name))
        return AddClassOutcome::AlreadyListed;
    Result<QString> path = requireMemberFile(name);
    if (!path)
        return Result<AddClassOutcome>::failure(path.error());
    ChangeSet changes;
    if (!QFileInfo::exists(path.value()))
        changes.writeFile(path.value(), QByteArray());
    changes.writeList(classListFile(), classes.value() << name);
    if (Result<void> r = changes.apply(); !r)
        return Result<AddClassOutcome>::failure(r.error());
    return AddClassOutcome::Added;
}

Result<void> deleteClass(const QString& name)
{
    Result<QStringList> classes = readClasses();
    if (!classes)
        return Result<void>::failure(classes.error());
    ChangeSet changes;
    if (classes.value().removeAll(name) > 0)
        changes.writeList(classListFile(), classes.value());
    if (const auto path = memberFile(name))
        changes.removeFile(*path);
    return changes.apply();
}

Result<void> addMember(const QString& className, const QString& member)
{
    Result<QString> path = requireMemberFile(className);
    if (!path)
        return Result<void>::failure(path.error());
    Result<QStringList> members = readEntries(path.value());
    if (!members)
        return Result<void>::failure(members.error());
    ChangeSet changes;
    changes.writeList(path.value(), members.value() << member);
    return changes.apply();
}

Result<void> deleteMember(const QString& className, int row, const QString& member)
{
    Result<QString> path = requireMemberFile(className);
    if (!path)
        return Result<void>::failure(path.error());
    Result<QStringList> members = readEntries(path.value());
    if (!members)
        return Result<void>::failure(members.error());
    QStringList& list = members.value();
    if (row >= 0 && row < list.size() && list[row] == member)
        list.removeAt(row);
    else if (!list.removeOne(member))
        return {};
    ChangeSet changes;
    changes.writeList(path.value(), list);
    return changes.apply();
}

} // namespace CompletionLists
