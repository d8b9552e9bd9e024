// SPDX-License-Identifier: MIT
#pragma once

#include "settings/category.h"

#include <QString>

namespace phodex::test {

// The command line's option selecting a category, as a user types it.
inline QString SiteOption(Category category) {
    return QStringLiteral("--site=%1").arg(categoryIndex(category));
}

} // namespace phodex::test
