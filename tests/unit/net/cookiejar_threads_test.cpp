// SPDX-License-Identifier: MIT
#include "net/cookiejar.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace phodex {
namespace {

TEST(CookieJarThreads, ConcurrentWritersLoseNothingInMemoryOrOnDisk) {
    constexpr int kThreads = 8;
    constexpr int kCookiesEach = 40;
    QTemporaryDir dir;
    const QString path = dir.filePath(kCookieFileName);
    CookieJar jar;
    ASSERT_TRUE(jar.load(path));
    std::atomic<int> heard = 0;
    jar.addListener([&](const QNetworkCookie&, CookieChange) { ++heard; });

    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&jar, t] {
            const QUrl site(QStringLiteral("http://t%1.qq.com/").arg(t));
            for (int i = 0; i < kCookiesEach; ++i) {
                const QByteArray name = "c" + QByteArray::number(t) + "_" + QByteArray::number(i);
                if (i % 2)
                    jar.storeSetCookie(site, name + "=v; Domain=qq.com; Path=/");
                else
                    jar.insert(QNetworkCookie(name, "v"), site);
                jar.cookieHeaderFor(site); // readers run alongside the writers
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();

    constexpr int kAll = kThreads * kCookiesEach;
    EXPECT_EQ(jar.allCookies().size(), kAll);
    EXPECT_EQ(heard.load(), kAll);
    ASSERT_TRUE(jar.flush());
    CookieJar reloaded;
    ASSERT_TRUE(reloaded.load(path));
    EXPECT_EQ(reloaded.allCookies().size(), kAll);
    // The domain cookies of every thread reach every host of the domain.
    EXPECT_EQ(reloaded.cookieHeaderFor(QUrl("http://t0.qq.com/")).count("=v"),
              kCookiesEach + (kThreads - 1) * kCookiesEach / 2);
}

} // namespace
} // namespace phodex
