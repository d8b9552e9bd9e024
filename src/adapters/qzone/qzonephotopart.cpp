// SPDX-License-Identifier: MIT
#include "adapters/qzone/qzonephotopart.h"

#include "adapters/common/adapterkit.h"
#include "adapters/qzone/qqcommon.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/browserbridge.h"
#include "core/seams/userprompt.h"
#include "text/markers.h"

#include <QCoreApplication>

namespace phodex {

namespace {

constexpr char kAskPassword[] = QT_TRANSLATE_NOOP("phodex::Sites", "加密相册，是否输入密码？");

QString Value(QString part, const char* marker, int flags = 0) {
    return GetBetween(part, QString::fromLatin1(marker), QStringLiteral("\""), flags);
}

QString RawUpload(QString part) {
    return GetBetween(part, QStringLiteral("\"raw_upload\""), QStringLiteral(","));
}

// Original uploads live on the raw store under the same path.
QString OnRawStore(QString address) {
    address.replace(QStringLiteral("/b/"), QStringLiteral("/r/"));
    SkipTo(address, QStringLiteral(".com/"));
    SkipTo(address, QStringLiteral(".cn/"));
    return SiteHosts::https(HostRole::QzoneRawStoreHost) + address;
}

QString FixPsbe(QString address) {
    return address.replace(QStringLiteral("/psbe?/"), QStringLiteral("/psb?/"));
}

} // namespace

QString QzonePhotoTitle(const QString& part, int titleMode) {
    const QString name = Value(part, "\"name\" : \"");
    const QString desc = Value(part, "\"desc\" : \"");
    const QString first = (titleMode == 1 ? name : desc).trimmed();
    return first.isEmpty() ? (titleMode == 1 ? desc : name) : first;
}

// The services escape the slashes of some addresses and not of others, so
// every address is unescaped.
QString QzonePhotoAddress(const QString& part, bool large) {
    QString address = Unslashed(Value(part, large ? "\"url\" : \"" : "\"raw\" : \""));
    if (address.isEmpty())
        address = Unslashed(Value(part, "\"url\" : \"", kConsume));
    if (RawUpload(part).contains(u'1') && !address.isEmpty())
        address = OnRawStore(address);
    return FixPsbe(address);
}

QString QzonePhotoAddressV2(const QString& part) {
    QString address = Unslashed(Value(part, "\"raw\" : \""));
    if (address.isEmpty()) {
        address = Unslashed(Value(part, "\"origin_url\" : \"", kConsume));
        if (RawUpload(part).contains(u'1'))
            address.replace(QStringLiteral("/o/"), QStringLiteral("/r/"));
    }
    return FixPsbe(address);
}

QString QzonePhotoPreview(const QString& part) {
    return Unslashed(Value(part, "\"pre\" : \"", kConsume))
        .replace(QStringLiteral("/a/"), QStringLiteral("/b/"));
}

QString WithFallback(const QString& address, const QString& fallback) {
    if (address.isEmpty())
        return fallback;
    return fallback.isEmpty() ? address : address + QStringLiteral("\r\n") + fallback;
}

bool AddQzonePhotos(PictureContext& ctx, const QStringList& parts, int albumIndex, PageWalk& walk,
                    PhotoService service) {
    const int titleMode = ctx.extension().qzoneTitleMode;
    const bool large = ctx.extension().qzoneLargePictures != 0;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        const QString address = service == PhotoService::Current ? QzonePhotoAddress(part, large)
                                                                 : QzonePhotoAddressV2(part);
        if (!HandOverPicture(ctx, WithFallback(address, QzonePhotoPreview(part)),
                             QzonePhotoTitle(part, titleMode), albumIndex, walk))
            return false;
    }
    return true;
}

bool QzoneAlbumRefused(const QString& text) {
    return text.indexOf(QStringLiteral("\"message\":\"对不起")) >= 1;
}

QString QzoneAlbumPage(const QString& key) {
    QString path = key;
    SkipTo(path, QStringLiteral("&"));
    path.remove(QStringLiteral("hostUin="));
    path.replace(QStringLiteral("&albumid="), QStringLiteral("/photo/"));
    return SiteHosts::https(HostRole::QzoneUserHost) + path;
}

bool AskQzoneAlbumPassword(PictureContext& ctx, const QString& key) {
    if (!ctx.env.prompt.askYesNo(QCoreApplication::translate("phodex::Sites", kAskPassword),
                                 PromptCaption()))
        return false;
    ctx.env.browser.loginAndWait(QzoneAlbumPage(key), 0);
    return true;
}

} // namespace phodex
