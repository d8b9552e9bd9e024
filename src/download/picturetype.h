// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// A picture's real type, told from its first bytes, and the file-name
// extensions the naming rules recognise.
namespace phodex {

// How many leading bytes DetectPictureExtension looks at.
inline constexpr qsizetype kPictureHeadBytes = 12;

// The extension a picture gets when its name does not end in a known one.
inline constexpr char kDefaultPictureExtension[] = ".jpg";

// True when name ends in ".jpeg", ".jpg", ".bmp", ".gif", ".png", ".tif" or
// ".mp4", in any letter case.
bool HasKnownExtension(const QString& name);

// Takes a known extension off name and returns it (from the last '.'); a name
// without one keeps its text and gets kDefaultPictureExtension.
QString SplitPictureExtension(QString& name);

// The extension (".jpg", ".png", ".gif", ".bmp", ".tga", ".ico", ".cur",
// ".tiff", ".webp") matching the first bytes of a file; "" when none does.
// Missing bytes count as 0.
QString DetectPictureExtension(const QByteArray& head);

// Renames the file at path after its real type, or to defaultExt (when not
// empty) if it is a video, and sets path to the new name. Content of no
// known type keeps its name. Only
// the file name part changes. An existing file of the new name is never
// replaced: the file then keeps its name. Returns true when the file has the
// wanted name afterwards; false when it does not exist, cannot be read or
// cannot be renamed.
bool FixPictureType(QString& path, const QString& defaultExt = QString());

} // namespace phodex
