#include "utilities/dictionarynames.h"

#include "settings/programfolder.h"

#include <QDir>
#include <QRegularExpression>

namespace DictionaryNames {

QStringList dictionaryLanguages(const QStringList& fileNames)
{
    // "*.?-?-?.dic", the way the file system matches it: letter case ignored.
    static const QRegularExpression pattern(QStringLiteral("^.*\\..-.-.\\.dic$"),
                                            QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::DotMatchesEverythingOption);
    QStringList languages;
    for (const QString& name : fileNames) {
        if (!pattern.match(name).hasMatch() || name.contains(QLatin1String(".user."), Qt::CaseInsensitive))
            continue;
        QString language = name.left(name.indexOf(u'.'));
        if (language.isEmpty())
            continue;
        language[0] = language[0].toUpper();
        if (!languages.contains(language))
            languages << language;
    }
    languages.sort();
    return languages;
}

QStringList installedDictionaryLanguages()
{
    const QDir folder(programFile(QStringLiteral("dictionaries")));
    return dictionaryLanguages(folder.entryList(QDir::Files));
}

} // namespace DictionaryNames
