#include "editor/tokenkind.h"

const char* tokenKindName(TokenKind kind)
{
    switch (kind) {
    case TokenKind::Null: return "Null";
    case TokenKind::Space: return "Space";
    case TokenKind::Comment: return "Comment";
    case TokenKind::Documentation: return "Documentation";
    case TokenKind::Identifier: return "Identifier";
    case TokenKind::Keyword: return "Keyword";
    case TokenKind::Number: return "Number";
    case TokenKind::String: return "String";
    case TokenKind::Symbol: return "Symbol";
    case TokenKind::Unknown: return "Unknown";
    case TokenKind::Text: return "Text";
    case TokenKind::KnownTag: return "KnownTag";
    case TokenKind::UnknownTag: return "UnknownTag";
    case TokenKind::AttributeName: return "AttributeName";
    case TokenKind::AttributeValue: return "AttributeValue";
    case TokenKind::Entity: return "Entity";
    case TokenKind::ServerScript: return "ServerScript";
    case TokenKind::ElementName: return "ElementName";
    case TokenKind::EqualSign: return "EqualSign";
    case TokenKind::CData: return "CData";
    case TokenKind::DocType: return "DocType";
    case TokenKind::ProcessingInstruction: return "ProcessingInstruction";
    case TokenKind::EntityReference: return "EntityReference";
    case TokenKind::NamespaceAttributeName: return "NamespaceAttributeName";
    case TokenKind::NamespaceAttributeValue: return "NamespaceAttributeValue";
    case TokenKind::Operator: return "Operator";
    case TokenKind::Pragma: return "Pragma";
    case TokenKind::Variable: return "Variable";
    case TokenKind::Preprocessor: return "Preprocessor";
    }
    return "?";
}
