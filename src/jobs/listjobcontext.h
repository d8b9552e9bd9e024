// SPDX-License-Identifier: MIT
#pragma once

#include "core/jobcontext.h"

namespace phodex {

// The list context of a running album-list job.
class ListJobContext final : public ListContext {
public:
    using ListContext::ListContext;
    bool addAlbum(const AlbumInfo& album) override;
};

} // namespace phodex
