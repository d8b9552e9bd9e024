// SPDX-License-Identifier: MIT
#include "adapters/qzone/shuoshuo.h"

#include "core/sitehosts.h"

namespace phodex {

AlbumInfo ShuoshuoAlbum(const QString& qqNumber) {
    AlbumInfo album;
    album.name = QStringLiteral("说说里的图片");
    album.key = SiteHosts::https(
        HostRole::QzoneProxyHost,
        QStringLiteral("/proxy/domain/%1/cgi-bin/emotion_cgi_msglist_v6"
                       "?uin=%2&inCharset=utf-8&outCharset=utf-8&hostUin=%2&notice=0&sort=0")
            .arg(SiteHosts::get(HostRole::QzonePostsHost), qqNumber));
    album.cover = QString::fromUtf16(kShuoshuoCover);
    album.photoCount = -1;
    return album;
}

} // namespace phodex
