// SPDX-License-Identifier: MIT
#pragma once

#include "core/sitetable.h"

#include <vector>

namespace phodex {

// Every site family of the program, in the order their dispatches are asked
// to claim an address of a shared category.
std::vector<SiteFamily> SiteFamilies();

// The program's site table: every family's rows, dispatches and operations.
SiteTable MakeSiteTable();

} // namespace phodex
