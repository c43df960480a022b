#include "settings/customlanguages.h"

#include "settings/inifile.h"
#include "settings/namerules.h"
#include "settings/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace {

const QString kTocSection = QStringLiteral("CustomLanguages");

// Keys first .. first+count-1 of a section, the count read from its key
// `countKey`; missing keys read as "". One read of the file, one pass over
// the section, however long the list.
QStringList readNumberedList(const IniFile& ini, const QString& section, const QString& countKey, int first)
{
    const IniSection values = ini.ReadSectionValues(section);
    const int count = std::clamp(values.ReadInteger(countKey, 0), 0, MaxCustomListEntries);
    QStringList out(count);
    std::vector<bool> seen(count, false);
    for (const auto& [key, value] : values.entries()) {
        bool ok = false;
        const int index = key.toInt(&ok) - first;
        // Only the key as a single read names it ("7", not "07" or "+7");
        // the first of two keys of one name wins.
        if (!ok || index < 0 || index >= count || key != QString::number(index + first) || seen[index])
            continue;
        seen[index] = true;
        out[index] = value;
    }
    return out;
}

QString readFileExt(const QString& name)
{
    const auto path = customLanguageFile(name);
    if (!path)
        return QString();
    return IniFile(*path).ReadString(QStringLiteral("FileInfo"), QStringLiteral("FileExt"), QString());
}

} // namespace

int CustomLanguageDefinition::commentStyles() const
{
    return (AnsiComments ? CustomCommentBits::Ansi : 0) | (PascalComments ? CustomCommentBits::Pascal : 0)
        | (CComments ? CustomCommentBits::C : 0) | (AsmComments ? CustomCommentBits::Asm : 0)
        | (BasComments ? CustomCommentBits::Bas : 0);
}

QChar CustomLanguageDefinition::stringDelimiter() const
{
    return CComments ? QLatin1Char('"') : QLatin1Char('\'');
}

QString customLanguagesTocFile()
{
    return programFile(QStringLiteral("customlang/toc.ini"));
}

std::optional<QString> customLanguageFile(const QString& name)
{
    // customlang/toc.ini is the list, never a language.
    if (name.compare(QLatin1String("toc"), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return NameRules::fileNamed(QStringLiteral("customlang"), name, QStringLiteral(".ini"));
}

std::optional<QString> languageColorFile(const QString& name)
{
    return NameRules::fileNamed(QStringLiteral("colors/lang"), name, QStringLiteral(".ini"));
}

QStringList LoadCustomLanglistFromFile()
{
    const IniFile toc(customLanguagesTocFile());
    return readNumberedList(toc, kTocSection, QStringLiteral("Count"), 1);
}

QStringList customLanguageMenuNames(const QStringList& listed)
{
    QStringList names;
    for (const QString& name : listed) {
        const auto path = customLanguageFile(name);
        if (!path || !QFileInfo(*path).isFile())
            continue;
        if (names.contains(name, Qt::CaseInsensitive))
            break;
        names.append(name);
    }
    return names;
}

CustomLanguageDefinition readCustomLanguageDefinition(const QString& name)
{
    CustomLanguageDefinition def;
    const auto path = customLanguageFile(name);
    if (!path)
        return def;
    const IniFile ini(*path);
    const QString comments = QStringLiteral("CommentTypes");
    def.FileExt = ini.ReadString(QStringLiteral("FileInfo"), QStringLiteral("FileExt"), QString());
    def.PascalComments = ini.ReadBool(comments, QStringLiteral("PascalComments"), false);
    def.CComments = ini.ReadBool(comments, QStringLiteral("CComments"), false);
    def.AsmComments = ini.ReadBool(comments, QStringLiteral("AsmComments"), false);
    def.BasComments = ini.ReadBool(comments, QStringLiteral("BasComments"), false);
    def.AnsiComments = ini.ReadBool(comments, QStringLiteral("AnsiComments"), false);
    def.keywords = readNumberedList(ini, QStringLiteral("Keywords"), QStringLiteral("KeyWordsCount"), 0);
    def.codeLines = readNumberedList(ini, QStringLiteral("Code"), QStringLiteral("CodeLines"), 0);
    for (QString& line : def.codeLines)
        line = unquoteSampleLine(line);
    return def;
}

QString quoteSampleLine(const QString& line)
{
    const bool blankEnds = !line.isEmpty() && (line.front().isSpace() || line.back().isSpace());
    const bool quoted = line.size() >= 2 && (line.front() == u'"' || line.front() == u'\'') && line.back() == line.front();
    return blankEnds || quoted ? QLatin1Char('"') + line + QLatin1Char('"') : line;
}

QString unquoteSampleLine(const QString& value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

QString firstFileExtension(const QString& fileExt)
{
    // Without a "*" the text is taken from its first character.
    const qsizetype start = fileExt.indexOf(QLatin1Char('*')) + 1;
    const qsizetype semicolon = fileExt.indexOf(QLatin1Char(';'));
    // A ";" in first place counts as none.
    if (semicolon <= 0)
        return fileExt.mid(start);
    // A ";" before the "*" leaves nothing between them.
    return semicolon > start ? fileExt.mid(start, semicolon - start) : QString();
}

QList<FileFilterEntry> UpdateFilesFilter()
{
    QList<FileFilterEntry> entries = {
        {QStringLiteral("Java (*.java)"), QStringLiteral("*.java")},
        {QStringLiteral("HTML (*.htm;*.html)"), QStringLiteral("*.htm;*.html")},
        {QStringLiteral("Perl (*.pl;*.perl)"), QStringLiteral("*.pl;*.perl")},
        {QStringLiteral("PHP (*.php)"), QStringLiteral("*.php")},
        {QStringLiteral("XML (*.xml)"), QStringLiteral("*.xml")},
        {QStringLiteral("CSS (*.css)"), QStringLiteral("*.css")},
        {QStringLiteral("TXT (*.txt)"), QStringLiteral("*.txt")},
    };
    for (const QString& name : LoadCustomLanglistFromFile()) {
        const QString mask = readFileExt(name);
        entries.append({name + QStringLiteral(" (") + mask + QLatin1Char(')'), mask});
    }
    entries.append({QStringLiteral("All files (*.*)"), QStringLiteral("*.*")});
    return entries;
}

QString joinFileFilter(const QList<FileFilterEntry>& entries)
{
    QStringList fields;
    for (const FileFilterEntry& e : entries)
        fields << e.description << e.mask;
    return fields.join(QLatin1Char('|'));
}

QStringList toNameFilters(const QList<FileFilterEntry>& entries)
{
    QStringList filters;
    for (const FileFilterEntry& e : entries) {
        QStringList patterns;
        for (const QString& pattern : e.mask.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            // Here "*.*" would pass over the many files without a dot.
            patterns << (pattern.trimmed() == QLatin1String("*.*") ? QStringLiteral("*") : pattern.trimmed());
        QString name = languageNameOfFilterDescription(e.description);
        if (name.isEmpty())
            name = e.description;
        filters.append(name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters;
}

std::optional<int> firstFilterEntryContaining(const QList<FileFilterEntry>& entries, const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].description.contains(text))
            return i;
    return std::nullopt;
}

std::optional<int> lastFilterEntryContaining(const QList<FileFilterEntry>& entries, const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (int i = int(entries.size()) - 1; i >= 0; --i)
        if (entries[i].description.contains(text))
            return i;
    return std::nullopt;
}

QString languageNameOfFilterDescription(const QString& description)
{
    const qsizetype paren = description.indexOf(QLatin1Char('('));
    return paren > 0 ? description.left(paren - 1) : QString();
}

QString FindLangNameFromFilterString(const QString& extension, const QList<FileFilterEntry>& entries)
{
    const auto index = firstFilterEntryContaining(entries, extension);
    return index ? languageNameOfFilterDescription(entries[*index].description) : QString();
}

QString FindLangNameFromFilterString(const QString& extension)
{
    return FindLangNameFromFilterString(extension, UpdateFilesFilter());
}
