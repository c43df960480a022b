#include "workspace/endtags.h"

#include "editor/tsynhtmlsyn.h"
#include "editor/tsynxmlsyn.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <string_view>

namespace EndTags {
namespace {

bool contains(std::string_view text, std::string_view part)
{
    return !part.empty() && text.find(part) != std::string_view::npos;
}

bool isTrimmedEmpty(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// What the walk over the caret line has seen so far. The views point into
// the line's bytes, which outlive the walk.
struct TagState {
    std::string_view tag;
    bool closing = false;
    std::string_view attributeName;
    std::string_view lastToken;
};

// "<" starts a tag, "</" an end tag, ">" ends whatever tag was open.
void applySymbol(TagState& state, std::string_view token)
{
    if (contains(token, "</")) {
        state.closing = true;
    } else if (contains(token, "<")) {
        state.tag = {};
        state.closing = false;
    }
    if (contains(token, ">")) {
        state.tag = {};
        state.closing = false;
    }
}

// Feeds the caret line's tokens to onToken until the running column P (the
// column just after the token read) reaches the caret. Returns false when
// the text ends first: a caret beyond the line's end gets no end tag.
template <class OnToken>
bool walkToCaret(TSynCustomHighlighter& highlighter, const QByteArray& line, int caretColumn, TagState& state,
                 OnToken onToken)
{
    highlighter.SetLine(std::string_view(line.constData(), std::size_t(line.size())), 0);
    qsizetype p = 1;
    for (;;) {
        if (line.size() < p || highlighter.GetEol())
            return false;
        const std::string_view token = highlighter.GetToken();
        p += std::max<qsizetype>(qsizetype(token.size()), 1);
        state.lastToken = token;
        onToken(highlighter.GetTokenKind(), token);
        if (p >= caretColumn)
            return true;
        highlighter.Next();
    }
}

// The conditions HTML and XML share: an open start tag whose last token
// before the caret is neither inside a tag opener nor the "/" of "<x/>".
bool closesOpenStartTag(const TagState& state)
{
    return !isTrimmedEmpty(state.tag) && !contains(state.lastToken, "<") && !state.closing
           && state.lastToken != "/";
}

QString endTagFor(std::string_view tag)
{
    return QStringLiteral("</") + QString::fromUtf8(tag.data(), qsizetype(tag.size())) + QLatin1Char('>');
}

// The caret column (in QString units) as a column of the line's UTF-8
// bytes, which the highlighters read.
int utf8Column(const QString& lineText, int caretColumn)
{
    const qsizetype units = std::max(caretColumn, 1) - 1;
    if (units > lineText.size())
        return int(lineText.toUtf8().size() + (units - lineText.size())) + 1;
    return int(QStringView(lineText).left(units).toUtf8().size()) + 1;
}

} // namespace

bool SingleTag(const QString& tagName)
{
    static constexpr std::array<const char*, 11> parts = {"br",   "hr",    "area", "bgsound", "spacer", "meta",
                                                           "base", "input", "img",  "link",    "wbr"};
    for (const char* part : parts) {
        if (tagName.contains(QLatin1String(part), Qt::CaseSensitive))
            return true;
    }
    return tagName == QLatin1String("frame");
}

std::optional<QString> htmlEndTag(const QString& lineText, int caretColumn)
{
    const QByteArray line = lineText.toUtf8();
    if (line.isEmpty())
        return std::nullopt;
    TSynHTMLSyn highlighter;
    TagState state;
    const bool reached = walkToCaret(highlighter, line, utf8Column(lineText, caretColumn), state, [&state](TokenKind kind, std::string_view token) {
        switch (kind) {
        case TokenKind::Symbol: applySymbol(state, token); break;
        case TokenKind::AttributeName: state.attributeName = token; break;
        case TokenKind::KnownTag: state.tag = contains(token, "/") ? std::string_view() : token; break;
        default: break;
        }
    });
    if (!reached || contains(state.lastToken, state.attributeName) || !closesOpenStartTag(state))
        return std::nullopt;
    // "!DOCTYPE" is a known tag name, but a declaration never has an end tag.
    if (state.tag.front() == '!')
        return std::nullopt;
    const QString tag = QString::fromUtf8(state.tag.data(), qsizetype(state.tag.size()));
    if (SingleTag(tag))
        return std::nullopt;
    return endTagFor(state.tag);
}

std::optional<QString> xmlEndTag(const QString& lineText, int caretColumn)
{
    const QByteArray line = lineText.toUtf8();
    if (line.isEmpty())
        return std::nullopt;
    TSynXMLSyn highlighter;
    TagState state;
    const bool reached = walkToCaret(highlighter, line, utf8Column(lineText, caretColumn), state, [&state](TokenKind kind, std::string_view token) {
        if (kind == TokenKind::Symbol)
            applySymbol(state, token);
        else if (kind == TokenKind::ElementName)
            state.tag = contains(token, "/") ? std::string_view() : token;
    });
    if (!reached || !closesOpenStartTag(state))
        return std::nullopt;
    return endTagFor(state.tag);
}

} // namespace EndTags
