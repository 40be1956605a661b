#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace korvane::fuzz {

// Ends the run with what the target found, so that the fuzzer keeps the input.
[[noreturn]] inline void Fail(std::string_view target, std::string_view what) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(target.size()), target.data(),
                 static_cast<int>(what.size()), what.data());
    std::abort();
}

}  // namespace korvane::fuzz
