// SPDX-License-Identifier: MIT
#pragma once

namespace phodex::cli {

// What scripts calling the program can rely on.
enum ExitCode : int {
    kExitOk = 0,
    kExitUsage = 1,   // a bad option or argument, or the work folder could not be set up
    kExitNothing = 2, // nothing found or nothing downloaded
    kExitPartly = 3,  // stopped, or part of the work failed
};

} // namespace phodex::cli
