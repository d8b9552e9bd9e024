// SPDX-License-Identifier: MIT
#include "support/fakesite.h"

#include "support/connectionsocket.h"
#include "support/testtls.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace phodex::test {

namespace {

// Enough workers for fifteen download threads plus a few held fault connections:
// an idle keep-alive connection occupies a worker until it times out.
constexpr size_t kWorkersPerServer = 24;

std::string hostWithoutPort(const std::string& hostHeader) {
    std::string host = hostHeader;
    if (!host.empty() && host.front() == '[')
        host = host.substr(1, host.find(']') - 1);
    else if (const auto colon = host.find(':'); colon != std::string::npos)
        host.resize(colon);
    std::transform(host.begin(), host.end(), host.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return host;
}

bool pathMatches(const std::string& pattern, const std::string& path) {
    if (!pattern.empty() && pattern.back() == '*')
        return path.compare(0, pattern.size() - 1, pattern, 0, pattern.size() - 1) == 0;
    return pattern == path;
}

} // namespace

std::string ReceivedRequest::header(const std::string& name) const {
    const auto it = headers.find(name);
    return it == headers.end() ? std::string() : it->second;
}

FakeSite::FakeSite()
    : m_http(std::make_unique<httplib::Server>()),
      m_https(std::make_unique<httplib::SSLServer>(testServerCertFile().toLocal8Bit().constData(),
                                                   testServerKeyFile().toLocal8Bit().constData())) {
    if (!m_https->is_valid())
        throw std::runtime_error("fake site: cannot load the test certificate");
    start(*m_http, m_httpPort, m_httpThread);
    start(*m_https, m_httpsPort, m_httpsThread);
}

FakeSite::~FakeSite() {
    {
        std::lock_guard lock(m_stopMutex);
        m_stopping = true;
    }
    m_stopCv.notify_all();
    m_http->stop();
    m_https->stop();
    // Workers wait on kept-alive connections for seconds before they notice
    // the stop; the clients' pools keep those connections open.
    shutdownConnections(m_httpPort);
    shutdownConnections(m_httpsPort);
    m_httpThread.join();
    m_httpsThread.join();
}

void FakeSite::start(httplib::Server& server, int& port, std::thread& thread) {
    const bool https = &server == m_https.get();
    server.new_task_queue = [] { return new httplib::ThreadPool(kWorkersPerServer); };
    const auto handler = [this, https](const httplib::Request& req, httplib::Response& res) {
        dispatch(https, req, res);
    };
    server.Get(".*", handler);
    server.Post(".*", handler);
    port = server.bind_to_any_port("127.0.0.1");
    if (port <= 0)
        throw std::runtime_error("fake site: cannot bind a loopback port");
    thread = std::thread([&server] { server.listen_after_bind(); });
    // stop() is a no-op until the accept loop runs, so the destructor must not
    // be able to come first.
    while (!server.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void FakeSite::dispatch(bool https, const httplib::Request& req, httplib::Response& res) {
    const std::string host = hostWithoutPort(req.get_header_value("Host"));
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(
            {https, req.method, host, req.path, req.target, req.headers, req.body});
    }
    // The library would gzip text replies on its own when the client accepts
    // it; a test must see exactly the bytes its route produced.
    const_cast<httplib::Request&>(req).headers.erase("Accept-Encoding");
    const std::string method = req.method == "HEAD" ? "GET" : req.method;
    if (const Handler handler = findHandler(method, host, req.path)) {
        handler(req, res);
        return;
    }
    res.status = 404;
    res.set_content("no route", "text/plain");
}

FakeSite::Handler FakeSite::findHandler(const std::string& method, const std::string& host,
                                        const std::string& path) const {
    std::lock_guard lock(m_mutex);
    for (auto it = m_routes.rbegin(); it != m_routes.rend(); ++it) {
        if (it->method == method && (it->host.empty() || it->host == host) &&
            pathMatches(it->path, path))
            return it->handler;
    }
    return {};
}

std::string FakeSite::httpUrl(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_httpPort) + path;
}

std::string FakeSite::httpsUrl(const std::string& path) const {
    return "https://127.0.0.1:" + std::to_string(m_httpsPort) + path;
}

QStringList FakeSite::connectToRules() const {
    // An empty host matches every host; the port picks the server.
    return {QStringLiteral(":80:127.0.0.1:%1").arg(m_httpPort),
            QStringLiteral(":443:127.0.0.1:%1").arg(m_httpsPort)};
}

void FakeSite::route(const std::string& method, const std::string& host, const std::string& path,
                     Handler handler) {
    std::lock_guard lock(m_mutex);
    m_routes.push_back({method, hostWithoutPort(host), path, std::move(handler)});
}

void FakeSite::page(const std::string& path, const std::string& body,
                    const std::string& contentType) {
    get(path, [body, contentType](const httplib::Request&, httplib::Response& res) {
        res.set_content(body, contentType);
    });
}

std::vector<ReceivedRequest> FakeSite::requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

std::vector<ReceivedRequest> FakeSite::requestsTo(const std::string& path) const {
    std::vector<ReceivedRequest> matching;
    std::lock_guard lock(m_mutex);
    for (const ReceivedRequest& r : m_requests) {
        if (pathMatches(path, r.path))
            matching.push_back(r);
    }
    return matching;
}

int FakeSite::countOf(const std::string& path) const {
    return int(requestsTo(path).size());
}

std::optional<ReceivedRequest> FakeSite::lastRequestTo(const std::string& path) const {
    auto matching = requestsTo(path);
    if (matching.empty())
        return std::nullopt;
    return matching.back();
}

void FakeSite::clearRequests() {
    std::lock_guard lock(m_mutex);
    m_requests.clear();
}

bool FakeSite::waitForShutdown(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(m_stopMutex);
    return m_stopCv.wait_for(lock, timeout, [this] { return m_stopping; });
}

} // namespace phodex::test
