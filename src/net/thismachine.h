// SPDX-License-Identifier: MIT
#pragma once

#include <QUrl>

// Addresses that lead back to the user's own machine, whatever the spelling:
// "localhost" and its subdomains, 127.0.0.0/8 in every notation the resolver
// accepts ("127.1", "0x7f.0.0.1", "2130706433"), ::1, and the unspecified
// addresses that connect to this machine too. A page from a web site has no
// business sending the program to the services listening there. Names that
// the DNS answers with a loopback address are not caught here.
namespace phodex {

bool PointsAtThisMachine(const QUrl& url);

} // namespace phodex
