#include "workspace/documentnames.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace {

// n of "Untitled<n>" or "Untitled<n>.<anything>".
std::optional<int> untitledNumber(QStringView name)
{
    static constexpr QStringView prefix = u"Untitled";
    if (!name.startsWith(prefix, Qt::CaseInsensitive))
        return std::nullopt;
    QStringView rest = name.sliced(prefix.size());
    const qsizetype dot = rest.indexOf(u'.');
    const QStringView digits = dot < 0 ? rest : rest.first(dot);
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const int n = digits.toInt(&ok);
    return ok && n < std::numeric_limits<int>::max() ? std::optional<int>(n) : std::nullopt;
}

} // namespace

bool sameDocumentName(QStringView a, QStringView b)
{
    a = a.trimmed();
    b = b.trimmed();
    return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

int nextUntitledNumber(const QStringList& openNames, int openDocumentCount)
{
    int next = openDocumentCount + 1;
    for (const QString& name : openNames)
        if (const std::optional<int> n = untitledNumber(QStringView(name).trimmed()))
            next = std::max(next, *n + 1);
    return next;
}

QString duplicateNameQuestion()
{
    return QStringLiteral("A document with the same filename is already open. Its not possible to have two "
                          "documents with the same name open at the same time. You can however activate the "
                          "window that contains this document. Do you want to do that now?");
}
