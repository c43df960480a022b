#pragma once

#include <string>

// Synthetic documents for the benchmarks, built in memory and the same on
// every run. Each holds exactly `lines` lines joined by LF (no final break)
// and mixes what real files hold: comments and javadoc spanning lines,
// strings, numbers, operators and nested braces for Java; tags, quoted
// attribute values, text, entities and multi-line comments for HTML.
std::string generateJavaSource(int lines);
std::string generateHtmlSource(int lines);
