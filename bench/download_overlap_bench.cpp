// SPDX-License-Identifier: MIT
// The download job over a site that paces its album pages as the real sites
// do and whose pictures answer slowly: the job's wall time against listing
// alone (the list-only option) and transferring alone (each album's list
// downloaded as `phodex-cli get-list` does), one after the other.
//
//   download_overlap_bench [--albums N] [--pages N] [--per-page N] [--page-ms MS]
//                          [--delay-ms MS] [--threads N] [--runs N]
#include "adapters/sitetable.h"
#include "core/pagewalk.h"
#include "core/seams/browserbridge.h"
#include "core/seams/jobobserver.h"
#include "core/seams/keystate.h"
#include "core/seams/shell.h"
#include "core/seams/userprompt.h"
#include "core/session.h"
#include "download/manager.h"
#include "jobs/downloadjob.h"
#include "jobs/downloadjoblist.h"
#include "net/fetch.h"
#include "net/netconfig.h"
#include "net/pacer.h"
#include "net/pagetext.h"
#include "settings/defaults.h"
#include "support/fakesite.h"
#include "support/testtls.h"
#include "text/markers.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

using namespace phodex;
using test::FakeSite;

struct Options {
    int albums = 8;
    int pages = 3;     // album pages per album
    int perPage = 4;   // pictures per album page
    int pageMs = 300;  // the site's pacing before each album page
    int delayMs = 200; // until a picture answers
    int threads = 4;
    int runs = 3;
};

Options parseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        const int value = std::atoi(argv[i + 1]);
        if (arg == "--albums")
            o.albums = value;
        else if (arg == "--pages")
            o.pages = value;
        else if (arg == "--per-page")
            o.perPage = value;
        else if (arg == "--page-ms")
            o.pageMs = value;
        else if (arg == "--delay-ms")
            o.delayMs = value;
        else if (arg == "--threads")
            o.threads = value;
        else if (arg == "--runs")
            o.runs = value;
    }
    return o;
}

constexpr Category kBenchCategory = categoryAt(kCategoryCount);
constexpr PictureOp kBenchPictureOp = "BenchListPhotos";
const QString kHost = QStringLiteral("album.bench.example");

// Album page p of album a: its pictures, and a link to the next page.
std::string AlbumPage(const Options& o, const std::string& album, int page) {
    std::string body = "<html>";
    for (int i = 0; i < o.perPage; ++i)
        body += "<img src=\"http://pics.bench.example/p/" + album + "-" +
                std::to_string((page - 1) * o.perPage + i) + ".jpg\">\n";
    if (page < o.pages)
        body += "<a class=\"next\">";
    return body + "</html>";
}

void Serve(FakeSite& site, const Options& o) {
    site.get("/album/*", [o](const httplib::Request& req, httplib::Response& res) {
        const int page = req.has_param("page") ? std::stoi(req.get_param_value("page")) : 1;
        res.set_content(AlbumPage(o, req.path.substr(7), page), "text/html; charset=utf-8");
    });
    const std::string picture = std::string("\xFF\xD8\xFF\xE0", 4) + std::string(30000, 'p');
    site.get("/p/*", [o, picture](const httplib::Request&, httplib::Response& res) {
        // The picture host's own slowness.
        std::this_thread::sleep_for(std::chrono::milliseconds(o.delayMs));
        res.set_content(picture, "image/jpeg");
    });
}

// Written as the real picture operations are: the site's pause, then a page,
// one AddPicture per picture, a stop test after each.
void BenchListPhotos(PictureContext& ctx, int albumIndex, int pageMs) {
    const AlbumInfo album = ctx.album(albumIndex);
    CUrlRequest request(QString(), QString(), 20000);
    CUrlResponse response;
    PageWalk walk;
    while (walk.nextPage()) {
        pacer().sleepMs(pageMs);
        request.url =
            QStringLiteral("http://%1/album/%2?page=%3").arg(kHost, album.key).arg(walk.pages());
        if (!Fetch(response, request, 0))
            return;
        QString page = GetText(response, kTextInflate | kTextUtf8);
        QStringList items;
        SplitBy(page, QStringLiteral("<img "), items);
        for (qsizetype i = 1; i < items.size(); ++i) {
            QString url = GetBetween(items[i], QStringLiteral("src=\""), QStringLiteral("\""));
            if (url.isEmpty() || !walk.isNew(url))
                continue;
            ctx.addPicture(url, QString(), QString(), albumIndex);
            if (!ctx.keepListing())
                return;
        }
        if (!page.contains(QStringLiteral("class=\"next\"")))
            return;
    }
}

int CountFiles(const QString& folder, const QString& pattern) {
    int count = 0;
    QDirIterator it(folder, {pattern}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

class Bench {
public:
    explicit Bench(const Options& o) : m_o(o) {
        Serve(m_site, o);
        NetConfig config;
        config.connectTo = m_site.connectToRules();
        config.caFile = test::testCaFile();
        config.proxy = QString();
        setNetConfig(config);
        m_session.workDir = m_work.path() + u'/';
        m_session.ready = true;
        m_session.listType = kBenchCategory;
        for (int a = 0; a < o.albums; ++a) {
            AlbumInfo album;
            album.name = QStringLiteral("Album %1").arg(a + 1);
            album.key = QStringLiteral("a%1").arg(a + 1);
            m_session.albums.Add(album);
            m_ticked.push_back(a);
        }
        m_table.addRow(SiteRow{kBenchCategory,
                               {kAnyOtherSubType},
                               QStringLiteral("Bench site"),
                               QStringLiteral("an album"),
                               {},
                               {kBenchPictureOp},
                               QString()});
        const int pageMs = o.pageMs;
        m_table.setPicture(kBenchPictureOp, [pageMs](PictureContext& ctx, int index) {
            BenchListPhotos(ctx, index, pageMs);
        });
    }

    // The whole job into a fresh folder; the wall time in ms.
    qint64 job(std::uint16_t options, const QString& into) {
        SettingsRecord record;
        RepairDownloadParams(record);
        record.downloadFor(kBenchCategory).threads = std::uint16_t(m_o.threads);
        record.downloadFor(kBenchCategory).timeoutSeconds = 60;
        record.profileFor(kBenchCategory).optionFlags = options;
        m_session.setSettings(record);
        DownloadJob downloads(m_env);
        QElapsedTimer timer;
        timer.start();
        downloads.run(DownloadJobRequest{into, m_ticked});
        return timer.elapsed();
    }

    // Every album's list file downloaded into its folder, one after the other.
    qint64 getLists(const QString& lists, const QString& into) {
        DownloadParams params;
        params.threads = std::uint16_t(m_o.threads);
        params.timeoutSeconds = 60;
        QElapsedTimer timer;
        timer.start();
        for (int a = 1; a <= m_o.albums; ++a) {
            const QString name = QStringLiteral("Album %1").arg(a);
            QFile file(lists + u'/' + name + u'/' + name + QStringLiteral(".lst"));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString folder = into + u'/' + name + u'/';
            QDir().mkpath(folder);
            const CDownList list = MakeAddressDownload(ReadAddressList(file.readAll()), folder);
            m_session.stopFlag = false;
            DownloadManager(list, params, m_session, m_observer);
        }
        return timer.elapsed();
    }

private:
    Options m_o;
    FakeSite m_site;
    QTemporaryDir m_work;
    Session m_session;
    SiteTable m_table = MakeSiteTable();
    NullJobObserver m_observer;
    NullUserPrompt m_prompt;
    NullBrowserBridge m_browser;
    FixedKeyState m_keys;
    RecordingShell m_shell;
    JobEnv m_env{m_session, m_table, m_observer, m_prompt, m_browser, m_keys, m_shell};
    std::vector<int> m_ticked;
};

} // namespace

int main(int argc, char** argv) {
    const Options o = parseOptions(argc, argv);
    const int pictures = o.albums * o.pages * o.perPage;
    std::printf("%d albums x %d pages x %d pictures, %d ms before each page, pictures answer "
                "after %d ms, %d threads\n",
                o.albums, o.pages, o.perPage, o.pageMs, o.delayMs, o.threads);
    Bench bench(o);
    bool complete = true;
    for (int run = 1; run <= o.runs; ++run) {
        QTemporaryDir lists, transfers, whole;
        const qint64 listing = bench.job(kOptionListOnly, lists.path());
        const qint64 transfer = bench.getLists(lists.path(), transfers.path());
        const qint64 wall = bench.job(0, whole.path());
        const int arrived = CountFiles(whole.path(), QStringLiteral("*.jpg"));
        const int transferred = CountFiles(transfers.path(), QStringLiteral("*.jpg"));
        complete = complete && arrived == pictures && transferred == pictures;
        const qint64 larger = std::max(listing, transfer);
        std::printf("run %d  list-only %6lld ms  get-list %6lld ms  sum %6lld ms  "
                    "job %6lld ms  job/max %.3f  job/sum %.3f  files %d/%d\n",
                    run, static_cast<long long>(listing), static_cast<long long>(transfer),
                    static_cast<long long>(listing + transfer), static_cast<long long>(wall),
                    double(wall) / double(larger), double(wall) / double(listing + transfer),
                    arrived, pictures);
    }
    return complete ? 0 : 1;
}
