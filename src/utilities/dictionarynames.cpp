#include "utilities/dictionarynames.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString languageOf(const QString& fileName)
{
    QString language = fileName.section(QLatin1Char('.'), 0, 0);
    if (!language.isEmpty())
        language[0] = language[0].toUpper();
    return language;
}

QStringList dictionaryFiles(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Readable, QDir::Name);
    names.erase(std::remove_if(names.begin(), names.end(), [](const QString& n) { return !isDictionaryFileName(n); }),
                names.end());
    return names;
}

} // namespace

bool isDictionaryFileName(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^.*\\..-.-.\\.dic$"),
                                            QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::DotMatchesEverythingOption);
    return pattern.match(fileName).hasMatch();
}

QStringList dictionaryLanguages(const QStringList& fileNames)
{
    QStringList languages;
    for (const QString& name : fileNames) {
        if (!isDictionaryFileName(name) || name.contains(QLatin1String(".user."), Qt::CaseInsensitive))
            continue;
        const QString language = languageOf(name);
        if (!language.isEmpty() && !languages.contains(language))
            languages << language;
    }
    languages.sort();
    return languages;
}

QStringList installedDictionaryLanguages(const QString& folder)
{
    return dictionaryLanguages(dictionaryFiles(folder));
}

QString dictionaryFileOf(const QString& folder, const QString& language)
{
    for (const QString& name : dictionaryFiles(folder))
        if (!name.contains(QLatin1String(".user."), Qt::CaseInsensitive) &&
            languageOf(name).compare(language.trimmed(), Qt::CaseInsensitive) == 0)
            return QDir(folder).filePath(name);
    return {};
}

QString userDictionaryFileOf(const QString& folder, const QString& language)
{
    return QDir(folder).filePath(language.trimmed() + QStringLiteral(".user.dic"));
}
