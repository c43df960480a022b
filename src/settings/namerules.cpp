#include "settings/namerules.h"

#include "settings/programfolder.h"

#include <QDir>
#include <QFileInfo>

namespace NameRules {

namespace {

const char* const kBuiltInLanguages[] = {"Java", "HTML", "CSS", "PERL", "PHP", "XML", "TXT"};

bool isIdentifierStart(QChar c) { return c.isLetter() || c == u'_' || c == u'$'; }
bool isIdentifierPart(QChar c) { return isIdentifierStart(c) || c.isDigit(); }

bool isMaskExtension(const QString& ext)
{
    if (ext.isEmpty())
        return false;
    for (QChar c : ext)
        if (c.isSpace() || c.category() == QChar::Other_Control || QStringLiteral("*?;|()/\\<>\"").contains(c))
            return false;
    return true;
}

} // namespace

std::optional<QString> checkFileName(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Please type a name.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\"%1\" cannot be used as a name.").arg(name);
    for (QChar c : name)
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7F ||
            c.category() == QChar::Other_Control)
            return QStringLiteral("A name cannot hold \"/\", \"\\\" or control characters.");
    return std::nullopt;
}

std::optional<QString> fileNamed(const QString& folder, const QString& name, const QString& suffix)
{
    if (checkFileName(name))
        return std::nullopt;
    const QString dir = QDir::cleanPath(programFile(folder));
    const QString path = QDir::cleanPath(dir + QLatin1Char('/') + name + suffix);
    // Checked once more on the built path, so no later change to the name
    // rule can open a way out of the folder.
    if (QFileInfo(path).path() != dir)
        return std::nullopt;
    return path;
}

bool isBuiltInLanguageName(const QString& name)
{
    for (const char* builtIn : kBuiltInLanguages)
        if (name.compare(QLatin1String(builtIn), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

std::optional<QString> checkLanguageName(const QString& name, const QStringList& listed)
{
    if (auto message = checkFileName(name))
        return message;
    if (name.contains(u'|') || name.contains(u'(') || name.contains(u')'))
        return QStringLiteral("A language name cannot hold \"|\", \"(\" or \")\".");
    if (name.compare(QLatin1String("toc"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("\"%1\" cannot be used as a language name.").arg(name);
    if (isBuiltInLanguageName(name))
        return QStringLiteral("\"%1\" is the name of a built-in language.").arg(name);
    if (listed.contains(name, Qt::CaseInsensitive))
        return QStringLiteral("There is already a language named \"%1\".").arg(name);
    return std::nullopt;
}

Result<QString> checkFileMask(const QString& mask)
{
    const QString message = QStringLiteral(
        "The file extension must be written as *.ext, several of them joined by \";\" (for example *.lsp;*.lisp).");
    if (mask.trimmed().isEmpty())
        return Result<QString>::failure(message);
    QStringList items;
    for (QString item : mask.split(u';')) {
        item = item.trimmed();
        if (item.startsWith(QLatin1String("*.")))
            item = item.mid(2);
        else if (item.startsWith(u'.'))
            item = item.mid(1);
        if (!isMaskExtension(item))
            return Result<QString>::failure(message);
        items << QStringLiteral("*.") + item;
    }
    return items.join(u';');
}

std::optional<QString> checkPresetName(const QString& name)
{
    return checkFileName(name);
}

std::optional<QString> checkClassName(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Can't add empty text!");
    const QString message =
        QStringLiteral("A class name is a Java name, or several joined by \".\" (for example java.util.Vector).");
    for (const QString& part : name.split(u'.')) {
        if (part.isEmpty() || !isIdentifierStart(part[0]))
            return message;
        for (QChar c : part)
            if (!isIdentifierPart(c))
                return message;
    }
    if (name.compare(QLatin1String("toc"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("\"%1\" cannot be used as a class name.").arg(name);
    return std::nullopt;
}

} // namespace NameRules
