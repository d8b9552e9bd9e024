// SPDX-License-Identifier: MIT
#pragma once

#include "core/jobcontext.h"
#include "core/sitehosts.h"
#include "core/sitetable.h"
#include "text/markers.h"

#include <QString>

#include <initializer_list>
#include <optional>

// The small steps the families' dispatches are written in.
namespace phodex::dispatch {

// Keeps what follows the first marker; unchanged when it is absent.
void CutAfter(QString& text, const QString& marker);
// Cuts at each marker in turn: keeps what precedes its first occurrence.
void CutAtEach(QString& text, std::initializer_list<const char*> markers);
void EndWithSlash(QString& text);

bool NoAlbums(const ListContext& ctx);
void Inform(ListContext& ctx, const QString& text);
void InformIfEmpty(ListContext& ctx, const QString& text);
void SetSubType(ListContext& ctx, int subType);
void StartAtOnce(ListContext& ctx);
void StartAtOnceIfOne(ListContext& ctx);

// A page the dispatch reads itself: the text, or nullopt when the fetch failed.
std::optional<QString> ReadPage(const QString& address);

} // namespace phodex::dispatch
