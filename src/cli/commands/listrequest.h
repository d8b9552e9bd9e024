// SPDX-License-Identifier: MIT
#pragma once

#include "jobs/listjob.h"

namespace phodex::cli {

struct CliContext;

// The category and sub-type as the window would have them once ADDRESS (the
// command's first argument) was typed; an explicit --site wins over what the
// address selects.
ListJobRequest ListRequestFor(const CliContext& context);

} // namespace phodex::cli
