// SPDX-License-Identifier: MIT
#pragma once

#include "settings/record.h"

#include <QString>

#include <optional>

// Album folder and picture file names from the per-site naming profile: the
// prefix and suffix texts with their "?x" escapes, the naming mode and the
// replacement pairs. Every result is one cleaned path component within the
// file system's byte limit, or empty.
namespace phodex {

// What the escapes of one album can refer to: the album itself and the job
// it is downloaded in.
struct NamingContext {
    NamingProfile profile;
    Category listType = Category::Qq;
    QString albumName;
    QString albumInfo;     // ?5 of folder names, QQ Zone only
    int listIndex = 0;     // 0-based position in the album list
    int reverseIndex = 0;  // ?4 of picture names
    int createdStamp = 0;  // ?5 of picture names
    int albumCount = 0;    // albums in the list
    int selectedCount = 0; // albums ticked for this job
    QString ownerFolder;   // ?8 of picture names
};

struct PictureName {
    QString name;          // extension included when the source had a known one
    bool numbered = false; // unique through the picture's sequence number
};

// The picture's file name before its extension is split off. seq is the
// picture's 1-based number in its album; extraText fills ?B when given. The
// name fits kMaxComponentBytes together with the extension it will carry.
PictureName MakePictureName(const QString& url, const QString& title, const NamingContext& album,
                            int seq, const std::optional<QString>& extraText = std::nullopt);

// The album folder's name; empty when the pictures go straight into the
// folder above.
QString MakeAlbumFolder(const NamingContext& album);

// The profile's replacement rule: '|'-separated pairs when both texts have
// as many bars, else the whole of from by the whole of to. An empty from
// replaces nothing.
void ApplyReplacePairs(QString& text, const QString& from, const QString& to);

// Cuts name so that it, with the extension SplitPictureExtension gives it,
// fits in kMaxComponentBytes; a known extension is kept.
QString FitPictureName(const QString& name);

} // namespace phodex
