// SPDX-License-Identifier: MIT
#include "qqsite.h"

#include "jobs/addpicture.h"
#include "jobs/listjobcontext.h"
#include "net/cookiejar.h"
#include "net/netconfig.h"
#include "settings/defaults.h"
#include "support/engineroutes.h"
#include "support/testtls.h"
#include "testpaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QNetworkCookie>
#include <QUrl>
#include <QUrlQuery>

namespace phodex::test {

namespace {

const char kJsonp[] = "application/x-javascript; charset=utf-8";

void AddCookie(const QByteArray& name, const QString& value, const QString& domain) {
    QNetworkCookie cookie(name, value.toUtf8());
    cookie.setDomain(domain);
    cookie.setPath(QStringLiteral("/"));
    CookieJar::instance().insert(cookie);
}

std::string PhotosOf(const std::string& album) {
    if (album == "V10trip")
        return Fixture("qzone/photos-trip.jsonp");
    if (album == "V10family")
        return Fixture("qzone/photos-family.jsonp");
    return Fixture("qzone/photos-empty.jsonp");
}

} // namespace

std::string Fixture(const std::string& path) {
    QFile file(QStringLiteral(PHODEX_FIXTURES "/") + QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no fixture " << path;
        return {};
    }
    return file.readAll().toStdString();
}

void LoginBrowser::loginAndWait(const QString& address, int mode) {
    {
        std::lock_guard lock(m_mutex);
        m_logins << address;
    }
    record(u"login %1 %2"_s.arg(mode).arg(address));
    if (onLogin)
        onLogin(address);
}

QString LoginBrowser::capturePageText(const QString& address, int timeoutMs) {
    record(u"capture %1 %2"_s.arg(timeoutMs).arg(address));
    return QString();
}

QString LoginBrowser::cookiesFor(const QString& address) {
    record(u"cookies "_s + address);
    {
        std::lock_guard lock(m_mutex);
        m_cookieAddresses << address;
    }
    return onCookies ? onCookies(address) : QString();
}

QStringList LoginBrowser::logins() const {
    std::lock_guard lock(m_mutex);
    return m_logins;
}

QStringList LoginBrowser::cookieAddresses() const {
    std::lock_guard lock(m_mutex);
    return m_cookieAddresses;
}

QStringList LoginBrowser::calls() const {
    std::lock_guard lock(m_mutex);
    return m_calls;
}

void LoginBrowser::record(const QString& call) {
    std::lock_guard lock(m_mutex);
    m_calls << call;
}

QString Param(const ReceivedRequest& request, const QString& key) {
    const QUrl url(QStringLiteral("http://host") + QString::fromStdString(request.target));
    return QUrlQuery(url).queryItemValue(key, QUrl::FullyDecoded);
}

QString Header(const ReceivedRequest& request, const char* name) {
    return QString::fromStdString(request.header(name));
}

QStringList FilesBelow(const QString& path) {
    QStringList files;
    QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(path).relativeFilePath(it.next());
    files.sort();
    return files;
}

std::string PictureBody(const std::string& target) {
    std::string body = "\xFF\xD8\xFF\xE0 picture of " + target;
    body.resize(2048, '.');
    return body;
}

QqSiteTest::QqSiteTest() = default;
QqSiteTest::~QqSiteTest() = default;

void QqSiteTest::SetUp() {
    RouteEngineTo(site);
    ASSERT_TRUE(workDir.isValid() && saveDir.isValid());
    session.workDir = workDir.path() + QLatin1Char('/');
    session.ready = true;
    SettingsRecord settings;
    ApplyFirstRunDefaults(settings);
    RepairDownloadParams(settings);
    session.setSettings(settings);
    CookieJar::instance().clear();
}

void QqSiteTest::TearDown() {
    CookieJar::instance().clear();
}

void QqSiteTest::logIn(const QString& pSkey, const QString& skey, const QString& uin) {
    AddCookie("uin", uin, QStringLiteral(".qq.com"));
    AddCookie("skey", skey, QStringLiteral(".qq.com"));
    AddCookie("p_skey", pSkey, QStringLiteral(".qzone.qq.com"));
}

void QqSiteTest::serve(const std::string& host, const std::string& path, const std::string& body) {
    site.route("GET", host, path, [body](const httplib::Request&, httplib::Response& res) {
        res.set_content(body, kJsonp);
    });
}

void QqSiteTest::serveQzone() {
    serve(kUserHost, kRoutePath, Fixture("qzone/route.json"));
    site.route("GET", kProxyHost, kAlbumListPath,
               [](const httplib::Request& req, httplib::Response& res) {
                   const std::string start = req.get_param_value("pageStart");
                   const std::string name = start == "0"    ? "qzone/albums-0.jsonp"
                                            : start == "48" ? "qzone/albums-48.jsonp"
                                                            : "qzone/albums-end.jsonp";
                   res.set_content(Fixture(name), kJsonp);
               });
    site.route("GET", kProxyHost, kPhotoListPath,
               [](const httplib::Request& req, httplib::Response& res) {
                   res.set_content(PhotosOf(req.get_param_value("topicId")), kJsonp);
               });
    serve(kProxyHost, kMoodPath, Fixture("qzone/mood-page.jsonp"));
    servePictures();
}

void QqSiteTest::servePictures() {
    for (const char* path : {"/psb", "/qun/*", "/mblogpic/*"}) {
        site.get(path, [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(PictureBody(req.target), "image/jpeg");
        });
    }
}

void QqSiteTest::runList(const ListOperation& operation, const QString& address) {
    session.listState = kListRunning;
    ListJobContext ctx(env, Category::Qq, session.settings(), extension);
    operation(ctx, address);
    session.listState = kListIdle;
}

std::optional<ListJobResult> QqSiteTest::runListJob(const QString& address, Category listType) {
    session.setAddressText(address);
    ListJob list(env);
    return list.run(ListJobRequest{address, listType, kNoSubType});
}

void QqSiteTest::runPictures(const PictureOperation& operation, int albumIndex, int subType) {
    session.downState = kDownRunning;
    DownloadJobContext ctx(env, Category::Qq, subType, session.settings(), extension,
                           saveDir.path() + QLatin1Char('/'), session.ownerFolder());
    ctx.beginAlbum(albumIndex);
    operation(ctx, albumIndex);
    downList = ctx.downList();
    session.downState = kDownIdle;
}

int QqSiteTest::addAlbum(const AlbumInfo& album) {
    return session.albums.Add(album) - 1;
}

QStringList QqSiteTest::albumNames() const {
    QStringList names;
    for (const AlbumInfo& album : session.albums.snapshot())
        names << album.name;
    return names;
}

} // namespace phodex::test
