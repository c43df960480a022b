#include "editor/customlanguagehighlighter.h"

#include "editor/tsyngeneralsyn.h"
#include "settings/customlanguages.h"

// The definition's comment bits are handed over as they are.
static_assert(TSynGeneralSyn::AnsiComment == CustomCommentBits::Ansi);
static_assert(TSynGeneralSyn::PascalComment == CustomCommentBits::Pascal);
static_assert(TSynGeneralSyn::CComment == CustomCommentBits::C);
static_assert(TSynGeneralSyn::AsmComment == CustomCommentBits::Asm);
static_assert(TSynGeneralSyn::BasComment == CustomCommentBits::Bas);

const TSynGeneralSyn::CharSet& customLanguageIdentifierChars()
{
    static const TSynGeneralSyn::CharSet chars = [] {
        TSynGeneralSyn::CharSet set;
        for (int c = '!'; c <= 255; ++c)
            set.set(std::size_t(c));
        return set;
    }();
    return chars;
}

void applyCustomLanguage(const CustomLanguageDefinition& definition, TSynGeneralSyn& highlighter)
{
    highlighter.setKeywords(definition.keywords);
    highlighter.setStringDelimiter(definition.stringDelimiter() == QLatin1Char('"')
                                       ? TSynGeneralSyn::StringDelimiter::DoubleQuote
                                       : TSynGeneralSyn::StringDelimiter::SingleQuote);
    highlighter.setCommentStyles(definition.commentStyles());
    highlighter.setDetectPreprocessor(false);
    highlighter.setIdentifierChars(customLanguageIdentifierChars());
}
