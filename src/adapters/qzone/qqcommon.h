// SPDX-License-Identifier: MIT
#pragma once

#include "adapters/common/adapterkit.h"

#include <QString>

// The addresses every QQ-family adapter is written with.
namespace phodex {

// A space's home page: the user-space host, "/" and the QQ number.
QString QzoneUserHome(const QString& qq);
// A service reached through the mobile proxy: "/proxy/domain/" + host + path.
QString QzoneProxyAddress(const QString& host, const QString& path);

} // namespace phodex
