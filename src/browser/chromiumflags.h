// SPDX-License-Identifier: MIT
#pragma once

#include "net/netconfig.h"

#include <QString>
#include <QStringList>

// The embedded browser takes the request engine's routes and proxy as
// Chromium switches, so pages go where the engine's requests go.
namespace phodex {

// Chromium's host mapping for one connect-to rule "HOST:PORT:HOST2:PORT2":
// "MAP HOST:PORT HOST2:PORT2", where an empty HOST matches every host and an
// empty port any port. "" when the rule names no target host, which a
// mapping cannot express.
QString HostResolverRule(const QString& connectTo);

// The switches for the engine's settings: host mapping, proxy.
QStringList ChromiumSwitchesFor(const NetConfig& config);

// `existing` (a QTWEBENGINE_CHROMIUM_FLAGS value) followed by the switches,
// each switch with a blank in it in double quotes.
QString AppendChromiumFlags(const QString& existing, const QStringList& switches);

} // namespace phodex
