// SPDX-License-Identifier: MIT
#pragma once

#include "net/netconfig.h"

#include <QByteArray>
#include <memory>

// What the engine reads from the process-wide configuration per request.
namespace phodex {

struct AppliedNetConfig {
    NetConfig config;
    QByteArray caBundle; // system authorities followed by the extra ones; empty: system only
};

std::shared_ptr<const AppliedNetConfig> appliedNetConfig();
void addNewConnections(long count);

} // namespace phodex
