// SPDX-License-Identifier: MIT
#pragma once

#include "net/netconfig.h"

#include <QTemporaryFile>
#include <memory>

// What the engine reads from the process-wide configuration per request.
namespace phodex {

struct AppliedNetConfig {
    NetConfig config;
    // The file of authorities to trust besides the system's; empty: none. With
    // a system certificate folder it is the extra file itself (the folder is
    // read lazily, certificate by certificate); without one, a private copy of
    // the system bundle with the extra authorities appended. A bundle is
    // parsed again for every new connection, which costs a lot more than the
    // handshake itself.
    QString caFile;
    std::shared_ptr<QTemporaryFile> caBundleCopy;
};

std::shared_ptr<const AppliedNetConfig> appliedNetConfig();
void addNewConnections(long count);

} // namespace phodex
