#include "assist/javadocumentindex.h"

#include "assist/documentlines.h"
#include "assist/memberscanner.h"
#include "assist/namepattern.h"
#include "assist/scannertext.h"
#include "editor/tsynjavasyn.h"

#include <QHashFunctions>

#include <algorithm>

using ScannerText::has;

namespace {

enum LineFlag : std::uint8_t {
    kLastKeywordIsClass = 1, // the class-name scan's state at the line's end
    kClassKeywordSeen = 2,   // FinnClassStart's state at the line's end
    kDeclaresClass = 4,      // FinnClassStart records this line
};

std::uint64_t hashOf(std::string_view line)
{
    return std::uint64_t(qHashBits(line.data(), line.size(), line.size()));
}

} // namespace

void JavaDocumentIndex::update(const DocumentLines& lines)
{
    const int count = lines.count();
    const int known = std::min(int(m_lines.size()), count);
    int first = 0;
    while (first < known && m_lines[std::size_t(first)].hash == hashOf(lines.line(first)))
        ++first;
    if (first == int(m_lines.size()) && first == count)
        return;
    m_lines.resize(std::size_t(first));
    std::erase_if(m_events, [first](const ClassEvent& e) { return e.line >= first; });
    readFrom(lines, first);
}

void JavaDocumentIndex::readFrom(const DocumentLines& lines, int first)
{
    TSynJavaSyn lexer;
    int depth = 0;
    std::uint8_t flags = 0;
    if (first > 0) {
        const LineSummary& before = m_lines[std::size_t(first - 1)];
        lexer.SetRange(before.range);
        depth = before.depth;
        flags = before.flags & (kLastKeywordIsClass | kClassKeywordSeen);
    }
    m_lines.reserve(std::size_t(lines.count()));
    for (int i = first; i < lines.count(); ++i) {
        const std::string_view line = lines.line(i);
        flags &= ~kDeclaresClass;
        for (lexer.SetLine(line, i); !lexer.GetEol(); lexer.Next()) {
            const std::string_view token = lexer.GetToken();
            switch (lexer.GetTokenKind()) {
            case TokenKind::Symbol:
                if (has(token, '{')) {
                    ++depth;
                    flags &= ~kClassKeywordSeen;
                } else if (has(token, '}')) {
                    --depth;
                }
                break;
            case TokenKind::Keyword:
                flags &= ~(kLastKeywordIsClass | kClassKeywordSeen);
                if (has(token, "class"))
                    flags |= kLastKeywordIsClass | kClassKeywordSeen;
                break;
            case TokenKind::Comment:
            case TokenKind::Documentation:
                flags &= ~kClassKeywordSeen;
                break;
            case TokenKind::Identifier:
                if (depth == 0 && (flags & kLastKeywordIsClass))
                    m_events.push_back({i, lexer.GetTokenPos(), std::string(token)});
                if (flags & kClassKeywordSeen)
                    flags |= kDeclaresClass;
                break;
            default:
                break;
            }
        }
        m_lines.push_back({hashOf(line), depth, std::uint8_t(lexer.GetRange()), flags});
    }
}

int JavaDocumentIndex::classStart(int line) const
{
    for (int i = std::min(line, int(m_lines.size())) - 1; i >= 0; --i)
        if (m_lines[std::size_t(i)].flags & kDeclaresClass)
            return i;
    return -1;
}

QStringList JavaDocumentIndex::classNames() const
{
    QStringList names;
    names.reserve(qsizetype(m_events.size()));
    for (const ClassEvent& e : m_events)
        names << ScannerText::decode(e.name);
    return names;
}

int JavaDocumentIndex::rangeBefore(int line) const
{
    if (line <= 0 || m_lines.empty())
        return 0;
    return m_lines[std::size_t(std::min(line, int(m_lines.size())) - 1)].range;
}

std::string JavaDocumentIndex::identifierBefore(const DocumentLines& lines, int line, int column) const
{
    TSynJavaSyn lexer;
    for (int i = line; i >= 0; --i) {
        std::string_view last;
        lexer.SetRange(rangeBefore(i));
        for (lexer.SetLine(lines.line(i), i); !lexer.GetEol(); lexer.Next()) {
            if (i == line && lexer.GetTokenPos() >= column)
                break;
            if (lexer.GetTokenKind() == TokenKind::Identifier)
                last = lexer.GetToken();
        }
        if (!last.empty())
            return std::string(last);
    }
    return {};
}

QStringList JavaDocumentIndex::members(const DocumentLines& lines, const QString& className, bool includePrivate) const
{
    const NamePattern name(className);
    MemberScanner scanner(name, includePrivate);
    TSynJavaSyn lexer;
    std::size_t e = 0;
    while (e < m_events.size()) {
        const ClassEvent& start = m_events[e];
        if (!name.foundIn(start.name)) {
            ++e;
            continue;
        }
        // Resume the scan at this declaration with the state a scan from the
        // first line has there; outside the wanted classes only the depth,
        // the last keyword and the last identifiers change, and those are
        // known here.
        scanner.lastIdentifier = identifierBefore(lines, start.line, start.column);
        scanner.depth = 0;
        scanner.lastKeywordIsClass = true;
        scanner.previousWordKeyword = {};
        bool inside = true;
        int line = start.line, column = start.column;
        lexer.SetRange(rangeBefore(line));
        for (; inside && line < lines.count(); ++line) {
            lexer.SetLine(lines.line(line), line);
            for (; !lexer.GetEol(); lexer.Next()) {
                if (lexer.GetTokenPos() < column)
                    continue;
                scanner.feed(lexer.GetTokenKind(), lexer.GetToken());
                if (!scanner.insideClass) {
                    // Another class begins; skip to the next declaration.
                    column = lexer.GetTokenPos();
                    inside = false;
                    break;
                }
            }
            if (inside)
                column = 0;
        }
        if (inside)
            break; // the wanted class runs to the end of the document
        --line;
        while (e < m_events.size() &&
               (m_events[e].line < line || (m_events[e].line == line && m_events[e].column <= column)))
            ++e;
    }
    QStringList out;
    out.reserve(qsizetype(scanner.result.size()));
    for (const std::string& entry : scanner.result)
        out << ScannerText::decode(entry);
    return out;
}
