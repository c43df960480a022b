#include "assist/javasourcereference.h"

#include "assist/scannertext.h"
#include "editor/tsynjavasyn.h"

#include <QByteArray>

namespace JavaSourceReference {
namespace {

// The rules' "contains": an empty part is never contained.
bool contains(const QString& where, const QString& part)
{
    return !part.isEmpty() && where.contains(part);
}
bool contains(const QString& where, const char* part)
{
    return contains(where, QString::fromLatin1(part));
}

// Trimmed of blanks and control characters.
QString trim(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b).unicode() <= 0x20)
        ++b;
    while (e > b && s.at(e - 1).unicode() <= 0x20)
        --e;
    return s.mid(b, e - b);
}

QStringList programForm(const QStringList& texts)
{
    QStringList out;
    for (const QString& t : texts) {
        const QByteArray bytes = t.toLatin1();
        out << ScannerText::decode(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    }
    return out;
}

struct Token {
    TokenKind kind;
    QString text;
};

// Every line's tokens, from one lexer fed the lines in order.
std::vector<std::vector<Token>> tokenize(const Lines& lines, int first = 0)
{
    std::vector<std::vector<Token>> out(lines.size());
    TSynJavaSyn lexer;
    for (int i = first; i < int(lines.size()); ++i)
        for (lexer.SetLine(lines[std::size_t(i)], i); !lexer.GetEol(); lexer.Next())
            out[std::size_t(i)].push_back({lexer.GetTokenKind(), lexer.GetTokenText()});
    return out;
}

bool isPrimitive(const QString& keyword)
{
    for (const char* t : {"boolean", "byte", "char", "short", "int", "long", "float", "double"})
        if (keyword == QLatin1String(t))
            return true;
    return false;
}

} // namespace

QStringList FinnKlasseNavnene(const Lines& lines)
{
    QStringList result;
    int depth = 0;
    QString lastKeyword;
    for (const auto& line : tokenize(lines))
        for (const Token& t : line) {
            if (t.kind == TokenKind::Symbol) {
                if (contains(t.text, "{"))
                    depth++;
                else if (contains(t.text, "}"))
                    depth--;
            } else if (t.kind == TokenKind::Keyword) {
                lastKeyword = t.text;
            } else if (t.kind == TokenKind::Identifier) {
                if (depth == 0 && contains(lastKeyword, "class"))
                    result << t.text;
            }
        }
    return programForm(result);
}

QStringList FinnAlleDatamedlemmer(const Lines& lines, const QString& className, bool includePrivate)
{
    QStringList result;
    int depth = 0;
    bool insideClass = false, inParentheses = false, skipping = false;
    QString lastKeyword, buffer, pendingType, lastIdentifier, identifierBefore;
    // For "int a, b": the word before the last identifier, when it is a
    // primitive type keyword.
    QString previousWord, previousWordKind, typeKeywordOfLast;

    auto memberLevel = [&] { return depth == 1 && insideClass; };
    auto acceptBuffer = [&] {
        if ((!contains(buffer, "private") || includePrivate) && !contains(buffer, " main(") &&
            !contains(buffer, QStringLiteral(" ") + className + QStringLiteral("(")))
            result << trim(buffer);
    };

    for (const auto& line : tokenize(lines))
        for (const Token& t : line) {
            switch (t.kind) {
            case TokenKind::Symbol:
                if (memberLevel()) {
                    if (contains(t.text, "("))
                        inParentheses = true;
                    else if (contains(t.text, ")"))
                        inParentheses = false;
                    if (contains(t.text, ",") && pendingType.isEmpty() && !inParentheses) {
                        const QString type = typeKeywordOfLast.isEmpty() ? identifierBefore : typeKeywordOfLast;
                        result << trim(type + QStringLiteral(" ") + lastIdentifier);
                        buffer.clear();
                        pendingType = type;
                    }
                    if (contains(t.text, "=") || contains(t.text, ")") || contains(t.text, ";"))
                        pendingType.clear();
                    if (contains(t.text, "=") || contains(t.text, ";") || contains(t.text, "{")) {
                        if (contains(t.text, "="))
                            skipping = true;
                        if (contains(t.text, "{"))
                            skipping = false;
                        if (skipping && contains(t.text, ";")) {
                            skipping = false;
                            buffer.clear();
                        }
                        if (!trim(buffer).isEmpty()) {
                            acceptBuffer();
                            buffer.clear();
                        }
                    } else if (!skipping) {
                        buffer += t.text;
                    }
                }
                if (contains(t.text, "{"))
                    depth++;
                else if (contains(t.text, "}"))
                    depth--;
                previousWord = t.text;
                previousWordKind = QStringLiteral("symbol");
                break;
            case TokenKind::Keyword:
                lastKeyword = t.text;
                if (insideClass && contains(t.text, "throws")) {
                    skipping = true;
                    if ((!contains(buffer, "private") || includePrivate) && depth == 1 &&
                        !contains(buffer, className + QStringLiteral("(")))
                        result << trim(buffer);
                    buffer.clear();
                }
                if (memberLevel() && !skipping)
                    buffer += t.text;
                previousWord = t.text;
                previousWordKind = QStringLiteral("keyword");
                break;
            case TokenKind::Identifier:
                if (memberLevel() && !skipping)
                    buffer += t.text;
                if (depth == 0 && contains(lastKeyword, "class"))
                    insideClass = contains(t.text, className);
                if (insideClass && !inParentheses && !skipping && !trim(pendingType).isEmpty()) {
                    result << trim(pendingType + QStringLiteral(" ") + t.text);
                    buffer.clear();
                }
                identifierBefore = lastIdentifier;
                lastIdentifier = t.text;
                typeKeywordOfLast = previousWordKind == QLatin1String("keyword") && isPrimitive(previousWord)
                                        ? previousWord
                                        : QString();
                previousWord = t.text;
                previousWordKind = QStringLiteral("identifier");
                break;
            case TokenKind::Space:
                if (memberLevel() && !skipping)
                    buffer += QStringLiteral(" ");
                break;
            case TokenKind::Comment:
            case TokenKind::Documentation:
                break;
            default:
                previousWord = t.text;
                previousWordKind = QStringLiteral("other");
                break;
            }
        }
    return programForm(result);
}

QStringList ClipAndFindMultilineDatamembers(const Lines& lines, const QString& className)
{
    QStringList result;
    int depth = 0;
    bool insideClass = false;
    QString lastKeyword;
    TSynJavaSyn lexer;
    for (int i = 0; i < int(lines.size()); ++i) {
        QString buffer, lastToken;
        bool headEnded = false;
        int depthAtEnd = 0;
        // The head ends at a member's "=", ";" or "{"; after it the line is
        // only read for braces and class names.
        for (lexer.SetLine(lines[std::size_t(i)], i); !lexer.GetEol(); lexer.Next()) {
            const QString token = lexer.GetTokenText();
            const TokenKind kind = lexer.GetTokenKind();
            if (!headEnded) {
                lastToken = token;
                const bool memberLevel = depth == 1 && insideClass;
                if (kind == TokenKind::Symbol && memberLevel &&
                    (contains(token, "=") || contains(token, ";") || contains(token, "{"))) {
                    headEnded = true;
                    depthAtEnd = depth;
                } else if (memberLevel &&
                           (kind == TokenKind::Symbol || kind == TokenKind::Keyword || kind == TokenKind::Identifier)) {
                    buffer += token;
                } else if (kind == TokenKind::Space && depth == 1) {
                    buffer += token;
                }
            }
            if (kind == TokenKind::Symbol) {
                if (contains(token, "{")) {
                    depth++;
                } else if (contains(token, "}")) {
                    depth--;
                    if (depth == 0)
                        insideClass = false;
                }
            } else if (kind == TokenKind::Keyword) {
                lastKeyword = token;
            } else if (kind == TokenKind::Identifier) {
                if (depth == 0 && contains(lastKeyword, "class"))
                    insideClass = contains(token, className);
            }
        }
        if (!headEnded)
            depthAtEnd = depth;
        if (depthAtEnd == 1 && !trim(buffer).isEmpty()) {
            if (contains(buffer, "(")) {
                if (!contains(buffer, " new "))
                    result << trim(buffer);
            } else if ((contains(lastToken, ";") || contains(lastToken, "=")) && !contains(buffer, ")")) {
                result << trim(buffer);
            }
        }
    }
    return programForm(result);
}

int FinnClassStart(const Lines& lines, int n)
{
    int result = -1;
    bool classKeywordSeen = false;
    TSynJavaSyn lexer;
    for (int i = 0; i < n && i < int(lines.size()); ++i)
        for (lexer.SetLine(lines[std::size_t(i)], i); !lexer.GetEol(); lexer.Next()) {
            const TokenKind kind = lexer.GetTokenKind();
            if (kind == TokenKind::Comment || kind == TokenKind::Documentation)
                classKeywordSeen = false;
            else if (kind == TokenKind::Keyword)
                classKeywordSeen = contains(lexer.GetTokenText(), "class");
            else if (kind == TokenKind::Identifier && classKeywordSeen)
                result = i;
            else if (kind == TokenKind::Symbol && contains(lexer.GetTokenText(), "{"))
                classKeywordSeen = false; // the class head ends where its body opens
        }
    return result;
}

int FinnScopeSlutt(const Lines& lines, int s)
{
    int depth = 0;
    TSynJavaSyn lexer;
    for (int i = std::max(s, 0); i < int(lines.size()); ++i)
        for (lexer.SetLine(lines[std::size_t(i)], i); !lexer.GetEol(); lexer.Next()) {
            if (lexer.GetTokenKind() != TokenKind::Symbol)
                continue;
            const QString token = lexer.GetTokenText();
            if (contains(token, "{")) {
                depth++;
            } else if (contains(token, "}")) {
                if (depth == 1)
                    return i;
                depth--;
            }
        }
    return int(lines.size()) - 1;
}

} // namespace JavaSourceReference
