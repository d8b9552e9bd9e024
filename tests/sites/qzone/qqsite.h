// SPDX-License-Identifier: MIT
#pragma once

#include "adapters/sitetable.h"
#include "core/downlist.h"
#include "core/jobcontext.h"
#include "core/seams/browserbridge.h"
#include "core/seams/keystate.h"
#include "core/seams/recordingobserver.h"
#include "core/seams/shell.h"
#include "core/seams/userprompt.h"
#include "core/session.h"
#include "jobs/listjob.h"
#include "jobs/listjobcontext.h"
#include "net/recordingpacer.h"
#include "support/fakesite.h"
#include "unit/text/qstring_printer.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <optional>
#include <string>

// The QQ services as loopback fake sites under their real host names, and
// the seams the QQ operations talk to, recording.
namespace phodex::test {

using namespace Qt::StringLiterals;

// A fixture file's bytes: path below tests/fixtures/.
std::string Fixture(const std::string& path);

// Records the login windows asked for, the pages captured and the addresses
// cookies were asked for; onLogin stands for what the user does in the window
// (log in, or just close it), onCookies for the cookies the browser's store
// holds for an address ("" without it).
class LoginBrowser : public NullBrowserBridge {
public:
    void loginAndWait(const QString& address, int mode) override;
    QString capturePageText(const QString& address, int timeoutMs) override;
    QString cookiesFor(const QString& address) override;
    QStringList logins() const;
    QStringList cookieAddresses() const;
    // Every call in order: "login <mode> <address>", "capture <ms> <address>",
    // "cookies <address>".
    QStringList calls() const;
    std::function<void(const QString& address)> onLogin;
    std::function<QString(const QString& address)> onCookies;

private:
    void record(const QString& call);

    mutable std::mutex m_mutex;
    QStringList m_logins;
    QStringList m_cookieAddresses;
    QStringList m_calls;
};

// One query value of a request as the site received it, percent-decoded.
QString Param(const ReceivedRequest& request, const QString& key);
// The header's value, "" when absent.
QString Header(const ReceivedRequest& request, const char* name);
// Every file below path, relative to it, sorted.
QStringList FilesBelow(const QString& path);
// A small JPEG-looking body that differs for every request target.
std::string PictureBody(const std::string& target);

inline const std::string kUserHost = "user.qzone.qq.com";
inline const std::string kProxyHost = "h5.qzone.qq.com";
inline const std::string kRoutePath = "/proxy/domain/route.store.qq.com/GetRoute";
inline const std::string kAlbumListPath =
    "/proxy/domain/alist.photo.qq.com/fcgi-bin/fcg_list_album_v3";
inline const std::string kPhotoListPath =
    "/proxy/domain/photo.qzone.qq.com/fcgi-bin/cgi_list_photo";
inline const std::string kMoodPath = "/proxy/domain/taotao.qq.com/cgi-bin/emotion_cgi_msglist_v6";
inline const QString kOwner = QStringLiteral("12345");

class QqSiteTest : public ::testing::Test {
protected:
    // Out of line: the members' construction and destruction would otherwise
    // be compiled again into every test of every site test file.
    QqSiteTest();
    ~QqSiteTest() override;

    void SetUp() override;
    void TearDown() override;

    // The login cookies of viewer 12345 as the QQ login leaves them.
    void logIn(const QString& pSkey = QStringLiteral("pskey-abc"),
               const QString& skey = QStringLiteral("@skey-xyz"),
               const QString& uin = QStringLiteral("o0012345"));
    void serve(const std::string& host, const std::string& path, const std::string& body);
    // The route reply, the album list in pages (pageStart 0, 48, then the
    // end), photos by album id, and every picture address.
    void serveQzone();
    void servePictures();

    // A list operation run the way the list job runs it.
    void runList(const ListOperation& operation, const QString& address);
    // The whole list job on an address typed into the window, as the Get
    // List button starts it.
    std::optional<ListJobResult> runListJob(const QString& address, Category listType);
    // A picture operation run the way the download job runs it, into the
    // save folder; the download list is left in downList for the test.
    void runPictures(const PictureOperation& operation, int albumIndex, int subType = 0);
    // Puts an album into the album list as a list operation would have.
    int addAlbum(const AlbumInfo& album);
    QStringList albumNames() const;
    QStringList urls() const { return downList.urls; }

    FakeSite site;
    RecordingPacer pauses;
    ScopedPacer pacerScope{pauses};
    QTemporaryDir workDir;
    QTemporaryDir saveDir;
    Session session;
    SiteTable table = MakeSiteTable();
    RecordingJobObserver observer;
    ScriptedUserPrompt prompt;
    LoginBrowser browser;
    FixedKeyState keys;
    RecordingShell shell;
    JobEnv env{session, table, observer, prompt, browser, keys, shell};
    ExtensionSettings extension;
    CDownList downList; // what the last picture operation run here listed
};

} // namespace phodex::test
