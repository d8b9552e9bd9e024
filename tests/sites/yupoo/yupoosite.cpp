// SPDX-License-Identifier: MIT
#include "yupoosite.h"

#include "jobs/addpicture.h"

#include <QFile>

namespace phodex::test {

void YupooSiteTest::SetUp() {
    PortfolioSiteTest::SetUp();
    browser.onCookies = [](const QString& address) {
        return address.contains(u"yupoo.com"_s) ? kBrowserCookies : QString();
    };
    for (const char* host : {"photo.yupoo.com", "pic.yupoo.com"}) {
        site.route("GET", host, "/*", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(PictureBody(req.target), "image/jpeg");
        });
    }
}

void YupooSiteTest::runYupooPictures(const PictureOperation& operation, int albumIndex,
                                     bool large) {
    SettingsRecord settings = session.settings();
    NamingProfile& profile = settings.profileFor(Category::Yupoo);
    profile.optionFlags =
        large ? profile.optionFlags | kOptionYupooLarge : profile.optionFlags & ~kOptionYupooLarge;
    session.setSettings(settings);
    site.clearRequests();
    session.downState = kDownRunning;
    DownloadJobContext ctx(env, Category::Yupoo, 0, session.settings(), extension,
                           saveDir.path() + QLatin1Char('/'), session.ownerFolder());
    ctx.beginAlbum(albumIndex);
    operation(ctx, albumIndex);
    downList = ctx.downList();
    session.downState = kDownIdle;
}

QByteArray YupooSiteTest::descriptionFile(const QString& album) const {
    QFile file(saveDir.path() + u'/' + album + u"/相册描述.txt"_s);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray YupooSiteTest::Utf16WithMark(const QString& text) {
    return QByteArray("\xFF\xFE") +
           QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

} // namespace phodex::test
