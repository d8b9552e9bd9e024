// SPDX-License-Identifier: MIT
// Every written site, its list and picture operations fed whatever a
// stranger's server sends. The first byte picks the site; the rest is the
// pages, separated by 0x1E, answered in turn to the requests the run makes,
// and an empty page to every request after them.
// A run must end (the fuzzer's timeout catches a walk without end), and every
// picture name must stay inside its album folder.
#include "fuzzinput.h"

#include "adapters/sitetable.h"
#include "core/catalogue.h"
#include "core/seams/browserbridge.h"
#include "core/seams/keystate.h"
#include "core/seams/recordingobserver.h"
#include "core/seams/shell.h"
#include "core/seams/userprompt.h"
#include "core/session.h"
#include "jobs/addpicture.h"
#include "jobs/listjob.h"
#include "jobs/picturewalk.h"
#include "net/cookiejar.h"
#include "net/netconfig.h"
#include "net/pacer.h"
#include "settings/defaults.h"
#include "support/fakesite.h"
#include "support/testtls.h"

#include <QNetworkCookie>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <cstdlib>

using namespace phodex;
using phodex::fuzz::Check;

namespace {

struct SiteAddress {
    Category category;
    const char* address;
    int subTypeBox = kNoSubType; // the QQ sub-type box, as the window sets it
};

// One address of every shape the dispatches take, as a user types them.
const SiteAddress kAddresses[] = {
    {Category::Qq, "12345", SubType::QzoneAlbums},
    {Category::Qq, "https://user.qzone.qq.com/12345/infocenter", SubType::QzoneAlbums},
    {Category::Qq, "https://qun.qq.com/group#!/1234567/album", SubType::QqGroupAlbums},
    {Category::Qq, "https://t.qq.com/someone", SubType::TencentWeiboAlbums},
    {Category::Baidu, "https://xiangce.baidu.com/u/alice"},
    {Category::Netease, "http://photo.163.com/alice/"},
    {Category::Netease, "http://pp.163.com/alice/"},
    {Category::Netease, "http://lens.pp.163.com/"},
    {Category::Sina, "https://weibo.com/u/1234567890"},
    {Category::Sina, "https://blog.sina.com.cn/s/articlelist_1234567890_0_1.html"},
    {Category::Sina, "http://photo.blog.sina.com.cn/u/1234567890"},
    {Category::Poco, "https://my.poco.cn/id-123456.shtml"},
    {Category::Home51, "http://www.51.com/alice/"},
    {Category::Zol, "https://bbs.zol.com.cn/dcbbs/d1_12345.html"},
    {Category::PchomeDouban, "https://photo.pchome.com.tw/alice"},
    {Category::Moko, "https://www.moko.cc/alice/"},
    {Category::Babytree, "https://home.babytree.com/alice/"},
    {Category::Pconline, "https://photo.pconline.com.cn/alice/myphoto.html"},
    {Category::Hupu, "https://my.hupu.com/alice"},
    {Category::Hupu, "https://my.hupu.com/alice/photo/a101.html"},
    {Category::Lofter, "https://alice.lofter.com/"},
    {Category::Lofter, "https://alice.lofter.com/post/1d2e3f_a1b2"},
    {Category::Topit, "https://www.topit.me/user/123/albums"},
    {Category::Topit, "https://www.topit.me/album/501"},
    {Category::Baidu, "https://tieba.baidu.com/f?kw=%E6%98%A5%E5%A4%A9&ie=utf-8"},
    {Category::Baidu, "https://tieba.baidu.com/p/4500000001"},
    {Category::Renren, "https://photo.renren.com/photo/222333444/album-1001"},
    {Category::Renren, "https://page.renren.com/600000001/album"},
    {Category::Instagram, "https://www.instagram.com/xiaoming/"},
    {Category::PchomeDouban, "https://www.douban.com/photos/album/1734567/"},
    {Category::PchomeDouban, "https://movie.douban.com/subject/1292052/photos/"},
    {Category::Yupoo, "http://xiaodian.x.yupoo.com/albums"},
    {Category::Yupoo, "http://www.yupoo.com/photos/xiaowang/albums/"},
    {Category::HuabanDuitang, "https://huaban.com/boards/12345/"},
    {Category::HuabanDuitang, "http://www.duitang.com/album/?id=81000"},
    {Category::HuabanDuitang, "http://www.duitang.com/people/?user_id=777"},
    {Category::Shops, "https://item.taobao.com/item.htm?id=600900001"},
    {Category::Shops, "https://detail.tmall.com/item.htm?id=610100002"},
    {Category::Shops, "https://detail.1688.com/offer/620300400.html"},
    {Category::Shops, "https://www.alibaba.com/product-detail/Flask_6001.html"},
    {Category::Shops, "https://www.aliexpress.com/item/1005001.html"},
    {Category::Jd, "https://item.jd.com/100050000.html"},
    {Category::Wsxc, "https://www.szwego.com/static/index.html#/shop_detail/A123/list"},
};
constexpr int kAddressCount = int(sizeof kAddresses / sizeof kAddresses[0]);
// Enough to reach every picture operation and walk without making a run long.
constexpr int kAlbumsWalked = 2;

class NoWaitPacer final : public Pacer {
public:
    void sleepMs(qint64 ms) override { m_now += ms; }
    qint64 nowMs() override { return m_now; }
    quint32 random(quint32 bound) override { return bound == 0 ? 0 : ++m_seed % bound; }

private:
    std::atomic<qint64> m_now{1'600'000'000'000};
    std::atomic<quint32> m_seed{0};
};

// The pages of one run; the site outlives the runs.
struct Pages {
    std::mutex mutex;
    std::vector<std::string> pages;
    std::size_t next = 0;

    void set(const QByteArray& bytes) {
        std::lock_guard lock(mutex);
        pages.clear();
        for (const QByteArray& page : bytes.split('\x1e'))
            pages.push_back(page.toStdString());
        next = 0;
    }
    std::string take() {
        std::lock_guard lock(mutex);
        return next < pages.size() ? pages[next++] : std::string();
    }
};

struct Harness {
    test::FakeSite site;
    Pages pages;
    SiteTable table = MakeSiteTable();

    Harness() {
        const auto answer = [this](const httplib::Request&, httplib::Response& res) {
            res.set_content(pages.take(), "text/html");
        };
        site.route("GET", "", "/*", answer);
        site.route("POST", "", "/*", answer);
        NetConfig config;
        config.connectTo = site.connectToRules();
        config.caFile = test::testCaFile();
        config.proxy = QString();
        QString error;
        if (!setNetConfig(config, &error)) {
            std::fprintf(stderr, "cannot route the engine: %s\n", qPrintable(error));
            std::abort();
        }
    }
};

// A picture name is relative to its album folder and never leaves it.
bool StaysInFolder(const QString& name) {
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QChar(0)))
        return false;
    for (const QString& part : name.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return true;
}

// A QQ login, so that the QQ operations go past their login check.
void LogIn() {
    const struct {
        const char* name;
        const char* value;
        const char* domain;
    } cookies[] = {{"uin", "o0012345", ".qq.com"},
                   {"skey", "@skey", ".qq.com"},
                   {"p_skey", "pskey", ".qzone.qq.com"}};
    for (const auto& c : cookies) {
        QNetworkCookie cookie(c.name, c.value);
        cookie.setDomain(QString::fromLatin1(c.domain));
        cookie.setPath(QStringLiteral("/"));
        CookieJar::instance().insert(cookie);
    }
}

void RunSite(Harness& harness, const SiteAddress& target) {
    LogIn();
    QTemporaryDir work;
    QTemporaryDir save;
    NoWaitPacer pacer;
    ScopedPacer pacerScope(pacer);
    Session session;
    session.workDir = work.path() + QLatin1Char('/');
    session.ready = true;
    SettingsRecord settings;
    ApplyFirstRunDefaults(settings);
    RepairDownloadParams(settings);
    session.setSettings(settings);
    RecordingJobObserver observer;
    NullUserPrompt prompt;
    NullBrowserBridge browser;
    FixedKeyState keys;
    RecordingShell shell;
    const JobEnv env{session, harness.table, observer, prompt, browser, keys, shell};

    const QString address = QString::fromUtf8(target.address);
    session.setAddressText(address);
    ListJob list(env);
    Check(list.run(ListJobRequest{address, target.category, target.subTypeBox}).has_value(),
          "the list job did not run");

    const int albums = session.albums.count();
    for (const AlbumInfo& album : session.albums.snapshot())
        Check(StaysInFolder(album.name) && !album.name.contains(QLatin1Char('/')),
              "an album name that is not one folder");
    for (int k = 0; k < albums && k < kAlbumsWalked; ++k) {
        session.downState = kDownRunning;
        DownloadJobContext ctx(env, target.category, session.subType, session.settings(),
                               ExtensionSettings{}, save.path() + QLatin1Char('/'),
                               session.ownerFolder());
        ctx.beginAlbum(k);
        WalkPictureOperations(ctx, ctx.subType(), k);
        const CDownList& pictures = ctx.downList();
        Check(pictures.urls.size() == pictures.names.size(), "addresses and names differ");
        for (const QString& name : pictures.names)
            Check(StaysInFolder(name), "a picture name that leaves its album folder");
        session.downState = kDownIdle;
    }
    CookieJar::instance().clear();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Harness harness;
    fuzz::FuzzInput input(data, size);
    const SiteAddress& target = kAddresses[input.byte() % kAddressCount];
    harness.pages.set(input.rest());
    RunSite(harness, target);
    return 0;
}
