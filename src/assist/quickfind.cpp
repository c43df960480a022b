#include "assist/quickfind.h"

#include "assist/documentlines.h"
#include "assist/namepattern.h"

namespace QuickFind {

int memberLine(std::string_view document, const QString& className, const QString& member)
{
    const DocumentLines lines(document);
    const NamePattern name(className);
    const NamePattern text(member);
    bool classFound = false;
    for (int i = 0; i < lines.count(); ++i) {
        const std::string_view line = lines.line(i);
        if (!classFound)
            classFound = line.find("class") != std::string_view::npos && name.foundIn(line);
        if (classFound && text.foundIn(line))
            return i;
    }
    return -1;
}

} // namespace QuickFind
