// SPDX-License-Identifier: MIT
// The download manager over a long list against a loopback site that misbehaves
// for a share of the pictures: connection resets, stalls, bodies cut short,
// server errors and gzip bombs, some once (the retry gets the picture), some
// every time. Checks that every picture ends whole or counted as failed, that
// no file holds anything but a complete reply, that no part file is left, and
// prints the resident memory as the work goes on (it should stay flat).
//
//   soak_bench [--pictures N] [--size BYTES] [--fault-percent P] [--threads T]
#include "core/seams/jobobserver.h"
#include "core/session.h"
#include "download/manager.h"
#include "net/netconfig.h"
#include "support/fakesite.h"
#include "support/gzip.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Options {
    int pictures = 20000;
    int size = 16 * 1024;
    int faultPercent = 5;
    int threads = 15;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        const int value = std::atoi(argv[i + 1]);
        if (arg == "--pictures")
            options.pictures = value;
        else if (arg == "--size")
            options.size = value;
        else if (arg == "--fault-percent")
            options.faultPercent = value;
        else if (arg == "--threads")
            options.threads = value;
    }
    return options;
}

enum class Fault { None, Reset, Stall, CutShort, ServerError, GzipBomb };
constexpr const char* kFaultNames[] = {"none", "reset", "stall", "cut short", "500", "gzip bomb"};

// Picture i's fault, spread evenly over the kinds; every fifth faulty picture
// fails on every request, the others only on the first.
struct Plan {
    Fault fault = Fault::None;
    bool always = false;
};

Plan PlanFor(int i, const Options& options) {
    const unsigned mixed = unsigned(i) * 2654435761u;
    if (int(mixed % 1000) >= options.faultPercent * 10)
        return {};
    return {Fault(1 + (mixed / 1000) % 5), (mixed / 5000) % 5 == 0};
}

std::string GoodBody(int i, int size) {
    std::string body("\xFF\xD8\xFF\xE0", 4);
    body += "picture " + std::to_string(i) + " ";
    while (int(body.size()) < size)
        body += char('a' + (body.size() * 7 + size_t(i)) % 26);
    return body;
}

const std::string kErrorPage = "<html><body>500 Internal Server Error</body></html>";

// What the server sends when the fault happens, for the replies that are complete.
std::string CompleteFaultReply(Fault fault) {
    return fault == Fault::ServerError ? kErrorPage : phodex::test::gzipOfZeros(80u << 20);
}

// The site lives in a child process, so that the figures of this process are
// the downloader's alone.
pid_t StartSite(const Options& options, int& port) {
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid != 0) {
        close(fds[1]);
        if (read(fds[0], &port, sizeof port) != sizeof port)
            port = -1;
        close(fds[0]);
        return pid;
    }
    close(fds[0]);
    auto* site = new phodex::test::FakeSite;
    auto* served = new std::vector<std::atomic<int>>(size_t(options.pictures));
    const phodex::test::FakeSite::Handler bomb = phodex::test::FakeSite::gzipBomb();
    const phodex::test::FakeSite::Handler error = phodex::test::FakeSite::status(500, kErrorPage);
    site->get("/p/*", [=](const httplib::Request& req, httplib::Response& res) {
        const int i = std::atoi(req.path.c_str() + 3);
        if (i < 0 || i >= options.pictures)
            return error(req, res);
        const std::string body = GoodBody(i, options.size);
        // The validator lets a broken transfer be continued.
        res.set_header("ETag", "\"" + std::to_string(i) + "\"");
        const Plan plan = PlanFor(i, options);
        if (plan.fault == Fault::None || (!plan.always && (*served)[size_t(i)]++ > 0))
            return res.set_content(body, "image/jpeg");
        switch (plan.fault) {
        case Fault::Reset:
            return site->cutOff(body, body.size() / 2)(req, res);
        case Fault::Stall:
            return site->stall(body.size())(req, res);
        case Fault::CutShort:
            res.set_content_provider(body.size(), "image/jpeg",
                                     [body](size_t offset, size_t, httplib::DataSink& sink) {
                                         if (offset == 0)
                                             sink.write(body.data(), body.size() / 2);
                                         return offset == 0; // then the connection closes
                                     });
            return;
        case Fault::ServerError:
            return error(req, res);
        case Fault::GzipBomb:
        case Fault::None:
            return bomb(req, res);
        }
    });
    const int sitePort = site->httpPort();
    if (write(fds[1], &sitePort, sizeof sitePort) != sizeof sitePort)
        _exit(1);
    close(fds[1]);
    pause();
    _exit(0);
}

long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Prints the resident memory each time another tenth of the pictures has ended.
class MemoryObserver : public phodex::NullJobObserver {
public:
    void progress(int done, int total, qint64) override {
        if (total > 0 && done * 10 / total > m_printedTenth) {
            m_printedTenth = done * 10 / total;
            std::printf("  %5d of %d ended, resident %ld KB\n", done, total, ResidentKb());
            std::fflush(stdout);
        }
    }

private:
    int m_printedTenth = 0;
};

} // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    int port = -1;
    const pid_t server = StartSite(options, port);
    if (server < 0 || port <= 0) {
        std::fprintf(stderr, "cannot start the site\n");
        return 1;
    }
    phodex::NetConfig config;
    config.proxy = QString();
    phodex::setNetConfig(config);

    QTemporaryDir dir;
    phodex::CDownList list;
    list.folder = dir.path() + u'/';
    int planned[6][2] = {};
    for (int i = 0; i < options.pictures; ++i) {
        list.urls << QStringLiteral("http://127.0.0.1:%1/p/%2.jpg").arg(port).arg(i);
        list.names << QStringLiteral("%1.jpg").arg(i);
        const Plan plan = PlanFor(i, options);
        ++planned[int(plan.fault)][plan.always ? 1 : 0];
    }
    std::printf("%d pictures of %d bytes, %d threads; faults (once / every time):\n",
                options.pictures, options.size, options.threads);
    for (int f = 1; f < 6; ++f)
        std::printf("  %-9s %4d / %d\n", kFaultNames[f], planned[f][0], planned[f][1]);
    phodex::DownloadParams params;
    params.threads = std::uint16_t(options.threads);
    params.timeoutSeconds = phodex::kMinTimeoutSeconds;
    phodex::Session session;
    MemoryObserver observer;
    QElapsedTimer timer;
    timer.start();
    const phodex::DownloadOutcome outcome =
        phodex::DownloadManager(list, params, session, observer);
    const qint64 wallMs = timer.elapsed();

    // Every picture: whole, or a complete reply the server sent (no status
    // check, no decoding of picture bodies), or missing and counted as failed.
    int whole = 0, completeFaultReplies = 0, missing = 0, wrong = 0, parts = 0, expectedMissing = 0;
    for (int i = 0; i < options.pictures; ++i) {
        const Plan plan = PlanFor(i, options);
        const bool transportFault = plan.fault == Fault::Reset || plan.fault == Fault::Stall ||
                                    plan.fault == Fault::CutShort;
        expectedMissing += transportFault && plan.always ? 1 : 0;
        QFile file(list.folder + list.names.at(i));
        if (!file.exists()) {
            ++missing;
            continue;
        }
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        const bool faultReply = (plan.fault == Fault::ServerError || plan.fault == Fault::GzipBomb);
        if (bytes == QByteArray::fromStdString(GoodBody(i, options.size)))
            ++whole;
        else if (faultReply && bytes == QByteArray::fromStdString(CompleteFaultReply(plan.fault)))
            ++completeFaultReplies;
        else
            ++wrong;
    }
    parts = int(QDir(dir.path()).entryList({QStringLiteral("*.part")}, QDir::Files).size());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("wall %lld ms, peak resident %ld KB\n", static_cast<long long>(wallMs),
                usage.ru_maxrss);
    std::printf("saved %d (whole %d, complete fault replies %d), failed %d, missing %d "
                "(expected %d), wrong bytes %d, part files left %d\n",
                outcome.saved, whole, completeFaultReplies, outcome.total - outcome.saved, missing,
                expectedMissing, wrong, parts);
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    // Nothing silently lost: what is missing is what the manager counted as failed.
    const bool sound = wrong == 0 && parts == 0 && missing == outcome.total - outcome.saved &&
                       missing == expectedMissing;
    std::printf("%s\n", sound ? "sound" : "NOT SOUND");
    return sound ? 0 : 1;
}
