#include "settings/customlanguageedits.h"

#include "settings/changeset.h"
#include "settings/fileaccess.h"
#include "settings/inifile.h"
#include "settings/namerules.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace CustomLanguageEdits {

namespace {

const QString kToc = QStringLiteral("CustomLanguages");
const QString kCount = QStringLiteral("Count");
const QString kKeywords = QStringLiteral("Keywords");
const QString kCode = QStringLiteral("Code");

Result<QString> definitionFile(const QString& name)
{
    if (const auto path = customLanguageFile(name))
        return *path;
    return Result<QString>::failure(NameRules::checkFileName(name).value_or(
        QStringLiteral("\"%1\" cannot be used as a language name.").arg(name)));
}

void writeKeywordSection(IniBatch& batch, const QStringList& keywords)
{
    batch.EraseSection(kKeywords);
    batch.WriteInteger(kKeywords, QStringLiteral("KeyWordsCount"), int(keywords.size()));
    for (qsizetype i = 0; i < keywords.size(); ++i)
        batch.WriteString(kKeywords, QString::number(i), keywords[i]);
}

QByteArray fileBytes(const QString& path)
{
    Result<QByteArray> read = FileAccess::readRegularFile(path);
    return read ? read.take() : QByteArray();
}

Result<void> editDefinition(const QString& name, const IniBatch& batch)
{
    Result<QString> path = definitionFile(name);
    if (!path)
        return Result<void>::failure(path.error());
    ChangeSet changes;
    changes.editIni(path.value(), batch);
    return changes.apply();
}

} // namespace

Result<QString> addLanguage(const QString& typedName, const QString& typedMask,
                            const CustomLanguageDefinition& def)
{
    const QString name = typedName.trimmed();
    const QStringList listed = LoadCustomLanglistFromFile();
    if (auto message = NameRules::checkLanguageName(name, listed))
        return Result<QString>::failure(*message);
    Result<QString> mask = NameRules::checkFileMask(typedMask);
    if (!mask)
        return mask;
    Result<QString> path = definitionFile(name);
    if (!path)
        return path;

    IniBatch definition;
    // A file left from an earlier language of that name keeps nothing.
    for (const char* section : {"FileInfo", "CommentTypes", "Keywords", "Code"})
        definition.EraseSection(QLatin1String(section));
    definition.WriteString(QStringLiteral("FileInfo"), QStringLiteral("FileExt"), mask.value());
    definition.WriteString(QStringLiteral("FileInfo"), QStringLiteral("LangName"), name);
    const QString comments = QStringLiteral("CommentTypes");
    definition.WriteBool(comments, QStringLiteral("PascalComments"), def.PascalComments);
    definition.WriteBool(comments, QStringLiteral("CComments"), def.CComments);
    definition.WriteBool(comments, QStringLiteral("AsmComments"), def.AsmComments);
    definition.WriteBool(comments, QStringLiteral("BasComments"), def.BasComments);
    definition.WriteBool(comments, QStringLiteral("AnsiComments"), def.AnsiComments);
    writeKeywordSection(definition, def.keywords);
    definition.WriteInteger(kCode, QStringLiteral("CodeLines"), 0);

    IniBatch toc;
    const int count = int(listed.size()) + 1;
    toc.WriteInteger(kToc, kCount, count);
    toc.WriteString(kToc, QString::number(count), name);

    ChangeSet changes;
    changes.editIni(path.value(), definition);
    changes.editIni(customLanguagesTocFile(), toc);
    if (Result<void> r = changes.apply(); !r)
        return Result<QString>::failure(r.error());
    return name;
}

Result<void> deleteLanguage(const QString& name)
{
    ChangeSet changes;
    QStringList listed = LoadCustomLanglistFromFile();
    if (const qsizetype at = listed.indexOf(name); at >= 0) {
        IniBatch toc;
        const qsizetype last = listed.size();
        listed.removeAt(at);
        for (qsizetype i = at; i < listed.size(); ++i)
            toc.WriteString(kToc, QString::number(i + 1), listed[i]);
        toc.DeleteKey(kToc, QString::number(last));
        toc.WriteInteger(kToc, kCount, int(listed.size()));
        changes.editIni(customLanguagesTocFile(), toc);
    }
    if (const auto path = customLanguageFile(name))
        changes.removeFile(*path);
    if (const auto colors = languageColorFile(name); colors && !NameRules::isBuiltInLanguageName(name))
        changes.removeFile(*colors);
    return changes.apply();
}

Result<QString> renameLanguage(const QString& oldName, const QString& typedName)
{
    const QString newName = typedName.trimmed();
    QStringList others = LoadCustomLanglistFromFile();
    others.removeOne(oldName);
    if (auto message = NameRules::checkLanguageName(newName, others))
        return Result<QString>::failure(*message);
    Result<QString> oldPath = definitionFile(oldName);
    if (!oldPath)
        return oldPath;
    Result<QString> newPath = definitionFile(newName);
    if (!newPath)
        return newPath;

    ChangeSet changes;
    changes.writeFile(newPath.value(), fileBytes(oldPath.value()));
    IniBatch langName;
    langName.WriteString(QStringLiteral("FileInfo"), QStringLiteral("LangName"), newName);
    changes.editIni(newPath.value(), langName);
    const auto oldColors = languageColorFile(oldName);
    const auto newColors = languageColorFile(newName);
    const bool moveColors = oldColors && newColors && QFileInfo::exists(*oldColors);
    if (moveColors)
        changes.writeFile(*newColors, fileBytes(*oldColors));

    const QStringList listed = LoadCustomLanglistFromFile();
    if (const qsizetype at = listed.indexOf(oldName); at >= 0) {
        IniBatch toc;
        toc.WriteString(kToc, QString::number(at + 1), newName);
        changes.editIni(customLanguagesTocFile(), toc);
    }
    changes.removeFile(oldPath.value());
    if (moveColors && !NameRules::isBuiltInLanguageName(oldName))
        changes.removeFile(*oldColors);
    if (Result<void> r = changes.apply(); !r)
        return Result<QString>::failure(r.error());
    return newName;
}

Result<QString> changeFileExt(const QString& name, const QString& typedMask)
{
    Result<QString> mask = NameRules::checkFileMask(typedMask);
    if (!mask)
        return mask;
    IniBatch batch;
    batch.WriteString(QStringLiteral("FileInfo"), QStringLiteral("FileExt"), mask.value());
    if (Result<void> r = editDefinition(name, batch); !r)
        return Result<QString>::failure(r.error());
    return mask;
}

Result<void> writeCommentKey(const QString& name, const QString& key, bool on)
{
    IniBatch batch;
    batch.WriteBool(QStringLiteral("CommentTypes"), key, on);
    return editDefinition(name, batch);
}

Result<void> writeKeywords(const QString& name, const QStringList& keywords)
{
    IniBatch batch;
    writeKeywordSection(batch, keywords);
    return editDefinition(name, batch);
}

Result<void> writeSample(const QString& name, const QStringList& lines)
{
    if (lines.join(QLatin1Char('\n')).contains(QLatin1String(NoCodePlaceholder)))
        return {};
    IniBatch batch;
    batch.EraseSection(kCode);
    batch.WriteInteger(kCode, QStringLiteral("CodeLines"), int(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        batch.WriteString(kCode, QString::number(i), quoteSampleLine(lines[i]));
    return editDefinition(name, batch);
}

} // namespace CustomLanguageEdits
