// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The addresses the browser windows are asked to open.
namespace phodex {

inline constexpr char kBlankPage[] = "about:blank";

// As the host navigates: an address with "://" and "about:blank" stay as
// they are; a file path (a drive letter and a colon, or a leading "/") gets
// "file://" in front; anything else the web scheme as WithWebScheme gives it.
QString NavigationAddress(const QString& address);

// As the browser login window's "打开" reads its field: trimmed, and given
// the web scheme as WithWebScheme does unless it is "about:blank".
QString TypedBrowserAddress(const QString& text);

// The page address a host reports: "" for "about:blank".
QString ReportedAddress(const QString& address);

} // namespace phodex
