// SPDX-License-Identifier: MIT
// One 1 GiB download to a file through the request engine, from a loopback
// server in this process that streams it: time, throughput and the process's
// peak resident memory, which must stay far below the size of the file.
//
//   fetch_download_bench [--gib N] [--dir FOLDER] [--https]
#include "net/fetch.h"
#include "net/netconfig.h"
#include "support/fakesite.h"
#include "support/testtls.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>

namespace {

struct Options {
    int gib = 1;
    QString dir;
    bool https = false;
};

Options parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--gib" && i + 1 < argc)
            options.gib = std::atoi(argv[++i]);
        else if (arg == "--dir" && i + 1 < argc)
            options.dir = QString::fromLocal8Bit(argv[++i]);
        else if (arg == "--https")
            options.https = true;
    }
    return options;
}

double peakRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB on Linux
}

// Serves `total` bytes with a Content-Length, 64 KiB at a time, never holding more.
phodex::test::FakeSite::Handler streamOf(size_t total) {
    return [total](const httplib::Request&, httplib::Response& res) {
        res.set_content_provider(
            total, "application/octet-stream", [](size_t, size_t length, httplib::DataSink& sink) {
                static const std::string block(64 * 1024, 'b');
                return sink.write(block.data(), std::min(length, block.size()));
            });
    };
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parseOptions(argc, argv);
    const size_t total = size_t(options.gib) << 30;
    phodex::test::FakeSite site;
    site.get("/big.bin", streamOf(total));
    phodex::NetConfig config;
    config.connectTo = site.connectToRules();
    config.caFile = phodex::test::testCaFile();
    config.proxy = QString();
    if (!phodex::setNetConfig(config))
        return 1;

    QTemporaryDir dir(options.dir.isEmpty()
                          ? QDir::tempPath() + QStringLiteral("/fetchbench-XXXXXX")
                          : options.dir + QStringLiteral("/fetchbench-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("big.bin"));
    const QString url = QStringLiteral("%1://photo.163.com/big.bin")
                            .arg(options.https ? QStringLiteral("https") : QStringLiteral("http"));
    std::printf("peak RSS before the download: %.1f MiB\n", peakRssMiB());

    phodex::CUrlRequest request(url, path, 20000);
    phodex::CUrlResponse response;
    QElapsedTimer timer;
    timer.start();
    const bool ok = phodex::Fetch(response, request, 0x03);
    const double seconds = double(timer.elapsed()) / 1000.0;
    const qint64 size = QFileInfo(path).size();

    std::printf("%s: %s, %lld bytes in %.2f s (%.0f MiB/s)\n", options.https ? "https" : "http",
                ok ? "ok" : "FAILED", static_cast<long long>(size), seconds,
                double(size) / (1 << 20) / seconds);
    if (!ok)
        std::printf("failure: %s\n", qUtf8Printable(phodex::LastFetchFailure()));
    std::printf("peak RSS of the process: %.1f MiB (limit 64 MiB)\n", peakRssMiB());
    return ok && size == qint64(total) ? 0 : 1;
}
