// The rules a fuzz target holds the code to. A broken rule is a finding
// like a crash: the target prints which rule broke and aborts, so that
// libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, rule)                                                              \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "rule broken: %s\n  (%s, %s:%d)\n", rule, #condition, __FILE__, \
                         __LINE__);                                                              \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)
