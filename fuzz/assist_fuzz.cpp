// Fuzzes the Java source scanners against their plain reference
// (tests/assist/javasourcereference): the first byte seeds the random edit,
// the rest is the document, split into lines as the program splits them.
// Every scanner of the program (the whole-document functions and the
// incremental index) must give the reference's answers, before and after one
// random edit that the index has to follow. A difference prints what broke
// and traps.
#include "assist/documentlines.h"
#include "assist/javasourcedifferential.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

void check(const std::string& failure)
{
    if (failure.empty())
        return;
    std::fprintf(stderr, "invariant violated: %s\n", failure.c_str());
    __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const DocumentLines lines(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    std::vector<std::string> text;
    text.reserve(std::size_t(lines.count()));
    for (int i = 0; i < lines.count(); ++i)
        text.emplace_back(lines.line(i));
    JavaSourceDifferential::Session session(data[0]);
    session.setLines(std::move(text));
    check(session.compareSome(6));
    session.editAtRandom();
    check(session.compareSome(6));
    return 0;
}
