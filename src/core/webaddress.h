// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// The web scheme of addresses that sites and users write without one.
namespace phodex {

// True when address begins with "http://" or "https://", in any letter case
// as schemes are.
bool StartsWithWebScheme(QStringView address);

// What an address is taken for that has neither a web scheme nor "//" in front.
enum class BareAddress {
    Host,     // "host/path": it gets "http://"
    Relative, // a path relative to the page it came from: kept as it is
};

// The address with the plain web scheme where it has none: one that starts
// with a web scheme stays as it is, "//host/..." gets "http:", and a bare
// address is completed as `bare` says.
QString WithWebScheme(const QString& address, BareAddress bare = BareAddress::Host);

} // namespace phodex
