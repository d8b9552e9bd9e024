// SPDX-License-Identifier: MIT
#pragma once

#include "net/fetch.h"
#include "net/netconfig.h"
#include "net/recordingpacer.h"
#include "support/engineroutes.h"
#include "support/fakesite.h"
#include "support/testtls.h"

#include <QString>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace phodex::test {

// A fake site reached under real host names through connect-to rules, with
// the test CA trusted and pauses recorded. Parameter: https or not.
class FetchTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { RouteEngineTo(site); }

    // The site waits for open connections when it shuts down.
    void TearDown() override { CloseThreadConnections(); }

    bool https() const { return GetParam(); }
    // An address on `host` (a host the test certificate covers).
    QString url(const std::string& path, const QString& host = QStringLiteral("www.douban.com")) {
        return QStringLiteral("%1://%2%3")
            .arg(https() ? u"https" : u"http", host, QString::fromStdString(path));
    }
    CUrlRequest request(const std::string& path) {
        return CUrlRequest(url(path), QString(), 10000);
    }

    FakeSite site;
    RecordingPacer pauses;
    ScopedPacer pacerScope{pauses};
};

inline std::string schemeName(const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "https" : "http";
}

#define PHODEX_BOTH_SCHEMES(Suite)                                                                 \
    INSTANTIATE_TEST_SUITE_P(Schemes, Suite, ::testing::Bool(), ::phodex::test::schemeName)

// Raises flag once the site holds path's request (or after 10 s), so that a
// slow handshake cannot turn a test of stopping a transfer into a test of
// stopping before sending.
inline std::thread RaiseWhenRequested(const FakeSite& site, const std::string& path,
                                      std::atomic<bool>& flag) {
    return std::thread([&site, path, &flag] {
        for (int i = 0; i < 400 && site.countOf(path) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        flag = true;
    });
}

inline QByteArray bytes(const std::string& s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}

} // namespace phodex::test
