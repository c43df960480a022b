#pragma once

#include <cstdio>

// Stops the fuzzer on a broken invariant, naming it: a trap is what
// libFuzzer keeps as a crash with its input.
inline void check(bool ok, const char* what)
{
    if (ok)
        return;
    std::fprintf(stderr, "invariant violated: %s\n", what);
    __builtin_trap();
}
