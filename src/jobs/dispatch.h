// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

class ListContext;

// The list dispatch: hands the address to the family dispatch of its
// category that claims it (see SiteDispatch); a category without one has its
// row's list operations tried in turn while nothing was found.
void DispatchList(ListContext& ctx, const QString& address);

} // namespace phodex
