// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

// What `--version` prints for either program: "<program> <version>" on the
// first line, for scripts, then the libraries it runs with, for bug reports.
QString VersionText(const QString& program);

} // namespace phodex
