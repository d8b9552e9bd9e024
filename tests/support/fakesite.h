// SPDX-License-Identifier: MIT
#pragma once

#include <httplib.h>

#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace phodex::test {

// One request as the fake site received it.
struct ReceivedRequest {
    bool https = false;
    std::string method;
    std::string host; // Host header without a port
    std::string path;
    std::string target; // path and query, as sent
    httplib::Headers headers;
    std::string body;

    std::string header(const std::string& name) const;
};

// A loopback web site for tests: one HTTP and one HTTPS server on 127.0.0.1,
// each on a port of its own, both serving the same routes. Tests keep the real
// site addresses and send them here with connectToRules() and testCaFile().
//
// A route matches a method, a host (empty: any host) and a path; a path that
// ends in "*" matches every path with that prefix. The route added last wins,
// so a test can replace a route set up earlier. Unknown paths get a 404 with
// the body "no route". Handlers run on the servers' worker threads.
//
// The server never compresses a reply by itself: a test that wants gzip sends
// gzipped bytes with its own Content-Encoding (see gzip.h).
class FakeSite {
public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;

    FakeSite();
    ~FakeSite();
    FakeSite(const FakeSite&) = delete;
    FakeSite& operator=(const FakeSite&) = delete;

    int httpPort() const { return m_httpPort; }
    int httpsPort() const { return m_httpsPort; }
    // "http://127.0.0.1:PORT/path" and "https://127.0.0.1:PORT/path".
    std::string httpUrl(const std::string& path) const;
    std::string httpsUrl(const std::string& path) const;
    // libcurl connect-to rules that send every host's port 80 and 443 here.
    QStringList connectToRules() const;

    void route(const std::string& method, const std::string& host, const std::string& path,
               Handler handler);
    void get(const std::string& path, Handler handler) { route("GET", "", path, handler); }
    void post(const std::string& path, Handler handler) { route("POST", "", path, handler); }
    // A GET route that always answers 200 with this body.
    void page(const std::string& path, const std::string& body,
              const std::string& contentType = "text/html; charset=utf-8");

    std::vector<ReceivedRequest> requests() const;
    // Requests whose path equals `path` (with a trailing "*": starts with it).
    std::vector<ReceivedRequest> requestsTo(const std::string& path) const;
    int countOf(const std::string& path) const;
    std::optional<ReceivedRequest> lastRequestTo(const std::string& path) const;
    void clearRequests();

    // Fault routes. Handlers that hold a connection open give up when the
    // client leaves or the site shuts down, whichever comes first.
    //
    // Announces `declaredLength` bytes, sends `sentBytes` of them, then resets
    // the connection (TCP RST).
    Handler resetMidBody(size_t declaredLength = 100000, size_t sentBytes = 1000) const;
    // Announces body.size() bytes, sends the first `sentBytes` of body, then
    // resets the connection: a transfer that breaks off.
    Handler cutOff(std::string body, size_t sentBytes) const;
    // Sends the status line and headers (Content-Length: declaredLength), then nothing.
    Handler stall(size_t declaredLength = 1000) const;
    // Sends `body` in pieces of `pieceBytes`, one piece every `interval`.
    Handler slowDrip(std::string body, size_t pieceBytes, std::chrono::milliseconds interval) const;
    // A gzip stream of `text` cut to half its length; Content-Encoding: gzip,
    // Content-Length of the cut stream, so the transfer itself completes.
    static Handler truncatedGzip(const std::string& text);
    // A small gzip body (well under 1 MiB) that inflates to `inflatedBytes`.
    static Handler gzipBomb(size_t inflatedBytes = 80u << 20);
    static Handler status(int code, std::string body,
                          std::string contentType = "text/html; charset=utf-8");
    static Handler redirectTo(std::string location, int code = 302);
    // Answers with one Set-Cookie header per value, and `body`.
    static Handler setCookies(std::vector<std::string> setCookieValues, std::string body = "ok");
    // GET `entry` redirects `hops` times (entry, entry/2, ... entry/hops) and
    // then to `target`.
    void redirectChain(const std::string& entry, int hops, const std::string& target);

    // Mounts every fault route under /fault/: reset, stall, drip,
    // truncated-gzip, gzip-bomb, 204, 404, 500, redirect (3 hops to
    // /fault/redirect-end, which answers "end"), set-cookie (sets
    // "a=1; Path=/" and "b=2; Path=/; HttpOnly").
    void mountFaultRoutes();

    // Blocks up to `timeout`; true when the site is shutting down.
    bool waitForShutdown(std::chrono::milliseconds timeout) const;

private:
    struct Route {
        std::string method;
        std::string host;
        std::string path;
        Handler handler;
    };

    void start(httplib::Server& server, int& port, std::thread& thread);
    void dispatch(bool https, const httplib::Request& req, httplib::Response& res);
    Handler findHandler(const std::string& method, const std::string& host,
                        const std::string& path) const;
    // Waits while the peer is connected to the socket serving `req`; false
    // when the wait ended because the client left or the site shuts down.
    bool holdWhileConnected(const httplib::Request& req, std::chrono::milliseconds wait) const;

    std::unique_ptr<httplib::Server> m_http;
    std::unique_ptr<httplib::Server> m_https;
    std::thread m_httpThread;
    std::thread m_httpsThread;
    int m_httpPort = -1;
    int m_httpsPort = -1;

    mutable std::mutex m_mutex;
    std::vector<Route> m_routes;
    std::vector<ReceivedRequest> m_requests;

    mutable std::mutex m_stopMutex;
    mutable std::condition_variable m_stopCv;
    bool m_stopping = false;
};

} // namespace phodex::test
