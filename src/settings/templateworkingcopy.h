#pragma once

#include "settings/result.h"

#include <QStringList>

#include <optional>

// The autocompletion templates of completion/auto.cmp as the options dialog
// edits them: the file's lines, kept in memory until OK. A line holding "%"
// names a template (the name is the line without its first character); the
// template's body follows, ended by a line holding "#". A template whose "#"
// is missing ends at the next name line.
class TemplateWorkingCopy {
public:
    explicit TemplateWorkingCopy(QStringList lines = {}, bool fileExists = false);
    // From completion/auto.cmp; a missing file is an empty copy that OK will
    // not save.
    static Result<TemplateWorkingCopy> load();
    static QString file();

    const QStringList& lines() const { return m_lines; }
    bool fileExists() const { return m_fileExists; }
    // GetKeywordList: one name per name line, in file order.
    QStringList names() const;

    // The body being edited: index of its first line in the working copy
    // (-1 when none) and of its last line (-1 when not known).
    int BodyStart = -1;
    int BodyEnd = -1;

    // The body of a template, found by its whole name; sets BodyStart and
    // BodyEnd. Empty when there is no such template.
    QStringList FindElementCode(const QString& name);
    // The code box put back where the body being edited was (when a row is
    // left for another).
    void putBack(const QStringList& code);
    // The template's body becomes `code`.
    void UpdateKewordCode(const QString& name, const QStringList& code);

    enum class NewOutcome { Added, Empty, Exists };
    // Appends "%" + name and "#" unless some line holds the name; the code
    // typed next goes before that "#".
    NewOutcome addTemplate(const QString& name);
    // Removes the name line through its "#" (or up to the next name line).
    void deleteTemplate(const QString& name);

    // The first code line holding "%" or "#": a template line cannot hold
    // either, as the file would read a name or a comment there.
    static std::optional<QString> forbiddenLine(const QStringList& code);
    static QString forbiddenLineMessage(const QString& line);

    // The working copy over auto.cmp in one rewrite; nothing when the file
    // was missing.
    Result<void> save() const;

private:
    struct Range {
        int nameLine = -1;
        int bodyStart = -1;
        int bodyEnd = -1; // last body line; bodyStart - 1 when empty
        int endLine = -1; // the "#" line, -1 when none
    };
    std::optional<Range> find(const QString& name) const;

    QStringList m_lines;
    bool m_fileExists = false;
};
