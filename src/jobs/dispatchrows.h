// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {
class ListContext;
}

// One function per category of the list dispatch; each gets its own copy of
// the address to cut down.
namespace phodex::dispatch {

void DispatchQq(ListContext& ctx, QString address);
void DispatchBaidu(ListContext& ctx, QString address);
void DispatchNetease(ListContext& ctx, QString address);
void DispatchRenren(ListContext& ctx, QString address);
void DispatchSina(ListContext& ctx, QString address);
void DispatchInstagram(ListContext& ctx, QString address);
void DispatchPoco(ListContext& ctx, QString address);
void DispatchYupoo(ListContext& ctx, QString address);
void DispatchHome51(ListContext& ctx, QString address);
void DispatchZol(ListContext& ctx, QString address);
void DispatchPchomeDouban(ListContext& ctx, QString address);
void DispatchShops(ListContext& ctx, QString address);
void DispatchMoko(ListContext& ctx, QString address);
void DispatchBabytree(ListContext& ctx, QString address);
void DispatchPconline(ListContext& ctx, QString address);
void DispatchHupu(ListContext& ctx, QString address);
void DispatchJd(ListContext& ctx, QString address);
void DispatchWsxc(ListContext& ctx, QString address);
void DispatchHuabanDuitang(ListContext& ctx, QString address);
void DispatchLofter(ListContext& ctx, QString address);
void DispatchTopit(ListContext& ctx, QString address);

// A ZOL product page, in the ZOL and the JD category alike.
void DispatchZolProduct(ListContext& ctx, QString address);

} // namespace phodex::dispatch
