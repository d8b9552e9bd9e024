// SPDX-License-Identifier: MIT
#pragma once

#include "settings/category.h"

#include <QString>

// Which site category an address belongs to, judged from the domain markers of
// SiteHosts alone. The category box logic built on it is in siteselector.h.
namespace phodex {

// True when the plain or the secure web scheme prefix occurs anywhere in text.
bool hasWebScheme(const QString& text);

// True when marker occurs in text after its first character. A marker at the
// very start does not count: in a web address the scheme always comes first.
bool containsMarker(const QString& text, const QString& marker);

// The category the address's markers select, or Category::None when none does. QQ wins
// unless a NetEase marker is also present; the other categories are tried in
// index order, each with its markers in a fixed order, and the first hit
// decides. Category::Zol is never the answer: ZOL addresses go to Category::Jd.
Category categoryFromMarkers(const QString& address);

// The QQ sub-type an address names: SubType::TencentWeiboAlbums or
// SubType::QqGroupAlbums, or SubType::None when it names neither.
int qqSubTypeFromAddress(const QString& address);

} // namespace phodex
