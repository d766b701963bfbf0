#pragma once

// What a fuzz target asserts: a broken promise stops the fuzzer at once, in
// every build, with the input that broke it.

namespace trevalo::fuzz {

inline void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

}  // namespace trevalo::fuzz
