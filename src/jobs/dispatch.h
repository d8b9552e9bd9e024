// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

class ListContext;

// The list dispatch: turns the address into what the site's list operation
// expects and calls it (with its fallbacks); shows the site's message when
// nothing was found; sets SubType, ownerFolder and the text slots as the site
// needs, and raises the start-at-once request when the address named a single
// album or product.
void DispatchList(ListContext& ctx, const QString& address);

} // namespace phodex
