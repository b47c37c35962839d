#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property stops the fuzzer as a crash would, naming the property; libFuzzer keeps the
// input that broke it.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

inline void require(bool ok, const char* what) {
    if (!ok)
        fail(what);
}
