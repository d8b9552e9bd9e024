// SPDX-License-Identifier: MIT
#pragma once

#include "core/jobcontext.h"

namespace phodex {

// The list context of a running album-list job.
class ListJobContext final : public ListContext {
public:
    // A listing keeps at most this many albums: a page that claims a million
    // must not take the window's memory and the grid with it.
    static constexpr int kAlbumCap = 100000;

    using ListContext::ListContext;
    // Past the cap nothing more is kept and the list operation is ended.
    bool addAlbum(const AlbumInfo& album) override;
    bool reachedAlbumCap() const { return m_capped; }

private:
    bool m_capped = false;
};

} // namespace phodex
