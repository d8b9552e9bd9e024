// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

// Makes path and every missing level above it. Returns "" on success, else
// the first level that could not be made (so the message can name it), and
// in `cause`, when given, why.
QString MakeFolderPath(const QString& path, QString* cause = nullptr);

} // namespace phodex
