#pragma once

#include "editor/tsyngeneralsyn.h"

struct CustomLanguageDefinition;

// Fills a configurable highlighter from a custom language's definition: its
// keywords, comment set and string quote, with preprocessor detection off and
// every character from "!" to code 255 counted into words, as the editor
// windows and the options dialog's preview highlight custom languages. The
// sample text is the caller's to place.
void applyCustomLanguage(const CustomLanguageDefinition& definition, TSynGeneralSyn& highlighter);

// Every character from "!" to code 255: what custom languages count into words.
const TSynGeneralSyn::CharSet& customLanguageIdentifierChars();
