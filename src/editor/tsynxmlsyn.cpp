#include "editor/tsynxmlsyn.h"

#include <array>
#include <cstdint>

namespace {

enum : std::uint8_t {
    cBlank = 1,
    cName = 2,      // element, attribute and entity name characters
    cNameStart = 4, // may begin an entity name
    cDigit = 8,
    cHex = 16,
};

constexpr std::array<std::uint8_t, 256> makeClasses()
{
    std::array<std::uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c) {
        std::uint8_t k = 0;
        const bool alpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool digit = c >= '0' && c <= '9';
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v')
            k |= cBlank;
        // Bytes above 127 are Latin-1 letters in an 8-bit document.
        if (alpha || digit || c == '-' || c == '_' || c == ':' || c == '.' || c >= 128)
            k |= cName;
        if (alpha || c == '_' || c == ':' || c >= 128)
            k |= cNameStart;
        if (digit)
            k |= cDigit | cHex;
        if ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))
            k |= cHex;
        t[std::size_t(c)] = k;
    }
    return t;
}

constexpr std::array<std::uint8_t, 256> kClass = makeClasses();

inline bool is(char c, std::uint8_t cls) { return (kClass[std::uint8_t(c)] & cls) != 0; }

// The end of an entity reference starting with the "&" at `at`, or npos:
// "&name", "&#digits" or "&#xhex", each with an optional ";" so that a
// reference being typed is painted already.
std::size_t entityEnd(std::string_view line, std::size_t at)
{
    std::size_t p = at + 1;
    const std::size_t n = line.size();
    if (p < n && is(line[p], cNameStart)) {
        while (p < n && is(line[p], cName))
            ++p;
    } else if (p < n && line[p] == '#') {
        ++p;
        std::uint8_t digits = cDigit;
        if (p < n && (line[p] == 'x' || line[p] == 'X')) {
            ++p;
            digits = cHex;
        }
        const std::size_t first = p;
        while (p < n && is(line[p], digits))
            ++p;
        if (p == first)
            return std::string_view::npos;
    } else {
        return std::string_view::npos;
    }
    if (p < n && line[p] == ';')
        ++p;
    return p;
}

bool isNamespaceName(std::string_view name)
{
    return name == "xmlns" || name.starts_with("xmlns:");
}

// Range layout: state in bits 0-3, the namespace flag in bit 4, the DOCTYPE
// part in bits 5-6 and its bracket depth from bit 8.
constexpr int kStateCount = 10;
constexpr int kNamespaceBit = 1 << 4;
constexpr int kDeclPartShift = 5;
constexpr int kDepthShift = 8;
constexpr int kMaxDepth = 255;

} // namespace

TSynXMLSyn::TSynXMLSyn()
{
    m_attrNameAttri = addAttribute(QStringLiteral("Attribute Name"));
    m_attrNameAttri->assign(Colors::clMaroon, Colors::clNone, 0);
    m_attrValueAttri = addAttribute(QStringLiteral("Attribute Value"));
    m_attrValueAttri->assign(Colors::clNavy, Colors::clNone, fsBold);
    m_cdataAttri = addAttribute(QStringLiteral("CDATA Section"));
    m_cdataAttri->assign(Colors::clOlive, Colors::clNone, fsItalic);
    m_commentAttri = addAttribute(QStringLiteral("Comment"));
    m_commentAttri->assign(Colors::clGray, Colors::clNone, fsItalic);
    m_docTypeAttri = addAttribute(QStringLiteral("DOCTYPE Section"));
    m_docTypeAttri->assign(Colors::clTeal, Colors::clNone, fsItalic);
    m_elementAttri = addAttribute(QStringLiteral("Element Name"));
    m_elementAttri->assign(Colors::clMaroon, Colors::clNone, fsBold);
    m_entityRefAttri = addAttribute(QStringLiteral("Entity Reference"));
    m_entityRefAttri->assign(Colors::clGreen, Colors::clNone, fsBold);
    m_nsAttrNameAttri = addAttribute(QStringLiteral("Namespace Attribute Name"));
    m_nsAttrNameAttri->assign(Colors::clRed, Colors::clNone, 0);
    m_nsAttrValueAttri = addAttribute(QStringLiteral("Namespace Attribute Value"));
    m_nsAttrValueAttri->assign(Colors::clRed, Colors::clNone, fsBold);
    m_processingAttri = addAttribute(QStringLiteral("Processing Instruction"));
    m_processingAttri->assign(Colors::clPurple, Colors::clNone, 0);
    m_symbolAttri = addAttribute(QStringLiteral("Symbol"));
    m_symbolAttri->assign(Colors::clBlue, Colors::clNone, 0);
    m_textAttri = addAttribute(QStringLiteral("Text"));
    m_textAttri->assign(Colors::clBlack, Colors::clNone, 0);
    m_spaceAttri = addAttribute(QStringLiteral("Whitespace"));
}

QString TSynXMLSyn::languageName() const { return QStringLiteral("XML"); }

QString TSynXMLSyn::defaultFilter() const
{
    return QStringLiteral("XML Document (*.xml,*.xsd,*.xsl,*.xslt,*.dtd)|*.xml;*.xsd;*.xsl;*.xslt;*.dtd");
}

QString TSynXMLSyn::sampleSource() const
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                          "<!DOCTYPE catalog [\r\n"
                          "  <!ENTITY pub \"Vornic Press\">\r\n"
                          "]>\r\n"
                          "<!-- Books in stock -->\r\n"
                          "<catalog xmlns:bk=\"urn:books\">\r\n"
                          "  <bk:book id=\"b1\" lang='en'>\r\n"
                          "    <title>Java &amp; HTML</title>\r\n"
                          "    <note><![CDATA[Price < 10]]></note>\r\n"
                          "    <cover/>\r\n"
                          "  </bk:book>\r\n"
                          "</catalog>");
}

TSynHighlighterAttributes* TSynXMLSyn::GetTokenAttribute() const
{
    switch (m_tokenKind) {
    case TokenKind::AttributeName: return m_attrNameAttri;
    case TokenKind::AttributeValue: return m_attrValueAttri;
    case TokenKind::CData: return m_cdataAttri;
    case TokenKind::Comment: return m_commentAttri;
    case TokenKind::DocType: return m_docTypeAttri;
    case TokenKind::ElementName: return m_elementAttri;
    case TokenKind::EntityReference: return m_entityRefAttri;
    case TokenKind::NamespaceAttributeName: return m_nsAttrNameAttri;
    case TokenKind::NamespaceAttributeValue: return m_nsAttrValueAttri;
    case TokenKind::ProcessingInstruction: return m_processingAttri;
    case TokenKind::Symbol:
    case TokenKind::EqualSign: return m_symbolAttri;
    case TokenKind::Text: return m_textAttri;
    case TokenKind::Space: return m_spaceAttri;
    default: return nullptr;
    }
}

int TSynXMLSyn::GetRange() const
{
    // Only the parts that matter in the state are kept, so that equal states
    // give equal ranges and the edit control can stop restyling early.
    int range = int(m_state);
    if (m_state == State::DocType)
        range |= (int(m_declPart) << kDeclPartShift) | (m_declDepth << kDepthShift);
    else if (m_namespaceAttr && (m_state == State::Tag || m_state == State::AfterEquals
                                 || m_state == State::DoubleQuoted || m_state == State::SingleQuoted))
        range |= kNamespaceBit;
    return range;
}

void TSynXMLSyn::SetRange(int range)
{
    const int state = range & 0xF;
    if (range < 0 || state >= kStateCount) {
        ResetRange();
        return;
    }
    m_state = State(state);
    m_namespaceAttr = (range & kNamespaceBit) != 0;
    m_declPart = DeclPart((range >> kDeclPartShift) & 3);
    m_declDepth = (range >> kDepthShift) & kMaxDepth;
}

void TSynXMLSyn::ResetRange()
{
    m_state = State::Text;
    m_namespaceAttr = false;
    m_declPart = DeclPart::Plain;
    m_declDepth = 0;
}

void TSynXMLSyn::scanToken()
{
    switch (m_state) {
    case State::Text: scanText(); break;
    case State::ElementName: scanElementName(); break;
    case State::Tag: scanTag(); break;
    case State::AfterEquals: scanAfterEquals(); break;
    case State::DoubleQuoted: scanQuoted('"'); break;
    case State::SingleQuoted: scanQuoted('\''); break;
    case State::Comment: scanComment(); break;
    case State::CData: scanUntil("]]>", TokenKind::CData); break;
    case State::DocType: scanDocType(); break;
    case State::ProcessingInstruction: scanUntil("?>", TokenKind::ProcessingInstruction); break;
    }
}

void TSynXMLSyn::scanText()
{
    const char c = m_line[m_run];
    if (c == '<') {
        scanLessThan();
        return;
    }
    if (c == '&') {
        const std::size_t end = entityEnd(m_line, m_run);
        if (end != std::string_view::npos) {
            m_run = end;
            m_tokenKind = TokenKind::EntityReference;
            return;
        }
    }
    const std::size_t n = m_line.size();
    if (is(c, cBlank)) {
        // Blanks between words belong to the text; elsewhere (indentation,
        // between tags, before the line end) they are whitespace.
        const std::size_t start = m_run;
        while (m_run < n && is(m_line[m_run], cBlank))
            ++m_run;
        if (start == 0 || m_run == n || m_line[m_run] == '<') {
            m_tokenKind = TokenKind::Space;
            return;
        }
    }
    while (m_run < n) {
        const char d = m_line[m_run];
        if (d == '<' || (d == '&' && entityEnd(m_line, m_run) != std::string_view::npos))
            break;
        ++m_run;
    }
    m_tokenKind = TokenKind::Text;
}

void TSynXMLSyn::scanLessThan()
{
    const std::string_view rest = m_line.substr(m_run);
    m_tokenKind = TokenKind::Symbol;
    if (rest.starts_with("<!--")) {
        m_run += 4;
        m_state = State::Comment;
    } else if (rest.starts_with("<![CDATA[")) {
        m_run += 9;
        m_state = State::CData;
        scanUntil("]]>", TokenKind::CData);
    } else if (rest.starts_with("<!")) {
        // DOCTYPE, and in a DTD the other declarations and conditional
        // sections: all run to the ">" outside brackets.
        m_run += 2;
        m_state = State::DocType;
        m_declPart = DeclPart::Plain;
        m_declDepth = 0;
        scanDocType();
    } else if (rest.starts_with("<?")) {
        m_run += 2;
        m_state = State::ProcessingInstruction;
        scanUntil("?>", TokenKind::ProcessingInstruction);
    } else {
        m_run += rest.starts_with("</") ? 2 : 1;
        m_state = State::ElementName;
        m_namespaceAttr = false;
    }
}

void TSynXMLSyn::scanElementName()
{
    m_state = State::Tag;
    if (is(m_line[m_run], cName)) {
        scanName();
        m_tokenKind = TokenKind::ElementName;
        return;
    }
    scanTag();
}

void TSynXMLSyn::scanTag()
{
    const char c = m_line[m_run];
    if (is(c, cBlank)) {
        scanBlanks();
        return;
    }
    if (c == '"' || c == '\'') {
        scanQuoted(c);
        return;
    }
    if (is(c, cName)) {
        scanName();
        m_namespaceAttr = isNamespaceName(GetToken());
        m_tokenKind = m_namespaceAttr ? TokenKind::NamespaceAttributeName : TokenKind::AttributeName;
        return;
    }
    if (c == '<') { // the tag was left open: a new one starts
        scanLessThan();
        return;
    }
    m_tokenKind = TokenKind::Symbol;
    ++m_run;
    if (c == '>') {
        m_state = State::Text;
    } else if (c == '/' && m_run < m_line.size() && m_line[m_run] == '>') {
        ++m_run;
        m_state = State::Text;
    } else if (c == '=') {
        m_tokenKind = TokenKind::EqualSign;
        m_state = State::AfterEquals;
    }
}

void TSynXMLSyn::scanAfterEquals()
{
    const char c = m_line[m_run];
    if (is(c, cBlank)) {
        scanBlanks();
        return;
    }
    if (c == '"' || c == '\'') {
        scanQuoted(c);
        return;
    }
    m_state = State::Tag;
    if (c == '>' || c == '<' || (c == '/' && m_line.substr(m_run).starts_with("/>"))) {
        scanTag();
        return;
    }
    // Not well-formed, but shown as the value it was meant to be.
    const std::size_t n = m_line.size();
    while (m_run < n) {
        const char d = m_line[m_run];
        if (is(d, cBlank) || d == '>' || d == '<' || (d == '/' && m_line.substr(m_run).starts_with("/>")))
            break;
        ++m_run;
    }
    m_tokenKind = valueKind();
}

void TSynXMLSyn::scanQuoted(char quote)
{
    if (m_state != State::DoubleQuoted && m_state != State::SingleQuoted)
        ++m_run;
    const std::size_t close = m_line.find(quote, m_run);
    if (close == std::string_view::npos) {
        m_run = m_line.size();
        m_state = quote == '"' ? State::DoubleQuoted : State::SingleQuoted;
    } else {
        m_run = close + 1;
        m_state = State::Tag;
    }
    m_tokenKind = valueKind();
}

void TSynXMLSyn::scanComment()
{
    if (m_line.substr(m_run).starts_with("-->")) {
        m_run += 3;
        m_state = State::Text;
        m_tokenKind = TokenKind::Symbol;
        return;
    }
    const std::size_t end = m_line.find("-->", m_run);
    m_run = end == std::string_view::npos ? m_line.size() : end;
    m_tokenKind = TokenKind::Comment;
}

void TSynXMLSyn::scanUntil(std::string_view end, TokenKind kind)
{
    if (skipPast(end))
        m_state = State::Text;
    m_tokenKind = kind;
}

void TSynXMLSyn::scanDocType()
{
    // Quotes and comments in the internal subset may hold brackets and ">".
    const std::size_t n = m_line.size();
    m_tokenKind = TokenKind::DocType;
    while (m_run < n) {
        const char c = m_line[m_run++];
        switch (m_declPart) {
        case DeclPart::Plain:
            if (c == '"')
                m_declPart = DeclPart::DoubleQuoted;
            else if (c == '\'')
                m_declPart = DeclPart::SingleQuoted;
            else if (c == '<' && m_line.substr(m_run).starts_with("!--")) {
                m_declPart = DeclPart::Comment;
                m_run += 3;
            } else if (c == '[')
                m_declDepth = m_declDepth < kMaxDepth ? m_declDepth + 1 : kMaxDepth;
            else if (c == ']' && m_declDepth > 0)
                --m_declDepth;
            else if (c == '>' && m_declDepth == 0) {
                m_state = State::Text;
                return;
            }
            break;
        case DeclPart::DoubleQuoted:
            if (c == '"')
                m_declPart = DeclPart::Plain;
            break;
        case DeclPart::SingleQuoted:
            if (c == '\'')
                m_declPart = DeclPart::Plain;
            break;
        case DeclPart::Comment:
            if (c == '-' && m_line.substr(m_run).starts_with("->")) {
                m_declPart = DeclPart::Plain;
                m_run += 2;
            }
            break;
        }
    }
}

void TSynXMLSyn::scanBlanks()
{
    const std::size_t n = m_line.size();
    while (m_run < n && is(m_line[m_run], cBlank))
        ++m_run;
    m_tokenKind = TokenKind::Space;
}

void TSynXMLSyn::scanName()
{
    const std::size_t n = m_line.size();
    while (m_run < n && is(m_line[m_run], cName))
        ++m_run;
}

TokenKind TSynXMLSyn::valueKind() const
{
    return m_namespaceAttr ? TokenKind::NamespaceAttributeValue : TokenKind::AttributeValue;
}
