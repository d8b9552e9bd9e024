// SPDX-License-Identifier: MIT
#pragma once

#include "core/downlist.h"
#include "settings/record.h"

#include <QString>

#include <atomic>

// One picture of the album being downloaded, fetched by one download worker.
namespace phodex {

// A download-list entry may carry a second address after "\r\n", tried when
// the first one gives nothing usable.
struct PictureAddress {
    QString primary;
    QString fallback; // empty when the entry has none
};

PictureAddress SplitPictureAddress(const QString& entry);

// The address a picture is known by (the marker file, the skip rule): the
// part before a fallback.
inline QString PrimaryAddress(const QString& entry) {
    return SplitPictureAddress(entry).primary;
}

// Downloads entry `index` of `list` into list.folder. `cancel`, when set,
// ends the transfer in flight. True when the picture's file arrived.
bool DownloadPicture(const CDownList& list, int index, const DownloadParams& params,
                     const std::atomic<bool>* cancel);

} // namespace phodex
