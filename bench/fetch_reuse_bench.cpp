// SPDX-License-Identifier: MIT
// 1000 small HTTPS pages one after another through the request engine, with
// the thread's connection kept between requests and without: wall time and
// the number of new connections, each of which costs a TLS handshake.
//
//   fetch_reuse_bench [--pages N] [--bytes N] [--http]
#include "net/fetch.h"
#include "net/netconfig.h"
#include "support/testtls.h"

#include <httplib.h>

#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

namespace {

struct Options {
    int pages = 1000;
    int bytes = 2048;
    bool https = true;
};

Options parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--pages" && i + 1 < argc)
            options.pages = std::atoi(argv[++i]);
        else if (arg == "--bytes" && i + 1 < argc)
            options.bytes = std::atoi(argv[++i]);
        else if (arg == "--http")
            options.https = false;
    }
    return options;
}

// A server that keeps a connection for as many requests as the client sends
// and answers each at once (no Nagle delay), so only the client is measured.
class PageServer {
public:
    PageServer(bool https, int bytes) {
        if (https)
            m_server = std::make_unique<httplib::SSLServer>(
                phodex::test::testServerCertFile().toLocal8Bit().constData(),
                phodex::test::testServerKeyFile().toLocal8Bit().constData());
        else
            m_server = std::make_unique<httplib::Server>();
        m_server->set_keep_alive_max_count(1000000);
        m_server->set_tcp_nodelay(true);
        const std::string page(size_t(bytes), 'p');
        m_server->Get("/page", [page](const httplib::Request&, httplib::Response& res) {
            res.set_content(page, "text/html");
        });
        m_port = m_server->bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server->listen_after_bind(); });
        while (!m_server->is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~PageServer() {
        m_server->stop();
        m_thread.join();
    }
    int port() const { return m_port; }

private:
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    int m_port = 0;
};

bool run(const Options& options, const PageServer& server, bool reuse) {
    phodex::NetConfig config;
    config.connectTo = {QStringLiteral("::127.0.0.1:%1").arg(server.port())};
    config.caFile = phodex::test::testCaFile();
    config.proxy = QString();
    config.reuseConnections = reuse;
    if (!phodex::setNetConfig(config))
        return false;
    phodex::CloseThreadConnections();
    const QString url = QStringLiteral("%1://www.douban.com/page")
                            .arg(options.https ? QStringLiteral("https") : QStringLiteral("http"));
    const qint64 connectionsBefore = phodex::newConnectionCount();
    int failed = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < options.pages; ++i) {
        phodex::CUrlRequest request(url, QString(), 20000);
        phodex::CUrlResponse response;
        if (!phodex::Fetch(response, request, 0) || response.body.size() != options.bytes)
            ++failed;
    }
    const qint64 ms = timer.elapsed();
    std::printf("%-10s %6d pages  %8lld ms  %7.2f ms/page  %6lld new connections  %d failed\n",
                reuse ? "reuse" : "no reuse", options.pages, static_cast<long long>(ms),
                double(ms) / options.pages,
                static_cast<long long>(phodex::newConnectionCount() - connectionsBefore), failed);
    return failed == 0;
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parseOptions(argc, argv);
    PageServer server(options.https, options.bytes);
    std::printf("%s, %d-byte pages, one thread\n", options.https ? "https" : "http", options.bytes);
    const bool ok = run(options, server, true) && run(options, server, false);
    phodex::CloseThreadConnections();
    return ok ? 0 : 1;
}
