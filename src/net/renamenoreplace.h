// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

// Renames a file only when nothing exists under the new name; an existing
// file there is never replaced, even by a race with another writer. False
// when the rename did not happen.
bool RenameNoReplace(const QString& from, const QString& to);

} // namespace phodex
