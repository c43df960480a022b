#pragma once

#include "assist/javadocumentindex.h"

#include <random>
#include <string>
#include <vector>

// The oracle of the differential test and of the fuzz target: a document
// held as lines, edited at random, on which every scanner of the program
// (whole-document functions and the incremental index, kept across edits)
// is compared with JavaSourceReference.
namespace JavaSourceDifferential {

class Session {
public:
    explicit Session(unsigned seed) : m_random(seed) {}

    // A document of that many lines made of Java fragments.
    void generate(int lineCount);
    void setLines(std::vector<std::string> lines) { m_lines = std::move(lines); }
    // Replaces, inserts or deletes a line, or changes a byte.
    void editAtRandom();

    // Empty when everything agrees, else what differed. compareAll asks the
    // line queries for every line, compareSome for that many lines.
    std::string compareAll() { return compare(-1); }
    std::string compareSome(int lineQueries) { return compare(lineQueries); }

private:
    std::string compare(int lineQueries);
    std::string randomLine();
    int below(int n) { return n <= 0 ? 0 : int(m_random() % unsigned(n)); }

    std::mt19937 m_random;
    std::vector<std::string> m_lines;
    JavaDocumentIndex m_index;
};

} // namespace JavaSourceDifferential
