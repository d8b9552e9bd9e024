// SPDX-License-Identifier: MIT
#pragma once

#include "sites/qzone/qqsite.h"

#include <map>
#include <string>
#include <vector>

// The Weibo services as loopback fake sites under their real host names.
namespace phodex::test {

inline const std::string kWeiboHost = "weibo.com";
inline const std::string kWeiboPhotoHost = "photo.weibo.com";
inline const std::string kProfilePath = "/ajax/profile/info";
inline const std::string kAlbumsPath = "/albums/get_all";
inline const std::string kPhotosPath = "/photos/get_all";
// The profile of profile.json.
inline const QString kWeiboUid = QStringLiteral("1234567890");

// One picture of a photo page: its album id first, as the service writes
// it, then `fields` ("\"pic_name\":\"a.jpg\",...").
std::string PhotoRecord(const std::string& fields);
// A photo page: the album's own record (which names a picture of its own, the
// cover), then the pictures.
std::string PhotoPage(const std::vector<std::string>& photos);
// A picture with a caption and the original upload http://wx1.sinaimg.cn/large/<name>.
std::string OriginalPhoto(const std::string& name, const std::string& caption = "");

class WeiboSiteTest : public QqSiteTest {
protected:
    // Serves profile.json, albums.json, empty photo pages and every picture.
    void SetUp() override;

    // The login cookie the Weibo login leaves.
    void logInWeibo();
    // The photo pages of one album: per page number the bodies in the order
    // they are asked for, the last one repeating; pages not given are empty.
    void servePhotos(const std::string& albumId, std::map<int, std::vector<std::string>> pages);
    // The page numbers of the photo requests, in order.
    std::vector<int> pagesAsked() const;
    // An album as the listing of profile.json would have stored it.
    int addWeiboAlbum(const std::string& albumId, int photoCount,
                      const QString& name = QStringLiteral("相册"));
};

} // namespace phodex::test
