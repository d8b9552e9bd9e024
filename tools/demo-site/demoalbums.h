// SPDX-License-Identifier: MIT
#pragma once

#include "support/fakesite.h"

#include <QString>

#include <string>

// A QQ Zone space with a few albums, answered in the services' own shapes.
namespace phodex::demo {

inline constexpr char kDemoOwner[] = "12345";

// Serves the space of kDemoOwner: the route, the album list, each album's
// photo list, the owner's posts and the pictures, read from pictureDir.
void ServeDemoQzone(test::FakeSite& site, const QString& pictureDir);

} // namespace phodex::demo
