// SPDX-License-Identifier: MIT
// The misbehaving replies real sites produce, for the engine's failure paths.
#include "support/connectionsocket.h"
#include "support/fakesite.h"
#include "support/gzip.h"

namespace phodex::test {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A stalled reply gives up on its own after this, so a test that never reads
// cannot hold a worker forever.
constexpr auto kLongestHold = 120s;

std::string sampleArticle() {
    std::string text = "<html><body>\n";
    for (int i = 0; i < 4000; ++i)
        text += "<p>line " + std::to_string(i) + " of the long page " + std::to_string(i * 7919) +
                "</p>\n";
    return text + "</body></html>\n";
}

} // namespace

bool FakeSite::holdWhileConnected(const httplib::Request& req,
                                  std::chrono::milliseconds wait) const {
    const int fd = findConnectionSocket(req.local_port, req.remote_port);
    const auto deadline = Clock::now() + wait;
    while (Clock::now() < deadline) {
        if (waitForShutdown(20ms) || (fd >= 0 && peerHasLeft(fd)))
            return false;
    }
    return true;
}

FakeSite::Handler FakeSite::resetMidBody(size_t declaredLength, size_t sentBytes) const {
    return cutOff(std::string(sentBytes, 'r') + std::string(declaredLength - sentBytes, '-'),
                  sentBytes);
}

FakeSite::Handler FakeSite::cutOff(std::string body, size_t sentBytes) const {
    return [this, body, sentBytes](const httplib::Request& req, httplib::Response& res) {
        const httplib::Request* request = &req;
        res.set_content_provider(
            body.size(), "application/octet-stream",
            [this, request, body, sentBytes](size_t offset, size_t, httplib::DataSink& sink) {
                if (offset < sentBytes)
                    sink.write(body.data() + offset, sentBytes - offset);
                // Let the client take in the part before the reset arrives.
                holdWhileConnected(*request, 200ms);
                const int fd = findConnectionSocket(request->local_port, request->remote_port);
                if (fd >= 0)
                    resetConnection(fd);
                return false;
            });
    };
}

FakeSite::Handler FakeSite::stall(size_t declaredLength) const {
    return [this, declaredLength](const httplib::Request& req, httplib::Response& res) {
        const httplib::Request* request = &req;
        res.set_content_provider(declaredLength, "text/html",
                                 [this, request](size_t, size_t, httplib::DataSink&) {
                                     holdWhileConnected(*request, kLongestHold);
                                     return false;
                                 });
    };
}

FakeSite::Handler FakeSite::slowDrip(std::string body, size_t pieceBytes,
                                     std::chrono::milliseconds interval) const {
    return [this, body, pieceBytes, interval](const httplib::Request& req, httplib::Response& res) {
        const httplib::Request* request = &req;
        res.set_content_provider(body.size(), "text/html",
                                 [this, request, body, pieceBytes,
                                  interval](size_t offset, size_t length, httplib::DataSink& sink) {
                                     if (offset > 0 && !holdWhileConnected(*request, interval))
                                         return false;
                                     return sink.write(body.data() + offset,
                                                       std::min(pieceBytes, length));
                                 });
    };
}

FakeSite::Handler FakeSite::truncatedGzip(const std::string& text) {
    const std::string whole = gzipBytes(text);
    const std::string cut = whole.substr(0, whole.size() / 2);
    return [cut](const httplib::Request&, httplib::Response& res) {
        res.set_header("Content-Encoding", "gzip");
        res.set_content(cut, "text/html; charset=utf-8");
    };
}

FakeSite::Handler FakeSite::gzipBomb(size_t inflatedBytes) {
    return [inflatedBytes](const httplib::Request&, httplib::Response& res) {
        res.set_header("Content-Encoding", "gzip");
        res.set_content(gzipOfZeros(inflatedBytes), "text/html; charset=utf-8");
    };
}

FakeSite::Handler FakeSite::status(int code, std::string body, std::string contentType) {
    return [code, body, contentType](const httplib::Request&, httplib::Response& res) {
        res.status = code;
        if (!body.empty())
            res.set_content(body, contentType);
    };
}

FakeSite::Handler FakeSite::redirectTo(std::string location, int code) {
    return [location, code](const httplib::Request&, httplib::Response& res) {
        res.set_redirect(location, code);
    };
}

FakeSite::Handler FakeSite::setCookies(std::vector<std::string> setCookieValues, std::string body) {
    return [setCookieValues, body](const httplib::Request&, httplib::Response& res) {
        for (const std::string& value : setCookieValues)
            res.headers.emplace("Set-Cookie", value);
        res.set_content(body, "text/plain");
    };
}

void FakeSite::redirectChain(const std::string& entry, int hops, const std::string& target) {
    const auto hop = [&entry](int i) { return i == 1 ? entry : entry + "/" + std::to_string(i); };
    for (int i = 1; i <= hops; ++i)
        get(hop(i), redirectTo(i == hops ? target : hop(i + 1)));
}

void FakeSite::mountFaultRoutes() {
    get("/fault/reset", resetMidBody());
    get("/fault/stall", stall());
    get("/fault/drip", slowDrip(std::string(1000, 'd'), 100, 100ms));
    get("/fault/truncated-gzip", truncatedGzip(sampleArticle()));
    get("/fault/gzip-bomb", gzipBomb());
    get("/fault/204", status(204, ""));
    get("/fault/404", status(404, "<html>not found</html>"));
    get("/fault/500", status(500, "<html>server error</html>"));
    redirectChain("/fault/redirect", 3, "/fault/redirect-end");
    page("/fault/redirect-end", "end");
    get("/fault/set-cookie", setCookies({"a=1; Path=/", "b=2; Path=/; HttpOnly"}));
}

} // namespace phodex::test
