// SPDX-License-Identifier: MIT
#include "fuzzinput.h"

#include <cstdio>
#include <cstdlib>

namespace phodex::fuzz {

void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace phodex::fuzz
