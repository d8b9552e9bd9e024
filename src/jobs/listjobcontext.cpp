// SPDX-License-Identifier: MIT
#include "jobs/listjobcontext.h"

#include "core/seams/jobobserver.h"
#include "download/sanitizename.h"

namespace phodex {

bool ListJobContext::addAlbum(const AlbumInfo& album) {
    // Before start-up has finished the window cannot show albums; the
    // operation still walks its pages but keeps nothing.
    if (session().ready.load()) {
        if (session().albums.count() >= kAlbumCap) {
            m_capped = true;
            return false;
        }
        AlbumInfo cleaned = album;
        SanitizeName(cleaned.name, kNoFallbackNumber, true);
        const int count = session().albums.Add(cleaned);
        env.observer.albumAdded(count - 1);
    }
    return !stopRequested();
}

} // namespace phodex
