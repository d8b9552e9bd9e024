// SPDX-License-Identifier: MIT
#include "core/session.h"
#include "core/sitevalues.h"

#include <gtest/gtest.h>

#include <thread>

namespace phodex {
namespace {

// A list job and a login window write their own keys while both overwrite a
// shared one: each reads back what it wrote last, and the shared key ends
// with one writer's last value, never a mix.
TEST(SiteValues, TwoThreadsWriteAndOverwriteTheirKeys) {
    SiteValues values;
    constexpr int kRounds = 2000;
    const auto writer = [&values](const QString& own, bool& allReadBack) {
        for (int i = 0; i < kRounds; ++i) {
            const QString text = own + QString::number(i);
            values.setValue(own, text);
            values.setValue(QStringLiteral("shared"), text);
            allReadBack = allReadBack && values.value(own) == text;
        }
    };
    bool firstReadBack = true;
    bool secondReadBack = true;
    std::thread first(writer, QStringLiteral("qzone.a"), std::ref(firstReadBack));
    std::thread second(writer, QStringLiteral("weibo.b"), std::ref(secondReadBack));
    first.join();
    second.join();

    EXPECT_TRUE(firstReadBack);
    EXPECT_TRUE(secondReadBack);
    const QString last = QString::number(kRounds - 1);
    EXPECT_EQ(values.value(QStringLiteral("qzone.a")), QStringLiteral("qzone.a") + last);
    EXPECT_EQ(values.value(QStringLiteral("weibo.b")), QStringLiteral("weibo.b") + last);
    EXPECT_TRUE(values.value(QStringLiteral("shared")) == QStringLiteral("qzone.a") + last ||
                values.value(QStringLiteral("shared")) == QStringLiteral("weibo.b") + last)
        << values.value(QStringLiteral("shared")).toStdString();
    EXPECT_EQ(values.value(QStringLiteral("never.set")), QString());
}

// The text slots live in the same store, each apart from the others and from
// every site's keys.
TEST(SiteValues, TheTextSlotsKeepApartFromEachOtherAndFromSiteKeys) {
    Session session;
    session.setTextSlot(TextSlot::First, QStringLiteral("one"));
    session.setTextSlot(TextSlot::Third, QStringLiteral("three"));
    session.siteValues().setValue(QStringLiteral("qzone.pagetoken"), QStringLiteral("token"));
    session.setTextSlot(TextSlot::First, QStringLiteral("uno"));

    EXPECT_EQ(session.textSlot(TextSlot::First), QStringLiteral("uno"));
    EXPECT_EQ(session.textSlot(TextSlot::Second), QString());
    EXPECT_EQ(session.textSlot(TextSlot::Third), QStringLiteral("three"));
    EXPECT_EQ(session.siteValues().value(QStringLiteral("qzone.pagetoken")),
              QStringLiteral("token"));
}

} // namespace
} // namespace phodex
