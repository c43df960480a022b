#pragma once

// Every kind of token the highlighters produce. One enum for all languages,
// so callers that walk token streams test kinds without knowing which
// highlighter they hold; each highlighter uses the subset it documents.
enum class TokenKind {
    Null,            // past the end of the line
    Space,           // a run of blanks or tabs
    Comment,
    Documentation,   // Java /** ... */
    Identifier,
    Keyword,         // reserved word
    Number,
    String,
    Symbol,
    Unknown,         // a byte the language has no use for ("Invalid symbol", "Illegal char")
    // HTML
    Text,
    KnownTag,        // tag name of a known tag, with a leading "/" in an end tag
    UnknownTag,      // tag name the highlighter does not know
    AttributeName,
    AttributeValue,
    Entity,          // &amp; and friends
    ServerScript,    // <% ... %>
    // XML
    ElementName,
    EqualSign,
    CData,
    DocType,
    ProcessingInstruction,
    EntityReference,
    NamespaceAttributeName,
    NamespaceAttributeValue,
    // Perl and PHP
    Operator,
    Pragma,
    Variable,
    // configurable
    Preprocessor,
};

// The enumerator's name, for test output and diagnostics.
const char* tokenKindName(TokenKind kind);
