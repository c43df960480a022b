#pragma once

#include <string>
#include <string_view>

// Synthetic documents for the benchmarks, built in memory and the same on
// every run. Each holds exactly `lines` lines joined by LF (no final break)
// and mixes what real files hold: comments and javadoc spanning lines,
// strings, numbers, operators and nested braces for Java; tags, quoted
// attribute values, text, entities and multi-line comments for HTML.
std::string generateJavaSource(int lines);
// One class spanning all the lines: `header` (its first lines after the class
// line, such as fields) and then methods, cut off where the lines run out,
// so the class is left unfinished.
std::string generateSingleClassJavaSource(int lines, std::string_view className, std::string_view header);
std::string generateHtmlSource(int lines);
