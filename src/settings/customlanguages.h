#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Custom languages: each one a small INI file customlang/<name>.ini in the
// program folder, listed by customlang/toc.ini, with its colours in
// colors/lang/<name>.ini. A name becomes a file name, so a name that would
// leave those folders (NameRules::checkFileName) has no files, nor has "toc".

// Bits of a custom language's comment set.
namespace CustomCommentBits {
constexpr int Ansi = 1;
constexpr int Pascal = 2;
constexpr int C = 4;
constexpr int Asm = 8;
constexpr int Bas = 16;
} // namespace CustomCommentBits

// One definition file. Absent keys read as false, 0 and empty.
struct CustomLanguageDefinition {
    QString FileExt; // the mask as typed, e.g. "*.lsp;*.lisp"
    bool PascalComments = false;
    bool CComments = false;
    bool AsmComments = false;
    bool BasComments = false;
    bool AnsiComments = false;
    QStringList keywords;  // [Keywords] "0" .. KeyWordsCount-1
    QStringList codeLines; // [Code] "0" .. CodeLines-1: the sample text

    int commentStyles() const;
    // The single quote, or the double quote when C comments are on.
    QChar stringDelimiter() const;
    bool operator==(const CustomLanguageDefinition&) const = default;
};

// One entry of the file-type filter.
struct FileFilterEntry {
    QString description;
    QString mask; // patterns joined by ";"
    bool operator==(const FileFilterEntry&) const = default;
};

// A bogus count in a list file must not make us read (or allocate) forever.
constexpr int MaxCustomListEntries = 10000;

QString customLanguagesTocFile();
std::optional<QString> customLanguageFile(const QString& name);
std::optional<QString> languageColorFile(const QString& name);

// The names of toc.ini's "1".."Count", in order; missing keys read as "".
QStringList LoadCustomLanglistFromFile();
// The names that get a "Custom language document" item, in list order: those
// with a definition file, up to the first one equal (ignoring case) to an
// earlier one.
QStringList customLanguageMenuNames(const QStringList& listed);

CustomLanguageDefinition readCustomLanguageDefinition(const QString& name);
// A value loses its surrounding blanks when read, and, as the format has
// it, a pair of matching quotes around it: a sample line that starts or ends
// with blanks (indentation) or is quoted is written inside double quotes.
QString quoteSampleLine(const QString& line);
QString unquoteSampleLine(const QString& value);
// The extension a new document gets from a mask: "*.abc;*.def" gives ".abc".
QString firstFileExtension(const QString& fileExt);

// Java, HTML, Perl, PHP, XML, CSS, TXT, the listed languages, "All files".
QList<FileFilterEntry> UpdateFilesFilter();
// "description|mask|description|mask..."
QString joinFileFilter(const QList<FileFilterEntry>& entries);
// For QFileDialog::setNameFilters: the language's name and, in parentheses,
// the mask's patterns separated by blanks, as the dialog reads them
// ("HTML (*.htm *.html)").
QStringList toNameFilters(const QList<FileFilterEntry>& entries);

// Indexes of the first and the last entry whose description contains the
// text (letter case counts); an empty text is in none.
std::optional<int> firstFilterEntryContaining(const QList<FileFilterEntry>& entries, const QString& text);
std::optional<int> lastFilterEntryContaining(const QList<FileFilterEntry>& entries, const QString& text);
// The text before the description's first "(" less the blank before it.
QString languageNameOfFilterDescription(const QString& description);
// The language of a lower-case extension with its dot (".lsp"), or "".
QString FindLangNameFromFilterString(const QString& extension, const QList<FileFilterEntry>& entries);
QString FindLangNameFromFilterString(const QString& extension);
