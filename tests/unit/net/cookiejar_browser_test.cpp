// SPDX-License-Identifier: MIT
#include "net/cookiejar.h"

#include <gtest/gtest.h>

namespace phodex {
namespace {

QNetworkCookie cookie(const char* name, const char* value, const char* domain,
                      const char* path = "/") {
    QNetworkCookie c(name, value);
    c.setDomain(QString::fromLatin1(domain));
    c.setPath(QString::fromLatin1(path));
    return c;
}

struct Seen {
    QByteArray name;
    QByteArray value;
    CookieChange change;
    bool operator==(const Seen&) const = default;
};

TEST(CookieJarBrowser, InsertKeepsHostOnlyAndDomainCookiesApart) {
    CookieJar jar;
    EXPECT_TRUE(jar.insert(cookie("h", "1", "www.huaban.com")));
    EXPECT_TRUE(jar.insert(cookie("d", "2", ".huaban.com")));
    EXPECT_EQ(jar.cookieHeaderFor(QUrl("https://www.huaban.com/")), "h=1; d=2");
    EXPECT_EQ(jar.cookieHeaderFor(QUrl("https://api.huaban.com/")), "d=2");
}

TEST(CookieJarBrowser, InsertNeedsAnOriginOnlyWithoutADomain) {
    CookieJar jar;
    QNetworkCookie bare("n", "1");
    EXPECT_FALSE(jar.insert(bare));
    EXPECT_TRUE(jar.insert(bare, QUrl("https://www.duitang.com/album/1")));
    EXPECT_EQ(jar.cookieHeaderFor(QUrl("https://www.duitang.com/album/2")), "n=1");
    EXPECT_EQ(jar.cookieHeaderFor(QUrl("https://a.duitang.com/album/2")), "");
    EXPECT_FALSE(jar.insert(cookie("tld", "1", ".com")));
}

TEST(CookieJarBrowser, ListenersHearRealChangesOnly) {
    CookieJar jar;
    std::vector<Seen> seen;
    const int id = jar.addListener([&](const QNetworkCookie& c, CookieChange change) {
        seen.push_back({c.name(), c.value(), change});
    });
    jar.storeSetCookie(QUrl("http://qq.com/"), "a=1; Path=/");
    jar.storeSetCookie(QUrl("http://qq.com/"), "a=1; Path=/"); // the same again: no change
    EXPECT_FALSE(jar.insert(cookie("a", "1", "qq.com")));      // what a mirror would echo
    jar.insert(cookie("a", "2", "qq.com"));
    EXPECT_TRUE(jar.remove(cookie("a", "ignored", "qq.com")));
    EXPECT_FALSE(jar.remove(cookie("a", "", "qq.com")));
    jar.storeSetCookie(QUrl("http://qq.com/"), "b=1; Path=/");
    jar.storeSetCookie(QUrl("http://qq.com/"), "b=1; Max-Age=0; Path=/");
    jar.removeListener(id);
    jar.storeSetCookie(QUrl("http://qq.com/"), "c=1; Path=/");

    const std::vector<Seen> expected = {
        {"a", "1", CookieChange::Added},   {"a", "2", CookieChange::Added},
        {"a", "2", CookieChange::Removed}, {"b", "1", CookieChange::Added},
        {"b", "1", CookieChange::Removed},
    };
    EXPECT_EQ(seen, expected);
}

TEST(CookieJarBrowser, ListenerMayCallTheJar) {
    CookieJar jar;
    QByteArray headerSeen;
    jar.addListener([&](const QNetworkCookie&, CookieChange) {
        headerSeen = jar.cookieHeaderFor(QUrl("http://qq.com/"));
    });
    jar.storeSetCookie(QUrl("http://qq.com/"), "a=1; Path=/");
    EXPECT_EQ(headerSeen, "a=1");
}

TEST(CookieJarBrowser, ClearRemovesEverything) {
    CookieJar jar;
    int removed = 0;
    jar.addListener([&](const QNetworkCookie&, CookieChange change) {
        removed += change == CookieChange::Removed;
    });
    jar.storeSetCookie(QUrl("http://qq.com/"), "a=1; Path=/\nb=2; Path=/");
    jar.clear();
    EXPECT_TRUE(jar.allCookies().isEmpty());
    EXPECT_EQ(removed, 2);
}

} // namespace
} // namespace phodex
