// SPDX-License-Identifier: MIT
#pragma once

#include "support/childprogram.h"

#include <QString>
#include <QStringList>

namespace phodex::test {

using CliRun = ProgramRun;

// phodex-cli as a user runs it with its headless browser: its work folder,
// the test CA, and every host sent to the browser tests' fake site.
CliRun RunCli(const QString& workDir, const QStringList& arguments);

} // namespace phodex::test
