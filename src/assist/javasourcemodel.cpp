#include "assist/javasourcemodel.h"

#include "assist/documentlines.h"
#include "assist/memberscanner.h"
#include "assist/namepattern.h"
#include "assist/scannertext.h"
#include "editor/tsynjavasyn.h"

#include <string>

using ScannerText::has;
using ScannerText::trimmed;

namespace JavaSourceModel {
namespace {

QStringList decodeAll(const std::vector<std::string>& entries)
{
    QStringList out;
    out.reserve(qsizetype(entries.size()));
    for (const std::string& e : entries)
        out << ScannerText::decode(e);
    return out;
}

// Calls visit(kind, token, lineIndex) for every token of the lines from
// first up to (not including) end, in order, with one lexer carrying its
// state from line to line; stops early when visit returns false.
template <class Visit> void walkTokens(const DocumentLines& lines, int first, int end, Visit visit)
{
    TSynJavaSyn lexer;
    for (int i = std::max(first, 0); i < std::min(end, lines.count()); ++i) {
        for (lexer.SetLine(lines.line(i), i); !lexer.GetEol(); lexer.Next())
            if (!visit(lexer.GetTokenKind(), lexer.GetToken(), i))
                return;
    }
}

} // namespace

QStringList FinnKlasseNavnene(std::string_view document)
{
    const DocumentLines lines(document);
    int depth = 0;
    bool lastKeywordIsClass = false;
    std::vector<std::string> names;
    walkTokens(lines, 0, lines.count(), [&](TokenKind kind, std::string_view token, int) {
        if (kind == TokenKind::Symbol) {
            if (has(token, '{'))
                ++depth;
            else if (has(token, '}'))
                --depth;
        } else if (kind == TokenKind::Keyword) {
            lastKeywordIsClass = has(token, "class");
        } else if (kind == TokenKind::Identifier && depth == 0 && lastKeywordIsClass) {
            names.emplace_back(token);
        }
        return true;
    });
    return decodeAll(names);
}

QStringList FinnAlleDatamedlemmer(std::string_view document, const QString& className, bool includePrivate)
{
    const DocumentLines lines(document);
    const NamePattern name(className);
    MemberScanner scanner(name, includePrivate);
    walkTokens(lines, 0, lines.count(), [&](TokenKind kind, std::string_view token, int) {
        scanner.feed(kind, token);
        return true;
    });
    return decodeAll(scanner.result);
}

QStringList ClipAndFindMultilineDatamembers(std::string_view document, const QString& className)
{
    const DocumentLines lines(document);
    const NamePattern name(className);
    TSynJavaSyn lexer;
    int depth = 0;
    bool insideClass = false;
    bool lastKeywordIsClass = false;
    std::string buffer;
    std::vector<std::string> heads;
    for (int i = 0; i < lines.count(); ++i) {
        buffer.clear();
        std::string_view lastToken;
        // A member's head ends at its first "=", ";" or "{" on the line; the
        // rest of the line is still read for its braces, so that a one-line
        // method ("void go() { }") or an anonymous class leaves the depth
        // right and a comment opened there is seen.
        int stopDepth = -1;
        for (lexer.SetLine(lines.line(i), i); !lexer.GetEol(); lexer.Next()) {
            const std::string_view token = lexer.GetToken();
            const bool collecting = stopDepth < 0;
            const bool memberLevel = collecting && depth == 1 && insideClass;
            if (collecting)
                lastToken = token;
            switch (lexer.GetTokenKind()) {
            case TokenKind::Symbol:
                if (memberLevel && (has(token, '=') || has(token, ';') || has(token, '{')))
                    stopDepth = depth;
                else if (memberLevel)
                    buffer += token;
                if (has(token, '{')) {
                    ++depth;
                } else if (has(token, '}')) {
                    if (--depth == 0)
                        insideClass = false;
                }
                break;
            case TokenKind::Keyword:
                lastKeywordIsClass = has(token, "class");
                if (memberLevel)
                    buffer += token;
                break;
            case TokenKind::Identifier:
                if (memberLevel)
                    buffer += token;
                if (depth == 0 && lastKeywordIsClass)
                    insideClass = name.foundIn(token);
                break;
            case TokenKind::Space:
                if (collecting && depth == 1)
                    buffer += token;
                break;
            default:
                break;
            }
        }
        const int headDepth = stopDepth >= 0 ? stopDepth : depth;
        if (headDepth == 1 && !trimmed(buffer).empty()) {
            if (has(buffer, '(')) {
                if (!has(buffer, " new "))
                    heads.emplace_back(trimmed(buffer));
            } else if ((has(lastToken, ';') || has(lastToken, '=')) && !has(buffer, ')')) {
                heads.emplace_back(trimmed(buffer));
            }
        }
    }
    return decodeAll(heads);
}

QStringList NormalizeMemberEntries(const QStringList& entries)
{
    QStringList out;
    const QString blank = QStringLiteral(" ");
    const QString open = QStringLiteral("(");
    for (const QString& raw : entries) {
        const QString entry = raw.trimmed();
        QString result, word, previous, beforePrevious;
        bool listOpen = false;
        for (QChar c : entry) {
            if (c == QLatin1Char(' ')) {
                result += (previous == open ? QString() : blank) + word;
                beforePrevious = previous;
                previous = word;
                word.clear();
            } else if (c == QLatin1Char('(')) {
                // Modifiers before the return type are dropped.
                result = previous + blank + word + open;
                previous = open;
                word.clear();
                listOpen = true;
            } else if (c == QLatin1Char(')')) {
                result += (previous == open ? QString() : blank) + word + QLatin1Char(')');
                // Only a ")" that closes an open list gives an entry, so that
                // "f())))..." yields one and a long line stays linear.
                if (listOpen)
                    out << result;
                listOpen = false;
            } else {
                word += c;
            }
        }
        if (listOpen)
            out << result;
        if (!entry.contains(QLatin1Char('('))) {
            // A field keeps its last three words.
            if (!beforePrevious.trimmed().isEmpty())
                out << beforePrevious + blank + previous + blank + word;
            else
                out << previous + blank + word;
        }
    }
    return out;
}

int FinnClassStart(std::string_view document, int line)
{
    const DocumentLines lines(document);
    bool classKeywordSeen = false;
    int found = -1;
    walkTokens(lines, 0, line, [&](TokenKind kind, std::string_view token, int index) {
        switch (kind) {
        case TokenKind::Comment:
        case TokenKind::Documentation:
            classKeywordSeen = false;
            break;
        case TokenKind::Keyword:
            classKeywordSeen = has(token, "class");
            break;
        case TokenKind::Identifier:
            if (classKeywordSeen)
                found = index;
            break;
        case TokenKind::Symbol:
            // The body opens: its first fields ("String s;") are no class
            // head, or the class would seem to start below them.
            if (has(token, '{'))
                classKeywordSeen = false;
            break;
        default:
            break;
        }
        return true;
    });
    return found;
}

int FinnScopeSlutt(std::string_view document, int line)
{
    const DocumentLines lines(document);
    int depth = 0;
    int closing = -1;
    walkTokens(lines, line, lines.count(), [&](TokenKind kind, std::string_view token, int index) {
        if (kind != TokenKind::Symbol)
            return true;
        if (has(token, '{')) {
            ++depth;
        } else if (has(token, '}')) {
            if (depth == 1) {
                closing = index;
                return false;
            }
            --depth;
        }
        return true;
    });
    return closing >= 0 ? closing : lines.count() - 1;
}

} // namespace JavaSourceModel
