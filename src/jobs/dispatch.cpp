// SPDX-License-Identifier: MIT
#include "jobs/dispatch.h"

#include "core/catalogue.h"
#include "core/jobcontext.h"
#include "core/sitetable.h"
#include "jobs/dispatchrows.h"
#include "jobs/dispatchsteps.h"

#include <array>

namespace phodex {

namespace {

using Row = void (*)(ListContext&, QString);

constexpr std::array<Row, kCategoryCount> kRows = {
    dispatch::DispatchQq,
    dispatch::DispatchBaidu,
    dispatch::DispatchNetease,
    dispatch::DispatchRenren,
    dispatch::DispatchSina,
    dispatch::DispatchInstagram,
    dispatch::DispatchPoco,
    dispatch::DispatchYupoo,
    dispatch::DispatchHome51,
    dispatch::DispatchZol,
    dispatch::DispatchPchomeDouban,
    dispatch::DispatchShops,
    dispatch::DispatchMoko,
    dispatch::DispatchBabytree,
    dispatch::DispatchPconline,
    dispatch::DispatchHupu,
    dispatch::DispatchJd,
    dispatch::DispatchWsxc,
    dispatch::DispatchHuabanDuitang,
    dispatch::DispatchLofter,
    dispatch::DispatchTopit,
};

// A category the site table adds beyond the built-in ones gets the address as
// typed, and its list operations are tried in turn while nothing was found.
void DispatchAddedCategory(ListContext& ctx, const QString& address) {
    const SiteRow* row = ctx.env.sites.rowFor(ctx.listType(), ctx.session().subType.load());
    if (!row)
        return;
    for (ListOp op : row->listOps) {
        if (!dispatch::NoAlbums(ctx) || ctx.stopRequested())
            break;
        dispatch::CallList(ctx, op, address);
    }
}

} // namespace

void DispatchList(ListContext& ctx, const QString& address) {
    const int listType = ctx.listType();
    if (isValidListType(listType))
        kRows[size_t(listType)](ctx, address);
    else
        DispatchAddedCategory(ctx, address);
}

} // namespace phodex
