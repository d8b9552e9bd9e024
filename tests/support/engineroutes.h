// SPDX-License-Identifier: MIT
#pragma once

#include "net/netconfig.h"
#include "support/fakesite.h"
#include "support/testtls.h"

#include <gtest/gtest.h>

namespace phodex::test {

// Sends every request of the engine to the fake site, trusting the test CA and
// no proxy of the machine's.
inline void RouteEngineTo(const FakeSite& site) {
    NetConfig config;
    config.connectTo = site.connectToRules();
    config.caFile = testCaFile();
    config.proxy = QString();
    QString error;
    ASSERT_TRUE(setNetConfig(config, &error)) << error.toStdString();
}

} // namespace phodex::test
