// SPDX-License-Identifier: MIT
#include "download/naming.h"

#include "download/picturetype.h"
#include "download/sanitizename.h"
#include "text/componentlimit.h"
#include "text/escapes.h"

namespace phodex {
namespace {

void ReplaceEscape(QString& name, char code, const QString& value) {
    name.replace(QStringLiteral("?") + QLatin1Char(code), value);
}

QString Number(int value) {
    return QString::asprintf("%d", value);
}
QString Number4(int value) {
    return QString::asprintf("%04d", value);
}

// The name before prefix, suffix and escapes: the title, the address's last
// part or the sequence number, by the profile's naming mode.
PictureName BaseName(const QString& url, const QString& title, const NamingContext& album,
                     int seq) {
    switch (album.profile.nameBase) {
    case NameBase::Description: {
        QString name = title;
        SanitizeName(name, kNoFallbackNumber, false);
        return {name.isEmpty() ? album.albumName : name, false};
    }
    case NameBase::Address:
        if (url.indexOf(u'/', 1) >= 0) {
            return {url.mid(url.lastIndexOf(u'/') + 1), false};
        }
        break;
    default:
        break;
    }
    return {Number(seq), true};
}

void ReplacePictureEscapes(PictureName& picture, const NamingContext& album, int seq,
                           const std::optional<QString>& extraText) {
    QString& name = picture.name;
    const int position = album.listIndex + 1;
    ReplaceEscape(name, '1', album.albumName);
    if (name.contains(u"?2")) {
        picture.numbered = true;
    }
    ReplaceEscape(name, '2', Number(seq));
    ReplaceEscape(name, '3', Number(position));
    ReplaceEscape(name, '4', Number(album.reverseIndex));
    ReplaceEscape(name, '5', Number(album.createdStamp));
    ReplaceEscape(name, '6', Number(album.selectedCount));
    ReplaceEscape(name, '7', Number(album.albumCount));
    ReplaceEscape(name, '8', album.ownerFolder);
    ReplaceEscape(name, '9', Number4(position));
    ReplaceEscape(name, 'A', Number4(seq));
    if (extraText) {
        ReplaceEscape(name, 'B', *extraText);
    }
}

void ReplaceFolderEscapes(QString& name, const NamingContext& album) {
    const int position = album.listIndex + 1;
    ReplaceEscape(name, '1', album.albumName);
    ReplaceEscape(name, '3', Number(position));
    ReplaceEscape(name, '4', Number(album.albumCount - album.listIndex));
    if (album.listType == Category::Qq) {
        ReplaceEscape(name, '5', album.albumInfo);
    }
    ReplaceEscape(name, '9', Number4(position));
}

} // namespace

PictureName MakePictureName(const QString& url, const QString& title, const NamingContext& album,
                            int seq, const std::optional<QString>& extraText) {
    const NamingProfile& profile = album.profile;
    PictureName picture = BaseName(url, title, album, seq);
    picture.name = profile.filePrefix + picture.name + profile.fileSuffix;
    ReplacePictureEscapes(picture, album, seq, extraText);
    ApplyReplacePairs(picture.name, profile.replaceFrom, profile.replaceTo);
    SanitizeName(picture.name, kNoFallbackNumber, true);
    picture.name = FitPictureName(picture.name);
    return picture;
}

QString MakeAlbumFolder(const NamingContext& album) {
    const NamingProfile& profile = album.profile;
    QString name = profile.folderMode == FolderMode::PerAlbum ? album.albumName : QString();
    name = profile.folderPrefix + name + profile.folderSuffix;
    ReplaceFolderEscapes(name, album);
    SanitizeName(name, 0, false);
    return CutToBytes(name);
}

void ApplyReplacePairs(QString& text, const QString& from, const QString& to) {
    // An empty search text would match between every two characters.
    if (!from.isEmpty()) {
        ReplaceList(text, from, to);
    }
}

QString FitPictureName(const QString& name) {
    QString stem = name;
    const QString ext = SplitPictureExtension(stem);
    const qsizetype extBytes = Utf8Length(ext);
    if (Utf8Length(stem) + extBytes <= kMaxComponentBytes) {
        return name;
    }
    const QString cut = CutToBytes(stem, kMaxComponentBytes - extBytes);
    return HasKnownExtension(name) ? cut + ext : cut;
}

} // namespace phodex
