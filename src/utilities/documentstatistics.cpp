#include "utilities/documentstatistics.h"

#include "editor/tokenwalker.h"
#include "editor/tsyngeneralsyn.h"
#include "editor/tsynhtmlsyn.h"
#include "editor/tsynjavasyn.h"

#include <memory>

namespace {

bool hasMoreThanBlanks(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() > ' ')
            return true;
    return false;
}

std::unique_ptr<TSynCustomHighlighter> highlighterFor(StatisticsKind kind)
{
    switch (kind) {
    case StatisticsKind::Java: return std::make_unique<TSynJavaSyn>();
    case StatisticsKind::Html: return std::make_unique<TSynHTMLSyn>();
    case StatisticsKind::General: break;
    }
    return std::make_unique<TSynGeneralSyn>();
}

void countToken(DocumentStatistics& s, StatisticsKind kind, TokenKind token, QStringView text)
{
    if (kind == StatisticsKind::Java) {
        switch (token) {
        case TokenKind::Identifier: ++s.identifiers; break;
        case TokenKind::Keyword: ++s.keywords; break;
        case TokenKind::Number: ++s.numbers; break;
        case TokenKind::String: ++s.strings; break;
        case TokenKind::Comment:
            // A block comment counts on its first line only.
            if (text.contains(QLatin1String("/*")) || text.contains(QLatin1String("//")))
                ++s.comments;
            break;
        default: break;
        }
    } else if (kind == StatisticsKind::Html) {
        switch (token) {
        case TokenKind::Comment:
            if (text.contains(QLatin1String("<!--")))
                ++s.comments;
            break;
        case TokenKind::UnknownTag: ++s.undefinedTags; break;
        case TokenKind::Entity: ++s.ampersands; break;
        case TokenKind::KnownTag:
            if (!text.contains(QLatin1Char('/')))
                ++s.tags;
            break;
        case TokenKind::AttributeName: ++s.tagParameters; break;
        default: break;
        }
    }
}

} // namespace

StatisticsKind statisticsKindOf(const QString& caption)
{
    const qsizetype dot = caption.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : caption.mid(dot).toLower();
    if (extension.contains(QLatin1String(".java")))
        return StatisticsKind::Java;
    if (extension.contains(QLatin1String(".htm")))
        return StatisticsKind::Html;
    return StatisticsKind::General;
}

DocumentStatistics countStatistics(const QStringList& lines, StatisticsKind kind)
{
    DocumentStatistics s;
    s.lines = int(lines.size());
    const std::unique_ptr<TSynCustomHighlighter> highlighter = highlighterFor(kind);
    TokenWalker walker(*highlighter);
    for (int i = 0; i < lines.size(); ++i) {
        for (walker.setLine(lines[i], i); !walker.eol(); walker.next()) {
            const QStringView text = walker.text();
            if (hasMoreThanBlanks(text))
                ++s.words;
            s.letters += walker.length();
            countToken(s, kind, walker.kind(), text);
        }
    }
    return s;
}
