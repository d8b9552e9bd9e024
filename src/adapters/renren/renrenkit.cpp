// SPDX-License-Identifier: MIT
#include "adapters/renren/renrenkit.h"

#include "adapters/common/privatealbum.h"
#include "core/jobcontext.h"
#include "core/sitehosts.h"
#include "download/sanitizename.h"
#include "text/markers.h"

#include <QCoreApplication>

namespace phodex {

QString RenrenPhoto(const QString& path) {
    return SiteHosts::https(HostRole::RenrenPhotoHost, path);
}

QString JoinPath(const QString& base, const QString& rest) {
    QString joined = base;
    while (joined.endsWith(QLatin1Char('/')))
        joined.chop(1);
    return joined + QLatin1Char('/') + rest;
}

bool AskForAlbumPassword(PictureContext& ctx, const QString& loginPage) {
    return OfferPrivateAlbumLogin(
        ctx, loginPage, QCoreApplication::translate("phodex::Sites", "加密相册,是否输入密码"));
}

QString AlbumPageName(QString page) {
    SkipTo(page, QStringLiteral("class=\"ablum-infor\">"));
    QString name = GetBetween(page, QStringLiteral("<h1>"), QStringLiteral("<span"));
    SanitizeName(name);
    return name;
}

} // namespace phodex
