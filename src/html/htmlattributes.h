#pragma once

#include "settings/result.h"

#include <QString>
#include <QStringList>

#include <vector>

// The attribute lists of the HTML attribute popup, from the program's file
// completion/htmlattributes.txt. One rule per line, tested in file order:
// patterns, a colon, entries separated by blanks; "#" starts a comment
// line. A pattern matches when "<" + the tag name contains it; a pattern
// ending in "$" must be the whole of it ("<a$" is the a tag only).
class HtmlAttributeTable {
public:
    struct Rule {
        QStringList patterns;
        QStringList entries;
    };

    static QString defaultPath(); // completion/htmlattributes.txt in the program folder
    // An error names the path, the line and what is wrong with it.
    static Result<HtmlAttributeTable> read(const QString& path);
    static Result<HtmlAttributeTable> parse(const QString& text, const QString& path);

    const std::vector<Rule>& rules() const { return m_rules; }
    // The entries of the first rule that matches the tag name, sorted as the
    // popup shows them; empty when no rule does.
    QStringList entriesFor(const QString& tagName) const;

private:
    std::vector<Rule> m_rules;
};

// The popup's order: letter case ignored, ties by code point.
void sortAttributeEntries(QStringList& entries);

// The attribute as written at the caret, and how many columns the caret
// then moves back (1 puts it between the quotes of a new ="" value).
struct AttributeInsertion {
    QString text;
    int caretBack = 0;
};
AttributeInsertion attributeInsertion(const QString& chosen);
