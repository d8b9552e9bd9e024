// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex::cli {

struct CliContext;

// Readies the web layer for a command that goes online: the cookie jar of the
// work folder (and --cookies imported into it), and the process-wide
// --connect-to, --cacert, --insecure and --proxy. False with `error` set to
// one line when an option cannot be used.
bool setUpNetwork(const CliContext& context, QString& error);

} // namespace phodex::cli
