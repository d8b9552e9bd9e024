// SPDX-License-Identifier: MIT
#include "weibosite.h"

#include "adapters/weibo/weiboadapters.h"
#include "net/cookiejar.h"

#include <QNetworkCookie>

#include <memory>
#include <mutex>

namespace phodex::test {

namespace {

const char kJson[] = "application/json; charset=utf-8";

} // namespace

std::string PhotoRecord(const std::string& fields) {
    return R"({"album_id":"3559800001",)" + fields + "}";
}

std::string PhotoPage(const std::vector<std::string>& photos) {
    std::string list;
    for (const std::string& photo : photos)
        list += (list.empty() ? "" : ",") + photo;
    return R"({"result":true,"data":{"album_id":"3559800001",)"
           R"("original_pic":"http:\/\/wx1.sinaimg.cn\/large\/cover.jpg","total":)" +
           std::to_string(photos.size()) + R"(,"photo_list":[)" + list + "]}}";
}

std::string OriginalPhoto(const std::string& name, const std::string& caption) {
    return PhotoRecord(R"("caption":")" + caption +
                       R"(","pic_type":1,)"
                       R"("original_pic":"http:\/\/wx1.sinaimg.cn\/large\/)" +
                       name + R"(","pic_host":"http:\/\/wx1.sinaimg.cn","pic_name":")" + name +
                       R"("})");
}

void WeiboSiteTest::SetUp() {
    QqSiteTest::SetUp();
    serve(kWeiboHost, kProfilePath, Fixture("weibo/profile.json"));
    serve(kWeiboPhotoHost, kAlbumsPath, Fixture("weibo/albums.json"));
    servePhotos("", {});
    for (const char* path : {"/large/*", "/1234567890/180/*"}) {
        site.get(path, [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(PictureBody(req.target), "image/jpeg");
        });
    }
}

void WeiboSiteTest::logInWeibo() {
    QNetworkCookie cookie("SUB", "_2A25login");
    cookie.setDomain(QStringLiteral(".weibo.com"));
    cookie.setPath(QStringLiteral("/"));
    CookieJar::instance().insert(cookie);
}

void WeiboSiteTest::servePhotos(const std::string& albumId,
                                std::map<int, std::vector<std::string>> pages) {
    struct Script {
        std::mutex mutex;
        std::map<int, std::vector<std::string>> pages;
        std::map<int, size_t> asked;
    };
    auto script = std::make_shared<Script>();
    script->pages = std::move(pages);
    site.route("GET", kWeiboPhotoHost, kPhotosPath,
               [albumId, script](const httplib::Request& req, httplib::Response& res) {
                   std::lock_guard lock(script->mutex);
                   const int page = std::stoi(req.get_param_value("page"));
                   const auto bodies = script->pages.find(page);
                   if (req.get_param_value("album_id") != albumId ||
                       bodies == script->pages.end() || bodies->second.empty()) {
                       res.set_content(PhotoPage({}), kJson);
                       return;
                   }
                   const size_t n = std::min(script->asked[page]++, bodies->second.size() - 1);
                   res.set_content(bodies->second[n], kJson);
               });
}

std::vector<int> WeiboSiteTest::pagesAsked() const {
    std::vector<int> pages;
    for (const ReceivedRequest& r : site.requestsTo(kPhotosPath))
        pages.push_back(Param(r, QStringLiteral("page")).toInt());
    return pages;
}

int WeiboSiteTest::addWeiboAlbum(const std::string& albumId, int photoCount, const QString& name) {
    session.siteValues().setValue(kWeiboUidKey, kWeiboUid);
    AlbumInfo album;
    album.name = name;
    album.key = QStringLiteral("https://photo.weibo.com/photos/get_all?uid=1234567890&album_id=") +
                QString::fromStdString(albumId) + QStringLiteral("&count=32&type=3&page=");
    album.photoCount = photoCount;
    return addAlbum(album);
}

} // namespace phodex::test
