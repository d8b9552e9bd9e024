// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace phodex {

// The pictures of the album being downloaded. Written only by the thread of
// the job that owns it, and only while no download worker runs; the workers
// then read it.
struct CDownList {
    QStringList urls;    // an entry may hold a fallback address after "\r\n"
    QStringList names;   // file names relative to folder
    QStringList headers; // extra request header lines per picture; may be empty for all
    QString folder;      // the album folder, ending with "/"

    void clearPictures() {
        urls.clear();
        names.clear();
        headers.clear();
    }
};

} // namespace phodex
