// SPDX-License-Identifier: MIT
#pragma once

#include "core/pagewalk.h"
#include "jobs/downloadjob.h"
#include "listjobfixture.h"
#include "net/fetch.h"
#include "net/pagetext.h"
#include "settings/defaults.h"
#include "support/testfiles.h"
#include "text/markers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <map>
#include <string>
#include <vector>

// The download job over the test site family: the list pages of the list job
// tests, plus album pages that list pictures and the pictures themselves.
namespace phodex::test {

// A category of its own, so that the list job tests' row stays as it is.
constexpr Category kPhotoSiteListType = categoryAt(kCategoryCount + 1);
constexpr PictureOp kPhotoSitePictureOp = "PhotoSiteListPhotos";
constexpr PictureOp kPhotoSiteFallbackOp = "PhotoSiteListPhotosFallback";
inline const QString kPictureHost = QStringLiteral("pics.testsite.example");

struct TestPicture {
    std::string file;  // served at http://pics.testsite.example/p/<file>; or a whole address
    std::string title; // the title the album page gives
    std::string fallbackFile = {}; // when set, the entry carries a fallback address
};

// "http://pics.testsite.example/p/<file>".
inline QString PictureAddress(const std::string& file) {
    return QStringLiteral("http://%1/p/%2").arg(kPictureHost, QString::fromStdString(file));
}

// The pictures' addresses as a list file has them: one a line, CR LF.
inline QByteArray AddressLines(const std::vector<std::string>& files) {
    QByteArray bytes;
    for (const std::string& file : files)
        bytes += PictureAddress(file).toLatin1() + "\r\n";
    return bytes;
}

// The picture bytes the site serves for file: a JPEG by its first bytes.
inline std::string PictureBytes(const std::string& file) {
    return std::string("\xFF\xD8\xFF\xE0", 4) + "picture " + file;
}

// An album page: "<img src=... title=...>" per picture, two pictures a page.
inline std::string AlbumPage(const std::vector<TestPicture>& pictures, int page) {
    std::string body = "<html><div class=\"photos\">\n";
    const size_t first = size_t(page - 1) * 2;
    for (size_t i = first; i < first + 2 && i < pictures.size(); ++i) {
        const std::string& file = pictures[i].file;
        std::string src = file.rfind("http", 0) == 0 ? file : PictureAddress(file).toStdString();
        if (!pictures[i].fallbackFile.empty())
            src += "|" + PictureAddress(pictures[i].fallbackFile).toStdString();
        body += "<img src=\"" + src + "\" title=\"" + pictures[i].title + "\">\n";
    }
    body += "</div>";
    if (first + 2 < pictures.size())
        body += "<a class=\"next\" href=\"?page=" + std::to_string(page + 1) + "\">下一页</a>";
    return body + "</html>";
}

// The picture operation of the test site, written as the real ones are: the
// album's pages in turn, one AddPicture per picture, a stop test after each.
// A "|" in a picture address separates a fallback address.
inline void PhotoSiteListPhotos(PictureContext& ctx, int albumIndex, const QString& path) {
    const AlbumInfo album = ctx.album(albumIndex);
    CUrlRequest request(QString(), QString(), 20000);
    CUrlResponse response;
    PageWalk walk;
    while (walk.nextPage()) {
        request.url = QStringLiteral("http://%1%2%3?page=%4")
                          .arg(kTestSiteHost, path, album.key.section(u'/', -1))
                          .arg(walk.pages());
        if (!Fetch(response, request, 0))
            return;
        QString page = GetText(response, kTextInflate | kTextUtf8);
        QStringList items;
        SplitBy(page, QStringLiteral("<img "), items);
        for (qsizetype i = 1; i < items.size(); ++i) {
            QString url = GetBetween(items[i], QStringLiteral("src=\""), QStringLiteral("\""));
            const QString title =
                GetBetween(items[i], QStringLiteral("title=\""), QStringLiteral("\""));
            if (url.isEmpty() || !walk.isNew(url))
                continue;
            url.replace(u'|', QStringLiteral("\r\n"));
            ctx.addPicture(url, title, QStringLiteral("Referer: http://%1/").arg(kTestSiteHost),
                           albumIndex);
            if (!ctx.keepListing())
                return;
        }
        if (!page.contains(QStringLiteral("class=\"next\"")))
            return;
    }
}

class DownloadJobTest : public ListJobTest {
protected:
    void SetUp() override {
        ListJobTest::SetUp();
        ASSERT_TRUE(saveDir.isValid());
        table.addRow(SiteRow{kPhotoSiteListType,
                             {kAnyOtherSubType},
                             QStringLiteral("Photo test site"),
                             QStringLiteral("an album"),
                             {kTestSiteListOp},
                             {kPhotoSitePictureOp, kPhotoSiteFallbackOp},
                             QString()});
        table.setPicture(kPhotoSitePictureOp, [](PictureContext& ctx, int index) {
            PhotoSiteListPhotos(ctx, index, QStringLiteral("/album/"));
        });
        table.setPicture(kPhotoSiteFallbackOp, [](PictureContext& ctx, int index) {
            PhotoSiteListPhotos(ctx, index, QStringLiteral("/album2/"));
        });
        site.get("/p/*", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(PictureBytes(req.path.substr(3)), "image/jpeg");
        });
        SettingsRecord record;
        RepairDownloadParams(record);
        session.setSettings(record);
    }

    // The owner "tester" with these albums, each with its pictures.
    void ServeOwner(const std::vector<std::pair<std::string, std::vector<TestPicture>>>& albums) {
        TestOwner owner{"tester", {}, 3, false};
        for (size_t i = 0; i < albums.size(); ++i) {
            const std::string id = "a" + std::to_string(i + 1);
            owner.albums.push_back(TestAlbum{id, albums[i].first, int(albums[i].second.size())});
            ServeAlbum("/album/" + id, albums[i].second);
        }
        ServeTestSite(site, "tester", owner);
    }
    void ServeAlbum(const std::string& path, const std::vector<TestPicture>& pictures) {
        site.get(path, [pictures](const httplib::Request& req, httplib::Response& res) {
            const int page = req.has_param("page") ? std::stoi(req.get_param_value("page")) : 1;
            res.set_content(AlbumPage(pictures, page), "text/html; charset=utf-8");
        });
    }

    // The album list, as `phodex-cli download` gets it.
    void ListOwner() {
        ASSERT_TRUE(
            job.run(ListJobRequest{TestSiteAddress("tester"), kPhotoSiteListType, kNoSubType}));
    }
    void SetOptions(std::uint16_t flags) {
        session.updateSettings([&](SettingsRecord& record) {
            record.profileFor(kPhotoSiteListType).optionFlags = flags;
            return true;
        });
    }
    // The Download button over these albums (0-based), and a wait for the job.
    DownloadJobResult Download(std::vector<int> albums, const QString& savePath = QString()) {
        const QString path = savePath.isNull() ? saveDir.path() : savePath;
        EXPECT_EQ(downloads.pressDownload(DownloadJobRequest{path, std::move(albums)}),
                  DownloadStart::Started);
        downloads.wait();
        EXPECT_EQ(session.downState.load(), kDownIdle);
        return downloads.lastResult();
    }
    // The same on the calling thread, as `phodex-cli download` runs it.
    DownloadJobResult RunDownload(std::vector<int> albums) {
        const std::optional<DownloadJobResult> result =
            downloads.run(DownloadJobRequest{saveDir.path(), std::move(albums)});
        EXPECT_TRUE(result.has_value());
        EXPECT_EQ(session.downState.load(), kDownIdle);
        return result.value_or(DownloadJobResult{});
    }
    // Where album `name` of the owner "tester" goes.
    QString AlbumFolder(const QString& name) const {
        return saveDir.path() + QStringLiteral("/tester/") + name + u'/';
    }
    static QStringList FilesIn(const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir saveDir;
    DownloadJob downloads{env};
};

inline QByteArray Utf16Le(const QString& text, bool bom) {
    QByteArray bytes;
    if (bom)
        bytes += QByteArray("\xFF\xFE", 2);
    for (const QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}

} // namespace phodex::test
