// SPDX-License-Identifier: MIT
#include "demoalbums.h"

#include "core/sitehosts.h"

#include <QFile>

#include <vector>

namespace phodex::demo {

namespace {

struct DemoPhoto {
    std::string name;
    std::string desc;
    std::string file;
};

struct DemoAlbum {
    std::string id;
    std::string name;
    std::vector<DemoPhoto> photos;
};

const std::vector<DemoAlbum>& Albums() {
    static const std::vector<DemoAlbum> albums = {
        {"V1demoLake",
         "西湖",
         {{"断桥", "冬天的断桥", "lake-1.jpg"},
          {"苏堤", "", "lake-2.jpg"},
          {"雷峰塔", "夕阳", "lake-3.jpg"}}},
        {"V1demoCat", "猫", {{"午睡.png", "", "cat-1.png"}, {"玩耍.png", "", "cat-2.png"}}},
        {"V1demoGarden", "花园", {{"月季", "", "garden-1.jpg"}, {"绣球", "", "garden-2.jpg"}}},
    };
    return albums;
}

struct DemoPost {
    std::string text;
    std::string file;
};

const std::vector<DemoPost>& Posts() {
    static const std::vector<DemoPost> posts = {{"周末去看海", "post-1.jpg"},
                                                {"新买的杯子", "post-2.jpg"}};
    return posts;
}

std::string Host(HostRole role) {
    return SiteHosts::get(role).toStdString();
}

std::string ProxyPath(HostRole service, const std::string& path) {
    return "/proxy/domain/" + Host(service) + path;
}

// The services escape every slash of an address in JSON.
std::string Escaped(const std::string& address) {
    std::string out;
    for (const char c : address)
        out += c == '/' ? std::string("\\/") : std::string(1, c);
    return out;
}

// A picture's address: the album (or "mood"), its number, and the rendition.
std::string PictureAddress(const std::string& host, const std::string& owner, size_t n,
                           const std::string& kind) {
    return "https://" + host + "/psb?/" + owner + "/" + std::to_string(n) + "/" + kind + "/d";
}

std::string RouteReply() {
    return R"(_Callback({"idcno":"1","default":"sz","sz":{"nu":"sznu.photo.qq.com",)"
           R"("p":"sznewp.photo.qq.com","s":"photo.qq.com"},"static":{"s":"szstatic.photo.qq.com"}});)";
}

std::string AlbumItem(const DemoAlbum& album) {
    return "{\"allowAccess\" : 1, \"id\" : \"" + album.id + "\", \"name\" : \"" + album.name +
           "\", \"pre\" : \"" + Escaped(PictureAddress("a1.qpic.cn", album.id, 1, "a")) +
           "\", \"priv\" : 1, \"total\" : " + std::to_string(album.photos.size()) +
           ", \"viewtype\" : 0}";
}

std::string AlbumListReply(bool firstPage) {
    std::string items;
    for (const DemoAlbum& album : Albums()) {
        if (firstPage)
            items += (items.empty() ? "" : ",\n") + AlbumItem(album);
    }
    return "shine5_Callback({\"code\" : 0, \"data\" : {\"albumListModeSort\" : [\n" + items +
           "\n]}});";
}

std::string PhotoItem(const DemoAlbum& album, size_t n) {
    const DemoPhoto& photo = album.photos[n - 1];
    return "{\"batchId\" : \"1\", \"desc\" : \"" + photo.desc + "\", \"name\" : \"" + photo.name +
           "\", \"pre\" : \"" + Escaped(PictureAddress("a1.qpic.cn", album.id, n, "a")) +
           "\", \"raw\" : \"" + Escaped(PictureAddress("b1.photo.store.qq.com", album.id, n, "b")) +
           "\", \"raw_upload\" : 0, \"url\" : \"\"}";
}

std::string PhotoListReply(const std::string& albumId) {
    std::string items;
    for (const DemoAlbum& album : Albums()) {
        for (size_t n = 1; album.id == albumId && n <= album.photos.size(); ++n)
            items += (items.empty() ? "" : ",\n") + PhotoItem(album, n);
    }
    return "shine0_Callback({\"code\" : 0, \"data\" : {\"photoList\" : [\n" + items + "\n]}});";
}

std::string PostsReply(bool firstPage) {
    std::string items;
    for (size_t n = 1; firstPage && n <= Posts().size(); ++n) {
        items += (items.empty() ? "" : ",") + std::string("{\"certified\":0,\"conlist\":null,") +
                 "\"content\":\"" + Posts()[n - 1].text + "\",\"pic\":[{\"pic_id\":\"" +
                 std::to_string(n) + "\",\"smallurl\":\"" +
                 Escaped(PictureAddress("a1.qpic.cn", "mood", n, "a")) + "\"}]}";
    }
    return "_Callback({\"code\":0,\"msglist\":[" + items + "]});";
}

// The file behind a picture address's query ("/<owner>/<n>/<kind>/d").
std::string PictureFile(const std::string& query) {
    const auto parts = QString::fromStdString(query).split(u'/', Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return {};
    const std::string owner = parts[0].toStdString();
    const size_t n = parts[1].toULong();
    if (owner == "mood")
        return n >= 1 && n <= Posts().size() ? Posts()[n - 1].file : std::string();
    for (const DemoAlbum& album : Albums()) {
        if (album.id == owner && n >= 1 && n <= album.photos.size())
            return album.photos[n - 1].file;
    }
    return {};
}

void Reply(httplib::Response& res, const std::string& body) {
    res.set_content(body, "application/x-javascript; charset=utf-8");
}

} // namespace

void ServeDemoQzone(test::FakeSite& site, const QString& pictureDir) {
    site.route("GET", Host(HostRole::QzoneUserHost),
               ProxyPath(HostRole::QzoneRouteHost, "/GetRoute"),
               [](const httplib::Request&, httplib::Response& res) { Reply(res, RouteReply()); });
    const std::string proxy = Host(HostRole::QzoneProxyHost);
    site.route("GET", proxy, "/proxy/domain/alist.photo.qq.com/fcgi-bin/fcg_list_album_v3",
               [](const httplib::Request& req, httplib::Response& res) {
                   Reply(res, AlbumListReply(req.get_param_value("pageStart") == "0"));
               });
    site.route("GET", proxy, ProxyPath(HostRole::QzonePhotoHost, "/fcgi-bin/cgi_list_photo"),
               [](const httplib::Request& req, httplib::Response& res) {
                   Reply(res, PhotoListReply(req.get_param_value("topicId")));
               });
    site.route("GET", proxy, ProxyPath(HostRole::QzonePostsHost, "/cgi-bin/emotion_cgi_msglist_v6"),
               [](const httplib::Request& req, httplib::Response& res) {
                   Reply(res, PostsReply(req.get_param_value("pos") == "0"));
               });
    site.get("/psb", [pictureDir](const httplib::Request& req, httplib::Response& res) {
        const std::string query = req.target.substr(req.target.find('?') + 1);
        const std::string file = PictureFile(query);
        QFile picture(pictureDir + u'/' + QString::fromStdString(file));
        if (file.empty() || !picture.open(QIODevice::ReadOnly)) {
            res.status = 404;
            return;
        }
        const QByteArray bytes = picture.readAll();
        res.set_content(bytes.toStdString(), file.ends_with(".png") ? "image/png" : "image/jpeg");
    });
}

} // namespace phodex::demo
